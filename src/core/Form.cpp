#include "core/Form.h"

#include <QEvent>
#include <QEventLoop>

namespace {

class ModalWait final : public QObject
{
public:
    explicit ModalWait(QEventLoop& loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A minimised window gets a hide event too, but stays visible.
        if (event->type() == QEvent::Hide && !static_cast<QWidget*>(watched)->isVisible())
            m_loop.quit();
        return false;
    }

private:
    QEventLoop& m_loop;
};

class CloseToUnload final : public QObject
{
public:
    CloseToUnload(QWidget* window, std::function<void()> unload)
        : QObject(window), m_unload(std::move(unload))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            m_unload();
        return false;
    }

private:
    std::function<void()> m_unload;
};

} // namespace

namespace FormLifecycle {

void runModal(QWidget* window)
{
    QPointer<QWidget> guard(window);
    if (window->isVisible())
        window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    ModalWait wait(loop);
    window->installEventFilter(&wait);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&wait);
        guard->setWindowModality(Qt::NonModal);
    }
}

void unloadOnClose(QWidget* window, std::function<void()> unload)
{
    window->installEventFilter(new CloseToUnload(window, std::move(unload)));
}

} // namespace FormLifecycle
