#include "common/LateBound.h"

#include "core/AppError.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <array>

namespace hestova::controls {

namespace {

using hestova::ErrorNumber::NotSupported;

[[noreturn]] void notSupported(const QObject *object, const QByteArray &name)
{
    const QString className = object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?");
    throw AppError(NotSupported, QStringLiteral("对象不支持该属性或方法：%1.%2").arg(className, QString::fromUtf8(name)));
}

int findProperty(const QMetaObject *meta, const QByteArray &name)
{
    return meta->indexOfProperty(name.constData());
}

int findMethod(const QMetaObject *meta, const QByteArray &name, QMetaMethod::MethodType wanted)
{
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != name || method.access() != QMetaMethod::Public)
            continue;
        const bool isSignal = method.methodType() == QMetaMethod::Signal;
        if ((wanted == QMetaMethod::Signal) == isSignal)
            return i;
    }
    return -1;
}

// The public method of that name taking `count` arguments; -1 when there is none.
int overloadWithArguments(const QMetaObject *meta, const QByteArray &name, int count)
{
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() == name && method.access() == QMetaMethod::Public
            && method.methodType() != QMetaMethod::Signal && method.parameterCount() == count)
            return i;
    }
    return -1;
}

int findCallable(const QMetaObject *meta, const QByteArray &name)
{
    return findMethod(meta, name, QMetaMethod::Method);
}

int findSignal(const QMetaObject *meta, const QByteArray &name)
{
    return findMethod(meta, name, QMetaMethod::Signal);
}

// Receives one control event and hands its arguments to a handler as variants.
class EventSink : public QObject {
public:
    EventSink(QObject *context, QMetaMethod signal, LateBound::EventHandler handler)
        : QObject(context), m_signal(std::move(signal)), m_handler(std::move(handler))
    {
    }

    static int slotIndex() { return QObject::staticMetaObject.methodCount(); }

    int qt_metacall(QMetaObject::Call call, int id, void **arguments) override
    {
        id = QObject::qt_metacall(call, id, arguments);
        if (id < 0 || call != QMetaObject::InvokeMetaMethod)
            return id;
        if (id == 0) {
            QVariantList values;
            for (int i = 0; i < m_signal.parameterCount(); ++i)
                values.append(QVariant(m_signal.parameterMetaType(i), arguments[i + 1]));
            m_handler(values);
        }
        return id - 1;
    }

private:
    QMetaMethod m_signal;
    LateBound::EventHandler m_handler;
};

}  // namespace

LateBound::LateBound(QObject *object) : m_object(object) {}

int LateBound::resolve(QHash<QByteArray, int> &cache, const QByteArray &name,
                       int (*find)(const QMetaObject *, const QByteArray &))
{
    const auto known = cache.constFind(name);
    if (known != cache.constEnd())
        return *known;
    const int id = m_object ? find(m_object->metaObject(), name) : -1;
    if (id >= 0)
        cache.insert(name, id);
    return id;
}

int LateBound::propertyId(const QByteArray &name)
{
    return resolve(m_properties, name, findProperty);
}

int LateBound::methodId(const QByteArray &name)
{
    return resolve(m_methods, name, findCallable);
}

int LateBound::eventId(const QByteArray &name)
{
    return resolve(m_events, name, findSignal);
}

QVariant LateBound::get(const QByteArray &property)
{
    const int id = propertyId(property);
    if (id < 0)
        notSupported(m_object, property);
    return m_object->metaObject()->property(id).read(m_object);
}

void LateBound::set(const QByteArray &property, const QVariant &value)
{
    const int id = propertyId(property);
    if (id < 0)
        notSupported(m_object, property);
    const QMetaProperty meta = m_object->metaObject()->property(id);
    QVariant converted = value;
    if (meta.metaType() != QMetaType::fromType<QVariant>() && value.isValid() && value.metaType() != meta.metaType()
        && !converted.convert(meta.metaType())) {
        throw AppError(ErrorNumber::TypeMismatch,
                       QStringLiteral("类型不匹配：%1").arg(QString::fromUtf8(property)));
    }
    if (!meta.write(m_object, converted))
        notSupported(m_object, property);
}

QString LateBound::description(const QByteArray &member)
{
    if (propertyId(member) < 0 && methodId(member) < 0 && eventId(member) < 0)
        notSupported(m_object, member);
    return memberDescription(*m_object->metaObject(), member);
}

QVariant LateBound::invoke(const QByteArray &method, const QVariantList &arguments)
{
    int id = methodId(method);
    if (id < 0)
        notSupported(m_object, method);
    // A method with default arguments has one member per argument count: take the one the call fits.
    if (m_object->metaObject()->method(id).parameterCount() != arguments.size()) {
        const int fitting = overloadWithArguments(m_object->metaObject(), method, int(arguments.size()));
        if (fitting >= 0)
            id = fitting;
    }
    const QMetaMethod meta = m_object->metaObject()->method(id);
    if (arguments.size() != meta.parameterCount() || arguments.size() > 10)
        throw AppError(ErrorNumber::InvalidArgument,
                       QStringLiteral("参数个数不对：%1").arg(QString::fromUtf8(method)));

    QVariantList values = arguments;
    std::array<QGenericArgument, 10> generic{};
    for (int i = 0; i < values.size(); ++i) {
        const QMetaType type = meta.parameterMetaType(i);
        QVariant &value = values[i];
        if (type != QMetaType::fromType<QVariant>()) {
            if (!value.isValid())
                value = QVariant(type);
            else if (value.metaType() != type && !value.convert(type))
                throw AppError(ErrorNumber::TypeMismatch,
                               QStringLiteral("类型不匹配：%1 的第 %2 个参数").arg(QString::fromUtf8(method)).arg(i + 1));
            generic[std::size_t(i)] = QGenericArgument(type.name(), value.constData());
        } else {
            generic[std::size_t(i)] = QGenericArgument("QVariant", &value);
        }
    }

    QVariant result;
    QGenericReturnArgument returned;
    const QMetaType returnType = meta.returnMetaType();
    if (returnType.isValid() && returnType != QMetaType::fromType<void>()) {
        result = QVariant(returnType);
        returned = returnType == QMetaType::fromType<QVariant>() ? QGenericReturnArgument("QVariant", &result)
                                                                  : QGenericReturnArgument(returnType.name(), result.data());
    }
    const bool called = meta.invoke(m_object, Qt::DirectConnection, returned, generic[0], generic[1], generic[2],
                                    generic[3], generic[4], generic[5], generic[6], generic[7], generic[8], generic[9]);
    if (!called)
        notSupported(m_object, method);
    return result;
}

QMetaObject::Connection LateBound::connectEvent(const QByteArray &event, QObject *context, EventHandler handler)
{
    const int id = eventId(event);
    if (id < 0)
        notSupported(m_object, event);
    auto *sink = new EventSink(context, m_object->metaObject()->method(id), std::move(handler));
    return QMetaObject::connect(m_object, id, sink, EventSink::slotIndex(), Qt::DirectConnection);
}

QString memberDescription(const QMetaObject &meta, const QByteArray &member)
{
    const int index = meta.indexOfClassInfo(QByteArray("Description." + member).constData());
    return index < 0 ? QString() : QString::fromUtf8(meta.classInfo(index).value());
}

}  // namespace hestova::controls
