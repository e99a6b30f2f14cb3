// The language a launch picks from the platform's list of preferred languages (LANGUAGE on Linux,
// -AppleLanguages among the arguments on a Mac), seen in the real windows. Each case runs in a
// process of its own, started by ctest with that list (tests/i18n/CMakeLists.txt), since Qt reads
// the list once per process.
#include "Classes/PreferencesWindowController.h"
#include "platform/Application.h"
#include "platform/Bundle.h"
#include "tests/app/QuorrelFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

namespace {

// The texts a user meets first: in the main window, its menus, the string table, the
// preferences window and the help window.
struct Seen {
    QString group, button, tableName, tableDescription, columnTitle, menu, noFallback, measurement;
    QString preferences, helpTitle, helpText, qtText;
};

class LanguageAtLaunch : public QuorrelFixture {
protected:
    Seen launch(const char* linuxLanguages, const char* appleLanguages)
    {
#if defined(Q_OS_MACOS)
        Q_UNUSED(linuxLanguages);
        const QStringList arguments = QCoreApplication::arguments();
        EXPECT_EQ(arguments.value(arguments.indexOf(QStringLiteral("-AppleLanguages")) + 1), QString::fromUtf8(appleLanguages))
            << "run through ctest, which passes -AppleLanguages";
#else
        Q_UNUSED(appleLanguages);
        EXPECT_EQ(qgetenv("LANGUAGE"), QByteArray(linuxLanguages)) << "run through ctest, which sets LANGUAGE";
#endif
        bundle::installStringTables(*qApp);
        writeGlobal(QStringLiteral("AppleLanguages"), QStringLiteral("(de, en)"));
        writeGlobal(QStringLiteral("AppleLocale"), QStringLiteral("de_DE"));
        QuorrelAppDelegate& d = start();
        QWidget* window = d.window().widget();
        Seen seen;
        seen.group = window->findChild<QGroupBox*>(QStringLiteral("languagesBox"))->title();
        seen.button = window->findChild<QPushButton*>(QStringLiteral("restartFinder"))->text();
        seen.tableName = d.outlets.languagesTable->accessibleName();
        seen.tableDescription = d.outlets.languagesTable->accessibleDescription();
        seen.columnTitle = d.outlets.languagesTable->model()->headerData(0, Qt::Horizontal).toString();
        seen.menu = window->findChild<QMenu*>(QStringLiteral("helpMenu"))->title();
        seen.noFallback = d.outlets.fallbackLanguagesMenu->itemTitles().value(0);
        seen.measurement = d.outlets.regionPreview.measurement->text();
        d.showPreferences(nullptr);
        seen.preferences = d.preferencesWindow->window()->findChild<QCheckBox*>()->text();
        Application application(*qApp, &d);
        application.showHelp(nullptr);
        seen.helpTitle = application.helpWindow()->windowTitle();
        seen.helpText = application.helpWindow()->toPlainText();
        application.helpWindow()->close();
        d.preferencesWindow->close();
        seen.qtText = QCoreApplication::translate("QWidgetTextControl", "&Copy");
        return seen;
    }
};

TEST_F(LanguageAtLaunch, GermanForAnAustrianWhoFirstPrefersAnUntranslatedLanguage)
{
    const Seen seen = launch("eo:de_AT:fr", "(eo, de-AT, fr)");
    EXPECT_EQ(bundle::currentLocalization(), "de");
    EXPECT_EQ(seen.group, "Bevorzugte Sprachen");
    EXPECT_EQ(seen.button, "Finder neu starten");
    EXPECT_EQ(seen.tableName, "Bevorzugte Sprachen");
    EXPECT_TRUE(seen.tableDescription.contains("Wahl+Befehl")) << seen.tableDescription.toStdString();
    EXPECT_EQ(seen.columnTitle, "Sprache");
    EXPECT_EQ(seen.menu, "&Hilfe");
    EXPECT_EQ(seen.noFallback, "Keine zweite Sprache");
    EXPECT_EQ(seen.measurement, "Metrisch");
    EXPECT_EQ(seen.preferences, "Fenster geöffnet lassen, während Quorrel im Hintergrund ist");
    EXPECT_EQ(seen.helpTitle, "Quorrel-Hilfe");
    EXPECT_TRUE(seen.helpText.contains("Bevorzugte Sprachen")) << seen.helpText.toStdString();
    EXPECT_TRUE(seen.helpText.contains("Wahl+Befehl")) << "the keyboard moves on a Mac";
    EXPECT_EQ(seen.qtText, "&Kopieren") << "Qt's own German (package qt6-translations-l10n) in "
                                        << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
}

TEST_F(LanguageAtLaunch, SimplifiedChineseFromLinuxsNameAfterTraditionalChinese)
{
    const Seen seen = launch("zh_TW:zh_CN:de", "(zh-Hant-TW, zh-Hans-CN, de)");
    EXPECT_EQ(bundle::currentLocalization(), "zh_Hans");
    EXPECT_EQ(seen.group, "首选语言");
    EXPECT_EQ(seen.button, "重新启动访达");
    EXPECT_EQ(seen.columnTitle, "语言");
    EXPECT_EQ(seen.menu, "帮助(&H)");
    EXPECT_EQ(seen.noFallback, "无第二语言");
    EXPECT_EQ(seen.helpTitle, "Quorrel 帮助");
    EXPECT_TRUE(seen.helpText.contains("首选语言")) << seen.helpText.toStdString();
    EXPECT_EQ(seen.qtText, "复制(&C)");
}

TEST_F(LanguageAtLaunch, EnglishWhenNoPreferredLanguageIsTranslated)
{
    const Seen seen = launch("eo:ko_KR", "(eo, ko-KR)");
    EXPECT_EQ(bundle::currentLocalization(), "en");
    EXPECT_EQ(seen.group, "Preferred languages");
    EXPECT_EQ(seen.button, "Restart Finder");
    EXPECT_EQ(seen.menu, "&Help");
    EXPECT_EQ(seen.noFallback, "No second language");
    EXPECT_EQ(seen.measurement, "Metric");
    EXPECT_EQ(seen.helpTitle, "Quorrel Help");
    EXPECT_TRUE(seen.helpText.contains("Option+Command")) << seen.helpText.toStdString();
    EXPECT_EQ(seen.qtText, "&Copy");
}

} // namespace
