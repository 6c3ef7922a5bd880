// The main window's downloads: "Download" sends every line, the hidden "One" a single line. The port
// dialog, the checks and the protocol live elsewhere; these handlers ask, check and show.
#include "app/TFmVelmora.h"

#include "app/PromptSeam.h"
#include "app/WindowDownloadPace.h"
#include "dialogs/TfmCOMPort.h"
#include "dialogs/TfmDownloadRecord.h"
#include "download/DownloadProtocol.h"
#include "download/QtSerialPorts.h"
#include "lines/FrameLines.h"
#include "record/DownloadRecord.h"
#include "record/ProjectDigest.h"
#include "record/RecordedDownload.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>

void TFmVelmora::connectDownload()
{
    connect(BitBtn3, &QToolButton::clicked, this, &TFmVelmora::BitBtn3Click);
    connect(BitBtn1, &QToolButton::clicked, this, &TFmVelmora::BitBtn1Click);
}

void TFmVelmora::BitBtn3Click()
{
    runDownload(DownloadVariant::Full);
}

void TFmVelmora::BitBtn1Click()
{
    runDownload(DownloadVariant::SingleLine);
}

void TFmVelmora::runDownload(DownloadVariant variant)
{
    if (model_.FrameCount == 0 || downloading_) {
        return;
    }
    const bool full = variant == DownloadVariant::Full;
    TfmCOMPort &dialog = *dialogs_.fmCOMPort;
    dialog.LastLine = LastLine(model_);
    dialog.Label2->setEnabled(!full);
    dialog.Edit1->setEnabled(!full);
    if (full) {
        dialog.Edit1->setText(QStringLiteral("0"));
    }
    prompts_.runModal(dialog);
    if (!dialog.OKPressed) {
        return;
    }
    const DownloadPlan plan = PlanDownload(model_, variant, dialog.LineNumber);
    if (!plan.refusal.isEmpty()) {
        prompts_.showMessage(plan.refusal);
        return;
    }
    if (!plan.trailingBytesWarning.isEmpty() &&
        !prompts_.askOkCancel(tr("%1\n\nDownload anyway?").arg(plan.trailingBytesWarning))) {
        return;
    }

    downloading_ = true;
    QtSerialPorts ports;
    // The window is disabled for the transfer itself, which begins once the port is open and set up: a
    // port that fails to open is reported over a window left as it was.
    WindowDownloadPace pace(prompts_, full ? ProgressBar1 : nullptr, StatusBar1[3], [this, full] {
        if (full) {
            ProgressBar1->setRange(0, model_.FrameCount * model_.WidthDot * model_.HeightDot);
            ProgressBar1->setValue(0);
            setEnabled(false);
        }
    });
    const ProjectIdentity identity = IdentifyProject(model_, projectFilePath());
    DownloadEntry entry;
    entry.port = SerialDeviceName(dialog.PortNumber);
    entry.project = identity.path;
    entry.unsaved = identity.unsaved;
    entry.sha256 = identity.sha256;
    const RecordedDownload download =
        RunRecordedDownload(model_, plan, variant, ports, dialog.PortNumber, pace, entry);
    if (full) {
        ProgressBar1->setValue(0);
        setEnabled(true);
    }
    downloading_ = false;
    recordDownload(download.entry);
    if (closeWhenDownloadEnds_) {
        closeWhenDownloadEnds_ = false;
        close();
    }
}

void TFmVelmora::recordDownload(const DownloadEntry &entry)
{
    QString why;
    const std::unique_ptr<DownloadRecord> record = DownloadRecord::openForAdding(DownloadRecordPath(), why);
    if (record) {
        why = record->add(entry);
    }
    // Said after the transfer, never during it, and once a run: a record that cannot be written today
    // will not be tomorrow morning either, and each download is no less done for it.
    if (!why.isEmpty() && !saidNotRecorded_) {
        saidNotRecorded_ = true;
        prompts_.showMessage(tr("The download was not recorded:\n%1").arg(why));
    }
}

void TFmVelmora::HelpDownloadRecordExecute()
{
    const QString path = projectFilePath();
    const QStringList digests = IdentifyProject(model_, path).recordedDigests();
    const QString recordPath = DownloadRecordPath();
    const RecordReading reading = ReadDownloadRecord(recordPath);
    const std::vector<DownloadEntry> found = DownloadsOfProject(reading.entries, path, digests);
    QString heading =
        tr("Downloads of %1, newest first: those of its bytes as they are now (\"as now\") and those of "
           "earlier versions of the same file (\"earlier\").")
            .arg(path.isEmpty() ? tr("this project, never saved") : path);
    if (found.empty()) {
        heading += QLatin1Char(' ') + tr("None is recorded.");
    }
    TfmDownloadRecord window(found, digests, heading, reading.error, recordPath, this);
    prompts_.runModal(window);
}
