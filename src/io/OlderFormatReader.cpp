#include "io/OlderFormatReader.h"

#include "io/CodePage950.h"
#include "io/DecimalInt32.h"
#include "io/ProjectFileLimits.h"
#include "io/TextTokenReader.h"

#include <QByteArray>
#include <QCoreApplication>

namespace {

// After the first word of a board number, "end" must come within this many further words.
constexpr int MaxFurtherBoardWords = 254;

// What a token stands for, put into words only when a message needs it.
struct Field {
    const char *name; // marked for translation; may hold "%1" for the frame number
    int frame = 0;

    QString describe() const
    {
        const QString text = QCoreApplication::translate("OlderFormatReader", name);
        return text.contains(QLatin1String("%1")) ? text.arg(frame) : text;
    }
};

// A token as a message shows it: at most 20 characters, anything unprintable (a binary file read as
// text) replaced, so the message stays one readable line.
QString Quoted(std::string_view token)
{
    constexpr qsizetype shown = 20;
    QString text = DecodeCodePage950(QByteArrayView(token.data(), static_cast<qsizetype>(token.size())));
    const bool cut = text.size() > shown;
    text.truncate(shown);
    for (QChar &c : text) {
        if (!c.isPrint()) {
            c = QChar::ReplacementCharacter;
        }
    }
    return cut ? text + QStringLiteral("...") : text;
}

class OlderFormatParser {
public:
    OlderFormatParser(QIODevice &device, const ReadRequest &request) : tokens_(device), request_(request) {}

    CheckedProjectFile run()
    {
        const std::optional<int> width = integer({QT_TRANSLATE_NOOP("OlderFormatReader", "the width")});
        if (!width || !check(WidthProblem(*width))) {
            return std::move(refusal_);
        }
        const std::optional<int> height = integer({QT_TRANSLATE_NOOP("OlderFormatReader", "the height")});
        if (!height || !check(HeightProblem(*height))) {
            return std::move(refusal_);
        }
        const std::optional<int> frames =
            integer({QT_TRANSLATE_NOOP("OlderFormatReader", "the frame count")});
        if (!frames || !check(FrameCountProblem(*frames, request_))) {
            return std::move(refusal_);
        }
        read_.file.WidthDot = *width;
        read_.file.HeightDot = *height;
        read_.file.frames.reserve(static_cast<std::size_t>(*frames));
        for (int f = 1; f <= *frames; ++f) {
            if (!readEntry(f)) {
                return std::move(refusal_);
            }
        }
        if (!request_.appending && !readTrailer()) {
            return std::move(refusal_);
        }
        return std::move(read_);
    }

private:
    bool readEntry(int frameNumber)
    {
        FileFrame frame;
        QByteArray board;
        if (!readBoard(frameNumber, board)) {
            return false;
        }
        frame.board = DecodeCodePage950(board);
        const std::optional<int> change =
            integer({QT_TRANSLATE_NOOP("OlderFormatReader", "the change mark of frame %1"), frameNumber});
        const std::optional<int> time =
            change ? integer({QT_TRANSLATE_NOOP("OlderFormatReader", "the time of frame %1"), frameNumber})
                   : std::nullopt;
        if (!time) {
            return false;
        }
        frame.change = *change != 0;
        frame.time = *time == 0 ? QString() : QString::number(*time);
        if (!readDots(frameNumber, frame.dots)) {
            return false;
        }
        read_.file.frames.push_back(std::move(frame));
        return true;
    }

    // The first word is always the board text, even "end"; further words join it, one space apart,
    // until "end", which must come within the word limit.
    bool readBoard(int frameNumber, QByteArray &board)
    {
        const Field field{QT_TRANSLATE_NOOP("OlderFormatReader", "the board number of frame %1"),
                          frameNumber};
        std::string_view token;
        if (!word(field, token)) {
            return false;
        }
        board = QByteArray(token.data(), static_cast<qsizetype>(token.size()));
        if (token == "end") {
            return true;
        }
        for (int further = 1;; ++further) {
            if (!word(field, token)) {
                return false;
            }
            if (further > MaxFurtherBoardWords) {
                refusal_.result = FileResult::failed(request_.appending ? AppendEntryErrorMessage()
                                                                        : OpenEntryErrorMessage());
                return false;
            }
            if (token == "end") {
                return true;
            }
            board += ' ';
            board.append(token.data(), static_cast<qsizetype>(token.size()));
        }
    }

    bool readDots(int frameNumber, std::vector<std::uint8_t> &dots)
    {
        const int width = read_.file.WidthDot;
        const int height = read_.file.HeightDot;
        const int perColumn = WordsPerColumn(height);
        dots.assign(static_cast<std::size_t>(width) * perColumn, 0);
        const Field field{QT_TRANSLATE_NOOP("OlderFormatReader", "the dots of frame %1"), frameNumber};
        for (int x = 0; x < width; ++x) {
            std::uint8_t *column = dots.data() + static_cast<std::size_t>(x) * perColumn;
            for (int y = 0; y < height; ++y) {
                const std::optional<int> dot = integer(field);
                if (!dot) {
                    return false;
                }
                if (*dot != 0) {
                    column[y / 8] |= static_cast<std::uint8_t>(1u << (y % 8));
                }
            }
        }
        return true;
    }

    // The trailer is there when the next word is "new"; any other word, or none, means it is not.
    bool readTrailer()
    {
        std::string_view token;
        switch (tokens_.next(token)) {
        case TextTokenReader::Status::End:
            return true;
        case TextTokenReader::Status::TooLong:
            return tooLong({QT_TRANSLATE_NOOP("OlderFormatReader", "the word after the frames")});
        case TextTokenReader::Status::Token:
            break;
        }
        if (token != "new") {
            return true;
        }
        const std::optional<int> moduleWidth =
            integer({QT_TRANSLATE_NOOP("OlderFormatReader", "the module width")});
        if (!moduleWidth || !check(OlderModuleWidthProblem(*moduleWidth, read_.file.WidthDot))) {
            return false;
        }
        ModuleTrailer trailer{*moduleWidth, {}};
        const int modules = read_.file.WidthDot / *moduleWidth;
        for (int i = 0; i < modules; ++i) {
            const std::optional<int> code =
                integer({QT_TRANSLATE_NOOP("OlderFormatReader", "the colour of module %1"), i + 1});
            if (!code || !check(ColourCodeProblem(*code, i + 1))) {
                return false;
            }
            trailer.LedColor.push_back(*code);
        }
        read_.file.modules = std::move(trailer);
        return true;
    }

    bool word(const Field &field, std::string_view &token)
    {
        switch (tokens_.next(token)) {
        case TextTokenReader::Status::Token:
            return true;
        case TextTokenReader::Status::TooLong:
            return tooLong(field);
        case TextTokenReader::Status::End:
            break;
        }
        refuse(
            QCoreApplication::translate("OlderFormatReader", "the file ends before %1").arg(field.describe()),
            QCoreApplication::translate("OlderFormatReader", "after token %1").arg(tokens_.tokenNumber()));
        return false;
    }

    std::optional<int> integer(const Field &field)
    {
        std::string_view token;
        if (!word(field, token)) {
            return std::nullopt;
        }
        const std::optional<int> value = ParseDecimalInt32(token);
        if (!value) {
            refuse(QCoreApplication::translate("OlderFormatReader", "%1 is '%2', not an integer")
                       .arg(field.describe(), Quoted(token)));
        }
        return value;
    }

    bool tooLong(const Field &field)
    {
        refuse(QCoreApplication::translate("OlderFormatReader", "%1 is a word longer than %2 characters")
                   .arg(field.describe())
                   .arg(TextTokenReader::MaxTokenLength));
        return false;
    }

    bool check(const std::optional<QString> &problem)
    {
        if (problem) {
            refuse(*problem);
        }
        return !problem;
    }

    // Refuses the file for what the token last read holds, or (with `where`) for what is missing.
    void refuse(const QString &reason, const QString &where = {})
    {
        const QString place =
            where.isEmpty()
                ? QCoreApplication::translate("OlderFormatReader", "token %1").arg(tokens_.tokenNumber())
                : where;
        refusal_.result = FileResult::failed(LoadRefusal(request_, reason, place));
    }

    TextTokenReader tokens_;
    const ReadRequest &request_;
    CheckedProjectFile read_;
    CheckedProjectFile refusal_;
};

} // namespace

CheckedProjectFile ReadOlderFormat(QIODevice &device, const ReadRequest &request)
{
    return OlderFormatParser(device, request).run();
}

QString OpenEntryErrorMessage()
{
    return QCoreApplication::translate("OlderFormatReader", "Open File Failed!!The Data of File Error!!");
}

QString AppendEntryErrorMessage()
{
    return QCoreApplication::translate("OlderFormatReader", "File Format Error!");
}
