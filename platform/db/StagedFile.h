#pragma once

#include <QString>

#include <sys/types.h>

namespace hestova::db {

// A private copy of a file, made beside it under a name no other process uses, that takes the file's place at
// once when committed, with the file's owner, group and mode. Until then the file is untouched; an uncommitted
// copy is removed. Failures throw AppError(ErrorNumber::DataSource, ...).
class StagedFile {
public:
    // `target` is an existing file itself, not a link to it.
    explicit StagedFile(const QString &target);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    QString path() const { return m_path; }

    // Gives the copy the target's owner, group and mode, then puts it in the target's place. Throws, leaving the
    // target untouched, when this process may not give the copy that owner and group.
    void commit();

private:
    QString m_target;
    QString m_path;
    uid_t m_owner = 0;
    gid_t m_group = 0;
    mode_t m_mode = 0;
};

}  // namespace hestova::db
