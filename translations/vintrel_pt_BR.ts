<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Alarme perdido</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Alarme não respondido</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Os alarmes despertam este computador, mesmo com o relógio fechado.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Os alarmes tocam enquanto este computador estiver ligado, mesmo com o relógio fechado.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Os alarmes só tocam enquanto o relógio estiver em execução.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
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
        <translation>Segunda a sexta</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>Segunda a domingo</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>Sábado e domingo</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>Em uma data…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>Dias escolhidos…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>Não foi possível configurar o relógio para iniciar com a sessão: não foi possível gravar “%1”. Verifique se há permissão de escrita na pasta.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>Não foi possível impedir que o relógio inicie com a sessão: não foi possível remover “%1”. Verifique se há permissão de escrita na pasta.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Dias do mês</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Um relógio de área de trabalho com um calendário mensal, quinze alarmes e uma nota para qualquer dia.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Exibe a ajuda sobre as opções de linha de comando.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: “%1”.</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Temporizador %1 (pausado)</translation>
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
        <translation>Data do alarme</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Data do alarme</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>Exceto %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Dias escolhidos</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarme %1</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Hora atual: %1</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Manter</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Alarmes desativados</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>Alarme: %1</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, para cima e para baixo</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, para a esquerda e para a direita</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>Não foi possível salvar as configurações em “%1”. O disco pode estar cheio ou ser somente leitura. Suas alterações ficam guardadas até o programa ser fechado; libere espaço ou corrija as permissões do arquivo e salve novamente.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>Não foi possível ler todo o arquivo de configurações. Uma cópia dele, como estava, foi guardada em “%1”. O relógio continua com o que conseguiu ler.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Soneca até %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Soneca (%1 min)</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Som do alarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bipe</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Escolher um arquivo de som</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Tocar o som do alarme</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Aumento gradual</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>O som começa baixo e atinge o volume máximo ao longo da primeira metade da duração</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Escolher um som de alarme</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>Arquivos de som (*.wav *.ogg *.oga *.flac *.mp3);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>Não foi possível reproduzir “%1”. Escolha outro arquivo de som; até lá, os alarmes tocarão um bipe.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Ícone do programa</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Alarmes perdidos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Alarme perdido: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Notas diárias</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Data da nota</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Nota da data escolhida</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Excluir nota</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Fechar notas</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) indica que há uma nota associada.

(exp) indica que é uma entrada expirada.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Já existem %1 notas, o máximo que as notas diárias comportam. Exclua uma nota antes de adicionar outra.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Excluir notas</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Tem certeza de que deseja excluir esta entrada?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>Manter a nota que você está escrevendo?</translation>
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
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Entrada inválida</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Informe uma duração de 1 segundo a 24 horas: minutos inteiros e segundos de 0 a 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>Já há um temporizador definido. Substituí-lo?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Há notas para hoje; clique para abrir as notas diárias.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Notas de hoje</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>Configurar &amp;alarmes</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>&amp;Cancelar soneca</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Ver &amp;notas diárias</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>&amp;Exibir calendário</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>&amp;Ocultar calendário</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>&amp;Iniciar com a sessão</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Há notas para hoje (%1).</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Alarmes desativados</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>O relógio foi fechado. Os alarmes não tocarão até que ele seja iniciado novamente.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>Tocar com o relógio &amp;fechado</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Alarme definido</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>O relógio foi fechado. Ele se iniciará sozinho para o alarme de %1.</translation>
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
        <translation>Cancelar te&amp;mporizador</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>&amp;Retomar temporizador</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm - Configurações de alarmes</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Configurações de alarmes</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Duração (seg)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>De 1 a 60 segundos</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Duração do alarme em segundos</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Soneca (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>De 1 a 60 minutos</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Duração da soneca em minutos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>uma vez</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>periódico</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Alarme %1 ativado</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Frequência do alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Dia do alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Hora do alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Minuto do alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Nome do alarme %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>É necessário informar um número entre 0 e 23</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>É necessário informar um número entre 0 e 59</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>O alarme %1 está definido para uma data e hora que já passaram.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Entrada inválida</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>Manter as alterações nas configurações de alarmes?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Até responder</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>O som se repete até que o alarme seja respondido, por no máximo dez minutos</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Notificação de alarme</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Hora atual:</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>Não foi possível reproduzir o som escolhido.</translation>
    </message>
</context>
</TS>
