<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Verpasster Wecker</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Wecker nicht beantwortet</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Wecker wecken diesen Computer, auch bei geschlossener Uhr.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Wecker klingeln, solange dieser Computer an ist, auch bei geschlossener Uhr.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Wecker klingeln nur, solange die Uhr läuft.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Montag bis Freitag</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>Montag bis Sonntag</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>Samstag &amp; Sonntag</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>An einem Datum…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>Gewählte Tage…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>Die Uhr konnte nicht so eingerichtet werden, dass sie bei der Anmeldung startet: „%1“ konnte nicht geschrieben werden. Prüfen Sie, ob der Ordner dieser Datei beschreibbar ist.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>Der automatische Start der Uhr bei der Anmeldung konnte nicht abgeschaltet werden: „%1“ konnte nicht entfernt werden. Prüfen Sie, ob der Ordner dieser Datei beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Eine Desktop-Uhr mit Monatskalender, fünfzehn Weckern und einer Notiz für jeden beliebigen Tag.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Timer %1 (pausiert)</translation>
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
        <translation>Weckerdatum</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Weckerdatum</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>Außer %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Gewählte Tage</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Alarm %1</source>
        <translation>Wecker um %1</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Es ist jetzt %1 Uhr</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Kein Wecker gestellt</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>Wecker: %1</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, nach oben und unten</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, nach links und rechts</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>Ihre Einstellungen konnten nicht in „%1“ gespeichert werden. Möglicherweise ist der Datenträger voll oder schreibgeschützt. Ihre Änderungen bleiben erhalten, bis das Programm beendet wird; geben Sie Speicherplatz frei oder korrigieren Sie die Zugriffsrechte der Datei und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>Ihre Einstellungsdatei konnte nicht vollständig gelesen werden. Eine unveränderte Kopie davon liegt in „%1“. Die Uhr arbeitet mit dem weiter, was sie lesen konnte.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Schlummert bis %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Erneut in %1 min</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Weckton</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piepton</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Audiodatei wählen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Weckton abspielen</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Lauter werden</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>Der Ton beginnt leise und wird während der ersten Hälfte der Klingeldauer bis zur vollen Lautstärke lauter</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Weckton wählen</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>Audiodateien (*.wav *.ogg *.oga *.flac *.mp3);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>„%1“ konnte nicht abgespielt werden. Wählen Sie eine andere Audiodatei; bis dahin piepen die Wecker stattdessen.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Versionsgeschichte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Verpasste Wecker</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Verpasster Wecker: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Tagesnotizen</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Datum der Notiz</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Notiz zum gewählten Datum</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Notizen schließen</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) bedeutet, dass zu diesem Datum eine Notiz vorhanden ist.

(exp) bedeutet, dass der Eintrag abgelaufen ist.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Es sind bereits %1 Notizen vorhanden, mehr können die Tagesnotizen nicht aufnehmen. Löschen Sie eine Notiz, bevor Sie eine neue hinzufügen.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Notiz löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>Die Notiz, die Sie gerade schreiben, behalten?</translation>
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
        <translation>&amp;Minuten</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Sekunden</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Geben Sie eine Dauer von 1 Sekunde bis 24 Stunden ein: ganze Minuten und Sekunden von 0 bis 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>Es läuft bereits ein Timer. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Für heute sind Notizen eingetragen. Klicken, um die Tagesnotizen zu öffnen.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Notizen für heute</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>&amp;Wecker stellen</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>Schlummern &amp;abbrechen</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Tages&amp;notizen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>&amp;Kalender anzeigen</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>Kalender a&amp;usblenden</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>&amp;Beim Anmelden starten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Für heute (%1) sind Notizen eingetragen.</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Wecker nicht aktiv</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>Die Uhr wurde geschlossen. Die Wecker klingeln erst wieder, wenn die Uhr erneut gestartet wird.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>Klingeln, wenn &amp;geschlossen</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Wecker gestellt</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>Die Uhr wurde geschlossen. Sie startet sich für den Wecker am %1 selbst.</translation>
    </message>
    <message>
        <source>&amp;Timer…</source>
        <translation>&amp;Timer…</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>Timer &amp;pausieren</translation>
    </message>
    <message>
        <source>Cancel T&amp;imer</source>
        <translation>Timer abb&amp;rechen</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>Timer &amp;fortsetzen</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm – Weckereinstellungen</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Weckereinstellungen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Klingeldauer (s)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>1–60 Sekunden</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Klingeldauer in Sekunden</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Schlummern (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>1–60 Minuten</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Schlummerdauer in Minuten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>einmalig</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>regelmäßig</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Wecker %1 ein</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Wecker %1: Häufigkeit</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Wecker %1: Tag</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Wecker %1: Stunde</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Wecker %1: Minute</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Wecker %1: Name</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>Bitte geben Sie eine Zahl von 0 bis 23 ein.</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>Bitte geben Sie eine Zahl von 0 bis 59 ein.</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>Wecker %1 ist auf ein Datum und eine Uhrzeit gestellt, die schon vorbei sind.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>Die Änderungen an den Weckereinstellungen behalten?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Bis zur Antwort</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>Der Ton wiederholt sich, bis der Wecker beantwortet wird, höchstens zehn Minuten lang</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Weckerbenachrichtigung</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Es ist jetzt</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>Der gewählte Ton konnte nicht abgespielt werden.</translation>
    </message>
</context>
</TS>
