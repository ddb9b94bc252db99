#pragma once

class QWidget;

namespace mod_alarm {

// 1 keeps the window above all others, 0 releases it, any other value raises it.
void SetAlwaysOnTop(int flag, QWidget* window);

} // namespace mod_alarm
