<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Missed alarm</source>
        <translation>Alarme manquée</translation>
    </message>
    <message>
        <source>Alarm not answered</source>
        <translation>Alarme sans réponse</translation>
    </message>
</context>
<context>
    <name>AlarmHandOff</name>
    <message>
        <source>Alarms wake this computer, even with the clock closed.</source>
        <translation>Les alarmes réveillent cet ordinateur, même horloge fermée.</translation>
    </message>
    <message>
        <source>Alarms ring while this computer is on, even with the clock closed.</source>
        <translation>Les alarmes sonnent tant que cet ordinateur est allumé, même horloge fermée.</translation>
    </message>
    <message>
        <source>Alarms ring only while the clock is running.</source>
        <translation>Les alarmes ne sonnent que lorsque l’horloge est lancée.</translation>
    </message>
</context>
<context>
    <name>AlarmSlot</name>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Lundi à vendredi</translation>
    </message>
    <message>
        <source>Monday to Sunday</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Saturday &amp; Sunday</source>
        <translation>Week-end</translation>
    </message>
    <message>
        <source>On a date…</source>
        <translation>À une date…</translation>
    </message>
    <message>
        <source>Chosen days…</source>
        <translation>Jours choisis…</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The clock could not be set to start at login: &quot;%1&quot; could not be written. Check that its folder is writable.</source>
        <translation>Impossible de configurer le lancement de l’horloge à l’ouverture de session&#xa0;: «&#xa0;%1&#xa0;» n’a pas pu être écrit. Vérifiez que son dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>The clock could not be kept from starting at login: &quot;%1&quot; could not be removed. Check that its folder is writable.</source>
        <translation>Impossible d’empêcher le lancement de l’horloge à l’ouverture de session&#xa0;: «&#xa0;%1&#xa0;» n’a pas pu être supprimé. Vérifiez que son dossier est accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop clock with a month calendar, fifteen alarms and a note for any day.</source>
        <translation>Une horloge de bureau avec un calendrier mensuel, quinze alarmes et une note pour n’importe quel jour.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CountdownTimer</name>
    <message>
        <source>Timer %1 (paused)</source>
        <translation>Minuteur %1 (en pause)</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Minuteur %1</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
</context>
<context>
    <name>DateChooser</name>
    <message>
        <source>Alarm Date</source>
        <translation>Date de l’alarme</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Date de l’alarme</translation>
    </message>
</context>
<context>
    <name>DayTexts</name>
    <message>
        <source>All but %1</source>
        <translation>Sauf %1</translation>
    </message>
</context>
<context>
    <name>DaysChooser</name>
    <message>
        <source>Chosen Days</source>
        <translation>Jours choisis</translation>
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
        <translation>Afficher</translation>
    </message>
    <message>
        <source>The time is now %1</source>
        <translation>Il est %1</translation>
    </message>
</context>
<context>
    <name>KeepEdits</name>
    <message>
        <source>&amp;Keep</source>
        <translation>C&amp;onserver</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Alarm is OFF</source>
        <translation>Aucune alarme active</translation>
    </message>
    <message>
        <source>%1 (Next Alarm)</source>
        <translation>Alarme&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ScrollBarNames</name>
    <message>
        <source>%1, up and down</source>
        <translation>%1, vers le haut et le bas</translation>
    </message>
    <message>
        <source>%1, left and right</source>
        <translation>%1, vers la gauche et la droite</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;. The disk may be full or read-only. Your changes are kept until the program ends; free some space or fix the file&apos;s permissions, then save again.</source>
        <translation>Impossible d’enregistrer vos paramètres dans «&#xa0;%1&#xa0;». Le disque est peut-être plein ou en lecture seule. Vos modifications sont conservées jusqu’à la fermeture du programme&#x202f;; libérez de l’espace ou corrigez les permissions du fichier, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full. A copy of it, as it was, is kept in &quot;%1&quot;. The clock carries on with what it could read.</source>
        <translation>Votre fichier de paramètres n’a pas pu être lu en entier. Une copie en l’état est conservée dans «&#xa0;%1&#xa0;». L’horloge continue avec ce qu’elle a pu lire.</translation>
    </message>
</context>
<context>
    <name>Snooze</name>
    <message>
        <source>Snoozed until %1</source>
        <translation>Répétition à %1</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Répéter %1 min</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Alarm sound</source>
        <translation>Son de l’alarme</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Choisir un fichier son</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Écouter le son de l’alarme</translation>
    </message>
    <message>
        <source>Get louder</source>
        <translation>Son progressif</translation>
    </message>
    <message>
        <source>The sound starts quiet and reaches full volume over the first half of the duration</source>
        <translation>Le son commence doucement et atteint son plein volume au cours de la première moitié de la durée</translation>
    </message>
    <message>
        <source>Choose an Alarm Sound</source>
        <translation>Choisir un son d’alarme</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)</source>
        <translation>Fichiers audio (*.wav *.ogg *.oga *.flac *.mp3);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played. Choose another sound file; until then the alarms beep instead.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;». Choisissez un autre fichier son&#x202f;; d’ici là, les alarmes émettent un bip à la place.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>Vintrel Clock and Alarm</source>
        <translation>Vintrel Clock and Alarm</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>frmMissedAlarms</name>
    <message>
        <source>Missed Alarms</source>
        <translation>Alarmes manquées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missed alarm: %1</source>
        <translation>Alarme manquée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Daily Notes</source>
        <translation>Notes quotidiennes</translation>
    </message>
    <message>
        <source>Date of the note</source>
        <translation>Date de la note</translation>
    </message>
    <message>
        <source>Note for the chosen date</source>
        <translation>Note pour la date choisie</translation>
    </message>
    <message>
        <source>Delete Note</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close Daily Notes</source>
        <translation>Fermer les notes</translation>
    </message>
    <message>
        <source>(*) means that there is an associated note.

(exp) means that this is an expired entry.</source>
        <translation>(*) signifie qu’une note est associée.

(exp) signifie que cette entrée est expirée.</translation>
    </message>
    <message>
        <source>There are already %1 notes, the most the daily notes can hold. Delete a note before adding another.</source>
        <translation>Il y a déjà %1 notes, le maximum que peuvent contenir les notes quotidiennes. Supprimez une note avant d’en ajouter une autre.</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Supprimer la note</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this entry?</source>
        <translation>Voulez-vous vraiment supprimer cette entrée&#x202f;?</translation>
    </message>
    <message>
        <source>Keep the note you are writing?</source>
        <translation>Conserver la note en cours de saisie&#x202f;?</translation>
    </message>
</context>
<context>
    <name>frmTimer</name>
    <message>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minutes</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Secondes</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>Enter a length from 1 second to 24 hours: whole minutes, and seconds from 0 to 59.</source>
        <translation>Saisissez une durée de 1 seconde à 24 heures : des minutes entières et des secondes de 0 à 59.</translation>
    </message>
    <message>
        <source>A timer is already set. Replace it?</source>
        <translation>Un minuteur est déjà réglé. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>frm_Main</name>
    <message>
        <source>There are notes entered for today, click to open daily notes.</source>
        <translation>Des notes sont enregistrées pour aujourd’hui&#x202f;; cliquez pour ouvrir les notes quotidiennes.</translation>
    </message>
    <message>
        <source>Notes for today</source>
        <translation>Notes du jour</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Set &amp;Alarm</source>
        <translation>Régler les &amp;alarmes</translation>
    </message>
    <message>
        <source>&amp;Cancel Snooze</source>
        <translation>Annuler la &amp;répétition</translation>
    </message>
    <message>
        <source>View Daily &amp;Notes</source>
        <translation>Afficher les &amp;notes quotidiennes</translation>
    </message>
    <message>
        <source>&amp;Show Calendar</source>
        <translation>Afficher le &amp;calendrier</translation>
    </message>
    <message>
        <source>&amp;Hide Calendar</source>
        <translation>&amp;Masquer le calendrier</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Lancer à l’ouverture de &amp;session</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>There are notes entered for today (%1).</source>
        <translation>Des notes sont enregistrées pour aujourd’hui (%1).</translation>
    </message>
    <message>
        <source>Alarms off</source>
        <translation>Alarmes désactivées</translation>
    </message>
    <message>
        <source>The clock has been closed. Its alarms will not ring until it is started again.</source>
        <translation>L’horloge a été fermée. Ses alarmes ne sonneront pas tant qu’elle ne sera pas relancée.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>Sonner même &amp;fermée</translation>
    </message>
    <message>
        <source>Alarm set</source>
        <translation>Alarme réglée</translation>
    </message>
    <message>
        <source>The clock has been closed. It will start itself for the alarm on %1.</source>
        <translation>L’horloge a été fermée. Elle se lancera d’elle-même pour l’alarme du %1.</translation>
    </message>
    <message>
        <source>&amp;Timer…</source>
        <translation>Minu&amp;teur…</translation>
    </message>
    <message>
        <source>&amp;Pause Timer</source>
        <translation>Mettre le minuteur en &amp;pause</translation>
    </message>
    <message>
        <source>Cancel T&amp;imer</source>
        <translation>Annuler le minute&amp;ur</translation>
    </message>
    <message>
        <source>Resu&amp;me Timer</source>
        <translation>Reprendre le m&amp;inuteur</translation>
    </message>
</context>
<context>
    <name>frm_SetAlarm</name>
    <message>
        <source>Vintrel Clock &amp; Alarm - Alarm Settings</source>
        <translation>Vintrel Clock &amp; Alarm - Paramètres des alarmes</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Paramètres des alarmes</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Alarm duration (sec)</source>
        <translation>Durée sonnerie (s)</translation>
    </message>
    <message>
        <source>1-60 seconds</source>
        <translation>De 1 à 60 secondes</translation>
    </message>
    <message>
        <source>Alarm duration in seconds</source>
        <translation>Durée de la sonnerie en secondes</translation>
    </message>
    <message>
        <source>Snooze (min)</source>
        <translation>Répétition (min)</translation>
    </message>
    <message>
        <source>1-60 minutes</source>
        <translation>De 1 à 60 minutes</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Délai de répétition en minutes</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>once only</source>
        <translation>une fois</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>régulière</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Alarm %1 on</source>
        <translation>Alarme %1 activée</translation>
    </message>
    <message>
        <source>Alarm %1 frequency</source>
        <translation>Fréquence de l’alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 day</source>
        <translation>Jour de l’alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 hour</source>
        <translation>Heure de l’alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 minute</source>
        <translation>Minute de l’alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 name</source>
        <translation>Nom de l’alarme %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-23</source>
        <translation>Vous devez saisir un nombre compris entre 0 et 23</translation>
    </message>
    <message>
        <source>You must enter a number in the range 0-59</source>
        <translation>Vous devez saisir un nombre compris entre 0 et 59</translation>
    </message>
    <message>
        <source>Alarm %1 is set for a date and time that have passed.</source>
        <translation>L’alarme %1 est réglée sur une date et une heure déjà passées.</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>Keep the changes to the alarm settings?</source>
        <translation>Conserver les modifications des paramètres des alarmes&#x202f;?</translation>
    </message>
    <message>
        <source>Until answered</source>
        <translation>Jusqu&apos;à réponse</translation>
    </message>
    <message>
        <source>The sound repeats until the alarm is answered, for ten minutes at most</source>
        <translation>Le son se répète jusqu&apos;à ce que l&apos;alarme reçoive une réponse, pendant dix minutes au plus</translation>
    </message>
</context>
<context>
    <name>frm_alarm_notif</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Notification d’alarme</translation>
    </message>
    <message>
        <source>The time is now</source>
        <translation>Il est</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The chosen sound could not be played.</source>
        <translation>Le son choisi n’a pas pu être lu.</translation>
    </message>
</context>
</TS>
