#include "text/TextFontRules.h"

#include "text/FaceSubstitutes.h"
#include "text/FontFileTable.h"

SelectorEnables SelectorsEnabledBy(ScriptOption option)
{
    return {.chinese = option == ScriptOption::Chinese,
            .english = option == ScriptOption::English,
            .number = option == ScriptOption::Number};
}

std::optional<int> SelectorFontSize(const TextSettings &text, ScriptOption selector, const QString &entry)
{
    qsizetype index = -1;
    const std::array<int, 5> *sizes = nullptr;
    switch (selector) {
    case ScriptOption::Chinese:
        index = ChineseSizeEntries().indexOf(entry);
        sizes = &text.ChineseFontSize;
        break;
    case ScriptOption::English:
        index = EnglishSelectorEntries().indexOf(entry);
        sizes = &text.EnglishFontSize;
        break;
    case ScriptOption::Number:
        index = NumberSizeEntries().indexOf(entry);
        sizes = &text.NumberFontSize;
        break;
    case ScriptOption::Other:
        break;
    }
    if (index < 0) {
        return std::nullopt;
    }
    return (*sizes)[static_cast<std::size_t>(index)];
}

void ApplySelectorSize(TextSettings &text, ScriptOption selector, const QString &entry)
{
    if (const std::optional<int> size = SelectorFontSize(text, selector, entry)) {
        text.TextFont.setPointSize(*size);
    }
}

void ApplyScriptOption(TextSettings &text, ScriptOption option, const QString &selectorEntry)
{
    if (option == ScriptOption::Other) {
        return;
    }
    const bool chinese = option == ScriptOption::Chinese;
    text.TextFontCharset = chinese ? Big5Charset : AnsiCharset;
    text.TextFont.setFamily(chinese ? ChineseFace : EnglishFace);
    ApplySelectorSize(text, option, selectorEntry);
}

void ApplyTextStyle(QFont &font, bool bold, bool italic, bool underline)
{
    // A named style ("Light", "Bold Italic") from the font dialog would override weight and slant.
    font.setStyleName(QString());
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyle(italic ? QFont::StyleItalic : QFont::StyleNormal);
    font.setUnderline(underline);
    font.setStrikeOut(false);
}
