#include "about/frmAbout.h"
#include "app/frm_Main.h"
#include "core/TickSchedule.h"
#include "mock/MockClock.h"
#include "support/AlarmRecorder.h"
#include "support/TempSettings.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

// The sizes with a real frame, reopening in place and a screen reader's view are in tests/e2e.
class TestMainWindow : public QObject
{
    Q_OBJECT

    // What the About window shows, read while it is open.
    static QString about(frmAbout* about)
    {
        const QStringList history = about->txtUpdates->toPlainText().split("\n\n");
        const QFont title = about->lblTitle->font();
        const QPoint centre = QApplication::primaryScreen()->availableGeometry().center();
        return QStringList{about->windowTitle(), about->lblVersion->text(), QString::number(history.size()),
                           history.first(), history.last()}.join('|')
            + (about->txtUpdates->isReadOnly() && !about->txtUpdates->font().bold() ? " read-only" : "")
            + (about->txtUpdates->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? " scrolls" : "")
            + (title.bold() && title.pointSizeF() == 12 && title.styleHint() == QFont::SansSerif ? " title" : "")
            + (about->focusWidget() == about->cmdOK ? " OK" : "")
            + ((about->geometry().center() - centre).manhattanLength() <= 8 ? " centred" : "");
    }

private Q_SLOTS:
    // The window opens where it was left, but never above or left of the screen. One tick a
    // second, just after the second turns, shows the time; the title bar repeats the status
    // line once the window is shown. While the settings, notes or About window is open, the
    // clock's shortcuts wait and its time still turns; then they unfold the calendar.
    void aMorningWithTheClock()
    {
        TempSettings settings;
        settings.writeFile("[Main]\ntop=-30\nleft=-15\n");
        MockClock clock(2026, 12, 7, 7, 29, 59);
        AlarmRecorder seen;
        {
            frm_Main main(seen, seen);
            main.Form_Load();
            QCOMPARE(main.pos(), QPoint(0, 0));
            QCOMPARE(main.windowTitle(), "Vintrel Clock & Alarm");
            main.show();
            QCOMPARE(main.windowTitle(), "Alarm is OFF");
            clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 30, 0, 40)));
            main.Timer1_Timer();
            QCOMPARE(main.Timer1->interval(), 960 + TickSchedule::Margin);
            QCOMPARE(main.lblTime->text().replace(QChar(0x202f), u' '), "7:30:00 AM");
            QCOMPARE(main.lblTime->font().pointSizeF(), 18.0);
            QString aboutSeen;
            for (QAction* item : {main.itmSetAlarm, main.itmDailyNotes, main.itmAbout}) {
                main.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&main));
                QWidget* modal = nullptr;
                QTimer::singleShot(0, &main, [&] {
                    modal = QApplication::activeModalWidget();
                    if (auto* window = qobject_cast<frmAbout*>(modal))
                        aboutSeen = about(window);
                    QTest::keyClick(main.windowHandle(), Qt::Key_S, Qt::ControlModifier);
                    clock.advanceSeconds(5);
                    QTest::qWait(1100);
                    if (modal)
                        modal->close();
                });
                item->trigger();
                QVERIFY(modal && modal != &main);
                QVERIFY2(!main.Calendar1, "the clock took a shortcut behind a modal window");
                QCOMPARE(main.lblTime->text().replace(QChar(0x202f), u' '), clock.now().toString("h:mm:ss AP"));
            }
            QCOMPARE(aboutSeen, "About Vintrel Clock & Alarm|v3.0.1|7|v3.0.1 - Bug fix: Fixed alarm setting calculations."
                                "|v1.0.1 - Bug fix.    Calendar now shows the correct date."
                                " read-only scrolls title OK centred");
            // Closed, each is gone.
            QTRY_VERIFY(!main.settingsWindow() && !main.notesWindow() && !QApplication::activeModalWidget());
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            for (Qt::Key key : {Qt::Key_H, Qt::Key_S}) // hiding what is not shown is refused
                QTest::keyClick(main.windowHandle(), key, Qt::ControlModifier);
            QVERIFY(main.Calendar1 && main.Calendar1->isVisible() && main.itmHideCalendar->isEnabled());
            QCOMPARE(main.Calendar1->selectedDate(), QDate(2026, 12, 7));
            main.move(70, 50);
            main.close();
        }
        QCOMPARE(settings.onDisk("Main", {"top", "left"}), "750 1050");
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_frm_main.moc"
