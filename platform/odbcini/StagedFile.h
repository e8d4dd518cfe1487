#pragma once

#include "odbcini/FileIo.h"
#include "odbcini/RegularFile.h"

#include <QByteArray>
#include <QString>

namespace hestova::odbcini {

class OpenFolder;

// A private copy of a file, made beside it under a name no other process uses and no user's file has, that takes
// the file's place at once when committed, with the file's owner, group, mode and extended attributes, safely on
// disk. The copy is written only through its descriptor, so nothing written to it can reach another file whatever
// is done to its name. Until then the file is untouched; an uncommitted copy is removed. Failures throw
// AppError(ErrorNumber::DataSource, ...).
class StagedFile {
public:
    // Makes the copy beside the regular file `target` of `folder`, holding `original`'s bytes; the copy takes
    // `original`'s owner, group, mode and attributes when committed.
    StagedFile(const OpenFolder &folder, const QByteArray &target, const RegularFile::Contents &original);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // A path that leads to the copy and to no other file, for code that writes by path.
    QByteArray reach() const { return m_reach; }

    // What the copy holds now, read through its descriptor.
    QByteArray content() const;

    // The system's reason why `size` bytes cannot be written into the copy (which then holds nothing useful);
    // empty when they can.
    QString writeFailure(qint64 size);

    // Gives the copy the target's owner, group, mode and attributes, without letting anyone more reach it on the
    // way, puts it on disk and then in the target's place, by exchanging the two names. Refuses when the target is
    // no longer the file read (saved anew, changed or removed by another program or its owner) or the copy's name no
    // longer leads to the copy. Succeeds only when, after the exchange, the target's name leads to this very copy
    // and the copy's name to the file read, unchanged; otherwise a save of another program made just after the
    // exchange stays in the target's place, the file read goes back where the target's name leads to nothing, and
    // anything else is exchanged back, and it throws. A file that is neither the copy, the file read nor a link is
    // never removed: it is kept under a name no later start removes, and named in the message. Where the file
    // system cannot exchange names, the copy is renamed into place and checked after it. Throws, leaving the target
    // untouched, when one of these fails before the copy replaced it.
    void commit();

    // Removes the copies that stopped processes left beside `target` in `folder`; only one process may stage at a
    // time.
    static void removeLeftovers(const OpenFolder &folder, const QByteArray &target);

private:
    // Frees the copy's name: removes what it leads to when that is the copy, the file read or a link. Anything else
    // is another's and is kept; where it is kept is returned for the message.
    QString clearName();
    // Frees the copy's name by moving what it leads to under a name that no later start removes; returns that path.
    QString keep();
    // Whether `name` in the folder is the file with the status `file`, not a link to it or another file.
    bool isNamed(const QByteArray &name, const struct stat &file) const;
    void checkTargetUnchanged() const;
    bool exchangeNames() const;  // false with errno set when the names were not exchanged
    void replace(const struct stat &copy);
    void checkExchanged(const struct stat &copy);
    // Whether the file read, now under the copy's name, is as it was read in all that the exchange leaves alone: a
    // change made between the last look and the exchange (a mode, owner or ACL, an attribute, a write, even one of
    // the same size whose times were put back) shows here.
    bool cameOutUnchanged() const;
    // Puts the file read back under the file's name, which leads to nothing, replacing nothing; then throws.
    [[noreturn]] void putBack();
    [[noreturn]] void failSwapped(const QString &left) const;
    [[noreturn]] void failChanged(const QString &left) const;
    [[noreturn]] void failDeleted() const;
    [[noreturn]] void failToReplace(int error);
    bool isMountPoint() const;

    const OpenFolder &m_folder;
    QByteArray m_target;
    QString m_shownTarget;
    QByteArray m_name;  // the copy's name in the folder; empty once it is gone
    QByteArray m_reach;
    Descriptor m_descriptor;
    struct stat m_status = {};  // the file's, as read
    QByteArray m_content;  // the file's, as read
    ExtendedAttributes m_attributes;
};

}  // namespace hestova::odbcini
