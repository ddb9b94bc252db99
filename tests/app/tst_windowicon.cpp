#include "app/WindowIcon.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

class TestWindowIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Catches pixel files left behind by a change to the artwork, or read in the wrong
    // byte order.
    void everySizeShowsTheScalableArtwork()
    {
        const QString artwork = QFINDTESTDATA("../../resources/vintrel-clock.svg");
        QVERIFY(!artwork.isEmpty());
        const QIcon scalable(artwork);
        const QIcon icon = windowIcon();
        for (int size : {16, 32, 48, 64}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            const QImage shown = icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888);
            const QImage drawn =
                scalable.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888);
            QCOMPARE(shown.size(), QSize(size, size));
            QCOMPARE(shown, drawn);
        }
    }
};

QTEST_MAIN(TestWindowIcon)
#include "tst_windowicon.moc"
