// The yardstick for the clock: a bare Qt Widgets window of the same size with one label
// showing the time, and nothing else. With --tick, the label and the title show the new
// time once a second, just after the second turns, as the clock's face does: the least a
// clock can do while it waits.

#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QTime::currentTime().toString());
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(175, 67);

    QTimer tick;
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const QTime now = QTime::currentTime();
        window.setText(now.toString());
        window.setWindowTitle(now.toString());
        tick.start(1005 - now.msec());
    });
    if (app.arguments().contains(QStringLiteral("--tick")))
        tick.start(0);

    window.show();
    return app.exec();
}
