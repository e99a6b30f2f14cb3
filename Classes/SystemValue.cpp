#include "SystemValue.h"

#include <QRegularExpression>

SystemValue SystemValue::absent()
{
    SystemValue value;
    value.kind_ = Kind::Absent;
    return value;
}

SystemValue SystemValue::text(const QString& text)
{
    SystemValue value;
    value.kind_ = Kind::Text;
    value.text_ = text;
    return value;
}

SystemValue SystemValue::array(QStringList items)
{
    SystemValue value;
    value.kind_ = Kind::Array;
    value.items_ = std::move(items);
    return value;
}

// A word the tool prints without quotes: what a language identifier or a region is made of.
static bool isBareWord(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool plain = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
        if (!plain && !QStringView(u"_.$/:+-").contains(c))
            return false;
    }
    return true;
}

// One item line of an array printout, without its indent and its separating comma: a bare word,
// or a quoted text. Quoted texts with escapes, nested values and anything unusual are refused;
// the texts this program writes (language identifiers) need none of them. Checked character by
// character: a long list has a line per language.
static std::optional<QString> arrayItem(QStringView line, bool last)
{
    if (!line.startsWith(QLatin1String("    ")))
        return std::nullopt;
    line = line.mid(4);
    if (!last) {
        if (!line.endsWith(QLatin1Char(',')))
            return std::nullopt;
        line.chop(1);
    }
    if (line.size() >= 2 && line.startsWith(QLatin1Char('"')) && line.endsWith(QLatin1Char('"'))) {
        const QStringView inner = line.mid(1, line.size() - 2);
        if (inner.contains(QLatin1Char('"')) || inner.contains(QLatin1Char('\\')))
            return std::nullopt;
        return inner.toString();
    }
    if (!isBareWord(line))
        return std::nullopt;
    return line.toString();
}

SystemValue SystemValue::fromRead(const std::optional<QString>& output, int exitStatus)
{
    if (!output)
        return {};
    // A missing key (or a missing domain) prints nothing on standard output and exits with 1.
    if (exitStatus == 1 && output->isEmpty())
        return absent();
    if (exitStatus != 0 || !output->endsWith(QLatin1Char('\n')))
        return {};
    const QStringView body = QStringView(*output).chopped(1);
    const qsizetype firstBreak = body.indexOf(QLatin1Char('\n'));
    if (firstBreak < 0) {
        // A one-line "(", "{" or quote is some other type's printout, not a text.
        if (body.startsWith(QLatin1Char('(')) || body.startsWith(QLatin1Char('{')) || body.startsWith(QLatin1Char('<')))
            return {};
        return text(body.toString());
    }
    const qsizetype lastBreak = body.lastIndexOf(QLatin1Char('\n'));
    if (body.first(firstBreak) != QLatin1String("(") || body.sliced(lastBreak + 1) != QLatin1String(")"))
        return {};
    // Line by line in place: a long list has a line per language.
    QStringList items;
    items.reserve(body.count(QLatin1Char('\n')) - 1);
    for (qsizetype start = firstBreak + 1; start <= lastBreak;) {
        const qsizetype end = body.indexOf(QLatin1Char('\n'), start);
        std::optional<QString> item = arrayItem(body.sliced(start, end - start), end == lastBreak);
        if (!item)
            return {};
        items.append(std::move(*item));
        start = end + 1;
    }
    return array(std::move(items));
}

QStringList SystemValue::writeArguments(const QString& domain, const QString& key) const
{
    // Words the tool's value parser takes whole as one text, as the language order and region
    // have always been written.
    static const QRegularExpression plainItem(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    static const QRegularExpression plainText(QStringLiteral("^[A-Za-z0-9_.@=-]+$"));
    switch (kind_) {
    case Kind::Unknown:
        return {};
    case Kind::Absent:
        return {QStringLiteral("delete"), domain, key};
    case Kind::Text:
        if (plainText.match(text_).hasMatch())
            return {QStringLiteral("write"), domain, key, text_};
        return {QStringLiteral("write"), domain, key, QStringLiteral("-string"), text_};
    case Kind::Array: {
        bool plain = true;
        for (const QString& item : items_)
            plain = plain && plainItem.match(item).hasMatch();
        if (plain && !items_.isEmpty())
            return {QStringLiteral("write"), domain, key, QLatin1Char('(') + items_.join(QLatin1Char(',')) + QLatin1Char(')')};
        return QStringList{QStringLiteral("write"), domain, key, QStringLiteral("-array")} + items_;
    }
    }
    return {};
}
