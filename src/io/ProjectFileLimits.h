#pragma once

#include "io/ProjectFile.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the model can hold, checked on every value a reader takes from a file before it keeps it. Each
// check answers why the value cannot be loaded, or nothing when it can.

std::optional<QString> WidthProblem(int widthDot);
std::optional<QString> HeightProblem(int heightDot);
// The frame count alone when opening, together with the list's frames when appending.
std::optional<QString> FrameCountProblem(int frames, const ReadRequest &request);
// A module width must be positive and leave room for every module's colour: LedColor holds 50.
std::optional<QString> ModuleWidthProblem(int ledWidthDot, int widthDot);

// An older file's module data must give at least one module: a width of 1 to the sign's width.
std::optional<QString> OlderModuleWidthProblem(int ledWidthDot, int widthDot);

// The current format stores every value in a signed 32-bit word; these are the stored forms of a module
// width and a colour code, computed wide so that nothing wraps before it is checked.
bool FitsFileWord(std::int64_t word);
std::int64_t ModuleWidthWord(int ledWidthDot);
std::int64_t ColourCodeWord(int code);
// A colour code read from an older file must be one the current format can store (module is 1-based).
std::optional<QString> ColourCodeProblem(int code, int module);

// The operator's message for a refused file: its name, what is wrong and where ("byte 8", "token 3").
QString LoadRefusal(const ReadRequest &request, const QString &reason, const QString &where);
