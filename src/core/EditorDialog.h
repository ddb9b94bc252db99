#pragma once

#include <QDialog>
#include <QKeyEvent>

// A dialog in which the user edits what the program keeps. A slip of the Escape key must not
// throw the edits away, so Escape is left to the controls; and since its buttons are never
// default ones, Return in a box presses none of them.
class EditorDialog : public QDialog
{
protected:
    using QDialog::QDialog;

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Escape)
            QDialog::keyPressEvent(event);
    }
};
