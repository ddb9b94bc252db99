#include "app/frm_Main.h"
#include "core/Form.h"
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

QDate december(int day)
{
    return QDate(2026, 12, day);
}

frmNotes& notes()
{
    return Form<frmNotes>::get();
}

} // namespace

// The notes window and the "N" on the clock, from Monday 7 December 2026.
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
    void newDay(int day)
    {
        m_clock->set(2026, 12, day, 0, 0, 1);
        QMetaObject::invokeMethod(Form<frm_Main>::get().Timer1, "timeout");
    }
    int entryOf(const QDate& day) { return notes().ListDays().indexOf(toDateSerial(day)); }
    // The enabled ones of Add, Edit and Delete, with the text the chosen day shows.
    QString choose(const QDate& day)
    {
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
    void cleanup()
    {
        Form<frm_Main>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_clock.reset();
        m_settings.reset();
    }

    void addEditAndDeleteReachTheStoreAndTheIndicator()
    {
        QVERIFY(!start()->seen);
        Form<frmNotes>::showModeless();
        QVERIFY(QTest::qWaitForWindowActive(&notes()));
        QCOMPARE(choose(december(7)), QStringLiteral(" Add Note - -"));
        QTest::mouseClick(notes().cmdAdd, Qt::LeftButton);
        // While a note is typed only "Done" is on offer, and the day cannot change.
        QCOMPARE(choose(december(7)), QStringLiteral(" Done - -"));
        QVERIFY(!notes().comDate->isEnabled());
        QTest::keyClicks(notes().txtNotes, "Buy bread");
        QTest::mouseClick(notes().cmdAdd, Qt::LeftButton);
        QCOMPARE(notes().comDate->currentText(), QStringLiteral("(*) Monday, December 7, 2026"));
        QCOMPARE(stored("Day1") + stored("Text1"), QString::number(toDateSerial(december(7))) + "Buy bread");
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
        write(december(7), ""); // a note edited to nothing is still a note
        QVERIFY(indicated());
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

    void aNewDayRebuildsTheNotes()
    {
        storeNotes(*m_settings, {{december(7), "today's"}, {december(8), "tomorrow's"}});
        const auto box = start();
        QCOMPARE(box->text, QStringLiteral("There are notes entered for today (Monday 7 December)."));
        QCOMPARE(indicator()->toolTip(), QStringLiteral("today's"));
        storeNotes(*m_settings, {});
        QMetaObject::invokeMethod(Form<frm_Main>::get().Timer1, "timeout");
        QCOMPARE(notes().comDate->count(), 366); // an ordinary tick reads nothing
        storeNotes(*m_settings, {{december(7), "today's"}, {december(8), "tomorrow's"}});

        newDay(8);
        QCOMPARE(notes().comDate->currentText(), QStringLiteral("(*) Tuesday, December 8, 2026"));
        QCOMPARE(indicator()->toolTip(), QStringLiteral("tomorrow's"));
        QCOMPARE(choose(december(7)), QStringLiteral("today's - - Delete Note")); // expired
        QCOMPARE(choose(december(8)), QStringLiteral("tomorrow's - Edit Note Delete Note"));
        newDay(9);
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
        const QDate day = december(editing ? 20 : 19);
        storeNotes(*m_settings, {{december(20), "draft"}});
        QVERIFY(!start()->seen);
        choose(day);
        QPushButton* button = editing ? notes().cmdEdit : notes().cmdAdd;
        QTest::mouseClick(button, Qt::LeftButton);
        notes().txtNotes->setPlainText("half typed");

        newDay(8);
        QCOMPARE(entryOf(december(7)), 0);
        QCOMPARE(notes().txtNotes->toPlainText(), QStringLiteral("half typed"));
        // Ending the mode stores the text on the day it was typed for, in the new day's list.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(entryOf(december(8)), 0);
        QCOMPARE(notes().comDate->currentIndex(), entryOf(day));
        QCOMPARE(stored("Day1") + stored("Text1"), QString::number(toDateSerial(day)) + "half typed");
    }
};

QTEST_MAIN(TestNotes)
#include "tst_frmnotes.moc"
