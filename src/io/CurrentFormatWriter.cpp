#include "io/CurrentFormatWriter.h"

#include "io/DecimalInt32.h"
#include "list/CellSelection.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <cstdint>

namespace {

// A cell's number: the time cell is 0 when empty.
std::optional<int> CellNumber(const QString &text, bool emptyIsZero)
{
    return emptyIsZero && text.isEmpty() ? std::optional<int>(0) : ParseDecimalInt32(text);
}

// Words are 32-bit two's complement, least significant byte first; codes that do not fit 32 bits (only a
// module width or colour far outside anything a sign has) keep their low 32 bits.
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
    bool writeTo(QIODevice &device) const { return device.write(bytes_) == bytes_.size(); }

private:
    QByteArray bytes_;
};

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

bool WriteCurrentFormat(const ProjectFile &file, QIODevice &device)
{
    const std::int64_t height = file.HeightDot;
    const std::int64_t frames = static_cast<std::int64_t>(file.frames.size());
    const std::int64_t width = file.WidthDot;
    WordBuffer header(3);
    header.set(0, height * height + 9);
    header.set(1, frames * frames + 16);
    header.set(2, width * width + 4);
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
    trailer.set(0, std::int64_t{modules.LedWidthDot} * 7 + 14);
    for (std::size_t i = 0; i < modules.LedColor.size(); ++i) {
        trailer.set(1 + i, std::int64_t{modules.LedColor[i]} * 14 + 7);
    }
    return trailer.writeTo(device);
}
