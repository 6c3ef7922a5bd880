#include "app/QtPromptSeam.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

void QtPromptSeam::runModal(QDialog &dialog)
{
    dialog.exec();
}

void QtPromptSeam::showMessage(const QString &text)
{
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}
