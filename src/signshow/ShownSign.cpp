#include "signshow/ShownSign.h"

#include "preview/MatrixRenderer.h"

#include <QCoreApplication>

namespace {

constexpr int DotBytesPerPacket = 32;

// The received line as the list it would have come from: one line of its frames with their times, so
// it plays as the editor plays a line.
FrameLine AsFrameLine(const ReceivedLine &line)
{
    FrameLine frames;
    frames.number = line.board;
    frames.firstRow = 1;
    frames.frameCount = line.frameCount;
    frames.boardText = QString::number(line.board);
    for (const int seconds : line.times) {
        frames.timeTexts << QString::number(seconds);
    }
    return frames;
}

// The frame the highest packet arrived so far belongs to; packets arrive in order.
int FrameOfLatestPacket(const ReceivedLine &line)
{
    const int frameBytes = line.width * line.height / 8;
    for (int packet = static_cast<int>(line.arrived.size()) - 1; packet >= 0; --packet) {
        if (line.arrived[static_cast<std::size_t>(packet)] && frameBytes > 0) {
            return packet * DotBytesPerPacket / frameBytes;
        }
    }
    return 0;
}

// What a held line takes: its dot bytes, its packets' marks and its times.
std::size_t HeldBytesOf(const ReceivedLine &line)
{
    return sizeof line + line.dotBytes.size() + line.arrived.size() / 8 + line.times.size() * sizeof(int);
}

} // namespace

ShownSign::ShownSign(std::vector<int> colorCodes) : colorCodes_(std::move(colorCodes)) {}

void ShownSign::packetArrived(const ReceivedLine *line)
{
    arriving_ = line;
    if (line) {
        arrivingFrame_ = FrameOfLatestPacket(*line);
    }
}

void ShownSign::lineArrived(const ReceivedLine &line, qint64 nowMs)
{
    arriving_ = nullptr;
    if (const auto held = lines_.find(line.board); held != lines_.end()) {
        heldBytes_ -= HeldBytesOf(held->second);
        arrivals_.remove(line.board);
    }
    lines_.insert_or_assign(line.board, line);
    heldBytes_ += HeldBytesOf(line);
    arrivals_.push_back(line.board);
    while (heldBytes_ > MaxHeldBytes && arrivals_.size() > 1) {
        const auto oldest = lines_.find(arrivals_.front());
        heldBytes_ -= HeldBytesOf(oldest->second);
        lines_.erase(oldest);
        arrivals_.pop_front();
    }
    choose(line.board, nowMs);
}

void ShownSign::choose(int board, qint64 nowMs)
{
    const auto held = lines_.find(board);
    if (held == lines_.end()) {
        return;
    }
    chosen_ = board;
    playback_.emplace(AsFrameLine(held->second));
    playingSince_ = nowMs;
}

std::vector<int> ShownSign::boards() const
{
    std::vector<int> boards;
    for (const auto &[board, line] : lines_) {
        boards.push_back(board);
    }
    return boards;
}

QString ShownSign::listText(int board) const
{
    const auto held = lines_.find(board);
    if (held == lines_.end()) {
        return {};
    }
    const ReceivedLine &line = held->second;
    QString text =
        QCoreApplication::translate("ShownSign", "Board %1  %2 frame(s)").arg(board).arg(line.frameCount);
    if (!line.times.empty()) {
        QStringList times;
        for (const int seconds : line.times) {
            times << QString::number(seconds);
        }
        text += QStringLiteral("  %1 s").arg(times.join(QLatin1Char(' ')));
    }
    if (!line.complete()) {
        text += QCoreApplication::translate("ShownSign", "  (%1 of %2 packets)")
                    .arg(line.arrivedPackets())
                    .arg(line.expectedPackets);
    }
    return text;
}

std::optional<int> ShownSign::chosenBoard() const
{
    return arriving_ ? std::nullopt : chosen_;
}

const ReceivedLine *ShownSign::lineShown() const
{
    if (arriving_) {
        return arriving_;
    }
    return chosen_ ? &lines_.at(*chosen_) : nullptr;
}

int ShownSign::frameShown(qint64 nowMs) const
{
    if (arriving_) {
        return arrivingFrame_;
    }
    return playback_ ? playback_->frameAt(nowMs - playingSince_) : 0;
}

QImage ShownSign::picture(qint64 nowMs, int dotRadius)
{
    const ReceivedLine *line = lineShown();
    if (!line) {
        return {};
    }
    loadFrame(*line, frameShown(nowMs));
    model_.View.DotRadius = dotRadius;
    UpdateViewExtent(model_);
    QImage picture(model_.View.ViewWidth, model_.View.ViewHeight, QImage::Format_RGB32);
    DrawSignFrame(picture, model_, 0, 0, 0);
    return picture;
}

std::optional<qint64> ShownSign::msUntilChange(qint64 nowMs) const
{
    if (arriving_ || !playback_) {
        return std::nullopt;
    }
    return playback_->msUntilChange(nowMs - playingSince_);
}

QString ShownSign::statusText(qint64 nowMs) const
{
    if (arriving_) {
        return QCoreApplication::translate("ShownSign", "Board %1 arriving  frame %2/%3  %4 of %5 packets")
            .arg(arriving_->board)
            .arg(arrivingFrame_ + 1)
            .arg(arriving_->frameCount)
            .arg(arriving_->arrivedPackets())
            .arg(arriving_->expectedPackets);
    }
    if (!playback_) {
        return QCoreApplication::translate("ShownSign", "Waiting for a download");
    }
    if (playback_->frameCount() == 0) {
        return QCoreApplication::translate("ShownSign", "Board %1  no frames").arg(*chosen_);
    }
    return QCoreApplication::translate("ShownSign", "Board %1  ").arg(*chosen_) +
           playback_->frameStatusText(frameShown(nowMs));
}

void ShownSign::loadFrame(const ReceivedLine &line, int frame)
{
    ProjectModel &model = model_;
    model.LedWidthDot = line.moduleWidth;
    model.LedNumber = line.moduleWidth > 0 ? line.width / line.moduleWidth : 0;
    model.WidthDot = line.width;
    model.HeightDot = line.height;
    for (int module = 0; module < MaxLedColors; ++module) {
        model.LedColor[static_cast<std::size_t>(module)] =
            module < static_cast<int>(colorCodes_.size()) ? colorCodes_[static_cast<std::size_t>(module)] : 0;
    }
    FillDotColor(model);
    for (int x = 0; x < line.width; ++x) {
        for (int y = 0; y < line.height; ++y) {
            model.FrameDots.set(0, x, y, line.dot(frame, x, y) ? 1 : 0);
        }
    }
}
