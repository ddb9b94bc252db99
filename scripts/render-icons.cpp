// Draws the window icon's pixel sizes from the scalable one, as raw RGBA bytes that the
// program shows without an image decoder. Build and run by hand after changing the artwork:
//   g++ -std=c++20 -fPIC $(pkg-config --cflags Qt6Gui) scripts/render-icons.cpp \
//       $(pkg-config --libs Qt6Gui) -o /tmp/render-icons
//   QT_QPA_PLATFORM=offscreen /tmp/render-icons resources/vintrel-clock.svg resources
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32, 48, 64}) {
        const QImage image =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_RGBA8888);
        QFile file(QStringLiteral("%1/vintrel-clock-%2.rgba")
                       .arg(QString::fromLocal8Bit(argv[2]))
                       .arg(size));
        if (image.size() != QSize(size, size) || !file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())
                   != image.sizeInBytes())
            return 1;
    }
    return 0;
}
