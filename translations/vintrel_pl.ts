<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Przegapiony alarm</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Alarm bez odpowiedzi</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Alarmy wybudzają ten komputer, nawet gdy zegar jest zamknięty.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Alarmy dzwonią, gdy ten komputer jest włączony, nawet gdy zegar jest zamknięty.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Alarmy dzwonią tylko wtedy, gdy zegar jest uruchomiony.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>poniedziałek–piątek</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>codziennie</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>sobota i niedziela</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>w dniu…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>wybrane dni…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>Nie udało się włączyć uruchamiania zegara po zalogowaniu: nie można zapisać pliku „%1”. Proszę sprawdzić, czy można zapisywać w jego katalogu.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>Nie udało się wyłączyć uruchamiania zegara po zalogowaniu: nie można usunąć pliku „%1”. Proszę sprawdzić, czy można zapisywać w jego katalogu.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Dni miesiąca</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Zegar na pulpit z kalendarzem miesięcznym, piętnastoma alarmami i notatkami do dowolnego dnia.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Minutnik %1 (wstrzymany)</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Minutnik %1</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minutnik</translation>
    </message>
</context>
<context>
    <name>DateChooser</name>
    <message>
        <source>Alarm Date</source>
        <translation>Data alarmu</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Data alarmu</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>oprócz %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Wybrane dni</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm o %1</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Jest godzina %1</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Zachowaj</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Alarm wyłączony</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>Alarm: %1</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, w górę i w dół</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, w lewo i w prawo</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>Nie można zapisać ustawień w pliku „%1”. Dysk może być pełny lub dostępny tylko do odczytu. Zmiany zostaną zachowane do zakończenia działania programu; proszę zwolnić trochę miejsca lub poprawić uprawnienia pliku, a następnie zapisać ponownie.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>Nie można w całości odczytać pliku ustawień. Jego kopia w niezmienionej postaci została zachowana w „%1”. Zegar działa dalej z tym, co udało się odczytać.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Drzemka do %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Drzemka %1 min</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Dźwięk alarmu</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Sygnał</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wskaż…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Wybierz plik dźwiękowy</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Odtwórz dźwięk alarmu</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Coraz głośniej</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>Dźwięk zaczyna się cicho i osiąga pełną głośność w pierwszej połowie czasu trwania alarmu</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Wybór dźwięku alarmu</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>Pliki dźwiękowe (*.wav *.ogg *.oga *.flac *.mp3);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>Nie można odtworzyć pliku „%1”. Proszę wybrać inny plik dźwiękowy; do tego czasu alarmy będą używać zwykłego sygnału.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Historia zmian</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Przegapione alarmy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Przegapiony alarm: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Notatki dzienne</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Data notatki</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Notatka do wybranej daty</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Zamknij notatki</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) oznacza, że do daty jest przypisana notatka.

(exp) oznacza wpis, którego data już minęła.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Istnieje już %1 notatek, czyli najwięcej, ile mogą pomieścić notatki dzienne. Przed dodaniem kolejnej należy usunąć którąś z notatek.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Usuwanie notatki</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Czy na pewno usunąć ten wpis?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>Zachować pisaną notatkę?</translation>
    </message>
</context>
<context>
    <name>frmTimer</name>
    <message>
        <source>Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minuty</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Sekundy</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Nieprawidłowa wartość</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Podaj czas od 1 sekundy do 24 godzin: pełne minuty i sekundy od 0 do 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>Minutnik jest już ustawiony. Zastąpić go?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Na dzisiaj zapisano notatki. Kliknij, aby otworzyć notatki dzienne.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Notatki na dzisiaj</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>Ustaw &amp;alarm</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>Anuluj &amp;drzemkę</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Wyświetl &amp;notatki dzienne</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>&amp;Pokaż kalendarz</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>&amp;Ukryj kalendarz</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Uruchamiaj po &amp;zalogowaniu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Na dzisiaj (%1) zapisano notatki.</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Alarmy wyłączone</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>Zegar został zamknięty. Jego alarmy nie zadzwonią, dopóki nie zostanie ponownie uruchomiony.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>Dzwoń także po zam&amp;knięciu</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Alarm ustawiony</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>Zegar został zamknięty. Uruchomi się sam na alarm: %1.</translation>
    </message>
    <message>
        <source>&amp;Timer…</source>
        <translation>&amp;Minutnik…</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>&amp;Wstrzymaj minutnik</translation>
    </message>
    <message>
        <source>Cancel T&amp;imer</source>
        <translation>Anuluj m&amp;inutnik</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>Wznów minu&amp;tnik</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm – ustawienia alarmów</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Ustawienia alarmów</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Długość alarmu (s)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>1–60 sekund</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Długość alarmu w sekundach</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Drzemka (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>1–60 minut</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Długość drzemki w minutach</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>jeden raz</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>cyklicznie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Alarm %1 włączony</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Powtarzanie alarmu %1</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Dzień alarmu %1</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Godzina alarmu %1</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Minuta alarmu %1</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Nazwa alarmu %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>Należy podać liczbę z zakresu 0–23</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>Należy podać liczbę z zakresu 0–59</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>Alarm %1 jest ustawiony na datę i godzinę, które już minęły.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Nieprawidłowa wartość</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>Zachować zmiany w ustawieniach alarmów?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Do odpowiedzi</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>Dźwięk powtarza się, dopóki alarm nie zostanie odebrany, najwyżej przez dziesięć minut</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Powiadomienie o alarmie</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Jest godzina</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>Nie można odtworzyć wybranego dźwięku.</translation>
    </message>
</context>
</TS>
