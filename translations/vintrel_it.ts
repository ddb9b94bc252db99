<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Sveglia persa</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Sveglia senza risposta</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Le sveglie riattivano questo computer, anche a orologio chiuso.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Le sveglie suonano finché questo computer è acceso, anche a orologio chiuso.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Le sveglie suonano solo mentre l&apos;orologio è in esecuzione.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Da lunedì a venerdì</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>Tutti i giorni</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>Sabato e domenica</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>In una data…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>Giorni scelti…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>Impossibile impostare l&apos;avvio dell&apos;orologio all&apos;accesso: non è stato possibile scrivere «%1». Verificare che la sua cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>Impossibile impedire l&apos;avvio dell&apos;orologio all&apos;accesso: non è stato possibile rimuovere «%1». Verificare che la sua cartella sia scrivibile.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Giorni del mese</translation>
    </message>
</context>
<context>
    <name>ChooserButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Un orologio per il desktop con un calendario mensile, quindici sveglie e una nota per qualsiasi giorno.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra l&apos;aiuto sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento «%1» inatteso.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Timer %1 (in pausa)</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
</context>
<context>
    <name>DateChooser</name>
    <message>
        <source>Alarm Date</source>
        <translation>Data della sveglia</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Data della sveglia</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>Tranne %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Giorni scelti</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Alarm %1</source>
        <translation>Sveglia %1</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Sono le %1</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Mantieni</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Nessuna sveglia attiva</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>Sveglia: %1</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, su e giù</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, sinistra e destra</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>Impossibile salvare le impostazioni in «%1». Il disco potrebbe essere pieno o in sola lettura. Le modifiche vengono mantenute fino alla chiusura del programma; liberare dello spazio o correggere i permessi del file, quindi salvare di nuovo.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>Non è stato possibile leggere per intero il file delle impostazioni. Una copia del file, così com&apos;era, è conservata in «%1». L&apos;orologio continua con ciò che è riuscito a leggere.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Posticipata alle %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Posticipa %1 min</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Suoneria</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Scegli un file audio</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Ascolta la suoneria</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Volume crescente</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>Il suono parte basso e raggiunge il volume massimo nel corso della prima metà della durata</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Scegli una suoneria</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>File audio (*.wav *.ogg *.oga *.flac *.mp3);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>Impossibile riprodurre «%1». Scegliere un altro file audio; nel frattempo le sveglie emettono un bip.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Sveglie perse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Sveglia persa: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Note giornaliere</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Data della nota</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Nota per la data scelta</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Chiudi le note</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) indica che c&apos;è una nota associata.

(exp) indica che la voce è scaduta.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Ci sono già %1 note, il numero massimo che le note giornaliere possono contenere. Eliminare una nota prima di aggiungerne un&apos;altra.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Elimina nota</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Eliminare davvero questa voce?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>Mantenere la nota che si sta scrivendo?</translation>
    </message>
</context>
<context>
    <name>frmTimer</name>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minuti</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Secondi</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Valore non valido</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Inserisci una durata da 1 secondo a 24 ore: minuti interi e secondi da 0 a 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>C&apos;è già un timer impostato. Sostituirlo?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Ci sono note per oggi: fare clic per aprire le note giornaliere.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Note di oggi</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>Imposta &amp;sveglie</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>&amp;Annulla posticipo</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Mostra &amp;note giornaliere</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>Mostra &amp;calendario</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>Nascon&amp;di calendario</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>A&amp;vvia all&apos;accesso</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Ci sono note per oggi (%1).</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Sveglie disattivate</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>L&apos;orologio è stato chiuso. Le sue sveglie non suoneranno finché non verrà riavviato.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>S&amp;uona anche da chiuso</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Sveglia impostata</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>L&apos;orologio è stato chiuso. Si avvierà da solo per la sveglia di %1.</translation>
    </message>
    <message>
        <source>&amp;Timer…</source>
        <translation>&amp;Timer…</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>&amp;Pausa timer</translation>
    </message>
    <message>
        <source>Cancel T&amp;imer</source>
        <translation>Annu&amp;lla timer</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>&amp;Riprendi timer</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm - Impostazioni sveglie</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Impostazioni sveglie</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Durata sveglia (s)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>Da 1 a 60 secondi</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Durata della sveglia in secondi</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Posticipo (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>Da 1 a 60 minuti</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Durata del posticipo in minuti</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>una volta</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>ricorrente</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Sveglia %1 attiva</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Frequenza della sveglia %1</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Giorno della sveglia %1</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Ora della sveglia %1</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Minuti della sveglia %1</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Nome della sveglia %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>È necessario inserire un numero compreso tra 0 e 23</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>È necessario inserire un numero compreso tra 0 e 59</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>La sveglia %1 è impostata su una data e un’ora già passate.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Valore non valido</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>Mantenere le modifiche alle impostazioni sveglie?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Fino a risposta</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>Il suono si ripete finché non si risponde alla sveglia, per dieci minuti al massimo</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Notifica della sveglia</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Sono le</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>Impossibile riprodurre il suono scelto.</translation>
    </message>
</context>
</TS>
