#pragma once

#include "forms/Form.h"

#include <functional>
#include <typeindex>

namespace hestova::forms {

// The global instances of the windows: one per window class. A reference creates the window and runs its
// Form_Load; Unload runs Form_Unload and destroys it, and the next reference creates it anew. When the last
// loaded window is unloaded the program ends through the quit hook.
class Forms {
public:
    // The window's instance, created and loaded on first reference.
    template <class T>
    static T &get()
    {
        if (Form *existing = find(typeid(T)))
            return static_cast<T &>(*existing);
        T *form = new T();
        add(typeid(T), form);
        form->load();
        return *form;
    }

    // The instance if it is loaded, without creating it.
    template <class T>
    static T *find()
    {
        return static_cast<T *>(find(typeid(T)));
    }

    template <class T>
    static bool isLoaded()
    {
        return find(typeid(T)) != nullptr;
    }

    // Unloads the window if it is loaded; never creates it.
    template <class T>
    static void unload()
    {
        Unload(find(typeid(T)));
    }

    // Runs the window's Form_Unload, hides it and destroys it once the current event is done. A window that has
    // the keyboard hands the activation, before it hides, to the window that remains: the window shown last when
    // it still waits for the activation, else the main window, else another shown window of the program. The
    // window manager would otherwise give it to the window used before, maybe another program's.
    static void Unload(Form *form);

    // The window of this class is the main window (see Unload).
    template <class T>
    static void setMainWindow()
    {
        setMainWindowType(typeid(T));
    }

    static int loadedCount();

    // What ends the program after the last window (default: quit the application's event loop).
    // An empty function restores the default.
    static void setQuitHook(std::function<void()> hook);

private:
    friend class Form;
    static Form *find(std::type_index type);
    static void add(std::type_index type, Form *form);
    static void setMainWindowType(std::type_index type);
    static void awaitActivation(Form *form);  // shown and asked to be activated
    static void activated();  // a window of the program became the active one
    static Form *heir();  // the window that takes the keyboard from one unloaded (see Unload)
};

}  // namespace hestova::forms
