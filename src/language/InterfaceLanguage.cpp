#include "language/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

InterfaceLanguage LanguageOfLocale(const QLocale &locale)
{
    if (locale.language() != QLocale::Chinese) {
        return InterfaceLanguage::English;
    }
    // "zh_TW" and "zh_HK" name no script; Qt gives them the script their territory writes.
    return locale.script() == QLocale::TraditionalHanScript ? InterfaceLanguage::TraditionalChinese
                                                            : InterfaceLanguage::English;
}

InterfaceLanguage ChooseInterfaceLanguage(const QString &velmoraLang, const QLocale &desktop)
{
    return LanguageOfLocale(velmoraLang.isEmpty() ? desktop : QLocale(velmoraLang));
}

bool InstallInterfaceLanguage(QCoreApplication &application, InterfaceLanguage language, QtTexts qtTexts)
{
    if (language == InterfaceLanguage::English) {
        return false;
    }
    // Owned by the application, as the translators must live as long as it does. Qt's translation is a
    // separate package: without it Qt's own buttons stay English and the rest is still Chinese.
    auto *qtOwn = new QTranslator(&application);
    if (qtTexts == QtTexts::Translated &&
        qtOwn->load(QStringLiteral("qtbase_zh_TW"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtOwn);
    }
    auto *editor = new QTranslator(&application);
    if (!editor->load(QStringLiteral(":/i18n/velmora_zh_TW.qm"))) {
        return false;
    }
    return QCoreApplication::installTranslator(editor);
}

void InstallDesktopLanguage(QCoreApplication &application, QtTexts qtTexts)
{
    InstallInterfaceLanguage(application,
                             ChooseInterfaceLanguage(qEnvironmentVariable("VELMORA_LANG"), QLocale::system()),
                             qtTexts);
}
