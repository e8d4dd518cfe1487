#include "button/PropertyPagebotton.h"

#include "button/ButtonLayout.h"
#include "common/MessageBoxHook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace hestova::tobrel {

namespace {

const QStringList borderStyleItems = {
    QStringLiteral("0 - 无边框"),           QStringLiteral("1 - FLAT边框"),
    QStringLiteral("2 - 3D凸边框"),         QStringLiteral("3 - 3D凹边框"),
    QStringLiteral("4 - 3D凸边框+FLAT边框"), QStringLiteral("5 - 3D凹边框+FLAT边框"),
};

const QStringList styleItems = {QStringLiteral("0 - 左右"), QStringLiteral("1 - 上下")};

// A list position to show: an item's position, or no item (the number stays readable as the text).
void showPosition(QComboBox *combo, int position)
{
    if (position >= 0 && position < combo->count()) {
        combo->setCurrentIndex(position);
        return;
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(position == -1 ? QString() : QString::number(position));
}

}  // namespace

PropertyPagebotton::PropertyPagebotton(QWidget *parent) : PropertyPage(parent)
{
    setObjectName(QStringLiteral("PropertyPagebotton"));
    auto *grid = new QGridLayout(this);
    txtKeys = addText(QStringLiteral("Keys:(快捷键)"), lblKeys);
    txtTipText = addText(QStringLiteral("ToolTipText:(按扭说明文字)"), lblToolTipText);
    chkEnabled = new QCheckBox(QStringLiteral("是否有效"), this);
    chkEnabled->setObjectName(QStringLiteral("chkEnabled"));
    txtBorderStyleOut = addCombo(QStringLiteral("BorderStyleOut: (常态下边框样式)"), lblBorderStyleOut, borderStyleItems);
    txtBorderStyleMove = addCombo(QStringLiteral("BorderStyleMove:(得到焦点边框样式)"), lblBorderStyleMove, borderStyleItems);
    txtBorderStyleDown = addCombo(QStringLiteral("BorderStyleDown:(鼠标按下边框样式)"), lblBorderStyleDown, borderStyleItems);
    txtCaption = addText(QStringLiteral("Caption:(按扭文字)"), lblCaption);
    txtImageSize = addText(QStringLiteral("ImageSize:(bmp为图标的大小)"), lblImageSize);
    txtStyle = addCombo(QStringLiteral("Style:(图标和文字的布局)"), lblStyle, styleItems);
    txtPersent = addText(QStringLiteral("Persent:(图形部分所占百分比)"), lblPersent);

    const QList<QPair<QWidget *, const char *>> names = {
        {txtKeys, "txtKeys"}, {txtTipText, "txtTipText"}, {txtBorderStyleDown, "txtBorderStyleDown"},
        {txtBorderStyleMove, "txtBorderStyleMove"}, {txtBorderStyleOut, "txtBorderStyleOut"},
        {txtCaption, "txtCaption"}, {txtImageSize, "txtImageSize"}, {txtStyle, "txtStyle"},
        {txtPersent, "txtPersent"}, {lblKeys, "lblKeys"}, {lblToolTipText, "lblToolTipText"},
        {lblBorderStyleDown, "lblBorderStyleDown"}, {lblBorderStyleMove, "lblBorderStyleMove"},
        {lblBorderStyleOut, "lblBorderStyleOut"}, {lblCaption, "lblCaption"}, {lblImageSize, "lblImageSize"},
        {lblStyle, "lblStyle"}, {lblPersent, "lblPersent"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    const QList<QPair<QLabel *, QWidget *>> rows = {
        {lblCaption, txtCaption},       {lblToolTipText, txtTipText},  {lblKeys, txtKeys},
        {lblBorderStyleOut, txtBorderStyleOut}, {lblBorderStyleMove, txtBorderStyleMove},
        {lblBorderStyleDown, txtBorderStyleDown}, {lblStyle, txtStyle}, {lblPersent, txtPersent},
        {lblImageSize, txtImageSize},
    };
    int row = 0;
    for (const auto &[label, field] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->addWidget(chkEnabled, row, 1);
    connect(chkEnabled, &QCheckBox::clicked, this, [this] { setChanged(true); });
}

QLineEdit *PropertyPagebotton::addText(const QString &caption, QLabel *&label)
{
    label = new QLabel(caption, this);
    auto *field = new QLineEdit(this);
    connect(field, &QLineEdit::textChanged, this, [this] { setChanged(true); });
    return field;
}

QComboBox *PropertyPagebotton::addCombo(const QString &caption, QLabel *&label, const QStringList &items)
{
    label = new QLabel(caption, this);
    auto *combo = new QComboBox(this);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    connect(combo, &QComboBox::editTextChanged, this, [this] { setChanged(true); });
    connect(combo, &QComboBox::currentIndexChanged, this, [this] { setChanged(true); });
    return combo;
}

int PropertyPagebotton::listPosition(const QComboBox *combo)
{
    return combo->findText(combo->currentText(), Qt::MatchExactly);
}

void PropertyPagebotton::SelectionChanged()
{
    const QList<QObject *> selected = SelectedControls();
    if (selected.isEmpty())
        return;
    QObject *button = selected.first();
    txtKeys->setText(button->property("Keys").toString());
    txtTipText->setText(button->property("TipText").toString());
    chkEnabled->setChecked(button->property("Enabled").toBool());
    showPosition(txtBorderStyleDown, button->property("BorderStyleDown").toInt());
    showPosition(txtBorderStyleMove, button->property("BorderStyleMove").toInt());
    showPosition(txtBorderStyleOut, button->property("BorderStyleOut").toInt());
    txtCaption->setText(button->property("Caption").toString());
    txtImageSize->setText(QString::number(button->property("ImageSize").toInt()));
    showPosition(txtStyle, button->property("Style").toInt());
    txtPersent->setText(QString::number(button->property("Persent").toInt()));
}

bool PropertyPagebotton::numberOf(const QLineEdit *field, const QLabel *label, int &value)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(field->text().trimmed(), &ok);
    if (ok && number >= -2147483648.5 && number < 2147483647.5) {
        value = nearestPixel(number);
        return true;
    }
    controls::showMessageBox(this, label->text() + QStringLiteral(" 必须是一个整数。"),
                             controls::MsgBoxStyle::Information, QStringLiteral("提示"));
    return false;
}

bool PropertyPagebotton::ApplyChanges()
{
    const QList<QObject *> selected = SelectedControls();
    if (selected.isEmpty())
        return true;  // nothing to write to
    int imageSize = 0, persent = 0;
    if (!numberOf(txtImageSize, lblImageSize, imageSize) || !numberOf(txtPersent, lblPersent, persent))
        return false;
    QObject *button = selected.first();
    button->setProperty("Keys", txtKeys->text());
    button->setProperty("TipText", txtTipText->text());
    button->setProperty("Enabled", chkEnabled->isChecked());
    button->setProperty("BorderStyleDown", listPosition(txtBorderStyleDown));
    button->setProperty("BorderStyleMove", listPosition(txtBorderStyleMove));
    button->setProperty("BorderStyleOut", listPosition(txtBorderStyleOut));
    button->setProperty("Caption", txtCaption->text());
    button->setProperty("ImageSize", imageSize);
    button->setProperty("Style", listPosition(txtStyle));
    button->setProperty("Persent", persent);
    return true;
}

}  // namespace hestova::tobrel
