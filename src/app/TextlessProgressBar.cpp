#include "app/TextlessProgressBar.h"

QString TextlessProgressBar::text() const
{
    return isTextVisible() ? QProgressBar::text() : QString();
}
