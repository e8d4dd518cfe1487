#include "IniFiles.h"
#include "odbcini/OdbcIniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <odbcinst.h>

using hestova::odbcini::OdbcIniFile;

TEST(OdbcIniFile, ReadsAndRewritesOddFilesAsTheInstallerDoes)
{
    const QByteArray value1500(1500, 'v');
    const QList<QPair<const char *, QByteArray>> files{
        {"comments, CRLF, repeats, spacing, a NUL, no final newline",
         QByteArrayLiteral("; mine\r\n#\r\n[a]\r\n k = 1 \r\nK=2\r\n  [A] x\r\nq\r\n[b]]\r\nv==w\r\n"
                           "\tz\t=\ty\r\n[ c\r\n=v\r\nn\0ul=1\nlast")},
        {"a 1,500-byte value", "[a]\nk=" + value1500 + "\nnext=1\n"},
        {"a 2,500-byte value", "[a]\nk=" + QByteArray(2500, 'v') + "\n"},
        {"a 1,200-byte key", "[a]\n" + QByteArray(1200, 'k') + "=1\n"},
        {"a 1,200-byte section name", "[a]\n[" + QByteArray(1200, 's') + "]\nk=1\n"},
        {"a byte-order mark", "\xEF\xBB\xBF[a]\nk=1\n"},
        {"a key before the first section", "; mine\nk=1\n[a]\n"},
        {"an indented first section", " [a]\nk=1\n"},
        {"a 1,500-byte comment first", ";" + value1500 + "\n[a]\n"},
        {"nothing", ""},
    };
    QTemporaryDir folder;
    for (const auto &[what, content] : files) {
        const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("odbc.ini")));
        IniFiles::write(path, content);
        const OdbcIniFile parsed = OdbcIniFile::parse(content);

        // What the installer reads: the first key of the first section of a name, without regard to case.
        for (const OdbcIniFile::Section &section : parsed.sections()) {
            for (const OdbcIniFile::Entry &entry : section.entries) {
                char value[4096] = {};
                SQLGetPrivateProfileString(section.name.constData(), entry.key.constData(), "", value, sizeof value,
                                           path.constData());
                EXPECT_EQ(QByteArray(value), parsed.value(section.name, entry.key))
                    << what << ": " << entry.key.left(20).constData();
            }
        }
        // What it writes, whether it refuses the file, and whether it would read back what it wrote.
        OdbcIniFile expected = parsed;
        expected.set("myddc", "Driver", "SQLite3");
        const bool written = SQLWritePrivateProfileString("myddc", "Driver", "SQLite3", path.constData());
        EXPECT_EQ(written, parsed.unreadable().isEmpty()) << what;
        if (!written)
            continue;
        const QByteArray rewritten = IniFiles::read(path);
        EXPECT_EQ(rewritten, expected.text()) << what;
        EXPECT_EQ(OdbcIniFile::parse(rewritten) == expected, !expected.firstLongLine()) << what;
    }
}
