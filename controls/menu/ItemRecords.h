#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

namespace hestova::quillon {

// What one owner-drawn menu item looked like before it was converted, and which image it draws.
struct CItemData {
    bool bMainMenu = false;  // an item of the menu bar, converted for good
    qint16 iButton = 0;      // 0-based image of the image list, -1 for none
    qint32 fType = 0;        // menu type as written at conversion
    QString sMenuText;       // the item's text, mnemonic ampersands and the Tab before the accelerator included
};

// The engine's records, each under an optional key (unique, compared without regard to case);
// positions are 1-based. A missing key or position fails with error 5, a key in use with error 457.
class CItemDatas {
public:
    std::shared_ptr<CItemData> Add(const QString &sMenuText, qint32 fType, qint16 iButton, const QString &sKey);
    // A number is a 1-based position, a text a key.
    std::shared_ptr<CItemData> Item(const QVariant &vntIndexKey) const;
    int Count() const { return int(m_records.size()); }
    void Remove(const QVariant &vntIndexKey);
    bool contains(const QString &key) const;

    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

private:
    struct Entry {
        QString key;
        std::shared_ptr<CItemData> record;
    };
    int positionOf(const QVariant &vntIndexKey) const;  // 0-based; throws when absent

    QList<Entry> m_records;
};

}  // namespace hestova::quillon
