#include "ItemRecords.h"

#include "core/AppError.h"

namespace hestova::quillon {

namespace {
using hestova::ErrorNumber::KeyInUse;
}

std::shared_ptr<CItemData> CItemDatas::Add(const QString &sMenuText, qint32 fType, qint16 iButton,
                                           const QString &sKey)
{
    if (!sKey.isEmpty() && contains(sKey))
        throw AppError(KeyInUse, QStringLiteral("此键已经与该集合的一个元素相关联"));
    auto record = std::make_shared<CItemData>();
    record->sMenuText = sMenuText;
    record->fType = fType;
    record->iButton = iButton;
    m_records.append({sKey, record});
    return record;
}

bool CItemDatas::contains(const QString &key) const
{
    for (const Entry &entry : m_records)
        if (!entry.key.isEmpty() && entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int CItemDatas::positionOf(const QVariant &vntIndexKey) const
{
    if (vntIndexKey.typeId() == QMetaType::QString) {
        const QString key = vntIndexKey.toString();
        for (int i = 0; i < m_records.size(); ++i)
            if (!key.isEmpty() && m_records[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return i;
    } else {
        bool ok = false;
        const int position = vntIndexKey.toInt(&ok);
        if (ok && position >= 1 && position <= m_records.size())
            return position - 1;
    }
    throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("无效的过程调用或参数"));
}

std::shared_ptr<CItemData> CItemDatas::Item(const QVariant &vntIndexKey) const
{
    return m_records[positionOf(vntIndexKey)].record;
}

void CItemDatas::Remove(const QVariant &vntIndexKey)
{
    m_records.removeAt(positionOf(vntIndexKey));
}

}  // namespace hestova::quillon
