#include "spreadsheet/TemplateReader.h"

#include "core/AppError.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <cmath>

namespace hestova::spreadsheet {

namespace {

constexpr auto FormatTag = "hestova-sheet";
constexpr int FormatVersion = 1;

// One token of a statement: a bare word, a "quoted text", or key=value (value bare or quoted).
struct Token {
    QString key;    // empty unless key=value
    QString value;  // the word, the text or the value
    bool quoted = false;
};

struct FormatError {
    QString reason;
};

QList<Token> tokenize(const QString &line)
{
    QList<Token> tokens;
    int i = 0;
    const int n = int(line.size());
    auto readQuoted = [&]() {
        QString text;
        ++i;  // opening quote
        while (i < n && line[i] != u'"') {
            if (line[i] == u'\\') {
                if (++i >= n)
                    break;
                const QChar escaped = line[i];
                if (escaped == u'n')
                    text += u'\n';
                else if (escaped == u'"' || escaped == u'\\')
                    text += escaped;
                else
                    throw FormatError{QStringLiteral("未知的转义 \\%1").arg(escaped)};
            } else {
                text += line[i];
            }
            ++i;
        }
        if (i >= n)
            throw FormatError{QStringLiteral("引号没有结束")};
        ++i;  // closing quote
        return text;
    };
    while (i < n) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        if (line[i] == u'#')
            break;
        Token token;
        if (line[i] == u'"') {
            token.value = readQuoted();
            token.quoted = true;
        } else {
            QString word;
            while (i < n && !line[i].isSpace() && line[i] != u'=' && line[i] != u'"')
                word += line[i++];
            if (i < n && line[i] == u'=') {
                ++i;
                token.key = word;
                if (i < n && line[i] == u'"') {
                    token.value = readQuoted();
                    token.quoted = true;
                } else {
                    while (i < n && !line[i].isSpace())
                        token.value += line[i++];
                }
            } else if (i < n && line[i] == u'"') {
                throw FormatError{QStringLiteral("“%1”后缺少空格").arg(word)};
            } else {
                token.value = word;
            }
        }
        if (i < n && !line[i].isSpace())
            throw FormatError{QStringLiteral("“%1”后缺少空格").arg(token.value)};
        tokens.append(token);
    }
    return tokens;
}

double toNumber(const QString &text, double min, double max, const QString &what)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < min || value > max)
        throw FormatError{QStringLiteral("%1“%2”无效").arg(what, text)};
    return value;
}

int toInt(const QString &text, int min, int max, const QString &what)
{
    const double value = toNumber(text, min, max, what);
    if (value != std::floor(value))
        throw FormatError{QStringLiteral("%1“%2”应为整数").arg(what, text)};
    return int(value);
}

QColor toColor(const QString &text)
{
    const QColor color = QColor::fromString(text);
    if (!text.startsWith(u'#') || text.size() != 7 || !color.isValid())
        throw FormatError{QStringLiteral("颜色“%1”无效，应为 #RRGGBB").arg(text)};
    return color;
}

LineStyle toLineStyle(const QString &text)
{
    static const QHash<QString, LineStyle> names = {
        {QStringLiteral("none"), LineStyle::None},     {QStringLiteral("thin"), LineStyle::Thin},
        {QStringLiteral("medium"), LineStyle::Medium}, {QStringLiteral("dashed"), LineStyle::Dashed},
        {QStringLiteral("dotted"), LineStyle::Dotted}, {QStringLiteral("thick"), LineStyle::Thick},
        {QStringLiteral("double"), LineStyle::Double}};
    const auto it = names.find(text);
    if (it == names.end())
        throw FormatError{QStringLiteral("边线“%1”无效").arg(text)};
    return *it;
}

// "thin" or "thin:#RRGGBB"
Border toBorder(const QString &text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() > 2)
        throw FormatError{QStringLiteral("边线“%1”无效").arg(text)};
    Border border;
    border.style = toLineStyle(parts[0]);
    if (parts.size() == 2)
        border.color = toColor(parts[1]);
    return border;
}

int toColumn(const QString &text)
{
    bool isNumber = false;
    text.toInt(&isNumber);
    if (isNumber)
        return toInt(text, 1, CellReference::MaxCols, QStringLiteral("列号"));
    const auto cell = CellReference::parseCell(text + QStringLiteral("1"));
    if (!cell)
        throw FormatError{QStringLiteral("列号“%1”无效").arg(text)};
    return cell->left;
}

// "3", "3-13", "C" or "C-M" (columns); "1" or "12-40" (rows).
std::pair<int, int> toSpan(const QString &text, bool columns)
{
    const QStringList ends = text.split(u'-');
    if (ends.size() > 2)
        throw FormatError{QStringLiteral("范围“%1”无效").arg(text)};
    auto one = [&](const QString &end) {
        return columns ? toColumn(end) : toInt(end, 1, CellReference::MaxRows, QStringLiteral("行号"));
    };
    const int first = one(ends[0]);
    const int last = ends.size() == 2 ? one(ends[1]) : first;
    if (last < first)
        throw FormatError{QStringLiteral("范围“%1”无效").arg(text)};
    return {first, last};
}

CellRange toRange(const QString &text)
{
    const auto range = CellReference::parseRange(text);
    if (!range)
        throw FormatError{QStringLiteral("单元格引用“%1”无效").arg(text)};
    return *range;
}

void applyStyleAttribute(CellStyle &style, const Token &token)
{
    const QString &key = token.key;
    const QString &value = token.value;
    if (key.isEmpty()) {
        if (value == u"bold")
            style.bold = true;
        else if (value == u"italic")
            style.italic = true;
        else if (value == u"underline")
            style.underline = true;
        else if (value == u"wrap")
            style.wrap = true;
        else
            throw FormatError{QStringLiteral("未知的样式项“%1”").arg(value)};
        return;
    }
    if (key == u"font") {
        if (value.isEmpty())
            throw FormatError{QStringLiteral("字体名为空")};
        style.fontName = value;
    } else if (key == u"size") {
        style.fontSize = toNumber(value, 1, 409, QStringLiteral("字号"));
    } else if (key == u"charset") {
        style.fontCharSet = toInt(value, 0, 255, QStringLiteral("字符集"));
    } else if (key == u"color") {
        style.textColor = toColor(value);
    } else if (key == u"fill") {
        style.fill = value == u"none" ? QColor() : toColor(value);
    } else if (key == u"h") {
        static const QHash<QString, HAlign> names = {{QStringLiteral("general"), HAlign::General},
                                                     {QStringLiteral("left"), HAlign::Left},
                                                     {QStringLiteral("center"), HAlign::Center},
                                                     {QStringLiteral("right"), HAlign::Right}};
        if (!names.contains(value))
            throw FormatError{QStringLiteral("水平对齐“%1”无效").arg(value)};
        style.hAlign = names[value];
    } else if (key == u"v") {
        static const QHash<QString, VAlign> names = {{QStringLiteral("top"), VAlign::Top},
                                                     {QStringLiteral("center"), VAlign::Center},
                                                     {QStringLiteral("bottom"), VAlign::Bottom}};
        if (!names.contains(value))
            throw FormatError{QStringLiteral("垂直对齐“%1”无效").arg(value)};
        style.vAlign = names[value];
    } else if (key == u"left") {
        style.borders[LeftEdge] = toBorder(value);
    } else if (key == u"right") {
        style.borders[RightEdge] = toBorder(value);
    } else if (key == u"top") {
        style.borders[TopEdge] = toBorder(value);
    } else if (key == u"bottom") {
        style.borders[BottomEdge] = toBorder(value);
    } else if (key == u"box") {
        style.borders.fill(toBorder(value));
    } else {
        throw FormatError{QStringLiteral("未知的样式项“%1”").arg(key)};
    }
}

class StatementReader {
public:
    explicit StatementReader(Sheet &sheet) : m_sheet(sheet) {}

    void read(const QList<Token> &tokens)
    {
        const QString &word = tokens[0].value;
        if (!tokens[0].key.isEmpty() || tokens[0].quoted)
            throw FormatError{QStringLiteral("行首应为语句名")};
        if (!m_versionSeen) {
            if (word != QLatin1String(FormatTag) || tokens.size() != 2 || tokens[1].value != QString::number(FormatVersion))
                throw FormatError{QStringLiteral("文件应以“%1 %2”开头").arg(QLatin1String(FormatTag)).arg(FormatVersion)};
            m_versionSeen = true;
            return;
        }
        const QList<Token> args = tokens.mid(1);
        if (word == u"page")
            readPage(args);
        else if (word == u"header")
            m_sheet.setHeader(singleText(args));
        else if (word == u"used")
            readUsed(args);
        else if (word == u"default")
            readDefault(args);
        else if (word == u"style")
            readStyle(args);
        else if (word == u"column" || word == u"row")
            readSize(args, word == u"column");
        else if (word == u"cells")
            readCells(args);
        else if (word == u"cell")
            readCell(args);
        else if (word == u"merge")
            readMerge(args);
        else
            throw FormatError{QStringLiteral("未知的语句“%1”").arg(word)};
    }

    void finish()
    {
        if (!m_versionSeen)
            throw FormatError{QStringLiteral("文件为空")};
        if (!m_usedGiven) {
            // Without a "used" line the used range covers every written cell and merged range.
            int lastRow = m_maxRow, lastCol = m_maxCol;
            for (const CellRange &merge : m_sheet.merges()) {
                lastRow = std::max(lastRow, merge.bottom);
                lastCol = std::max(lastCol, merge.right);
            }
            m_sheet.setLastRow(std::max(lastRow, 1));
            m_sheet.setLastCol(std::max(lastCol, 1));
        }
    }

private:
    static QString singleText(const QList<Token> &args)
    {
        if (args.size() != 1 || !args[0].quoted || !args[0].key.isEmpty())
            throw FormatError{QStringLiteral("应为一个带引号的文字")};
        return args[0].value;
    }

    static const Token &keyed(const QList<Token> &args, int i, const char *key)
    {
        if (i >= args.size() || args[i].key != QLatin1String(key))
            throw FormatError{QStringLiteral("缺少 %1=").arg(QLatin1String(key))};
        return args[i];
    }

    void readPage(const QList<Token> &args)
    {
        PageSetup page = m_sheet.page();
        for (const Token &arg : args) {
            if (arg.key == u"orientation") {
                if (arg.value == u"portrait")
                    page.orientation = QPageLayout::Portrait;
                else if (arg.value == u"landscape")
                    page.orientation = QPageLayout::Landscape;
                else
                    throw FormatError{QStringLiteral("纸张方向“%1”无效").arg(arg.value)};
            } else if (arg.key == u"margins") {
                const QStringList parts = arg.value.split(u',');
                if (parts.size() != 4)
                    throw FormatError{QStringLiteral("页边距应为 左,上,右,下 四个毫米数")};
                QList<double> mm;
                for (const QString &part : parts)
                    mm.append(toNumber(part, 0, 100, QStringLiteral("页边距")));
                page.margins = QMarginsF(mm[0], mm[1], mm[2], mm[3]);
            } else {
                throw FormatError{QStringLiteral("未知的页面项“%1”").arg(arg.key.isEmpty() ? arg.value : arg.key)};
            }
        }
        m_sheet.setPage(page);
    }

    void readUsed(const QList<Token> &args)
    {
        if (args.size() != 2)
            throw FormatError{QStringLiteral("应为 used rows=行数 cols=列数")};
        m_sheet.setLastRow(toInt(keyed(args, 0, "rows").value, 1, CellReference::MaxRows, QStringLiteral("行数")));
        m_sheet.setLastCol(toInt(keyed(args, 1, "cols").value, 1, CellReference::MaxCols, QStringLiteral("列数")));
        m_usedGiven = true;
    }

    void readDefault(const QList<Token> &args)
    {
        CellStyle style = m_sheet.defaultStyle();
        for (const Token &arg : args)
            applyStyleAttribute(style, arg);
        m_sheet.setDefaultStyle(style);
    }

    void readStyle(const QList<Token> &args)
    {
        if (args.isEmpty() || !args[0].key.isEmpty() || args[0].quoted)
            throw FormatError{QStringLiteral("缺少样式名")};
        CellStyle style = m_sheet.defaultStyle();
        for (const Token &arg : args.mid(1))
            applyStyleAttribute(style, arg);
        m_styles.insert(args[0].value, style);
    }

    void readSize(const QList<Token> &args, bool columns)
    {
        if (args.size() != 2 || !args[0].key.isEmpty())
            throw FormatError{columns ? QStringLiteral("应为 column 列[-列] width=缇") : QStringLiteral("应为 row 行[-行] height=缇")};
        const auto [first, last] = toSpan(args[0].value, columns);
        const int twips = toInt(keyed(args, 1, columns ? "width" : "height").value, 0, 32767, QStringLiteral("尺寸"));
        for (int i = first; i <= last; ++i) {
            if (columns)
                m_sheet.setColWidth(i, twips);
            else
                m_sheet.setRowHeight(i, twips);
        }
    }

    const CellStyle &namedStyle(const Token &token) const
    {
        const auto it = m_styles.find(token.value);
        if (it == m_styles.end())
            throw FormatError{QStringLiteral("样式“%1”未定义").arg(token.value)};
        return *it;
    }

    void readCells(const QList<Token> &args)
    {
        if (args.size() != 2 || !args[0].key.isEmpty() || !args[1].key.isEmpty() || args[1].quoted)
            throw FormatError{QStringLiteral("应为 cells 区域 样式名")};
        const CellRange range = toRange(args[0].value);
        const CellStyle &style = namedStyle(args[1]);
        for (int row = range.top; row <= range.bottom; ++row)
            for (int col = range.left; col <= range.right; ++col)
                m_sheet.setStyle(row, col, style);
        note(range);
    }

    void readCell(const QList<Token> &args)
    {
        if (args.isEmpty() || args.size() > 3 || !args[0].key.isEmpty())
            throw FormatError{QStringLiteral("应为 cell 单元格 [样式名] [\"文字\"]")};
        const auto cell = CellReference::parseCell(args[0].value);
        if (!cell)
            throw FormatError{QStringLiteral("单元格引用“%1”无效").arg(args[0].value)};
        for (const Token &arg : args.mid(1)) {
            if (!arg.key.isEmpty())
                throw FormatError{QStringLiteral("应为 cell 单元格 [样式名] [\"文字\"]")};
        }
        int next = 1;
        if (next < args.size() && !args[next].quoted)
            m_sheet.setStyle(cell->top, cell->left, namedStyle(args[next++]));
        if (next < args.size()) {
            if (!args[next].quoted)
                throw FormatError{QStringLiteral("单元格文字应加引号")};
            m_sheet.setText(cell->top, cell->left, args[next++].value);
        }
        if (next != args.size())
            throw FormatError{QStringLiteral("应为 cell 单元格 [样式名] [\"文字\"]")};
        note(*cell);
    }

    void readMerge(const QList<Token> &args)
    {
        if (args.size() != 1 || !args[0].key.isEmpty())
            throw FormatError{QStringLiteral("应为 merge 区域")};
        const CellRange range = toRange(args[0].value);
        for (const CellRange &other : m_sheet.merges())
            if (other.intersects(range))
                throw FormatError{QStringLiteral("合并区域 %1 与 %2 重叠").arg(CellReference::range(range), CellReference::range(other))};
        m_sheet.addMerge(range);
    }

    void note(const CellRange &range)
    {
        m_maxRow = std::max(m_maxRow, range.bottom);
        m_maxCol = std::max(m_maxCol, range.right);
    }

    Sheet &m_sheet;
    QHash<QString, CellStyle> m_styles;
    bool m_versionSeen = false;
    bool m_usedGiven = false;
    int m_maxRow = 0;
    int m_maxCol = 0;
};

}  // namespace

Sheet TemplateReader::readFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw AppError(ErrorNumber::FileMissing, QStringLiteral("文件未找到：%1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(ErrorNumber::FileMissing, QStringLiteral("无法读取文件：%1（%2）").arg(path, file.errorString()));
    return readText(file.readAll(), path);
}

Sheet TemplateReader::readText(const QByteArray &utf8, const QString &fileName)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(utf8);
    if (decoder.hasError())
        throw AppError(ErrorNumber::BadFileFormat, QStringLiteral("模板文件格式错误：%1：不是 UTF-8 文字").arg(fileName));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    Sheet sheet;
    StatementReader reader(sheet);
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        try {
            QString line = lines[i];
            if (line.endsWith(u'\r'))
                line.chop(1);
            const QList<Token> tokens = tokenize(line);
            if (!tokens.isEmpty())
                reader.read(tokens);
        } catch (const FormatError &error) {
            throw AppError(ErrorNumber::BadFileFormat,
                           QStringLiteral("模板文件格式错误：%1 第 %2 行：%3").arg(fileName, QString::number(i + 1), error.reason));
        }
    }
    try {
        reader.finish();
    } catch (const FormatError &error) {
        throw AppError(ErrorNumber::BadFileFormat, QStringLiteral("模板文件格式错误：%1：%2").arg(fileName, error.reason));
    }
    return sheet;
}

}  // namespace hestova::spreadsheet
