// The windows in every shipped language: no text cut off, no control laid over another.
#include "Classes/PreferencesWindowController.h"
#include "platform/Application.h"
#include "platform/Bundle.h"
#include "tests/app/QuorrelFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QTest>
#include <QTranslator>

namespace {

// What is wrong with the layout of `window`, one line per fault.
QStringList faults(QWidget* window)
{
    QStringList found;
    const auto name = [](const QWidget* w) { return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(); };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            if (label->height() < needed || (!label->wordWrap() && label->width() < label->sizeHint().width()))
                found << QStringLiteral("%1 is cut: %2x%3 for \"%4\"").arg(name(label)).arg(label->width()).arg(label->height()).arg(label->text());
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->width() < button->sizeHint().width() || button->height() < button->sizeHint().height())
                found << QStringLiteral("%1 is cut: %2 wide for \"%3\"").arg(name(button)).arg(button->width()).arg(button->text());
        }
        // Children laid out side by side or one below the other must not overlap.
        if (w->layout()) {
            QList<QWidget*> laidOut;
            for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child->isVisibleTo(window) && w->layout()->indexOf(child) >= 0)
                    laidOut << child;
            for (qsizetype a = 0; a < laidOut.size(); ++a)
                for (qsizetype b = a + 1; b < laidOut.size(); ++b)
                    if (laidOut[a]->geometry().intersects(laidOut[b]->geometry()))
                        found << QStringLiteral("%1 overlaps %2").arg(name(laidOut[a]), name(laidOut[b]));
        }
    }
    return found;
}

using Layouts = QuorrelFixture;

TEST_F(Layouts, NoTextIsCutAndNoControlCoversAnotherInAnyLanguage)
{
    writeGlobal(QStringLiteral("AppleLanguages"), QStringLiteral("(de, en, fr, ja)"));
    writeGlobal(QStringLiteral("AppleLocale"), QStringLiteral("de_DE"));
    writeOwnDefault(QStringLiteral("PreferredLocales"), QStringLiteral("(\"de_DE,en\", de_AT)"));
    setListing("  PID   TT  STAT      TIME COMMAND\n  812   ??  S      0:00.42 /usr/sbin/helpd\n");
    const QStringList languages = bundle::localizations();
    ASSERT_EQ(languages.size(), 9);
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("quorrel_") + language, QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator);

        QuorrelAppDelegate& d = start();
        QWidget* window = d.window().widget();
        // The wrapped labels settle their heights over a few turns of the event loop.
        (void)QTest::qWaitFor([&] { return faults(window).isEmpty(); }, 5000);
        for (const QString& fault : faults(window))
            ADD_FAILURE() << "main window: " << fault.toStdString();
        // The narrowest the window may become must still hold every text.
        window->resize(window->minimumSizeHint());
        QTest::qWait(20);
        for (const QString& fault : faults(window))
            ADD_FAILURE() << "main window at its smallest: " << fault.toStdString();

        d.showPreferences(nullptr);
        QWidget* preferences = d.preferencesWindow->window();
        QTest::qWait(20);
        for (const QString& fault : faults(preferences))
            ADD_FAILURE() << "preferences window: " << fault.toStdString();
        preferences->close();
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
