#include "alarm/AlarmStore.h"
#include "alarm/Scheduler.h"
#include "notes/NoteStore.h"
#include "settings/WindowPosition.h"
#include "support/TempSettings.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// A sound file with every section the program reads, for the mutations to start from.
const QByteArray soundFile =
    "[Main]\ntop=1920\nleft=-300\n"
    "[SetAlarm]\ntop=0\nleft=2730\n"
    "[AlarmSetting]\ndur=5\nchkOn%200=1\ncomFreq%200=1\ncomDays%200=7\ntxtHr%200=07\n"
    "txtMin%200=30\nDateTime%200=46363.3125\nchkOn%2014=1\ncomFreq%2014=0\ncomDays%2014=6\n"
    "txtHr%2014=23\ntxtMin%2014=59\nDateTime%2014=46369.999\n"
    "[Notes]\nNumNotes=3\nDay1=46360\nText1=milk\\r\\nbread\nDay2=46363\nText2=\"a, b\"\n"
    "Day3=46400\nText3=@Variant(\\0\\0\\0\\n)\n";

// Pieces that parsers trip over, spliced in at random.
const QList<QByteArray> tokens{
    "[", "]", "=", "\\", "\"", "%20", "%", "@Variant(", "@ByteArray(", "@Invalid()", ",",
    "\n", "\r\n", "\0", "NumNotes=", "Day", "Text", "32767", "-32768", "99999999999",
    "1e308", "nan", "-inf", "0x10", "46363.5", "chkOn%20", "comDays%20", "\xff\xfe",
};

QByteArray mutated(QRandomGenerator& random)
{
    QByteArray file = soundFile;
    const int edits = 1 + random.bounded(8);
    for (int i = 0; i < edits; ++i) {
        const int at = random.bounded(int(file.size()) + 1);
        switch (random.bounded(4)) {
        case 0:
            file.remove(at, random.bounded(16));
            break;
        case 1:
            file.insert(at, tokens.at(random.bounded(int(tokens.size()))));
            break;
        case 2:
            if (at < file.size())
                file[at] = char(random.bounded(256));
            break;
        default:
            file.insert(at, file.mid(random.bounded(int(file.size())), random.bounded(40)));
            break;
        }
    }
    return file;
}

} // namespace

// Mutated settings files fed to every reader of the store: nothing crashes, and what is
// read keeps the shape the rest of the program relies on. Run in the sanitizer build too.
class TestSettingsFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mutatedFilesLoadIntoSoundState()
    {
        constexpr int files = 3000;
        QRandomGenerator random(20261207);
        const QDate today(2026, 12, 7);
        int damaged = 0;
        for (int i = 0; i < files; ++i) {
            TempSettings settings;
            const QByteArray file = mutated(random);
            settings.writeFile(file);
            const auto context = qPrintable(QStringLiteral("file %1: %2")
                                                 .arg(i)
                                                 .arg(QString::fromLatin1(file.toPercentEncoding())));

            const StoredAlarms alarms = readStoredAlarms();
            QVERIFY2(alarms.duration >= ShortestAlarmDuration
                         && alarms.duration <= LongestAlarmDuration,
                     context);
            for (const AlarmSlot& slot : alarms.slots) {
                QVERIFY2(slot.frequency == 0 || slot.frequency == 1, context);
                QVERIFY2(slot.dayChoice >= 0 && slot.dayChoice <= (slot.frequency ? 9 : 6),
                         context);
                NextAlarmTime(slot, QDateTime(today, QTime(7, 0)));
            }

            const NoteList notes = readNoteList(today);
            QVERIFY2(notes.NumExpired >= 0 && notes.NumExpired <= notes.NumNotes(), context);
            for (int n = 2; n <= notes.NumNotes(); ++n)
                QVERIFY2(notes.note(n - 1).day < notes.note(n).day, context);

            for (const char* section : {"Main", "SetAlarm"}) {
                for (const char* key : {"top", "left"}) {
                    storedCoordinate(GetSetting(AppTitle, QLatin1String(section),
                                                QLatin1String(key), QStringLiteral("0")),
                                     0);
                }
            }
            if (!QDir(settings.dir()).entryList({QStringLiteral("*.damaged-*")}).isEmpty())
                ++damaged;
        }
        qInfo("%d mutated files read, %d of them copied aside as damaged", files, damaged);
        QVERIFY(damaged > 0);
    }
};

QTEST_MAIN(TestSettingsFuzz)
#include "tst_settingsfuzz.moc"
