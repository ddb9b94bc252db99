#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "app/frm_Main.h"
#include "core/Form.h"
#include "mock/MockClock.h"
#include "notes/frmNotes.h"
#include "support/ModalAnswer.h"
#include "support/StoredNotes.h"
#include "support/TempSettings.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

// What a screen reader hears of each control.
class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Form<frm_alarm_notif>::unload();
        Form<frm_Main>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void everyControlSaysWhatItIs_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* window, const char* control, QAccessible::Role role,
                            const QString& name) {
            QTest::addRow("%s %s", window, control) << window << control << int(role) << name;
        };
        row("main", "lblNote", QAccessible::StaticText, QStringLiteral("buy milk"));
        row("main", "Calendar1", QAccessible::Table, QStringLiteral("Calendar"));
        row("alarm", "chkOn_0", QAccessible::CheckBox, QStringLiteral("Alarm 1 on"));
        row("alarm", "comFreq_0", QAccessible::ComboBox, QStringLiteral("Alarm 1 frequency"));
        row("alarm", "comDays_7", QAccessible::ComboBox, QStringLiteral("Alarm 8 day"));
        row("alarm", "txtHr_0", QAccessible::EditableText, QStringLiteral("Alarm 1 hour"));
        row("alarm", "txtMin_14", QAccessible::EditableText, QStringLiteral("Alarm 15 minute"));
        row("alarm", "vscr_dur", QAccessible::ScrollBar, QStringLiteral("Alarm duration in seconds"));
        row("notes", "comDate", QAccessible::ComboBox, QStringLiteral("Date of the note"));
        row("notes", "txtNotes", QAccessible::EditableText,
            QStringLiteral("Note for the chosen date"));
    }
    void everyControlSaysWhatItIs()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        TempSettings settings;
        storeNotes(settings, {{QDate(2026, 12, 7), "buy milk"}});
        MockClock clock(2026, 12, 7, 7, 29, 59);
        auto startMessage = answerNextBox(QMessageBox::Ok);
        frm_Main& main = Form<frm_Main>::get();
        QVERIFY(startMessage->seen);

        // The calendar is made when it is first unfolded.
        main.itmShowCalendar->trigger();
        QWidget* owner = &main;
        if (window == QLatin1String("alarm"))
            owner = &Form<frm_SetAlarm>::get();
        else if (window == QLatin1String("notes"))
            owner = &Form<frmNotes>::get();
        auto* widget = owner->findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(reader);
        QCOMPARE(reader->role(), QAccessible::Role(role));
        // Drop-down lists are read by their choice, and say whose they are in the description.
        const QAccessible::Text said =
            role == QAccessible::ComboBox ? QAccessible::Description : QAccessible::Name;
        QCOMPARE(reader->text(said), name);
    }

    void noFocusableControlIsNameless()
    {
        TempSettings settings;
        MockClock clock(2026, 12, 7, 7, 29, 59);
        Form<frm_Main>::get();
        const QList<QWidget*> windows{&Form<frm_Main>::get(), &Form<frm_SetAlarm>::get(),
                                      &Form<frmNotes>::get(), &Form<frm_alarm_notif>::get()};
        for (QWidget* window : windows) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->focusPolicy() == Qt::NoFocus || control->objectName().isEmpty()
                    || control->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(reader && !reader->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(control->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
