#include "support/ScriptedPrompts.h"
#include "app/TFmVelmora.h"
#include "app/VelmoraForms.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {


// Resident memory of this process in kilobytes, as the system counts it.
long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// The dot buffers are over 130 MB; a fresh editor must not write them all, or every start would cost
// that much memory before the operator has drawn a single dot.
TEST(StartupMemory, StaysBelow120MegabytesAfterTheFirstShow)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's shadow memory is counted as resident";
#endif
    ScriptedPrompts prompts;
    VelmoraForms forms(prompts);
    forms.FmVelmora->resize(1280, 1000);
    forms.FmVelmora->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(forms.FmVelmora.get()));
    QApplication::processEvents();

    const long resident = ResidentKilobytes();
    ASSERT_GT(resident, 0);
    std::cout << "resident after start-up: " << resident / 1024 << " MB\n";
    EXPECT_LT(resident, 120 * 1024) << "resident: " << resident / 1024 << " MB";
}

} // namespace
