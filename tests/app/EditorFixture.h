#pragma once

#include "support/GeneratedFonts.h"
#include "support/ScriptedPrompts.h"

#include "app/TFmVelmora.h"
#include "app/VelmoraForms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Runs the editor's windows in a temporary current directory holding the given font files.
class EditorFixture : public ::testing::Test {
protected:
    void startIn(const QStringList &fontFiles, QSize windowSize = QSize(1280, 900))
    {
        ASSERT_TRUE(fontDir.isValid());
        for (const QString &name : fontFiles) {
            WriteWholeFontFile(fontDir.path(), name);
        }
        previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(fontDir.path()));
        forms = std::make_unique<VelmoraForms>(prompts);
        window().setInstalledFontFolder(installedFontDir);
        window().resize(windowSize);
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    void TearDown() override
    {
        forms.reset();
        QDir::setCurrent(previousDir);
    }
    TFmVelmora &window() { return *forms->FmVelmora; }

    QTemporaryDir fontDir;
    QString previousDir;
    QString installedFontDir; // none unless a test sets it before startIn
    ScriptedPrompts prompts;
    std::unique_ptr<VelmoraForms> forms;
};

