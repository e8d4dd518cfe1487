#include "MenuTestSupport.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace menutest {

HostWindow::HostWindow() : window(std::make_unique<QWidget>())
{
    window->resize(400, 300);
    menu = new QMenu(QStringLiteral("满意度调查"), window.get());
    brmyd = menu->addAction(QStringLiteral("病人满意度调查"));
    brmyd->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    yjmyd = menu->addAction(QStringLiteral("医技满意度调查"));
    yjmyd->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    separator = menu->addSeparator();
    xzmyd = menu->addAction(QStringLiteral("行政满意度调查"));
    xzmyd->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    xzmyd->setEnabled(false);
    plain = menu->addAction(QStringLiteral("帮助"));
    plain->setShortcut(QKeySequence(QStringLiteral("F1")));
    checked = menu->addAction(QStringLiteral("关于"));
    checked->setCheckable(true);
    checked->setChecked(true);
}

HostWindow::~HostWindow()
{
    menu->hide();
}

QColor imageColor(int index)
{
    static const QColor colors[] = {QColor(200, 30, 30), QColor(30, 150, 30), QColor(30, 30, 200),
                                    QColor(200, 150, 0), QColor(150, 0, 150), QColor(0, 150, 150),
                                    QColor(90, 90, 90)};
    return colors[index % 7];
}

std::unique_ptr<hestova::ImageList> surveyImageList()
{
    auto list = std::make_unique<hestova::ImageList>();
    list->setMaskColor(0xC0C0C0);
    const QStringList captions = {QStringLiteral("病人满意度调查"), QStringLiteral("医技满意度调查"),
                                  QStringLiteral("行政满意度调查"), QStringLiteral("病人满意度报表"),
                                  QStringLiteral("医技满意度报表"), QStringLiteral("行政满意度报表"),
                                  QStringLiteral("生成报表数据")};
    for (int i = 0; i < captions.size(); ++i) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(QColor(0xC0, 0xC0, 0xC0));
        QPainter painter(&image);
        painter.fillRect(QRect(2, 2, 12, 12), imageColor(i));
        painter.end();
        auto *added = static_cast<hestova::ListImage *>(
            list->listImages()->Add(QVariant(), QString(), QPixmap::fromImage(image)));
        added->setTag(captions[i]);
    }
    return list;
}

QImage openAndGrab(QMenu *menu, QAction *highlighted)
{
    if (!menu->isVisible())
        menu->popup(QPoint(50, 50));
    if (highlighted)
        menu->setActiveAction(highlighted);
    QApplication::processEvents();
    return menu->grab().toImage();
}

QColor pixel(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y)).toRgb();
}

bool contains(const QImage &image, const QRect &rect, const QColor &color)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (QColor(image.pixel(x, y)).rgb() == color.rgb())
                return true;
    return false;
}

QColor bgr(quint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace menutest
