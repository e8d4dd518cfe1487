#pragma once

#include <QByteArray>
#include <QList>

namespace hestova::db {

// The sections of an ODBC file (odbc.ini), with their keys and values in file order, as the ODBC installer reads
// and rewrites them: comments and blank lines are not kept, names and values are trimmed, a line without "=" is a
// key with an empty value, and a line is read in pieces of at most 999 bytes.
class OdbcIniFile {
public:
    struct Entry {
        QByteArray key;
        QByteArray value;
        bool operator==(const Entry &) const = default;
    };
    struct Section {
        QByteArray name;
        QList<Entry> entries;
        bool operator==(const Section &) const = default;
    };

    static OdbcIniFile parse(const QByteArray &content);

    const QList<Section> &sections() const { return m_sections; }

    // The value of the first `key` in the first section `name` (both without regard to case), as the installer
    // reads it; empty when there is none.
    QByteArray value(const QByteArray &name, const QByteArray &key) const;
    bool holds(const QByteArray &name, const QList<Entry> &entries) const;

    // Sets `key` as the installer writes it: the first such key of the first section `name` takes the new key and
    // value; a new key goes to the end of that section, a new section to the end of the file.
    void set(const QByteArray &name, const QByteArray &key, const QByteArray &value);

    // The file as the installer writes it.
    QByteArray text() const;

    bool operator==(const OdbcIniFile &) const = default;

private:
    Section *section(const QByteArray &name);
    const Section *section(const QByteArray &name) const;

    QList<Section> m_sections;
};

}  // namespace hestova::db
