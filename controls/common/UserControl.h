#pragma once

#include "common/PropertyBag.h"

#include <QFont>
#include <QString>
#include <QWidget>

namespace hestova::controls {

// The persistence side of a control, reached by a host through qobject_cast on the control widget.
class PersistentControl {
public:
    virtual ~PersistentControl() = default;
    virtual void InitProperties() = 0;                      // a newly placed control
    virtual void ReadProperties(const PropertyBag &bag) = 0;
    virtual void WriteProperties(PropertyBag &bag) const = 0;
};

}  // namespace hestova::controls

#define HestovaPersistentControl_iid "org.hestova.PersistentControl/1.0"
Q_DECLARE_INTERFACE(hestova::controls::PersistentControl, HestovaPersistentControl_iid)

namespace hestova::controls {

// Base of the libraries' controls: persistence, the container's ambient font, and the change announcement:
// every property setter stores the value, then calls PropertyChanged(name) (the signal "PropertyChanged" that
// hosts connect by name), then does its own work.
// Left, Top, Width and Height are the container's placement of the control, in twips of the parent.
class UserControl : public QWidget, public PersistentControl {
    Q_OBJECT
    Q_INTERFACES(hestova::controls::PersistentControl)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
public:
    explicit UserControl(QWidget *parent = nullptr);

    void InitProperties() override {}
    void ReadProperties(const PropertyBag &) override {}
    void WriteProperties(PropertyBag &) const override {}

    // The container's font: the parent widget's font, else "宋体" 9 pt.
    QFont ambientFont() const;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

signals:
    void PropertyChanged(const QString &propertyName);
};

// The face and size every control falls back to.
QFont defaultControlFont();

}  // namespace hestova::controls

