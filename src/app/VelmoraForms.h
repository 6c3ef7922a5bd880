#pragma once

#include <memory>

class PromptSeam;
class TAboutBox;
class TFmVelmora;
class TfmCOMPort;
class TfmNote;
class TfmSecond;
class TfmStart;

// The windows that live for the whole run, created in the start-up order: the main window, then the
// about box, the note, delay, setup and serial port dialogs.
struct VelmoraForms {
    explicit VelmoraForms(PromptSeam &prompts);
    ~VelmoraForms();

    std::unique_ptr<TFmVelmora> FmVelmora;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TfmNote> fmNote;
    std::unique_ptr<TfmSecond> fmSecond;
    std::unique_ptr<TfmStart> fmStart;
    std::unique_ptr<TfmCOMPort> fmCOMPort;
};
