#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QVariantMap>
#include <optional>

class QWidget;

namespace hestova::forms {

// The designed values of one control of a window (lengths in twips, relative to the window's client area).
struct ControlDefinition {
    QString name;                      // designer name, e.g. "qeTobrel1", "Option1(3)"
    QString kind;                      // e.g. "Label", "Tobrel", "Brantle", "PictureBox"
    std::optional<QRect> geometry;     // left, top, width, height
    std::optional<QString> caption;
    std::optional<QFont> font;
    std::optional<quint32> foreColor;  // 0x00BBGGRR or a system colour
    std::optional<quint32> backColor;
    bool visible = true;
    bool enabled = true;
    QVariantMap properties;            // free-form designed properties; "&H…" colour texts become numbers
};

// The designed values of one window, kept as data in ":/forms/<name>.json" (format: data/forms/README.md).
struct FormDefinition {
    enum class StartUpPosition { Manual, CenterScreen };

    QString name;
    QString caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    StartUpPosition startUpPosition = StartUpPosition::CenterScreen;
    int left = 0;          // twips, for a manual position
    int top = 0;
    std::optional<quint32> backColor;
    std::optional<QFont> font;
    QList<ControlDefinition> controls;

    // The control of that name; throws AppError 5 when the window has none.
    const ControlDefinition &control(const QString &controlName) const;
    bool hasControl(const QString &controlName) const;

    // Reads the window's definition from the resources; AppError 53 when there is none, 321 when malformed.
    static FormDefinition load(const QString &formName);
    // Reads a definition from JSON text; AppError 321 when malformed.
    static FormDefinition parse(const QByteArray &json, const QString &formName);
};

// Gives a plain widget its designed place, caption ("text" property), font, colours, visibility and state; a
// label or line is made a lightweight control (LightweightControls).
void applyControlDefinition(QWidget *widget, const ControlDefinition &definition);

}  // namespace hestova::forms
