#pragma once

#include <QString>

// What the alarm and notes windows may ask of the main window. The main window registers
// itself when it loads; until then (and in tests of a single window) the calls go nowhere.
class MainWindowLink
{
public:
    virtual ~MainWindowLink() = default;

    // The red status line under the time.
    virtual void setStatusText(const QString& text) = 0;
    // Sets the title bar text as the clock tick does.
    virtual void refreshTitle() = 0;
    // Shows or hides the "N" indicator to match TodayHasNotes.
    virtual void CheckIfNotesForToday() = 0;

    static MainWindowLink* instance();
    static void setInstance(MainWindowLink* link);
};
