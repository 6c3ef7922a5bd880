#include "support/ProjectFileSamples.h"

#include "io/CurrentFormatWriter.h"
#include "io/ProjectTransfer.h"
#include "list/FrameListOps.h"

#include <QBuffer>

#include <QFile>

#include <gtest/gtest.h>

void AppendWord(QByteArray &bytes, std::int64_t word)
{
    const auto value = static_cast<std::uint32_t>(word);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

QByteArray Words(std::initializer_list<std::int64_t> words)
{
    QByteArray bytes;
    for (const std::int64_t word : words) {
        AppendWord(bytes, word);
    }
    return bytes;
}

void FillRandomProject(ProjectModel &model, std::mt19937 &random, int maxFrames, int maxModules)
{
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    ApplyStartupProject(model);
    model.LedNumber = pick(1, maxModules);
    model.LedWidthDot = 8 * pick(2, 4);
    model.WidthDot = model.LedNumber * model.LedWidthDot;
    model.HeightDot = 8 * std::array{2, 3, 4, 6}[static_cast<std::size_t>(pick(0, 3))];
    for (int i = 0; i < model.LedNumber; ++i) {
        model.LedColor[static_cast<std::size_t>(i)] = pick(0, 4);
    }
    FillDotColor(model);
    const int frames = pick(0, maxFrames);
    while (model.FrameCount < frames) {
        AppendFrame(model);
    }
    if (frames == 0) {
        DeleteFrame(model);
    }
    for (int f = 0; f < model.FrameCount; ++f) {
        model.ChangeFlag[f] = pick(0, 2) == 0 ? 1 : 0;
        model.Cells.setCell(ColChange, f + 1, model.ChangeFlag[f] ? QStringLiteral("V") : QString());
        model.Cells.setCell(ColBoard, f + 1, Format000(pick(0, 999)));
        model.Cells.setCell(ColTime, f + 1, pick(0, 1) ? QString::number(pick(1, 99)) : QString());
        for (int x = 0; x < model.WidthDot; ++x) {
            for (int y = 0; y < model.HeightDot; ++y) {
                model.FrameDots.set(f, x, y, pick(0, 3) == 0 ? 1 : 0);
            }
        }
    }
    RenumberLines(model);
}

QByteArray OlderFormatText(const ProjectModel &model, bool withTrailer)
{
    QByteArray text = QByteArray::number(model.WidthDot) + ' ' + QByteArray::number(model.HeightDot) + ' ' +
                      QByteArray::number(model.FrameCount) + '\n';
    for (int f = 0; f < model.FrameCount; ++f) {
        const RowCells &row = model.Cells.row(f + 1);
        text += row[ColBoard].toLatin1() + " end " + QByteArray::number(model.ChangeFlag[f]) + ' ' +
                QByteArray::number(row[ColTime].toInt());
        for (int x = 0; x < model.WidthDot; ++x) {
            for (int y = 0; y < model.HeightDot; ++y) {
                text += model.FrameDots.at(f, x, y) ? " 1" : " 0";
            }
        }
        text += '\n';
    }
    if (withTrailer) {
        text += "new " + QByteArray::number(model.LedWidthDot);
        for (int i = 0; i < model.WidthDot / model.LedWidthDot; ++i) {
            text += ' ' + QByteArray::number(model.LedColor[static_cast<std::size_t>(i)]);
        }
        text += '\n';
    }
    return text;
}

CheckedProjectFile ReadFromBytes(ProjectReader reader, const QByteArray &bytes, const ReadRequest &request)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return reader(buffer, request);
}

QByteArray SavedBytes(const ProjectModel &model)
{
    const CheckedProjectFile captured = CaptureProject(model);
    EXPECT_TRUE(captured.result.ok()) << captured.result.message().toStdString();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteCurrentFormat(captured.file, buffer));
    return bytes;
}

void WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
