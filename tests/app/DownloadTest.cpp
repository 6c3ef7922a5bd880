#include "EditorFixture.h"

#include "app/WindowDownloadPace.h"
#include "dialogs/TfmCOMPort.h"
#include "dialogs/TfmDownloadRecord.h"
#include "io/ProjectFiles.h"
#include "record/DownloadRecord.h"
#include "record/ProjectDigest.h"
#include "support/LineProjects.h"
#include "support/SignFixtures.h"
#include "support/SignSimulator.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace {

class DownloadWindow : public EditorFixture {
protected:
    void SetUp() override { startIn({}); }
    void TearDown() override
    {
        qunsetenv("VELMORA_COM2");
        EditorFixture::TearDown();
    }

    TfmCOMPort &dialog() { return *forms->fmCOMPort; }
    // Answers the port dialog: shown, then `act` on it.
    void answerPortDialog(std::function<void(TfmCOMPort &)> act)
    {
        prompts.queueDialogAnswer([act](QDialog &shown) {
            auto &portDialog = dynamic_cast<TfmCOMPort &>(shown);
            portDialog.show();
            act(portDialog);
            portDialog.hide();
        });
    }
    void openProject(const ProjectModel &model)
    {
        const QString path = fontDir.filePath(QStringLiteral("lines.nkv"));
        ASSERT_TRUE(SaveProject(model, path).ok());
        prompts.queueFile({path, 0});
        window().FileOpen1->trigger();
    }
};

TEST_F(DownloadWindow, PortDialogHoldsTheLineWithinTheListAndStartsAtCOM1)
{
    dialog().LastLine = 5;
    dialog().show();
    dialog().Edit1->setText(QStringLiteral("9"));
    EXPECT_EQ(dialog().Edit1->text(), "5");
    dialog().Edit1->setText(QStringLiteral("0"));
    EXPECT_EQ(dialog().Edit1->text(), "1");
    dialog().Edit1->setText(QStringLiteral("x"));
    dialog().Button1->click();
    EXPECT_EQ(prompts.messages,
              QStringList({"'x' is not a valid integer value", "'x' is not a valid integer value"}));
    EXPECT_EQ(dialog().Edit1->text(), "x");
    EXPECT_TRUE(dialog().isVisible());

    // Only the list's ports are taken, typed or chosen.
    dialog().Edit1->setText(QStringLiteral("4"));
    dialog().ComboBox1->setEditText(QStringLiteral("COM12"));
    dialog().Button1->click();
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(prompts.messages.last(), "'COM12' is not a port of the list: choose COM1 .. COM10.");
    dialog().ComboBox1->setEditText(QStringLiteral("COM3"));
    dialog().Button1->click();
    EXPECT_TRUE(dialog().OKPressed);
    EXPECT_EQ(dialog().PortNumber, 3);
    EXPECT_EQ(dialog().LineNumber, 4);

    // Beside the choice, the device the port stands for here, looked up again on every show.
    SignSimulator sign;
    const QString line = sign.start({});
    qputenv("VELMORA_COM2", line.toLocal8Bit());
    qputenv("VELMORA_COM3", "/nonexistent/ttyUSB7");
    dialog().show();
    dialog().ComboBox1->setCurrentIndex(2);
    EXPECT_EQ(dialog().Label3->text(), "/nonexistent/ttyUSB7 \u2014 not present");
    dialog().ComboBox1->setEditText(QStringLiteral("com2"));
    EXPECT_EQ(dialog().Label3->text(), line + " \u2014 serial port");
    qunsetenv("VELMORA_COM3");
    dialog().hide();

    // Shown again it starts at COM1; Cancel leaves it refused.
    dialog().show();
    EXPECT_EQ(dialog().ComboBox1->currentText(), "COM1");
    EXPECT_FALSE(dialog().OKPressed);
    dialog().Button2->click();
    EXPECT_FALSE(dialog().OKPressed);
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(DownloadWindow, CancelledOrUnopenedPortSendsNothing)
{
    answerPortDialog([](TfmCOMPort &shown) {
        // The full download asks for no line: the field is disabled and holds 1.
        EXPECT_FALSE(shown.Edit1->isEnabled());
        EXPECT_FALSE(shown.Label2->isEnabled());
        EXPECT_EQ(shown.Edit1->text(), "1");
        shown.Button2->click();
    });
    window().BitBtn3->click();
    EXPECT_TRUE(prompts.warnings.isEmpty());
    EXPECT_TRUE(window().isEnabled());

    qputenv("VELMORA_COM2", "/nonexistent/serial-port");
    answerPortDialog([](TfmCOMPort &shown) {
        shown.ComboBox1->setCurrentIndex(1);
        shown.Button1->click();
    });
    // The transfer, and with it the disabled window, begins only once the port is open.
    bool enabledWhileWarned = false;
    prompts.whenWarned = [&] { enabledWhileWarned = window().isEnabled(); };
    // A record that cannot be written is said once, after the transfer, however many downloads fail
    // to be recorded.
    const QByteArray record = qgetenv("VELMORA_RECORD");
    qputenv("VELMORA_RECORD", "/dev/null/downloads.sqlite");
    window().BitBtn3->click();
    // The box keeps its text and adds the system's reason on a line of its own.
    EXPECT_EQ(prompts.warnings,
              QStringList({"Open COM Port Error\n/nonexistent/serial-port: No such file or directory"}));
    EXPECT_EQ(prompts.messages, QStringList({"The download was not recorded:\n/dev/null/downloads.sqlite: the "
                                             "folder /dev/null cannot be made"}));
    answerPortDialog([](TfmCOMPort &shown) {
        shown.ComboBox1->setCurrentIndex(1);
        shown.Button1->click();
    });
    window().BitBtn3->click();
    qputenv("VELMORA_RECORD", record);
    EXPECT_EQ(prompts.warnings.size(), 2);
    EXPECT_EQ(prompts.messages.size(), 1);
    prompts.warnings.removeLast();
    EXPECT_TRUE(enabledWhileWarned);
    EXPECT_EQ(window().ProgressBar1->value(), 0);
    EXPECT_TRUE(window().isEnabled());

    // The single-line download asks for the line; a line whose last bytes fill no whole packet is named
    // first, and declining sends nothing.
    auto model = std::make_unique<ProjectModel>();
    SetUpLines(*model, {1, 1});
    model->LedNumber = 5;
    model->WidthDot = 120;
    openProject(*model);
    answerPortDialog([](TfmCOMPort &shown) {
        EXPECT_TRUE(shown.Edit1->isEnabled());
        shown.Edit1->setText(QStringLiteral("7"));
        EXPECT_EQ(shown.Edit1->text(), "2");
        shown.ComboBox1->setCurrentIndex(1);
        shown.Button1->click();
    });
    prompts.queueOkCancel(false);
    // The "One" button is hidden, out of the operator's reach, and the tool bar keeps it disabled; the
    // test presses it all the same.
    window().BitBtn1->setEnabled(true);
    window().BitBtn1->click();
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(prompts.questions.last(),
              "Only whole packets of 32 dot bytes are sent, so the sign will not get\n"
              "line 2: the last 8 of its 360 dot bytes.\n\nDownload anyway?");
    EXPECT_EQ(prompts.warnings.size(), 1);
}

TEST_F(DownloadWindow, FullDownloadReachesTheSignWithProgressAndTheWindowDisabled)
{
    auto model = std::make_unique<ProjectModel>();
    SetUpLines(*model, {1, 2});
    openProject(*model);

    QTemporaryDir received;
    SignSimulator sign;
    qputenv("VELMORA_COM2", sign.start({"--out", received.path(), "--exit-after-end"}).toLocal8Bit());
    answerPortDialog([](TfmCOMPort &shown) {
        shown.ComboBox1->setCurrentIndex(1);
        shown.Button1->click();
    });
    int highestProgress = 0;
    bool disabledWhileSending = false;
    QObject::connect(window().ProgressBar1, &QProgressBar::valueChanged, [&](int value) {
        highestProgress = std::max(highestProgress, value);
        disabledWhileSending = disabledWhileSending || (value > 0 && !window().isEnabled());
    });
    // Closing the window during the transfer waits for its end; then the usual save question comes.
    bool openAfterCloseDuringTransfer = false;
    QTimer::singleShot(1000, &window(), [&] {
        window().close();
        openAfterCloseDuringTransfer = window().isVisible() && prompts.questions.isEmpty();
    });
    window().BitBtn3->click();
    EXPECT_TRUE(openAfterCloseDuringTransfer);
    EXPECT_EQ(prompts.questions, QStringList({"Do you want to save the change ?"}));

    EXPECT_EQ(sign.finish(), "line 1: board 1, 1 frame(s), 18 of 18 packets\n"
                             "line 2: board 2, 2 frame(s), 36 of 36 packets\nend\n");
    EXPECT_TRUE(prompts.warnings.isEmpty() && prompts.messages.isEmpty());
    EXPECT_EQ(highestProgress, 3 * 192 * 24);
    EXPECT_TRUE(disabledWhileSending);
    EXPECT_EQ(window().ProgressBar1->value(), 0);
    EXPECT_TRUE(window().isEnabled());

    // The record holds the download: the port's device, the file as saved, the lines and the outcome.
    const QString path = fontDir.filePath(QStringLiteral("lines.nkv"));
    QString why;
    const QString sha = FileSha256(path, why).value_or(QString());
    const RecordReading reading = ReadDownloadRecord(DownloadRecordPath());
    ASSERT_EQ(reading.entries.size(), 1u) << reading.error.toStdString();
    const DownloadEntry &entry = reading.entries.front();
    EXPECT_EQ(entry.port, qgetenv("VELMORA_COM2"));
    EXPECT_EQ(entry.project, path);
    EXPECT_FALSE(entry.unsaved);
    EXPECT_EQ(entry.sha256, sha);
    ASSERT_EQ(entry.lines.size(), 2u);
    EXPECT_EQ(entry.lines[1].board, 2);
    EXPECT_EQ(entry.lines[1].frames, 2);
    EXPECT_EQ(entry.packetsSent, 2 + 54 + 1);
    EXPECT_EQ(entry.outcome, "done");

    // Help > Download Record... lists it, as of the bytes the file holds now.
    int rows = -1;
    QString bytes;
    prompts.queueDialogAnswer([&](QDialog &shown) {
        auto &record = dynamic_cast<TfmDownloadRecord &>(shown);
        rows = record.Downloads->rowCount();
        bytes = record.Downloads->item(0, 4)->text();
    });
    window().HelpDownloadRecord1->trigger();
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(bytes, "as now");
}

TEST_F(DownloadWindow, APacketSentAgainIsNamedInTheLastStatusPanel)
{
    // Two modules of 16 x 16 make two packets; each reply comes 600 ms after its packet, so each packet is
    // sent again and named until its reply comes.
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    SetUpSign(*model, 32, 16, 16, model->View.DotRadius);
    openProject(*model);
    SignSimulator sign;
    qputenv("VELMORA_COM2",
            sign.start({"--module-width", "16", "--late", "600", "--exit-after-end"}).toLocal8Bit());
    answerPortDialog([](TfmCOMPort &shown) {
        shown.ComboBox1->setCurrentIndex(1);
        shown.Button1->click();
    });
    QLabel *panel = window().StatusBar1[3];
    QStringList shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!panel->text().isEmpty() && !shown.contains(panel->text())) {
            shown << panel->text();
        }
    });
    watch.start(20);
    window().BitBtn3->click();
    EXPECT_TRUE(shown.contains("Line 001  packet 1  sent again (2 of 101)")) << shown.join('|').toStdString();
    EXPECT_TRUE(panel->text().isEmpty());
    EXPECT_TRUE(prompts.warnings.isEmpty() && prompts.messages.isEmpty());
    EXPECT_EQ(sign.finish(), "line 1: board 1, 1 frame(s), 2 of 2 packets\nend\n");
}

TEST_F(DownloadWindow, InputDuringATransferIsDroppedNotReplayedAfterIt)
{
    {
        WindowDownloadPace pace(prompts, nullptr);
        QTimer::singleShot(20, &window(), [this] { QTest::mouseClick(window().btnAdd, Qt::LeftButton); });
        pace.pause(100);
    }
    QApplication::processEvents();
    EXPECT_EQ(window().project().FrameCount, 1);
    QTest::mouseClick(window().btnAdd, Qt::LeftButton);
    EXPECT_EQ(window().project().FrameCount, 2);
}

} // namespace
