#include "Pasteboard.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace keyed_archiver {

static constexpr quint32 kIndexSetMagic = 0x51494e58; // "QINX"

QByteArray archivedDataWithRootObject(const IndexSet& indexes)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << kIndexSetMagic << quint32(indexes.size());
    for (qint64 index : indexes)
        out << index;
    return data;
}

std::optional<IndexSet> unarchiveObjectWithData(const QByteArray& data)
{
    QDataStream in(data);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    // Each index takes 8 bytes: a count larger than the data can hold is garbage.
    if (in.status() != QDataStream::Ok || magic != kIndexSetMagic || count > data.size() / 8)
        return std::nullopt;
    IndexSet indexes;
    for (quint32 i = 0; i < count; ++i) {
        qint64 index = 0;
        in >> index;
        indexes.insert(index);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return indexes;
}

} // namespace keyed_archiver

void Pasteboard::declareTypes(const QStringList& types, const void*)
{
    if (data_)
        data_->clear();
    declared_ = types;
}

bool Pasteboard::setData(const QByteArray& data, const QString& type)
{
    if (!data_ || !declared_.contains(type))
        return false;
    data_->setData(type, data);
    return true;
}

std::optional<QByteArray> Pasteboard::dataForType(const QString& type) const
{
    if (!data_ || !data_->hasFormat(type))
        return std::nullopt;
    return data_->data(type);
}

QStringList Pasteboard::types() const
{
    return data_ ? data_->formats() : QStringList();
}
