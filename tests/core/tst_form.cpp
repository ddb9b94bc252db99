#include "core/Form.h"

#include <QTest>
#include <QTimer>

namespace {

QStringList events;

class Window : public QWidget
{
public:
    Window() { events << QStringLiteral("create"); }
    ~Window() override { events << QStringLiteral("destroy"); }
    void Form_Load() { events << QStringLiteral("load"); }
    void Form_Unload() { events << QStringLiteral("unload"); }
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

    void firstUseLoadsHiddenOnce()
    {
        QVERIFY(!Form<Window>::isLoaded());
        Window& first = Form<Window>::get();
        Window& again = Form<Window>::get();
        QCOMPARE(&first, &again);
        QVERIFY(!first.isVisible());
        QCOMPARE(events, QStringList({"create", "load"}));
    }

    void unloadDestroysAndTheNextUseStartsAfresh()
    {
        QPointer<Window> first = &Form<Window>::get();
        Form<Window>::unload();
        QVERIFY(!Form<Window>::isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        Form<Window>::load();
        QCOMPARE(events, QStringList({"create", "load", "unload", "destroy", "create", "load"}));
    }

    void closingTheWindowUnloadsIt()
    {
        Form<Window>::showModeless();
        QVERIFY(Form<Window>::get().isVisible());
        Form<Window>::get().close();
        QVERIFY(!Form<Window>::isLoaded());
        QCOMPARE(events.count(QStringLiteral("unload")), 1);
    }

    void modalShowWaitsUntilHidden()
    {
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            wasModal = QApplication::activeModalWidget() == &Form<Window>::get();
            Form<Window>::hide();
        });
        Form<Window>::showModal();
        QVERIFY(wasModal);
        QVERIFY(Form<Window>::isLoaded());
        QVERIFY(!Form<Window>::get().isVisible());
        QCOMPARE(Form<Window>::get().windowModality(), Qt::NonModal);
    }

    void modalShowEndsWhenTheWindowIsClosed()
    {
        QTimer::singleShot(0, [] { Form<Window>::get().close(); });
        Form<Window>::showModal();
        QVERIFY(!Form<Window>::isLoaded());
        QCOMPARE(events.count(QStringLiteral("unload")), 1);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
