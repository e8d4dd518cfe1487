#include "common/ControlLoader.h"

#include "common/ControlPlugin.h"
#include "core/AppError.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

namespace hestova::controls {

namespace {

using hestova::ErrorNumber::CannotCreateObject;

QStringList stringList(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list.append(item.toString());
    return list;
}

}  // namespace

ControlLoader::ControlLoader(const QString &controlsFolder) : m_folder(controlsFolder)
{
    scan();
}

ControlLoader::~ControlLoader() = default;

void ControlLoader::scan()
{
    const QDir dir(m_folder);
    const QStringList files = dir.entryList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        Library library;
        library.path = dir.filePath(file);
        library.loader = std::make_unique<QPluginLoader>(library.path);
        const QJsonObject meta = library.loader->metaData();
        if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(HestovaControlPlugin_iid))
            continue;  // not a control library: nothing of ours to list
        const QJsonObject own = meta.value(QStringLiteral("MetaData")).toObject();
        library.progIds = stringList(own.value(QStringLiteral("ProgIDs")));
        library.pageNames = stringList(own.value(QStringLiteral("PropertyPages")));
        m_libraries.push_back(std::move(library));
    }
}

QStringList ControlLoader::progIds() const
{
    QStringList all;
    for (const Library &library : m_libraries)
        all += library.progIds;
    return all;
}

QStringList ControlLoader::propertyPageNames() const
{
    QStringList all;
    for (const Library &library : m_libraries)
        all += library.pageNames;
    return all;
}

QString ControlLoader::libraryOf(const QString &progId) const
{
    for (const Library &library : m_libraries) {
        if (library.progIds.contains(progId))
            return library.path;
    }
    return {};
}

void ControlLoader::setMessageBox(const MessageBoxFunction &show)
{
    m_messageBox = show;
    for (Library &library : m_libraries) {
        if (library.plugin)
            library.plugin->setMessageBox(m_messageBox);
    }
}

ControlPluginInterface *ControlLoader::load(Library &library)
{
    if (library.plugin)
        return library.plugin;
    QObject *instance = library.loader->instance();
    library.plugin = qobject_cast<ControlPluginInterface *>(instance);
    if (!library.plugin) {
        throw AppError(CannotCreateObject,
                       QStringLiteral("控件库无法载入：%1 %2").arg(library.path, library.loader->errorString()));
    }
    if (m_messageBox)
        library.plugin->setMessageBox(m_messageBox);
    return library.plugin;
}

QWidget *ControlLoader::createControl(const QString &progId, QWidget *parent)
{
    for (Library &library : m_libraries) {
        if (!library.progIds.contains(progId))
            continue;
        if (QWidget *control = load(library)->createControl(progId, parent))
            return control;
    }
    throw AppError(CannotCreateObject, QStringLiteral("无法创建控件：") + progId);
}

QWidget *ControlLoader::createPropertyPage(const QString &name, QWidget *parent)
{
    for (Library &library : m_libraries) {
        if (!library.pageNames.contains(name))
            continue;
        if (QWidget *page = load(library)->createPropertyPage(name, parent))
            return page;
    }
    throw AppError(CannotCreateObject, QStringLiteral("无法创建属性页：") + name);
}

}  // namespace hestova::controls
