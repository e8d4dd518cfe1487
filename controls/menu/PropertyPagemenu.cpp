#include "PropertyPagemenu.h"

#include "UCQuillon.h"
#include "common/LateBound.h"
#include "common/MessageBoxHook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace hestova::quillon {

PropertyPagemenu::PropertyPagemenu(QWidget *parent) : PropertyPage(parent)
{
    setObjectName(QStringLiteral("PropertyPagemenu"));
    setWindowTitle(QStringLiteral("PropertyPagemenu"));
    txtColSytleSel = addList(QStringLiteral("txtColSytleSel"),
                             QStringLiteral("ColSytleSel:(高亮度显示被选中菜单的颜色填充样式)"), lblColSytleSel);
    txtBorderSytleSel = addList(QStringLiteral("txtBorderSytleSel"),
                                QStringLiteral("BorderSytleSel:(高亮度显示被选中菜单的边框样式)"), lblBorderSytleSel);
    chkSetFont = new QCheckBox(QStringLiteral("SetFont(是否把窗体的FONT属性应用于菜单文字)"), this);
    chkSetFont->setObjectName(QStringLiteral("chkSetFont"));
    txtItemHeight = addText(QStringLiteral("txtItemHeight"), QStringLiteral("ItemHeight:(菜单项的高度，一般要大于BitmapWidth)"),
                            lblItemHeight);
    txtBitmapWidth = addText(QStringLiteral("txtBitmapWidth"), QStringLiteral("BitmapWidth:(菜单图标的宽度，一般为16)"),
                             lblBitmapWidth);

    // The border list is filled first.
    txtBorderSytleSel->addItems({QStringLiteral("0 - 无边框"), QStringLiteral("1 - FLAT边框"),
                                 QStringLiteral("2 - 3D凸边框"), QStringLiteral("3 - 3D凹边框"),
                                 QStringLiteral("4 - 3D凸边框+FLAT边框"), QStringLiteral("5 - 3D凹边框+FLAT边框")});
    txtColSytleSel->addItems({QStringLiteral("0 - 直接填充"), QStringLiteral("1 - 左右渐变填充"),
                              QStringLiteral("2 - 上下渐变填充"), QStringLiteral("3 - 上下到中间渐变填充"),
                              QStringLiteral("4 - 左右到中间渐变填充")});
    for (QComboBox *list : {txtColSytleSel, txtBorderSytleSel})
        list->setEditText(QStringLiteral("Combo1"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblColSytleSel, 0, 0);
    grid->addWidget(txtColSytleSel, 1, 0);
    grid->addWidget(lblBorderSytleSel, 2, 0);
    grid->addWidget(txtBorderSytleSel, 3, 0);
    grid->addWidget(chkSetFont, 4, 0);
    grid->addWidget(lblItemHeight, 5, 0);
    grid->addWidget(txtItemHeight, 6, 0);
    grid->addWidget(lblBitmapWidth, 7, 0);
    grid->addWidget(txtBitmapWidth, 8, 0);
    grid->setRowStretch(9, 1);

    connect(chkSetFont, &QCheckBox::clicked, this, [this] { setChanged(true); });
    describeFields(UCQuillon::staticMetaObject, {{txtColSytleSel, "ColSytleSel"},
                                                 {txtBorderSytleSel, "BorderSytleSel"},
                                                 {chkSetFont, "SetFont"},
                                                 {txtItemHeight, "ItemHeight"},
                                                 {txtBitmapWidth, "BitmapWidth"}});
}

QComboBox *PropertyPagemenu::addList(const QString &name, const QString &caption, QLabel *&label)
{
    label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + name.mid(3));
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    connect(list, &QComboBox::currentTextChanged, this, [this] { setChanged(true); });
    return list;
}

QLineEdit *PropertyPagemenu::addText(const QString &name, const QString &caption, QLabel *&label)
{
    label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + name.mid(3));
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    connect(field, &QLineEdit::textChanged, this, [this] { setChanged(true); });
    return field;
}

void PropertyPagemenu::refuse(const QLabel *label, const QString &what)
{
    controls::showMessageBox(this, label->text() + QStringLiteral("：") + what, controls::MsgBoxStyle::Information,
                             QStringLiteral("提示"));
}

void PropertyPagemenu::showIndex(QComboBox *list, const QLabel *label, int index)
{
    if (index < 0 || index >= list->count()) {
        list->setCurrentIndex(-1);
        refuse(label, QStringLiteral("值 %1 不在列表中。").arg(index));
        return;
    }
    list->setCurrentIndex(index);
}

void PropertyPagemenu::SelectionChanged()
{
    const QList<QObject *> selected = SelectedControls();
    if (selected.isEmpty())
        return;
    controls::LateBound control(selected.first());
    chkSetFont->setChecked(control.get("SetFont").toBool());
    showIndex(txtColSytleSel, lblColSytleSel, control.get("ColSytleSel").toInt());
    showIndex(txtBorderSytleSel, lblBorderSytleSel, control.get("BorderSytleSel").toInt());
    txtItemHeight->setText(QString::number(control.get("ItemHeight").toInt()));
    txtBitmapWidth->setText(QString::number(control.get("BitmapWidth").toInt()));
    setChanged(false);
}

bool PropertyPagemenu::listIndexOf(const QComboBox *list, const QLabel *label, int &index)
{
    index = list->findText(list->currentText(), Qt::MatchExactly);
    if (index >= 0)
        return true;
    refuse(label, QStringLiteral("请从列表中选择一项。"));
    return false;
}

bool PropertyPagemenu::shortOf(const QLineEdit *field, const QLabel *label, short &value)
{
    bool ok = false;
    const int number = QLocale::c().toInt(field->text().trimmed(), &ok);
    if (ok && number >= -32768 && number <= 32767) {
        value = short(number);
        return true;
    }
    refuse(label, QStringLiteral("必须是 -32768 到 32767 之间的整数。"));
    return false;
}

bool PropertyPagemenu::ApplyChanges()
{
    const QList<QObject *> selected = SelectedControls();
    if (selected.isEmpty())
        return true;  // nothing to write to
    int colStyle = 0, borderStyle = 0;
    short itemHeight = 0, bitmapWidth = 0;
    if (!listIndexOf(txtColSytleSel, lblColSytleSel, colStyle)
        || !listIndexOf(txtBorderSytleSel, lblBorderSytleSel, borderStyle)
        || !shortOf(txtItemHeight, lblItemHeight, itemHeight) || !shortOf(txtBitmapWidth, lblBitmapWidth, bitmapWidth))
        return false;
    controls::LateBound control(selected.first());
    control.set("SetFont", chkSetFont->isChecked());
    control.set("ColSytleSel", colStyle);
    control.set("BorderSytleSel", borderStyle);
    control.set("ItemHeight", itemHeight);
    control.set("BitmapWidth", bitmapWidth);
    return true;
}

}  // namespace hestova::quillon
