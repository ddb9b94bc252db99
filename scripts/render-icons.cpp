// Draws the icon's pixel sizes from the scalable one, as "vintrel-clock-<size>.<format>" in
// DIR. As raw RGBA bytes, the window icon that the program shows without an image decoder,
// run by hand after changing the artwork (the build makes the program):
//   cd resources
//   QT_QPA_PLATFORM=offscreen ../build/packaging/render-icons vintrel-clock.svg . rgba 16 32 48 64
// As PNG files, the icons of the desktop's icon theme, drawn by the build (packaging/).
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 5)
        return 2;
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    const QString format = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QImage image =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_RGBA8888);
        const QString path = QStringLiteral("%1/vintrel-clock-%2.%3")
                                 .arg(QString::fromLocal8Bit(argv[2]))
                                 .arg(size)
                                 .arg(format);
        if (image.size() != QSize(size, size))
            return 1;
        if (format == QLatin1String("png")) {
            if (!image.save(path, "PNG"))
                return 1;
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())
                   != image.sizeInBytes())
            return 1;
    }
    return 0;
}
