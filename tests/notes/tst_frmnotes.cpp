#include "core/Form.h"
#include "core/mod_alarm.h"
#include "mock/MockClock.h"
#include "notes/frmNotes.h"
#include "support/ModalAnswer.h"
#include "support/StoredNotes.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace
{

const QDate today(2026, 12, 7);
const QString notes = QStringLiteral("Notes");

} // namespace

class TestFrmNotes : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;

    frmNotes& window() { return Form<frmNotes>::get(); }
    QComboBox* comDate() { return window().comDate; }
    // The enabled buttons, by name.
    QString buttons()
    {
        QStringList on;
        for (QPushButton* button : {window().cmdAdd, window().cmdEdit, window().cmdDelete,
                                    window().cmdClose})
            if (button->isEnabled())
                on << button->objectName();
        return on.join(QLatin1Char(' '));
    }
    void choose(const QDate& day)
    {
        comDate()->setCurrentIndex(window().ListDays().indexOf(toDateSerial(day)));
    }
    // The window in its reading state: list usable, text read-only, buttons as given.
    void verifyBrowsing(const QString& expectedButtons)
    {
        QVERIFY(comDate()->isEnabled());
        QVERIFY(window().txtNotes->isReadOnly());
        QCOMPARE(window().cmdAdd->text(), QStringLiteral("Add Note"));
        QCOMPARE(window().cmdEdit->text(), QStringLiteral("Edit Note"));
        QCOMPARE(buttons(), expectedButtons);
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

    void buttonsFollowTheChosenEntry_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("expired note") << QDate(2026, 12, 1) << "past" << "cmdDelete cmdClose";
        QTest::newRow("today's note") << today << "now" << "cmdEdit cmdDelete cmdClose";
        QTest::newRow("future note") << QDate(2027, 3, 1) << "later" << "cmdEdit cmdDelete cmdClose";
        QTest::newRow("day without a note") << QDate(2026, 12, 25) << "" << "cmdAdd cmdClose";
    }
    void buttonsFollowTheChosenEntry()
    {
        QFETCH(QDate, day);
        QFETCH(QString, text);
        QFETCH(QString, expected);
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

        // "Done" with nothing typed stores nothing.
        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        verifyBrowsing("cmdAdd cmdClose");
        QVERIFY(!m_settings->onDiskContains(notes, "NumNotes"));

        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        QCOMPARE(window().cmdAdd->text(), QStringLiteral("Done"));
        QCOMPARE(buttons(), QStringLiteral("cmdAdd"));
        QVERIFY(!comDate()->isEnabled());
        QVERIFY(!window().txtNotes->isReadOnly());
        QCOMPARE(QApplication::focusWidget(), window().txtNotes);
        QTest::keyClicks(window().txtNotes, "Dentist at 10");

        QTest::mouseClick(window().cmdAdd, Qt::LeftButton);
        verifyBrowsing("cmdEdit cmdDelete cmdClose");
        QCOMPARE(comDate()->currentIndex(), position);
        QCOMPARE(comDate()->currentText(), QStringLiteral("(*) Thursday, December 10, 2026"));
        QCOMPARE(window().txtNotes->toPlainText(), QStringLiteral("Dentist at 10"));
        QCOMPARE(m_settings->onDisk(notes, "NumNotes"), QStringLiteral("1"));
        QCOMPARE(m_settings->onDisk(notes, "Day1"), QString::number(toDateSerial(day)));
        QCOMPARE(m_settings->onDisk(notes, "Text1"), QStringLiteral("Dentist at 10"));
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
        QCOMPARE(buttons(), QStringLiteral("cmdEdit"));
        QVERIFY(!comDate()->isEnabled());
        QVERIFY(!window().txtNotes->isReadOnly());
        window().txtNotes->clear();

        QTest::mouseClick(window().cmdEdit, Qt::LeftButton);
        verifyBrowsing("cmdEdit cmdDelete cmdClose");
        QCOMPARE(comDate()->currentIndex(), position);
        QCOMPARE(comDate()->currentText(), QStringLiteral("(*) Wednesday, December 9, 2026"));
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

        const bool deleted = answer == QMessageBox::Yes;
        QCOMPARE(m_settings->onDisk(notes, "NumNotes"), deleted ? "1" : "2");
        QCOMPARE(comDate()->count(), deleted ? 366 : 367);
        QCOMPARE(window().txtNotes->toPlainText(), deleted ? "" : "past");
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
