#include "app/frm_Main.h"
#include "mock/MockClock.h"
#include "notes/NoteStore.h"
#include "notes/frmNotes.h"
#include "support/AlarmRecorder.h"
#include "support/ModalAnswer.h"
#include "support/TempSettings.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QDate december(int day)
{
    return QDate(2026, 12, day);
}

QStringList textsOf(const NoteList& list)
{
    QStringList texts;
    for (const DailyNote& note : list.notes)
        texts.append(note.text);
    return texts;
}

} // namespace

// The notes as stored, the notes window and the "N" on the clock, from Monday 7 December 2026.
class TestNotes : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;
    AlarmRecorder m_seen;
    std::unique_ptr<frm_Main> m_main;
    std::unique_ptr<frmNotes> m_window;

    frmNotes& notes() { return *m_window; }
    QString stored(const QString& key) const { return m_settings->onDisk("Notes", key).toString(); }
    // The section on disk holds exactly the list's notes, in order, and nothing above them.
    void verifyOnDisk(const NoteList& list)
    {
        QStringList onDisk{stored("NumNotes")}, expected{QString::number(list.NumNotes())};
        for (int n = 1; n <= list.NumNotes() + 1; ++n)
            onDisk << stored("Day" + QString::number(n)) + '=' + stored("Text" + QString::number(n));
        for (const DailyNote& note : list.notes)
            expected << QString::number(note.day) + '=' + note.text;
        QCOMPARE(onDisk, expected << "=");
    }
    bool indicated() { return m_main->lblNote->isVisibleTo(m_main.get()); }
    // Starts the clock, answering a start-up message if one comes, and opens the notes window
    // beside it. Returns the message.
    QString start()
    {
        const auto message = answerNextBox(QMessageBox::Ok);
        m_main = std::make_unique<frm_Main>(m_seen, m_seen);
        m_main->Form_Load();
        QCoreApplication::processEvents(); // without a message, the answer finds nothing
        m_window = std::make_unique<frmNotes>(m_main->dailyNotes());
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        new QAbstractItemModelTester(notes().comDate->model(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest, m_window.get());
        m_window->Form_Load();
        return *message;
    }
    int entryOf(const QDate& day) { return notes().ListDays().indexOf(toDateSerial(day)); }
    // The day's text, then Add, Edit and Delete when enabled; the day shown if none is given.
    QString choose(const QDate& day = {})
    {
        if (day.isValid())
            notes().comDate->setCurrentIndex(entryOf(day));
        QString state = notes().txtNotes->toPlainText();
        for (QPushButton* button : {notes().cmdAdd, notes().cmdEdit, notes().cmdDelete})
            state += ' ' + (button->isEnabled() ? button->text() : "-");
        return state;
    }
    // Types the day's note with Add or Edit, whichever the day offers.
    void write(const QDate& day, const QString& text)
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
    void cleanup() { m_window.reset(); m_main.reset(); m_clock.reset(); }

    // Writes keep the days in order and the section exact. A malformed section yields its
    // readable notes, in order, one a day; each note's text is its day. An edit lays the
    // section out afresh, so nothing stale is left to be read back.
    void theSectionOnDisk()
    {
        const QList<std::pair<QByteArray, QStringList>> cases{
            {"NumNotes=many\nDay1=1\nText1=1\nDay2=2\nText2=2\n", {"1", "2"}},
            {"NumNotes=3\nDay1=1\nText1=1\nText2=2\nDay3=3\nText3=3\n", {"1", "3"}},
            {"NumNotes=2\nDay1=soon\nText1=1\nDay2=2\nText2=2\n", {"2"}},
            {"NumNotes=3\nDay1=2\nText1=2\nDay2=1\nText2=1\nDay3=2\nText3=x\n", {"1", "2"}},
            {"NumNotes=2\nDay1=1.75\nText1=1\nDay2=2\nText2=2\n", {"1", "2"}},
            {"NumNotes=2\nDay1=1e10\nText1=1e10\nDay2=2\nText2=2\n", {"2"}}}; // a day no calendar reaches
        for (const auto& [section, texts] : cases) {
            m_settings->writeFile("[Notes]\n" + section);
            DailyNotes notes;
            notes.ReadNotes();
            QCOMPARE(textsOf(notes.list()), texts);
            for (const DailyNote& note : notes.list().notes)
                QCOMPARE(note.text, QString::number(note.day));
            // After, before and between the notes listed; then an edit and a delete.
            QStringList expected = texts + QStringList{"0", "5", "9"};
            for (int day : {9, 0, 5})
                notes.InsertNote(day, QString::number(day));
            notes.UpdateNoteText(2, "edited");
            notes.DeleteNote(1);
            std::sort(expected.begin(), expected.end(), [](auto& a, auto& b) { return a.toInt() < b.toInt(); });
            expected[1] = "edited";
            QCOMPARE(textsOf(notes.list()), expected.mid(1));
            verifyOnDisk(notes.list());
        }
        NoteList full;
        full.notes.fill({1.0, QString()}, NoteList::MaxNotes);
        QVERIFY(!insertStoredNote(full, 2, "one too many") && full.NumNotes() == NoteList::MaxNotes);
        NoteList sameDay;
        for (const char* text : {"first", "second"})
            QVERIFY(insertStoredNote(sameDay, 3, text));
        QCOMPARE(textsOf(sameDay), QStringList({"second", "first"}));
        // A directory in the file's place makes every save fail, even for root.
        DailyNotes notes;
        notes.ReadNotes();
        QVERIFY(QFile::remove(m_settings->fileName()) && QDir().mkpath(m_settings->fileName()));
        QSignalSpy failed(&notes, &DailyNotes::saveFailed);
        notes.InsertNote(100, "first");
        notes.UpdateNoteText(1, "kept");
        notes.DeleteNote(2);
        QCOMPARE(failed.size(), 3);
        QCOMPARE(textsOf(notes.list()).first(), "kept"); // kept for a later save
    }

    // The date list is as wide as the widest date of the year. In these years the widest
    // pairing of weekday and month, Wednesday in September, falls on each of the 22nd to 28th.
    void theWidestDateOfAYear()
    {
        const QLocale english(QLocale::English);
        const QString format = english.dateFormat(QLocale::LongFormat);
        const QFontMetrics metrics(QApplication::font());
        for (int year = 2026; year <= 2033; ++year) {
            int widest = 0;
            for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1))
                widest = std::max(widest, metrics.horizontalAdvance(ExpiredMarker + english.toString(date, format)));
            QCOMPARE(metrics.horizontalAdvance(widestEntryText(english, format, year, metrics)), widest);
        }
    }

    void addEditAndDeleteReachTheStoreAndTheIndicator()
    {
        QCOMPARE(start(), "");
        notes().show();
        QVERIFY(QTest::qWaitForWindowActive(&notes()) && notes().txtNotes->isReadOnly());
        QCOMPARE(choose(december(7)), " Add Note - -");
        QTest::keyClick(notes().comDate, Qt::Key_Return); // presses no button of its own accord
        QCOMPARE(notes().cmdAdd->text(), "Add Note");
        QTest::mouseClick(notes().cmdAdd, Qt::LeftButton);
        // While a note is typed only "Done" is on offer, and the day cannot change.
        QCOMPARE(choose(december(7)), " Done - -");
        QVERIFY(!notes().comDate->isEnabled() && !notes().cmdClose->isEnabled());
        QTest::keyClicks(notes().txtNotes, "Buy bread");
        QTest::keyClick(notes().txtNotes, Qt::Key_Escape); // a slip that loses nothing
        QTest::mouseClick(notes().cmdAdd, Qt::LeftButton);
        QCOMPARE(notes().comDate->currentText(), "(*) Monday, December 7, 2026");
        QCOMPARE(choose(), "Buy bread - Edit Note Delete Note");
        QVERIFY(notes().txtNotes->isReadOnly() && notes().comDate->isEnabled());
        QCOMPARE(stored("Day1") + stored("Text1"), QString::number(toDateSerial(december(7))) + "Buy bread");
        QCOMPARE(m_main->lblNote->toolTip() + m_main->lblNote->accessibleDescription(), "Buy breadBuy bread");
        // "Done" with nothing typed stores nothing; notes of other days leave the "N" alone.
        write(december(24), "");
        QCOMPARE(stored("NumNotes"), "1");
        write(december(24), "Wrap presents");
        QCOMPARE(notes().comDate->currentText() + ": " + choose(), "(*) Thursday, December 24, 2026: Wrap presents - Edit Note Delete Note");
        QCOMPARE(stored("Text2") + '/' + m_main->lblNote->toolTip(), "Wrap presents/Buy bread");
        write(december(7), ""); // a note edited to nothing is still a note
        QVERIFY(indicated() && m_settings->onDisk("Notes", "Text1").isValid());
        answerNextBox(QMessageBox::No); // deleting asks first
        QTest::mouseClick(notes().cmdDelete, Qt::LeftButton);
        QCOMPARE(stored("NumNotes"), "2");
        const auto question = answerNextBox(QMessageBox::Yes);
        QTest::mouseClick(notes().cmdDelete, Qt::LeftButton);
        QCOMPARE(*question, "Are you sure you want to delete this entry?");
        QCOMPARE(stored("Text1"), "Wrap presents");
        QVERIFY(!m_settings->onDisk("Notes", "Day2").isValid() && !indicated());
        QTest::mouseClick(notes().cmdClose, Qt::LeftButton);
        QVERIFY(!notes().isVisible());
    }

    // Closed while a note is typed, the notes ask: Cancel stays with it, Discard stores nothing,
    // Keep stores it as "Done" would. An edit, in the notes beside the clock as the clock
    // closes, is asked about once; Cancel keeps the clock open.
    void closingWhileANoteIsTypedAsksWhetherToKeepIt()
    {
        start();
        const QList<std::tuple<QMessageBox::StandardButton, bool, const char*>> answers{
            {QMessageBox::Cancel, true, ""}, {QMessageBox::Discard, false, ""}, {QMessageBox::Save, false, "Buy bread"}};
        for (const auto& [answer, stays, kept] : answers) {
            frmNotes window(m_main->dailyNotes());
            window.setAttribute(Qt::WA_DeleteOnClose, false);
            window.Form_Load();
            window.show();
            QTest::mouseClick(window.cmdAdd, Qt::LeftButton);
            QTest::keyClicks(window.txtNotes, "Buy bread");
            const auto question = answerNextBox(answer);
            window.close();
            QCOMPARE(*question, "Keep the note you are writing?");
            QCOMPARE(window.isVisible(), stays);
            QCOMPARE(window.txtNotes->toPlainText() + '|' + stored("Text1"), "Buy bread|" + QString(kept));
        }
        QTest::mouseClick(m_main->lblNote, Qt::LeftButton);
        frmNotes* beside = m_main->notesWindow();
        QTest::mouseClick(beside->cmdEdit, Qt::LeftButton);
        beside->txtNotes->setPlainText("Buy milk");
        answerNextBox(QMessageBox::Cancel);
        QVERIFY(!m_main->close() && beside->isEditing());
        EveryBoxAnswered keep(QMessageBox::Save);
        m_main->close();
        QCOMPARE(keep.seen, QStringList{"Keep the note you are writing? [&Keep]"});
        QCOMPARE(stored("Text1"), "Buy milk");
    }

    void aNewDayRebuildsTheNotesOnceNothingIsBeingTyped()
    {
        const auto day = [](int day) { return QString::number(toDateSerial(december(day))); };
        m_settings->writeFile(QString("[Notes]\nNumNotes=3\nDay1=%1\nText1=7\nDay2=%2\nText2=8\nDay3=%3\nText3=20\n")
                                  .arg(day(7), day(8), day(20)).toUtf8());
        QCOMPARE(start(), "There are notes entered for today (Monday 7 December).");
        QCOMPARE(m_main->lblNote->toolTip(), "7");
        // A click on the "N" opens the notes beside the clock, which stays usable.
        QTest::mouseClick(m_main->lblNote, Qt::LeftButton);
        QVERIFY(m_main->notesWindow()->isVisible() && !QApplication::activeModalWidget());
        choose(december(20));
        QTest::mouseClick(notes().cmdEdit, Qt::LeftButton);
        notes().txtNotes->setPlainText("half typed");
        m_clock->set(QDateTime(december(8), QTime(0, 0, 1)));
        m_main->Timer1_Timer();
        QCOMPARE(m_main->lblNote->toolTip(), "8"); // at once
        QCOMPARE(entryOf(december(7)), 0);
        QCOMPARE(notes().txtNotes->toPlainText(), "half typed");
        // Ending the edit stores it on its own day and lists the new day's dates: the expired
        // notes first, then today and the next 365 days.
        QTest::mouseClick(notes().cmdEdit, Qt::LeftButton);
        QCOMPARE(stored("Text3"), "half typed");
        QCOMPARE(notes().comDate->currentIndex(), entryOf(december(20)));
        QCOMPARE(notes().comDate->count(), 1 + 366);
        QCOMPARE(notes().comDate->itemText(0), "(exp) Monday, December 7, 2026");
        QCOMPARE(notes().comDate->itemText(366), "Wednesday, December 8, 2027");
        QCOMPARE(choose(december(7)), "7 - - Delete Note"); // expired
        QCOMPARE(choose(december(8)), "8 - Edit Note Delete Note");
        m_clock->set(QDateTime(december(9), QTime(0, 0)));
        m_main->Timer1_Timer();
        QVERIFY(!indicated());
    }
};

QTEST_MAIN(TestNotes)
#include "tst_notes.moc"
