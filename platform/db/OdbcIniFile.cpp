#include "db/OdbcIniFile.h"

namespace hestova::db {

namespace {

// The installer reads lines with a buffer of 1000 bytes: a longer line is read as several.
constexpr qsizetype LinePieceBytes = 999;

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

OdbcIniFile OdbcIniFile::parse(const QByteArray &content)
{
    OdbcIniFile file;
    for (const QByteArray &line : content.split('\n')) {
        for (qsizetype start = 0; start < line.size(); start += LinePieceBytes) {
            QByteArray piece = line.mid(start, LinePieceBytes);
            const qsizetype nul = piece.indexOf('\0');  // the installer reads each piece as a C string
            if (nul >= 0)
                piece.truncate(nul);
            piece = piece.trimmed();
            if (piece.isEmpty() || piece.startsWith(';') || piece.startsWith('#'))
                continue;
            if (piece.startsWith('[')) {
                const qsizetype end = piece.indexOf(']');
                file.m_sections.append({piece.mid(1, end < 0 ? -1 : end - 1).trimmed(), {}});
            } else if (!file.m_sections.isEmpty()) {  // the installer refuses a file with keys before a section
                const qsizetype equals = piece.indexOf('=');
                file.m_sections.last().entries.append(
                    equals < 0 ? Entry{piece, {}} : Entry{piece.left(equals).trimmed(), piece.mid(equals + 1).trimmed()});
            }
        }
    }
    return file;
}

const OdbcIniFile::Section *OdbcIniFile::section(const QByteArray &name) const
{
    for (const Section &candidate : m_sections) {
        if (sameName(candidate.name, name))
            return &candidate;
    }
    return nullptr;
}

OdbcIniFile::Section *OdbcIniFile::section(const QByteArray &name)
{
    return const_cast<Section *>(std::as_const(*this).section(name));
}

QByteArray OdbcIniFile::value(const QByteArray &name, const QByteArray &key) const
{
    if (const Section *found = section(name)) {
        for (const Entry &entry : found->entries) {
            if (sameName(entry.key, key))
                return entry.value;
        }
    }
    return QByteArray();
}

bool OdbcIniFile::holds(const QByteArray &name, const QList<Entry> &entries) const
{
    for (const Entry &entry : entries) {
        if (value(name, entry.key) != entry.value)
            return false;
    }
    return true;
}

void OdbcIniFile::set(const QByteArray &name, const QByteArray &key, const QByteArray &value)
{
    Section *target = section(name);
    if (!target) {
        m_sections.append({name, {}});
        target = &m_sections.last();
    }
    for (Entry &entry : target->entries) {
        if (sameName(entry.key, key)) {
            entry = {key, value};
            return;
        }
    }
    target->entries.append({key, value});
}

QByteArray OdbcIniFile::text() const
{
    QByteArray text;
    for (const Section &written : m_sections) {
        text += '[' + written.name + "]\n";
        for (const Entry &entry : written.entries)
            text += entry.key + '=' + entry.value + '\n';
        text += '\n';
    }
    return text;
}

}  // namespace hestova::db
