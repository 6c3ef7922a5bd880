#pragma once

#include "text/TextComposer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

// The options of the subcommands that compose text: the font folder and the resolution point sizes are
// drawn at.

// --font-dir DIR: the one folder of the font files.
QCommandLineOption FontDirOption();
// --dpi N: the resolution point sizes are drawn at.
QCommandLineOption DpiOption();

// A whole number from `lowest` to `highest` given with option `name`, or `fallback` when not given.
std::optional<int> BoundedNumber(const QCommandLineParser &parser, const QString &name, int fallback,
                                 int lowest, int highest, QString &error);
// --dpi, 96 when not given.
std::optional<int> DpiOf(const QCommandLineParser &parser, QString &error);

// Why the --font-dir given is no folder; nothing when it is one or none is given.
std::optional<QString> FontFolderProblem(const QCommandLineParser &parser);

// --font-dir names the one folder to look in; without it the current folder comes first and the installed
// data folder after it, as in the editor.
void SetFontFolders(const QCommandLineParser &parser, TextRequest &request);
