#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
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

// While it lives, answers every message box as it is shown, and keeps each text with its
// default button's: a box asked once too often is counted rather than left waiting.
class EveryBoxAnswered : public QObject
{
public:
    explicit EveryBoxAnswered(QMessageBox::StandardButton answer) : m_answer(answer) { qApp->installEventFilter(this); }

    QStringList seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            seen << box->text() + " [" + (box->defaultButton() ? box->defaultButton()->text() : "") + ']';
            QTimer::singleShot(0, box, [box, answer = m_answer] { box->button(answer)->click(); });
        }
        return false;
    }

private:
    QMessageBox::StandardButton m_answer;
};
