#pragma once

#include "model/ProjectModel.h"

#include <QFont>
#include <QString>

#include <optional>

// The font controls of the "Text Edit" page: which script option is in force, the size each selector
// entry stands for, and the style boxes. They decide the text font, which only the system-font path
// draws with.

// The four options; each one's selector is the size selector beside it ("Other" has none).
enum class ScriptOption { Chinese, English, Number, Other };

// Character sets recorded beside the text font.
inline constexpr int AnsiCharset = 0;
inline constexpr int Big5Charset = 136;

// Which size selectors an option leaves enabled: its own only, none for "Other".
struct SelectorEnables {
    bool chinese = false;
    bool english = false;
    bool number = false;
};
SelectorEnables SelectorsEnabledBy(ScriptOption option);

// The point size a selector's text stands for: the size table's entry for one of the four system-font
// sizes. A file entry, or typed text matching no entry, stands for none.
std::optional<int> SelectorFontSize(const TextSettings &text, ScriptOption selector, const QString &entry);

// A size selector changed: the text font takes the size of its entry; an entry without a size keeps the
// size there was. Face, character set and style stay.
void ApplySelectorSize(TextSettings &text, ScriptOption selector, const QString &entry);

// "Chinea", "English" or "Number" pressed (and the start-up font, which is "English" with the first
// size): the option's character set and face, and the size of its selector's entry. The style stays.
void ApplyScriptOption(TextSettings &text, ScriptOption option, const QString &selectorEntry);

// The style boxes: the style becomes exactly the boxes' set, replacing one a font dialog chose (its
// weight, slant, underline, strike-out and named style alike).
void ApplyTextStyle(QFont &font, bool bold, bool italic, bool underline);
