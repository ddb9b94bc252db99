#include "app/QtPlatform.h"

#include <QTest>

class TestQtPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platformChoice_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("wayland with XWayland") << QByteArray() << QByteArray("wayland")
                                               << QByteArray("wayland-0") << QByteArray(":0")
                                               << QByteArray("xcb");
        QTest::newRow("wayland display only") << QByteArray() << QByteArray()
                                              << QByteArray("wayland-0") << QByteArray(":1")
                                              << QByteArray("xcb");
        QTest::newRow("no XWayland") << QByteArray() << QByteArray("wayland")
                                     << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("user's choice wins") << QByteArray("wayland") << QByteArray("wayland")
                                            << QByteArray("wayland-0") << QByteArray(":0")
                                            << QByteArray();
        QTest::newRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray()
                                     << QByteArray(":0") << QByteArray();
    }
    void platformChoice()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, expected);
        QCOMPARE(preferredQtPlatform(chosen, session, wayland, x11), expected);
    }
};

QTEST_APPLESS_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
