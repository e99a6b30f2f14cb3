#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <set>

class QMimeData;

// NSIndexSet: a sorted set of row indexes.
using IndexSet = std::set<qint64>;

// NSKeyedArchiver / NSKeyedUnarchiver for index sets: data that only this program reads back.
namespace keyed_archiver {
QByteArray archivedDataWithRootObject(const IndexSet& indexes);
// None for data that is not an archived index set.
std::optional<IndexSet> unarchiveObjectWithData(const QByteArray& data);
} // namespace keyed_archiver

// The drag pasteboard over the QMimeData a drag carries; the mime data stays its owner's.
class Pasteboard {
public:
    explicit Pasteboard(QMimeData* data) : data_(data) {}

    // Clears what the pasteboard held and declares the types it will hold.
    void declareTypes(const QStringList& types, const void* owner);
    bool setData(const QByteArray& data, const QString& type);
    std::optional<QByteArray> dataForType(const QString& type) const;
    QStringList types() const;

private:
    QMimeData* data_;
    QStringList declared_;
};
