#include "app/WindowIcon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        const QByteArray pixels =
            QResource(QStringLiteral(":/vintrel-clock-%1.rgba").arg(size)).uncompressedData();
        if (pixels.size() != size * size * 4)
            continue;
        // The image only borrows the bytes; the pixmap made from it owns a copy.
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                           size * 4, QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
