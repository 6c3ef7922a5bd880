#include "text/FontFileGenerator.h"

#include "io/SaveFileCommit.h"
#include "text/Big5Characters.h"
#include "text/Big5GlyphIndex.h"

#include <QDir>
#include <QGlyphRun>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <cmath>
#include <optional>

namespace {

constexpr int digitCount = 10;
constexpr double emAboveBaseline = 0.88;
constexpr QRgb blackPixel = 0xFF000000;

QImage WhiteCell(int width, int height)
{
    QImage cell(width, height, QImage::Format_RGB32);
    cell.fill(Qt::white);
    return cell;
}

// The cell is drawn without anti-aliasing, so every pixel is black (lit) or white.
GlyphDots SampleCell(const QImage &cell)
{
    GlyphDots dots(cell.width(), cell.height());
    for (int y = 0; y < cell.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(cell.constScanLine(y));
        for (int x = 0; x < cell.width(); ++x) {
            dots.set(x, y, row[x] == blackPixel ? 1 : 0);
        }
    }
    return dots;
}

quint32 GlyphIndexOf(const QRawFont &face, char32_t c)
{
    const QList<quint32> indexes = face.glyphIndexesForString(QString::fromUcs4(&c, 1));
    return indexes.size() == 1 ? indexes[0] : 0;
}

// The face each file is drawn with: the Kai file with the Kai face, the digit files with the digit face,
// the other Chinese files with the Ming face.
QString FamilyFor(const FontFileEntry &entry, const FontFaces &faces)
{
    if (entry.encoding == GlyphEncoding::DigitText) {
        return faces.digits;
    }
    return QLatin1String(entry.fileName) == QLatin1String("STDFONT.24K") ? faces.kai : faces.ming;
}

FileResult WriteFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    const std::optional<QString> failure = written ? CommitSaveFile(file) : file.errorString();
    if (failure) {
        return FileResult::failed(QStringLiteral("Cannot write '%1': %2.").arg(path, *failure));
    }
    return FileResult::done();
}

// Why the faces cannot draw the files, or nothing when they can.
QString FaceProblem(const FontFaces &faces)
{
    for (const QString &family : {faces.ming, faces.kai}) {
        const QRawFont face = CrispFace(family, 24);
        if (!IsFace(face, family)) {
            return QStringLiteral("no installed face '%1'").arg(family);
        }
        // A face without Chinese characters would leave every glyph of the files dark.
        if (GlyphIndexOf(face, U'中') == 0) {
            return QStringLiteral("the face '%1' has no Chinese characters (no 中)").arg(family);
        }
    }
    const QRawFont digits = CrispFace(faces.digits, 32, true);
    if (!IsFace(digits, faces.digits)) {
        return QStringLiteral("no installed face '%1'").arg(faces.digits);
    }
    for (char32_t d = U'0'; d <= U'9'; ++d) {
        if (GlyphIndexOf(digits, d) == 0) {
            return QStringLiteral("the face '%1' has no digit %2").arg(faces.digits).arg(char(d));
        }
    }
    return {};
}

} // namespace

QRawFont CrispFace(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    return QRawFont::fromFont(font);
}

bool IsFace(const QRawFont &face, const QString &family)
{
    return face.isValid() && face.familyName().compare(family, Qt::CaseInsensitive) == 0;
}

int ChineseCellBaseline(int height)
{
    return static_cast<int>(std::lround(emAboveBaseline * height));
}

GlyphDots DrawChineseGlyph(const QRawFont &face, char32_t c, int width, int height)
{
    const quint32 glyph = c == 0 ? 0 : GlyphIndexOf(face, c);
    if (glyph == 0) {
        return GlyphDots(width, height);
    }
    QImage cell = WhiteCell(width, height);
    // A glyph run draws the face's own glyph, without the text layout's look for a substitute face.
    QGlyphRun run;
    run.setRawFont(face);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF(0, ChineseCellBaseline(height))});
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(Qt::black);
    painter.drawGlyphRun(QPointF(0, 0), run);
    painter.end();
    return SampleCell(cell);
}

std::vector<GlyphDots> DrawDigitGlyphs(const QRawFont &face, int width, int height)
{
    std::vector<QPainterPath> outlines;
    QRectF ink;
    for (char32_t d = U'0'; d < U'0' + digitCount; ++d) {
        outlines.push_back(face.pathForGlyph(GlyphIndexOf(face, d)));
        ink = ink.united(outlines.back().boundingRect());
    }
    std::vector<GlyphDots> digits;
    if (ink.isEmpty()) {
        digits.assign(digitCount, GlyphDots(width, height));
        return digits;
    }
    // One scaling for all ten, so that they keep their proportions to each other and share a baseline.
    const QRectF box(1, 0, width - 2, height);
    const double sx = box.width() / ink.width();
    const double sy = box.height() / ink.height();
    const QTransform fit(sx, 0, 0, sy, box.left() - ink.left() * sx, box.top() - ink.top() * sy);
    for (const QPainterPath &outline : outlines) {
        QImage cell = WhiteCell(width, height);
        QPainter painter(&cell);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(fit.map(outline), Qt::black);
        painter.end();
        digits.push_back(SampleCell(cell));
    }
    return digits;
}

QByteArray BitmapRecord(const GlyphDots &glyph)
{
    const int bytesPerRow = glyph.width() / 8;
    QByteArray record(bytesPerRow * glyph.height(), '\0');
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if (glyph.at(x, y)) {
                record[y * bytesPerRow + x / 8] =
                    static_cast<char>(record[y * bytesPerRow + x / 8] | (0x80 >> (x % 8)));
            }
        }
    }
    return record;
}

QByteArray Big5Records(const QRawFont &face, const FontFileEntry &entry,
                       const std::vector<char32_t> &characters)
{
    QByteArray records;
    records.reserve(qsizetype{entry.recordBytes()} * HighestGlyphIndex);
    for (int n = 1; n <= HighestGlyphIndex; ++n) {
        records.append(BitmapRecord(DrawChineseGlyph(face, characters[static_cast<std::size_t>(n)],
                                                     entry.glyphWidth, entry.glyphHeight)));
    }
    return records;
}

QByteArray Big5FontFileBytes(const FontFileEntry &entry, const QByteArray &records)
{
    const int recordBytes = entry.recordBytes();
    QByteArray bytes(entry.recordOffset(HighestGlyphIndex) + recordBytes, '\0');
    for (int n = 1; n <= HighestGlyphIndex; ++n) {
        bytes.replace(entry.recordOffset(n), recordBytes,
                      records.constData() + qsizetype{recordBytes} * (n - 1), recordBytes);
    }
    return bytes;
}

QByteArray DigitFontFileText(const std::vector<GlyphDots> &digits)
{
    QByteArray text;
    for (const GlyphDots &digit : digits) {
        for (int x = 0; x < digit.width(); ++x) {
            for (int y = 0; y < digit.height(); ++y) {
                text.append(digit.at(x, y) ? '1' : '0');
                text.append(y + 1 < digit.height() ? ' ' : '\n');
            }
        }
    }
    return text;
}

FileResult WriteFontFiles(const QString &dir, const FontFaces &faces)
{
    if (const QString problem = FaceProblem(faces); !problem.isEmpty()) {
        return FileResult::failed(problem);
    }
    if (!QDir().mkpath(dir)) {
        return FileResult::failed(QStringLiteral("Cannot make the folder '%1'.").arg(dir));
    }
    const std::vector<char32_t> characters = CharactersByGlyphIndex();
    // Files of the same face and glyph size hold the same records, laid out differently: draw them once.
    QMap<QString, QByteArray> drawn;
    for (const FontFileEntry &entry : FontFiles()) {
        const QString family = FamilyFor(entry, faces);
        QByteArray bytes;
        if (entry.encoding == GlyphEncoding::DigitText) {
            bytes = DigitFontFileText(DrawDigitGlyphs(CrispFace(family, entry.glyphHeight, true),
                                                      entry.glyphWidth, entry.glyphHeight));
        } else {
            const QString key = family + QLatin1Char('/') + QString::number(entry.glyphHeight);
            if (!drawn.contains(key)) {
                drawn.insert(key, Big5Records(CrispFace(family, entry.glyphHeight), entry, characters));
            }
            bytes = Big5FontFileBytes(entry, drawn.value(key));
        }
        if (const FileResult written = WriteFile(FontFilePath(dir, entry.fileName), bytes); !written.ok()) {
            return written;
        }
    }
    return FileResult::done();
}
