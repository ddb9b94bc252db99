#include "app/CommandLine.h"

#include <QTest>

// What the clock makes of its arguments, before any application object or display exists.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outcome_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the clock starts
        QTest::addColumn<QString>("out");  // the first line of each
        QTest::addColumn<QString>("err");
        const QString usage = "Usage: /usr/bin/vintrel-clock [options]";
        QTest::newRow("none") << QStringList{} << -1 << "" << "";
        QTest::newRow("Qt's own options")
            << QStringList{"-platform", "xcb", "-session", "1a2b", "--display=:1", "-style=fusion",
                           "-reverse"}
            << -1 << "" << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "vintrel-clock 3.0.1" << "";
        QTest::newRow("-h") << QStringList{"-h", "-platform", "xcb"} << 0 << usage << "";
        QTest::newRow("unknown option") << QStringList{"--alarm"} << 1 << ""
                                        << "Unknown option 'alarm'.";
        QTest::newRow("stray argument") << QStringList{"07:30"} << 1 << ""
                                        << "Unexpected argument '07:30'.";
        QTest::newRow("Qt option without its value")
            << QStringList{"-platform"} << 1 << "" << "Missing value after '-platform'.";
    }
    void outcome()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CommandLineOutcome outcome =
            parseCommandLine(QStringList{"/usr/bin/vintrel-clock"} + arguments, "3.0.1");
        QCOMPARE(outcome.exitCode.value_or(-1), exitCode);
        QCOMPARE(outcome.out.section('\n', 0, 0), out);
        QCOMPARE(outcome.err.section('\n', 0, 0), err);
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
