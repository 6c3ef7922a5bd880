#include "text/TextChoice.h"

#include "text/FontFileTable.h"

QString OtherSource()
{
    return QStringLiteral("other");
}

std::optional<ScriptOption> OptionOfSource(const QString &source)
{
    if (source == OtherSource()) {
        return ScriptOption::Other;
    }
    if (ChineseSizeEntries().contains(source) || FontFileForLabel(FontSelector::Chinese, source)) {
        return ScriptOption::Chinese;
    }
    if (EnglishSelectorEntries().contains(source)) {
        return ScriptOption::English;
    }
    if (NumberSizeEntries().contains(source) || FontFileForLabel(FontSelector::Number, source)) {
        return ScriptOption::Number;
    }
    return std::nullopt;
}

namespace {

std::optional<QString> EntryAlikeInBlanks(const QString &source)
{
    QStringList entries = ChineseSizeEntries() + EnglishSelectorEntries() + NumberSizeEntries();
    for (const FontFileEntry &file : FontFiles()) {
        entries << QString::fromUtf8(file.label);
    }
    const QString simplified = source.simplified();
    for (const QString &entry : entries) {
        if (entry != source && entry.simplified() == simplified) {
            return entry;
        }
    }
    return std::nullopt;
}

} // namespace

QString UnknownSourceHint(const QString &source)
{
    if (const auto entry = EntryAlikeInBlanks(source)) {
        return QStringLiteral("the entry is \"%1\", blanks included").arg(*entry);
    }
    return QStringLiteral("a size selector entry, or 'other'");
}

TextChoiceProblem ApplyTextChoice(const TextChoice &choice, int dpi, TextRequest &request)
{
    const QString source = choice.source.isEmpty() ? EnglishSelectorEntries().first() : choice.source;
    const std::optional<ScriptOption> option = OptionOfSource(source);
    if (!option) {
        return TextChoiceProblem::UnknownSource;
    }
    if ((!choice.face.isEmpty() || choice.pointSize > 0) && option != ScriptOption::Other) {
        return TextChoiceProblem::OwnFontWithoutOther;
    }
    TextSettings text;
    FillFontSizeTables(text, dpi);
    ApplyScriptOption(text, ScriptOption::English, EnglishSelectorEntries().first());
    ApplyScriptOption(text, *option, source);
    if (!choice.face.isEmpty()) {
        text.TextFont.setFamily(choice.face);
    }
    if (choice.pointSize > 0) {
        text.TextFont.setPointSize(choice.pointSize);
    }
    ApplyTextStyle(text.TextFont, choice.bold, choice.italic, choice.underline);

    request.chinese = {option == ScriptOption::Chinese, source};
    request.number = {option == ScriptOption::Number, source};
    request.font = text.TextFont;
    request.dpi = dpi;
    return TextChoiceProblem::None;
}
