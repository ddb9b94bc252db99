#include "app/frm_Main.h"
#include "core/AppInfo.h"
#include "core/Form.h"
#include "core/mod_alarm.h"
#include "mock/MockClock.h"
#include "notes/frmNotes.h"
#include "support/ModalAnswer.h"
#include "support/StoredNotes.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{

const QDate today(2026, 12, 7);

} // namespace

// The "N" on the clock and the start-up message, as the main window and the notes window
// keep them together.
class TestTodaysNotes : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;

    frm_Main& mainWindow() { return Form<frm_Main>::get(); }
    frmNotes& notesWindow() { return Form<frmNotes>::get(); }
    QLabel* lblNote() { return mainWindow().lblNote; }
    bool noteShown() { return lblNote()->isVisibleTo(&mainWindow()); }

    // Starts the program's main window, answering a start-up message if one comes.
    std::shared_ptr<SeenBox> start()
    {
        const auto box = answerNextBox(QMessageBox::Ok);
        Form<frm_Main>::load();
        // Without a message the answer is still queued; let it find nothing now.
        QCoreApplication::processEvents();
        return box;
    }
    void tick() { QMetaObject::invokeMethod(mainWindow().Timer1, "timeout"); }
    void choose(const QDate& day)
    {
        notesWindow().comDate->setCurrentIndex(notesWindow().ListDays().indexOf(toDateSerial(day)));
    }
    void addNote(const QDate& day, const QString& text)
    {
        choose(day);
        QTest::mouseClick(notesWindow().cmdAdd, Qt::LeftButton);
        QTest::keyClicks(notesWindow().txtNotes, text);
        QTest::mouseClick(notesWindow().cmdAdd, Qt::LeftButton);
    }
    void editNote(const QDate& day, const QString& text)
    {
        choose(day);
        QTest::mouseClick(notesWindow().cmdEdit, Qt::LeftButton);
        notesWindow().txtNotes->setPlainText(text);
        QTest::mouseClick(notesWindow().cmdEdit, Qt::LeftButton);
    }

  private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        m_clock = std::make_unique<MockClock>(2026, 12, 7, 8, 0, 0);
    }
    void cleanup()
    {
        Form<frm_Main>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Form<frmNotes>::isLoaded());
        m_clock.reset();
        m_settings.reset();
    }

    void startUpTellsOfTodaysNote_data()
    {
        QTest::addColumn<QList<StoredNote>>("stored");
        QTest::addColumn<bool>("told");

        QTest::newRow("note today")
            << QList<StoredNote>{{QDate(2026, 12, 6), "yesterday"}, {today, "Call the plumber"}}
            << true;
        QTest::newRow("notes on other days only")
            << QList<StoredNote>{{QDate(2026, 12, 6), "yesterday"},
                                 {QDate(2026, 12, 8), "tomorrow"}}
            << false;
        QTest::newRow("no notes") << QList<StoredNote>{} << false;
    }
    void startUpTellsOfTodaysNote()
    {
        QFETCH(QList<StoredNote>, stored);
        QFETCH(bool, told);
        storeNotes(*m_settings, stored);

        const auto box = start();
        QCOMPARE(box->seen, told);
        QCOMPARE(noteShown(), told);
        QCOMPARE(mod_alarm::TodayHasNotes, told);
        QVERIFY(Form<frmNotes>::isLoaded());
        QVERIFY(!notesWindow().isVisible());
        if (told) {
            QCOMPARE(box->text,
                     QStringLiteral("There are notes entered for today (Monday 7 December)."));
            QCOMPARE(box->title, AppTitle);
            QCOMPARE(box->icon, QMessageBox::Information);
            QCOMPARE(box->buttons, QMessageBox::Ok);
            QCOMPARE(lblNote()->toolTip(), QStringLiteral("Call the plumber"));
        }
    }

    void theIndicatorFollowsAddEditAndDelete()
    {
        start();
        QVERIFY(!noteShown());

        addNote(today, "Buy bread");
        QVERIFY(noteShown());
        QCOMPARE(lblNote()->toolTip(), QStringLiteral("Buy bread"));

        // Notes of other days leave the tool tip on today's note.
        addNote(QDate(2026, 12, 24), "Wrap presents");
        editNote(QDate(2026, 12, 24), "Wrap all presents");
        QVERIFY(noteShown());
        QCOMPARE(lblNote()->toolTip(), QStringLiteral("Buy bread"));

        editNote(today, "Buy rye bread");
        QCOMPARE(lblNote()->toolTip(), QStringLiteral("Buy rye bread"));
        editNote(today, "<b>rye</b> & <i>spelt</i>");
        QVERIFY(lblNote()->toolTip().contains(QStringLiteral("&lt;b&gt;rye&lt;/b&gt;")));
        QVERIFY(lblNote()->toolTip().contains(QStringLiteral("&amp;")));
        editNote(today, QString());
        QVERIFY(noteShown());
        QCOMPARE(lblNote()->toolTip(), QString());

        choose(today);
        const auto box = answerNextBox(QMessageBox::Yes);
        QTest::mouseClick(notesWindow().cmdDelete, Qt::LeftButton);
        QVERIFY(box->seen);
        QVERIFY(!noteShown());
    }

    void aNewDayRebuildsTheNotes()
    {
        storeNotes(*m_settings, {{today, "today's"}, {QDate(2026, 12, 8), "tomorrow's"}});
        start();
        Form<frmNotes>::showModeless();
        QCOMPARE(lblNote()->toolTip(), QStringLiteral("today's"));

        // An ordinary tick re-reads nothing.
        storeNotes(*m_settings, {});
        tick();
        QCOMPARE(notesWindow().comDate->currentText(),
                 QStringLiteral("(*) Monday, December 7, 2026"));
        storeNotes(*m_settings, {{today, "today's"}, {QDate(2026, 12, 8), "tomorrow's"}});

        m_clock->set(2026, 12, 8, 0, 0, 0);
        const auto box = answerNextBox(QMessageBox::Ok);
        tick();
        QCOMPARE(notesWindow().comDate->itemText(0),
                 QStringLiteral("(exp) Monday, December 7, 2026"));
        QCOMPARE(notesWindow().comDate->currentIndex(), 1);
        QCOMPARE(notesWindow().comDate->currentText(),
                 QStringLiteral("(*) Tuesday, December 8, 2026"));
        QVERIFY(notesWindow().isVisible());
        QVERIFY(noteShown());
        QCOMPARE(lblNote()->toolTip(), QStringLiteral("tomorrow's"));

        m_clock->set(2026, 12, 9, 0, 0, 0);
        tick();
        QCOMPARE(notesWindow().comDate->currentText(),
                 QStringLiteral("Wednesday, December 9, 2026"));
        QVERIFY(!noteShown());
        QCoreApplication::processEvents();
        QVERIFY(!box->seen);
    }

    void aNewDayWaitsWhileANoteIsTyped_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::newRow("add") << false;
        QTest::newRow("edit") << true;
    }
    void aNewDayWaitsWhileANoteIsTyped()
    {
        QFETCH(bool, editing);
        const QDate day(2026, 12, 20);
        storeNotes(*m_settings, {{day, "draft"}});
        start();
        Form<frmNotes>::showModeless();
        choose(day.addDays(editing ? 0 : 1));
        QPushButton* button = editing ? notesWindow().cmdEdit : notesWindow().cmdAdd;
        QTest::mouseClick(button, Qt::LeftButton);
        notesWindow().txtNotes->setPlainText("half typed");

        m_clock->set(2026, 12, 8, 0, 0, 1);
        tick();
        QCOMPARE(notesWindow().comDate->itemText(0), QStringLiteral("Monday, December 7, 2026"));
        QCOMPARE(notesWindow().txtNotes->toPlainText(), QStringLiteral("half typed"));
        QVERIFY(!notesWindow().txtNotes->isReadOnly());
        QCOMPARE(button->text(), QStringLiteral("Done"));

        // Ending the mode stores the text on the day it was typed for, in the new day's list.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(notesWindow().comDate->itemText(0), QStringLiteral("Tuesday, December 8, 2026"));
        QCOMPARE(notesWindow().txtNotes->toPlainText(), QStringLiteral("half typed"));
        QCOMPARE(notesWindow().ListDays().at(notesWindow().comDate->currentIndex()),
                 toDateSerial(day.addDays(editing ? 0 : 1)));

        tick();
        QCOMPARE(notesWindow().comDate->currentIndex(), 0);
        QVERIFY(!noteShown());
    }
};

QTEST_MAIN(TestTodaysNotes)
#include "tst_todaysnotes.moc"
