#include "core/mod_alarm.h"

#include <QWidget>

namespace mod_alarm {

void SetAlwaysOnTop(int flag, QWidget* window)
{
    if (flag == 0 || flag == 1) {
        const bool wasVisible = window->isVisible();
        // Changing window flags re-creates the native window, which hides it.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, flag == 1);
        if (wasVisible)
            window->show();
    }
    window->raise();
}

} // namespace mod_alarm
