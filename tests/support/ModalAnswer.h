#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

// What a test saw of the message box it answered.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Queues the answer to the next message box, before the action that opens it: the answer
// runs inside the box's own event loop. The test then checks that the box was seen.
inline std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton answer)
{
    auto box = std::make_shared<SeenBox>();
    QTimer::singleShot(0, [box, answer] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        box->seen = true;
        box->title = shown->windowTitle();
        box->text = shown->text();
        box->icon = shown->icon();
        box->buttons = shown->standardButtons();
        // A box without that button is closed, for the test's check of its buttons to fail.
        if (QAbstractButton* button = shown->button(answer))
            button->click();
        else
            shown->reject();
    });
    return box;
}
