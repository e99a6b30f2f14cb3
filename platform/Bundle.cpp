#include "Bundle.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace bundle {

void installStringTables(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("Localizable"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        || translator->load(QStringLiteral("Localizable_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(translator);
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
