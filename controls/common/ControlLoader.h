#pragma once

#include "common/MessageBoxHook.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPluginLoader;
class QWidget;

namespace hestova::controls {

class ControlPluginInterface;

// Finds the control libraries of one folder (normally <appdir>/controls) and creates their controls by ProgID
// and their property pages by name. Listing reads only the libraries' metadata; a library is loaded
// the first time one of its controls or pages is created.
class ControlLoader {
public:
    explicit ControlLoader(const QString &controlsFolder);
    ~ControlLoader();

    ControlLoader(const ControlLoader &) = delete;
    ControlLoader &operator=(const ControlLoader &) = delete;

    QString folder() const { return m_folder; }
    QStringList progIds() const;                    // every ProgID of every library, in file order
    QStringList propertyPageNames() const;
    QString libraryOf(const QString &progId) const;  // file path; empty when unknown

    // The message-box service handed to every library this loader loads (now and later).
    void setMessageBox(const MessageBoxFunction &show);

    // Throw hestova::AppError 429 when the ProgID or page is unknown or its library does not load.
    QWidget *createControl(const QString &progId, QWidget *parent = nullptr);
    QWidget *createPropertyPage(const QString &name, QWidget *parent = nullptr);

private:
    struct Library {
        QString path;
        QStringList progIds;
        QStringList pageNames;
        std::unique_ptr<QPluginLoader> loader;
        ControlPluginInterface *plugin = nullptr;
    };

    void scan();
    ControlPluginInterface *load(Library &library);

    QString m_folder;
    std::vector<Library> m_libraries;
    MessageBoxFunction m_messageBox;
};

}  // namespace hestova::controls
