<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Gemiste wekker</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Wekker niet beantwoord</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Wekkers wekken deze computer, ook als de klok gesloten is.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Wekkers gaan af zolang deze computer aan staat, ook als de klok gesloten is.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Wekkers gaan alleen af zolang de klok draait.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>maandag–vrijdag</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>maandag–zondag</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>zaterdag en zondag</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>op een datum…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>gekozen dagen…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>De klok kon niet worden ingesteld om bij het aanmelden te starten: ‘%1’ kon niet worden geschreven. Controleer of de map van dit bestand schrijfbaar is.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>Het automatisch starten van de klok bij het aanmelden kon niet worden uitgeschakeld: ‘%1’ kon niet worden verwijderd. Controleer of de map van dit bestand schrijfbaar is.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Dagen van de maand</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Een bureaubladklok met een maandkalender, vijftien wekkers en een notitie voor elke dag.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Timer %1 (gepauzeerd)</translation>
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
        <translation>Wekkerdatum</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Wekkerdatum</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>behalve %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Gekozen dagen</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Alarm %1</source>
        <translation>Wekker om %1</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Het is nu %1</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behouden</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Geen wekker ingesteld</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>Wekker: %1</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, omhoog en omlaag</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, links en rechts</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>Uw instellingen konden niet worden opgeslagen in ‘%1’. Mogelijk is de schijf vol of alleen-lezen. Uw wijzigingen blijven bewaard totdat het programma wordt afgesloten; maak wat ruimte vrij of herstel de rechten van het bestand en sla daarna opnieuw op.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>Uw instellingenbestand kon niet volledig worden gelezen. Een ongewijzigde kopie ervan staat in ‘%1’. De klok gaat verder met wat wel gelezen kon worden.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Sluimert tot %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Sluimeren %1 min</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Wekkergeluid</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pieptoon</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kiezen…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Geluidsbestand kiezen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Wekkergeluid afspelen</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Steeds luider</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>Het geluid begint zacht en bereikt in de eerste helft van de belduur het volle volume</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Wekkergeluid kiezen</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>Geluidsbestanden (*.wav *.ogg *.oga *.flac *.mp3);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>‘%1’ kon niet worden afgespeeld. Kies een ander geluidsbestand; tot die tijd piepen de wekkers in plaats daarvan.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Programmapictogram</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Versiegeschiedenis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Gemiste wekkers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Gemiste wekker: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Dagnotities</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Datum van de notitie</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Notitie bij de gekozen datum</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Notities sluiten</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) betekent dat er bij deze datum een notitie hoort.

(exp) betekent dat dit item verlopen is.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Er zijn al %1 notities, het maximum dat de dagnotities kunnen bevatten. Verwijder een notitie voordat u een nieuwe toevoegt.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Notitie verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Weet u zeker dat u dit item wilt verwijderen?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>De notitie die u aan het schrijven bent behouden?</translation>
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
        <translation>&amp;Seconden</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Ongeldige invoer</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Voer een duur in van 1 seconde tot 24 uur: hele minuten en seconden van 0 tot 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>Er loopt al een timer. Vervangen?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Er zijn notities voor vandaag. Klik om de dagnotities te openen.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Notities voor vandaag</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>&amp;Wekker instellen</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>Sluimeren &amp;annuleren</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Dag&amp;notities bekijken</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>&amp;Kalender tonen</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>Kalender &amp;verbergen</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>&amp;Starten bij aanmelden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Er zijn notities voor vandaag (%1).</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Wekkers niet actief</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>De klok is afgesloten. De wekkers gaan pas weer af als de klok opnieuw wordt gestart.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>Ook &amp;gesloten afgaan</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Wekker gezet</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>De klok is afgesloten. Hij start vanzelf voor de wekker op %1.</translation>
    </message>
    <message>
        <source>&amp;Timer…</source>
        <translation>&amp;Timer…</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>Timer &amp;pauzeren</translation>
    </message>
    <message>
        <source>Cancel T&amp;imer</source>
        <translation>Timer annu&amp;leren</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>Timer &amp;hervatten</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm – Wekkerinstellingen</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Wekkerinstellingen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Belduur (sec)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>1–60 seconden</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Belduur in seconden</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Sluimertijd (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>1–60 minuten</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Sluimertijd in minuten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>eenmalig</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>wekelijks</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Wekker %1 aan</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Wekker %1: herhaling</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Wekker %1: dag</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Wekker %1: uur</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Wekker %1: minuut</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Wekker %1: naam</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>Voer een getal van 0 tot en met 23 in.</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>Voer een getal van 0 tot en met 59 in.</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>Wekker %1 staat op een datum en tijd die al voorbij zijn.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Ongeldige invoer</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>De wijzigingen in de wekkerinstellingen behouden?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Tot antwoord</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>Het geluid herhaalt zich tot de wekker beantwoord is, hoogstens tien minuten lang</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Wekkermelding</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Het is nu</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>Het gekozen geluid kon niet worden afgespeeld.</translation>
    </message>
</context>
</TS>
