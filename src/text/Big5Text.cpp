#include "text/Big5Text.h"

#include <QList>

#include <iconv.h>

namespace {

// A pair with no glyph index (0xFF is never a lead byte) and no digit in it.
constexpr char unmappedPair[] = {'\xFF', '\xFF'};

// One iconv conversion from UTF-32 to code page 950, open for one text.
class Big5Converter {
public:
    Big5Converter() = default;
    ~Big5Converter()
    {
        if (usable()) {
            iconv_close(handle_);
        }
    }
    Big5Converter(const Big5Converter &) = delete;
    Big5Converter &operator=(const Big5Converter &) = delete;

    // Appends the code page 950 form of one character; false when it has none.
    bool append(char32_t character, QByteArray &out)
    {
        if (character < 0x80) {
            // Code page 950 keeps ASCII as it is, with or without a converter.
            out.append(static_cast<char>(character));
            return true;
        }
        if (!usable()) {
            return false;
        }
        char input[4];
        for (int i = 0; i < 4; ++i) {
            input[i] = static_cast<char>((character >> (8 * i)) & 0xFF);
        }
        char output[4];
        char *in = input;
        char *outEnd = output;
        std::size_t inLeft = sizeof input;
        std::size_t outLeft = sizeof output;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle_, &in, &inLeft, &outEnd, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
            return false;
        }
        out.append(output, static_cast<qsizetype>(outEnd - output));
        return true;
    }

private:
    // A C library without the converter leaves every non-ASCII character without a form: its cell stays
    // dark rather than the editor failing.
    bool usable() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t handle_ = iconv_open("CP950", "UTF-32LE");
};

} // namespace

QByteArray Big5Bytes(const QString &text, std::vector<qsizetype> *characterStarts)
{
    Big5Converter converter;
    QByteArray bytes;
    // One character at a time, so that a character without a form costs exactly its own cell.
    for (const uint character : text.toUcs4()) {
        if (characterStarts) {
            characterStarts->push_back(bytes.size());
        }
        if (!converter.append(character, bytes)) {
            bytes.append(unmappedPair, sizeof unmappedPair);
        }
    }
    return bytes;
}
