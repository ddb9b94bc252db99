#pragma once

#include "core/DateSerial.h"
#include "support/TempSettings.h"

using StoredNote = std::pair<QDate, QByteArray>;

// Writes section "Notes" as the program lays it out: the notes numbered in the given order.
inline void storeNotes(TempSettings& settings, const QList<StoredNote>& notes)
{
    QByteArray file = "[Notes]\nNumNotes=" + QByteArray::number(notes.size()) + "\n";
    for (int n = 1; n <= notes.size(); ++n) {
        file += "Day" + QByteArray::number(n) + "=" + QByteArray::number(toDateSerial(notes[n - 1].first))
                + "\nText" + QByteArray::number(n) + "=" + notes[n - 1].second + "\n";
    }
    settings.writeFile(file);
}
