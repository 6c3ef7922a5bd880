#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

// The bitmap font files the editor knows each stand for one entry of a font size selector. They are
// looked up in WorkDir, then in the installed data folder; an entry is offered only while its file can be
// opened and holds every glyph its layout places (FontFileDamage.h).

enum class FontSelector { Chinese, Number };

// How a file holds its glyphs: bit-packed records addressed by a Big5 glyph index, or decimal integers
// in text, one per dot, for the ten digits.
enum class GlyphEncoding { Big5Bitmap, DigitText };

struct FontFileEntry {
    const char *fileName;
    FontSelector selector;
    const char *label; // UTF-8
    GlyphEncoding encoding;
    int glyphWidth;
    int glyphHeight;
    // Big5 records: glyph n starts at byte recordBytes * (n - indexBias) + firstOffset, or + laterOffset
    // for n above splitIndex (the one file whose rarely used characters lie further on).
    int indexBias = 0;
    std::int64_t firstOffset = 0;
    int splitIndex = 0;
    std::int64_t laterOffset = 0;

    // Bytes of one Big5 record (one bit per dot), or values of one digit (one per dot).
    int recordBytes() const { return glyphWidth * glyphHeight / 8; }
    int valuesPerGlyph() const { return glyphWidth * glyphHeight; }
    // Byte offset of Big5 glyph n (n >= 1) from the start of the file.
    std::int64_t recordOffset(int n) const;
};

// The seven files, in the order their entries are appended to the selectors.
std::span<const FontFileEntry> FontFiles();

// The file a selector entry stands for, or none when the label names no file of that selector
// (labels are compared exactly: case and blanks count).
const FontFileEntry *FontFileForLabel(FontSelector selector, const QString &label);

// WorkDir followed by the platform's separator and the file name, exactly as written.
QString FontFilePath(const QString &workDir, const char *fileName);

// Where the font files are looked for: WorkDir, then the installed data folder (none when empty). A file
// that opens in WorkDir wins; a file absent from there is taken from the installed folder, so the entries
// are offered wherever the editor starts. One folder converts to folders without an installed one.
struct FontFolders {
    FontFolders(const QString &workDir, const QString &installed = {})
        : workDir(workDir), installed(installed)
    {
    }

    // The first of the two copies of the file that can be opened, else WorkDir's (which then cannot).
    QString pathOf(const char *fileName) const;

    QString workDir;
    QString installed;
};

// Opens a font file for reading. Only a regular file counts: a pipe or a device under a font's name would
// block the opening (and the editor's start with it) or never end.
bool OpenFontFile(QFile &file, const QString &path);

// The installed data folder of the font files beside a program in `programDir`: <prefix>/share/velmora/fonts
// for a program in <prefix>/bin.
QString InstalledFontFolder(const QString &programDir);

// The system-font sizes each selector starts with; the size tables give their point sizes in this order.
QStringList ChineseSizeEntries();
QStringList NumberSizeEntries();

// The lists of ComboBox1 (Chinese sizes and font files), ComboBox2 (English sizes, fixed) and ComboBox3
// (number sizes and digit files): the four system-font sizes, then the file entries whose files open and
// are whole.
QStringList ChineseSelectorEntries(const FontFolders &folders);
QStringList EnglishSelectorEntries();
QStringList NumberSelectorEntries(const FontFolders &folders);
