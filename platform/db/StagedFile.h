#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

struct stat;

namespace hestova::db {

// A private copy of a file, made beside it under a name no other process uses and no user's file has, that takes
// the file's place at once when committed, with the file's owner, group and mode, safely on disk. Until then the
// file is untouched; an uncommitted copy is removed. Failures throw AppError(ErrorNumber::DataSource, ...).
class StagedFile {
public:
    // Makes the copy beside `target` (a regular file itself, not a link to it), holding `content`; `targetStatus`
    // gives the owner, group and mode it takes.
    StagedFile(const QString &target, const QByteArray &content, const struct stat &targetStatus);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    QString path() const { return m_path; }

    // What the copy holds now, read through its descriptor.
    QByteArray content() const;

    // The system's reason why `size` bytes cannot be written into the copy (which then holds nothing useful);
    // empty when they can.
    QString writeFailure(qint64 size);

    // Gives the copy the target's owner, group and mode, puts it on disk and then in the target's place. Throws,
    // leaving the target untouched, when one of these fails before the copy replaced it.
    void commit();

    // Removes the copies that stopped processes left beside `target`; only one process may stage at a time.
    static void removeLeftovers(const QString &target);

private:
    void remove();

    QString m_target;
    QString m_path;
    int m_descriptor = -1;
    uid_t m_owner = 0;
    gid_t m_group = 0;
    mode_t m_mode = 0;
};

}  // namespace hestova::db
