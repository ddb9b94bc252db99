#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

// Queued before the action that opens a message box, answers it from inside the box's own
// loop and keeps its text; the text stays empty when no box came.
inline std::shared_ptr<QString> answerNextBox(QMessageBox::StandardButton answer)
{
    auto seen = std::make_shared<QString>();
    QTimer::singleShot(0, [seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen = box->text();
        // A box without that button is closed, for the test's check of its text to fail.
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->reject();
    });
    return seen;
}
