#include "host/ControlLibraries.h"

#include "common/ControlLoader.h"
#include "core/AppFolder.h"
#include "forms/MessageBox.h"

#include <memory>
#include <vector>

namespace hestova::host {

namespace {

int showProgramBox(QWidget *, const QString &prompt, int buttons, const QString &title)
{
    return forms::MsgBox(prompt, buttons, title);
}

}  // namespace

controls::ControlLoader &ControlLibraries::loader()
{
    // Loaders of earlier folders stay alive: the controls they created may still exist, and a loaded
    // library is never unloaded while the program runs.
    static std::vector<std::unique_ptr<controls::ControlLoader>> loaders;
    const QString folder = AppFolder::file(QStringLiteral("\\controls"));
    if (loaders.empty() || loaders.back()->folder() != folder) {
        loaders.push_back(std::make_unique<controls::ControlLoader>(folder));
        loaders.back()->setMessageBox(showProgramBox);
    }
    return *loaders.back();
}

}  // namespace hestova::host
