#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away application folder for one test: AppFolder points at it and ODBCINI at a file inside it,
// so nothing touches the user's real files. Both are restored when it goes out of scope.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const;  // "skin/close.bmp" -> absolute path
    QString odbcIniPath() const;

    // Copies the shipped controls/ plugins of the build's application folder into this folder.
    void copyControls() const;
    // Copies the shipped skin/ and ico/ pictures of the build's application folder into this folder.
    void copySkin() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldOdbcIni;
    bool m_hadOdbcIni;
};
