// The main window's downloads: "Download" sends every line, the hidden "One" a single line. The port
// dialog, the checks and the protocol live elsewhere; these handlers ask, check and show.
#include "app/TFmVelmora.h"

#include "app/PromptSeam.h"
#include "app/WindowDownloadPace.h"
#include "dialogs/TfmCOMPort.h"
#include "download/DownloadProtocol.h"
#include "download/QtSerialPorts.h"
#include "lines/FrameLines.h"

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
    RunDownload(model_, plan, variant, ports, dialog.PortNumber, pace);
    if (full) {
        ProgressBar1->setValue(0);
        setEnabled(true);
    }
    downloading_ = false;
    if (closeWhenDownloadEnds_) {
        closeWhenDownloadEnds_ = false;
        close();
    }
}
