#pragma once

#include "core/DateSerial.h"

#include "core/EditorDialog.h"

class DailyNotes;
class NoteDateModel;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The daily notes window: a list of dates (the expired notes, then today and the next 365
// days), the chosen day's note, and buttons to add, edit and delete notes. "Add Note" and
// "Edit Note" read "Done" while their mode lasts; the list of dates is locked meanwhile so
// the text being typed always belongs to the chosen day, and notes read again meanwhile (a
// new day) are shown once the mode has ended.
class frmNotes : public EditorDialog
{
    Q_OBJECT

  public:
    // Made with the clock as `owner`, it is the clock's dialog: the desktop keeps it in front
    // of the clock, minimises it with the clock and brings it back with the clock.
    explicit frmNotes(DailyNotes& notes, QWidget* owner = nullptr);

    void Form_Load();

    // Rebuilds the list of dates from the notes as last read, and chooses today's entry.
    void PopulateComDate();
    // Shows the chosen day's note and enables the buttons that apply to it.
    void PopulateTxtNotes();

    // While Add or Edit mode lasts, a reload would throw away what is being typed.
    bool isEditing() const;
    // Before the window goes while a note is being typed, asks whether to keep it: Keep stores
    // it as "Done" would, Discard drops it. False when the user would rather stay.
    bool settleNote();

    const QList<DateSerial>& ListDays() const;

    QLabel* Label1;
    QComboBox* comDate;
    QPushButton* cmdAdd;
    QPushButton* cmdEdit;
    QPushButton* cmdDelete;
    QPushButton* cmdClose;
    QPlainTextEdit* txtNotes;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The notes were read again: the window follows, unless a note is being typed.
    void notesRead();
    void comDate_Click();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdClose_Click();

    // Add or Edit mode: the mode's button reads "Done", the others and the date list
    // wait, and the text box takes the typing.
    void startMode(QPushButton* modeButton);
    // Chooses an entry as a user's choice would, showing its note.
    void chooseEntry(int position);
    // Chooses the entry of the day, or today's when the day is no longer listed.
    void chooseDay(DateSerial day);

    DailyNotes& m_notes;
    NoteDateModel* m_dates;
    // Notes read while a note was being typed, not yet shown.
    bool m_behind = false;
    // The chosen entry's note (1-based) when it has one, else the entry's position.
    int CurrentNote = 0;
};
