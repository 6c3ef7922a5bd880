#pragma once

#include "text/FontFileTable.h"
#include "model/DotBuffers.h"

#include <QFont>
#include <QString>

// A size selector as composition sees it: whether it is enabled and its text.
struct SelectorState {
    bool enabled = false;
    QString text;
};

// Everything a text upload composes from.
struct TextRequest {
    QString text;
    SelectorState chinese; // ComboBox1
    SelectorState number;  // ComboBox3
    QString workDir;
    QString installedFontDir; // where a font file absent from workDir is looked for; none when empty
    int widthDot = 0;
    int heightDot = 0;
    QFont font;   // the text font, for the system-font path
    int dpi = 96; // the screen's logical resolution the font's point size is drawn at
};

// Composed pictures reach this far beyond the sign to the right and below, so that placing can move
// a picture's edge in from outside.
inline constexpr int PictureMargin = 16;

// The font file the selectors choose, by the first rule that holds: an enabled Chinese selector naming a
// Chinese file, then an enabled number selector naming a digit file. None means the system font.
const FontFileEntry *ChosenFontFile(const TextRequest &request);

// Composes the text into `out`: the window of WidthDot + 16 by HeightDot + 16 dots (cut at the plane) is
// cleared first and then holds the picture from (0, 0). Chinese files give 16- or 24-dot cells, one per
// byte pair of the text's code page 950 bytes; digit files give 16-dot cells for the digits only; the
// system font draws the whole text. A chosen file that cannot be read gives the system font, silently.
// Answers the file the glyphs came from, or none for the system font.
const FontFileEntry *ComposeText(const TextRequest &request, DotPlane &out);
