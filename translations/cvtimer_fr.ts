<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>CtlDayParts</name>
    <message>
        <source>Usage: cvtimerctl dayparts show [--plan FILE] [--at &quot;YYYY-MM-DD HH:MM&quot;] [--week]
       cvtimerctl dayparts run [--plan FILE] [--port N | --device PATH]

The day-part plan, CVTimerDayParts.ini in the current folder, says which
timer file the unit should hold at each part of the day: a [section] per
part with Start=, Days= or Dates=, and Sheet=, and a [Plan] section with
the Closed= dates and the unit&apos;s Port=. The user guide&apos;s &quot;Day parts&quot; has
the whole of it.

show  prints the parts, the part due at a moment (now by default) with its
      timer file and the next change, and with --week the seven days from
      that date with every change, the dated parts, the closed dates and
      the days the clocks change.
run   sends the due part&apos;s timers to the unit, printing each message as
      cvtimerctl send does, unless by the record of sends the unit holds
      them already, or a send by hand since the part started holds. Run
      twice, it sends at most once; run every minute, once per change. A
      port in use is waited for up to 60 seconds.

Exit status: 0 shown, or the unit holds the due part&apos;s timers (sent now,
held already, or held by a send by hand); 1 the send failed or a timer
file cannot be read; 2 wrong usage or a plan that is refused; 3 there is
no plan, or no part is due yet.

Options:
  --plan FILE    the plan to use instead of CVTimerDayParts.ini here
  --at MOMENT    show the plan at &quot;YYYY-MM-DD HH:MM&quot; on the PC&apos;s clock
  --week         show the seven days from that date
  --port N       send to Comm Port N (1 to 65535), not the plan&apos;s port
  --device PATH  send to this serial device (on Windows a port name such
                 as COM7 will do)
  --help         show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl dayparts show [--plan FILE]
                [--at &quot;YYYY-MM-DD HH:MM&quot;] [--week]
              cvtimerctl dayparts run [--plan FILE] [--port N | --device PATH]

Le plan des périodes, CVTimerDayParts.ini dans le dossier courant, indique
quel fichier de minuteries l&apos;appareil doit contenir à chaque période de la
journée&#xa0;: une [section] par période avec Start=, Days= ou Dates=, et Sheet=,
et une section [Plan] avec les dates de fermeture dans Closed= et le port de
l&apos;appareil dans Port=. La section «&#xa0;Day parts&#xa0;» du Guide d&apos;utilisation
explique tout en détail.

show  affiche les périodes, la période en cours à un moment donné
      (maintenant par défaut) avec son fichier de minuteries et le prochain
      changement, et avec --week les sept jours à partir de cette date avec
      chaque changement, les périodes datées, les dates de fermeture et les
      jours de changement d&apos;heure.
run   envoie à l&apos;appareil les minuteries de la période en cours en
      affichant chaque message comme cvtimerctl send, sauf si, d&apos;après le
      registre des envois, l&apos;appareil les contient déjà, ou si un envoi
      manuel fait depuis le début de la période reste en vigueur. Exécuté
      deux fois, il envoie au plus une fois; exécuté chaque minute, une fois
      par changement. Si le port est utilisé par un autre programme, il
      attend jusqu&apos;à 60 secondes qu&apos;il se libère.

Codes de sortie&#xa0;: 0 affiché, ou l&apos;appareil contient les minuteries de la
période en cours (envoyées maintenant, déjà présentes ou mises en place par
un envoi manuel); 1 l&apos;envoi a échoué ou un fichier de minuteries ne peut pas
être lu; 2 utilisation incorrecte ou plan refusé; 3 il n&apos;y a aucun plan, ou
aucune période n&apos;est encore en cours.

Options&#xa0;:
  --plan FILE    utilise ce plan au lieu du CVTimerDayParts.ini d&apos;ici
  --at MOMENT    affiche le plan au moment «&#xa0;YYYY-MM-DD HH:MM&#xa0;» selon
                 l&apos;horloge de l&apos;ordinateur
  --week         affiche les sept jours à partir de cette date
  --port N       envoie au port N (1 à 65535) du menu Port COM, et non au
                 port du plan
  --device PATH  envoie à ce périphérique série (sous Windows, un nom de
                 port tel que COM7 convient)
  --help         affiche ce texte
</translation>
    </message>
    <message>
        <source>Next change: %1 at %2, %3.</source>
        <translation>Prochain changement&#xa0;: %1 à %2, %3.</translation>
    </message>
    <message>
        <source>Plan: %1</source>
        <translation>Plan&#xa0;: %1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Days or dates</source>
        <translation>Jours ou dates</translation>
    </message>
    <message>
        <source>Timer file</source>
        <translation>Fichier de minuteries</translation>
    </message>
    <message>
        <source>Closed: %1</source>
        <translation>Dates de fermeture&#xa0;: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port&#xa0;: %1</translation>
    </message>
    <message>
        <source>closed: no part starts, the unit keeps what it holds</source>
        <translation>fermé&#xa0;: aucune période ne commence, l&apos;appareil garde ce qu&apos;il contient</translation>
    </message>
    <message>
        <source>only its dated parts start</source>
        <translation>seules ses périodes datées commencent</translation>
    </message>
    <message>
        <source>the clocks change from %1 to %2</source>
        <translation>changement d&apos;heure de %1 à %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>%1 (set for %2, in the hour the clocks skip)</source>
        <translation>%1 (prévue à %2, dans l&apos;heure sautée au changement d&apos;heure)</translation>
    </message>
    <message>
        <source>cvtimerctl: there is no day-part plan: %1 does not exist.</source>
        <translation>cvtimerctl&#xa0;: il n&apos;y a aucun plan des périodes&#xa0;: %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>At %1: %2 is due, since %3 (%4).</source>
        <translation>Le %1&#xa0;: la période %2 est en cours depuis le %3 (%4).</translation>
    </message>
    <message>
        <source>At %1: no part is due; none started in the eight days before.</source>
        <translation>Le %1&#xa0;: aucune période n&apos;est en cours; aucune n&apos;a commencé dans les huit jours précédents.</translation>
    </message>
    <message>
        <source>Missed while the plan did not run: %1, due at %2, %3.</source>
        <translation>Période manquée pendant que le plan ne s&apos;exécutait pas&#xa0;: %1, prévue à %2, %3.</translation>
    </message>
    <message>
        <source>No day part is due: none started in the eight days before now. The unit keeps what it holds.</source>
        <translation>Aucune période n&apos;est en cours&#xa0;: aucune n&apos;a commencé dans les huit derniers jours. L&apos;appareil garde ce qu&apos;il contient.</translation>
    </message>
    <message>
        <source>The unit holds the timers of %1 already; nothing was sent.</source>
        <translation>L&apos;appareil contient déjà les minuteries de %1; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>A send by hand at %1, after %2 started, holds until the next change; the plan leaves the unit alone.</source>
        <translation>Un envoi manuel fait le %1, après le début de %2, reste en vigueur jusqu&apos;au prochain changement; le plan ne touche pas à l&apos;appareil.</translation>
    </message>
    <message>
        <source>%1 sent to the unit by the day-part plan, %2 after its start at %3.</source>
        <translation>Le plan des périodes a envoyé %1 à l&apos;appareil %2 après son début à %3.</translation>
    </message>
    <message>
        <source>%1 sent to the unit by the day-part plan, due at %2.</source>
        <translation>Le plan des périodes a envoyé %1 à l&apos;appareil (début prévu à %2).</translation>
    </message>
    <message>
        <source>The day-part plan could not send %1.</source>
        <translation>Le plan des périodes n&apos;a pas pu envoyer %1.</translation>
    </message>
</context>
<context>
    <name>CtlEmulate</name>
    <message>
        <source>Usage: cvtimerctl emulate [options]

Plays a Corvellan unit on a pseudo-terminal: answers every message with &apos;g&apos;
and prints each message and each complete timer it receives. The first line
printed names the device to open. Stops on Ctrl-C or SIGTERM.

Options:
  --link PATH       also make PATH a symbolic link to the device (removed on exit)
  --wrong-at N      answer message N (counted from 1) with the wrong byte
  --wrong-byte C    the wrong byte: one character, or 0xNN (default x)
  --silent-from N   answer nothing from message N on
  --delay MS        answer each message MS milliseconds late
  --baud B          take as long as a line at B baud would (10 bits a byte)
  --exit-after N    stop once message N has been answered
  --help            show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl emulate [options]

Simule un appareil Corvellan sur un pseudo-terminal&#xa0;: répond «&#xa0;g&#xa0;» à
chaque message et affiche chaque message et chaque minuterie complète qu&apos;il
reçoit. La première ligne affichée nomme le périphérique à ouvrir. S&apos;arrête
sur Ctrl-C ou SIGTERM.

Options&#xa0;:
  --link PATH       fait aussi de PATH un lien symbolique vers le
                    périphérique (supprimé à la sortie)
  --wrong-at N      répond au message N (compté à partir de 1) par le
                    mauvais octet
  --wrong-byte C    le mauvais octet&#xa0;: un caractère, ou 0xNN (x par défaut)
  --silent-from N   ne répond plus rien à partir du message N
  --delay MS        répond à chaque message avec MS millisecondes de retard
  --baud B          prend autant de temps qu&apos;une ligne à B bauds (10 bits
                    par octet)
  --exit-after N    s&apos;arrête après avoir répondu au message N
  --help            affiche ce texte
</translation>
    </message>
    <message>
        <source>%1: exists and is not a symbolic link</source>
        <translation>%1&#xa0;: existe déjà et n&apos;est pas un lien symbolique</translation>
    </message>
    <message>
        <source>pipe: %1</source>
        <translation>pipe&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal: %1</source>
        <translation>impossible d&apos;ouvrir un pseudo-terminal&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot make the link %1</source>
        <translation>impossible de créer le lien %1</translation>
    </message>
    <message>
        <source>the simulated unit runs on Linux only. On Windows, connect the unit,
or run the simulated unit on Linux and reach it through a serial cable.</source>
        <translation>l&apos;appareil simulé ne fonctionne que sous Linux. Sous Windows,
branchez l&apos;appareil, ou faites fonctionner l&apos;appareil simulé sous Linux et
reliez-vous-y par un câble série.</translation>
    </message>
</context>
<context>
    <name>CtlHelp</name>
    <message>
        <source>print the timers of a timer file</source>
        <translation>affiche les minuteries d&apos;un fichier de minuteries</translation>
    </message>
    <message>
        <source>print the day&apos;s reminders of a timer file and the clashes</source>
        <translation>affiche la journée d&apos;un fichier&#xa0;: rappels et chevauchements</translation>
    </message>
    <message>
        <source>send the timers of a timer file to the unit</source>
        <translation>envoie les minuteries d&apos;un fichier de minuteries à l&apos;appareil</translation>
    </message>
    <message>
        <source>show what the unit holds as far as the record of sends knows</source>
        <translation>affiche ce que contient l&apos;appareil d&apos;après le registre des envois</translation>
    </message>
    <message>
        <source>list the serial ports and the devices they reach</source>
        <translation>liste les ports série et les périphériques auxquels ils mènent</translation>
    </message>
    <message>
        <source>play a Corvellan unit on a pseudo-terminal (Linux only)</source>
        <translation>simule un appareil Corvellan sur un pseudo-terminal (Linux seulement)</translation>
    </message>
    <message>
        <source>Usage: cvtimerctl &lt;command&gt; [options]
       cvtimerctl &lt;command&gt; --help
       cvtimerctl --version

Commands:
</source>
        <translation>Utilisation&#xa0;: cvtimerctl &lt;commande&gt; [options]
              cvtimerctl &lt;commande&gt; --help
              cvtimerctl --version

Commandes&#xa0;:
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>show the day-part plan, or send the part that is due</source>
        <translation>affiche le plan des périodes ou envoie la période en cours</translation>
    </message>
    <message>
        <source>print what the unit held, day by day, by the record of sends</source>
        <translation>affiche ce qu&apos;a contenu l&apos;appareil, jour par jour, d&apos;après le registre des envois</translation>
    </message>
</context>
<context>
    <name>CtlPlan</name>
    <message>
        <source>Usage: cvtimerctl plan FILE

Prints the day the timers of a timer file make: every reminder in time
order (&quot;06:00 AM  Hands Washing&quot;), then the clashes, one line per minute
at which two or more timers remind, the names separated by commas.
Each timer reminds at its start time and then every repeat interval until
midnight; an interval of 0 reminds once. A timer that starts 24 hours or
more after midnight is listed as outside the day.

Exit status: 0 printed, 1 the file cannot be read, 2 wrong usage.

Options:
  --help    show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl plan FILE

Affiche la journée que donnent les minuteries d&apos;un fichier de minuteries&#xa0;:
chaque rappel dans l&apos;ordre chronologique («&#xa0;06:00 AM  Hands Washing&#xa0;»), puis
les chevauchements, une ligne par minute à laquelle deux minuteries ou plus se
déclenchent, les noms séparés par des virgules. Chaque minuterie se déclenche
à son heure de début, puis à chaque intervalle de répétition jusqu&apos;à minuit;
un intervalle de 0 ne se déclenche qu&apos;une fois. Une minuterie qui commence
24 heures ou plus après minuit est indiquée comme hors de la journée.

Codes de sortie&#xa0;: 0 affiché, 1 le fichier ne peut pas être lu,
2 utilisation incorrecte.

Options&#xa0;:
  --help    affiche ce texte
</translation>
    </message>
    <message>
        <source>Clashes:</source>
        <translation>Chevauchements&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Outside the day:</source>
        <translation>Hors de la journée&#xa0;:</translation>
    </message>
    <message>
        <source>%1 starts %2 after midnight</source>
        <translation>%1 commence %2 après minuit</translation>
    </message>
</context>
<context>
    <name>CtlPorts</name>
    <message>
        <source>Usage: cvtimerctl ports

Lists the ports of CV Timer&apos;s Comm Port menu with the serial device each
reaches now: the device named for it in the [Ports] section of
CVTimerSystem.ini in the current folder, or else, on Linux, the next present
device, and on Windows COMn for port n. Each line says whether the device is
present and, where the system tells, what is plugged in there, for example
&quot;FT232R USB UART (FTDI)&quot; or &quot;USB Serial Port (FTDI)&quot;. Port 1 to Port 12 are
always listed, a port above 12 when it reaches a present device (on Windows
COM13 and up as Device Manager shows them) or when that file chooses it. The
port chosen in that file is marked with &apos;*&apos;.

Exit status: 0 listed, 2 wrong usage.

Options:
  --root DIR  for testing on Linux: look for devices under DIR/dev and DIR/sys
  --help      show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl ports

Liste les ports du menu Port COM de CV Timer avec le périphérique série auquel
chacun mène maintenant&#xa0;: le périphérique désigné pour ce port dans la
section [Ports] de CVTimerSystem.ini du dossier courant, sinon, sous Linux,
le périphérique présent suivant et, sous Windows, COMn pour le port n.
Chaque ligne indique si le périphérique est présent et, quand le système le
dit, ce qui y est branché, par exemple «&#xa0;FT232R USB UART (FTDI)&#xa0;» ou
«&#xa0;USB Serial Port (FTDI)&#xa0;». Les ports 1 à 12 sont toujours listés; un port
au-delà de 12 l&apos;est quand il mène à un périphérique présent (sous Windows,
COM13 et au-delà tels que les montre le Gestionnaire de périphériques) ou
quand ce fichier le choisit. Le port choisi dans ce fichier est marqué
d&apos;un «&#xa0;*&#xa0;».

Codes de sortie&#xa0;: 0 listé, 2 utilisation incorrecte.

Options&#xa0;:
  --root DIR  pour les essais sous Linux&#xa0;: cherche les périphériques sous
              DIR/dev et DIR/sys
  --help      affiche ce texte
</translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>aucun périphérique</translation>
    </message>
    <message>
        <source>(from settings)</source>
        <translation>(selon les paramètres)</translation>
    </message>
    <message>
        <source>present</source>
        <translation>présent</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>port 1, used because %1 was not read (see above)</source>
        <translation>port 1, utilisé parce que %1 n&apos;a pas été lu (voir plus haut)</translation>
    </message>
    <message>
        <source>%1 chooses port %2, which does not exist.</source>
        <translation>%1 choisit le port %2, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the port chosen in %1</source>
        <translation>le port choisi dans %1</translation>
    </message>
    <message>
        <source>the port chosen in %1 (no such file: port 1)</source>
        <translation>le port choisi dans %1 (fichier inexistant&#xa0;: port 1)</translation>
    </message>
</context>
<context>
    <name>CtlReport</name>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &apos;%2&apos;</source>
        <translation>%1 prend une date sous la forme YYYY-MM-DD, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>give --date or --from and --to, not both</source>
        <translation>indiquez --date ou --from et --to, mais pas les deux</translation>
    </message>
    <message>
        <source>--from and --to go together</source>
        <translation>--from et --to vont ensemble</translation>
    </message>
    <message>
        <source>--to must not come before --from</source>
        <translation>--to ne doit pas précéder --from</translation>
    </message>
    <message>
        <source>a report covers at most 366 days</source>
        <translation>un rapport couvre au plus 366 jours</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Gaps in what is known:</source>
        <translation>Lacunes dans ce qui est connu&#xa0;:</translation>
    </message>
    <message>
        <source>Record of sends: %1</source>
        <translation>Registre des envois&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Appareil&#xa0;: %1</translation>
    </message>
    <message>
        <source>Usage: cvtimerctl report [--date YYYY-MM-DD | --from DATE --to DATE]
                         [--port N | --device PATH]

Prints what the Corvellan unit held, day by day, as the record of sends
tells it: CVTimerSends.log beside CVTimerSystem.ini in the current folder.
Each day opens with what the unit held when the day began, then every
change in time order with its UTC offset, how it came (by hand, by which
user, or by the day-part plan, which part, on time or how late) and its
timer file, then the ten timers of each timer file sent that day as the
unit acknowledged them, and last the gaps in what is known: a send that
stopped partway, a planned switch that failed or was missed, a change of
the UTC offset, a day the record does not go back to. It reads only
the record, never the plan. Without an option it covers today, and the
unit on the port chosen in CVTimerSystem.ini.

Exit status: 0 printed, 1 the record cannot be read, 2 wrong usage.

Options:
  --date DATE    the one day DATE (YYYY-MM-DD)
  --from DATE    the first day, with --to the last (at most 366 days)
  --to DATE
  --port N       the unit on Comm Port N (1 to 65535)
  --device PATH  the unit on this device, whichever port reached it (on
                 Windows a port name such as COM7 will do)
  --help         show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl report [--date YYYY-MM-DD | --from DATE --to DATE]
                                [--port N | --device PATH]

Affiche ce qu&apos;a contenu l&apos;appareil Corvellan, jour par jour, d&apos;après le
registre des envois&#xa0;: CVTimerSends.log, à côté de CVTimerSystem.ini dans le
dossier courant. Chaque jour commence par ce que contenait l&apos;appareil au
début de la journée; suivent tous les changements dans l&apos;ordre, avec leur
décalage UTC, leur origine (à la main, par quel utilisateur, ou par le plan
des périodes, quelle période, à l&apos;heure ou avec quel retard) et leur fichier
de minuteries; puis les dix minuteries de chaque fichier envoyé ce jour-là,
telles que l&apos;appareil les a confirmées, et enfin les lacunes dans ce qui est
connu&#xa0;: un envoi arrêté en cours de route, un passage prévu qui a échoué ou
a été manqué, un changement du décalage UTC, un jour auquel le registre ne
remonte pas. Il ne lit que le registre, jamais le plan. Sans option, il
couvre la journée d&apos;aujourd&apos;hui et l&apos;appareil du port choisi dans
CVTimerSystem.ini.

Codes de sortie&#xa0;: 0 affiché, 1 le registre ne peut pas être lu,
2 utilisation incorrecte.

Options&#xa0;:
  --date DATE    le seul jour DATE (YYYY-MM-DD)
  --from DATE    le premier jour, avec --to le dernier (366 jours au plus)
  --to DATE
  --port N       l&apos;appareil du port N (1 à 65535)
  --device PATH  l&apos;appareil de ce périphérique, quel que soit le port qui
                 y menait (sous Windows, un nom de port tel que COM7
                 convient)
  --help         affiche ce texte
</translation>
    </message>
</context>
<context>
    <name>CtlSend</name>
    <message>
        <source>Usage: cvtimerctl send FILE [--port N | --device PATH]

Sends the ten timers of a timer file to the Corvellan unit, printing each
message as it goes out. Without an option the port is the one chosen in
CVTimerSystem.ini in the current folder (port 1 without that file); ports
map to devices as in the program, [Ports] entries of that file included.

The line is 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control,
unless Parity=, StopBits= or FlowControl= in [SerialComm] of that file say
otherwise (also with --device).

Exit status: 0 all ten sent, 1 the file cannot be read, a line setting in
CVTimerSystem.ini is not one CV Timer knows (nothing is sent then) or a timer
was not sent, 2 wrong usage or a name the unit cannot take (nothing is sent
then), 128 + the signal&apos;s number (130 for Ctrl-C) when an interrupt or
SIGTERM stopped the send; the timers before it stay sent. Ctrl-C also cuts
short an open that hangs, where the system allows; on Windows a second
Ctrl-C ends cvtimerctl at once.

Options:
  --port N       use Comm Port N (1 to 65535) instead of the chosen one
  --device PATH  use this serial device, bypassing the port numbers (on
                 Windows a port name such as COM7 will do)
  --help         show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl send FILE [--port N | --device PATH]

Envoie les dix minuteries d&apos;un fichier de minuteries à l&apos;appareil Corvellan
en affichant chaque message à son départ. Sans option, le port est celui
choisi dans CVTimerSystem.ini du dossier courant (le port 1 sans ce
fichier); les ports mènent aux périphériques comme dans le programme,
entrées [Ports] de ce fichier comprises.

La ligne est à 9600 bauds, 8 bits de données, sans parité, 1 bit d&apos;arrêt,
sans contrôle de flux, à moins que Parity=, StopBits= ou FlowControl= dans
[SerialComm] de ce fichier n&apos;en disent autrement (aussi avec --device).

Codes de sortie&#xa0;: 0 les dix envoyées, 1 le fichier ne peut pas être lu, un
paramètre de ligne de CVTimerSystem.ini n&apos;est pas connu de CV Timer (rien
n&apos;est alors envoyé) ou une minuterie n&apos;a pas été envoyée, 2 utilisation
incorrecte ou un nom que l&apos;appareil ne peut pas accepter (rien n&apos;est alors
envoyé), 128 + le numéro du signal (130 pour Ctrl-C) quand une interruption
ou SIGTERM a arrêté l&apos;envoi; les minuteries envoyées avant restent
envoyées. Ctrl-C interrompt aussi une ouverture qui se bloque, quand le
système le permet; sous Windows, un second Ctrl-C termine cvtimerctl
aussitôt.

Options&#xa0;:
  --port N       utilise le port N (1 à 65535) au lieu du port choisi
  --device PATH  utilise ce périphérique série, sans passer par les numéros
                 de port (sous Windows, un nom de port tel que COM7 convient)
  --help         affiche ce texte
</translation>
    </message>
    <message>
        <source>Sending Timer %1 of %2</source>
        <translation>Envoi de la minuterie %1 sur %2</translation>
    </message>
    <message>
        <source>sent %1</source>
        <translation>envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan</source>
        <translation>Impossible d&apos;envoyer les minuteries à l&apos;appareil Corvellan</translation>
    </message>
    <message>
        <source>Unable to open selected serial port.</source>
        <translation>Impossible d&apos;ouvrir le port série choisi.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent.</source>
        <translation>La minuterie %1 n&apos;a pas été envoyée.</translation>
    </message>
    <message>
        <source>%1 cvtimerctl sent shows what the unit holds now.</source>
        <translation>%1 La commande cvtimerctl sent montre ce que contient maintenant l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>CtlSent</name>
    <message>
        <source>Usage: cvtimerctl sent [--port N | --device PATH] [--history]

Prints what the Corvellan unit holds as far as the record of sends knows.
The record is CVTimerSends.log beside CVTimerSystem.ini in the current
folder; CV Timer and cvtimerctl send add an entry to it for every send made
from that folder, and it knows of no other. The table is that of cvtimerctl
show, with a last column saying when each timer was sent and from which
file. A part of a timer is &quot;not known&quot; when its message went out without
being acknowledged (the unit may or may not have taken it), or when no send
in the record reached it. Without an option the unit is the one on the port
chosen in CVTimerSystem.ini.

Exit status: 0 shown, 1 the record cannot be read, 2 wrong usage.

Options:
  --port N       the unit on Comm Port N (1 to 65535)
  --device PATH  the unit on this device, whichever port reached it (on
                 Windows a port name such as COM7 will do)
  --history      list the sends instead, newest first: every send of the
                 record, or with --port or --device those to that unit
  --help         show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl sent [--port N | --device PATH] [--history]

Affiche ce que contient l&apos;appareil Corvellan d&apos;après le registre des envois.
Le registre est CVTimerSends.log, à côté de CVTimerSystem.ini dans le
dossier courant; CV Timer et cvtimerctl send y ajoutent une entrée pour
chaque envoi fait depuis ce dossier, et il n&apos;en connaît aucun autre. Le
tableau est celui de cvtimerctl show, avec une dernière colonne qui indique
quand chaque minuterie a été envoyée et depuis quel fichier. Une partie
d&apos;une minuterie porte la mention «&#xa0;inconnu&#xa0;» quand son message est parti
sans accusé de réception (l&apos;appareil l&apos;a peut-être accepté, peut-être pas)
ou quand aucun envoi du registre ne l&apos;a atteinte. Sans option, l&apos;appareil
est celui du port choisi dans CVTimerSystem.ini.

Codes de sortie&#xa0;: 0 affiché, 1 le registre ne peut pas être lu,
2 utilisation incorrecte.

Options&#xa0;:
  --port N       l&apos;appareil du port N (1 à 65535)
  --device PATH  l&apos;appareil de ce périphérique, quel que soit le port qui
                 y menait (sous Windows, un nom de port tel que COM7
                 convient)
  --history      liste plutôt les envois, du plus récent au plus ancien&#xa0;:
                 tous les envois du registre ou, avec --port ou --device,
                 ceux faits à cet appareil
  --help         affiche ce texte
</translation>
    </message>
    <message numerus="yes">
        <source>The unit on port %1, as %n recorded sends left it:</source>
        <translation>
            <numerusform>L&apos;appareil du port %1, tel que l&apos;a laissé %n envoi enregistré&#xa0;:</numerusform>
            <numerusform>L&apos;appareil du port %1, tel que l&apos;ont laissé %n envois enregistrés&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The unit on %1, as %n recorded sends left it:</source>
        <translation>
            <numerusform>L&apos;appareil du périphérique %1, tel que l&apos;a laissé %n envoi enregistré&#xa0;:</numerusform>
            <numerusform>L&apos;appareil du périphérique %1, tel que l&apos;ont laissé %n envois enregistrés&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>No sends recorded.</source>
        <translation>Aucun envoi enregistré.</translation>
    </message>
    <message>
        <source>No sends recorded to the unit on port %1.</source>
        <translation>Aucun envoi enregistré vers l&apos;appareil du port %1.</translation>
    </message>
    <message>
        <source>No sends recorded to the unit on %1.</source>
        <translation>Aucun envoi enregistré vers l&apos;appareil du périphérique %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are of the record cut short or damaged, and left out.</source>
        <translation>
            <numerusform>%n entrée du registre est tronquée ou endommagée, et omise.</numerusform>
            <numerusform>%n entrées du registre sont tronquées ou endommagées, et omises.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record knows only the sends made from this folder: %1</source>
        <translation>Le registre ne connaît que les envois faits depuis ce dossier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CtlShow</name>
    <message>
        <source>Usage: cvtimerctl show FILE

Prints the ten timers of a timer file as a table: name, start time, repeat
interval, snooze time and priority, the times as the sheet shows them.
A name with leading blanks, or made of blanks only, is shown in quotes;
a control character in a name is shown as \xNN. A file saved in UTF-8 or
Windows-1252 by another editor is converted, and stderr says so.

Exit status: 0 shown, 1 the file cannot be read, 2 wrong usage.

Options:
  --help    show this text
</source>
        <translation>Utilisation&#xa0;: cvtimerctl show FILE

Affiche les dix minuteries d&apos;un fichier de minuteries sous forme de
tableau&#xa0;: nom, heure de début, intervalle de répétition, délai de report et
priorité, les heures telles que la feuille les montre. Un nom qui commence
par des blancs, ou fait uniquement de blancs, est affiché entre guillemets;
un caractère de contrôle dans un nom est affiché sous la forme \xNN. Un
fichier enregistré en UTF-8 ou en Windows-1252 par un autre éditeur est
converti, et stderr le signale.

Codes de sortie&#xa0;: 0 affiché, 1 le fichier ne peut pas être lu,
2 utilisation incorrecte.

Options&#xa0;:
  --help    affiche ce texte
</translation>
    </message>
</context>
<context>
    <name>CtlTable</name>
    <message>
        <source>Timer</source>
        <translation>Minuterie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>CtlUsage</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 exige une valeur</translation>
    </message>
    <message>
        <source>%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>%1 prend un nombre entier, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--link needs a path</source>
        <translation>--link exige un chemin</translation>
    </message>
    <message>
        <source>--wrong-byte takes one character or 0xNN, not &apos;%1&apos;</source>
        <translation>--wrong-byte prend un caractère ou 0xNN, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535, not &apos;%1&apos;</source>
        <translation>--port prend un nombre de 1 à 65535, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>indiquez --port ou --device, mais pas les deux</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argument inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--root needs a folder</source>
        <translation>--root exige un dossier</translation>
    </message>
    <message>
        <source>only one FILE, please</source>
        <translation>un seul FILE, s&apos;il vous plaît</translation>
    </message>
    <message>
        <source>which timer file?</source>
        <translation>quel fichier de minuteries?</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--at takes a moment as &quot;YYYY-MM-DD HH:MM&quot;, not &apos;%1&apos;</source>
        <translation>--at prend un moment sous la forme «&#xa0;YYYY-MM-DD HH:MM&#xa0;», et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>show or run?</source>
        <translation>show ou run?</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>DayParts</name>
    <message>
        <source>%1, line %2: Closed= is given twice in [Plan]; keep one line and list every date on it.</source>
        <translation>%1, ligne %2&#xa0;: Closed= figure deux fois dans [Plan]; gardez une seule ligne et inscrivez-y toutes les dates.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a date. Write dates as 2026-12-25 (year, month, day), separated by commas.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas une date. Inscrivez les dates sous la forme 2026-12-25 (année, mois, jour), séparées par des virgules.</translation>
    </message>
    <message>
        <source>%1, line %2: Port= is given twice in [Plan]; keep one.</source>
        <translation>%1, ligne %2&#xa0;: Port= figure deux fois dans [Plan]; gardez-en une seule.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a Comm Port. Write Port= and a number from 1 to 65535, or leave the line out to use the port chosen in CV Timer.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas un port COM. Inscrivez Port= suivi d&apos;un nombre de 1 à 65535, ou supprimez la ligne pour utiliser le port choisi dans CV Timer.</translation>
    </message>
    <message>
        <source>%1, line %2: [Plan] has no setting &quot;%3&quot;. Its settings are Closed= and Port=.</source>
        <translation>%1, ligne %2&#xa0;: [Plan] n&apos;a aucun paramètre «&#xa0;%3&#xa0;». Ses paramètres sont Closed= et Port=.</translation>
    </message>
    <message>
        <source>%1, line %2: a day part has no setting &quot;%3&quot;. Its settings are Start=, Days= or Dates=, and Sheet=.</source>
        <translation>%1, ligne %2&#xa0;: une période n&apos;a aucun paramètre «&#xa0;%3&#xa0;». Ses paramètres sont Start=, Days= ou Dates=, et Sheet=.</translation>
    </message>
    <message>
        <source>%1, line %2: [%3] has %4= twice (also on line %5); keep one.</source>
        <translation>%1, ligne %2&#xa0;: [%3] contient %4= deux fois (aussi à la ligne %5); gardez-en un seul.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a time of day as a plan takes it. Write the start as 5:30 AM or as 17:30.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas une heure qu&apos;un plan accepte. Inscrivez le début sous la forme 5:30 AM ou 17:30.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a day. Write Mon, Tue, Wed, Thu, Fri, Sat or Sun, a range such as Mon-Fri, a list such as Fri, Sat, or Every day.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas un jour. Inscrivez Mon, Tue, Wed, Thu, Fri, Sat ou Sun, un intervalle comme Mon-Fri, une liste comme Fri, Sat, ou Every day.</translation>
    </message>
    <message>
        <source>%1, line %2: Sheet= names no timer file. Write the timer file to send, such as Sheet=lunch.csv.</source>
        <translation>%1, ligne %2&#xa0;: Sheet= ne nomme aucun fichier de minuteries. Inscrivez le fichier de minuteries à envoyer, par exemple Sheet=lunch.csv.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is neither a [section], a Key=value line nor a comment. A day part is a [Name] line followed by its Start=, Days= or Dates=, and Sheet= lines.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est ni une [section], ni une ligne Clé=valeur, ni un commentaire. Une période est une ligne [Name] suivie de ses lignes Start=, Days= ou Dates=, et Sheet=.</translation>
    </message>
    <message>
        <source>%1, line %2: a section needs a name between its brackets, such as [Lunch].</source>
        <translation>%1, ligne %2&#xa0;: une section doit avoir un nom entre ses crochets, comme [Lunch].</translation>
    </message>
    <message>
        <source>%1, line %2: there is a second [Plan]; put its settings in the first.</source>
        <translation>%1, ligne %2&#xa0;: il y a une seconde section [Plan]; mettez ses paramètres dans la première.</translation>
    </message>
    <message>
        <source>%1, line %2: there is a second [%3] (the first is on line %4); give each day part a name of its own.</source>
        <translation>%1, ligne %2&#xa0;: il y a une seconde section [%3] (la première est à la ligne %4); donnez à chaque période un nom qui lui est propre.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; stands before the first section. Put it under [Plan] or under a day part&apos;s [Name].</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» se trouve avant la première section. Placez cette ligne sous [Plan] ou sous le [Name] d&apos;une période.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has no Start=. Add a line such as Start=5:30 AM.</source>
        <translation>%1, ligne %2&#xa0;: la période [%3] n&apos;a pas de Start=. Ajoutez une ligne comme Start=5:30 AM.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has no Sheet=. Add a line naming the timer file to send, such as Sheet=lunch.csv.</source>
        <translation>%1, ligne %2&#xa0;: la période [%3] n&apos;a pas de Sheet=. Ajoutez une ligne qui nomme le fichier de minuteries à envoyer, comme Sheet=lunch.csv.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has neither Days= nor Dates=. Add Days=Every day, Days=Mon-Fri or Dates=2026-12-24.</source>
        <translation>%1, ligne %2&#xa0;: la période [%3] n&apos;a ni Days= ni Dates=. Ajoutez Days=Every day, Days=Mon-Fri ou Dates=2026-12-24.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has both Days= and Dates=. A dated part starts only on its dates: make it a part of its own.</source>
        <translation>%1, ligne %2&#xa0;: la période [%3] a à la fois Days= et Dates=. Une période datée ne commence qu&apos;à ses dates&#xa0;: faites-en une période distincte.</translation>
    </message>
    <message>
        <source>%1, line %2: [%3] and [%4] both start at %5 on %6. Only one part can start at a time: give one of them another Start=.</source>
        <translation>%1, ligne %2&#xa0;: [%3] et [%4] commencent toutes deux à %5 le %6. Une seule période peut commencer à la fois&#xa0;: donnez à l&apos;une d&apos;elles un autre Start=.</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16 (&quot;Unicode&quot;), which a plan cannot be. Open it in Notepad, choose Save As, set Encoding to UTF-8 and save it again.</source>
        <translation>%1 est enregistré en UTF-16 («&#xa0;Unicode&#xa0;»), ce qui est impossible pour un plan. Ouvrez-le dans le Bloc-notes, choisissez Enregistrer sous, réglez Encodage sur UTF-8 et enregistrez-le de nouveau.</translation>
    </message>
    <message>
        <source>%1 holds no day part. Add a section for each part of the day: a [Name] line, then Start=, Days= or Dates=, and Sheet=.</source>
        <translation>%1 ne contient aucune période. Ajoutez une section pour chaque période de la journée&#xa0;: une ligne [Name], puis Start=, Days= ou Dates=, et Sheet=.</translation>
    </message>
    <message>
        <source>%1 is larger than a day-part plan can be (%2 KiB); it is not read.</source>
        <translation>%1 dépasse la taille permise pour un plan des périodes (%2 Kio); il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is not replaced: %2.</source>
        <translation>%1 ne peut pas être lu; il n&apos;est donc pas remplacé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. The plan on disk is as it was.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2. Le plan sur le disque reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3); waiting up to %4 seconds for it.</source>
        <translation>Le périphérique %1 est utilisé par %2 (processus %3); attente jusqu&apos;à %4 secondes qu&apos;il se libère.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; waiting up to %2 seconds for it.</source>
        <translation>Le périphérique %1 est utilisé par un autre programme; attente jusqu&apos;à %2 secondes qu&apos;il se libère.</translation>
    </message>
    <message>
        <source>%1 is still in use by %2 (process %3) after %4 seconds. Close that program, or send later.</source>
        <translation>Le périphérique %1 est toujours utilisé par %2 (processus %3) après %4 secondes. Fermez ce programme ou envoyez plus tard.</translation>
    </message>
    <message>
        <source>The timers of %1 cannot be sent: %2 The unit keeps what it holds.</source>
        <translation>Les minuteries de %1 ne peuvent pas être envoyées&#xa0;: %2 L&apos;appareil garde ce qu&apos;il contient.</translation>
    </message>
    <message>
        <source>%1, line %2: the name of [%3] holds a control character. Give the part a name of letters, digits and punctuation.</source>
        <translation>%1, ligne %2&#xa0;: le nom de [%3] contient un caractère de contrôle. Donnez à la période un nom fait de lettres, de chiffres et de ponctuation.</translation>
    </message>
    <message>
        <source>Row %1: give the part a name of its own, without brackets, such as Lunch.</source>
        <translation>Ligne %1&#xa0;: donnez à la période un nom qui lui est propre, sans crochets, comme Dîner.</translation>
    </message>
    <message>
        <source>Row %1 (%2): &quot;%3&quot; is not a time of day. Write the start as 5:30 AM or as 17:30.</source>
        <translation>Ligne %1 (%2)&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas une heure. Inscrivez le début sous la forme 5:30 AM ou 17:30.</translation>
    </message>
    <message>
        <source>Row %1 (%2): &quot;%3&quot; are neither days nor dates. Write Every day, Mon-Fri or Fri, Sat, or dates such as 2026-12-24.</source>
        <translation>Ligne %1 (%2)&#xa0;: «&#xa0;%3&#xa0;» ne sont ni des jours ni des dates. Inscrivez Every day, Mon-Fri ou Fri, Sat, ou des dates comme 2026-12-24.</translation>
    </message>
    <message>
        <source>Row %1 (%2) has no timer file. Choose the timer file to send for it.</source>
        <translation>La ligne %1 (%2) n&apos;a aucun fichier de minuteries. Choisissez le fichier de minuteries à envoyer pour cette période.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Write the closed dates as 2026-12-25 (year, month, day), separated by commas.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date. Inscrivez les dates de fermeture sous la forme 2026-12-25 (année, mois, jour), séparées par des virgules.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Comm Port. Write a number from 1 to 65535, or leave it empty to use the port chosen in CV Timer.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un port COM. Inscrivez un nombre de 1 à 65535, ou laissez le champ vide pour utiliser le port choisi dans CV Timer.</translation>
    </message>
</context>
<context>
    <name>DayPlan</name>
    <message>
        <source>each timer from its Start Time, every Repeat Interval, until midnight</source>
        <translation>chaque minuterie depuis son heure de début, à chaque intervalle de répétition, jusqu&apos;à minuit</translation>
    </message>
</context>
<context>
    <name>FieldReading</name>
    <message>
        <source>The field is empty, so it reads as 0.</source>
        <translation>Le champ est vide; il vaut donc 0.</translation>
    </message>
    <message>
        <source>There is no number in %1, so it reads as 0.</source>
        <translation>%1 ne contient aucun nombre; le champ vaut donc 0.</translation>
    </message>
    <message>
        <source>A Message Priority is one digit, 0 to 9; %1 reads as %2.</source>
        <translation>La priorité du message est un seul chiffre, de 0 à 9; %1 vaut %2.</translation>
    </message>
    <message>
        <source>A Start Time of 24 hours or more lies outside the day; the day plan leaves this timer out.</source>
        <translation>Une heure de début de 24 h ou plus est hors de la journée; le plan de la journée omet cette minuterie.</translation>
    </message>
    <message>
        <source>%1 after midnight</source>
        <translation>%1 après minuit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read as %2, not %3: type %4 for %3.</source>
        <translation>«&#xa0;%1&#xa0;» se lit %2, et non %3&#xa0;: tapez %4 pour %3.</translation>
    </message>
    <message>
        <source>Character %1 of the name is %2, which a Corvellan unit cannot take: Send Timers refuses to send until it is changed.</source>
        <translation>Le caractère %1 du nom, %2, est refusé par un appareil Corvellan&#xa0;: Envoyer les minuteries n&apos;enverra rien tant que le nom n&apos;aura pas été modifié.</translation>
    </message>
    <message>
        <source>Character %1 of the name is %2, which a Corvellan unit cannot show: Save and Send Timers refuse the name until it is changed.</source>
        <translation>Le caractère %1 du nom, %2, ne s&apos;affiche pas sur un appareil Corvellan&#xa0;: Enregistrer et Envoyer les minuteries refusent ce nom tant qu&apos;il n&apos;aura pas été modifié.</translation>
    </message>
    <message>
        <source>Message Priority of Timer %1 reads as %2</source>
        <translation>Priorité du message de la minuterie %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Start Time of Timer %1 reads as %2 (%n minutes)</source>
        <translation>
            <numerusform>Heure de début de la minuterie %1&#xa0;: %2 (%n minute)</numerusform>
            <numerusform>Heure de début de la minuterie %1&#xa0;: %2 (%n minutes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Repeat Interval of Timer %1 reads as 0 minutes: the timer reminds once</source>
        <translation>Intervalle de répétition de la minuterie %1&#xa0;: 0 minute, la minuterie ne se déclenche qu&apos;une fois</translation>
    </message>
    <message>
        <source>Snooze Time of Timer %1 reads as 0 minutes</source>
        <translation>Délai de report de la minuterie %1&#xa0;: 0 minute</translation>
    </message>
    <message numerus="yes">
        <source>Repeat Interval of Timer %1 reads as every %2 (%n minutes)</source>
        <translation>
            <numerusform>Intervalle de répétition de la minuterie %1&#xa0;: %2 (%n minute)</numerusform>
            <numerusform>Intervalle de répétition de la minuterie %1&#xa0;: %2 (%n minutes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Snooze Time of Timer %1 reads as every %2 (%n minutes)</source>
        <translation>
            <numerusform>Délai de report de la minuterie %1&#xa0;: %2 (%n minute)</numerusform>
            <numerusform>Délai de report de la minuterie %1&#xa0;: %2 (%n minutes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LineSetting</name>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a line setting CV Timer knows. [SerialComm] takes PortNo, Parity, StopBits and FlowControl: correct the name, or remove the line for 8 data bits, no parity, 1 stop bit and no flow control. Nothing is sent until then.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas un paramètre de ligne connu de CV Timer. [SerialComm] accepte PortNo, Parity, StopBits et FlowControl&#xa0;: corrigez le nom, ou supprimez la ligne pour 8 bits de données, sans parité, 1 bit d&apos;arrêt et sans contrôle de flux. Rien ne sera envoyé d&apos;ici là.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a parity CV Timer knows. Write Parity=%4, or remove the line for no parity. Nothing is sent until then.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas une parité connue de CV Timer. Inscrivez Parity=%4, ou supprimez la ligne pour n&apos;avoir aucune parité. Rien ne sera envoyé d&apos;ici là.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a number of stop bits CV Timer knows. Write StopBits=%4, or remove the line for 1 stop bit. Nothing is sent until then.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas un nombre de bits d&apos;arrêt connu de CV Timer. Inscrivez StopBits=%4, ou supprimez la ligne pour 1 bit d&apos;arrêt. Rien ne sera envoyé d&apos;ici là.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a flow control CV Timer knows. Write FlowControl=%4, or remove the line for no flow control. Nothing is sent until then.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas un contrôle de flux connu de CV Timer. Inscrivez FlowControl=%4, ou supprimez la ligne pour n&apos;avoir aucun contrôle de flux. Rien ne sera envoyé d&apos;ici là.</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>%1 baud</source>
        <translation>%1 bauds</translation>
    </message>
    <message>
        <source>8 data bits</source>
        <translation>8 bits de données</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sans parité</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>parité impaire</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>parité paire</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>parité marque</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>parité espace</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>sans contrôle de flux</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <translation>contrôle de flux RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>contrôle de flux XON/XOFF</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The desktop&apos;s notification service could not be reached (notify-send from libnotify-bin, or gdbus, and a desktop session are needed).</source>
        <translation>Le service de notifications du bureau est inaccessible (il faut notify-send, du paquet libnotify-bin, ou gdbus, ainsi qu&apos;une session de bureau).</translation>
    </message>
    <message>
        <source>The notice could not be shown: %1.</source>
        <translation>La notification n&apos;a pas pu être affichée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The notice could not be shown: there is no notification area (no desktop session).</source>
        <translation>La notification n&apos;a pas pu être affichée&#xa0;: il n&apos;y a aucune zone de notification (aucune session de bureau).</translation>
    </message>
    <message>
        <source>CV Timer: the unit is right again</source>
        <translation>CV Timer&#xa0;: l&apos;appareil est de nouveau à jour</translation>
    </message>
    <message>
        <source>%1 sent to the unit at %2 by the day-part plan.</source>
        <translation>Le plan des périodes a envoyé %1 à l&apos;appareil à %2.</translation>
    </message>
    <message>
        <source>CV Timer: the day-part plan cannot be used</source>
        <translation>CV Timer&#xa0;: le plan des périodes est inutilisable</translation>
    </message>
    <message>
        <source>CV Timer: %1 was not sent</source>
        <translation>CV Timer&#xa0;: échec de l&apos;envoi de %1</translation>
    </message>
    <message>
        <source>%1 The unit keeps what it holds; the plan tries again at its next run.</source>
        <translation>%1 L&apos;appareil garde ce qu&apos;il contient; le plan réessaiera à sa prochaine exécution.</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>USB device %1:%2</source>
        <translation>périphérique USB %1:%2</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>port série intégré</translation>
    </message>
    <message>
        <source>no serial device for port %1 (%2 found)</source>
        <translation>aucun périphérique série pour le port %1 (périphériques trouvés&#xa0;: %2)</translation>
    </message>
    <message>
        <source>no serial device for port %1</source>
        <translation>aucun périphérique série pour le port %1</translation>
    </message>
</context>
<context>
    <name>PortMenu</name>
    <message>
        <source>Port %1: no serial device</source>
        <translation>Port %1&#xa0;: aucun périphérique série</translation>
    </message>
    <message>
        <source>Port %1 would reach %2, which is not connected</source>
        <translation>Le port %1 mènerait à %2, qui n&apos;est pas branché</translation>
    </message>
    <message>
        <source>Port %1 reaches %2</source>
        <translation>Le port %1 mène à %2</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nom de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fichiers de type&#xa0;:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Regarder dans&#xa0;:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Afficher les fic&amp;hiers cachés</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà.
Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fichier introuvable.
Vérifiez que le nom du fichier est correct.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«&#xa0;%1&#xa0;» est protégé en écriture.
Voulez-vous quand même le supprimer?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Le nom «&#xa0;%1&#xa0;» ne peut pas être utilisé.&lt;/b&gt;&lt;p&gt;Essayez un autre nom, plus court ou sans ponctuation.</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Page size:</source>
        <translation>Format du papier&#xa0;:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Source du papier&#xa0;:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pages par feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordre des pages&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print To File ...</source>
        <translation>Imprimer dans un fichier...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 est un dossier.
Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Impossible d&apos;écrire dans le fichier %1.
Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer?</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies:</source>
        <translation>Copies&#xa0;:</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Pages&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Fichier de sortie&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>%1, first sent at %2</source>
        <translation>%1, envoyé une première fois à %2</translation>
    </message>
    <message>
        <source>The record holds no sends: what the unit held is not known.</source>
        <translation>Le registre ne contient aucun envoi&#xa0;: on ignore ce que contenait l&apos;appareil.</translation>
    </message>
    <message>
        <source>The record begins on this day, at %1: what the unit held before then is not known.</source>
        <translation>Le registre commence ce jour-là, à %1&#xa0;: on ignore ce que contenait l&apos;appareil auparavant.</translation>
    </message>
    <message>
        <source>Held when the day began</source>
        <translation>Ce que contenait l&apos;appareil au début de la journée</translation>
    </message>
    <message>
        <source>held when the day began</source>
        <translation>au début de la journée</translation>
    </message>
    <message>
        <source>partly not known</source>
        <translation>inconnu en partie</translation>
    </message>
    <message>
        <source>When the day began, the record knew none of the timers the unit held.</source>
        <translation>Au début de la journée, le registre ne connaissait aucune des minuteries que contenait l&apos;appareil.</translation>
    </message>
    <message>
        <source>When the day began, the record did not know what the unit held of %1.</source>
        <translation>Au début de la journée, le registre ignorait ce que contenait l&apos;appareil pour %1.</translation>
    </message>
    <message>
        <source>a part was missed</source>
        <translation>une période a été manquée</translation>
    </message>
    <message>
        <source>At %1 the day-part plan noted a part it missed: %2</source>
        <translation>À %1, le plan des périodes a noté une période manquée&#xa0;: %2</translation>
    </message>
    <message>
        <source>day-part plan: %1</source>
        <translation>plan des périodes&#xa0;: %1</translation>
    </message>
    <message>
        <source>missed: the plan did not run while it was due</source>
        <translation>manquée&#xa0;: le plan ne s&apos;est pas exécuté pendant qu&apos;elle était en cours</translation>
    </message>
    <message>
        <source>%1, due at %2, was missed: the day-part plan did not run while it was due, so the unit kept what it held. The plan noted it at %3.</source>
        <translation>%1, en cours depuis %2, a été manquée&#xa0;: le plan des périodes ne s&apos;est pas exécuté pendant qu&apos;elle était en cours; l&apos;appareil a donc gardé ce qu&apos;il contenait. Le plan l&apos;a noté le %3.</translation>
    </message>
    <message>
        <source>UTC offset changed from %1 to %2</source>
        <translation>le décalage UTC est passé de %1 à %2</translation>
    </message>
    <message>
        <source>Between %1 and %2 the PC&apos;s offset from UTC changed from %3 to %4: the clocks changed, or the PC&apos;s clock was set. Each time here is as the PC&apos;s clock showed it then.</source>
        <translation>Entre le %1 et le %2, le décalage de l&apos;ordinateur par rapport à UTC est passé de %3 à %4&#xa0;: l&apos;heure a changé, ou l&apos;horloge de l&apos;ordinateur a été réglée. Chaque heure de ce rapport est celle qu&apos;affichait l&apos;horloge de l&apos;ordinateur à ce moment-là.</translation>
    </message>
    <message>
        <source>At %1 the day-part plan was not run; the unit kept what it held. The record says: %2</source>
        <translation>À %1, le plan des périodes n&apos;a pas été appliqué; l&apos;appareil a gardé ce qu&apos;il contenait. Le registre indique&#xa0;: %2</translation>
    </message>
    <message>
        <source>At %1 the day-part plan did not switch to %2, due at %3; the unit kept what it held. The record says: %4</source>
        <translation>À %1, le plan des périodes n&apos;est pas passé à %2, en cours depuis %3; l&apos;appareil a gardé ce qu&apos;il contenait. Le registre indique&#xa0;: %4</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) reached none of the timers; the unit kept what it held. The record says: %4</source>
        <translation>À %1, un envoi (%2, %3) n&apos;a atteint aucune minuterie; l&apos;appareil a gardé ce qu&apos;il contenait. Le registre indique&#xa0;: %4</translation>
    </message>
    <message>
        <source>The record holds no sends.</source>
        <translation>Le registre ne contient aucun envoi.</translation>
    </message>
    <message>
        <source>The record goes back to %1. It keeps only its newest entries, dropping the oldest once it passes 1 MiB: anything before then is not in it.</source>
        <translation>Le registre remonte au %1. Il ne conserve que ses entrées les plus récentes et supprime les plus anciennes dès qu&apos;il dépasse 1 Mio&#xa0;: rien d&apos;antérieur n&apos;y figure.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries of the record, cut short or damaged, were left out.</source>
        <translation>
            <numerusform>%n entrée du registre, tronquée ou endommagée, a été omise.</numerusform>
            <numerusform>%n entrées du registre, tronquées ou endommagées, ont été omises.</numerusform>
        </translation>
    </message>
    <message>
        <source>The days to report must be given as YYYY-MM-DD, the first not after the last.</source>
        <translation>Les jours du rapport doivent être indiqués sous la forme YYYY-MM-DD, le premier ne venant pas après le dernier.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Décalage UTC</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>by hand, %1</source>
        <translation>à la main, %1</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2, on time</source>
        <translation>plan des périodes&#xa0;: %1, en cours depuis %2, à l&apos;heure</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>port %1 (%2)</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>The record does not go back to this day: its oldest entry is from %1. What the unit held is not known.</source>
        <translation>Le registre ne remonte pas jusqu&apos;à ce jour&#xa0;: son entrée la plus ancienne date du %1. On ignore ce que contenait l&apos;appareil.</translation>
    </message>
    <message>
        <source>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</source>
        <translation>À %1, le passage du plan des périodes à %2, en cours depuis %3, s&apos;est arrêté en cours de route. Dès lors, on ignore ce que contient l&apos;appareil pour %4; les minuteries que l&apos;envoi n&apos;a pas atteintes ont gardé ce qu&apos;elles contenaient. Le registre indique&#xa0;: %5</translation>
    </message>
    <message>
        <source>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway; the timers the send did not get to kept what they held. The record says: %4</source>
        <translation>À %1, le passage du plan des périodes à %2, en cours depuis %3, s&apos;est arrêté en cours de route; les minuteries que l&apos;envoi n&apos;a pas atteintes ont gardé ce qu&apos;elles contenaient. Le registre indique&#xa0;: %4</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</source>
        <translation>À %1, un envoi (%2, %3) s&apos;est arrêté en cours de route. Dès lors, on ignore ce que contient l&apos;appareil pour %4; les minuteries que l&apos;envoi n&apos;a pas atteintes ont gardé ce qu&apos;elles contenaient. Le registre indique&#xa0;: %5</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) stopped partway; the timers it did not get to kept what they held. The record says: %4</source>
        <translation>À %1, un envoi (%2, %3) s&apos;est arrêté en cours de route; les minuteries qu&apos;il n&apos;a pas atteintes ont gardé ce qu&apos;elles contenaient. Le registre indique&#xa0;: %4</translation>
    </message>
</context>
<context>
    <name>SendFailure</name>
    <message>
        <source>byte %1</source>
        <translation>l&apos;octet %1</translation>
    </message>
    <message>
        <source>the unit acknowledged its settings message.</source>
        <translation>l&apos;appareil a accusé réception du message de réglages.</translation>
    </message>
    <message>
        <source>the unit acknowledged its name message.</source>
        <translation>l&apos;appareil a accusé réception du message du nom.</translation>
    </message>
    <message>
        <source>the unit did not answer its settings message within a second.</source>
        <translation>l&apos;appareil n&apos;a pas répondu au message de réglages dans un délai d&apos;une seconde.</translation>
    </message>
    <message>
        <source>the unit did not answer its name message within a second.</source>
        <translation>l&apos;appareil n&apos;a pas répondu au message du nom dans un délai d&apos;une seconde.</translation>
    </message>
    <message>
        <source>the unit answered its settings message with %1 instead of &quot;g&quot;.</source>
        <translation>l&apos;appareil a répondu au message de réglages par %1 au lieu de «&#xa0;g&#xa0;».</translation>
    </message>
    <message>
        <source>the unit answered its name message with %1 instead of &quot;g&quot;.</source>
        <translation>l&apos;appareil a répondu au message du nom par %1 au lieu de «&#xa0;g&#xa0;».</translation>
    </message>
    <message>
        <source>its settings message could not be written.</source>
        <translation>le message de réglages n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>its name message could not be written.</source>
        <translation>le message du nom n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>sending was cancelled.</source>
        <translation>l&apos;envoi a été annulé.</translation>
    </message>
    <message>
        <source>Timer %1 was sent.</source>
        <translation>La minuterie %1 a été envoyée.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent: %2</source>
        <translation>La minuterie %1 n&apos;a pas été envoyée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SendOutcome</name>
    <message>
        <source>Timers Sent to Corvellan</source>
        <translation>Minuteries envoyées à l&apos;appareil Corvellan</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan. %1</source>
        <translation>Impossible d&apos;envoyer les minuteries à l&apos;appareil Corvellan. %1</translation>
    </message>
    <message>
        <source>Timer %1&apos;s settings</source>
        <translation>les réglages de la minuterie %1</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name</source>
        <translation>le nom de la minuterie %1</translation>
    </message>
    <message>
        <source>Timer %1&apos;s settings and name</source>
        <translation>les réglages et le nom de la minuterie %1</translation>
    </message>
    <message>
        <source>The unit took none of the timers; whether it took %1 is not known.</source>
        <translation>L&apos;appareil n&apos;a accepté aucune des minuteries; on ignore s&apos;il a accepté %1.</translation>
    </message>
    <message>
        <source>The unit took %1; whether it took %2 is not known.</source>
        <translation>L&apos;appareil a accepté les éléments suivants&#xa0;: %1; on ignore s&apos;il a accepté %2.</translation>
    </message>
    <message>
        <source>The unit took none of the timers.</source>
        <translation>L&apos;appareil n&apos;a accepté aucune des minuteries.</translation>
    </message>
    <message>
        <source>The unit took %1.</source>
        <translation>L&apos;appareil a accepté les éléments suivants&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent.</source>
        <translation>La minuterie %1 n&apos;a pas été envoyée.</translation>
    </message>
    <message>
        <source>Timers %1 to %2 were not sent.</source>
        <translation>Les minuteries %1 à %2 n&apos;ont pas été envoyées.</translation>
    </message>
</context>
<context>
    <name>SendRecord</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 Kio</translation>
    </message>
    <message>
        <source>The record of sends, %1, has grown past %2 and its oldest entries could not be dropped: %3. It is left whole.</source>
        <translation>Le registre des envois, %1, a dépassé %2 et ses entrées les plus anciennes n&apos;ont pas pu être retirées&#xa0;: %3. Il est conservé en entier.</translation>
    </message>
    <message>
        <source>This send could not be added to the record of sends, %1: another CV Timer window or cvtimerctl kept it locked for as long as this send could wait, and may have stopped responding.</source>
        <translation>Cet envoi n&apos;a pas pu être ajouté au registre des envois, %1&#xa0;: une autre fenêtre de CV Timer ou cvtimerctl l&apos;a gardé verrouillé aussi longtemps que cet envoi pouvait attendre, et a peut-être cessé de répondre.</translation>
    </message>
    <message>
        <source>This send could not be added to the record of sends, %1: %2.</source>
        <translation>Cet envoi n&apos;a pas pu être ajouté au registre des envois, %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The record of sends, %1, cannot be read: %2.</source>
        <translation>Le registre des envois, %1, ne peut pas être lu&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SentToUnit</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>not known: no send recorded here</source>
        <translation>inconnu&#xa0;: aucun envoi enregistré ici</translation>
    </message>
    <message>
        <source>not known: sent %1 without acknowledgement</source>
        <translation>inconnu&#xa0;: envoyé le %1 sans accusé de réception</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>typed on the sheet</source>
        <translation>saisi sur la feuille</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (modifié)</translation>
    </message>
    <message>
        <source>settings %1; name %2</source>
        <translation>réglages&#xa0;: %1; nom&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: its name went without acknowledgement</source>
        <translation>%1&#xa0;: nom envoyé sans accusé de réception</translation>
    </message>
    <message>
        <source>%1: its settings went without acknowledgement</source>
        <translation>%1&#xa0;: réglages envoyés sans accusé de réception</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>à la main</translation>
    </message>
    <message>
        <source>day-part plan, not run</source>
        <translation>plan des périodes, non appliqué</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2</source>
        <translation>plan des périodes&#xa0;: %1, en cours depuis %2</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2, %3 late</source>
        <translation>plan des périodes&#xa0;: %1, en cours depuis %2, en retard de %3</translation>
    </message>
    <message>
        <source>%1; missed before it: %2</source>
        <translation>%1; manquée avant&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SerialAdvice</name>
    <message>
        <source>Connect the unit or choose another port from the Comm Port menu.</source>
        <translation>Branchez l&apos;appareil ou choisissez un autre port dans le menu Port COM.</translation>
    </message>
    <message>
        <source>Connect the unit or name another device.</source>
        <translation>Branchez l&apos;appareil ou indiquez un autre périphérique.</translation>
    </message>
    <message>
        <source>Add your user to the &apos;dialout&apos; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Ajoutez votre utilisateur au groupe «&#xa0;dialout&#xa0;» (sudo usermod -aG dialout $USER), puis fermez la session et ouvrez-la de nouveau.</translation>
    </message>
    <message>
        <source>Close it and try again.</source>
        <translation>Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and choose that port from the Comm Port menu.</source>
        <translation>Branchez l&apos;appareil, cherchez le numéro de son port COM dans le Gestionnaire de périphériques (sous «&#xa0;Ports (COM et LPT)&#xa0;», ou «&#xa0;Ports (COM &amp; LPT)&#xa0;» si Windows est en anglais) et choisissez ce port dans le menu Port COM.</translation>
    </message>
    <message>
        <source>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and name that port.</source>
        <translation>Branchez l&apos;appareil, cherchez le numéro de son port COM dans le Gestionnaire de périphériques (sous «&#xa0;Ports (COM et LPT)&#xa0;», ou «&#xa0;Ports (COM &amp; LPT)&#xa0;» si Windows est en anglais) et indiquez ce port.</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer to let you use the port.</source>
        <translation>Demandez à l&apos;administrateur de cet ordinateur de vous permettre d&apos;utiliser le port.</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer to let you use %1.</source>
        <translation>Demandez à l&apos;administrateur de cet ordinateur de vous permettre d&apos;utiliser %1.</translation>
    </message>
    <message>
        <source>Close the other program using the port and try again.</source>
        <translation>Fermez l&apos;autre programme qui utilise le port et réessayez.</translation>
    </message>
    <message>
        <source>Close the other program using %1 and try again.</source>
        <translation>Fermez l&apos;autre programme qui utilise %1 et réessayez.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>No error.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <source>No serial device is connected for port %1.</source>
        <translation>Aucun périphérique série n&apos;est branché pour le port %1.</translation>
    </message>
    <message>
        <source>No serial device is connected.</source>
        <translation>Aucun périphérique série n&apos;est branché.</translation>
    </message>
    <message>
        <source>There is no serial device %1.</source>
        <translation>Le périphérique série %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Permission denied opening %1.</source>
        <translation>Accès refusé à l&apos;ouverture du périphérique %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>Le périphérique %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The serial device is in use by another program.</source>
        <translation>Le périphérique série est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose another port.</source>
        <translation>%1 n&apos;est pas un périphérique série. Choisissez un autre port.</translation>
    </message>
    <message>
        <source>%1 was disconnected. Reconnect it and try again.</source>
        <translation>Le périphérique %1 a été débranché. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>The serial device was disconnected. Reconnect it and try again.</source>
        <translation>Le périphérique série a été débranché. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>%1 did not respond in time. Check that the unit is connected and switched on, then try again.</source>
        <translation>Le périphérique %1 n&apos;a pas répondu à temps. Vérifiez que l&apos;appareil est branché et allumé, puis réessayez.</translation>
    </message>
    <message>
        <source>The serial device did not respond in time. Check that the unit is connected and switched on, then try again.</source>
        <translation>Le périphérique série n&apos;a pas répondu à temps. Vérifiez que l&apos;appareil est branché et allumé, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings (%2).</source>
        <translation>Le périphérique %1 n&apos;accepte pas les paramètres de ligne (%2).</translation>
    </message>
    <message>
        <source>The serial device does not accept the line settings (%1).</source>
        <translation>Le périphérique série n&apos;accepte pas les paramètres de ligne (%1).</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings.</source>
        <translation>Le périphérique %1 n&apos;accepte pas les paramètres de ligne.</translation>
    </message>
    <message>
        <source>The serial device does not accept the line settings.</source>
        <translation>Le périphérique série n&apos;accepte pas les paramètres de ligne.</translation>
    </message>
    <message>
        <source>Cannot use %1 (%2).</source>
        <translation>Impossible d&apos;utiliser le périphérique %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot use the serial device (%1).</source>
        <translation>Impossible d&apos;utiliser le périphérique série (%1).</translation>
    </message>
    <message>
        <source>Cannot use %1.</source>
        <translation>Impossible d&apos;utiliser le périphérique %1.</translation>
    </message>
    <message>
        <source>Cannot use the serial device.</source>
        <translation>Impossible d&apos;utiliser le périphérique série.</translation>
    </message>
    <message>
        <source>Permission denied opening the serial device.</source>
        <translation>Accès refusé à l&apos;ouverture du périphérique série.</translation>
    </message>
    <message>
        <source>The device is not a serial device. Choose another port.</source>
        <translation>Ce périphérique n&apos;est pas un périphérique série. Choisissez un autre port.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>unsupported baud rate %1</source>
        <translation>débit de %1 bauds non pris en charge</translation>
    </message>
    <message>
        <source>invalid descriptor</source>
        <translation>descripteur non valide</translation>
    </message>
    <message>
        <source>not a terminal</source>
        <translation>ce n&apos;est pas un terminal</translation>
    </message>
    <message>
        <source>it did not take %1</source>
        <translation>réglages non appliqués&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>ce n&apos;est pas un port série</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is larger than %2 MiB, far too large for a settings file. It is left as it is, and port 1 is used.</source>
        <translation>%1 dépasse %2 Mio, ce qui est beaucoup trop pour un fichier de paramètres. Il est laissé tel quel, et le port 1 est utilisé.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is, and port 1 is used.</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2. Il est laissé tel quel, et le port 1 est utilisé.</translation>
    </message>
</context>
<context>
    <name>SystemText</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
</context>
<context>
    <name>TimerField</name>
    <message>
        <source>Timer Name</source>
        <translation>Nom de la minuterie</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Repeat Interval</source>
        <translation>Intervalle de répétition</translation>
    </message>
    <message>
        <source>Snooze Time</source>
        <translation>Délai de report</translation>
    </message>
    <message>
        <source>Message Priority</source>
        <translation>Priorité du message</translation>
    </message>
</context>
<context>
    <name>TimerFile</name>
    <message>
        <source>its name holds a line break</source>
        <translation>son nom contient un saut de ligne</translation>
    </message>
    <message>
        <source>its name holds a control character (%1)</source>
        <translation>son nom contient un caractère de contrôle (%1)</translation>
    </message>
    <message>
        <source>its name is %1 characters long, and a line of a timer file holds at most %2 with this timer&apos;s numbers</source>
        <translation>son nom compte %1 caractères, et une ligne de fichier de minuteries en contient au plus %2 avec les nombres de cette minuterie</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>The timer file</source>
        <translation>Le fichier de minuteries</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2</source>
        <translation>«&#xa0;%1&#xa0;», ligne %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Cannot Create File</source>
        <translation>Impossible de créer le fichier</translation>
    </message>
    <message>
        <source>Could Not Save Timers</source>
        <translation>Impossible d&apos;enregistrer les minuteries</translation>
    </message>
    <message>
        <source>Cannot Load Timer File</source>
        <translation>Impossible d&apos;ouvrir le fichier de minuteries</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>%1 ne peut pas être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The timers could not be written to %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>Les minuteries n&apos;ont pas pu être écrites dans %1&#xa0;: %2. Tout fichier antérieur du même nom reste inchangé.</translation>
    </message>
    <message>
        <source>Timer %1 cannot be saved: %2. Change the name and save again. Nothing was written.</source>
        <translation>La minuterie %1 ne peut pas être enregistrée&#xa0;: %2. Modifiez le nom et enregistrez de nouveau. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: the file ends here, but a timer file has ten lines, one for each timer. Nothing was loaded.</source>
        <translation>%1&#xa0;: le fichier se termine ici, alors qu&apos;un fichier de minuteries compte dix lignes, une par minuterie. Rien n&apos;a été ouvert.</translation>
    </message>
    <message>
        <source>%1: the line is longer than 127 characters. Nothing was loaded.</source>
        <translation>%1&#xa0;: la ligne dépasse 127 caractères. Rien n&apos;a été ouvert.</translation>
    </message>
    <message>
        <source>%1: the line must end in four numbers separated by commas (start, repeat, snooze, priority). Nothing was loaded.</source>
        <translation>%1&#xa0;: la ligne doit se terminer par quatre nombres séparés par des virgules (début, répétition, report, priorité). Rien n&apos;a été ouvert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in UTF-8, as today&apos;s editors such as Notepad save text, so CV Timer converted its names from UTF-8. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>«&#xa0;%1&#xa0;» est en UTF-8, comme l&apos;enregistrent les éditeurs de texte actuels tels que le Bloc-notes; CV Timer a donc converti ses noms depuis l&apos;UTF-8. L&apos;enregistrement écrit le fichier en Latin-1, les caractères qu&apos;affiche un appareil Corvellan, comme CV Timer l&apos;a toujours fait.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in Windows-1252, as older Windows editors save text, so CV Timer converted its names from Windows-1252. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>«&#xa0;%1&#xa0;» est en Windows-1252, comme l&apos;enregistrent les anciens éditeurs de texte de Windows; CV Timer a donc converti ses noms depuis le Windows-1252. L&apos;enregistrement écrit le fichier en Latin-1, les caractères qu&apos;affiche un appareil Corvellan, comme CV Timer l&apos;a toujours fait.</translation>
    </message>
    <message>
        <source>Typographic quotation marks, dashes and ellipses in the names became the plain &apos; &quot; - and ..., which the unit shows.</source>
        <translation>Les guillemets, tirets et points de suspension typographiques des noms sont devenus les simples &apos; &quot; - et ..., que l&apos;appareil affiche.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2, which a Corvellan unit cannot show.</source>
        <translation>Le nom de la minuterie %1 contient %2, qu&apos;un appareil Corvellan ne peut pas afficher.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in UTF-16 (&quot;Unicode&quot;), as Notepad can save text, so CV Timer converted its names from UTF-16. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>«&#xa0;%1&#xa0;» est en UTF-16 («&#xa0;Unicode&#xa0;»), comme peut l&apos;enregistrer le Bloc-notes; CV Timer a donc converti ses noms depuis l&apos;UTF-16. L&apos;enregistrement écrit le fichier en Latin-1, les caractères qu&apos;affiche un appareil Corvellan, comme CV Timer l&apos;a toujours fait.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>Timer %1</source>
        <extracomment>Inside a sentence: &quot;The unit took Timer 3 and Timer 4&apos;s settings.&quot;</extracomment>
        <translation>la minuterie %1</translation>
    </message>
    <message>
        <source>Timers %1 and %2</source>
        <translation>les minuteries %1 et %2</translation>
    </message>
    <message>
        <source>Timers %1 to %2</source>
        <translation>les minuteries %1 à %2</translation>
    </message>
</context>
<context>
    <name>UnitNames</name>
    <message>
        <source>a control character (%1)</source>
        <translation>un caractère de contrôle (%1)</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take: braces mark where a message begins and ends. Change the name and send again. Nothing was sent.</source>
        <translation>Le nom de la minuterie %1 contient %2 en position %3; un appareil Corvellan ne peut pas accepter ce caractère&#xa0;: les accolades marquent le début et la fin d&apos;un message. Modifiez le nom et envoyez de nouveau. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take. Change the name and send again. Nothing was sent.</source>
        <translation>Le nom de la minuterie %1 contient %2 en position %3; un appareil Corvellan ne peut pas accepter ce caractère. Modifiez le nom et envoyez de nouveau. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show. Change the name and send again. Nothing was sent.</source>
        <translation>Le nom de la minuterie %1 contient %2 en position %3; un appareil Corvellan ne peut pas afficher ce caractère. Modifiez le nom et envoyez de nouveau. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show and a timer file cannot hold. Change the name and save again. Nothing was written.</source>
        <translation>Le nom de la minuterie %1 contient %2 en position %3; un appareil Corvellan ne peut pas afficher ce caractère, et un fichier de minuteries ne peut pas le contenir. Modifiez le nom et enregistrez de nouveau. Rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>the folder CV Timer was started in</source>
        <translation>le dossier où CV Timer a été lancé</translation>
    </message>
    <message>
        <source>your Documents folder</source>
        <translation>votre dossier Documents</translation>
    </message>
    <message>
        <source>your Documents folder, as %1, where CV Timer was started, takes no new files</source>
        <translation>votre dossier Documents, car %1, où CV Timer a été lancé, n&apos;accepte pas de nouveaux fichiers</translation>
    </message>
    <message>
        <source>the folder CV Timer was started in, as your Documents folder could not be found or made</source>
        <translation>le dossier où CV Timer a été lancé, car votre dossier Documents est introuvable et n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>cv::AboutDialog</name>
    <message>
        <source>About CV Timer</source>
        <translation>À propos de CV Timer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>CV Timer</source>
        <translation>CV Timer</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 CV Timer developers</source>
        <translation>Copyright © 2026 les développeurs de CV Timer</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>Logiciel libre sous licence GNU GPL, version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>Settings and timer files are kept in</source>
        <translation>Les paramètres et les fichiers de minuteries sont conservés dans</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>why the program works in the folder above</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>The licences of the other software that CV Timer contains are in %1.</source>
        <translation>Les licences des autres logiciels que contient CV Timer se trouvent dans %1.</translation>
    </message>
</context>
<context>
    <name>cv::DayPartLine</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Send &amp;Now</source>
        <translation>Envoyer &amp;maintenant</translation>
    </message>
</context>
<context>
    <name>cv::DayPartWatch</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Day parts: the plan cannot be used. %1</source>
        <translation>Périodes de la journée&#xa0;: le plan est inutilisable. %1</translation>
    </message>
    <message>
        <source>Day parts: no part is due yet; the first, %1, starts at %2.</source>
        <translation>Périodes de la journée&#xa0;: aucune période n&apos;est encore en cours; la première, %1, commence à %2.</translation>
    </message>
    <message>
        <source>Day parts: no part is due, and none starts again.</source>
        <translation>Périodes de la journée&#xa0;: aucune période n&apos;est en cours, et aucune ne recommencera.</translation>
    </message>
    <message>
        <source>Day parts: the unit holds %1, due since %2. Next change: %3 at %4.</source>
        <translation>Périodes de la journée&#xa0;: l&apos;appareil contient %1, en cours depuis %2. Prochain changement&#xa0;: %3 à %4.</translation>
    </message>
    <message>
        <source>Day parts: the unit holds %1, due since %2.</source>
        <translation>Périodes de la journée&#xa0;: l&apos;appareil contient %1, en cours depuis %2.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but a send by hand at %3 holds until the next change.</source>
        <translation>Périodes de la journée&#xa0;: %1 est en cours depuis %2, mais un envoi manuel fait le %3 reste en vigueur jusqu&apos;au prochain changement.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but the unit does not hold its timers.</source>
        <translation>Périodes de la journée&#xa0;: %1 est en cours depuis %2, mais l&apos;appareil ne contient pas ses minuteries.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but its timers cannot be sent. %3</source>
        <translation>Périodes de la journée&#xa0;: %1 est en cours depuis %2, mais ses minuteries ne peuvent pas être envoyées. %3</translation>
    </message>
    <message>
        <source>%1 sent to the unit at %2 by the day-part plan</source>
        <translation>Le plan des périodes a envoyé %1 à l&apos;appareil à %2</translation>
    </message>
    <message>
        <source>Sending the due part&apos;s timers to the unit...</source>
        <translation>Envoi à l&apos;appareil des minuteries de la période en cours...</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Périodes de la journée</translation>
    </message>
    <message>
        <source>The timers of %1 were not sent</source>
        <translation>Les minuteries de %1 n&apos;ont pas été envoyées</translation>
    </message>
</context>
<context>
    <name>cv::DayPartsWindow</name>
    <message>
        <source>Day Parts</source>
        <translation>Périodes de la journée</translation>
    </message>
    <message>
        <source>&amp;Parts of the day:</source>
        <translation>&amp;Périodes de la journée&#xa0;:</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Days or dates</source>
        <translation>Jours ou dates</translation>
    </message>
    <message>
        <source>Timer file</source>
        <translation>Fichier de minuteries</translation>
    </message>
    <message>
        <source>On the unit now</source>
        <translation>Dans l&apos;appareil maintenant</translation>
    </message>
    <message>
        <source>Parts of the day</source>
        <translation>Périodes de la journée</translation>
    </message>
    <message>
        <source>&amp;Add Part</source>
        <translation>&amp;Ajouter une période</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>&amp;Retirer la période</translation>
    </message>
    <message>
        <source>Choose Timer &amp;File...</source>
        <translation>Choisir le &amp;fichier de minuteries...</translation>
    </message>
    <message>
        <source>2026-12-25, 2027-01-01</source>
        <translation>2026-12-25, 2027-01-01</translation>
    </message>
    <message>
        <source>&amp;Closed on (no part starts):</source>
        <translation>&amp;Dates de fermeture (aucune période ne commence)&#xa0;:</translation>
    </message>
    <message>
        <source>the port chosen in CV Timer</source>
        <translation>le port choisi dans CV Timer</translation>
    </message>
    <message>
        <source>The unit&apos;s Comm P&amp;ort:</source>
        <translation>P&amp;ort COM de l&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <source>The &amp;week as the saved plan makes it:</source>
        <translation>La &amp;semaine selon le plan enregistré&#xa0;:</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>La semaine</translation>
    </message>
    <message>
        <source>&amp;Save Plan</source>
        <translation>&amp;Enregistrer le plan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The plan: %1</source>
        <translation>Le plan&#xa0;: %1</translation>
    </message>
    <message>
        <source>The plan on disk cannot be used as it is: %1 Saving here replaces it.</source>
        <translation>Le plan sur le disque est inutilisable tel quel&#xa0;: %1 Si vous enregistrez ici, il sera remplacé.</translation>
    </message>
    <message>
        <source>There is no plan yet: add a part for each part of the day, then save.</source>
        <translation>Il n&apos;y a pas encore de plan&#xa0;: ajoutez une période pour chaque moment de la journée, puis enregistrez.</translation>
    </message>
    <message>
        <source>its timer file cannot be read</source>
        <translation>son fichier de minuteries ne peut pas être lu</translation>
    </message>
    <message>
        <source>on the unit</source>
        <translation>dans l&apos;appareil</translation>
    </message>
    <message>
        <source>not on the unit</source>
        <translation>absent de l&apos;appareil</translation>
    </message>
    <message>
        <source>%1: closed, no part starts</source>
        <translation>%1&#xa0;: fermé, aucune période ne commence</translation>
    </message>
    <message>
        <source>%1: only its dated parts start</source>
        <translation>%1&#xa0;: seules ses périodes datées commencent</translation>
    </message>
    <message>
        <source>%1 (the clocks change from %2 to %3)</source>
        <translation>%1 (changement d&apos;heure de %2 à %3)</translation>
    </message>
    <message>
        <source>    %1  %2</source>
        <translation>    %1  %2</translation>
    </message>
    <message>
        <source>New part</source>
        <translation>Nouvelle période</translation>
    </message>
    <message>
        <source>Choose a part in the table first, then its timer file.</source>
        <translation>Choisissez d&apos;abord une période dans le tableau, puis son fichier de minuteries.</translation>
    </message>
    <message>
        <source>Timer File for %1</source>
        <translation>Fichier de minuteries pour %1</translation>
    </message>
    <message>
        <source>CV Timer (*.csv)</source>
        <translation>CV Timer (*.csv)</translation>
    </message>
    <message>
        <source>The plan was not saved</source>
        <translation>Le plan n&apos;a pas été enregistré</translation>
    </message>
    <message>
        <source>Save changes to the day-part plan?</source>
        <translation>Enregistrer les modifications du plan des périodes?</translation>
    </message>
    <message>
        <source>Your changes to the plan are lost if you don&apos;t save them.</source>
        <translation>Vos modifications du plan seront perdues si vous ne les enregistrez pas.</translation>
    </message>
</context>
<context>
    <name>cv::DayPlanPicture</name>
    <message>
        <source>starts %1 after midnight: outside the day</source>
        <translation>commence %1 après minuit&#xa0;: hors de la journée</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 at %2, with %3</source>
        <comment>%3 lists the other timers</comment>
        <translation>%1 à %2, avec %3</translation>
    </message>
</context>
<context>
    <name>cv::DayPlanWindow</name>
    <message>
        <source>Day plan picture</source>
        <translation>Image du plan de la journée</translation>
    </message>
    <message>
        <source>Clashes</source>
        <translation>Chevauchements</translation>
    </message>
    <message>
        <source>&amp;Reminders by time (several timers at once in bold):</source>
        <translation>&amp;Rappels par heure (plusieurs minuteries à la fois en gras)&#xa0;:</translation>
    </message>
    <message>
        <source>Reminders by time</source>
        <translation>Rappels par heure</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders; no two timers remind at the same minute.</source>
        <translation>
            <numerusform>%n rappel; jamais deux minuteries ne se déclenchent à la même minute.</numerusform>
            <numerusform>%n rappels; jamais deux minuteries ne se déclenchent à la même minute.</numerusform>
        </translation>
    </message>
    <message>
        <source>Day Plan</source>
        <translation>Plan de la journée</translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation>Hors de la journée&#xa0;: %1 commence %2 après minuit</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders.</source>
        <translation>
            <numerusform>%n rappel.</numerusform>
            <numerusform>%n rappels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Red, taller ticks mark the minutes at which two or more timers remind together (%n):</source>
        <translation>
            <numerusform>Le trait rouge, plus haut, marque la minute où deux minuteries ou plus se déclenchent ensemble (%n)&#xa0;:</numerusform>
            <numerusform>Les traits rouges, plus hauts, marquent les minutes où deux minuteries ou plus se déclenchent ensemble (%n)&#xa0;:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::PrintRecordDialog</name>
    <message>
        <source>Print Record</source>
        <translation>Imprimer le registre</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exporter en PDF...</translation>
    </message>
    <message>
        <source>Show as Te&amp;xt</source>
        <translation>Afficher en te&amp;xte</translation>
    </message>
    <message>
        <source>What the unit on Port %1 held, day by day, as the record of sends tells it, for the days:</source>
        <translation>Ce que contenait l&apos;appareil du port %1, jour par jour, selon le registre des envois, pour les jours&#xa0;:</translation>
    </message>
</context>
<context>
    <name>cv::RecordReportPages</name>
    <message>
        <source>What the Unit Held, Day by Day</source>
        <translation>Ce que contenait l&apos;appareil, jour par jour</translation>
    </message>
    <message>
        <source>The unit on %1, as the record of sends tells it.</source>
        <translation>L&apos;appareil du %1, selon le registre des envois.</translation>
    </message>
    <message>
        <source>The record holds nothing for this day.</source>
        <translation>Le registre ne contient rien pour ce jour.</translation>
    </message>
    <message>
        <source>Gaps in what is known</source>
        <translation>Lacunes dans ce qui est connu</translation>
    </message>
    <message>
        <source>Timer files sent</source>
        <translation>Fichiers de minuteries envoyés</translation>
    </message>
    <message>
        <source>Record of sends in %1</source>
        <translation>Registre des envois dans %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>Unit on %1. Printed %2. Page %3 of %4.</source>
        <translation>Appareil du %1. Imprimé le %2. Page %3 sur %4.</translation>
    </message>
    <message>
        <source>Unit on %1. Printed %2.</source>
        <translation>Appareil du %1. Imprimé le %2.</translation>
    </message>
</context>
<context>
    <name>cv::RecordTextWindow</name>
    <message>
        <source>Record, Day by Day</source>
        <translation>Registre, jour par jour</translation>
    </message>
    <message>
        <source>What the unit held, day by day</source>
        <translation>Ce que contenait l&apos;appareil, jour par jour</translation>
    </message>
</context>
<context>
    <name>cv::SendProgressDialog</name>
    <message>
        <source>Sending Timers</source>
        <translation>Envoi des minuteries</translation>
    </message>
    <message>
        <source>Cancel Sending</source>
        <translation>Annuler l&apos;envoi</translation>
    </message>
</context>
<context>
    <name>cv::SentToUnitWindow</name>
    <message>
        <source>What the unit holds</source>
        <translation>Ce que contient l&apos;appareil</translation>
    </message>
    <message>
        <source>≠ on a red ground: the sheet differs from what the unit holds; the line under the table gives the sheet&apos;s value for the cell in focus. &quot;not known&quot;: the message went out but the unit did not acknowledge it, so it may or may not have taken it, or no send recorded here reached it.</source>
        <translation>≠ sur fond rouge&#xa0;: la feuille diffère de ce que contient l&apos;appareil; la ligne sous le tableau donne la valeur de la feuille pour la cellule active. «&#xa0;inconnu&#xa0;»&#xa0;: le message est parti, mais l&apos;appareil n&apos;en a pas accusé réception, si bien qu&apos;il l&apos;a peut-être accepté, peut-être pas; ou aucun envoi enregistré ici ne l&apos;a atteint.</translation>
    </message>
    <message>
        <source>Recent sends</source>
        <translation>Envois récents</translation>
    </message>
    <message>
        <source>Differs from the sheet, which has %1.</source>
        <translation>Diffère de la feuille, qui indique %1.</translation>
    </message>
    <message>
        <source>The sheet has: %1</source>
        <translation>La feuille indique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <translation>Minuterie %1, %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: the unit holds %2; the sheet has %3.</source>
        <translation>%1&#xa0;: l&apos;appareil contient %2; la feuille indique %3.</translation>
    </message>
    <message>
        <source>%1: what the unit holds is not known.</source>
        <translation>%1&#xa0;: on ignore ce que contient l&apos;appareil.</translation>
    </message>
    <message>
        <source>%1: the unit holds %2, as the sheet does.</source>
        <translation>%1&#xa0;: l&apos;appareil contient %2, comme la feuille.</translation>
    </message>
    <message>
        <source>Sent to Unit</source>
        <translation>Envoyé à l&apos;appareil</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Minuterie %1</translation>
    </message>
    <message>
        <source>Recent sends to this unit, newest first:</source>
        <translation>Envois récents à cet appareil, du plus récent au plus ancien&#xa0;:</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 holds, as far as %n recorded sends to it tell:</source>
        <translation>
            <numerusform>Ce que contient l&apos;appareil du port %1, d&apos;après %n envoi enregistré vers lui&#xa0;:</numerusform>
            <numerusform>Ce que contient l&apos;appareil du port %1, d&apos;après les %n envois enregistrés vers lui&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 (%2) holds, as far as %n recorded sends to it tell:</source>
        <translation>
            <numerusform>Ce que contient l&apos;appareil du port %1 (%2), d&apos;après %n envoi enregistré vers lui&#xa0;:</numerusform>
            <numerusform>Ce que contient l&apos;appareil du port %1 (%2), d&apos;après les %n envois enregistrés vers lui&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>The record knows only the sends made from this folder: %1</source>
        <translation>Le registre ne connaît que les envois faits depuis ce dossier&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of its entries, cut short or damaged, were left out.</source>
        <translation>
            <numerusform>%n de ses entrées, tronquée ou endommagée, a été omise.</numerusform>
            <numerusform>%n de ses entrées, tronquées ou endommagées, ont été omises.</numerusform>
        </translation>
    </message>
    <message>
        <source>How</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>cv::TimerApp</name>
    <message>
        <source>Save Timers</source>
        <translation>Enregistrer les minuteries</translation>
    </message>
    <message>
        <source>CV Timer (*.csv)</source>
        <translation>CV Timer (*.csv)</translation>
    </message>
    <message>
        <source>Load Timers</source>
        <translation>Ouvrir des minuteries</translation>
    </message>
    <message>
        <source>Could Not Save Timers</source>
        <translation>Impossible d&apos;enregistrer les minuteries</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Enregistrement du fichier</translation>
    </message>
    <message>
        <source>Corvellan Timers Saved</source>
        <translation>Minuteries Corvellan enregistrées</translation>
    </message>
    <message>
        <source>Cannot Load Timer File</source>
        <translation>Impossible d&apos;ouvrir le fichier de minuteries</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, so it has been taken off the Recent Files list.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe plus; il a donc été retiré de la liste Fichiers récents.</translation>
    </message>
    <message>
        <source>Its field is marked: change the name before saving or sending the timers.</source>
        <translation>Son champ est marqué&#xa0;: modifiez le nom avant d&apos;enregistrer ou d&apos;envoyer les minuteries.</translation>
    </message>
    <message>
        <source>Timer File Converted</source>
        <translation>Fichier de minuteries converti</translation>
    </message>
    <message>
        <source>Save changes to the timers?</source>
        <translation>Enregistrer les modifications des minuteries?</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be created: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;: %2. Any earlier file of that name is unchanged.</source>
        <translation>Le PDF n&apos;a pas pu être écrit dans «&#xa0;%1&#xa0;»&#xa0;: %2. Tout fichier antérieur du même nom reste inchangé.</translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation>Minuteries Corvellan</translation>
    </message>
    <message>
        <source>Could Not Print</source>
        <translation>Impossible d&apos;imprimer</translation>
    </message>
    <message>
        <source>Printing is not available: %1. File &gt; Export PDF... still makes the page as a PDF file.</source>
        <translation>L&apos;impression n&apos;est pas disponible&#xa0;: %1. Fichier &gt; Exporter en PDF... produit tout de même la page en fichier PDF.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>Could Not Export PDF</source>
        <translation>Impossible d&apos;exporter en PDF</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté dans %1</translation>
    </message>
    <message>
        <source>CVTimerSystem.ini asks for the language &quot;%1&quot;, which CV Timer does not speak, so it speaks English. Write en, es or fr as [Display] Language there.</source>
        <translation>CVTimerSystem.ini demande la langue «&#xa0;%1&#xa0;», que CV Timer ne parle pas; il parle donc anglais. Inscrivez-y en, es ou fr comme valeur de Language dans [Display].</translation>
    </message>
    <message>
        <source>Could Not Read the Record</source>
        <translation>Impossible de lire le registre</translation>
    </message>
    <message>
        <source>Corvellan Record of Sends</source>
        <translation>Registre des envois Corvellan</translation>
    </message>
    <message>
        <source>Printing is not available: %1. Export PDF... still makes the report as a PDF file.</source>
        <translation>L&apos;impression n&apos;est pas disponible&#xa0;: %1. Exporter en PDF... produit tout de même le rapport en fichier PDF.</translation>
    </message>
</context>
<context>
    <name>cv::TimerPage</name>
    <message>
        <source>Timer</source>
        <translation>Minuterie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation>Hors de la journée&#xa0;: %1 commence %2 après minuit</translation>
    </message>
    <message>
        <source>Reminders by time (several timers at once in bold)</source>
        <translation>Rappels par heure (plusieurs minuteries à la fois en gras)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more; cvtimerctl plan lists them all</source>
        <translation>
            <numerusform>... et %n autre; cvtimerctl plan les affiche tous</numerusform>
            <numerusform>... et %n autres; cvtimerctl plan les affiche tous</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::TimerSheetDialog</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide d&apos;utilisation</translation>
    </message>
    <message>
        <source>Sending Timer %1 of %2</source>
        <translation>Envoi de la minuterie %1 sur %2</translation>
    </message>
    <message>
        <source>&amp;Send Timers</source>
        <translation>&amp;Envoyer les minuteries</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a field&apos;s reading, then a doubt about it</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation>Minuteries Corvellan</translation>
    </message>
    <message>
        <source>Corvellan Timers - %1</source>
        <translation>Minuteries Corvellan - %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Send &amp;Timers</source>
        <translation>Envoyer les &amp;minuteries</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>&amp;Port COM</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Day Plan</source>
        <translation>&amp;Plan de la journée</translation>
    </message>
    <message>
        <source>&amp;Sent to Unit</source>
        <translation>&amp;Envoyé à l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de CV Timer</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Minuterie %1</translation>
    </message>
    <message>
        <source>Timer %1 %2</source>
        <comment>a field&apos;s name for a screen reader: timer number, field</comment>
        <translation>Minuterie %1 %2</translation>
    </message>
    <message>
        <source>Cannot Read Settings File</source>
        <translation>Impossible de lire le fichier de paramètres</translation>
    </message>
    <message>
        <source>A port chosen now holds until CV Timer ends.</source>
        <translation>Un port choisi maintenant reste en vigueur jusqu&apos;à la fermeture de CV Timer.</translation>
    </message>
    <message>
        <source>Unknown Line Setting</source>
        <translation>Paramètre de ligne inconnu</translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>Port %1 – %2</source>
        <comment>the port and the device it reaches</comment>
        <translation>Port %1 – %2</translation>
    </message>
    <message>
        <source>Serial Communications</source>
        <translation>Communications série</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan</source>
        <translation>Impossible d&apos;envoyer les minuteries à l&apos;appareil Corvellan</translation>
    </message>
    <message>
        <source>Unable to open selected serial port.
Select another serial port
and try again.</source>
        <translation>Impossible d&apos;ouvrir le port série choisi.
Choisissez un autre port série
puis réessayez.</translation>
    </message>
    <message>
        <source>Timers Sent to Corvellan</source>
        <translation>Minuteries envoyées à l&apos;appareil Corvellan</translation>
    </message>
    <message>
        <source>View &gt; Sent to Unit shows what the unit holds now.</source>
        <translation>Affichage &gt; Envoyé à l&apos;appareil montre ce que contient maintenant l&apos;appareil.</translation>
    </message>
    <message>
        <source>Day P&amp;arts...</source>
        <translation>&amp;Périodes de la journée...</translation>
    </message>
    <message>
        <source>Print Re&amp;cord...</source>
        <translation>Imprimer le re&amp;gistre...</translation>
    </message>
</context>
<context>
    <name>cv::UserGuideWindow</name>
    <message>
        <source>CV Timer User Guide</source>
        <translation>Guide d&apos;utilisation de CV Timer</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find in the guide</source>
        <translation>Rechercher dans le guide</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nowhere in the guide.</source>
        <translation>«&#xa0;%1&#xa0;» ne figure nulle part dans le guide.</translation>
    </message>
</context>
<context>
    <name>cvtimerctl</name>
    <message>
        <source>cvtimerctl: the settings file asks for the language &quot;%1&quot; ([Display] Language), which CV Timer does not speak; it speaks English. Write en, es or fr there.</source>
        <translation>cvtimerctl&#xa0;: le fichier de paramètres demande la langue «&#xa0;%1&#xa0;» ([Display] Language), que CV Timer ne parle pas; il parle anglais. Inscrivez-y en, es ou fr.</translation>
    </message>
</context>
</TS>
