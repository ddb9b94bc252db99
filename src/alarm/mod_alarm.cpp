#include "alarm/mod_alarm.h"

#include <QWidget>
#include <QWindow>

namespace mod_alarm
{

void SetAlwaysOnTop(int flag, QWidget* window)
{
    if (flag == 0 || flag == 1) {
        const Qt::WindowFlags flags = flag == 1 ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                                : window->windowFlags() & ~Qt::WindowStaysOnTopHint;
        // On a shown window, setWindowFlags() would re-create it, hiding it on the way
        // (which ends a modal wait); the native window can take the hint as it is.
        if (window->isVisible() && window->windowHandle()) {
            window->overrideWindowFlags(flags);
            window->windowHandle()->setFlags(flags);
        } else {
            window->setWindowFlags(flags);
        }
    }
    window->raise();
}

} // namespace mod_alarm
