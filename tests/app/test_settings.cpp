// Reading and writing the language order and the region through the `defaults` stand-in.
#include "QuorrelFixture.h"

#include "Classes/LocaleRow.h"
#include "plist/PlistStore.h"
#include "tests/support/ScopedReadLimits.h"

using Settings = QuorrelFixture;

TEST_F(Settings, LanguagesReadOnEitherSideOfTheVersionThreshold)
{
    QuorrelAppDelegate& d = start();
    const struct {
        const char* version;
        const char* languages;
        const char* locale;
        QStringList expected;
        qsizetype reads;
    } cases[] = {
        {"1299.9", "(en, de, fr)", "de_DE", {"en", "de", "fr"}, 1},
        {"1299.9", "(\"zh-Hans\", en)", "de_DE", {"zh-Hans", "en"}, 1},
        // From 1300 on the region is read beside the languages, and every identifier stays whole:
        // a row that lost its region would be written back changed (en-GB as en, pt-PT as pt).
        {"1300.0", "(\"en-DE\", \"de-DE\", \"fr-DE\")", "de_DE", {"en-DE", "de-DE", "fr-DE"}, 2},
        {"1300.0", "(\"de-AT\", \"zh-Hans-DE\")", "de_DE", {"de-AT", "zh-Hans-DE"}, 2},
        {"2106.5", "(\"en-US\", \"en_GB\", \"pt-BR-US\")", "en_US", {"en-US", "en_GB", "pt-BR-US"}, 2},
        {"2106.5", "(\"en-US\", \"US\", \"en-USA\")", "en_US", {"en-US", "US", "en-USA"}, 2},
        {"2106.5", "(\"en-US\", de)", "enUS", {"en-US", "de"}, 2}, // a region without "_"
        {"2106.5", "(\"en-US\", de)", "", {"en-US", "de"}, 2},     // no region at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.languages + " " + c.locale);
        home.env().set("QUORREL_CF_VERSION", c.version);
        writeGlobal("AppleLanguages", c.languages);
        writeGlobal("AppleLocale", c.locale);
        clearCalls();
        EXPECT_EQ(d.currentLanguages(), c.expected);
        const QList<ToolCall> expectedCalls = c.reads == 1 ? QList<ToolCall>{readLanguages()}
                                                           : QList<ToolCall>{readLanguages(), readLocale()};
        EXPECT_EQ(calls(), expectedCalls);
    }
    QFile::remove(home.path("Library/Preferences/.GlobalPreferences.plist"));
    EXPECT_EQ(d.currentLanguages(), QStringList{""});
}

TEST_F(Settings, TheRegionListAndItsBestRegion)
{
    QuorrelAppDelegate& d = start();
    auto regionsFor = [&](const QString& language, const QString& locale, const QStringList& available) {
        writeGlobal("AppleLocale", locale);
        d.languagesAndNames = std::make_shared<QVariantList>(QVariantList{LocaleRow::make("", language)});
        d.availableRegions = available;
        return d.appleLocale();
    };
    EXPECT_EQ(regionsFor("de", "de_AT", {"de", "de_AT", "de_CH", "de_DE", "de_LU", "en_US"}),
              (QStringList{"de_AT", "de_CH", "de_DE", "de_LU"}));
    EXPECT_EQ(d.getBestRegion(), 3);
    EXPECT_EQ(regionsFor("en", "en_US", {"en", "en_GB", "en_US"}), (QStringList{"en_US", "en_GB"}));
    EXPECT_EQ(d.getBestRegion(), 2);
    EXPECT_EQ(regionsFor("fr", "fr_FR", {"fr_BE", "fr_FR", "fr_CA"}), (QStringList{"fr_FR", "fr_BE", "fr_CA"}));
    EXPECT_EQ(d.getBestRegion(), 1);
    EXPECT_EQ(regionsFor("en", "en_US", {"en_AU", "en_GB", "en_US"}), (QStringList{"en_US", "en_AU", "en_GB"}));
    EXPECT_EQ(d.getBestRegion(), 0) << "there is no en_EN";
    EXPECT_EQ(regionsFor("haw", "en_US", {"haw", "haw_US"}), (QStringList{"en_US", "haw", "haw_US"}));

    d.languagesAndNames = std::make_shared<QVariantList>();
    clearCalls();
    EXPECT_EQ(d.appleLocale(), QStringList{"en_US"}) << "before the first refresh only the region itself";
    EXPECT_EQ(d.getBestRegion(), 0);
    EXPECT_EQ(calls(), QList<ToolCall>{readLocale()});
}

TEST_F(Settings, ALanguageOrderWrittenByTheHandlerIsWhatTheNextRefreshShows)
{
    QuorrelAppDelegate& d = start();
    QVariantList rows = *d.languagesAndNames;
    rows.move(2, 0); // fr, en, de
    d.languageTableData->setStoredData(std::make_shared<QVariantList>(rows));
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated, nullptr);

    EXPECT_EQ(calls(), (QList<ToolCall>{writeLanguages("(fr,en,de)"), readLanguages(), readLocale(), readLanguages(), listProcesses()}));
    EXPECT_EQ(d.languages, (QStringList{"fr", "en", "de"}));
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    fr,\n    en,\n    de\n)\n");
    // Names follow the new first language; the region list follows it too.
    EXPECT_EQ(cells(d.outlets.languagesTable).value(1), "Anglais | en");
    EXPECT_TRUE(d.locales.contains("fr_FR"));
    EXPECT_EQ(d.regions->value(1).toString(), "fr_BE (Belgique)");
}

TEST_F(Settings, TheRegionWrittenIsTheIdentifierCutFromTheFirstRow)
{
    QuorrelAppDelegate& d = start();
    const struct {
        const char* row;
        const char* written;
        bool storable; // the tool refuses values it cannot parse
    } cases[] = {
        {"de_AT (Österreich)", "de_AT", true},
        {"xx_YY(odd)", "xx_YY", true},
        {"haw", "haw", true},
        {"a b \"c\" ~ * $HOME, (x)", "a b \"c\" ~ * $HOME,", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        d.regionsTableData->setStoredData(std::make_shared<QVariantList>(QVariantList{QString::fromUtf8(c.row), "en_GB"}));
        clearCalls();
        NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLocalesHaveBeenUpdated, nullptr);
        EXPECT_EQ(calls().value(0), writeLocale(QString::fromUtf8(c.written)));
        if (c.storable) {
            EXPECT_EQ(readGlobal("AppleLocale"), QString::fromUtf8(c.written) + "\n");
        }
    }
}

TEST_F(Settings, ValuesArePassedAsOneArgumentByteForByte)
{
    QuorrelAppDelegate& d = start();
    const QString awkward = QStringLiteral("de\nx y,'q'\"*~$HOME;(z)é");
    d.languageTableData->setStoredData(
        std::make_shared<QVariantList>(QVariantList{LocaleRow::make("", awkward), LocaleRow::make("", "en")}));
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated, nullptr);
    EXPECT_EQ(calls().value(0), writeLanguages("(" + awkward + ",en)"));
}

TEST_F(Settings, RowsWithoutALanguageNeverEraseTheStoredOrder)
{
    QuorrelAppDelegate& d = start();
    // A row without an identifier comes from a read that failed; leaving it out would remove a
    // language from the system, and "()" would remove them all.
    for (const QVariantList& rows : {QVariantList{LocaleRow::make("", "")},
                                     QVariantList{LocaleRow::make("English", "en"), LocaleRow::make("", ""),
                                                  LocaleRow::make("German", "de")}}) {
        clearCalls();
        d.languageTableData->setStoredData(std::make_shared<QVariantList>(rows));
        NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated, nullptr);
        EXPECT_EQ(calls(), (QList<ToolCall>{readLanguages(), readLocale(), readLanguages(), listProcesses()}))
            << "nothing written, and still refreshed";
    }
    d.regionsTableData->setStoredData(std::make_shared<QVariantList>(QVariantList{QString()}));
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLocalesHaveBeenUpdated, nullptr);
    for (const ToolCall& call : calls())
        if (call.tool == "defaults") {
            EXPECT_EQ(call.arguments.value(0), "read");
        }
    EXPECT_EQ(d.languages, (QStringList{"en", "de", "fr"}));
    EXPECT_EQ(d.locales.value(0), "en_US");
}

TEST_F(Settings, AReadCutShortIsNeverWrittenBack)
{
    QuorrelAppDelegate& d = start();
    {
        // The tool prints two of the three languages and stalls until the read gives up on it.
        const ScopedReadLimits limits({std::chrono::milliseconds(300), std::chrono::seconds(1), 1 << 20});
        stallDefaults("(\n    en,\n    de,\n");
        d.updateUI();
        EXPECT_EQ(d.languages, QStringList{""}) << "a read cut short is no answer";
        stallDefaults({});
    }
    // Back to the program's own limits: under load a whole read can take longer than the short
    // one above, and would be cut short too.
    clearCalls();
    // The user drops a row onto the table that read gave.
    NotificationCenter::defaultCenter().postNotificationName(kMyNotificationLanguagesHaveBeenUpdated, nullptr);
    for (const ToolCall& call : calls())
        EXPECT_NE(call.arguments.value(0), "write") << "wrote " << call.arguments.join(' ').toStdString();
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    de,\n    fr\n)\n");
    EXPECT_EQ(d.languages, (QStringList{"en", "de", "fr"})) << "the next refresh reads the whole list again";
}

TEST_F(Settings, AVeryLongLanguageListIsReadWhole)
{
    plist_t languages = plist_new_array();
    for (int i = 0; i < 60000; ++i)
        plist_array_append_item(languages, plist_new_string(QStringLiteral("l%1").arg(i).toUtf8().constData()));
    ASSERT_EQ(plist_store::writeKey(home.path("Library/Preferences/.GlobalPreferences.plist").toStdString(),
                                    "AppleLanguages", languages),
              plist_store::WriteStatus::Ok);
    QuorrelAppDelegate& d = start();
    ASSERT_EQ(d.languages.size(), 60000);
    EXPECT_EQ(d.languages.last(), "l59999");
    EXPECT_EQ(d.outlets.languagesTable->model()->rowCount(), 60000);
}
