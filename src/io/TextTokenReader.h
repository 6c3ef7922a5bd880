#pragma once

#include <QtGlobal>

#include <string_view>
#include <vector>

class QIODevice;

// The older project format's tokens: runs of non-blank bytes separated by spaces, tabs and line ends.
// The device is read in large blocks and each token is handed out as a view into the block, so the
// millions of one-digit dot tokens of a large file cost a few instructions each.
class TextTokenReader {
public:
    // No token may be longer: it is a word of the format, and longer ones are refused.
    static constexpr std::size_t MaxTokenLength = 255;

    enum class Status {
        Token,   // `token` holds the next one
        End,     // the file has no more tokens
        TooLong, // the next token is longer than MaxTokenLength
    };

    explicit TextTokenReader(QIODevice &device);

    // The view stays valid until the next call.
    Status next(std::string_view &token);

    // 1-based number of the token last handed out (or refused as too long).
    qint64 tokenNumber() const { return tokenNumber_; }

private:
    // Moves the unread bytes from `keepFrom` on to the front of the buffer and reads more behind them;
    // false when the device has nothing more (the bytes are moved all the same).
    bool refill(std::size_t keepFrom);

    QIODevice &device_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool exhausted_ = false;
    qint64 tokenNumber_ = 0;
};
