#include "odbcini/OdbcIniFile.h"

#include <algorithm>

namespace hestova::odbcini {

namespace {

// The installer reads lines with a buffer of 1000 bytes: a longer line is read as several.
constexpr qsizetype LinePieceBytes = 999;

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Why the installer refuses a file whose first piece that is neither blank nor a comment is `piece`: it looks for
// the first section only at the very start of a piece.
QString beforeFirstSection(const QByteArray &piece, int line)
{
    if (line == 1 && piece.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("文件以字节顺序标记（BOM）开头");
    return QStringLiteral("第一个节名之前的第 %1 行不是注释或空行（节名须从行首写起）").arg(line);
}

}  // namespace

OdbcIniFile OdbcIniFile::parse(const QByteArray &content)
{
    OdbcIniFile file;
    int number = 0;
    for (const QByteArray &line : content.split('\n')) {
        ++number;
        for (qsizetype start = 0; start < line.size(); start += LinePieceBytes) {
            QByteArray piece = line.mid(start, LinePieceBytes);
            const qsizetype nul = piece.indexOf('\0');  // the installer reads each piece as a C string
            if (nul >= 0)
                piece.truncate(nul);
            const QByteArray trimmed = piece.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#'))
                continue;
            if (file.m_sections.isEmpty() && !piece.startsWith('[')) {
                if (file.m_unreadable.isEmpty())
                    file.m_unreadable = beforeFirstSection(piece, number);
            } else if (trimmed.startsWith('[')) {
                const qsizetype end = trimmed.indexOf(']');
                file.m_sections.append({trimmed.mid(1, end < 0 ? -1 : end - 1).trimmed(), {}, number});
            } else {
                const qsizetype equals = trimmed.indexOf('=');
                file.m_sections.last().entries.append(
                    equals < 0 ? Entry{trimmed, {}, number}
                               : Entry{trimmed.left(equals).trimmed(), trimmed.mid(equals + 1).trimmed(), number});
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
    if (!m_unreadable.isEmpty())
        return false;
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

std::optional<OdbcIniFile::LongLine> OdbcIniFile::firstLongLine() const
{
    for (const Section &written : m_sections) {
        const qsizetype header = written.name.size() + 2;
        if (header > LinePieceBytes)
            return LongLine{written.name, {}, written.line, header};
        for (const Entry &entry : written.entries) {
            const qsizetype bytes = entry.key.size() + 1 + entry.value.size();
            if (bytes <= LinePieceBytes)
                continue;
            // A line read in pieces is named by the key that starts it, or by its section when the section does.
            QByteArray key = entry.key;
            if (entry.line == written.line && entry.line != 0)
                key.clear();
            else if (entry.line != 0)
                key = std::find_if(written.entries.cbegin(), written.entries.cend(),
                                   [&](const Entry &first) { return first.line == entry.line; })->key;
            return LongLine{written.name, key, entry.line, bytes};
        }
    }
    return std::nullopt;
}

}  // namespace hestova::odbcini
