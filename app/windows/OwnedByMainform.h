#pragma once

namespace hestova::forms {
class Form;
}

// The pickers and the About box disable the main window while they are loaded. Meanwhile the main window owns
// them, so that they stay above it: a click on the disabled main window cannot hide the window that takes the
// clicks.
namespace OwnedByMainform {

// Disables the main window, if one is loaded, and makes it the owner of window.
void hold(hestova::forms::Form &window);
// Enables the main window again.
void release();

}  // namespace OwnedByMainform
