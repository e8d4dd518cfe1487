#include "windows/About.h"

#include "windows/OwnedByMainform.h"

#include "forms/Handler.h"
#include "screen/OleColor.h"
#include "shell/UrlService.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>


About::About() : SkinnedForm(QStringLiteral("About")), m_picture1(new QFrame(client()))
{
    m_picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture1->setMouseTracking(true);
    m_picture1->installEventFilter(this);
    applyDesign(m_picture1, QStringLiteral("Picture1"));
    // The four labels live in the picture box; their places are relative to it.
    for (const QString &name : {QStringLiteral("Label4"), QStringLiteral("Label1"), QStringLiteral("Label2"),
                                QStringLiteral("Label3")}) {
        auto *label = new QLabel(m_picture1);
        applyDesign(label, name);
        if (name == QLatin1String("Label3"))
            m_label3 = label;
        else  // plain text: the picture box sees the mouse moving over it
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_label3->setMouseTracking(true);
    m_label3->installEventFilter(this);
    setLinkColour(definition().control(QStringLiteral("Label3")).foreColor.value_or(LinkColour));
    onClick(QStringLiteral("command2"), [this] { command2_Click(); });
}

QString About::makerAddress()
{
    return QStringLiteral("https://www.hestova.example/");
}

void About::Form_Load()
{
    OwnedByMainform::hold(*this);
    skinAboutWindow(hestova::host::WindowIcon, {QStringLiteral("command2"), QStringLiteral("Picture1")});
}

void About::Form_Unload()
{
    OwnedByMainform::release();
}

void About::command2_Click()
{
    Unload();
}

void About::Label3_Click()
{
    // A page that cannot be opened leaves the box as it is.
    hestova::UrlService::openUrl(makerAddress());
}

void About::Label3_MouseMove()
{
    if (m_linkColour != LinkHoverColour)
        setLinkColour(LinkHoverColour);
}

void About::Picture1_MouseMove()
{
    if (m_linkColour != LinkColour)
        setLinkColour(LinkColour);
}

void About::setLinkColour(quint32 colour)
{
    m_linkColour = colour;
    QPalette palette = m_label3->palette();
    palette.setColor(QPalette::WindowText, hestova::toQColor(colour));
    m_label3->setPalette(palette);
}

bool About::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label3 && event->type() == QEvent::MouseMove) {
        hestova::forms::RunHandler([this] { Label3_MouseMove(); });
        return true;  // the picture box under the label must not see this move
    }
    if (watched == m_picture1 && event->type() == QEvent::MouseMove) {
        hestova::forms::RunHandler([this] { Picture1_MouseMove(); });
    } else if (watched == m_label3 && event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
               && m_label3->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        hestova::forms::RunHandler([this] { Label3_Click(); });
    }
    return SkinnedForm::eventFilter(watched, event);
}
