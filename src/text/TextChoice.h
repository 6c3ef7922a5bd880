#pragma once

#include "text/TextComposer.h"
#include "text/TextFontRules.h"

#include <QString>

#include <optional>

// The font choices an operator makes on the "Text Edit" page before pressing "Text Upload", named as the
// command line and route tables name them: a size selector entry (or "other"), a face and point size
// under "Other", and the three style boxes. Turning them into a request follows the operator's steps, so
// every front end composes exactly what the editor would.

// The name that stands for the "Other" option, which has no selector.
QString OtherSource();

// The option beside the selector that holds the entry, or "Other" for OtherSource(); none for an entry no
// selector holds. Entries are matched exactly, blanks included.
std::optional<ScriptOption> OptionOfSource(const QString &source);

// What a source no selector holds should have been: the entry it differs from only in its blanks (how many
// stand together, and at the ends), so that "5 X 7" is told the entry is "5  X  7"; else what a source is.
QString UnknownSourceHint(const QString &source);

struct TextChoice {
    QString source;    // a selector entry or OtherSource(); empty: the start-up entry "5  X  7"
    QString face;      // under "Other": the face; empty keeps the option's face
    int pointSize = 0; // under "Other": the point size; 0 keeps the entry's size
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class TextChoiceProblem { None, UnknownSource, OwnFontWithoutOther };

// Fills the request's selectors and font from the choice as the editor would leave them after its steps:
// start-up font, the option and entry of the source, the face and size under "Other", then the style
// boxes; point sizes drawn at `dpi`. Text, font folders and sign size are the caller's.
TextChoiceProblem ApplyTextChoice(const TextChoice &choice, int dpi, TextRequest &request);
