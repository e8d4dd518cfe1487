#include "forms/FormDefinition.h"

#include "core/AppError.h"
#include "forms/Fonts.h"
#include "forms/LightweightControls.h"
#include "forms/Twips.h"
#include "screen/OleColor.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

namespace hestova::forms {

namespace {

class Reader {
public:
    explicit Reader(const QString &formName) : m_formName(formName) {}

    [[noreturn]] void fail(const QString &what) const
    {
        throw hestova::AppError(hestova::ErrorNumber::BadFileFormat,
                                QStringLiteral("窗体定义 %1 无效：%2").arg(m_formName, what));
    }

    void checkKeys(const QJsonObject &object, const QSet<QString> &allowed, const QString &where) const
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!allowed.contains(it.key()))
                fail(QStringLiteral("%1 中有未知的键 \"%2\"").arg(where, it.key()));
        }
    }

    int twips(const QJsonObject &object, const QString &key, const QString &where) const
    {
        const QJsonValue value = object.value(key);
        if (!value.isDouble() || value.toDouble() != double(qint64(value.toDouble())))
            fail(QStringLiteral("%1 的 %2 应为整数").arg(where, key));
        return int(value.toDouble());
    }

    QString text(const QJsonValue &value, const QString &what) const
    {
        if (!value.isString())
            fail(QStringLiteral("%1 应为文本").arg(what));
        return value.toString();
    }

    bool flag(const QJsonValue &value, const QString &what) const
    {
        if (!value.isBool())
            fail(QStringLiteral("%1 应为 true 或 false").arg(what));
        return value.toBool();
    }

    quint32 colour(const QJsonValue &value, const QString &what) const
    {
        if (value.isDouble() && value.toDouble() >= 0 && value.toDouble() <= 4294967295.0)
            return quint32(value.toDouble());
        if (value.isString()) {
            if (const auto parsed = parseOleColor(value.toString()))
                return *parsed;
        }
        fail(QStringLiteral("%1 不是颜色").arg(what));
    }

    QFont font(const QJsonValue &value, const QString &where) const
    {
        if (!value.isObject())
            fail(QStringLiteral("%1 的 font 应为对象").arg(where));
        const QJsonObject object = value.toObject();
        checkKeys(object, {QStringLiteral("name"), QStringLiteral("size"), QStringLiteral("bold"),
                           QStringLiteral("italic"), QStringLiteral("underline"), QStringLiteral("charset")},
                  where + QStringLiteral(" 的 font"));
        const QJsonValue size = object.value(QStringLiteral("size"));
        if (!size.isDouble() || size.toDouble() <= 0)
            fail(QStringLiteral("%1 的字号无效").arg(where));
        QFont result = makeFont(text(object.value(QStringLiteral("name")), where + QStringLiteral(" 的字体名")),
                                size.toDouble());
        if (object.contains(QStringLiteral("bold")))
            result.setBold(flag(object.value(QStringLiteral("bold")), QStringLiteral("bold")));
        if (object.contains(QStringLiteral("italic")))
            result.setItalic(flag(object.value(QStringLiteral("italic")), QStringLiteral("italic")));
        if (object.contains(QStringLiteral("underline")))
            result.setUnderline(flag(object.value(QStringLiteral("underline")), QStringLiteral("underline")));
        // "charset" is accepted for completeness; Qt picks the script from the text itself.
        return result;
    }

    QVariantMap properties(const QJsonValue &value, const QString &where) const
    {
        if (!value.isObject())
            fail(QStringLiteral("%1 的 properties 应为对象").arg(where));
        static const QRegularExpression colourText(QStringLiteral("^&H[0-9A-Fa-f]{1,8}&?$"));
        QVariantMap result = value.toObject().toVariantMap();
        for (auto it = result.begin(); it != result.end(); ++it) {
            if (it.value().typeId() == QMetaType::QString && colourText.match(it.value().toString()).hasMatch())
                it.value() = QVariant::fromValue(*parseOleColor(it.value().toString()));
        }
        return result;
    }

    ControlDefinition control(const QJsonValue &value, int index) const
    {
        const QString where = QStringLiteral("controls[%1]").arg(index);
        if (!value.isObject())
            fail(where + QStringLiteral(" 应为对象"));
        const QJsonObject object = value.toObject();
        checkKeys(object,
                  {QStringLiteral("name"), QStringLiteral("kind"), QStringLiteral("left"), QStringLiteral("top"),
                   QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("caption"),
                   QStringLiteral("font"), QStringLiteral("foreColor"), QStringLiteral("backColor"),
                   QStringLiteral("visible"), QStringLiteral("enabled"), QStringLiteral("properties")},
                  where);
        ControlDefinition result;
        result.name = text(object.value(QStringLiteral("name")), where + QStringLiteral(" 的 name"));
        const QString named = result.name;
        result.kind = text(object.value(QStringLiteral("kind")), named + QStringLiteral(" 的 kind"));
        const QStringList placeKeys{QStringLiteral("left"), QStringLiteral("top"), QStringLiteral("width"),
                                    QStringLiteral("height")};
        int present = 0;
        for (const QString &key : placeKeys)
            present += object.contains(key) ? 1 : 0;
        if (present == 4) {
            result.geometry = QRect(twips(object, placeKeys[0], named), twips(object, placeKeys[1], named),
                                    twips(object, placeKeys[2], named), twips(object, placeKeys[3], named));
        } else if (present != 0) {
            fail(named + QStringLiteral(" 须同时给出 left、top、width、height"));
        }
        if (object.contains(QStringLiteral("caption")))
            result.caption = text(object.value(QStringLiteral("caption")), named + QStringLiteral(" 的 caption"));
        if (object.contains(QStringLiteral("font")))
            result.font = font(object.value(QStringLiteral("font")), named);
        if (object.contains(QStringLiteral("foreColor")))
            result.foreColor = colour(object.value(QStringLiteral("foreColor")), named + QStringLiteral(" 的 foreColor"));
        if (object.contains(QStringLiteral("backColor")))
            result.backColor = colour(object.value(QStringLiteral("backColor")), named + QStringLiteral(" 的 backColor"));
        if (object.contains(QStringLiteral("visible")))
            result.visible = flag(object.value(QStringLiteral("visible")), named + QStringLiteral(" 的 visible"));
        if (object.contains(QStringLiteral("enabled")))
            result.enabled = flag(object.value(QStringLiteral("enabled")), named + QStringLiteral(" 的 enabled"));
        if (object.contains(QStringLiteral("properties")))
            result.properties = properties(object.value(QStringLiteral("properties")), named);
        return result;
    }

private:
    QString m_formName;
};

}  // namespace

const ControlDefinition &FormDefinition::control(const QString &controlName) const
{
    for (const ControlDefinition &candidate : controls) {
        if (candidate.name == controlName)
            return candidate;
    }
    throw hestova::AppError(hestova::ErrorNumber::InvalidArgument,
                            QStringLiteral("窗体 %1 没有控件 %2").arg(name, controlName));
}

bool FormDefinition::hasControl(const QString &controlName) const
{
    for (const ControlDefinition &candidate : controls) {
        if (candidate.name == controlName)
            return true;
    }
    return false;
}

FormDefinition FormDefinition::load(const QString &formName)
{
    QFile file(QStringLiteral(":/forms/%1.json").arg(formName));
    if (!file.open(QIODevice::ReadOnly))
        throw hestova::AppError(hestova::ErrorNumber::FileMissing,
                                QStringLiteral("文件未找到：窗体定义 %1").arg(formName));
    return parse(file.readAll(), formName);
}

FormDefinition FormDefinition::parse(const QByteArray &json, const QString &formName)
{
    const Reader reader(formName);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        reader.fail(QStringLiteral("JSON 错误（位置 %1）：%2").arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        reader.fail(QStringLiteral("顶层应为对象"));
    const QJsonObject object = document.object();
    const QString top = QStringLiteral("窗体");
    reader.checkKeys(object,
                     {QStringLiteral("caption"), QStringLiteral("clientWidth"), QStringLiteral("clientHeight"),
                      QStringLiteral("startUpPosition"), QStringLiteral("left"), QStringLiteral("top"),
                      QStringLiteral("backColor"), QStringLiteral("font"), QStringLiteral("controls")},
                     top);

    FormDefinition result;
    result.name = formName;
    result.caption = reader.text(object.value(QStringLiteral("caption")), QStringLiteral("caption"));
    result.clientWidth = reader.twips(object, QStringLiteral("clientWidth"), top);
    result.clientHeight = reader.twips(object, QStringLiteral("clientHeight"), top);
    if (result.clientWidth <= 0 || result.clientHeight <= 0)
        reader.fail(QStringLiteral("客户区尺寸须为正数"));

    const QString position = object.contains(QStringLiteral("startUpPosition"))
        ? reader.text(object.value(QStringLiteral("startUpPosition")), QStringLiteral("startUpPosition"))
        : QStringLiteral("centerScreen");
    if (position == QStringLiteral("centerScreen")) {
        result.startUpPosition = StartUpPosition::CenterScreen;
    } else if (position == QStringLiteral("manual")) {
        result.startUpPosition = StartUpPosition::Manual;
        result.left = reader.twips(object, QStringLiteral("left"), top);
        result.top = reader.twips(object, QStringLiteral("top"), top);
    } else {
        reader.fail(QStringLiteral("startUpPosition 应为 centerScreen 或 manual"));
    }

    if (object.contains(QStringLiteral("backColor")))
        result.backColor = reader.colour(object.value(QStringLiteral("backColor")), QStringLiteral("backColor"));
    if (object.contains(QStringLiteral("font")))
        result.font = reader.font(object.value(QStringLiteral("font")), top);

    const QJsonValue controls = object.value(QStringLiteral("controls"));
    if (!controls.isUndefined() && !controls.isArray())
        reader.fail(QStringLiteral("controls 应为数组"));
    const QJsonArray list = controls.toArray();
    for (int i = 0; i < list.size(); ++i) {
        ControlDefinition control = reader.control(list.at(i), i);
        if (result.hasControl(control.name))
            reader.fail(QStringLiteral("控件 %1 重复").arg(control.name));
        result.controls.append(control);
    }
    return result;
}

void applyControlDefinition(QWidget *widget, const ControlDefinition &definition)
{
    widget->setObjectName(definition.name);
    if (definition.geometry)
        Twips::move(widget, definition.geometry->x(), definition.geometry->y(), definition.geometry->width(),
                    definition.geometry->height());
    if (definition.caption)
        widget->setProperty("text", *definition.caption);
    if (definition.font)
        widget->setFont(*definition.font);
    if (definition.foreColor || definition.backColor) {
        QPalette palette = widget->palette();
        if (definition.foreColor) {
            const QColor colour = toQColor(*definition.foreColor);
            for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                palette.setColor(role, colour);
        }
        if (definition.backColor) {
            const QColor colour = toQColor(*definition.backColor);
            for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
                palette.setColor(role, colour);
            widget->setAutoFillBackground(true);
        }
        widget->setPalette(palette);
    }
    widget->setEnabled(definition.enabled);
    if (!definition.visible)
        widget->hide();
    else if (widget->parentWidget())  // never turn a parentless widget into a window of its own
        widget->show();
    if (definition.kind == QLatin1String("Label") || definition.kind == QLatin1String("Line"))
        LightweightControls::add(widget);
}

}  // namespace hestova::forms
