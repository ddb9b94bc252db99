#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace FormLifecycle {

// Shows the window application-modal and returns when it is hidden or destroyed.
void runModal(QWidget* window);

// Routes a close of the window (its title bar button, the window manager) to `unload`.
void unloadOnClose(QWidget* window, std::function<void()> unload);

} // namespace FormLifecycle

// The one instance of a window class. Using it loads the window: creates it and runs its
// Form_Load, hidden. Unloading runs Form_Unload and destroys it; the next use creates it
// afresh. A window class only provides Form_Load() and Form_Unload().
template <typename Window>
class Form
{
public:
    static Window& get()
    {
        if (!s_window) {
            s_window = new Window;
            FormLifecycle::unloadOnClose(s_window, &Form::unload);
            s_window->Form_Load();
        }
        return *s_window;
    }

    static void load() { get(); }
    static bool isLoaded() { return !s_window.isNull(); }

    static void showModal() { FormLifecycle::runModal(&get()); }

    static void showModeless()
    {
        Window& window = get();
        window.show();
        window.raise();
        window.activateWindow();
    }

    static void hide()
    {
        if (s_window)
            s_window->hide();
    }

    static void unload()
    {
        Window* window = s_window;
        if (!window)
            return;
        s_window = nullptr;
        window->Form_Unload();
        window->hide();
        // Deferred: the unload may come from one of the window's own handlers.
        window->deleteLater();
    }

private:
    static inline QPointer<Window> s_window;
};
