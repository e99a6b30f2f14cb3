#include "HelpPage.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace help_page {

// A title, heading, paragraph or list item; its text is the third group.
static const QRegularExpression& piece()
{
    static const QRegularExpression expression(QStringLiteral("<(title|h[1-6]|p|li)(\\s[^>]*)?>(.*?)</\\1\\s*>"),
                                               QRegularExpression::DotMatchesEverythingOption);
    return expression;
}

QStringList messages(const QString& html)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : piece().globalMatch(html))
        found.append(match.captured(3).simplified());
    return found;
}

QString translated(const QString& html, const QString& language)
{
    QString page;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : piece().globalMatch(html)) {
        const QByteArray source = match.captured(3).simplified().toUtf8();
        page += QStringView(html).sliced(copied, match.capturedStart(3) - copied);
        page += QCoreApplication::translate(kContext, source.constData());
        copied = match.capturedEnd(3);
    }
    page += QStringView(html).sliced(copied);
    static const QRegularExpression htmlTag(QStringLiteral("<html(?=[\\s>])"));
    return page.replace(htmlTag, QStringLiteral("<html lang=\"%1\"").arg(language));
}

} // namespace help_page
