#include "notes/NoteDateList.h"
#include "notes/NoteStore.h"
#include "support/ModalAnswer.h"
#include "support/StoredNotes.h"

#include <QDir>
#include <QTest>

namespace
{

const QString notes = QStringLiteral("Notes");
const QDate someDay(2026, 12, 7);

// Notes on the days, each holding its day as text.
QList<DailyNote> notesOn(const QList<double>& days)
{
    QList<DailyNote> list;
    for (double day : days)
        list.append({day, QString::number(day)});
    return list;
}

QStringList textsOf(const NoteList& list)
{
    QStringList texts;
    for (const DailyNote& note : list.notes)
        texts.append(note.text);
    return texts;
}

// The section on disk holds exactly the list's notes, in order, and nothing above them.
void verifyOnDisk(const TempSettings& settings, const NoteList& list)
{
    QCOMPARE(settings.onDisk(notes, "NumNotes"), QString::number(list.NumNotes()));
    for (int n = 1; n <= list.NumNotes() + 1; ++n) {
        const QString day = settings.onDisk(notes, "Day" + QString::number(n));
        const QString text = settings.onDisk(notes, "Text" + QString::number(n));
        QCOMPARE(day + '|' + text, n > list.NumNotes() ? "|" : QString::number(list.note(n).day)
                                                               + '|' + list.note(n).text);
    }
}

} // namespace

class TestNoteStore : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void writesKeepDayOrderAndLeaveNoGap_data()
    {
        QTest::addColumn<QList<double>>("stored");
        QTest::addColumn<double>("inserted"); // 0: delete note 2 instead
        QTest::addColumn<QStringList>("texts");
        const QList<double> three{100, 200, 300};
        QTest::newRow("into empty") << QList<double>{} << 250.0 << QStringList{"new"};
        QTest::newRow("first") << three << 50.0 << QStringList{"new", "100", "200", "300"};
        QTest::newRow("last") << three << 400.0 << QStringList{"100", "200", "300", "new"};
        QTest::newRow("middle") << three << 250.0 << QStringList{"100", "200", "new", "300"};
        QTest::newRow("equal day first") << three << 200.0 << QStringList{"100", "new", "200", "300"};
        QTest::newRow("delete middle") << three << 0.0 << QStringList{"100", "300"};
        QTest::newRow("delete last") << QList<double>{100, 200} << 0.0 << QStringList{"100"};
    }
    void writesKeepDayOrderAndLeaveNoGap()
    {
        QFETCH(QList<double>, stored);
        QFETCH(double, inserted);
        QFETCH(QStringList, texts);
        TempSettings settings;
        storeNotes(settings, notesOn(stored));
        NoteList list = readNoteList(someDay);
        if (inserted > 0)
            QVERIFY(InsertNote(list, inserted, "new"));
        else
            DeleteNote(list, 2);
        QCOMPARE(textsOf(list), texts);
        verifyOnDisk(settings, list);
    }

    void notesBeforeTodayAreExpired()
    {
        TempSettings settings;
        const double first = toDateSerial(QDate(2026, 12, 6));
        storeNotes(settings, notesOn({first, first + 1, first + 2}));
        QCOMPARE(readNoteList(QDate(2026, 12, 6)).NumExpired, 0);
        QCOMPARE(readNoteList(QDate(2026, 12, 7)).NumExpired, 1);
        QCOMPARE(readNoteList(QDate(2026, 12, 9)).NumExpired, 3);
    }

    void malformedSectionReadsSoundly_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QStringList>("texts"); // each note's text is its day
        QTest::newRow("count not a number") << QByteArray("NumNotes=many\nDay1=1\nText1=1\nDay2=2\nText2=2\n") << QStringList{"1", "2"};
        QTest::newRow("empty section") << QByteArray() << QStringList{};
        QTest::newRow("count negative") << QByteArray("NumNotes=-3\nDay1=1\nText1=1\n") << QStringList{};
        QTest::newRow("count above the pairs") << QByteArray("NumNotes=4\nDay1=1\nText1=1\nDay2=2\nText2=2\n") << QStringList{"1", "2"};
        QTest::newRow("day missing") << QByteArray("NumNotes=3\nDay1=1\nText1=1\nText2=2\nDay3=3\nText3=3\n") << QStringList{"1", "3"};
        QTest::newRow("day not a number") << QByteArray("NumNotes=2\nDay1=soon\nText1=1\nDay2=2\nText2=2\n") << QStringList{"2"};
        QTest::newRow("day beyond every calendar") << QByteArray("NumNotes=2\nDay1=1e300\nText1=1\nDay2=2\nText2=2\n") << QStringList{"2"};
        QTest::newRow("out of order") << QByteArray("NumNotes=3\nDay1=3\nText1=3\nDay2=1\nText2=1\nDay3=2\nText3=2\n") << QStringList{"1", "2", "3"};
        QTest::newRow("day twice, first kept") << QByteArray("NumNotes=3\nDay1=2\nText1=2\nDay2=1\nText2=1\nDay3=2\nText3=x\n") << QStringList{"1", "2"};
        QTest::newRow("time of day dropped") << QByteArray("NumNotes=2\nDay1=1.75\nText1=1\nDay2=2\nText2=2\n") << QStringList{"1", "2"};
        QTest::newRow("missing text is empty") << QByteArray("NumNotes=1\nDay1=1\n") << QStringList{""};
    }
    void malformedSectionReadsSoundly()
    {
        QFETCH(QByteArray, section);
        QFETCH(QStringList, texts);
        TempSettings settings;
        settings.writeFile("[Notes]\n" + section);
        NoteList list = readNoteList(someDay);
        QCOMPARE(textsOf(list), texts);
        for (const DailyNote& note : list.notes)
            QVERIFY(note.text.isEmpty() || note.text == QString::number(note.day));
        if (list.NumNotes() == 0)
            return;
        // An edit lays the section out afresh, so nothing stale is left to be read back.
        UpdateNoteText(list, 1, "edited");
        verifyOnDisk(settings, list);
        QVERIFY(!settings.onDiskContains(notes, "Day4"));
        QCOMPARE(textsOf(readNoteList(someDay)), textsOf(list));
    }

    void aFullListRefusesAnInsert()
    {
        TempSettings settings;
        NoteList list;
        list.notes = notesOn(QList<double>(NoteList::MaxNotes, 1.0));
        QVERIFY(!InsertNote(list, 2, "one too many"));
        QCOMPARE(list.NumNotes(), NoteList::MaxNotes);
        QVERIFY(!settings.onDiskContains(notes, "NumNotes"));
        list.notes.removeLast();
        QVERIFY(InsertNote(list, 2, "the last one"));
        QCOMPARE(settings.onDisk(notes, "NumNotes"), QString::number(NoteList::MaxNotes));
    }

    void aFailedWriteIsReportedOnce()
    {
        TempSettings settings;
        // A directory in the file's place makes every save fail, even for root.
        QVERIFY(QDir().mkpath(settings.fileName()));
        NoteList list;
        ModalAnswerer answerer([](QWidget* box) { box->close(); });
        InsertNote(list, 100, "first");
        InsertNote(list, 200, "second");
        UpdateNoteText(list, 1, "edited");
        DeleteNote(list, 2);
        QCOMPARE(answerer.seen, 4);
        QCOMPARE(textsOf(list), QStringList{"edited"}); // kept for a later save
    }

    void dateListMarksNotesAndPointsAtThem()
    {
        // Two expired notes, today, a day next week, the last listed day and one beyond it.
        NoteList list;
        for (const QDate& day : {QDate(2025, 1, 2), QDate(2026, 12, 6), someDay, QDate(2026, 12, 14),
                                 QDate(2027, 12, 7), QDate(2027, 12, 8)})
            list.notes.append({toDateSerial(day), QString()});
        list.NumExpired = 2;
        const NoteDateList dates = buildNoteDateList(list, someDay);
        const QLocale english(QLocale::English, QLocale::UnitedKingdom);
        const QString longFormat = english.dateFormat(QLocale::LongFormat);
        QStringList entries;
        for (int position = 0; position < dates.count(); ++position)
            entries.append(dates.entryText(position, english, longFormat));

        QCOMPARE(entries.size(), 2 + 366);
        QCOMPARE(entries.mid(0, 4),
                 (QStringList{"(exp) Thursday, 2 January 2025", "(exp) Sunday, 6 December 2026",
                              "(*) Monday, 7 December 2026", "Tuesday, 8 December 2026"}));
        QCOMPARE(entries.last(), QStringLiteral("(*) Tuesday, 7 December 2027"));
        QCOMPARE(entries.filter("(*)").size(), 3);
        QCOMPARE(dates.notes.mid(0, 4), QList<int>({1, 2, 3, 0}));
        QCOMPARE(dates.noteAt(dates.positionOf(toDateSerial(QDate(2026, 12, 14)))), 4);
        QCOMPARE(dates.noteAt(dates.count() - 1), 5);
        QCOMPARE(dates.positionOf(toDateSerial(QDate(2027, 12, 8))), -1);
    }
};

QTEST_MAIN(TestNoteStore)
#include "tst_notestore.moc"
