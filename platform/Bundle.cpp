#include "Bundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace bundle {

static const QString kTranslations = QStringLiteral(":/i18n");
static const QString kFilePrefix = QStringLiteral("quorrel_");
static QString chosenLocalization = QString::fromLatin1(kDevelopmentLocalization);

// The names under which a preferred language may find its localization, best first: itself and
// its likely full forms (Qt's, e.g. zh-CN as zh-Hans-CN, pt as pt-BR), each cut back from the end
// one part at a time, as QTranslator looks up files.
static QStringList candidateNames(const QString& language)
{
    QStringList names;
    for (QString name : QStringList{language} + QLocale(language).uiLanguages()) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        while (!name.isEmpty()) {
            names.append(name);
            name.truncate(qMax<qsizetype>(0, name.lastIndexOf(QLatin1Char('_'))));
        }
    }
    return names;
}

QString preferredLocalization(const QStringList& localizations, const QStringList& preferredLanguages)
{
    for (const QString& language : preferredLanguages)
        for (const QString& name : candidateNames(language))
            for (const QString& localization : localizations)
                if (name.compare(localization, Qt::CaseInsensitive) == 0)
                    return localization;
    return QString::fromLatin1(kDevelopmentLocalization);
}

QStringList localizations()
{
    QStringList names;
    for (const QString& file : QDir(kTranslations).entryList({kFilePrefix + QStringLiteral("*.qm")}, QDir::Files))
        names.append(file.mid(kFilePrefix.size()).chopped(3));
    return names;
}

void installStringTables(QCoreApplication& app)
{
    // On a Mac Qt reports the system's own language order, elsewhere LANGUAGE (or LANG).
    chosenLocalization = preferredLocalization(localizations(), QLocale::system().uiLanguages());
    auto* own = new QTranslator(&app);
    if (!own->load(kFilePrefix + chosenLocalization, kTranslations)) {
        chosenLocalization = QString::fromLatin1(kDevelopmentLocalization);
        if (!own->load(kFilePrefix + chosenLocalization, kTranslations))
            return;
    }
    QCoreApplication::installTranslator(own);
    // Qt's standard texts (context menus, standard buttons), named by Qt's own scheme (zh_CN),
    // which QTranslator finds from the localization's full forms.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(chosenLocalization), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

QString currentLocalization()
{
    return chosenLocalization;
}

QString localizedStringForKey(const QString& key, const QString& value, const QString& table)
{
    const QByteArray context = table.toUtf8();
    const QByteArray source = key.toUtf8();
    const QString text = QCoreApplication::translate(context.constData(), source.constData());
    if (text != key)
        return text;
    return value.isEmpty() ? key : value;
}

} // namespace bundle
