#include "notes/NoteDateList.h"

#include <QTest>

namespace
{

const QDate today(2026, 12, 7);
const QLocale english(QLocale::English, QLocale::UnitedKingdom);

NoteList listOf(const QList<QDate>& days, int expired)
{
    NoteList list;
    for (const QDate& day : days)
        list.notes.append({toDateSerial(day), day.toString(Qt::ISODate)});
    list.NumExpired = expired;
    return list;
}

QStringList entriesOf(const NoteDateList& dates)
{
    const QString longFormat = english.dateFormat(QLocale::LongFormat);
    QStringList entries;
    for (int position = 0; position < dates.count(); ++position)
        entries.append(dates.entryText(position, english, longFormat));
    return entries;
}

} // namespace

class TestNoteDateList : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void entriesAreMarkedAndPointAtTheirNotes()
    {
        // Two expired notes, today, a day next week, the last listed day and one beyond it.
        const NoteList list = listOf({QDate(2025, 1, 2), QDate(2026, 12, 6), today,
                                      QDate(2026, 12, 14), QDate(2027, 12, 7), QDate(2027, 12, 8)},
                                     2);
        const NoteDateList dates = buildNoteDateList(list, today);
        const QStringList entries = entriesOf(dates);

        QCOMPARE(entries.size(), 2 + 366);
        QCOMPARE(dates.todayPosition, 2);
        QCOMPARE(entries.mid(0, 4),
                 (QStringList{"(exp) Thursday, 2 January 2025", "(exp) Sunday, 6 December 2026",
                              "(*) Monday, 7 December 2026", "Tuesday, 8 December 2026"}));
        QCOMPARE(entries.at(2 + 7), QStringLiteral("(*) Monday, 14 December 2026"));
        QCOMPARE(entries.last(), QStringLiteral("(*) Tuesday, 7 December 2027"));
        QCOMPARE(entries.filter("(*)").size(), 3);

        QCOMPARE(dates.noteAt(0), 1);
        QCOMPARE(dates.noteAt(1), 2);
        QCOMPARE(dates.noteAt(2), 3);
        QCOMPARE(dates.noteAt(3), 0);
        QCOMPARE(dates.noteAt(2 + 7), 4);
        QCOMPARE(dates.noteAt(dates.count() - 1), 5);
        QVERIFY(!dates.notes.contains(6));

        QVERIFY(dates.isExpired(1));
        QVERIFY(!dates.isExpired(2));
        QCOMPARE(dates.ListDays.at(0), toDateSerial(QDate(2025, 1, 2)));
        QCOMPARE(dates.positionOf(toDateSerial(QDate(2026, 12, 14))), 2 + 7);
        QCOMPARE(dates.positionOf(toDateSerial(QDate(2027, 12, 8))), -1);
    }
};

QTEST_APPLESS_MAIN(TestNoteDateList)
#include "tst_notedatelist.moc"
