#include "common/PropertyBag.h"

namespace hestova::controls {

namespace {

bool sameValue(const QVariant &value, const QVariant &defaultValue)
{
    if (!value.isValid() || !defaultValue.isValid())
        return value.isValid() == defaultValue.isValid();
    return value == defaultValue;
}

}  // namespace

QVariant PropertyBag::read(const QString &name, const QVariant &defaultValue) const
{
    const int index = indexOf(name);
    return index < 0 ? defaultValue : m_entries.at(index).second;
}

void PropertyBag::write(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    const int index = indexOf(name);
    if (sameValue(value, defaultValue)) {
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    if (index >= 0)
        m_entries[index].second = value;
    else
        m_entries.append({name, value});
}

QStringList PropertyBag::names() const
{
    QStringList list;
    for (const auto &entry : m_entries)
        list.append(entry.first);
    return list;
}

int PropertyBag::indexOf(const QString &name) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).first == name)
            return i;
    }
    return -1;
}

}  // namespace hestova::controls
