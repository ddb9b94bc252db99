#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

// OK and Cancel side by side at the foot of a chooser window's layout, on the right; OK
// accepts the window, Cancel leaves it as Escape does. Returns OK.
QPushButton* addChooserButtons(QDialog& dialog, QBoxLayout& layout);
