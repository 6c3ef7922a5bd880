#include "routes/CsvRecords.h"

#include <QStringDecoder>

namespace {

// Walks the text once, one character at a time; a quoted field may run over several lines.
class CsvScanner {
public:
    explicit CsvScanner(const QString &text) : text_(text) {}

    CsvRecords scan()
    {
        while (at_ < text_.size() && result_.error.isEmpty()) {
            readRecord();
        }
        return std::move(result_);
    }

private:
    bool atEnd() const { return at_ >= text_.size(); }
    QChar current() const { return text_[at_]; }

    bool atLineEnd() const { return current() == QLatin1Char('\n') || current() == QLatin1Char('\r'); }

    void skipLineEnd()
    {
        if (current() == QLatin1Char('\r') && at_ + 1 < text_.size() && text_[at_ + 1] == QLatin1Char('\n')) {
            ++at_;
        }
        ++at_;
    }

    void fail(const QString &error)
    {
        result_.error = error;
        result_.errorRow = static_cast<int>(result_.records.size()) + 1;
    }

    void readRecord()
    {
        QStringList fields;
        for (;;) {
            QString field;
            if (!readField(field)) {
                return;
            }
            fields << field;
            if (atEnd()) {
                break;
            }
            if (atLineEnd()) {
                skipLineEnd();
                break;
            }
            ++at_; // the comma
        }
        result_.records.push_back(fields);
    }

    // Reads one field up to (not over) the comma or line end after it.
    bool readField(QString &field)
    {
        if (atEnd() || current() != QLatin1Char('"')) {
            while (!atEnd() && current() != QLatin1Char(',') && !atLineEnd()) {
                field += current();
                ++at_;
            }
            return true;
        }
        ++at_;
        for (;;) {
            if (atEnd()) {
                fail(QStringLiteral("a quoted field is never closed"));
                return false;
            }
            if (current() != QLatin1Char('"')) {
                field += current();
                ++at_;
                continue;
            }
            ++at_;
            if (!atEnd() && current() == QLatin1Char('"')) {
                field += QLatin1Char('"');
                ++at_;
                continue;
            }
            if (!atEnd() && current() != QLatin1Char(',') && !atLineEnd()) {
                fail(QStringLiteral("text follows the closing quote of a field"));
                return false;
            }
            return true;
        }
    }

    const QString &text_;
    qsizetype at_ = 0;
    CsvRecords result_;
};

} // namespace

CsvRecords ReadCsvRecords(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        CsvRecords invalid;
        invalid.error =
            QStringLiteral("the table is not UTF-8 text; save it from the spreadsheet as CSV UTF-8");
        invalid.errorRow = 1;
        return invalid;
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    return CsvScanner(text).scan();
}

CsvRecords ReadCsvFile(QIODevice &device)
{
    const QByteArray bytes = device.read(MaxCsvBytes + 1);
    if (bytes.size() > MaxCsvBytes) {
        CsvRecords tooLarge;
        tooLarge.error = QStringLiteral("the table is larger than %1 MB; a route table is far smaller")
                             .arg(MaxCsvBytes >> 20);
        tooLarge.errorRow = 1;
        return tooLarge;
    }
    return ReadCsvRecords(bytes);
}
