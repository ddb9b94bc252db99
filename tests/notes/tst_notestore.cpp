#include "notes/NoteStore.h"
#include "support/TempSettings.h"

#include <QTest>

namespace
{

const QString notes = QStringLiteral("Notes");

QList<double> daysOf(const NoteList& list)
{
    QList<double> days;
    for (const DailyNote& note : list.notes)
        days.append(note.day);
    return days;
}

QStringList textsOf(const NoteList& list)
{
    QStringList texts;
    for (const DailyNote& note : list.notes)
        texts.append(note.text);
    return texts;
}

// Stores the notes the way the program lays them out.
void seed(TempSettings& settings, const QList<double>& days)
{
    QByteArray file = "[Notes]\nNumNotes=" + QByteArray::number(days.size()) + "\n";
    for (int n = 1; n <= days.size(); ++n) {
        file += "Day" + QByteArray::number(n) + "=" + QByteArray::number(days[n - 1]) + "\n";
        file += "Text" + QByteArray::number(n) + "=note " + QByteArray::number(days[n - 1]) + "\n";
    }
    settings.writeFile(file);
}

// The section on disk holds exactly these notes, numbered in order, and nothing above them.
void verifyOnDisk(const TempSettings& settings, const QList<double>& days, const QStringList& texts)
{
    QCOMPARE(settings.onDisk(notes, "NumNotes"), QString::number(days.size()));
    for (int n = 1; n <= days.size(); ++n) {
        QCOMPARE(settings.onDisk(notes, "Day" + QString::number(n)), QString::number(days[n - 1]));
        QCOMPARE(settings.onDisk(notes, "Text" + QString::number(n)), texts[n - 1]);
    }
    const QString above = QString::number(days.size() + 1);
    QVERIFY(!settings.onDiskContains(notes, "Day" + above));
    QVERIFY(!settings.onDiskContains(notes, "Text" + above));
}

const QDate someDay(2026, 12, 7);

} // namespace

class TestNoteStore : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void insertKeepsDayOrder_data()
    {
        QTest::addColumn<QList<double>>("stored");
        QTest::addColumn<double>("day");
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("into empty") << QList<double>{} << 250.0 << QStringList{"new"};
        QTest::newRow("first") << QList<double>{100, 200, 300} << 50.0
                               << QStringList{"new", "note 100", "note 200", "note 300"};
        QTest::newRow("last") << QList<double>{100, 200, 300} << 400.0
                              << QStringList{"note 100", "note 200", "note 300", "new"};
        QTest::newRow("middle") << QList<double>{100, 200, 300} << 250.0
                                << QStringList{"note 100", "note 200", "new", "note 300"};
        QTest::newRow("equal day goes first")
            << QList<double>{100, 200, 300} << 200.0
            << QStringList{"note 100", "new", "note 200", "note 300"};
    }
    void insertKeepsDayOrder()
    {
        QFETCH(QList<double>, stored);
        QFETCH(double, day);
        QFETCH(QStringList, texts);
        TempSettings settings;
        seed(settings, stored);

        NoteList list = readNoteList(someDay);
        QVERIFY(InsertNote(list, day, "new"));

        QList<double> days = stored;
        days.append(day);
        std::stable_sort(days.begin(), days.end());
        QCOMPARE(daysOf(list), days);
        QCOMPARE(textsOf(list), texts);
        verifyOnDisk(settings, days, texts);
    }

    void deleteClosesTheGap_data()
    {
        QTest::addColumn<QList<double>>("stored");
        QTest::addColumn<int>("note");
        QTest::addColumn<QList<double>>("left");

        QTest::newRow("only") << QList<double>{100} << 1 << QList<double>{};
        QTest::newRow("first of three")
            << QList<double>{100, 200, 300} << 1 << QList<double>{200, 300};
        QTest::newRow("middle of three")
            << QList<double>{100, 200, 300} << 2 << QList<double>{100, 300};
        QTest::newRow("last of three")
            << QList<double>{100, 200, 300} << 3 << QList<double>{100, 200};
    }
    void deleteClosesTheGap()
    {
        QFETCH(QList<double>, stored);
        QFETCH(int, note);
        QFETCH(QList<double>, left);
        TempSettings settings;
        seed(settings, stored);

        NoteList list = readNoteList(someDay);
        DeleteNote(list, note);

        QStringList texts;
        for (double day : left)
            texts.append("note " + QString::number(day));
        QCOMPARE(daysOf(list), left);
        verifyOnDisk(settings, left, texts);
    }

    void expiryAtTheDayBoundary_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("expired");
        // Notes on 6, 7 and 8 December 2026.
        QTest::newRow("day before the first") << QDate(2026, 12, 5) << 0;
        QTest::newRow("on the first") << QDate(2026, 12, 6) << 0;
        QTest::newRow("day after the first") << QDate(2026, 12, 7) << 1;
        QTest::newRow("on the last") << QDate(2026, 12, 8) << 2;
        QTest::newRow("after the last") << QDate(2026, 12, 9) << 3;
    }
    void expiryAtTheDayBoundary()
    {
        QFETCH(QDate, today);
        QFETCH(int, expired);
        TempSettings settings;
        const double first = toDateSerial(QDate(2026, 12, 6));
        seed(settings, {first, first + 1, first + 2});
        QCOMPARE(readNoteList(today).NumExpired, expired);
    }

    void malformedSectionReadsSoundly_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QList<double>>("days");
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("count not a number")
            << QByteArray("NumNotes=many\nDay1=100\nText1=a\nDay2=200\nText2=b\n")
            << QList<double>{100, 200} << QStringList{"a", "b"};
        QTest::newRow("empty section") << QByteArray() << QList<double>{} << QStringList{};
        QTest::newRow("count negative")
            << QByteArray("NumNotes=-3\nDay1=100\nText1=a\n") << QList<double>{} << QStringList{};
        QTest::newRow("count above the pairs")
            << QByteArray("NumNotes=4\nDay1=100\nText1=a\nDay2=200\nText2=b\n")
            << QList<double>{100, 200} << QStringList{"a", "b"};
        QTest::newRow("day missing")
            << QByteArray("NumNotes=3\nDay1=100\nText1=a\nText2=b\nDay3=300\nText3=c\n")
            << QList<double>{100, 300} << QStringList{"a", "c"};
        QTest::newRow("day not a number")
            << QByteArray("NumNotes=3\nDay1=100\nText1=a\nDay2=soon\nText2=b\nDay3=300\nText3=c\n")
            << QList<double>{100, 300} << QStringList{"a", "c"};
        QTest::newRow("day beyond every calendar")
            << QByteArray("NumNotes=2\nDay1=1e300\nText1=a\nDay2=200\nText2=b\n")
            << QList<double>{200} << QStringList{"b"};
        QTest::newRow("out of order")
            << QByteArray("NumNotes=3\nDay1=300\nText1=c\nDay2=100\nText2=a\nDay3=200\nText3=b\n")
            << QList<double>{100, 200, 300} << QStringList{"a", "b", "c"};
        QTest::newRow("day twice, first kept")
            << QByteArray(
                   "NumNotes=3\nDay1=200\nText1=first\nDay2=100\nText2=a\nDay3=200\nText3=second\n")
            << QList<double>{100, 200} << QStringList{"a", "first"};
        QTest::newRow("time of day dropped")
            << QByteArray("NumNotes=2\nDay1=100.75\nText1=a\nDay2=200\nText2=b\n")
            << QList<double>{100, 200} << QStringList{"a", "b"};
        QTest::newRow("missing text is empty")
            << QByteArray("NumNotes=1\nDay1=100\n") << QList<double>{100} << QStringList{""};
    }
    void malformedSectionReadsSoundly()
    {
        QFETCH(QByteArray, section);
        QFETCH(QList<double>, days);
        QFETCH(QStringList, texts);
        TempSettings settings;
        settings.writeFile("[Notes]\n" + section);

        NoteList list = readNoteList(someDay);
        QCOMPARE(daysOf(list), days);
        QCOMPARE(textsOf(list), texts);
        if (list.NumNotes() == 0)
            return;

        // An edit lays the section out afresh, so nothing stale is left to be read back.
        UpdateNoteText(list, 1, "edited");
        texts[0] = "edited";
        verifyOnDisk(settings, days, texts);
        for (int n = days.size() + 1; n <= 4; ++n)
            QVERIFY(!settings.onDiskContains(notes, "Day" + QString::number(n)));
        QCOMPARE(textsOf(readNoteList(someDay)), texts);
    }

    void aFullListRefusesAnInsert()
    {
        TempSettings settings;
        NoteList list;
        for (int n = 1; n <= NoteList::MaxNotes; ++n)
            list.notes.append({double(n), QString()});

        QVERIFY(!InsertNote(list, NoteList::MaxNotes + 1, "one too many"));
        QCOMPARE(list.NumNotes(), NoteList::MaxNotes);
        QVERIFY(!settings.onDiskContains(notes, "NumNotes"));

        list.notes.removeLast();
        QVERIFY(InsertNote(list, NoteList::MaxNotes, "last one"));
        QCOMPARE(settings.onDisk(notes, "NumNotes"), QString::number(NoteList::MaxNotes));
    }
};

QTEST_APPLESS_MAIN(TestNoteStore)
#include "tst_notestore.moc"
