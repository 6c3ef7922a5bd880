#include "app/VelmoraForms.h"

#include "app/TAboutBox.h"
#include "app/TFmVelmora.h"
#include "dialogs/TfmCOMPort.h"
#include "dialogs/TfmNote.h"
#include "dialogs/TfmSecond.h"
#include "dialogs/TfmStart.h"

VelmoraForms::VelmoraForms(PromptSeam &prompts)
    : FmVelmora(std::make_unique<TFmVelmora>(prompts)), AboutBox(std::make_unique<TAboutBox>()),
      fmNote(std::make_unique<TfmNote>()), fmSecond(std::make_unique<TfmSecond>(prompts)),
      fmStart(std::make_unique<TfmStart>(prompts)), fmCOMPort(std::make_unique<TfmCOMPort>(prompts))
{
    FmVelmora->attachDialogs({AboutBox.get(), fmNote.get(), fmSecond.get(), fmStart.get(), fmCOMPort.get()});
}

VelmoraForms::~VelmoraForms() = default;
