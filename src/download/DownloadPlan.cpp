#include "download/DownloadPlan.h"

#include "download/DownloadPackets.h"
#include "io/DecimalInt32.h"
#include "lines/FrameLines.h"
#include "list/CellSelection.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int HighestBoard = 65535;
constexpr int LongestTime = 255;
constexpr int MostFramesInALine = 255;

// One line checked, or the message that refuses it.
struct CheckedLine {
    PlannedLine line;
    QString refusal;
};

CheckedLine CheckLine(const FrameLine &found)
{
    CheckedLine checked;
    PlannedLine &line = checked.line;
    line.number = found.number;
    line.firstSlot = found.firstRow - 1;
    line.frameCount = found.frameCount;
    const auto board = ParseDecimalInt32(QStringView(found.boardText));
    if (!board) {
        checked.refusal = NotAnIntegerMessage(found.boardText);
        return checked;
    }
    if (*board < 0 || *board > HighestBoard) {
        checked.refusal =
            QCoreApplication::translate("DownloadPlan",
                                        "Row %1: the Download Board Number %2 is outside 0 .. %3, the board "
                                        "numbers a sign can be sent. Nothing was sent.")
                .arg(found.firstRow)
                .arg(*board)
                .arg(HighestBoard);
        return checked;
    }
    line.board = *board;
    if (found.frameCount > MostFramesInALine) {
        checked.refusal =
            QCoreApplication::translate(
                "DownloadPlan", "Line %1 (rows %2 .. %3) has %4 frames; a line can be sent with at most "
                                "%5 frames. Nothing was sent.")
                .arg(found.number)
                .arg(found.firstRow)
                .arg(found.lastRow())
                .arg(found.frameCount)
                .arg(MostFramesInALine);
        return checked;
    }
    if (found.frameCount < 2) {
        return checked;
    }
    for (int i = 0; i < found.frameCount; ++i) {
        const QString &text = found.timeTexts[i];
        const auto seconds = ParseDecimalInt32(QStringView(text));
        if (!seconds) {
            checked.refusal = NotAnIntegerMessage(text);
            return checked;
        }
        if (*seconds < 0 || *seconds > LongestTime) {
            checked.refusal =
                QCoreApplication::translate(
                    "DownloadPlan", "Row %1: the Time %2 is outside 0 .. %3 seconds, the times a sign "
                                    "can be sent. Nothing was sent.")
                    .arg(found.firstRow + i)
                    .arg(*seconds)
                    .arg(LongestTime);
            return checked;
        }
        line.times.push_back(*seconds);
    }
    return checked;
}

QString TrailingBytesWarning(const ProjectModel &model, const std::vector<PlannedLine> &lines)
{
    QStringList losses;
    for (const PlannedLine &line : lines) {
        const qint64 bytes = qint64{line.frameCount} * model.WidthDot * model.HeightDot / 8;
        if (const qint64 rest = bytes % DotBytesPerPacket) {
            losses << QCoreApplication::translate("DownloadPlan", "line %1: the last %2 of its %3 dot bytes")
                          .arg(line.number)
                          .arg(rest)
                          .arg(bytes);
        }
    }
    if (losses.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate(
               "DownloadPlan", "Only whole packets of %1 dot bytes are sent, so the sign will not get\n%2.")
        .arg(DotBytesPerPacket)
        .arg(losses.join(QStringLiteral(",\n")));
}

} // namespace

QString CheckSignGeometry(const ProjectModel &model)
{
    const QString advice = QCoreApplication::translate(
        "DownloadPlan", " Set up the sign with New, or open a file with module data, then "
                        "download again.");
    if (model.LedWidthDot <= 0 || qint64{model.LedNumber} * model.LedWidthDot != model.WidthDot) {
        return QCoreApplication::translate(
                   "DownloadPlan",
                   "The sign's modules do not make up its picture: %1 modules of %2 dots are not %3 "
                   "dots wide, so the download would send dots from outside the sign.")
                   .arg(model.LedNumber)
                   .arg(model.LedWidthDot)
                   .arg(model.WidthDot) +
               advice;
    }
    if (model.LedWidthDot % 8 != 0 || model.HeightDot % 8 != 0) {
        return QCoreApplication::translate(
                   "DownloadPlan",
                   "The sign's modules of %1 x %2 dots do not divide into bytes of 8 dots, so the "
                   "download cannot lay out their dots.")
                   .arg(model.LedWidthDot)
                   .arg(model.HeightDot) +
               advice;
    }
    return {};
}

DownloadPlan PlanDownload(const ProjectModel &model, DownloadVariant variant, int lineNumber)
{
    DownloadPlan plan;
    plan.refusal = CheckSignGeometry(model);
    if (!plan.refusal.isEmpty()) {
        return plan;
    }
    const int first = variant == DownloadVariant::Full ? 1 : lineNumber;
    const int last = variant == DownloadVariant::Full ? LastLine(model) : lineNumber;
    for (int number = first; number <= last; ++number) {
        const std::optional<FrameLine> found = FindLine(model, number);
        if (!found) {
            plan.refusal =
                QCoreApplication::translate("DownloadPlan", "Line %1 is not in the list. Nothing was sent.")
                    .arg(number);
            break;
        }
        CheckedLine checked = CheckLine(*found);
        if (!checked.refusal.isEmpty()) {
            plan.refusal = checked.refusal;
            break;
        }
        plan.lines.push_back(std::move(checked.line));
    }
    if (!plan.refusal.isEmpty()) {
        plan.lines.clear();
        return plan;
    }
    plan.trailingBytesWarning = TrailingBytesWarning(model, plan.lines);
    return plan;
}
