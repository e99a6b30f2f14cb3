#pragma once
#include <QString>
#include <QStringList>

#include <optional>

// One value of a preference as `defaults read` showed it: a text, an array of texts, or no value
// at all (the key is missing). Anything else, and any read that failed, was cut short or printed
// something this program does not take apart, is unknown: it is never written back.
class SystemValue {
public:
    enum class Kind { Unknown,
                      Absent,
                      Text,
                      Array };

    SystemValue() = default;
    static SystemValue absent();
    static SystemValue text(const QString& text);
    static SystemValue array(QStringList items);
    // What a read of one key gave: `output` as MyRunUsrCommands::runUsrBinAndRead returned it (none
    // for a failed or partial read) and the tool's exit status (-1 when not seen).
    static SystemValue fromRead(const std::optional<QString>& output, int exitStatus);

    Kind kind() const { return kind_; }
    bool isKnown() const { return kind_ != Kind::Unknown; }
    const QString& textValue() const { return text_; }
    const QStringList& items() const { return items_; }

    // The arguments of `defaults` that make `key` of `domain` hold this value: "write" with the
    // forms the program has always written ((en,de) and de_DE) where they keep the value exactly,
    // "-array"/"-string" otherwise, and "delete" for an absent value. Empty for an unknown one.
    QStringList writeArguments(const QString& domain, const QString& key) const;

    bool operator==(const SystemValue& other) const
    {
        return kind_ == other.kind_ && text_ == other.text_ && items_ == other.items_;
    }
    bool operator!=(const SystemValue& other) const { return !(*this == other); }

private:
    Kind kind_ = Kind::Unknown;
    QString text_;
    QStringList items_;
};
