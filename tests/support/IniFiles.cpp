#include "IniFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <sys/stat.h>

namespace IniFiles {

const QByteArray OtherDataSources = "; data sources of other programs\n"
                                    "[archive]\nDriver = SQLite3\nDatabase=/srv/archive/archive.db\n"
                                    "Description=Archive of last year\n\n"
                                    "[ledger]\nDriver=PostgreSQL Unicode\nServername=db.example\nPort=5432\n"
                                    "Database=ledger\n";

QByteArray read(const QByteArray &path)
{
    std::ifstream file(path.constData(), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(file), {}));
}

void write(const QByteArray &path, const QByteArray &content)
{
    std::ofstream file(path.constData(), std::ios::binary | std::ios::trunc);
    file.write(content.constData(), content.size());
    ASSERT_TRUE(file.good()) << path.constData();
}

Sections sections(const QByteArray &path)
{
    Sections found;
    QString section;
    for (const QByteArray &bytes : read(path).split('\n')) {
        const QString line = QString::fromLocal8Bit(bytes).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            section = line.mid(1, line.size() - 2).trimmed();
        else
            found[section].insert(line.section(QLatin1Char('='), 0, 0).trimmed().toLower(),
                                  line.section(QLatin1Char('='), 1).trimmed());
    }
    return found;
}

void openToOthers(const QString &folder)
{
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        ASSERT_EQ(::chmod(QFile::encodeName(QDir(folder).filePath(name)).constData(), 0666), 0);
}

}  // namespace IniFiles
