#include "io/RegularFile.h"

#include <QFileInfo>

bool IsOtherThanRegularFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}
