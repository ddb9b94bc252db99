#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
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
        *box = {true, shown->windowTitle(), shown->text(), shown->icon(), shown->standardButtons()};
        // A box without that button is closed, for the test's check of its buttons to fail.
        if (QAbstractButton* button = shown->button(answer))
            button->click();
        else
            shown->reject();
    });
    return box;
}

// Answers every modal window that opens while it lives, as a user would, and counts them.
class ModalAnswerer
{
public:
    explicit ModalAnswerer(std::function<void(QWidget*)> answer) : m_answer(std::move(answer))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != m_current) {
                m_current = modal;
                ++seen;
                m_answer(modal);
            }
        });
        m_poll.start(5);
    }

    int seen = 0;

private:
    std::function<void(QWidget*)> m_answer;
    QPointer<QWidget> m_current;
    QTimer m_poll;
};
