#include "app/QtPlatform.h"

#include <QTest>

class TestQtPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platformChoice_data()
    {
        QTest::addColumn<QByteArrayList>("env");
        QTest::addColumn<QByteArray>("expected");
        // The user's QT_QPA_PLATFORM, XDG_SESSION_TYPE, WAYLAND_DISPLAY and DISPLAY.
        QTest::newRow("wayland with XWayland") << QByteArrayList{"", "wayland", "wayland-0", ":0"}
                                               << QByteArray("xcb");
        QTest::newRow("wayland display only") << QByteArrayList{"", "", "wayland-0", ":1"}
                                              << QByteArray("xcb");
        QTest::newRow("no XWayland") << QByteArrayList{"", "wayland", "wayland-0", ""}
                                     << QByteArray();
        QTest::newRow("user's choice") << QByteArrayList{"wayland", "wayland", "wayland-0", ":0"}
                                       << QByteArray();
        QTest::newRow("X11 session") << QByteArrayList{"", "x11", "", ":0"} << QByteArray();
    }
    void platformChoice()
    {
        QFETCH(QByteArrayList, env);
        QFETCH(QByteArray, expected);
        QCOMPARE(preferredQtPlatform(env[0], env[1], env[2], env[3]), expected);
    }
};

QTEST_APPLESS_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
