#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QWidget>

namespace hestova::controls {

// What a designer does with a property page, reached through qobject_cast on the page widget.
class PropertyPageInterface {
public:
    virtual ~PropertyPageInterface() = default;
    virtual void setSelectedControls(const QList<QObject *> &controls) = 0;  // then the page reads them
    virtual bool applyChanges() = 0;  // false when nothing was written (the page said why)
    virtual bool isChanged() const = 0;
};

}  // namespace hestova::controls

#define HestovaPropertyPage_iid "org.hestova.PropertyPage/1.0"
Q_DECLARE_INTERFACE(hestova::controls::PropertyPageInterface, HestovaPropertyPage_iid)

namespace hestova::controls {

// Base of the libraries' property pages: keeps the selection and the changed flag.
// A page overrides SelectionChanged (read the first control into the fields) and ApplyChanges.
class PropertyPage : public QWidget, public PropertyPageInterface {
    Q_OBJECT
    Q_INTERFACES(hestova::controls::PropertyPageInterface)
    Q_PROPERTY(bool Changed READ isChanged WRITE setChanged NOTIFY changedChanged)
public:
    explicit PropertyPage(QWidget *parent = nullptr);

    void setSelectedControls(const QList<QObject *> &controls) override;
    bool applyChanges() override;
    bool isChanged() const override { return m_changed; }
    void setChanged(bool changed);

    QList<QObject *> SelectedControls() const;

signals:
    void changedChanged(bool changed);

protected:
    virtual void SelectionChanged() = 0;
    virtual bool ApplyChanges() = 0;

    // Each field's tooltip: the description of the property it edits, from the control class `control`.
    void describeFields(const QMetaObject &control, const QList<QPair<QWidget *, QByteArray>> &fields);

private:
    QList<QPointer<QObject>> m_selected;
    bool m_changed = false;
};

}  // namespace hestova::controls

