#include "io/CurrentFormatWriter.h"

#include "io/DecimalInt32.h"
#include "io/ProjectFileLimits.h"
#include "list/CellSelection.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>

#include <array>
#include <cstdint>

namespace {

// A cell's number: the time cell is 0 when empty.
std::optional<int> CellNumber(const QString &text, bool emptyIsZero)
{
    return emptyIsZero && text.isEmpty() ? std::optional<int>(0) : ParseDecimalInt32(text);
}

// Words are 32-bit two's complement, least significant byte first; StoredWordProblem has made sure every
// value fits before anything is written.
void PutWord(char *at, std::int64_t value)
{
    qToLittleEndian<quint32>(static_cast<quint32>(static_cast<std::uint64_t>(value)), at);
}

class WordBuffer {
public:
    explicit WordBuffer(std::size_t words) : bytes_(static_cast<qsizetype>(words * 4), '\0') {}

    void set(std::size_t index, std::int64_t value) { PutWord(bytes_.data() + 4 * index, value); }
    // A dot word is 0..255: only its low byte is ever non-zero, the rest stays as filled.
    void setDots(std::size_t index, std::uint8_t dots)
    {
        bytes_[static_cast<qsizetype>(4 * index)] = char(dots);
    }
    // A write that comes up short (the disk filled part way) is followed by one for the rest, which
    // fails with the device's own reason, so the operator reads the real cause.
    bool writeTo(QIODevice &device) const
    {
        for (qsizetype done = 0; done < bytes_.size();) {
            const qint64 written = device.write(bytes_.constData() + done, bytes_.size() - done);
            if (written <= 0) {
                return false;
            }
            done += static_cast<qsizetype>(written);
        }
        return true;
    }

private:
    QByteArray bytes_;
};

// The header's codes: height, frame count and width, each stored as v * v plus its offset.
std::array<std::int64_t, 3> HeaderWords(const ProjectFile &file)
{
    const std::int64_t height = file.HeightDot;
    const std::int64_t frames = static_cast<std::int64_t>(file.frames.size());
    const std::int64_t width = file.WidthDot;
    return {height * height + 9, frames * frames + 16, width * width + 4};
}

bool WriteFrame(const FileFrame &frame, QIODevice &device)
{
    const std::optional<int> board = CellNumber(frame.board, false);
    const std::optional<int> time = CellNumber(frame.time, true);
    if (!board || !time) {
        return false;
    }
    WordBuffer words(3 + frame.dots.size());
    words.set(0, *board);
    words.set(1, frame.change ? 1 : 0);
    words.set(2, *time);
    for (std::size_t i = 0; i < frame.dots.size(); ++i) {
        words.setDots(3 + i, frame.dots[i]);
    }
    return words.writeTo(device);
}

} // namespace

FileResult CheckCellsForSaving(const ProjectFile &file)
{
    for (const FileFrame &frame : file.frames) {
        if (!CellNumber(frame.board, false)) {
            return FileResult::failed(NotAnIntegerMessage(frame.board));
        }
        if (!CellNumber(frame.time, true)) {
            return FileResult::failed(NotAnIntegerMessage(frame.time));
        }
    }
    return FileResult::done();
}

std::optional<QString> StoredWordProblem(const ProjectFile &file)
{
    const char *headerNames[] = {"height", "frame count", "width"};
    const std::array<std::int64_t, 3> header = HeaderWords(file);
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (!FitsFileWord(header[i])) {
            return QCoreApplication::translate("CurrentFormatWriter",
                                               "its %1 code %2 does not fit the current format's 32-bit word")
                .arg(QLatin1String(headerNames[i]))
                .arg(header[i]);
        }
    }
    const ModuleTrailer &modules = *file.modules;
    if (!FitsFileWord(ModuleWidthWord(modules.LedWidthDot))) {
        return QCoreApplication::translate(
                   "CurrentFormatWriter", "the module width %1 does not fit the current format's 32-bit word")
            .arg(modules.LedWidthDot);
    }
    for (std::size_t i = 0; i < modules.LedColor.size(); ++i) {
        if (const auto problem = ColourCodeProblem(modules.LedColor[i], static_cast<int>(i) + 1)) {
            return problem;
        }
    }
    return std::nullopt;
}

bool WriteCurrentFormat(const ProjectFile &file, QIODevice &device)
{
    const std::array<std::int64_t, 3> headerWords = HeaderWords(file);
    WordBuffer header(headerWords.size());
    for (std::size_t i = 0; i < headerWords.size(); ++i) {
        header.set(i, headerWords[i]);
    }
    if (!header.writeTo(device)) {
        return false;
    }
    for (const FileFrame &frame : file.frames) {
        if (!WriteFrame(frame, device)) {
            return false;
        }
    }
    const ModuleTrailer &modules = *file.modules;
    WordBuffer trailer(1 + modules.LedColor.size());
    trailer.set(0, ModuleWidthWord(modules.LedWidthDot));
    for (std::size_t i = 0; i < modules.LedColor.size(); ++i) {
        trailer.set(1 + i, ColourCodeWord(modules.LedColor[i]));
    }
    return trailer.writeTo(device);
}
