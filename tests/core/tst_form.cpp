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

    void loadsHiddenOnceAndUnloadStartsAfresh()
    {
        QVERIFY(!Form<Window>::isLoaded());
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

    void closingUnloads_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::newRow("modeless") << false;
        QTest::newRow("modal") << true;
    }
    void closingUnloads()
    {
        QFETCH(bool, modal);
        if (modal) {
            QTimer::singleShot(0, [] { Form<Window>::get().close(); });
            Form<Window>::showModal();
        } else {
            Form<Window>::showModeless();
            QVERIFY(Form<Window>::get().isVisible());
            Form<Window>::get().close();
        }
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
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
