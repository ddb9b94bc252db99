// Draws the window icon's pixel sizes from the scalable one, so the program need not load
// the SVG engine at start-up. Build and run by hand after changing the artwork:
//   g++ -std=c++20 -fPIC $(pkg-config --cflags Qt6Gui) scripts/render-icons.cpp \
//       $(pkg-config --libs Qt6Gui) -o /tmp/render-icons
//   QT_QPA_PLATFORM=offscreen /tmp/render-icons resources/vintrel-clock.svg resources
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32, 48, 64}) {
        const QString file = QStringLiteral("%1/vintrel-clock-%2.png")
                                 .arg(QString::fromLocal8Bit(argv[2]))
                                 .arg(size);
        if (!icon.pixmap(QSize(size, size)).save(file))
            return 1;
    }
    return 0;
}
