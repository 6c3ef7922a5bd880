#pragma once

#include <QString>

// The faces the text font is set to by the script options.
inline const QString EnglishFace = QStringLiteral("SimSun");
inline const QString ChineseFace = QStringLiteral("文鼎中明");

// Makes "SimSun" and "文鼎中明" resolve to themselves where installed and otherwise to AR PL UMing, a
// Ming face with the Big5 characters, instead of whatever the platform would pick. The editor and the
// command line both call it at start-up so that they draw text with the same face.
void InstallFaceSubstitutes();
