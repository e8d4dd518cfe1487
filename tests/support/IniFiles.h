#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <ostream>

// Texts in the failures of the tests: as text, not as bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << text.toStdString();
}

// The tests' own reading and writing of ODBC files, by paths of any bytes.
namespace IniFiles {

// Two data sources of other programs, as their owner keeps them.
extern const QByteArray OtherDataSources;

QByteArray read(const QByteArray &path);  // empty when it cannot be read
void write(const QByteArray &path, const QByteArray &content);  // fails the calling test when it cannot
inline QByteArray read(const QString &path) { return read(path.toLocal8Bit()); }
inline void write(const QString &path, const QByteArray &content) { write(path.toLocal8Bit(), content); }

// Section -> key (lower case) -> value, for the plain files the tests write and read: "[name]" starts a section,
// "key = value" is an entry, blank lines and comments are skipped.
using Sections = QMap<QString, QMap<QString, QString>>;
Sections sections(const QByteArray &path);
inline Sections sections(const QString &path) { return sections(path.toLocal8Bit()); }
// The value of `key` of [myddc].
inline QString myddc(const QByteArray &path, const QString &key = QStringLiteral("database"))
{
    return sections(path).value(QStringLiteral("myddc")).value(key);
}
inline QString myddc(const QString &path, const QString &key = QStringLiteral("database"))
{
    return myddc(path.toLocal8Bit(), key);
}

// Lets other users reach the folder and the files it holds, as a user's home folder would be reached.
void openToOthers(const QString &folder);

}  // namespace IniFiles
