#include "notes/NoteDateList.h"
#include "notes/NoteStore.h"
#include "support/ModalAnswer.h"
#include "support/StoredNotes.h"

#include <QDir>
#include <QTest>

namespace
{

// Notes on the given days of December 2026, each holding its day's number as text.
QList<StoredNote> inDecember(const QList<int>& days)
{
    QList<StoredNote> notes;
    for (int day : days)
        notes.append({QDate(2026, 12, day), QByteArray::number(day)});
    return notes;
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
    QStringList onDisk, expected;
    for (int n = 1; n <= list.NumNotes() + 1; ++n)
        onDisk << settings.onDisk("Notes", "Day" + QString::number(n)) + '='
                      + settings.onDisk("Notes", "Text" + QString::number(n));
    for (const DailyNote& note : list.notes)
        expected << QString::number(note.day) + '=' + note.text;
    QCOMPARE(onDisk, expected << "=");
    QCOMPARE(settings.onDisk("Notes", "NumNotes"), QString::number(list.NumNotes()));
}

} // namespace

class TestNoteStore : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void writesKeepDayOrderAndLeaveNoGap_data()
    {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<int>("added"); // 0: delete note 2 instead
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("into empty") << QList<int>{} << 25 << QStringList{"new"};
        QTest::newRow("first") << QList<int>{10, 20, 30} << 5 << QStringList{"new", "10", "20", "30"};
        QTest::newRow("last") << QList<int>{10, 20, 30} << 31 << QStringList{"10", "20", "30", "new"};
        QTest::newRow("middle") << QList<int>{10, 20, 30} << 25 << QStringList{"10", "20", "new", "30"};
        QTest::newRow("equal day first") << QList<int>{10, 20, 30} << 20 << QStringList{"10", "new", "20", "30"};
        QTest::newRow("delete middle") << QList<int>{10, 20, 30} << 0 << QStringList{"10", "30"};
        QTest::newRow("delete last") << QList<int>{10, 20} << 0 << QStringList{"10"};
    }
    void writesKeepDayOrderAndLeaveNoGap()
    {
        QFETCH(QList<int>, stored);
        QFETCH(int, added);
        QFETCH(QStringList, texts);
        TempSettings settings;
        storeNotes(settings, inDecember(stored));
        NoteList list = readNoteList(QDate(2026, 12, 1));
        if (added)
            QVERIFY(InsertNote(list, toDateSerial(QDate(2026, 12, added)), "new"));
        else
            DeleteNote(list, 2);
        QCOMPARE(textsOf(list), texts);
        verifyOnDisk(settings, list);
    }

    // Each note's text is its day, so the days read are checked along with the texts.
    void malformedSectionReadsSoundly_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("count not a number") << QByteArray("NumNotes=many\nDay1=1\nText1=1\nDay2=2\nText2=2\n") << QStringList{"1", "2"};
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
        NoteList list = readNoteList(QDate(2026, 12, 7));
        QCOMPARE(textsOf(list), texts);
        for (const DailyNote& note : list.notes)
            QVERIFY(note.text.isEmpty() || note.text == QString::number(note.day));
        if (list.NumNotes() == 0)
            return;
        // An edit lays the section out afresh, so nothing stale is left to be read back.
        UpdateNoteText(list, 1, "edited");
        verifyOnDisk(settings, list);
        QVERIFY(!settings.onDiskContains("Notes", "Day4"));
    }

    void aFullListRefusesAnInsert()
    {
        TempSettings settings;
        NoteList list;
        list.notes.fill({1.0, QString()}, NoteList::MaxNotes);
        QVERIFY(!InsertNote(list, 2, "one too many"));
        QCOMPARE(list.NumNotes(), NoteList::MaxNotes);
        QVERIFY(!settings.onDiskContains("Notes", "NumNotes"));
        list.notes.removeLast();
        QVERIFY(InsertNote(list, 2, "the last one"));
        QCOMPARE(settings.onDisk("Notes", "NumNotes"), QString::number(NoteList::MaxNotes));
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

    void dateListShowsExpiredNotesThenAYearFromToday()
    {
        TempSettings settings;
        storeNotes(settings, {{QDate(2025, 1, 2), ""}, {QDate(2026, 12, 6), ""}, {QDate(2026, 12, 7), ""},
                              {QDate(2026, 12, 14), ""}, {QDate(2027, 12, 7), ""}, {QDate(2027, 12, 8), ""}});
        const NoteDateList dates = buildNoteDateList(readNoteList(QDate(2026, 12, 7)), QDate(2026, 12, 7));
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
        QCOMPARE(dates.notes.mid(0, 4) << dates.noteAt(2 + 7) << dates.notes.last(),
                 QList<int>({1, 2, 3, 0, 4, 5}));
    }
};

QTEST_MAIN(TestNoteStore)
#include "tst_notestore.moc"
