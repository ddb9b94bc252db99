// Times what the user waits for in the notes window: loading it (the section is read from
// disk and the date list built) and rebuilding the list, with 0, 1,000 and 32,767 notes;
// and an insert, edit and delete with 1,000 notes, flush and rebuild included.

#include "Median.h"
#include "core/AppInfo.h"
#include "core/Clock.h"
#include "notes/DailyNotes.h"
#include "notes/frmNotes.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

// A fresh store holding the notes on consecutive days ending on the last listed day, so as
// many as possible are expired: the most dates the list must show. The store is left open,
// as the main window's start-up leaves it before the notes window loads.
void storeNotes(QTemporaryDir& dir, int count)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    SettingsStore::reopen();
    const DateSerial last = toDateSerial(Clock::today()) + 365;
    SaveSetting(AppTitle, "Notes", "NumNotes", QString::number(count));
    for (int n = 1; n <= count; ++n) {
        SaveSetting(AppTitle, "Notes", "Day" + QString::number(n),
                    dateSerialText(last - count + n));
        SaveSetting(AppTitle, "Notes", "Text" + QString::number(n),
                    QStringLiteral("Note number %1, a line of ordinary length.").arg(n));
    }
    SettingsStore::flush(AppTitle);
    SettingsStore::reopen();
    QElapsedTimer timer;
    timer.start();
    GetSetting(AppTitle, "Main", "top");
    std::printf("%6d notes: opening the store (once per run) %7.2f ms\n", count,
                timer.nsecsElapsed() / 1e6);
}

void measureLoad(int count)
{
    QTemporaryDir dir;
    storeNotes(dir, count);
    // The program's first read also parses the stored section; later reads find it parsed.
    DailyNotes notes;
    QElapsedTimer first;
    first.start();
    notes.ReadNotes();
    const double firstRead = first.nsecsElapsed() / 1e6;
    const double read = medianMs([&notes] { notes.ReadNotes(); });
    // Opening the window builds the list of dates from the notes as read.
    const double open = medianMs([&notes] {
        frmNotes window(notes);
        window.Form_Load();
    });
    frmNotes window(notes);
    window.Form_Load();
    std::printf("%6d notes: first read %7.2f ms   later reads %7.2f ms   opening the window "
                "%7.2f ms   (%d entries)\n",
                count, firstRead, read, open, window.comDate->count());
}

void measureWrites(int count)
{
    QTemporaryDir dir;
    storeNotes(dir, count);
    DailyNotes notes;
    notes.ReadNotes();
    frmNotes window(notes);
    window.Form_Load();
    const DateSerial newDay = toDateSerial(Clock::today()) - count - 10;

    // What each button does after the user's "Done" or "Yes": write, flush, read, rebuild.
    const double insert = medianMs([&] { notes.InsertNote(newDay, "inserted"); },
                                   [&] {
                                       // Back to the stored notes alone before each run.
                                       if (notes.list().note(1).day == newDay)
                                           notes.DeleteNote(1);
                                   });
    const double edit = medianMs([&] { notes.UpdateNoteText(count / 2, "edited"); });
    const double remove = medianMs([&] { notes.DeleteNote(1); },
                                   [&] { notes.InsertNote(newDay, "to delete"); });
    std::printf("%6d notes: insert %6.2f ms   edit %6.2f ms   delete %6.2f ms\n", count, insert,
                edit, remove);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::printf("Notes window, median of %d runs.\n", BenchRuns);
    for (int count : {0, 1000, NoteList::MaxNotes})
        measureLoad(count);
    measureWrites(1000);
    return 0;
}
