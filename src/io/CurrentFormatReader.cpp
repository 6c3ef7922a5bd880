#include "io/CurrentFormatReader.h"

#include "io/ProjectFileLimits.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Reads the file in batches of words, remembering where each batch starts for the messages.
class WordSource {
public:
    explicit WordSource(QIODevice &device) : device_(device) {}

    // Reads the next `count` words; false when the file ends first.
    bool read(std::size_t count)
    {
        batchStart_ = end_;
        const qint64 wanted = static_cast<qint64>(count) * 4;
        bytes_.resize(static_cast<std::size_t>(wanted));
        qint64 got = 0;
        while (got < wanted) {
            const qint64 n = device_.read(bytes_.data() + got, wanted - got);
            if (n <= 0) {
                break;
            }
            got += n;
        }
        end_ += got;
        return got == wanted;
    }

    std::int32_t word(std::size_t index) const
    {
        return qFromLittleEndian<qint32>(bytes_.data() + 4 * index);
    }
    qint64 offsetOf(std::size_t index) const { return batchStart_ + 4 * static_cast<qint64>(index); }
    // Where the file ended, after a read that came up short.
    qint64 end() const { return end_; }

private:
    QIODevice &device_;
    std::vector<char> bytes_;
    qint64 batchStart_ = 0;
    qint64 end_ = 0;
};

std::int64_t SquareRootFloor(std::int64_t value)
{
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(value)));
    while (root * root > value) {
        --root;
    }
    while ((root + 1) * (root + 1) <= value) {
        ++root;
    }
    return root;
}

// A dot word's eight dots as the format decodes them, by halving the signed value: bits 0..7 of a word
// that is not negative; a negative word leaves all eight dark.
std::uint8_t DotsOfWord(std::int32_t word)
{
    return word < 0 ? 0 : static_cast<std::uint8_t>(word & 0xFF);
}

class CurrentFormatParser {
public:
    CurrentFormatParser(QIODevice &device, const ReadRequest &request) : source_(device), request_(request) {}

    CheckedProjectFile run()
    {
        const bool sound = readHeader() && readFrames() && (request_.appending || readTrailer());
        return std::move(sound ? read_ : refusal_);
    }

private:
    bool readHeader()
    {
        if (!source_.read(3)) {
            return ended(QCoreApplication::translate("CurrentFormatReader", "its header is complete"));
        }
        const std::optional<int> height =
            squareCode(0, 9, QCoreApplication::translate("CurrentFormatReader", "height"));
        if (!height || !check(HeightProblem(*height), 0)) {
            return false;
        }
        const std::optional<int> frames =
            squareCode(1, 16, QCoreApplication::translate("CurrentFormatReader", "frame count"));
        if (!frames || !check(FrameCountProblem(*frames, request_), 4)) {
            return false;
        }
        const std::optional<int> width =
            squareCode(2, 4, QCoreApplication::translate("CurrentFormatReader", "width"));
        if (!width || !check(WidthProblem(*width), 8)) {
            return false;
        }
        read_.file.HeightDot = *height;
        read_.file.WidthDot = *width;
        frameCount_ = *frames;
        return true;
    }

    bool readFrames()
    {
        read_.file.frames.reserve(static_cast<std::size_t>(frameCount_));
        for (int f = 0; f < frameCount_; ++f) {
            if (!readFrame()) {
                return ended(
                    QCoreApplication::translate("CurrentFormatReader", "frame %1 is complete").arg(f + 1));
            }
        }
        return true;
    }

    // A header value stored as v * v + offset; refused when below its offset.
    std::optional<int> squareCode(std::size_t index, int offset, const QString &name)
    {
        const std::int64_t value = source_.word(index);
        if (value < offset) {
            check(QCoreApplication::translate("CurrentFormatReader", "the %1 code %2 is below %3")
                      .arg(name)
                      .arg(value)
                      .arg(offset),
                  source_.offsetOf(index));
            return std::nullopt;
        }
        return static_cast<int>(SquareRootFloor(value - offset));
    }

    bool readFrame()
    {
        const int height = read_.file.HeightDot;
        const std::size_t words = static_cast<std::size_t>(read_.file.WidthDot) * WordsPerColumn(height);
        if (!source_.read(3 + words)) {
            return false;
        }
        FileFrame frame;
        frame.board = QString::number(source_.word(0));
        frame.change = source_.word(1) != 0;
        const std::int32_t time = source_.word(2);
        frame.time = time == 0 ? QString() : QString::number(time);
        frame.dots.resize(words);
        for (std::size_t i = 0; i < words; ++i) {
            frame.dots[i] = DotsOfWord(source_.word(3 + i));
        }
        read_.file.frames.push_back(std::move(frame));
        return true;
    }

    bool readTrailer()
    {
        if (!source_.read(1)) {
            return ended(QCoreApplication::translate("CurrentFormatReader", "the module width"));
        }
        const auto moduleWidth = static_cast<int>((std::int64_t{source_.word(0)} - 14) / 7);
        if (!check(ModuleWidthProblem(moduleWidth, read_.file.WidthDot), source_.offsetOf(0))) {
            return false;
        }
        const int modules = read_.file.WidthDot / moduleWidth;
        if (!source_.read(static_cast<std::size_t>(modules))) {
            return ended(
                QCoreApplication::translate("CurrentFormatReader", "all %1 module colours").arg(modules));
        }
        ModuleTrailer trailer{moduleWidth, std::vector<int>(static_cast<std::size_t>(modules))};
        for (int i = 0; i < modules; ++i) {
            trailer.LedColor[static_cast<std::size_t>(i)] =
                static_cast<int>((std::int64_t{source_.word(i)} - 7) / 14);
        }
        read_.file.modules = std::move(trailer);
        return true;
    }

    // Keeps the refusal for a problem found at `byte`; true when there is none.
    bool check(const std::optional<QString> &problem, qint64 byte)
    {
        if (!problem) {
            return true;
        }
        refusal_.result = FileResult::failed(LoadRefusal(
            request_, *problem, QCoreApplication::translate("CurrentFormatReader", "byte %1").arg(byte)));
        return false;
    }

    bool ended(const QString &what)
    {
        return check(QCoreApplication::translate("CurrentFormatReader", "the file ends before %1").arg(what),
                     source_.end());
    }

    WordSource source_;
    const ReadRequest &request_;
    int frameCount_ = 0;
    CheckedProjectFile read_;
    CheckedProjectFile refusal_;
};

} // namespace

CheckedProjectFile ReadCurrentFormat(QIODevice &device, const ReadRequest &request)
{
    return CurrentFormatParser(device, request).run();
}
