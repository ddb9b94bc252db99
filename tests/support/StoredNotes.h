#pragma once

#include "notes/DailyNote.h"
#include "support/TempSettings.h"

// Writes section "Notes" as the program lays it out: the notes numbered in the given order.
inline void storeNotes(TempSettings& settings, const QList<DailyNote>& notes)
{
    QByteArray file = "[Notes]\nNumNotes=" + QByteArray::number(notes.size()) + "\n";
    for (int n = 1; n <= notes.size(); ++n) {
        const QByteArray number = QByteArray::number(n);
        file += "Day" + number + "=" + QByteArray::number(notes[n - 1].day) + "\n";
        file += "Text" + number + "=" + notes[n - 1].text.toUtf8() + "\n";
    }
    settings.writeFile(file);
}
