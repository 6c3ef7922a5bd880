#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The languages the windows are read in: the exact English of every caption and message, or
// Traditional Chinese for the depots whose desktops are set to it.
enum class InterfaceLanguage { English, TraditionalChinese };

// The language for a locale name ("zh_TW", "zh_Hant_MO", "en_US.UTF-8", "C"): Traditional Chinese for the
// Chinese of Taiwan, Hong Kong and Macau or any Chinese written in traditional characters, English for
// everything else.
InterfaceLanguage LanguageOfLocale(const QLocale &locale);

// VELMORA_LANG ("en", "zh_TW", …) when it is set and not empty, else the desktop's locale.
InterfaceLanguage ChooseInterfaceLanguage(const QString &velmoraLang, const QLocale &desktop);

// Whether Qt's own texts (standard dialogs, buttons, system error strings) follow the language too. The
// simulator's window leaves them: its console lines, which scripts read, carry Qt's error strings.
enum class QtTexts { Translated, Untouched };

// Loads the translation of the program's own texts, and of Qt's where asked and installed, into the
// application. English needs none: the sources hold it, so nothing is loaded and no text can change.
// Answers whether the program's own translation was loaded.
bool InstallInterfaceLanguage(QCoreApplication &application, InterfaceLanguage language, QtTexts qtTexts);

// Chooses from the process's environment and installs; what every window program calls at start-up.
void InstallDesktopLanguage(QCoreApplication &application, QtTexts qtTexts);
