#include "core/Form.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

QStringList events;

struct Window : QWidget {
    Window() { events << "create"; }
    ~Window() override { events << "destroy"; }
    void Form_Load() { events << "load"; }
    void Form_Unload() { events << "unload"; }
};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { events.clear(); }
    void cleanup()
    {
        Form<Window>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void loadsHiddenOnceAndUnloadStartsAfresh()
    {
        QPointer<Window> first = &Form<Window>::get();
        QCOMPARE(&Form<Window>::get(), first.data());
        QVERIFY(!first->isVisible());
        Form<Window>::unload();
        QVERIFY(!Form<Window>::isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        Form<Window>::load();
        QCOMPARE(events, QStringList({"create", "load", "unload", "destroy", "create", "load"}));
    }

    void closingUnloadsModalOrNot()
    {
        Form<Window>::showModeless();
        Form<Window>::get().close();
        QVERIFY(!Form<Window>::isLoaded());
        QTimer::singleShot(0, [] { Form<Window>::get().close(); });
        Form<Window>::showModal();
        QVERIFY(!Form<Window>::isLoaded());
        QCOMPARE(events.count("unload"), 2);
    }

    void hidingEndsTheModalShowButKeepsItLoaded()
    {
        QWidget* modal = nullptr;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget();
            Form<Window>::hide();
        });
        Form<Window>::showModal();
        QCOMPARE(modal, &Form<Window>::get());
        QVERIFY(!Form<Window>::get().isVisible());
        QCOMPARE(Form<Window>::get().windowModality(), Qt::NonModal);
        QCOMPARE(events.count("unload"), 0);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
