#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace hestova::odbcini {

// The extended attributes of a file that this process can see, its access ACL (system.posix_acl_access) among
// them, to be given to another file. Attributes of the trusted namespace are seen only by privileged processes.
// Failures throw AppError(ErrorNumber::DataSource, ...).
class ExtendedAttributes {
public:
    // The attributes of the file open as `descriptor`, called `file` in messages. Throws for a hash or signature
    // of the file's content (security.ima, security.evm), which a file with other content cannot take, and for a
    // list or value that keeps growing while it is read.
    static ExtendedAttributes of(int descriptor, const QString &file);

    bool contains(const QByteArray &name) const;

    // The same names with the same values, in whatever order the system lists them.
    bool operator==(const ExtendedAttributes &other) const;

    // Gives the file open as `descriptor` exactly these attributes: removes those it has beyond them (one inherited
    // from its folder's default ACL, say) and sets those it lacks or holds with another value. `file` names the file
    // whose attributes these are. Throws, naming the attribute, when one can be neither removed nor set.
    void giveTo(int descriptor, const QString &file) const;

    // The access ACL: the group bits of a mode are its mask.
    static constexpr char AccessAcl[] = "system.posix_acl_access";

private:
    QList<QPair<QByteArray, QByteArray>> m_attributes;  // name, value
};

}  // namespace hestova::odbcini
