#pragma once

#include "notes/NoteDateList.h"
#include "notes/NoteList.h"

#include <QDate>
#include <QWidget>

class NoteDateModel;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The daily notes: a list of dates (the expired notes, then today and the next 365 days),
// the chosen day's note, and buttons to add, edit and delete notes. "Add Note" and
// "Edit Note" read "Done" while their mode lasts; the list of dates is locked meanwhile so
// the text being typed always belongs to the chosen day.
class frmNotes : public QWidget
{
    Q_OBJECT

  public:
    frmNotes();

    void Form_Load();
    void Form_Unload();

    // Reloads the notes from the store and makes the text box read-only.
    void ReadNotes();
    // Rebuilds the list of dates, chooses today's entry and updates the main window's "N".
    void PopulateComDate();
    // Shows the chosen day's note and enables the buttons that apply to it.
    void PopulateTxtNotes();

    // While Add or Edit mode lasts, a reload would throw away what is being typed.
    bool isEditing() const;

    const QList<DateSerial>& ListDays() const;

    QLabel* Label1;
    QComboBox* comDate;
    QPushButton* cmdAdd;
    QPushButton* cmdEdit;
    QPushButton* cmdDelete;
    QPushButton* cmdClose;
    QPlainTextEdit* txtNotes;

  private:
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

    NoteList m_notes;
    NoteDateModel* m_dates;
    // The day the notes were last read on: the list of dates starts there.
    QDate m_readOn;
    // The chosen entry's note (1-based) when it has one, else the entry's position.
    int CurrentNote = 0;
};
