#include "text/FaceSubstitutes.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// Every test program runs inside a QApplication on the offscreen platform, so fonts, pictures and
// windows behave as in the editor without a display, with the editor's stand-in faces. The downloads
// the tests run, and the programs they start, are recorded in a record of the run's own, never in the
// user's.
int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QTemporaryDir recordFolder;
    setenv("VELMORA_RECORD", recordFolder.filePath(QStringLiteral("downloads.sqlite")).toLocal8Bit().constData(), 1);
    InstallFaceSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
