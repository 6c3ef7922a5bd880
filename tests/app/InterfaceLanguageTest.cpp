#include "EditorFixture.h"

#include "app/GraphicEditPage.h"
#include "app/TAboutBox.h"
#include "app/TextEditPage.h"
#include "dialogs/TfmCOMPort.h"
#include "dialogs/TfmNote.h"
#include "dialogs/TfmSecond.h"
#include "dialogs/TfmStart.h"
#include "language/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTranslator>

namespace {

// Puts the process back in English, as every other test expects it: a translator removes itself from the
// application when it is deleted.
void DropTranslators()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

QStringList MenuTitles(QMainWindow &window)
{
    QStringList titles;
    for (QAction *menu : window.menuBar()->actions()) {
        titles << menu->text();
    }
    return titles;
}

// The width a control's text needs beside what the control draws around it (a box's indicator, a
// button's margins); Qt asks the style for the same figures when it lays the control out.
int TextWidthNeeded(const QWidget &control, const QString &text)
{
    const int advance = control.fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
    const QStyle &style = *control.style();
    if (qobject_cast<const QPushButton *>(&control) || qobject_cast<const QToolButton *>(&control)) {
        return advance + style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control);
    }
    return advance;
}

// The height a line of text needs, with the fallback faces its characters are drawn in (a Chinese face is
// often taller than the desktop's Latin one).
int LineHeightNeeded(const QWidget &control, const QString &text)
{
    return text.isEmpty() ? 0 : control.fontMetrics().size(Qt::TextShowMnemonic, text).height();
}

// Every visible label, button and group box title of `window` whose text does not fit its control.
QStringList CutTexts(QWidget &window)
{
    QStringList cut;
    const auto report = [&cut](const QWidget &control, const QString &text, int room) {
        if (!text.isEmpty() && TextWidthNeeded(control, text) > room) {
            cut << QStringLiteral("%1 \"%2\" (%3 > %4)")
                       .arg(control.objectName(), text)
                       .arg(TextWidthNeeded(control, text))
                       .arg(room);
        }
    };
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisibleTo(&window)) {
            continue;
        }
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->wordWrap()) {
            report(*label, label->text(), label->contentsRect().width());
            if (LineHeightNeeded(*label, label->text()) > label->contentsRect().height()) {
                cut << label->objectName() + QStringLiteral(" (too low)");
            }
        } else if (label && label->heightForWidth(label->width()) > label->height()) {
            cut << label->objectName() + QStringLiteral(" (wrapped lines cut)");
        }
        if (auto *tool = qobject_cast<QToolButton *>(control);
            tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()) {
            continue;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            // A box or option draws its indicator first; its text has the rest.
            const int indicator = button->sizeHint().width() - TextWidthNeeded(*button, button->text());
            const bool boxed = qobject_cast<QPushButton *>(button) == nullptr &&
                               qobject_cast<QToolButton *>(button) == nullptr;
            report(*button, button->text(), button->width() - (boxed ? indicator : 0));
            if (LineHeightNeeded(*button, button->text()) > button->height()) {
                cut << button->objectName() + QStringLiteral(" (too low)");
            }
        }
        if (auto *group = qobject_cast<QGroupBox *>(control)) {
            // The title is drawn inside the frame, a few pixels from each side.
            report(*group, group->title(), group->width() - 2 * group->fontMetrics().averageCharWidth());
        }
    }
    return cut;
}

class InterfaceLanguageWindows : public EditorFixture {
protected:
    void TearDown() override
    {
        EditorFixture::TearDown();
        DropTranslators();
        qunsetenv("VELMORA_LANG");
    }

    // Every window of the editor, each as the operator sees it: dialogs shown, each editing page current.
    QStringList cutTextsOfEveryWindow()
    {
        QStringList cut;
        for (QWidget *page :
             {static_cast<QWidget *>(window().TextEdit), static_cast<QWidget *>(window().GraphicEdit)}) {
            window().PageControl1->setCurrentWidget(page);
            QApplication::processEvents();
            cut << CutTexts(window());
        }
        const std::initializer_list<QDialog *> dialogs = {forms->fmStart.get(), forms->fmCOMPort.get(),
                                                          forms->fmNote.get(), forms->fmSecond.get(),
                                                          forms->AboutBox.get()};
        for (QDialog *dialog : dialogs) {
            dialog->show();
            QApplication::processEvents();
            cut << CutTexts(*dialog);
            dialog->hide();
        }
        return cut;
    }
};

} // namespace

TEST(InterfaceLanguage, TraditionalChineseLocalesGetChineseAndVelmoraLangOverridesBothWays)
{
    for (const char *name :
         {"zh_TW", "zh_HK", "zh_MO", "zh_Hant", "zh_Hant_TW", "zh_Hant_CN", "zh_TW.UTF-8"}) {
        EXPECT_EQ(LanguageOfLocale(QLocale(QLatin1String(name))), InterfaceLanguage::TraditionalChinese)
            << name;
    }
    for (const char *name : {"C", "en_US", "en_GB", "zh_CN", "zh_SG", "zh_Hans_HK", "ja_JP", "de_DE"}) {
        EXPECT_EQ(LanguageOfLocale(QLocale(QLatin1String(name))), InterfaceLanguage::English) << name;
    }
    EXPECT_EQ(ChooseInterfaceLanguage(QString(), QLocale(QStringLiteral("zh_TW"))),
              InterfaceLanguage::TraditionalChinese);
    EXPECT_EQ(ChooseInterfaceLanguage(QStringLiteral("en"), QLocale(QStringLiteral("zh_TW"))),
              InterfaceLanguage::English);
    EXPECT_EQ(ChooseInterfaceLanguage(QStringLiteral("zh_TW"), QLocale(QStringLiteral("C"))),
              InterfaceLanguage::TraditionalChinese);

    // English loads nothing, so no text can differ from the sources by a byte.
    EXPECT_FALSE(InstallInterfaceLanguage(*QCoreApplication::instance(), InterfaceLanguage::English,
                                          QtTexts::Translated));
    EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator *>().isEmpty());
    EXPECT_EQ(QCoreApplication::translate("TFmVelmora", "&File"), "&File");
}

TEST_F(InterfaceLanguageWindows, VelmoraLangZhTwPutsMenusDialogsAndMessagesInTraditionalChinese)
{
    qputenv("VELMORA_LANG", "zh_TW");
    InstallDesktopLanguage(*QCoreApplication::instance(), QtTexts::Translated);
    startIn({});

    EXPECT_EQ(MenuTitles(window()), QStringList({"檔案(&F)", "編輯(&E)", "選項", "說明(&H)"}));
    EXPECT_EQ(window().FileSaveAs1->text(), "另存新檔(&A)...");
    EXPECT_EQ(window().FileNew1->toolTip(), "新增");
    EXPECT_EQ(window().FileNew1->statusTip(), "建立新檔案");
    EXPECT_EQ(window().PageControl1->tabText(0), "文字編輯");
    EXPECT_EQ(window().StringGrid->model()->headerData(2, Qt::Horizontal).toString(), "下載看板編號");
    EXPECT_EQ(forms->fmStart->windowTitle(), "設定");
    EXPECT_EQ(forms->fmStart->OKButton->text(), "確定");
    EXPECT_EQ(forms->fmCOMPort->Label1->text(), "COM 埠：");

    // A refused open and the close question of a changed project, as the message boxes show them.
    prompts.queueFile({fontDir.filePath(QStringLiteral("absent.nkv")), 0});
    window().FileOpen1->trigger();
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.constLast().startsWith("無法開啟「"))
        << prompts.messages.constLast().toStdString();
    window().btnAdd->click();
    prompts.queueYesNoCancel(SaveAnswer::Cancel);
    window().close();
    ASSERT_FALSE(prompts.questions.isEmpty());
    EXPECT_EQ(prompts.questions.constLast(), "要儲存變更嗎？");
}

TEST_F(InterfaceLanguageWindows, EveryWindowShowsItsWholeTextInEnglishAndInChinese)
{
    startIn({});
    const QStringList cutInEnglish = cutTextsOfEveryWindow();
    EXPECT_TRUE(cutInEnglish.isEmpty()) << cutInEnglish.join(QLatin1Char('\n')).toStdString();
    forms.reset();
    QDir::setCurrent(previousDir);

    ASSERT_TRUE(InstallInterfaceLanguage(*QCoreApplication::instance(), InterfaceLanguage::TraditionalChinese,
                                         QtTexts::Translated));
    startIn({});
    ASSERT_EQ(window().btnAdd->text(), "新增");
    const QStringList cutInChinese = cutTextsOfEveryWindow();
    EXPECT_TRUE(cutInChinese.isEmpty()) << cutInChinese.join(QLatin1Char('\n')).toStdString();
}
