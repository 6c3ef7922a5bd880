#pragma once

#include "io/ProjectFile.h"
#include "model/ProjectModel.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <random>

class QIODevice;

// Project files made by the tests themselves, independently of the editor's writer and readers: the
// bytes of the current format word by word, the older format's text, and random projects to carry.

// 32-bit words, least significant byte first.
QByteArray Words(std::initializer_list<std::int64_t> words);
void AppendWord(QByteArray &bytes, std::int64_t word);

// A random project over the start-up one: a sign of 1..maxModules modules of 16, 24 or 32 dots and a
// height of 16, 24, 32 or 48 dots, 0..maxFrames frames with random board numbers (zero-padded), Change marks,
// times and dots inside the sign, random module colours, lines renumbered.
void FillRandomProject(ProjectModel &model, std::mt19937 &random, int maxFrames, int maxModules = 16);

// The older format's text for the project: one line of header, one line per frame, and the module
// trailer when asked for.
QByteArray OlderFormatText(const ProjectModel &model, bool withTrailer);

// Runs a reader over bytes in memory.
using ProjectReader = CheckedProjectFile (*)(QIODevice &, const ReadRequest &);
CheckedProjectFile ReadFromBytes(ProjectReader reader, const QByteArray &bytes,
                                 const ReadRequest &request = {});

// The project as the editor saves it, in memory.
QByteArray SavedBytes(const ProjectModel &model);

// Writes the bytes to a new file, failing the test when it cannot.
void WriteFileBytes(const QString &path, const QByteArray &bytes);
QByteArray ReadFileBytes(const QString &path);
