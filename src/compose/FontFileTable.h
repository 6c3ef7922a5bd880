#pragma once

#include <QString>
#include <QStringList>

// The bitmap font files the editor knows each stand for one entry of a font size selector. They are
// looked up in WorkDir; an entry is offered only while its file can be opened.

// WorkDir followed by the platform's separator and the file name, exactly as written.
QString FontFilePath(const QString &workDir, const char *fileName);

// The lists of ComboBox1 (Chinese sizes and font files), ComboBox2 (English sizes, fixed) and ComboBox3
// (number sizes and digit files): the four system-font sizes, then the file entries whose files open.
QStringList ChineseSelectorEntries(const QString &workDir);
QStringList EnglishSelectorEntries();
QStringList NumberSelectorEntries(const QString &workDir);
