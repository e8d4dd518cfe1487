#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace hestova::odbcini {

// The sections of an ODBC file (odbc.ini), with their keys and values in file order, as the ODBC installer reads
// and rewrites them: comments and blank lines are not kept, names and values are trimmed, a line without "=" is a
// key with an empty value, and a line is read in pieces of at most 999 bytes.
class OdbcIniFile {
public:
    // `line` is the line of the file that an entry or section was read from (0 for one set here); it is not part
    // of its value.
    struct Entry {
        QByteArray key;
        QByteArray value;
        int line = 0;
        bool operator==(const Entry &other) const { return key == other.key && value == other.value; }
    };
    struct Section {
        QByteArray name;
        QList<Entry> entries;
        int line = 0;
        bool operator==(const Section &other) const { return name == other.name && entries == other.entries; }
    };
    // A line that the installer would write longer than it reads lines, so that the rewritten file would read
    // otherwise. `key` is empty for a section's own line; `line` is 0 for an entry set here.
    struct LongLine {
        QByteArray section;
        QByteArray key;
        int line = 0;
        qsizetype bytes = 0;
    };

    static OdbcIniFile parse(const QByteArray &content);

    const QList<Section> &sections() const { return m_sections; }

    // Why the installer refuses to read the file, as a clause of a message; empty when it reads it.
    const QString &unreadable() const { return m_unreadable; }

    // The value of the first `key` in the first section `name` (both without regard to case), as the installer
    // reads it; empty when there is none.
    QByteArray value(const QByteArray &name, const QByteArray &key) const;
    // Whether the installer reads these entries in section `name`.
    bool holds(const QByteArray &name, const QList<Entry> &entries) const;

    // Sets `key` as the installer writes it: the first such key of the first section `name` takes the new key and
    // value; a new key goes to the end of that section, a new section to the end of the file.
    void set(const QByteArray &name, const QByteArray &key, const QByteArray &value);

    // The file as the installer writes it.
    QByteArray text() const;

    // The first line of text() that the installer would read back as more than one.
    std::optional<LongLine> firstLongLine() const;

    bool operator==(const OdbcIniFile &) const = default;

private:
    Section *section(const QByteArray &name);
    const Section *section(const QByteArray &name) const;

    QList<Section> m_sections;
    QString m_unreadable;
};

}  // namespace hestova::odbcini
