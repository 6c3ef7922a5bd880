#pragma once

#include <QString>
#include <QWidget>

// Creates a control with the system's name as its object name and its caption as its accessible name,
// so that the desktop's accessibility tools and the tests find every control by what the operator sees.
template <typename Control, typename... Args>
Control *NamedControl(const char *objectName, const QString &caption, QWidget *parent, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(objectName));
    control->setAccessibleName(caption);
    return control;
}
