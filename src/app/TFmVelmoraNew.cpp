// The main window's New: the setup dialog, then the new project shown in every view. The project is
// made in the core (ApplyNewProject); this handler shows the result.
#include "app/TFmVelmora.h"

#include "app/PromptSeam.h"
#include "dialogs/TfmStart.h"
#include "io/ProjectTransfer.h"
#include "list/NewProject.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

void TFmVelmora::FileNew1Execute()
{
    TfmStart &setup = *dialogs_.fmStart;
    prompts_.runModal(setup);
    if (!setup.OKPressed || !setup.Setup) {
        return;
    }
    ApplyNewProject(model_, *setup.Setup);
    clearHistory();
    setWindowTitle(QStringLiteral("Velmora"));
    StatusBar1[1]->setText(SignSizePanelText(model_));
    StatusBar1[2]->setText(ModulePanelText(model_));
    showToolState();
    // Both bars follow the reset zoom, so a picture that fits never keeps an enabled bar.
    for (QScrollBar *bar : {ScrollBar1, ScrollBar2}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(0);
    }
    UpdateViewSize();
    showFrameList();
    setFocusedCellHighlight(false);
    rebuildFontSelectors();
    DrawMatrix();
}
