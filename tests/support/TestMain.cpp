#include "text/FaceSubstitutes.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Every test program runs inside a QApplication on the offscreen platform, so fonts, pictures and
// windows behave as in the editor without a display, with the editor's stand-in faces.
int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    InstallFaceSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
