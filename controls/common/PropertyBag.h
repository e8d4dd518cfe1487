#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace hestova::controls {

// The host's store of one control's designed property values: name -> value, kept in the order written.
// Controls read each property with its default and write each only when it differs from that default.
class PropertyBag {
public:
    // The stored value, or defaultValue when the bag has no entry of that name.
    QVariant read(const QString &name, const QVariant &defaultValue = {}) const;

    // Stores value unless it equals defaultValue (then any earlier entry is removed). A new entry goes last,
    // an existing one keeps its place.
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue = {});

    bool contains(const QString &name) const { return indexOf(name) >= 0; }
    QStringList names() const;
    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    void clear() { m_entries.clear(); }
    const QList<QPair<QString, QVariant>> &entries() const { return m_entries; }

private:
    int indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> m_entries;
};

}  // namespace hestova::controls
