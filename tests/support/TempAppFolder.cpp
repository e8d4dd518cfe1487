#include "TempAppFolder.h"

#include "core/AppFolder.h"

#include <QDir>
#include <QFile>

TempAppFolder::TempAppFolder() : m_hadOdbcIni(qEnvironmentVariableIsSet("ODBCINI"))
{
    m_oldOdbcIni = qgetenv("ODBCINI");
    qputenv("ODBCINI", odbcIniPath().toLocal8Bit());
    hestova::AppFolder::setPath(m_dir.path());
}

TempAppFolder::~TempAppFolder()
{
    hestova::AppFolder::setPath(QString());
    if (m_hadOdbcIni)
        qputenv("ODBCINI", m_oldOdbcIni);
    else
        qunsetenv("ODBCINI");
}

QString TempAppFolder::file(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

QString TempAppFolder::odbcIniPath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("odbc.ini"));
}

void TempAppFolder::copyControls() const
{
    const QDir source(QStringLiteral(HESTOVA_APP_DIR "/controls"));
    QDir(m_dir.path()).mkpath(QStringLiteral("controls"));
    for (const QString &name : source.entryList({QStringLiteral("*.so")}, QDir::Files))
        QFile::copy(source.filePath(name), file(QStringLiteral("controls/") + name));
}

void TempAppFolder::copySkin() const
{
    for (const QString &sub : {QStringLiteral("skin"), QStringLiteral("ico")}) {
        const QDir source(QStringLiteral(HESTOVA_APP_DIR "/") + sub);
        QDir(m_dir.path()).mkpath(sub);
        for (const QString &name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), file(sub + QLatin1Char('/') + name));
    }
}
