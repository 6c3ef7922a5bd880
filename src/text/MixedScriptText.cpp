#include "text/MixedScriptText.h"

#include "text/Big5GlyphIndex.h"
#include "text/Big5Text.h"
#include "text/GlyphCoverage.h"
#include "text/SystemFontText.h"


#include <algorithm>
#include <optional>
#include <set>

namespace {

// Whether a font draws a character with a glyph of its own, taken alone: a Big5 file through its one byte
// pair, a digit file for the ASCII digits, a system font through its own face.
class Coverage {
public:
    explicit Coverage(const TextRequest &request) : entry_(ChosenFontFile(request))
    {
        if (!entry_) {
            system_.emplace(request.font);
        }
    }

    bool covers(char32_t character) const
    {
        if (!entry_) {
            return system_->covers(character);
        }
        if (entry_->encoding == GlyphEncoding::DigitText) {
            return character >= U'0' && character <= U'9';
        }
        const QByteArray bytes = Big5Bytes(QString::fromUcs4(&character, 1));
        return bytes.size() == 2 && Big5GlyphIndex(static_cast<unsigned char>(bytes[0]),
                                                   static_cast<unsigned char>(bytes[1])) >= 1;
    }

private:
    const FontFileEntry *entry_;
    std::optional<SystemFontCoverage> system_;
};

struct Run {
    TextRequest request; // the run's font with the run as its text
    TextCell cell;
    bool fallsBack = false;
};

std::vector<Run> RunsOf(const TextRequest &font, const TextRequest *fallback)
{
    std::vector<Run> runs;
    if (!fallback) {
        runs.push_back({font, ComposedCell(font)});
        return runs;
    }
    const Coverage own(font);
    std::optional<bool> inFallback;
    QString text;
    const auto close = [&] {
        if (!text.isEmpty()) {
            Run run{*inFallback ? *fallback : font, {}, *inFallback};
            run.request.text = text;
            run.cell = ComposedCell(run.request);
            runs.push_back(std::move(run));
            text.clear();
        }
    };
    for (const char32_t character : font.text.toUcs4()) {
        const bool fallsBack = !own.covers(character);
        if (inFallback != fallsBack) {
            close();
            inFallback = fallsBack;
        }
        text += QString::fromUcs4(&character, 1);
    }
    close();
    return runs;
}

// The run composed for a window of its own cells and the composition margin.
const FontFileEntry *ComposeRun(Run &run, DotPlane &out)
{
    run.request.widthDot = std::clamp(run.cell.advance, 0, MaxWidthDot);
    run.request.heightDot = std::clamp(run.cell.bottom, 0, MaxHeightDot);
    return ComposeText(run.request, out);
}

// The rows lit in the composed window of the cell (its cells and the composition margin).
LitRows LitRowsIn(const DotPlane &composed, const TextCell &cell)
{
    LitRows lit{MaxHeightDot, -1};
    for (int x = 0; x < std::min(cell.advance + PictureMargin, MaxWidthDot); ++x) {
        for (int y = 0; y < std::min(cell.bottom + PictureMargin, MaxHeightDot); ++y) {
            if (composed.at(x, y) == 1) {
                lit.first = std::min(lit.first, y);
                lit.last = std::max(lit.last, y);
            }
        }
    }
    return lit;
}

// Adds the run's lit dots to `out` with its top-left at (left, top).
void CopyLit(const DotPlane &run, int width, int height, int left, int top, DotPlane &out)
{
    for (int x = 0; x < std::min(width, MaxWidthDot); ++x) {
        for (int y = 0; y < std::min(height, MaxHeightDot); ++y) {
            if (run.at(x, y) == 1 && InsidePlane(left + x, top + y)) {
                out.set(left + x, top + y, 1);
            }
        }
    }
}

// The fonts a missing character was looked for in: the file without a fallback, else both entries.
QString FontLabels(const TextRequest &font, const TextRequest *fallback)
{
    if (!fallback) {
        return QString::fromUtf8(ChosenFontFile(font)->label);
    }
    // The selectors hold the entry the choice named, whichever option it belongs to.
    return QStringLiteral("%1 or %2").arg(font.chinese.text, fallback->chinese.text);
}

} // namespace

MixedComposition ComposeMixedText(const TextRequest &font, const TextRequest *fallback, DotPlane &out,
                                  DotPlane &scratch)
{
    std::vector<Run> runs = RunsOf(font, fallback);
    MixedComposition composed;
    for (const Run &run : runs) {
        composed.cell.advance += run.cell.advance;
        composed.cell.bottom = std::max(composed.cell.bottom, run.cell.bottom);
    }
    composed.cell.top = composed.cell.bottom;
    for (const Run &run : runs) {
        composed.cell.top =
            std::min(composed.cell.top, composed.cell.bottom - run.cell.bottom + run.cell.top);
    }
    std::set<char32_t> named;
    const auto noteMissing = [&](const Run &run, const FontFileEntry *used) {
        const FontFileEntry *chosen = ChosenFontFile(run.request);
        if (used != chosen) {
            composed.unreadable = chosen;
        }
        // A run of the first font holds only characters it has glyphs for; what the fallback has no glyph
        // for either is what neither font has. Without a fallback a system font draws every character,
        // with substitutes if need be, as "Text Upload" does.
        std::vector<char32_t> lacking;
        if (used) {
            lacking = CharactersWithoutGlyph(run.request.text, *used);
        } else if (run.fallsBack) {
            const Coverage own(run.request);
            for (const char32_t character : run.request.text.toUcs4()) {
                if (!own.covers(character)) {
                    lacking.push_back(character);
                }
            }
        }
        for (const char32_t character : lacking) {
            if (named.insert(character).second) {
                composed.missing.push_back(character);
            }
        }
    };
    if (runs.size() == 1) {
        Run &run = runs.front();
        noteMissing(run, ComposeRun(run, out));
    } else {
        out.clearWindow(std::min(composed.cell.advance, MaxWidthDot) + PictureMargin,
                        composed.cell.bottom + PictureMargin);
        int left = 0;
        for (Run &run : runs) {
            noteMissing(run, ComposeRun(run, scratch));
            CopyLit(scratch, run.cell.advance + PictureMargin, run.cell.bottom + PictureMargin, left,
                    composed.cell.bottom - run.cell.bottom, out);
            left += run.cell.advance;
            if (left >= MaxWidthDot) {
                break;
            }
        }
    }
    composed.lit = LitRowsIn(out, composed.cell);
    composed.cell = CellHoldingRows(composed.cell, composed.lit);
    if (!composed.missing.empty()) {
        composed.missingIn = FontLabels(font, fallback);
    }
    return composed;
}
