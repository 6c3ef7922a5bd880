#include "app/QtPromptSeam.h"

#include <QDialog>

void QtPromptSeam::runModal(QDialog &dialog)
{
    dialog.exec();
}
