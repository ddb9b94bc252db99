<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Alarma perdida</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Alarma sin respuesta</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Las alarmas despiertan este equipo, aunque el reloj esté cerrado.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Las alarmas suenan mientras este equipo esté encendido, aunque el reloj esté cerrado.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Las alarmas solo suenan mientras el reloj está en marcha.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>De lunes a viernes</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>De lunes a domingo</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>Sábado y domingo</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>En una fecha…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>Días elegidos…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>No se pudo configurar el reloj para que se ejecute al iniciar sesión: no se pudo escribir «%1». Compruebe que se puede escribir en su carpeta.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>No se pudo evitar que el reloj se ejecute al iniciar sesión: no se pudo eliminar «%1». Compruebe que se puede escribir en su carpeta.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
</context>
<context>
    <name>ChooserButtons</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Un reloj de escritorio con un calendario mensual, quince alarmas y una nota para cualquier día.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: «%1».</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Temporizador %1 (en pausa)</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Temporizador %1</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
</context>
<context>
    <name>DateChooser</name>
    <message>
        <source>Alarm Date</source>
        <translation>Fecha de la alarma</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Fecha de la alarma</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>Excepto %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Días elegidos</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarma %1</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Hora actual: %1</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>C&amp;onservar</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Alarmas desactivadas</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>Próxima: %1</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, arriba y abajo</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, izquierda y derecha</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>No se pudo guardar la configuración en «%1». Es posible que el disco esté lleno o sea de solo lectura. Sus cambios se conservan hasta que se cierre el programa; libere espacio o corrija los permisos del archivo y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>No se pudo leer por completo el archivo de configuración. Se ha guardado una copia tal como estaba en «%1». El reloj continúa con lo que pudo leer.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Pospuesta: %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Posponer %1 min</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Sonido de alarma</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Elegir un archivo de sonido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Reproducir el sonido de la alarma</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Aumento gradual</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>El sonido empieza bajo y alcanza el volumen máximo a lo largo de la primera mitad de la duración</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Elegir un sonido de alarma</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>Archivos de sonido (*.wav *.ogg *.oga *.flac *.mp3);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>No se pudo reproducir «%1». Elija otro archivo de sonido; mientras tanto, las alarmas emitirán un pitido.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Alarmas perdidas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Alarma perdida: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Añadir nota</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Notas diarias</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Fecha de la nota</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Nota de la fecha elegida</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Borrar nota</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Cerrar notas</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) indica que hay una nota asociada.

(exp) indica que es una entrada expirada.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Ya hay %1 notas, el máximo que admiten las notas diarias. Borre una nota antes de añadir otra.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Borrar notas</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>¿Está seguro de que quiere borrar esta entrada?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>¿Conservar la nota que está escribiendo?</translation>
    </message>
</context>
<context>
    <name>frmTimer</name>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minutos</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Segundos</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Introduzca una duración de 1 segundo a 24 horas: minutos enteros y segundos de 0 a 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>Ya hay un temporizador en marcha. ¿Reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Hay notas para hoy; pulse para abrir las notas diarias.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Notas para hoy</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>Configurar &amp;alarmas</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>&amp;Cancelar posposición</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Ver &amp;notas diarias</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>Mo&amp;strar calendario</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>&amp;Ocultar calendario</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>&amp;Ejecutar al iniciar sesión</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Hay notas para hoy (%1).</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Alarmas desactivadas</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>El reloj se ha cerrado. Sus alarmas no sonarán hasta que se vuelva a iniciar.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>Sonar aunque esté ce&amp;rrado</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Alarma programada</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>El reloj se ha cerrado. Se iniciará solo para la alarma del %1.</translation>
    </message>
    <message>
        <source>&amp;Timer…</source>
        <translation>&amp;Temporizador…</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>&amp;Pausar temporizador</translation>
    </message>
    <message>
        <source>Cancel T&amp;imer</source>
        <translation>Cance&amp;lar temporizador</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>Reanu&amp;dar temporizador</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm - Configuración de alarmas</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Configuración de alarmas</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Duración (seg)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>De 1 a 60 segundos</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Duración de la alarma en segundos</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Posponer (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>De 1 a 60 minutos</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Duración de la posposición en minutos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>una vez</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>periódica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Alarma %1 activada</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Frecuencia de la alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Día de la alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Hora de la alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Minuto de la alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Nombre de la alarma %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>Debe introducir un número entre 0 y 23</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>Debe introducir un número entre 0 y 59</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>La alarma %1 está programada para una fecha y hora que ya han pasado.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>¿Conservar los cambios en la configuración de alarmas?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Hasta responder</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>El sonido se repite hasta que se responda a la alarma, durante diez minutos como máximo</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Notificación de alarma</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Hora actual:</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>No se pudo reproducir el sonido elegido.</translation>
    </message>
</context>
</TS>
