#include "text/SystemFontText.h"

#include "text/TextCell.h"

#include <QFontMetricsF>
#include <QHash>
#include <QMutex>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double inchesPerMetre = 1.0 / 0.0254;
constexpr int litRedBelow = 64;
// Texts up to this many characters are measured and drawn whole; longer ones are measured in growing parts.
constexpr qsizetype firstMeasuredPart = 256;

// The part of `text` that can reach the first `width` pixels. The painter lays a line out in fixed-point
// coordinates and starts a further line below where a very long text runs out of their range, which would
// draw the text again further down the picture; so only the shortest start of the text (its end, for a
// right-to-left text, which is laid out from the right) whose advance passes the picture by two line
// heights is drawn. What follows it starts beyond the picture, and no glyph's overhang reaches back that far.
QString PartReachingPicture(const QString &text, const QFontMetricsF &metrics, int width)
{
    const qreal reach = width + 2 * metrics.height();
    const bool fromRight = text.isRightToLeft();
    for (qsizetype length = firstMeasuredPart; length < text.size(); length *= 2) {
        const QString part = fromRight ? text.right(length) : text.left(length);
        if (metrics.horizontalAdvance(part) > reach) {
            return part;
        }
    }
    return text;
}

// The font as the scratch picture draws it: every pixel black or white.
QFont CrispFont(const QFont &font)
{
    QFont crisp = font;
    crisp.setStyleStrategy(QFont::StyleStrategy(crisp.styleStrategy() | QFont::NoAntialias));
    return crisp;
}

// A picture of the resolution point sizes are drawn at, to measure on.
QImage PictureAtDpi(int width, int height, int dpi)
{
    QImage picture(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    // The painter takes point sizes to pixels at the picture's own resolution.
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * inchesPerMetre));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

// The letters a system font's cell is measured on: the rows from the top of its tallest to the bottom of
// its lowest (from 'H' or 'd' to 'p' or 'g' in most faces), the same for every text of the font, so the
// texts of one zone share their rows. A Chinese, Japanese or Korean text adds an ideograph, which
// reaches higher and lower than Latin letters in most faces.
const QString referenceLetters =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
const QString referenceIdeograph = QStringLiteral("國");

bool HoldsIdeographicScript(const QString &text)
{
    for (const char32_t character : text.toUcs4()) {
        switch (QChar::script(character)) {
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Hangul:
        case QChar::Script_Bopomofo:
            return true;
        default:
            break;
        }
    }
    return false;
}

struct LetterRows {
    int top = 0;
    int bottom = 0;
};

// The rows the reference lights, drawn as texts are drawn; the line box (ascent and descent) for a face
// that lights none of them.
LetterRows MeasureLetterRows(const QString &reference, const QFont &font, int dpi,
                             const QFontMetricsF &metrics)
{
    const int lineHeight = static_cast<int>(std::ceil(metrics.ascent() + metrics.descent()));
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(reference)));
    const QImage scratch = DrawSystemFontScratch(reference, font, dpi, width, lineHeight + PictureMargin);
    std::optional<LetterRows> rows;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (IsLitPixel(scratch, x, y)) {
                rows = LetterRows{rows ? rows->top : y, y + 1};
                break;
            }
        }
    }
    return rows.value_or(LetterRows{0, lineHeight});
}

// Measured once per font, size and resolution: every text of a zone asks for the same rows.
LetterRows LetterRowsOf(const QString &text, const QFont &font, int dpi, const QFontMetricsF &metrics)
{
    static QMutex guard;
    static QHash<QString, LetterRows> measured;
    const bool ideographic = HoldsIdeographicScript(text);
    const QString key = QStringLiteral("%1/%2/%3").arg(font.key()).arg(dpi).arg(ideographic);
    const QMutexLocker lock(&guard);
    const auto known = measured.constFind(key);
    if (known != measured.constEnd()) {
        return *known;
    }
    const QString reference = ideographic ? referenceLetters + referenceIdeograph : referenceLetters;
    return *measured.insert(key, MeasureLetterRows(reference, font, dpi, metrics));
}

} // namespace

QImage DrawSystemFontScratch(const QString &text, const QFont &font, int dpi, int width, int height)
{
    QImage scratch = PictureAtDpi(width, height, dpi);
    scratch.fill(Qt::white);

    const QFont crisp = CrispFont(font);
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(crisp);
    painter.setPen(Qt::black);
    painter.drawText(scratch.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     PartReachingPicture(text, QFontMetricsF(crisp, &scratch), scratch.width()));
    return scratch;
}

TextCell SystemFontCell(const QString &text, const QFont &font, int dpi)
{
    const QImage device = PictureAtDpi(1, 1, dpi);
    const QFontMetricsF metrics(CrispFont(font), &device);
    const qreal advance = metrics.horizontalAdvance(PartReachingPicture(text, metrics, MaxWidthDot));
    const LetterRows rows = LetterRowsOf(text, font, dpi, metrics);
    return {static_cast<int>(std::ceil(std::min<qreal>(advance, MaxWidthDot * 64))), rows.top, rows.bottom};
}

SystemFontCoverage::SystemFontCoverage(const QFont &font) : raw_(QRawFont::fromFont(font)) {}

bool SystemFontCoverage::covers(char32_t character) const
{
    return raw_.isValid() && raw_.supportsCharacter(static_cast<uint>(character));
}

bool IsLitPixel(const QImage &scratch, int x, int y)
{
    return scratch.valid(x, y) && qRed(scratch.pixel(x, y)) < litRedBelow;
}

void SampleScratch(const QImage &scratch, int width, int height, DotPlane &out)
{
    const int columns = std::clamp(width, 0, MaxWidthDot);
    const int rows = std::clamp(height, 0, MaxHeightDot);
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y) {
            out.set(x, y, IsLitPixel(scratch, x, y) ? 1 : 0);
        }
    }
}
