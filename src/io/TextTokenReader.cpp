#include "io/TextTokenReader.h"

#include <QIODevice>

#include <cstring>

namespace {

constexpr std::size_t BlockBytes = std::size_t{1} << 16;

constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

TextTokenReader::TextTokenReader(QIODevice &device) : device_(device), buffer_(BlockBytes) {}

bool TextTokenReader::refill(std::size_t keepFrom)
{
    const std::size_t kept = end_ - keepFrom;
    std::memmove(buffer_.data(), buffer_.data() + keepFrom, kept);
    pos_ -= keepFrom;
    end_ = kept;
    if (exhausted_) {
        return false;
    }
    const qint64 got = device_.read(buffer_.data() + end_, static_cast<qint64>(buffer_.size() - end_));
    if (got <= 0) {
        exhausted_ = true;
        return false;
    }
    end_ += static_cast<std::size_t>(got);
    return true;
}

TextTokenReader::Status TextTokenReader::next(std::string_view &token)
{
    for (;;) {
        while (pos_ < end_ && IsBlank(buffer_[pos_])) {
            ++pos_;
        }
        if (pos_ < end_) {
            break;
        }
        if (!refill(pos_)) {
            return Status::End;
        }
    }
    ++tokenNumber_;
    std::size_t start = pos_;
    for (;;) {
        while (pos_ < end_ && !IsBlank(buffer_[pos_])) {
            ++pos_;
        }
        if (pos_ - start > MaxTokenLength) {
            return Status::TooLong;
        }
        if (pos_ < end_) {
            break;
        }
        // A token that reaches the end of the block may go on in the next one; it now starts the buffer.
        const bool more = refill(start);
        start = 0;
        if (!more) {
            break;
        }
    }
    token = std::string_view(buffer_.data() + start, pos_ - start);
    return Status::Token;
}
