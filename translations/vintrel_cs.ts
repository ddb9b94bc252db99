<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Zmeškaný budík</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Budík bez odpovědi</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Budíky probudí tento počítač, i když jsou hodiny ukončené.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Budíky zvoní, když je tento počítač zapnutý, i když jsou hodiny ukončené.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Budíky zvoní, jen když hodiny běží.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>úterý</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>pátek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>neděle</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>pondělí až pátek</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>pondělí až neděle</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>sobota a neděle</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>datum…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>vybrané dny…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>Nepodařilo se zapnout spouštění hodin po přihlášení: soubor „%1“ nelze zapsat. Zkontrolujte, zda lze do jeho složky zapisovat.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>Nepodařilo se vypnout spouštění hodin po přihlášení: soubor „%1“ nelze odstranit. Zkontrolujte, zda lze do jeho složky zapisovat.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Předchozí měsíc</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Následující měsíc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Dny v měsíci</translation>
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
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Hodiny na pracovní plochu s měsíčním kalendářem, patnácti budíky a poznámkou ke kterémukoli dni.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí nápovědu k volbám příkazového řádku.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument „%1“.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Časovač %1 (pozastaveno)</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Časovač %1</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Časovač</translation>
    </message>
</context>
<context>
    <name>DateChooser</name>
    <message>
        <source>Alarm Date</source>
        <translation>Datum budíku</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Datum budíku</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>kromě %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Vybrané dny</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Alarm %1</source>
        <translation>Budík v %1</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Nyní je %1</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Ponechat</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Budík je vypnutý</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>%1 (další budík)</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, nahoru a dolů</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, doleva a doprava</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>Nastavení nelze uložit do „%1“. Disk je možná plný nebo jen pro čtení. Změny zůstanou zachovány do ukončení programu; uvolněte trochu místa nebo opravte oprávnění souboru a poté uložte znovu.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>Soubor s nastavením nelze přečíst celý. Jeho kopie v původní podobě je uložena v „%1“. Hodiny pokračují s tím, co se podařilo přečíst.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Odloženo do %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Odložit o %1 min</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Zvuk budíku</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pípnutí</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vybrat…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Vybrat zvukový soubor</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Přehrát</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Přehrát zvuk budíku</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Postupně zesílit</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>Zvuk začne potichu a během první poloviny doby zvonění se zesílí na plnou hlasitost</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Výběr zvuku budíku</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>Zvukové soubory (*.wav *.ogg *.oga *.flac *.mp3);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>Soubor „%1“ nelze přehrát. Vyberte jiný zvukový soubor; do té doby budíky místo něj pípají.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Ikona aplikace</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Historie změn</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O aplikaci %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Zmeškané budíky</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Zmeškaný budík: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Denní poznámky</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Datum poznámky</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Poznámka k vybranému datu</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Zavřít poznámky</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) znamená, že k datu existuje poznámka.

(exp) znamená, že datum záznamu již uplynulo.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Již existuje %1 poznámek, což je nejvíc, kolik denní poznámky pojmou. Než přidáte další, nějakou poznámku smažte.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Smazání poznámky</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Opravdu chcete tento záznam smazat?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>Ponechat poznámku, kterou píšete?</translation>
    </message>
</context>
<context>
    <name>frmTimer</name>
    <message>
        <source>Timer</source>
        <translation>Časovač</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minuty</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>S&amp;ekundy</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Název</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Neplatný údaj</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Zadejte délku od 1 sekundy do 24 hodin: celé minuty a sekundy od 0 do 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>Časovač už běží. Nahradit ho?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Na dnešek jsou zapsané poznámky. Kliknutím otevřete denní poznámky.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Poznámky na dnešek</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Nabídka</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>Nastavit &amp;budík</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>&amp;Zrušit odložení</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Zobrazit &amp;denní poznámky</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>Zobrazit &amp;kalendář</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>&amp;Skrýt kalendář</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Spouštět po &amp;přihlášení</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Na dnešek (%1) jsou zapsané poznámky.</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Budíky vypnuty</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>Hodiny byly ukončeny. Jejich budíky nezazvoní, dokud hodiny znovu nespustíte.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>&amp;Vyzvánět i po ukončení</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Budík nastaven</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>Hodiny byly ukončeny. Spustí se samy pro budík %1.</translation>
    </message>
    <message>
        <source>&amp;Timer…</source>
        <translation>Č&amp;asovač…</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>Pozastavi&amp;t časovač</translation>
    </message>
    <message>
        <source>Cancel T&amp;imer</source>
        <translation>Zr&amp;ušit časovač</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>&amp;Obnovit časovač</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm – nastavení budíků</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Nastavení budíků</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Doba zvonění (s)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>1–60 sekund</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Doba zvonění v sekundách</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Odložení (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>1–60 minut</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Délka odložení v minutách</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>jednou</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>pravidelně</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Budík %1 zapnutý</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Opakování budíku %1</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Den budíku %1</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Hodina budíku %1</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Minuta budíku %1</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Název budíku %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>Je třeba zadat číslo v rozsahu 0–23</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>Je třeba zadat číslo v rozsahu 0–59</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>Budík %1 je nastaven na datum a čas, které již uplynuly.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Neplatný údaj</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>Ponechat změny v nastavení budíků?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Do odpovědi</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>Zvuk se opakuje, dokud na budík neodpovíte, nejdéle deset minut</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Upozornění budíku</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Nyní je</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>Vybraný zvuk nelze přehrát.</translation>
    </message>
</context>
</TS>
