// The yardstick for the clock's start-up: a bare Qt Widgets window of the same size with
// one label showing the time, and nothing else.

#include <QApplication>
#include <QLabel>
#include <QTime>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QTime::currentTime().toString());
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(175, 67);
    window.show();
    return app.exec();
}
