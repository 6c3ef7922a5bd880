#include "RatioReporter.h"

#include "text/Big5Characters.h"
#include "text/Big5GlyphIndex.h"
#include "text/FontFileGenerator.h"
#include "text/SystemFontText.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

// Making the font files must take seconds. The whole set of seven is measured first, while no glyph has
// been rasterised yet, as on a first run. Then the records of one 24-dot face drawn with glyph runs are
// compared with the same records drawn the plain way, a text layout per character; both start with the
// face's glyphs already rasterised (a warm-up pass outside the timing), so the ratio is the drawing alone.

namespace {

const FontFileEntry &Ming24()
{
    return *FontFileForLabel(FontSelector::Chinese, QStringLiteral("24(明體)"));
}

QByteArray TextLayoutPass(const std::vector<char32_t> &characters, const QFont &font)
{
    QByteArray records;
    for (int n = 1; n <= HighestGlyphIndex; ++n) {
        const char32_t c = characters[static_cast<std::size_t>(n)];
        const QImage scratch = DrawSystemFontScratch(QString::fromUcs4(&c, c ? 1 : 0), font, 96, 24, 24);
        GlyphDots glyph(24, 24);
        for (int x = 0; x < 24; ++x) {
            for (int y = 0; y < 24; ++y) {
                glyph.set(x, y, IsLitPixel(scratch, x, y) ? 1 : 0);
            }
        }
        records.append(BitmapRecord(glyph));
    }
    return records;
}

void GlyphRunRecords(benchmark::State &state)
{
    const std::vector<char32_t> characters = CharactersByGlyphIndex();
    const QRawFont face = CrispFace(FontFaces().ming, 24);
    Big5Records(face, Ming24(), characters);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Big5Records(face, Ming24(), characters).constData());
    }
}

void TextLayoutRecords(benchmark::State &state)
{
    const std::vector<char32_t> characters = CharactersByGlyphIndex();
    QFont font(FontFaces().ming);
    font.setPixelSize(24);
    font.setStyleStrategy(QFont::NoFontMerging);
    TextLayoutPass(characters, font);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextLayoutPass(characters, font).constData());
    }
}

void AllSevenFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        if (!WriteFontFiles(dir.path(), {}).ok()) {
            state.SkipWithError("the standard faces are not installed");
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("all seven font files, first run", AllSevenFiles)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("fast/records of a 24-dot face", GlyphRunRecords)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("reference/records of a 24-dot face", TextLayoutRecords)
        ->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nreference / fast (target: above 1x, the editor's code the faster):\n");
    reporter.printRatio("records of a 24-dot face", "reference/records of a 24-dot face",
                        "fast/records of a 24-dot face");
    benchmark::Shutdown();
    return 0;
}
