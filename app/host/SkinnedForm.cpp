#include "host/SkinnedForm.h"

#include "host/ControlLibraries.h"

#include "common/ControlLoader.h"
#include "common/Picture.h"
#include "common/PropertyBag.h"
#include "common/UserControl.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "forms/Handler.h"
#include "forms/MessageBox.h"
#include "forms/Picture.h"
#include "forms/PopupMenu.h"
#include "forms/Twips.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPixmap>

namespace hestova::host {

namespace {

constexpr quint32 FrameColour = 0xB08000;
constexpr quint32 FrameHighlight = 0xFFFFFF;
constexpr quint32 TitleBarColour = 0x8080FF;
constexpr int TitleButtonPixels = 15;
constexpr int TitleBarTwips = 280;
constexpr int PopupLeftOffset = 30;

const QString BackgroundPicture = QStringLiteral("\\skin\\Bkground.BMP");

// Designed control kinds that the control libraries provide.
QString progIdOf(const QString &kind)
{
    if (kind == QLatin1String("UCtitlebar"))
        return QStringLiteral("工程1.UCtitlebar");
    if (kind == QLatin1String("qeTobrel"))
        return QStringLiteral("Tobrel.qeTobrel");
    if (kind == QLatin1String("UCQuillon"))
        return QStringLiteral("Quillon.UCQuillon");
    return {};
}

// A bag text naming a picture among the program's resources becomes that picture.
QVariant bagValue(const QVariant &designed)
{
    if (designed.typeId() != QMetaType::QString)
        return designed;
    const QString text = designed.toString();
    if (!text.startsWith(QLatin1String(":/")))
        return designed;
    if (text.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive)) {
        const QIcon icon(text);
        if (icon.availableSizes().isEmpty())
            throw AppError(forms::InvalidPicture, QStringLiteral("无效图片：%1").arg(text));
        return controls::Picture::icon(icon);
    }
    const QPixmap pixmap(text);
    if (pixmap.isNull())
        throw AppError(forms::InvalidPicture, QStringLiteral("无效图片：%1").arg(text));
    return controls::Picture::bitmap(pixmap);
}

controls::PropertyBag bagOf(const forms::ControlDefinition &definition)
{
    controls::PropertyBag bag;
    for (auto it = definition.properties.cbegin(); it != definition.properties.cend(); ++it)
        bag.write(it.key(), bagValue(it.value()));
    if (definition.caption && !bag.contains(QStringLiteral("Caption")))
        bag.write(QStringLiteral("Caption"), *definition.caption);
    if (definition.font && !bag.contains(QStringLiteral("Font")))
        bag.write(QStringLiteral("Font"), *definition.font);
    if (definition.foreColor && !bag.contains(QStringLiteral("ForeColor")))
        bag.write(QStringLiteral("ForeColor"), *definition.foreColor);
    if (definition.backColor && !bag.contains(QStringLiteral("BackColor")))
        bag.write(QStringLiteral("BackColor"), *definition.backColor);
    return bag;
}

}  // namespace

SkinnedForm::SkinnedForm(const QString &definitionName) : Form(definitionName)
{
    m_controlsCreated = forms::RunHandler([this] { createHostedControls(); });
    if (hasHostedControl(QStringLiteral("UCtitlebar1"))) {
        onEvent(QStringLiteral("UCtitlebar1"), "MouseDown", [this](const QVariantList &a) {
            UCtitlebar1_MouseDown(short(a.value(0).toInt()), short(a.value(1).toInt()), a.value(2).toFloat(),
                                  a.value(3).toFloat());
        });
    }
}

SkinnedForm::~SkinnedForm() = default;

void SkinnedForm::createHostedControls()
{
    for (const forms::ControlDefinition &definition : definition().controls) {
        const QString progId = progIdOf(definition.kind);
        if (progId.isEmpty())
            continue;
        QWidget *widget = ControlLibraries::loader().createControl(progId, client());
        widget->setObjectName(definition.name);
        m_hosted[definition.name] = std::make_unique<controls::LateBound>(widget);
        if (auto *persistent = qobject_cast<controls::PersistentControl *>(widget))
            persistent->ReadProperties(bagOf(definition));
        if (definition.geometry) {
            const QRect &g = *definition.geometry;
            forms::Twips::move(widget, g.x(), g.y(), g.width(), g.height());
        }
        widget->setVisible(definition.visible);
        if (!definition.enabled)
            m_hosted[definition.name]->set("Enabled", false);
    }
}

controls::LateBound &SkinnedForm::control(const QString &name)
{
    const auto it = m_hosted.find(name);
    if (it == m_hosted.end() || !it->second->object())
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("窗口 %1 没有控件 %2").arg(definition().name, name));
    return *it->second;
}

bool SkinnedForm::hasHostedControl(const QString &name) const
{
    const auto it = m_hosted.find(name);
    return it != m_hosted.end() && it->second->object();
}

QWidget *SkinnedForm::controlWidget(const QString &name) const
{
    auto *widget = client()->findChild<QWidget *>(name);
    if (!widget)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("窗口 %1 没有控件 %2").arg(definition().name, name));
    return widget;
}

void SkinnedForm::onEvent(const QString &controlName, const QByteArray &event,
                          std::function<void(const QVariantList &)> handler)
{
    // When the control libraries failed, that was reported once; the window opens without their controls.
    if (!m_controlsCreated && !hasHostedControl(controlName))
        return;
    control(controlName).connectEvent(event, this, [handler = std::move(handler)](const QVariantList &arguments) {
        forms::RunHandler([&] { handler(arguments); });
    });
}

void SkinnedForm::onClick(const QString &controlName, std::function<void()> handler)
{
    onEvent(controlName, "Click", [handler = std::move(handler)](const QVariantList &) { handler(); });
}

void SkinnedForm::setTitleBarLook()
{
    controls::LateBound &titleBar = UCtitlebar1();
    titleBar.set("Btnsize", TitleButtonPixels);
    titleBar.set("Height", TitleBarTwips);
    titleBar.set("BackColor", TitleBarColour);
}

void SkinnedForm::setSkinPictures(const QList<QPair<QByteArray, QString>> &pictures)
{
    controls::LateBound &titleBar = UCtitlebar1();
    QStringList missing;
    int firstNumber = 0;
    for (const auto &[property, path] : pictures) {
        QVariant picture;
        try {
            picture = forms::LoadPicture(path);
        } catch (const AppError &error) {
            // The window opens without this picture; all missing ones are reported together below.
            if (missing.isEmpty())
                firstNumber = error.number();
            missing.append(error.description());
            continue;
        }
        titleBar.set(property, picture);
    }
    if (!missing.isEmpty())
        forms::ReportError(AppError(firstNumber, missing.join(QLatin1Char('\n'))));
}

void SkinnedForm::skinWindow(const QString &titleIcon, const QStringList &movedControls)
{
    BorderColor1 = FrameColour;
    BorderColor2 = FrameHighlight;
    setTitleBarLook();
    setSkinPictures({
        {"ImageTitleN", titleIcon},
        {"ImageCloseN", QStringLiteral("\\skin\\close.bmp")},
        {"ImageMinN", QStringLiteral("\\skin\\min.bmp")},
        {"ImageMaxN", QStringLiteral("\\skin\\max.bmp")},
        {"ImageRestoreN", QStringLiteral("\\skin\\restore.bmp")},
        {"ImageCloseD", QStringLiteral("\\skin\\closedown.bmp")},
        {"ImageMinD", QStringLiteral("\\skin\\mindown.bmp")},
        {"ImageMaxD", QStringLiteral("\\skin\\maxdown.bmp")},
        {"ImageRestoreD", QStringLiteral("\\skin\\restoredown.bmp")},
        {"BGpic", QStringLiteral("\\skin\\Caption.bmp")},
    });
    UCtitlebar1().invoke("Convert", {controls::objectArgument(this)});
    UCtitlebar1().set("Top", 0);
    UCtitlebar1().set("Left", 0);
    moveBelowTitleBar(movedControls);
}

void SkinnedForm::skinAboutWindow(const QString &titleIcon, const QStringList &movedControls)
{
    BorderColor1 = FrameColour;
    BorderColor2 = FrameHighlight;
    controls::LateBound &titleBar = UCtitlebar1();
    titleBar.set("Top", 0);
    titleBar.set("Left", 0);
    setTitleBarLook();
    titleBar.set("bMax", false);
    titleBar.set("bMin", false);
    setSkinPictures({
        {"ImageTitleN", titleIcon},
        {"ImageCloseN", QStringLiteral("\\skin\\close.bmp")},
        {"ImageCloseD", QStringLiteral("\\skin\\closedown.bmp")},
        {"BGpic", QStringLiteral("\\skin\\Caption.bmp")},
    });
    titleBar.invoke("Convert", {controls::objectArgument(this)});
    moveBelowTitleBar(movedControls);
}

void SkinnedForm::moveBelowTitleBar(const QStringList &controlNames)
{
    const int titleBarHeight = UCtitlebar1().get("Height").toInt();
    for (const QString &name : controlNames) {
        QWidget *widget = controlWidget(name);
        forms::Twips::setTop(widget, forms::Twips::top(widget) + titleBarHeight);
    }
}

void SkinnedForm::drawBorder()
{
    UCtitlebar1().invoke("DrawFrmBorder", {controls::objectArgument(this), BorderColor1, BorderColor2});
}

void SkinnedForm::paintSkin()
{
    drawBorder();
    UCtitlebar1().invoke("DrawBG", {controls::objectArgument(this), AppFolder::file(BackgroundPicture)});
}

void SkinnedForm::resizeSkin()
{
    if (BorderStyle() != SizableBorder)
        return;
    UCtitlebar1().set("Width", ScaleWidth());
    drawBorder();
}

void SkinnedForm::limitSize(int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    UCtitlebar1().invoke("MaxMin", {controls::objectArgument(this), minWidth, minHeight, maxWidth, maxHeight});
}

void SkinnedForm::freeSizeLimits()
{
    UCtitlebar1().invoke("FreeMaxMin");
}

void SkinnedForm::UCtitlebar1_MouseDown(short, short, float, float)
{
    drawBorder();
}

QMenu *SkinnedForm::createMenu(const QString &name, const QString &caption)
{
    auto *created = new QMenu(caption, this);
    created->setObjectName(name);
    m_menus[name] = created;
    return created;
}

QAction *SkinnedForm::addMenuItem(QMenu *parentMenu, const QString &name, const QString &caption,
                                  const QKeySequence &shortcut, std::function<void()> handler)
{
    QAction *item = parentMenu->addAction(caption);
    item->setObjectName(name);
    if (!shortcut.isEmpty()) {
        item->setShortcut(shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
        // The menus are never visible; the window itself carries the item so that its key acts.
        addAction(item);
    }
    if (handler) {
        connect(item, &QAction::triggered, this,
                [handler = std::move(handler)] { forms::RunHandler(handler); });
    }
    return item;
}

QMenu *SkinnedForm::menu(const QString &name) const
{
    const auto it = m_menus.find(name);
    if (it == m_menus.end())
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("窗口 %1 没有菜单 %2").arg(definition().name, name));
    return it->second;
}

void SkinnedForm::popupUnder(QMenu *popup, const QString &buttonName)
{
    const QWidget *button = controlWidget(buttonName);
    forms::PopupMenu(*this, *popup, forms::Twips::left(button) - PopupLeftOffset,
                     forms::Twips::top(button) + forms::Twips::height(button));
}

}  // namespace hestova::host
