#pragma once

#include "io/FileResult.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A project as a file holds it, read and checked completely before the model is touched (and, for
// saving, taken from the model before anything is created on disk).

// One dot word per 8 rows of a column; the files store a column as this many words.
constexpr int WordsPerColumn(int heightDot)
{
    return (heightDot + 7) / 8;
}

// The module trailer: module width and the colour codes, module 0 (leftmost) first.
struct ModuleTrailer {
    int LedWidthDot = 0;
    std::vector<int> LedColor;
};

// One frame with its cells as the list shows them after opening.
struct FileFrame {
    QString board; // "Download Board Number"
    bool change = false;
    QString time; // "Time": empty when the frame has none
    // WidthDot x WordsPerColumn(HeightDot) bytes, column by column, each byte one dot word: bit k of
    // byte (x, j) is dot (x, 8 j + k). Rows of the last word beyond HeightDot travel as they are.
    std::vector<std::uint8_t> dots;
};

struct ProjectFile {
    int WidthDot = 0;
    int HeightDot = 0;
    std::vector<FileFrame> frames;
    // An older file may end without the trailer; the project then keeps its own modules.
    std::optional<ModuleTrailer> modules;
};

// The two formats a project can be read in.
enum class ProjectFormat {
    Current, // ".nkv", binary, read and written
    Older,   // ".kvf", text, read only
};

// What a reader is asked for: the file's name for the messages, and whether its frames are appended to a
// list that already holds `framesInList` frames (appending reads neither the trailer nor anything after
// the frames).
struct ReadRequest {
    QString fileName;
    bool appending = false;
    int framesInList = 0;
};

// What a reader (or the capture of the model for saving) answers: the file, meaningful only when the
// result is ok.
struct CheckedProjectFile {
    FileResult result = FileResult::done();
    ProjectFile file;
};

// Packs the dots of a plane ([x][y], 256 row bytes per column, bytes 0 or 1) into dot words.
std::vector<std::uint8_t> PackFrameDots(const std::uint8_t *plane, int widthDot, int heightDot);

// Writes the dot words into a plane: every row the words cover, lit or dark; other dots are not touched.
void UnpackFrameDots(const std::vector<std::uint8_t> &words, int widthDot, int heightDot,
                     std::uint8_t *plane);
