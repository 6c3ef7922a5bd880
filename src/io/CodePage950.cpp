#include "io/CodePage950.h"

#include <QByteArray>

#include <iconv.h>
#include <string_view>

namespace {

constexpr char ReplacementUtf8[] = "\xEF\xBF\xBD";

// An iconv conversion descriptor, closed when it goes.
class Converter {
public:
    Converter() : handle_(iconv_open("UTF-8", "CP950")) {}
    ~Converter()
    {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return handle_; }

private:
    iconv_t handle_;
};

bool IsAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 0x7F) {
            return false;
        }
    }
    return true;
}

} // namespace

QString DecodeCodePage950(QByteArrayView bytes)
{
    if (IsAscii(bytes)) {
        return QString::fromLatin1(bytes);
    }
    const Converter converter;
    // Every input byte gives at most three bytes of UTF-8 (a replacement character is three).
    QByteArray utf8(bytes.size() * 3 + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char *out = utf8.data();
    std::size_t outLeft = static_cast<std::size_t>(utf8.size());
    while (inLeft > 0) {
        if (converter.valid() &&
            iconv(converter.handle(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        // An invalid or cut-off sequence (or no converter at all): the byte stays if it is ASCII, else it
        // becomes one replacement character; the conversion goes on after it.
        if (static_cast<unsigned char>(*in) <= 0x7F) {
            *out++ = *in;
            --outLeft;
        } else {
            for (const char c : std::string_view(ReplacementUtf8, 3)) {
                *out++ = c;
            }
            outLeft -= 3;
        }
        ++in;
        --inLeft;
    }
    utf8.truncate(out - utf8.data());
    return QString::fromUtf8(utf8);
}
