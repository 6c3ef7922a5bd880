#pragma once

#include "io/ProjectFile.h"

#include <QString>

#include <optional>

// What the model can hold, checked on every value a reader takes from a file before it keeps it. Each
// check answers why the value cannot be loaded, or nothing when it can.

std::optional<QString> WidthProblem(int widthDot);
std::optional<QString> HeightProblem(int heightDot);
// The frame count alone when opening, together with the list's frames when appending.
std::optional<QString> FrameCountProblem(int frames, const ReadRequest &request);
// A module width must be positive and leave room for every module's colour: LedColor holds 50.
std::optional<QString> ModuleWidthProblem(int ledWidthDot, int widthDot);

// The operator's message for a refused file: its name, what is wrong and where ("byte 8", "token 3").
QString LoadRefusal(const ReadRequest &request, const QString &reason, const QString &where);
