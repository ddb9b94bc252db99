#include "settings/WindowPosition.h"

#include <QTest>

class TestWindowPosition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedCoordinates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole twips") << "600" << 40;
        QTest::newRow("negative") << "-30" << -2;
        QTest::newRow("fraction") << "1927.5" << 129;
        QTest::newRow("empty counts as missing") << "" << 182;
        QTest::newRow("words count as missing") << "left" << 182;
        QTest::newRow("absurd counts as missing") << "1e30" << 182;
    }
    void storedCoordinates()
    {
        QFETCH(QString, text);
        QFETCH(int, pixels);
        QCOMPARE(storedCoordinate(text, 2730), pixels);
    }

    void windowsStayReachable_data()
    {
        const QRect left(0, 0, 1920, 1080);
        const QRect right(1920, 0, 1280, 1024);
        const QRect primary(0, 0, 1920, 1040);
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("on the primary") << QList{left, right} << QPoint(100, 100) << QPoint(100, 100);
        QTest::newRow("on the second") << QList{left, right} << QPoint(2500, 900) << QPoint(2500, 900);
        QTest::newRow("partly off the edge") << QList{left} << QPoint(1860, 1050) << QPoint(1860, 1050);
        QTest::newRow("monitor unplugged") << QList{left} << QPoint(2500, 900) << QPoint(0, 0);
        QTest::newRow("a sliver only") << QList{left} << QPoint(1915, 10) << QPoint(0, 0);
        QTest::newRow("far above") << QList{left, right} << QPoint(100, -500) << QPoint(0, 0);
    }
    void windowsStayReachable()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, wanted);
        QFETCH(QPoint, placed);
        QCOMPARE(placeOnScreen(wanted, QSize(181, 111), screens, QRect(0, 0, 1920, 1040)), placed);
    }
};

QTEST_APPLESS_MAIN(TestWindowPosition)
#include "tst_windowposition.moc"
