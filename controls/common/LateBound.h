#pragma once

#include <QByteArray>
#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>

namespace hestova::controls {

// How a host reaches a control it has no header of: properties, methods and events by member name.
// Each name is resolved to its member index once and remembered. Unknown members and calls that fail
// throw hestova::AppError 438 ("object doesn't support this property or method").
class LateBound {
public:
    explicit LateBound(QObject *object);

    QObject *object() const { return m_object; }

    // The member index of a name: property index for get/set, method index for invoke and connect;
    // -1 when the object has no such member.
    int propertyId(const QByteArray &name);
    int methodId(const QByteArray &name);
    int eventId(const QByteArray &name);

    QVariant get(const QByteArray &property);
    void set(const QByteArray &property, const QVariant &value);

    // The help text of a member (see memberDescription); empty when it has none.
    QString description(const QByteArray &member);

    // Calls a public method (Q_INVOKABLE or slot) with the arguments converted to its parameter types;
    // returns its result (invalid for void methods).
    QVariant invoke(const QByteArray &method, const QVariantList &arguments = {});

    // Calls handler with the event's arguments each time the control raises the event (a signal).
    // The connection ends when context is destroyed.
    using EventHandler = std::function<void(const QVariantList &arguments)>;
    QMetaObject::Connection connectEvent(const QByteArray &event, QObject *context, EventHandler handler);

private:
    int resolve(QHash<QByteArray, int> &cache, const QByteArray &name, int (*find)(const QMetaObject *, const QByteArray &));

    QPointer<QObject> m_object;
    QHash<QByteArray, int> m_properties;
    QHash<QByteArray, int> m_methods;
    QHash<QByteArray, int> m_events;
};

// A member's help text, kept by its library as the class information "Description.<member>" of the control
// class (as its ProgID and member identifiers are); empty when the member has none.
QString memberDescription(const QMetaObject &meta, const QByteArray &member);

// An object pointer as an argument of a late-bound call.
inline QVariant objectArgument(QObject *object)
{
    return QVariant::fromValue(object);
}

}  // namespace hestova::controls
