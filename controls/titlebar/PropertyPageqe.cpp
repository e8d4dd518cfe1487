#include "PropertyPageqe.h"

#include "UCtitlebar.h"
#include "common/LateBound.h"
#include "common/MessageBoxHook.h"
#include "screen/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace hestova::titlebar {

namespace {

// Places a page control as designed (twips).
template <typename W>
W *placed(W *widget, int left, int top, int width, int height)
{
    widget->setGeometry(pixelsFromTwips(left), pixelsFromTwips(top),
                        pixelsFromTwips(width), pixelsFromTwips(height));
    return widget;
}

bool ticked(const QCheckBox *box)
{
    return box->checkState() != Qt::Unchecked;  // ticked or grey
}

}  // namespace

PropertyPageqe::PropertyPageqe(QWidget *parent)
    : PropertyPage(parent),
      m_lblBtnsize(placed(new QLabel(QStringLiteral("Btnsize:(标题栏图标的大小)"), this), 1530, 240, 2700, 240)),
      m_txtBtnsize(placed(new QLineEdit(this), 1530, 495, 2700, 330)),
      m_lblCaption(placed(new QLabel(QStringLiteral("Caption:(标题栏文字)"), this), 1560, 1080, 2700, 240)),
      m_txtCaption(placed(new QLineEdit(this), 1530, 1320, 2700, 330)),
      m_chkbMin(placed(new QCheckBox(QStringLiteral("bMin(标题栏是否有最小化按扭)"), this), 1560, 1920, 3660, 285)),
      m_chkbMax(placed(new QCheckBox(QStringLiteral("bMax(标题栏是否有最大化按扭)"), this), 1560, 2400, 3660, 285)),
      m_chkbClose(placed(new QCheckBox(QStringLiteral("bClose(标题栏是否有关闭按扭)"), this), 1560, 2880, 3660, 285))
{
    setWindowTitle(QStringLiteral("PropertyPageqe"));
    setObjectName(QStringLiteral("PropertyPageqe"));
    resize(pixelsFromTwips(5925), pixelsFromTwips(3495));
    m_lblBtnsize->setObjectName(QStringLiteral("lblBtnsize"));
    m_txtBtnsize->setObjectName(QStringLiteral("txtBtnsize"));
    m_lblCaption->setObjectName(QStringLiteral("lblCaption"));
    m_txtCaption->setObjectName(QStringLiteral("txtCaption"));
    m_chkbMin->setObjectName(QStringLiteral("chkbMin"));
    m_chkbMax->setObjectName(QStringLiteral("chkbMax"));
    m_chkbClose->setObjectName(QStringLiteral("chkbClose"));
    // Designed tab order: txtBtnsize, chkbMin, chkbMax, txtCaption, chkbClose.
    setTabOrder(m_txtBtnsize, m_chkbMin);
    setTabOrder(m_chkbMin, m_chkbMax);
    setTabOrder(m_chkbMax, m_txtCaption);
    setTabOrder(m_txtCaption, m_chkbClose);
    describeFields(UCtitlebar::staticMetaObject, {{m_txtBtnsize, "Btnsize"},
                                                  {m_txtCaption, "Caption"},
                                                  {m_chkbMin, "bMin"},
                                                  {m_chkbMax, "bMax"},
                                                  {m_chkbClose, "bClose"}});

    for (QCheckBox *box : {m_chkbMin, m_chkbMax, m_chkbClose})
        connect(box, &QCheckBox::clicked, this, [this] { setChanged(true); });
    for (QLineEdit *edit : {m_txtBtnsize, m_txtCaption})
        connect(edit, &QLineEdit::textChanged, this, [this] { setChanged(true); });
}

void PropertyPageqe::SelectionChanged()
{
    const QList<QObject *> selected = SelectedControls();
    if (selected.isEmpty())
        return;
    controls::LateBound control(selected.first());
    m_chkbClose->setChecked(control.get("bClose").toBool());
    m_txtCaption->setText(control.get("Caption").toString());
    m_chkbMax->setChecked(control.get("bMax").toBool());
    m_chkbMin->setChecked(control.get("bMin").toBool());
    m_txtBtnsize->setText(QString::number(control.get("Btnsize").toInt()));
}

bool PropertyPageqe::ApplyChanges()
{
    const QList<QObject *> selected = SelectedControls();
    if (selected.isEmpty())
        return true;

    // Every field is checked before anything is written.
    bool isNumber = false;
    const double size = m_txtBtnsize->text().trimmed().toDouble(&isNumber);
    if (!isNumber || size < std::numeric_limits<int>::min() || size > std::numeric_limits<int>::max()) {
        m_lastError = QStringLiteral("Btnsize 必须是整数：“%1”").arg(m_txtBtnsize->text());
        controls::showMessageBox(this, m_lastError, controls::MsgBoxStyle::Exclamation,
                                 QStringLiteral("PropertyPageqe"));
        m_txtBtnsize->setFocus();
        return false;
    }
    m_lastError.clear();

    controls::LateBound control(selected.first());
    control.set("bClose", ticked(m_chkbClose));
    control.set("Caption", m_txtCaption->text());
    control.set("bMax", ticked(m_chkbMax));
    control.set("bMin", ticked(m_chkbMin));
    control.set("Btnsize", int(roundHalfEven(size)));
    return true;
}

}  // namespace hestova::titlebar
