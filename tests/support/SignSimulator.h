#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// The built velmora-signsim, run as a user would: it opens a pseudo-terminal and names it on its first
// line of output. The test program defines VELMORA_SIGNSIM as the simulator's path.
class SignSimulator {
public:
    ~SignSimulator()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    // Starts it with `arguments` and answers the device path the downloader opens.
    QString start(const QStringList &arguments)
    {
        process_.start(QStringLiteral(VELMORA_SIGNSIM), arguments);
        EXPECT_TRUE(process_.waitForStarted(10000));
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        return QString::fromUtf8(process_.readLine()).trimmed();
    }

    // Waits for it to exit by itself and answers what it printed after the device path.
    QString finish()
    {
        // An event loop (the editor's, during its pauses) may already have seen it exit.
        EXPECT_TRUE(process_.state() == QProcess::NotRunning || process_.waitForFinished(30000));
        EXPECT_EQ(process_.exitCode(), 0);
        return QString::fromUtf8(process_.readAllStandardOutput());
    }

    // What it has written to standard error once something has come, waiting up to `ms` for it.
    QString errorsWithin(int ms)
    {
        QString errors;
        QElapsedTimer waited;
        waited.start();
        while (errors.isEmpty() && waited.elapsed() < ms) {
            process_.waitForReadyRead(20);
            errors += QString::fromUtf8(process_.readAllStandardError());
        }
        return errors;
    }

private:
    QProcess process_;
};
