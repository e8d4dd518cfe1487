#pragma once

namespace hestova::controls {
class ControlLoader;
}

namespace hestova::host {

// The control libraries of the application folder ("\controls"), shared by every window. The libraries'
// message boxes go through the program's message-box service, so they look like the program's own.
namespace ControlLibraries {

// The loader of the current application folder's "controls" folder; a new one when the folder has changed.
controls::ControlLoader &loader();

}  // namespace ControlLibraries

}  // namespace hestova::host
