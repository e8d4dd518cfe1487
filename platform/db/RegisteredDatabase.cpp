#include "db/RegisteredDatabase.h"

#include "odbcini/OdbcInstaller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace hestova::db {

namespace {

std::optional<struct stat> fileStatus(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

bool sameFile(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    const std::optional<struct stat> one = fileStatus(first);
    const std::optional<struct stat> other = fileStatus(second);
    if (one && other)
        return one->st_dev == other->st_dev && one->st_ino == other->st_ino;
    return !one && !other &&
           QDir::cleanPath(QFileInfo(first).absoluteFilePath()) == QDir::cleanPath(QFileInfo(second).absoluteFilePath());
}

}  // namespace

RegisteredDatabase::RegisteredDatabase(const QString &dsn)
    : m_dsn(dsn),
      m_file(dsn.isEmpty() ? std::nullopt
                           : odbcini::OdbcInstaller::registeredAttribute(dsn, QStringLiteral("Database")))
{
}

bool RegisteredDatabase::accepts(const QString &database) const
{
    return !m_file || sameFile(database, *m_file);
}

AppError RegisteredDatabase::refusal(const QString &database, const QString &reason) const
{
    QString description = database.isEmpty() || !m_file
                              ? QStringLiteral("数据源 %1 没有指向数据库文件，没有连接").arg(m_dsn)
                              : QStringLiteral("数据源 %1 指向另一个数据库文件 %2，不是 %3，没有连接")
                                    .arg(m_dsn, database, *m_file);
    if (!reason.isEmpty())
        description += QStringLiteral("：") + reason;
    return AppError(ErrorNumber::Connection, description);
}

}  // namespace hestova::db
