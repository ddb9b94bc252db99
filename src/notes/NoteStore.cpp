#include "notes/NoteStore.h"

#include "core/AppInfo.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace
{

const QString section = QStringLiteral("Notes");
const QString countKey = QStringLiteral("NumNotes");

QString dayKey(int n)
{
    return QStringLiteral("Day") + QString::number(n);
}

QString textKey(int n)
{
    return QStringLiteral("Text") + QString::number(n);
}

void write(const QString& key, const QString& value)
{
    SaveSetting(AppTitle, section, key, value);
}

// Lays out the whole section from the list: pairs left above the new count go first, then
// every pair in order, then the count.
void rewriteSection(NoteList& list)
{
    for (int n = list.NumNotes() + 1; n <= list.storedPairs; ++n) {
        DeleteSetting(AppTitle, section, dayKey(n));
        DeleteSetting(AppTitle, section, textKey(n));
    }
    for (int n = 1; n <= list.NumNotes(); ++n) {
        write(dayKey(n), dateSerialText(list.note(n).day));
        write(textKey(n), list.note(n).text);
    }
    write(countKey, QString::number(list.NumNotes()));
    list.storedPairs = list.NumNotes();
    list.matchesStore = true;
}

// A stored day is nearly always plain digits; reading those directly is several times
// faster than the general reading, which matters with thousands of notes.
std::optional<DateSerial> readDay(const QString& text)
{
    bool whole = false;
    const int days = text.toInt(&whole);
    if (whole)
        return days;
    return parseDateSerial(text);
}

bool isUsableDay(std::optional<DateSerial> day)
{
    return day && dateOfDay(*day).isValid();
}

} // namespace

NoteList readNoteList(const QDate& today)
{
    const SettingsSectionReader stored(AppTitle, section);
    const auto read = [&stored](const QString& key, const QString& defaultValue = {}) {
        return stored.value(key, defaultValue);
    };
    NoteList list;
    bool countReadable = false;
    const int declared = read(countKey, QStringLiteral("0")).trimmed().toInt(&countReadable);
    // Without a readable count, the pairs from 1 up to the first missing day are the notes.
    const int lastPair =
        countReadable ? std::clamp(declared, 0, NoteList::MaxNotes) : NoteList::MaxNotes;
    bool wellFormed = countReadable && declared == lastPair;

    int n = 1;
    for (; n <= lastPair; ++n) {
        const QString dayText = read(dayKey(n));
        if (!countReadable && dayText.isEmpty())
            break;
        const std::optional<DateSerial> day = readDay(dayText);
        if (!isUsableDay(day)) {
            wellFormed = false;
            continue;
        }
        const DateSerial wholeDay = std::floor(*day);
        if (wholeDay != *day || (!list.notes.isEmpty() && wholeDay <= list.notes.last().day))
            wellFormed = false;
        list.notes.append({wholeDay, read(textKey(n))});
    }
    list.storedPairs = countReadable ? lastPair : n - 1;
    list.matchesStore = wellFormed;

    if (!wellFormed) {
        const auto byDay = [](const DailyNote& a, const DailyNote& b) { return a.day < b.day; };
        const auto sameDay = [](const DailyNote& a, const DailyNote& b) { return a.day == b.day; };
        std::stable_sort(list.notes.begin(), list.notes.end(), byDay);
        list.notes.erase(std::unique(list.notes.begin(), list.notes.end(), sameDay),
                         list.notes.end());
    }

    const DateSerial todaySerial = toDateSerial(today);
    list.NumExpired =
        int(std::count_if(list.notes.cbegin(), list.notes.cend(),
                          [&](const DailyNote& note) { return note.day < todaySerial; }));
    return list;
}

bool insertStoredNote(NoteList& list, DateSerial day, const QString& text)
{
    if (list.isFull())
        return false;
    // Before the first note on or after the day, so an equal day ends up behind the new note.
    const auto position = std::find_if(list.notes.begin(), list.notes.end(),
                                       [day](const DailyNote& note) { return note.day >= day; });
    list.notes.insert(position, DailyNote{day, text});
    rewriteSection(list);
    return true;
}

void updateStoredNoteText(NoteList& list, int n, const QString& text)
{
    list.note(n).text = text;
    // Pair n of a malformed section may belong to another note.
    if (list.matchesStore)
        write(textKey(n), text);
    else
        rewriteSection(list);
}

void deleteStoredNote(NoteList& list, int n)
{
    list.notes.removeAt(n - 1);
    if (n <= list.NumExpired)
        --list.NumExpired;
    rewriteSection(list);
}
