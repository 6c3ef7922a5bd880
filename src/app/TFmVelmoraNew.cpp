// The main window's New: the setup dialog, then the new project shown in every view, as one undo step
// that gives the project before it back. The project is made in the core (ApplyNewProject); this
// handler shows the result.
#include "app/TFmVelmora.h"

#include "app/PromptSeam.h"
#include "dialogs/TfmStart.h"
#include "history/RecordedEdits.h"
#include "io/ProjectTransfer.h"
#include "list/NewProject.h"

#include <QScrollBar>
#include <QSignalBlocker>

void TFmVelmora::FileNew1Execute()
{
    TfmStart &setup = *dialogs_.fmStart;
    prompts_.runModal(setup);
    if (!setup.OKPressed || !setup.Setup || !keepProjectForUndo()) {
        return;
    }
    ApplyNewProject(model_, *setup.Setup);
    model_.Captions = {QStringLiteral("Velmora"), SignSizePanelText(model_), ModulePanelText(model_)};
    recordProjectStep(NewProjectLabel());
    showProjectCaptions();
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
