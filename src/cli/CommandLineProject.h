#pragma once

#include "model/ProjectModel.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <memory>
#include <optional>

// What the project subcommands of velmora-cli share: parsing with --help, the --format and --frame
// options, loading a project as a freshly started editor would open it, and the one-line failure.

// Prints "velmora-cli COMMAND: message" on standard error and answers the failure status.
int FailCommand(const char *command, const QString &message);

// Parses a subcommand's arguments. Answers the exit status when the command ends here (help printed on
// standard output, or a usage error reported), nothing when it goes on.
std::optional<int> ParseCommand(QCommandLineParser &parser, const char *command, const QStringList &arguments,
                                int positionalCount);

// --format nkv|kvf: the format of the project file read.
QCommandLineOption FormatOption();
// --frame N: a frame, numbered from 1 as the list numbers rows.
QCommandLineOption FrameOption();

// A loaded project, or why there is none.
struct LoadedProject {
    std::unique_ptr<ProjectModel> model;
    QString error;
};

// The start-up project with the file opened over it, so an older file without its module trailer takes
// the start-up sign's module width and colours. The format comes from --format, else from the extension.
LoadedProject LoadProject(const QCommandLineParser &parser, const QString &path);

// The 0-based frame given by --frame, or why it is not a frame of the project.
std::optional<int> ChosenFrame(const QCommandLineParser &parser, const ProjectModel &model, QString &error);

// Why a project cannot be written to `out`: only the current format is ever written, under a name ending
// in '.nkv' (any case), so that a project never lands on a picture or a table of another name and a
// '.kvf' name is never later read as the older format. Nothing when the name is fine.
std::optional<QString> OutputNameProblem(const QString &out);

// Writes text to standard output as UTF-8.
void PrintOut(const QString &text);
