#include "app/frm_Main.h"
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
#include <QTextDocumentFragment>

namespace
{

DateSerial december(int day)
{
    return toDateSerial(QDate(2026, 12, day));
}

frmNotes& notes()
{
    return Form<frmNotes>::get();
}

} // namespace

// The notes window and the "N" on the clock, with the clock on Monday 7 December 2026.
class TestNotes : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;

    QString stored(const QString& key) const { return m_settings->onDisk("Notes", key); }
    QLabel* indicator() { return Form<frm_Main>::get().lblNote; }
    bool indicated() { return indicator()->isVisibleTo(&Form<frm_Main>::get()); }
    // Starts the program's main window, answering a start-up message if one comes.
    std::shared_ptr<SeenBox> start()
    {
        const auto box = answerNextBox(QMessageBox::Ok);
        Form<frm_Main>::load();
        QCoreApplication::processEvents(); // without a message, the answer finds nothing
        return box;
    }
    void tick() { QMetaObject::invokeMethod(Form<frm_Main>::get().Timer1, "timeout"); }
    void choose(DateSerial day) { notes().comDate->setCurrentIndex(notes().ListDays().indexOf(day)); }
    QString buttons()
    {
        QStringList enabled;
        for (QPushButton* button : {notes().cmdAdd, notes().cmdEdit, notes().cmdDelete})
            enabled << (button->isEnabled() ? button->objectName() : "-");
        return enabled.join(' ');
    }
    // Types the text as day's note through Add or Edit, as the day allows.
    void write(DateSerial day, const QString& text)
    {
        choose(day);
        QPushButton* mode = notes().cmdAdd->isEnabled() ? notes().cmdAdd : notes().cmdEdit;
        QTest::mouseClick(mode, Qt::LeftButton);
        notes().txtNotes->setPlainText(text);
        QTest::mouseClick(mode, Qt::LeftButton);
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
        QTest::addColumn<QList<DailyNote>>("stored");
        QTest::addColumn<bool>("told");
        QTest::newRow("note today") << QList<DailyNote>{{december(6), "past"}, {december(7), "Call the plumber"}} << true;
        QTest::newRow("other days only") << QList<DailyNote>{{december(6), "past"}, {december(8), "next"}} << false;
        QTest::newRow("no notes") << QList<DailyNote>{} << false;
    }
    void startUpTellsOfTodaysNote()
    {
        QFETCH(QList<DailyNote>, stored);
        QFETCH(bool, told);
        storeNotes(*m_settings, stored);
        const auto box = start();
        QCOMPARE(box->seen, told);
        QCOMPARE(indicated(), told);
        QCOMPARE(mod_alarm::TodayHasNotes, told);
        if (told) {
            QCOMPARE(box->text, QStringLiteral("There are notes entered for today (Monday 7 December)."));
            QCOMPARE(indicator()->toolTip(), QStringLiteral("Call the plumber"));
        }
    }

    void buttonsFollowTheChosenEntry_data()
    {
        QTest::addColumn<DateSerial>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("expired note") << december(1) << "past" << "- - cmdDelete";
        QTest::newRow("today's note") << december(7) << "now" << "- cmdEdit cmdDelete";
        QTest::newRow("future note") << december(25) << "later" << "- cmdEdit cmdDelete";
        QTest::newRow("day without a note") << december(20) << "" << "cmdAdd - -";
    }
    void buttonsFollowTheChosenEntry()
    {
        QFETCH(DateSerial, day);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        storeNotes(*m_settings, {{december(1), "past"}, {december(7), "now"}, {december(25), "later"}});
        start();
        choose(december(24)); // so that choosing the day is a change
        choose(day);
        QCOMPARE(notes().txtNotes->toPlainText(), text);
        QCOMPARE(buttons(), expected);
    }

    void addEditAndDeleteReachTheStoreAndTheIndicator()
    {
        start();
        Form<frmNotes>::showModeless();
        QVERIFY(QTest::qWaitForWindowActive(&notes()));
        choose(december(7));
        QTest::mouseClick(notes().cmdAdd, Qt::LeftButton);
        // While a note is typed, only "Done" is on offer and the day cannot change.
        QCOMPARE(notes().cmdAdd->text(), QStringLiteral("Done"));
        QCOMPARE(buttons(), QStringLiteral("cmdAdd - -"));
        QVERIFY(!notes().comDate->isEnabled());
        QCOMPARE(QApplication::focusWidget(), notes().txtNotes);
        QTest::keyClicks(notes().txtNotes, "Buy bread");
        QTest::mouseClick(notes().cmdAdd, Qt::LeftButton);
        QCOMPARE(buttons(), QStringLiteral("- cmdEdit cmdDelete"));
        QVERIFY(notes().txtNotes->isReadOnly());
        QCOMPARE(notes().comDate->currentText(), QStringLiteral("(*) Monday, December 7, 2026"));
        QCOMPARE(stored("Day1") + stored("Text1"), QString::number(december(7)) + "Buy bread");
        QCOMPARE(indicator()->toolTip(), QStringLiteral("Buy bread"));

        // "Done" with nothing typed stores nothing; notes of other days leave the "N" alone.
        write(december(24), "");
        QCOMPARE(stored("NumNotes"), QStringLiteral("1"));
        write(december(24), "Wrap presents");
        write(december(24), "Wrap all presents");
        QCOMPARE(notes().comDate->currentText(), QStringLiteral("(*) Thursday, December 24, 2026"));
        QCOMPARE(stored("Text2"), QStringLiteral("Wrap all presents"));
        QCOMPARE(indicator()->toolTip(), QStringLiteral("Buy bread"));
        write(december(7), "<b>rye</b> & spelt"); // shown as typed, not as markup
        QCOMPARE(QTextDocumentFragment::fromHtml(indicator()->toolTip()).toPlainText(),
                 QStringLiteral("<b>rye</b> & spelt"));
        // A note edited to nothing is still a note.
        write(december(7), "");
        QVERIFY(indicated());
        QCOMPARE(stored("Text1"), QString());
        QVERIFY(m_settings->onDiskContains("Notes", "Text1"));

        auto box = answerNextBox(QMessageBox::No);
        QTest::mouseClick(notes().cmdDelete, Qt::LeftButton);
        QVERIFY(box->seen);
        QCOMPARE(stored("NumNotes"), QStringLiteral("2"));
        box = answerNextBox(QMessageBox::Yes);
        QTest::mouseClick(notes().cmdDelete, Qt::LeftButton);
        QCOMPARE(stored("Text1"), QStringLiteral("Wrap all presents"));
        QVERIFY(!indicated());
    }

    void aFullListRefusesAdd()
    {
        QList<DailyNote> full;
        for (int n = 1; n <= NoteList::MaxNotes; ++n)
            full.append({december(7) - 40000 + n, ""});
        storeNotes(*m_settings, full);
        start();
        const auto box = answerNextBox(QMessageBox::Ok);
        QTest::mouseClick(notes().cmdAdd, Qt::LeftButton);
        QVERIFY(box->text.contains("32767"));
        QCOMPARE(notes().cmdAdd->text(), QStringLiteral("Add Note"));
        QVERIFY(notes().txtNotes->isReadOnly());
    }

    void aNewDayRebuildsTheNotes()
    {
        storeNotes(*m_settings, {{december(7), "today's"}, {december(8), "tomorrow's"}});
        start();
        storeNotes(*m_settings, {});
        tick(); // an ordinary tick reads nothing
        QCOMPARE(notes().comDate->count(), 366);
        storeNotes(*m_settings, {{december(7), "today's"}, {december(8), "tomorrow's"}});

        m_clock->set(2026, 12, 8, 0, 0, 0);
        tick();
        QCOMPARE(notes().comDate->itemText(0), QStringLiteral("(exp) Monday, December 7, 2026"));
        QCOMPARE(notes().comDate->currentText(), QStringLiteral("(*) Tuesday, December 8, 2026"));
        QCOMPARE(indicator()->toolTip(), QStringLiteral("tomorrow's"));
        m_clock->set(2026, 12, 9, 0, 0, 0);
        tick();
        QVERIFY(!indicated());
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
        const DateSerial day = december(editing ? 20 : 19);
        storeNotes(*m_settings, {{december(20), "draft"}});
        start();
        choose(day);
        QPushButton* button = editing ? notes().cmdEdit : notes().cmdAdd;
        QTest::mouseClick(button, Qt::LeftButton);
        notes().txtNotes->setPlainText("half typed");

        m_clock->set(2026, 12, 8, 0, 0, 1);
        tick();
        QCOMPARE(notes().comDate->itemText(0), QStringLiteral("Monday, December 7, 2026"));
        QCOMPARE(notes().txtNotes->toPlainText(), QStringLiteral("half typed"));
        QVERIFY(!notes().txtNotes->isReadOnly());
        // Ending the mode stores the text on the day it was typed for, in the new day's list.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(notes().comDate->itemText(0), QStringLiteral("Tuesday, December 8, 2026"));
        QCOMPARE(notes().ListDays().at(notes().comDate->currentIndex()), day);
        QCOMPARE(stored("Text1") + stored("Day1"), "half typed" + QString::number(day));
    }
};

QTEST_MAIN(TestNotes)
#include "tst_frmnotes.moc"
