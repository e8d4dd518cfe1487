#pragma once

#include "imagelist/ImageList.h"

#include <QAction>
#include <QColor>
#include <QImage>
#include <QMenu>
#include <QWidget>

#include <memory>

namespace menutest {

// A host window with the survey menu of the main window: three items with shortcuts and icons, a separator,
// a grayed item, a checked item, and an item without an icon.
struct HostWindow {
    HostWindow();
    ~HostWindow();

    std::unique_ptr<QWidget> window;
    QMenu *menu = nullptr;
    QAction *brmyd = nullptr;   // "病人满意度调查", Ctrl+A, icon 0
    QAction *yjmyd = nullptr;   // "医技满意度调查", Ctrl+B, icon 1
    QAction *separator = nullptr;
    QAction *xzmyd = nullptr;   // "行政满意度调查", Ctrl+D, icon 2, grayed
    QAction *plain = nullptr;   // "帮助", F1, no icon
    QAction *checked = nullptr; // "关于", checked, no icon
};

// 16 x 16 pictures in one solid colour each, framed by the mask colour &HC0C0C0, tagged with the captions.
std::unique_ptr<hestova::ImageList> surveyImageList();
QColor imageColor(int index);

// Opens menu (as a pop-up at a fixed place), optionally with one item highlighted, and grabs it.
QImage openAndGrab(QMenu *menu, QAction *highlighted = nullptr);

QColor pixel(const QImage &image, int x, int y);
// Whether any pixel of the rectangle has the colour.
bool contains(const QImage &image, const QRect &rect, const QColor &color);
QColor bgr(quint32 color);

}  // namespace menutest
