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

namespace
{

const QDate today(2026, 12, 7);
const QString notes = QStringLiteral("Notes");

struct Buttons {
    bool add, edit, remove, close;
    bool operator==(const Buttons&) const = default;
};

} // namespace

QT_BEGIN_NAMESPACE
namespace QTest
{
template <> char* toString(const Buttons& b)
{
    return qstrdup(QByteArray("add ") + (b.add ? "on" : "off") + ", edit " +
                   (b.edit ? "on" : "off") + ", delete " + (b.remove ? "on" : "off") + ", close " +
                   (b.close ? "on" : "off"));
}
} // namespace QTest
QT_END_NAMESPACE

class TestFrmNotes : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;

    frmNotes& window() { return Form<frmNotes>::get(); }
    QComboBox* comDate() { return window().comDate; }
    Buttons buttons()
    {
        return {window().cmdAdd->isEnabled(), window().cmdEdit->isEnabled(),
                window().cmdDelete->isEnabled(), window().cmdClose->isEnabled()};
    }
    void choose(const QDate& day)
    {
        comDate()->setCurrentIndex(window().ListDays().indexOf(toDateSerial(day)));
    }
    void typeNote(const QString& text)
    {
        QTest::keyClick(window().txtNotes, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window().txtNotes, Qt::Key_Delete);
        QTest::keyClicks(window().txtNotes, text);
    }

  private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        m_clock = std::make_unique<MockClock>(2026, 12, 7, 9, 0, 0);
        mod_alarm::TodayHasNotes = false;
    }
    void cleanup()
    {
        Form<frmNotes>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_clock.reset();
        m_settings.reset();
    }

    void withoutNotesTodayIsChosenAndOnlyAddApplies()
    {
        QCOMPARE(comDate()->count(), 366);
        QCOMPARE(comDate()->currentIndex(), 0);
        QCOMPARE(comDate()->currentText(), QStringLiteral("Monday, December 7, 2026"));
        QCOMPARE(comDate()->itemText(365), QStringLiteral("Tuesday, December 7, 2027"));
        QVERIFY(window().txtNotes->toPlainText().isEmpty());
        QVERIFY(window().txtNotes->isReadOnly());
        QCOMPARE(buttons(), (Buttons{true, false, false, true}));
        QVERIFY(!mod_alarm::TodayHasNotes);
        QCOMPARE(window().Label1->text(),
                 QStringLiteral("(*) means that there is an associated note.\n\n"
                                "(exp) means that this is an expired entry."));
    }

    void expiredNotesComeFirstOldestFirst()
    {
        storeNotes(*m_settings, {{QDate(2025, 6, 1), "old"},
                                 {QDate(2026, 11, 5), "older"},
                                 {QDate(2026, 12, 6), "yesterday"},
                                 {today, "today"}});
        QCOMPARE(comDate()->count(), 3 + 366);
        QCOMPARE(comDate()->itemText(0), QStringLiteral("(exp) Sunday, June 1, 2025"));
        QCOMPARE(comDate()->itemText(1), QStringLiteral("(exp) Thursday, November 5, 2026"));
        QCOMPARE(comDate()->itemText(2), QStringLiteral("(exp) Sunday, December 6, 2026"));
        QCOMPARE(comDate()->currentIndex(), 3);
        QCOMPARE(comDate()->currentText(), QStringLiteral("(*) Monday, December 7, 2026"));
        QCOMPARE(window().txtNotes->toPlainText(), QStringLiteral("today"));
        QVERIFY(mod_alarm::TodayHasNotes);
    }

    void buttonsFollowTheChosenEntry_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Buttons>("expected");

        QTest::newRow("expired note")
            << QDate(2026, 12, 1) << "past" << Buttons{false, false, true, true};
        QTest::newRow("today's note") << today << "now" << Buttons{false, true, true, true};
        QTest::newRow("future note")
            << QDate(2027, 3, 1) << "later" << Buttons{false, true, true, true};
        QTest::newRow("day without a note")
            << QDate(2026, 12, 25) << "" << Buttons{true, false, false, true};
    }
    void buttonsFollowTheChosenEntry()
    {
        QFETCH(QDate, day);
        QFETCH(QString, text);
        QFETCH(Buttons, expected);
        storeNotes(*m_settings,
                   {{QDate(2026, 12, 1), "past"}, {today, "now"}, {QDate(2027, 3, 1), "later"}});
        // Start elsewhere, so that choosing the day is a change.
        choose(QDate(2026, 12, 20));
        choose(day);
        QCOMPARE(window().txtNotes->toPlainText(), text);
        QCOMPARE(buttons(), expected);
    }

    void addStoresTheNoteAndMarksTheDay()
    {
        const QDate day(2026, 12, 10);
        choose(day);
        const int position = comDate()->currentIndex();
        Form<frmNotes>::showModeless();
        QVERIFY(QTest::qWaitForWindowActive(&window()));

        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        QCOMPARE(window().cmdAdd->text(), QStringLiteral("Done"));
        QCOMPARE(buttons(), (Buttons{true, false, false, false}));
        QVERIFY(!comDate()->isEnabled());
        QVERIFY(!window().txtNotes->isReadOnly());
        QCOMPARE(QApplication::focusWidget(), window().txtNotes);
        QTest::keyClicks(window().txtNotes, "Dentist at 10");

        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        QCOMPARE(window().cmdAdd->text(), QStringLiteral("Add Note"));
        QVERIFY(comDate()->isEnabled());
        QVERIFY(window().txtNotes->isReadOnly());
        QCOMPARE(comDate()->currentIndex(), position);
        QCOMPARE(comDate()->currentText(), QStringLiteral("(*) Thursday, December 10, 2026"));
        QCOMPARE(window().txtNotes->toPlainText(), QStringLiteral("Dentist at 10"));
        QCOMPARE(buttons(), (Buttons{false, true, true, true}));
        QCOMPARE(m_settings->onDisk(notes, "NumNotes"), QStringLiteral("1"));
        QCOMPARE(m_settings->onDisk(notes, "Day1"), QString::number(toDateSerial(day)));
        QCOMPARE(m_settings->onDisk(notes, "Text1"), QStringLiteral("Dentist at 10"));
    }

    void addWithEmptyTextStoresNothing()
    {
        choose(QDate(2026, 12, 10));
        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);

        QCOMPARE(window().cmdAdd->text(), QStringLiteral("Add Note"));
        QCOMPARE(comDate()->currentText(), QStringLiteral("Thursday, December 10, 2026"));
        QCOMPARE(buttons(), (Buttons{true, false, false, true}));
        QVERIFY(window().txtNotes->isReadOnly());
        QVERIFY(comDate()->isEnabled());
        QVERIFY(!m_settings->onDiskContains(notes, "NumNotes"));
    }

    void aFullListRefusesAdd()
    {
        QByteArray file = "[Notes]\nNumNotes=32767\n";
        const int first = int(toDateSerial(today)) - 40000;
        for (int n = 1; n <= 32767; ++n)
            file += "Day" + QByteArray::number(n) + "=" + QByteArray::number(first + n) + "\n";
        m_settings->writeFile(file);

        const auto box = answerNextBox(QMessageBox::Ok);
        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        QVERIFY(box->seen);
        QVERIFY(box->text.contains("32767"));
        QCOMPARE(window().cmdAdd->text(), QStringLiteral("Add Note"));
        QVERIFY(window().txtNotes->isReadOnly());
        QCOMPARE(m_settings->onDisk(notes, "NumNotes"), QStringLiteral("32767"));
    }

    void editToEmptyKeepsTheMark()
    {
        storeNotes(*m_settings, {{today, "today"}, {QDate(2026, 12, 9), "Wednesday's"}});
        choose(QDate(2026, 12, 9));
        const int position = comDate()->currentIndex();

        QTest::mouseClick(window().cmdEdit, Qt::LeftButton);
        QCOMPARE(window().cmdEdit->text(), QStringLiteral("Done"));
        QCOMPARE(buttons(), (Buttons{false, true, false, false}));
        QVERIFY(!comDate()->isEnabled());
        QVERIFY(!window().txtNotes->isReadOnly());
        typeNote(QString());

        QTest::mouseClick(window().cmdEdit, Qt::LeftButton);
        QCOMPARE(window().cmdEdit->text(), QStringLiteral("Edit Note"));
        QCOMPARE(comDate()->currentIndex(), position);
        QCOMPARE(comDate()->currentText(), QStringLiteral("(*) Wednesday, December 9, 2026"));
        QVERIFY(window().txtNotes->toPlainText().isEmpty());
        QVERIFY(window().txtNotes->isReadOnly());
        QVERIFY(comDate()->isEnabled());
        QCOMPARE(buttons(), (Buttons{false, true, true, true}));
        QVERIFY(m_settings->onDiskContains(notes, "Text2"));
        QCOMPARE(m_settings->onDisk(notes, "Text2"), QString());
        QCOMPARE(m_settings->onDisk(notes, "Text1"), QStringLiteral("today"));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("yes") << QMessageBox::Yes;
        QTest::newRow("no") << QMessageBox::No;
    }
    void deleteAsksFirst()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        storeNotes(*m_settings, {{QDate(2026, 12, 1), "past"}, {QDate(2026, 12, 20), "party"}});
        choose(QDate(2026, 12, 1));

        const auto box = answerNextBox(answer);
        QTest::mouseClick(window().cmdDelete, Qt::LeftButton);
        QVERIFY(box->seen);
        QCOMPARE(box->title, QStringLiteral("Delete Notes"));
        QCOMPARE(box->text, QStringLiteral("Are you sure you want to delete this entry?"));
        QCOMPARE(box->icon, QMessageBox::Question);
        QCOMPARE(box->buttons, QMessageBox::Yes | QMessageBox::No);

        if (answer == QMessageBox::Yes) {
            QCOMPARE(m_settings->onDisk(notes, "NumNotes"), QStringLiteral("1"));
            QCOMPARE(m_settings->onDisk(notes, "Text1"), QStringLiteral("party"));
            QCOMPARE(comDate()->count(), 366);
            QCOMPARE(comDate()->currentIndex(), 0);
        } else {
            QCOMPARE(m_settings->onDisk(notes, "NumNotes"), QStringLiteral("2"));
            QCOMPARE(comDate()->currentText(), QStringLiteral("(exp) Tuesday, December 1, 2026"));
            QCOMPARE(window().txtNotes->toPlainText(), QStringLiteral("past"));
        }
    }

    void closeUnloadsAndTheNextUseRebuilds()
    {
        choose(QDate(2026, 12, 10));
        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        QTest::keyClicks(window().txtNotes, "never stored");
        QTest::mouseClick(window().cmdClose, Qt::LeftButton);
        QVERIFY(!window().cmdClose->isEnabled());

        window().close();
        QVERIFY(!Form<frmNotes>::isLoaded());
        QCOMPARE(window().cmdAdd->text(), QStringLiteral("Add Note"));
        QCOMPARE(comDate()->currentIndex(), 0);
        QVERIFY(!m_settings->onDiskContains(notes, "NumNotes"));

        QTest::mouseClick(window().cmdClose, Qt::LeftButton);
        QVERIFY(!Form<frmNotes>::isLoaded());
    }
};

QTEST_MAIN(TestFrmNotes)
#include "tst_frmnotes.moc"
