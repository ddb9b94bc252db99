#include "notes/frmNotes.h"

#include "core/Clock.h"
#include "core/Fonts.h"
#include "core/KeepEdits.h"
#include "core/ScrollBarNames.h"
#include "core/Twips.h"
#include "notes/DailyNotes.h"
#include "notes/NoteDateModel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace
{

// A button starts its edit mode and reads "Done" while the mode lasts.
QString doneCaption()
{
    return frmNotes::tr("Done");
}

QString addCaption()
{
    return frmNotes::tr("Add Note");
}

QString editCaption()
{
    return frmNotes::tr("Edit Note");
}

QPushButton* makeButton(const QString& name, const QString& caption, const QRect& geometry,
                        QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(sansFont(9.75));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmNotes::frmNotes(DailyNotes& notes, QWidget* owner)
    : EditorDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_notes(notes)
{
    setObjectName(QStringLiteral("frmNotes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Daily Notes"));
    setFont(sansFont(8));
    setFixedSize(twips(8775), twips(5025));

    comDate = new QComboBox(this);
    comDate->setObjectName(QStringLiteral("comDate"));
    comDate->setGeometry(twipsRect(240, 1320, 3420, 315));
    // Some languages' long dates need a smaller face than the window's to fit the list.
    QStyleOptionComboBox box;
    box.initFrom(comDate);
    const int room =
        style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, comDate).width();
    const QLocale locale;
    comDate->setFont(fittedFont(font(),
                                widestEntryText(locale, locale.dateFormat(QLocale::LongFormat),
                                                Clock::today().year(), fontMetrics()),
                                room, 7));
    // On Linux a drop-down list is read by its choice; the description says what it holds.
    comDate->setAccessibleName(tr("Date of the note"));
    comDate->setAccessibleDescription(comDate->accessibleName());
    m_dates = new NoteDateModel(this);
    comDate->setModel(m_dates);
    // Sizing to the contents, or rows of differing heights, would format every entry.
    comDate->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(comDate->view()))
        view->setUniformItemSizes(true);

    txtNotes = new QPlainTextEdit(this);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setGeometry(twipsRect(3720, 240, 4815, 4575));
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setTabChangesFocus(true);
    txtNotes->setAccessibleName(tr("Note for the chosen date"));
    nameScrollBars(txtNotes);

    cmdAdd =
        makeButton(QStringLiteral("cmdAdd"), addCaption(), twipsRect(960, 2040, 1455, 495), this);
    cmdEdit =
        makeButton(QStringLiteral("cmdEdit"), editCaption(), twipsRect(960, 2760, 1455, 495), this);
    cmdDelete = makeButton(QStringLiteral("cmdDelete"), tr("Delete Note"),
                           twipsRect(960, 3480, 1455, 495), this);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(240, 240, 3255, 975));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    cmdClose = makeButton(QStringLiteral("cmdClose"), tr("Close Daily Notes"),
                          twipsRect(600, 4320, 2175, 495), this);

    setTabOrder(comDate, txtNotes);
    setTabOrder(txtNotes, cmdAdd);
    setTabOrder(cmdAdd, cmdEdit);
    setTabOrder(cmdEdit, cmdDelete);
    setTabOrder(cmdDelete, cmdClose);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(comDate, &QComboBox::currentIndexChanged, this, &frmNotes::comDate_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmNotes::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmNotes::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmNotes::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmNotes::cmdClose_Click);
    connect(&m_notes, &DailyNotes::notesRead, this, &frmNotes::notesRead);
}

void frmNotes::Form_Load()
{
    Label1->setText(tr("(*) means that there is an associated note.\n\n"
                       "(exp) means that this is an expired entry."));
    txtNotes->setReadOnly(true);
    PopulateComDate();
    PopulateTxtNotes();
}

void frmNotes::notesRead()
{
    m_behind = isEditing();
    if (m_behind)
        return;
    txtNotes->setReadOnly(true);
    PopulateComDate();
    PopulateTxtNotes();
}

void frmNotes::PopulateComDate()
{
    {
        const QSignalBlocker quiet(comDate);
        m_dates->setDates(m_notes.dates());
    }
    chooseEntry(m_dates->dates().todayPosition);
}

void frmNotes::PopulateTxtNotes()
{
    const NoteDateList& dates = m_dates->dates();
    const int position = comDate->currentIndex();
    const int note = dates.noteAt(position);
    if (note > 0) {
        txtNotes->setPlainText(m_notes.list().note(note).text);
        cmdAdd->setEnabled(false);
        cmdEdit->setEnabled(!dates.isExpired(position));
        cmdDelete->setEnabled(true);
        CurrentNote = note;
    } else {
        txtNotes->clear();
        cmdAdd->setEnabled(true);
        cmdEdit->setEnabled(false);
        cmdDelete->setEnabled(false);
        CurrentNote = position;
    }
    cmdClose->setEnabled(true);
}

const QList<DateSerial>& frmNotes::ListDays() const
{
    return m_dates->dates().ListDays;
}

bool frmNotes::isEditing() const
{
    return cmdAdd->text() == doneCaption() || cmdEdit->text() == doneCaption();
}

bool frmNotes::settleNote()
{
    if (!isEditing())
        return true;
    switch (askToKeepEdits(this, tr("Keep the note you are writing?"))) {
    case KeepEdits::Keep:
        (cmdAdd->text() == doneCaption() ? cmdAdd : cmdEdit)->click();
        return true;
    case KeepEdits::Discard:
        return true;
    case KeepEdits::Cancel:
        break;
    }
    return false;
}

void frmNotes::closeEvent(QCloseEvent* event)
{
    if (settleNote())
        EditorDialog::closeEvent(event);
    else
        event->ignore();
}

void frmNotes::comDate_Click()
{
    PopulateTxtNotes();
}

void frmNotes::cmdAdd_Click()
{
    if (cmdAdd->text() != doneCaption()) {
        if (m_notes.list().isFull()) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("There are already %1 notes, the most the daily notes can "
                                    "hold. Delete a note before adding another.")
                                     .arg(NoteList::MaxNotes));
            return;
        }
        startMode(cmdAdd);
        return;
    }

    cmdAdd->setText(addCaption());
    comDate->setEnabled(true);
    const QString text = txtNotes->toPlainText();
    const DateSerial day = ListDays().at(comDate->currentIndex());
    // Add mode never starts on a full list, and the list cannot change while it lasts.
    if (!text.isEmpty())
        m_notes.InsertNote(day, text);
    else if (m_behind)
        notesRead();
    txtNotes->setReadOnly(true);
    chooseDay(day);
}

void frmNotes::startMode(QPushButton* modeButton)
{
    modeButton->setText(doneCaption());
    for (QPushButton* button : {cmdAdd, cmdEdit, cmdDelete, cmdClose}) {
        if (button != modeButton)
            button->setEnabled(false);
    }
    comDate->setEnabled(false);
    txtNotes->setReadOnly(false);
    txtNotes->setFocus();
}

void frmNotes::cmdEdit_Click()
{
    if (cmdEdit->text() != doneCaption()) {
        startMode(cmdEdit);
        return;
    }

    const DateSerial day = ListDays().at(comDate->currentIndex());
    cmdEdit->setText(editCaption());
    comDate->setEnabled(true);
    m_notes.UpdateNoteText(CurrentNote, txtNotes->toPlainText());
    chooseDay(day);
}

void frmNotes::cmdDelete_Click()
{
    const auto answer = QMessageBox::question(this, tr("Delete Notes"),
                                              tr("Are you sure you want to delete this entry?"),
                                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // Reading the notes again chooses today's entry, whichever was chosen before.
    m_notes.DeleteNote(CurrentNote);
}

void frmNotes::cmdClose_Click()
{
    close();
}

void frmNotes::chooseEntry(int position)
{
    {
        const QSignalBlocker quiet(comDate);
        comDate->setCurrentIndex(position);
    }
    comDate_Click();
}

void frmNotes::chooseDay(DateSerial day)
{
    const int position = m_dates->dates().positionOf(day);
    chooseEntry(position >= 0 ? position : m_dates->dates().todayPosition);
}
