<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Uso: cvtimerctl dayparts show [--plan FILE] [--at &quot;YYYY-MM-DD HH:MM&quot;] [--week]
     cvtimerctl dayparts run [--plan FILE] [--port N | --device PATH]

El plan de franjas horarias, CVTimerDayParts.ini en la carpeta actual, indica
qué archivo de temporizadores debe tener el aparato en cada franja del día:
una [sección] por franja con Start=, Days= o Dates=, y Sheet=, y una sección
[Plan] con las fechas de cierre en Closed= y el puerto del aparato en Port=.
La sección «Day parts» de la Guía del usuario lo explica todo.

show  muestra las franjas, la franja vigente en un momento (ahora, si no se
      indica otro) con su archivo de temporizadores y el próximo cambio, y
      con --week los siete días a partir de esa fecha con cada cambio, las
      franjas con fecha, las fechas de cierre y los días de cambio de hora.
run   envía al aparato los temporizadores de la franja vigente y muestra
      cada mensaje como cvtimerctl send, salvo que, según el registro de
      envíos, el aparato ya los tenga, o que rija un envío manual hecho desde
      que empezó la franja. Ejecutado dos veces, envía como mucho una vez;
      ejecutado cada minuto, una vez por cambio. Si el puerto está en uso,
      espera hasta 60 segundos a que se libere.

Estado de salida: 0 mostrado, o el aparato tiene los temporizadores de la
franja vigente (enviados ahora, ya presentes o puestos por un envío manual);
1 el envío falló o no se puede leer un archivo de temporizadores; 2 uso
incorrecto o un plan rechazado; 3 no hay plan, o todavía no hay ninguna
franja vigente.

Opciones:
  --plan FILE    usar este plan en lugar del CVTimerDayParts.ini de aquí
  --at MOMENT    mostrar el plan en el momento «YYYY-MM-DD HH:MM» del reloj
                 de la computadora
  --week         mostrar los siete días a partir de esa fecha
  --port N       enviar al puerto N (1 a 65535) del menú Puerto COM, no al
                 puerto del plan
  --device PATH  enviar a este dispositivo serie (en Windows sirve un nombre
                 de puerto como COM7)
  --help         mostrar este texto
</translation>
    </message>
    <message>
        <source>Next change: %1 at %2, %3.</source>
        <translation>Próximo cambio: %1 a las %2, %3.</translation>
    </message>
    <message>
        <source>Plan: %1</source>
        <translation>Plan: %1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Franja</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Days or dates</source>
        <translation>Días o fechas</translation>
    </message>
    <message>
        <source>Timer file</source>
        <translation>Archivo de temporizadores</translation>
    </message>
    <message>
        <source>Closed: %1</source>
        <translation>Fechas de cierre: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Puerto: %1</translation>
    </message>
    <message>
        <source>closed: no part starts, the unit keeps what it holds</source>
        <translation>cerrado: no empieza ninguna franja, el aparato conserva lo que tiene</translation>
    </message>
    <message>
        <source>only its dated parts start</source>
        <translation>solo empiezan sus franjas con fecha</translation>
    </message>
    <message>
        <source>the clocks change from %1 to %2</source>
        <translation>cambio de hora de %1 a %2</translation>
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
        <translation>%1 (prevista para las %2, en la hora que se salta el cambio de hora)</translation>
    </message>
    <message>
        <source>cvtimerctl: there is no day-part plan: %1 does not exist.</source>
        <translation>cvtimerctl: no hay plan de franjas horarias: %1 no existe.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>At %1: %2 is due, since %3 (%4).</source>
        <translation>El %1: está vigente la franja %2, desde el %3 (%4).</translation>
    </message>
    <message>
        <source>At %1: no part is due; none started in the eight days before.</source>
        <translation>El %1: no hay ninguna franja vigente; ninguna empezó en los ocho días anteriores.</translation>
    </message>
    <message>
        <source>Missed while the plan did not run: %1, due at %2, %3.</source>
        <translation>Franja perdida mientras el plan no se ejecutaba: %1, prevista a las %2, %3.</translation>
    </message>
    <message>
        <source>No day part is due: none started in the eight days before now. The unit keeps what it holds.</source>
        <translation>No hay ninguna franja horaria vigente: ninguna empezó en los últimos ocho días. El aparato conserva lo que tiene.</translation>
    </message>
    <message>
        <source>The unit holds the timers of %1 already; nothing was sent.</source>
        <translation>El aparato ya tiene los temporizadores de %1; no se envió nada.</translation>
    </message>
    <message>
        <source>A send by hand at %1, after %2 started, holds until the next change; the plan leaves the unit alone.</source>
        <translation>Un envío manual del %1, hecho después de que empezara %2, rige hasta el próximo cambio; el plan no toca el aparato.</translation>
    </message>
    <message>
        <source>%1 sent to the unit by the day-part plan, %2 after its start at %3.</source>
        <translation>El plan de franjas horarias envió %1 al aparato %2 después de su inicio a las %3.</translation>
    </message>
    <message>
        <source>%1 sent to the unit by the day-part plan, due at %2.</source>
        <translation>El plan de franjas horarias envió %1 al aparato (inicio previsto a las %2).</translation>
    </message>
    <message>
        <source>The day-part plan could not send %1.</source>
        <translation>El plan de franjas horarias no pudo enviar %1.</translation>
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
        <translation>Uso: cvtimerctl emulate [opciones]

Simula un aparato Corvellan en una pseudoterminal: responde a cada mensaje
con «g» y muestra cada mensaje y cada temporizador completo que recibe. La
primera línea mostrada indica el dispositivo que se debe abrir. Se detiene
con Ctrl-C o SIGTERM.

Opciones:
  --link PATH       crear además PATH como enlace simbólico al dispositivo
                    (se elimina al salir)
  --wrong-at N      responder al mensaje N (contando desde 1) con el byte
                    erróneo
  --wrong-byte C    el byte erróneo: un carácter, o 0xNN (predeterminado: x)
  --silent-from N   no responder nada a partir del mensaje N
  --delay MS        responder a cada mensaje con MS milisegundos de retraso
  --baud B          tardar lo que tardaría una línea a B baudios
                    (10 bits por byte)
  --exit-after N    detenerse cuando se haya respondido al mensaje N
  --help            mostrar este texto
</translation>
    </message>
    <message>
        <source>%1: exists and is not a symbolic link</source>
        <translation>%1: existe y no es un enlace simbólico</translation>
    </message>
    <message>
        <source>pipe: %1</source>
        <translation>pipe: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal: %1</source>
        <translation>no se puede abrir una pseudoterminal: %1</translation>
    </message>
    <message>
        <source>cannot make the link %1</source>
        <translation>no se puede crear el enlace %1</translation>
    </message>
    <message>
        <source>the simulated unit runs on Linux only. On Windows, connect the unit,
or run the simulated unit on Linux and reach it through a serial cable.</source>
        <translation>el aparato simulado solo funciona en Linux. En Windows, conecte el aparato,
o ejecute el aparato simulado en Linux conéctese a él con un cable serie.</translation>
    </message>
</context>
<context>
    <name>CtlHelp</name>
    <message>
        <source>print the timers of a timer file</source>
        <translation>mostrar los temporizadores de un archivo de temporizadores</translation>
    </message>
    <message>
        <source>print the day&apos;s reminders of a timer file and the clashes</source>
        <translation>mostrar los recordatorios y coincidencias del día de un archivo</translation>
    </message>
    <message>
        <source>send the timers of a timer file to the unit</source>
        <translation>enviar al aparato los temporizadores de un archivo</translation>
    </message>
    <message>
        <source>show what the unit holds as far as the record of sends knows</source>
        <translation>mostrar lo que tiene el aparato según el registro de envíos</translation>
    </message>
    <message>
        <source>list the serial ports and the devices they reach</source>
        <translation>listar los puertos serie y los dispositivos a los que corresponden</translation>
    </message>
    <message>
        <source>play a Corvellan unit on a pseudo-terminal (Linux only)</source>
        <translation>simular un aparato Corvellan en una pseudoterminal (solo Linux)</translation>
    </message>
    <message>
        <source>Usage: cvtimerctl &lt;command&gt; [options]
       cvtimerctl &lt;command&gt; --help
       cvtimerctl --version

Commands:
</source>
        <translation>Uso: cvtimerctl &lt;comando&gt; [opciones]
     cvtimerctl &lt;comando&gt; --help
     cvtimerctl --version

Comandos:
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido «%1»</translation>
    </message>
    <message>
        <source>show the day-part plan, or send the part that is due</source>
        <translation>mostrar el plan de franjas horarias o enviar la franja vigente</translation>
    </message>
    <message>
        <source>print what the unit held, day by day, by the record of sends</source>
        <translation>mostrar lo que tuvo el aparato, día por día, según el registro de envíos</translation>
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
        <translation>Uso: cvtimerctl plan FILE

Muestra el día que forman los temporizadores de un archivo de temporizadores:
cada recordatorio en orden horario («06:00 AM  Hands Washing») y luego las
coincidencias, una línea por cada minuto en que dos o más temporizadores
avisan, con los nombres separados por comas.
Cada temporizador avisa a su hora de inicio y luego cada intervalo de
repetición hasta la medianoche; un intervalo de 0 avisa una sola vez. Un
temporizador que empieza 24 horas o más después de la medianoche aparece como
fuera del día.

Estado de salida: 0 mostrado, 1 no se puede leer el archivo, 2 uso incorrecto.

Opciones:
  --help    mostrar este texto
</translation>
    </message>
    <message>
        <source>Clashes:</source>
        <translation>Coincidencias:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Outside the day:</source>
        <translation>Fuera del día:</translation>
    </message>
    <message>
        <source>%1 starts %2 after midnight</source>
        <translation>%1 empieza %2 después de la medianoche</translation>
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
        <translation>Uso: cvtimerctl ports

Lista los puertos del menú Puerto COM de CV Timer con el dispositivo serie al
que corresponde cada uno ahora: el dispositivo indicado para él en la sección
[Ports] de CVTimerSystem.ini en la carpeta actual o, si no, en Linux, el
siguiente dispositivo presente, y en Windows COMn para el puerto n. Cada línea
indica si el dispositivo está presente y, cuando el sistema lo dice, qué hay
conectado allí, por ejemplo «FT232R USB UART (FTDI)» o «USB Serial Port
(FTDI)». Los puertos 1 a 12 aparecen siempre, y un puerto por encima de 12
cuando corresponde a un dispositivo presente (en Windows, COM13 y siguientes,
tal como los muestra el Administrador de dispositivos) o cuando ese archivo lo
elige. El puerto elegido en ese archivo se marca con «*».

Estado de salida: 0 listado, 2 uso incorrecto.

Opciones:
  --root DIR  para pruebas en Linux: buscar dispositivos en DIR/dev y DIR/sys
  --help      mostrar este texto
</translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation>Puerto %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>sin dispositivo</translation>
    </message>
    <message>
        <source>(from settings)</source>
        <translation>(de la configuración)</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>port 1, used because %1 was not read (see above)</source>
        <translation>puerto 1, usado porque no se leyó %1 (véase arriba)</translation>
    </message>
    <message>
        <source>%1 chooses port %2, which does not exist.</source>
        <translation>%1 elige el puerto %2, que no existe.</translation>
    </message>
    <message>
        <source>the port chosen in %1</source>
        <translation>el puerto elegido en %1</translation>
    </message>
    <message>
        <source>the port chosen in %1 (no such file: port 1)</source>
        <translation>el puerto elegido en %1 (no existe ese archivo: puerto 1)</translation>
    </message>
</context>
<context>
    <name>CtlReport</name>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &apos;%2&apos;</source>
        <translation>%1 admite una fecha como YYYY-MM-DD, no «%2»</translation>
    </message>
    <message>
        <source>give --date or --from and --to, not both</source>
        <translation>indique --date o --from y --to, no ambos</translation>
    </message>
    <message>
        <source>--from and --to go together</source>
        <translation>--from y --to van juntos</translation>
    </message>
    <message>
        <source>--to must not come before --from</source>
        <translation>--to no debe ser anterior a --from</translation>
    </message>
    <message>
        <source>a report covers at most 366 days</source>
        <translation>un informe abarca 366 días como máximo</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Gaps in what is known:</source>
        <translation>Lagunas en lo que se sabe:</translation>
    </message>
    <message>
        <source>Record of sends: %1</source>
        <translation>Registro de envíos: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Aparato: %1</translation>
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
        <translation>Uso: cvtimerctl report [--date YYYY-MM-DD | --from DATE --to DATE]
                       [--port N | --device PATH]

Muestra lo que tuvo el aparato Corvellan, día por día, según el registro de
envíos: CVTimerSends.log, junto a CVTimerSystem.ini en la carpeta actual.
Cada día empieza con lo que tenía el aparato al empezar el día; siguen todos
los cambios en orden, con su desfase con UTC, cómo se hicieron (a mano, por
qué usuario, o por el plan de franjas horarias, qué franja, a tiempo o con
cuánto retraso) y su archivo de temporizadores; luego los diez temporizadores
de cada archivo enviado ese día tal como el aparato los confirmó, y al final
las lagunas en lo que se sabe: un envío que se detuvo a medias, un cambio
planificado que falló o se perdió, un cambio del desfase con UTC, un día al
que el registro no llega. Solo lee el registro, nunca el plan. Sin opciones,
abarca el día de hoy y el aparato del puerto elegido en CVTimerSystem.ini.

Estado de salida: 0 mostrado, 1 no se puede leer el registro, 2 uso incorrecto.

Opciones:
  --date DATE    solo el día DATE (YYYY-MM-DD)
  --from DATE    el primer día, con --to el último (366 días como máximo)
  --to DATE
  --port N       el aparato del puerto N (1 a 65535) del menú Puerto COM
  --device PATH  el aparato de este dispositivo, sea cual sea el puerto que
                 le correspondía (en Windows sirve un nombre de puerto como
                 COM7)
  --help         mostrar este texto
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
        <translation>Uso: cvtimerctl send FILE [--port N | --device PATH]

Envía los diez temporizadores de un archivo de temporizadores al aparato
Corvellan y muestra cada mensaje a medida que sale. Sin opciones, el puerto es
el elegido en CVTimerSystem.ini en la carpeta actual (el puerto 1 si no existe
ese archivo); los puertos corresponden a dispositivos como en el programa,
incluidas las entradas [Ports] de ese archivo.

La línea es de 9600 baudios, 8 bits de datos, sin paridad, 1 bit de parada y
sin control de flujo, salvo que Parity=, StopBits= o FlowControl= en
[SerialComm] de ese archivo indiquen otra cosa (también con --device).

Estado de salida: 0 se enviaron los diez, 1 no se puede leer el archivo, un
parámetro de línea de CVTimerSystem.ini no es uno que CV Timer conozca (y
entonces no se envía nada) o un temporizador no se envió, 2 uso incorrecto o
un nombre que el aparato no admite (y entonces no se envía nada), 128 + el
número de la señal (130 para Ctrl-C) cuando una interrupción o SIGTERM detuvo
el envío; los temporizadores anteriores quedan enviados. Ctrl-C también
interrumpe una apertura que se bloquea, si el sistema lo permite; en Windows,
un segundo Ctrl-C termina cvtimerctl de inmediato.

Opciones:
  --port N       usar el puerto N (1 a 65535) del menú Puerto COM en lugar del
                 elegido
  --device PATH  usar este dispositivo serie, sin pasar por los números de
                 puerto (en Windows sirve un nombre de puerto como COM7)
  --help         mostrar este texto
</translation>
    </message>
    <message>
        <source>Sending Timer %1 of %2</source>
        <translation>Enviando el temporizador %1 de %2</translation>
    </message>
    <message>
        <source>sent %1</source>
        <translation>enviado %1</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan</source>
        <translation>No se pudieron enviar los temporizadores al Corvellan</translation>
    </message>
    <message>
        <source>Unable to open selected serial port.</source>
        <translation>No se pudo abrir el puerto serie seleccionado.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent.</source>
        <translation>El temporizador %1 no se envió.</translation>
    </message>
    <message>
        <source>%1 cvtimerctl sent shows what the unit holds now.</source>
        <translation>%1 cvtimerctl sent muestra lo que tiene el aparato ahora.</translation>
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
        <translation>Uso: cvtimerctl sent [--port N | --device PATH] [--history]

Muestra lo que tiene el aparato Corvellan según el registro de envíos.
El registro es CVTimerSends.log, junto a CVTimerSystem.ini en la carpeta
actual; CV Timer y cvtimerctl send le añaden una entrada por cada envío hecho
desde esa carpeta, y no conoce ningún otro. La tabla es la de cvtimerctl show,
con una última columna que indica cuándo se envió cada temporizador y desde
qué archivo. Una parte de un temporizador figura como «desconocido» cuando su
mensaje salió sin confirmación (puede que el aparato lo haya aceptado o no),
o cuando ningún envío del registro llegó a él. Sin opciones, el aparato es el
del puerto elegido en CVTimerSystem.ini.

Estado de salida: 0 mostrado, 1 no se puede leer el registro, 2 uso incorrecto.

Opciones:
  --port N       el aparato del puerto N (1 a 65535) del menú Puerto COM
  --device PATH  el aparato de este dispositivo, sea cual sea el puerto que
                 le correspondía (en Windows sirve un nombre de puerto como
                 COM7)
  --history      listar en su lugar los envíos, primero los más nuevos: todos
                 los del registro o, con --port o --device, los hechos a ese
                 aparato
  --help         mostrar este texto
</translation>
    </message>
    <message numerus="yes">
        <source>The unit on port %1, as %n recorded sends left it:</source>
        <translation>
            <numerusform>El aparato del puerto %1, tal como lo dejó %n envío registrado:</numerusform>
            <numerusform>El aparato del puerto %1, tal como lo dejaron %n envíos registrados:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The unit on %1, as %n recorded sends left it:</source>
        <translation>
            <numerusform>El aparato de %1, tal como lo dejó %n envío registrado:</numerusform>
            <numerusform>El aparato de %1, tal como lo dejaron %n envíos registrados:</numerusform>
        </translation>
    </message>
    <message>
        <source>No sends recorded.</source>
        <translation>No hay envíos registrados.</translation>
    </message>
    <message>
        <source>No sends recorded to the unit on port %1.</source>
        <translation>No hay envíos registrados al aparato del puerto %1.</translation>
    </message>
    <message>
        <source>No sends recorded to the unit on %1.</source>
        <translation>No hay envíos registrados al aparato de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are of the record cut short or damaged, and left out.</source>
        <translation>
            <numerusform>%n entrada del registro está incompleta o dañada, y se omite.</numerusform>
            <numerusform>%n entradas del registro están incompletas o dañadas, y se omiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record knows only the sends made from this folder: %1</source>
        <translation>El registro solo conoce los envíos hechos desde esta carpeta: %1</translation>
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
        <translation>Uso: cvtimerctl show FILE

Muestra los diez temporizadores de un archivo de temporizadores como una
tabla: nombre, hora de inicio, intervalo de repetición, tiempo de posposición
y prioridad, con las horas tal como las muestra la hoja.
Un nombre con espacios al principio, o hecho solo de espacios, se muestra
entre comillas; un carácter de control en un nombre se muestra como \xNN. Un
archivo guardado en UTF-8 o Windows-1252 por otro editor se convierte, y
stderr lo indica.

Estado de salida: 0 mostrado, 1 no se puede leer el archivo, 2 uso incorrecto.

Opciones:
  --help    mostrar este texto
</translation>
    </message>
</context>
<context>
    <name>CtlTable</name>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posposición</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Cómo</translation>
    </message>
</context>
<context>
    <name>CtlUsage</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>%1 admite un número entero, no «%2»</translation>
    </message>
    <message>
        <source>--link needs a path</source>
        <translation>--link necesita una ruta</translation>
    </message>
    <message>
        <source>--wrong-byte takes one character or 0xNN, not &apos;%1&apos;</source>
        <translation>--wrong-byte admite un carácter o 0xNN, no «%1»</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535, not &apos;%1&apos;</source>
        <translation>--port admite un número de 1 a 65535, no «%1»</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>indique --port o --device, no ambos</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argumento desconocido «%1»</translation>
    </message>
    <message>
        <source>--root needs a folder</source>
        <translation>--root necesita una carpeta</translation>
    </message>
    <message>
        <source>only one FILE, please</source>
        <translation>solo un FILE, por favor</translation>
    </message>
    <message>
        <source>which timer file?</source>
        <translation>¿qué archivo de temporizadores?</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--at takes a moment as &quot;YYYY-MM-DD HH:MM&quot;, not &apos;%1&apos;</source>
        <translation>--at admite un momento como «YYYY-MM-DD HH:MM», no «%1»</translation>
    </message>
    <message>
        <source>show or run?</source>
        <translation>¿show o run?</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido «%1»</translation>
    </message>
</context>
<context>
    <name>DayParts</name>
    <message>
        <source>%1, line %2: Closed= is given twice in [Plan]; keep one line and list every date on it.</source>
        <translation>%1, línea %2: Closed= aparece dos veces en [Plan]; deje una sola línea y ponga en ella todas las fechas.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a date. Write dates as 2026-12-25 (year, month, day), separated by commas.</source>
        <translation>%1, línea %2: «%3» no es una fecha. Escriba las fechas como 2026-12-25 (año, mes, día), separadas por comas.</translation>
    </message>
    <message>
        <source>%1, line %2: Port= is given twice in [Plan]; keep one.</source>
        <translation>%1, línea %2: Port= aparece dos veces en [Plan]; deje una sola.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a Comm Port. Write Port= and a number from 1 to 65535, or leave the line out to use the port chosen in CV Timer.</source>
        <translation>%1, línea %2: «%3» no es un puerto COM. Escriba Port= y un número de 1 a 65535, o quite la línea para usar el puerto elegido en CV Timer.</translation>
    </message>
    <message>
        <source>%1, line %2: [Plan] has no setting &quot;%3&quot;. Its settings are Closed= and Port=.</source>
        <translation>%1, línea %2: [Plan] no tiene ningún parámetro «%3». Sus parámetros son Closed= y Port=.</translation>
    </message>
    <message>
        <source>%1, line %2: a day part has no setting &quot;%3&quot;. Its settings are Start=, Days= or Dates=, and Sheet=.</source>
        <translation>%1, línea %2: una franja horaria no tiene ningún parámetro «%3». Sus parámetros son Start=, Days= o Dates=, y Sheet=.</translation>
    </message>
    <message>
        <source>%1, line %2: [%3] has %4= twice (also on line %5); keep one.</source>
        <translation>%1, línea %2: [%3] tiene %4= dos veces (también en la línea %5); deje una sola.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a time of day as a plan takes it. Write the start as 5:30 AM or as 17:30.</source>
        <translation>%1, línea %2: «%3» no es una hora del día que un plan admita. Escriba el inicio como 5:30 AM o como 17:30.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a day. Write Mon, Tue, Wed, Thu, Fri, Sat or Sun, a range such as Mon-Fri, a list such as Fri, Sat, or Every day.</source>
        <translation>%1, línea %2: «%3» no es un día. Escriba Mon, Tue, Wed, Thu, Fri, Sat o Sun, un intervalo como Mon-Fri, una lista como Fri, Sat, o Every day.</translation>
    </message>
    <message>
        <source>%1, line %2: Sheet= names no timer file. Write the timer file to send, such as Sheet=lunch.csv.</source>
        <translation>%1, línea %2: Sheet= no indica ningún archivo de temporizadores. Escriba el archivo de temporizadores que se debe enviar, como Sheet=lunch.csv.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is neither a [section], a Key=value line nor a comment. A day part is a [Name] line followed by its Start=, Days= or Dates=, and Sheet= lines.</source>
        <translation>%1, línea %2: «%3» no es una [sección], ni una línea Clave=valor, ni un comentario. Una franja horaria es una línea [Name] seguida de sus líneas Start=, Days= o Dates=, y Sheet=.</translation>
    </message>
    <message>
        <source>%1, line %2: a section needs a name between its brackets, such as [Lunch].</source>
        <translation>%1, línea %2: una sección necesita un nombre entre sus corchetes, como [Lunch].</translation>
    </message>
    <message>
        <source>%1, line %2: there is a second [Plan]; put its settings in the first.</source>
        <translation>%1, línea %2: hay una segunda sección [Plan]; ponga sus parámetros en la primera.</translation>
    </message>
    <message>
        <source>%1, line %2: there is a second [%3] (the first is on line %4); give each day part a name of its own.</source>
        <translation>%1, línea %2: hay una segunda sección [%3] (la primera está en la línea %4); dé a cada franja horaria un nombre propio.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; stands before the first section. Put it under [Plan] or under a day part&apos;s [Name].</source>
        <translation>%1, línea %2: «%3» está antes de la primera sección. Póngalo bajo [Plan] o bajo el [Name] de una franja horaria.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has no Start=. Add a line such as Start=5:30 AM.</source>
        <translation>%1, línea %2: la franja horaria [%3] no tiene Start=. Agregue una línea como Start=5:30 AM.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has no Sheet=. Add a line naming the timer file to send, such as Sheet=lunch.csv.</source>
        <translation>%1, línea %2: la franja horaria [%3] no tiene Sheet=. Agregue una línea que indique el archivo de temporizadores que se debe enviar, como Sheet=lunch.csv.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has neither Days= nor Dates=. Add Days=Every day, Days=Mon-Fri or Dates=2026-12-24.</source>
        <translation>%1, línea %2: la franja horaria [%3] no tiene ni Days= ni Dates=. Agregue Days=Every day, Days=Mon-Fri o Dates=2026-12-24.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has both Days= and Dates=. A dated part starts only on its dates: make it a part of its own.</source>
        <translation>%1, línea %2: la franja horaria [%3] tiene a la vez Days= y Dates=. Una franja con fecha solo empieza en sus fechas: conviértala en una franja aparte.</translation>
    </message>
    <message>
        <source>%1, line %2: [%3] and [%4] both start at %5 on %6. Only one part can start at a time: give one of them another Start=.</source>
        <translation>%1, línea %2: [%3] y [%4] empiezan las dos a las %5 el %6. Solo puede empezar una franja a la vez: dé a una de ellas otro Start=.</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16 (&quot;Unicode&quot;), which a plan cannot be. Open it in Notepad, choose Save As, set Encoding to UTF-8 and save it again.</source>
        <translation>%1 está guardado en UTF-16 («Unicode»), y un plan no puede estarlo. Ábralo en el Bloc de notas, elija Guardar como, ponga Codificación en UTF-8 y vuelva a guardarlo.</translation>
    </message>
    <message>
        <source>%1 holds no day part. Add a section for each part of the day: a [Name] line, then Start=, Days= or Dates=, and Sheet=.</source>
        <translation>%1 no contiene ninguna franja horaria. Agregue una sección por cada franja del día: una línea [Name] y luego Start=, Days= o Dates=, y Sheet=.</translation>
    </message>
    <message>
        <source>%1 is larger than a day-part plan can be (%2 KiB); it is not read.</source>
        <translation>%1 es más grande de lo que puede ser un plan de franjas horarias (%2 KiB); no se lee.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is not replaced: %2.</source>
        <translation>%1 no se puede leer, así que no se reemplaza: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. The plan on disk is as it was.</source>
        <translation>%1 no se puede escribir: %2. El plan en el disco queda como estaba.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3); waiting up to %4 seconds for it.</source>
        <translation>%2 (proceso %3) está usando %1; se esperará hasta %4 segundos a que se libere.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; waiting up to %2 seconds for it.</source>
        <translation>Otro programa está usando %1; se esperará hasta %2 segundos a que se libere.</translation>
    </message>
    <message>
        <source>%1 is still in use by %2 (process %3) after %4 seconds. Close that program, or send later.</source>
        <translation>%2 (proceso %3) sigue usando %1 después de %4 segundos. Cierre ese programa o envíe más tarde.</translation>
    </message>
    <message>
        <source>The timers of %1 cannot be sent: %2 The unit keeps what it holds.</source>
        <translation>Los temporizadores de %1 no se pueden enviar: %2 El aparato conserva lo que tiene.</translation>
    </message>
    <message>
        <source>%1, line %2: the name of [%3] holds a control character. Give the part a name of letters, digits and punctuation.</source>
        <translation>%1, línea %2: el nombre de [%3] contiene un carácter de control. Dé a la franja un nombre hecho de letras, dígitos y signos de puntuación.</translation>
    </message>
    <message>
        <source>Row %1: give the part a name of its own, without brackets, such as Lunch.</source>
        <translation>Fila %1: dé a la franja un nombre propio, sin corchetes, como Almuerzo.</translation>
    </message>
    <message>
        <source>Row %1 (%2): &quot;%3&quot; is not a time of day. Write the start as 5:30 AM or as 17:30.</source>
        <translation>Fila %1 (%2): «%3» no es una hora del día. Escriba el inicio como 5:30 AM o como 17:30.</translation>
    </message>
    <message>
        <source>Row %1 (%2): &quot;%3&quot; are neither days nor dates. Write Every day, Mon-Fri or Fri, Sat, or dates such as 2026-12-24.</source>
        <translation>Fila %1 (%2): «%3» no son días ni fechas. Escriba Every day, Mon-Fri o Fri, Sat, o fechas como 2026-12-24.</translation>
    </message>
    <message>
        <source>Row %1 (%2) has no timer file. Choose the timer file to send for it.</source>
        <translation>La fila %1 (%2) no tiene archivo de temporizadores. Elija el archivo de temporizadores que se debe enviar para ella.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Write the closed dates as 2026-12-25 (year, month, day), separated by commas.</source>
        <translation>«%1» no es una fecha. Escriba las fechas de cierre como 2026-12-25 (año, mes, día), separadas por comas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Comm Port. Write a number from 1 to 65535, or leave it empty to use the port chosen in CV Timer.</source>
        <translation>«%1» no es un puerto COM. Escriba un número de 1 a 65535, o déjelo vacío para usar el puerto elegido en CV Timer.</translation>
    </message>
</context>
<context>
    <name>DayPlan</name>
    <message>
        <source>each timer from its Start Time, every Repeat Interval, until midnight</source>
        <translation>cada temporizador desde su hora de inicio, a cada intervalo de repetición, hasta la medianoche</translation>
    </message>
</context>
<context>
    <name>FieldReading</name>
    <message>
        <source>The field is empty, so it reads as 0.</source>
        <translation>El campo está vacío, así que se lee como 0.</translation>
    </message>
    <message>
        <source>There is no number in %1, so it reads as 0.</source>
        <translation>No hay ningún número en %1, así que se lee como 0.</translation>
    </message>
    <message>
        <source>A Message Priority is one digit, 0 to 9; %1 reads as %2.</source>
        <translation>La prioridad del mensaje es un solo dígito, de 0 a 9; %1 se lee como %2.</translation>
    </message>
    <message>
        <source>A Start Time of 24 hours or more lies outside the day; the day plan leaves this timer out.</source>
        <translation>Una hora de inicio de 24 horas o más queda fuera del día; el plan del día no incluye este temporizador.</translation>
    </message>
    <message>
        <source>%1 after midnight</source>
        <translation>%1 después de la medianoche</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read as %2, not %3: type %4 for %3.</source>
        <translation>«%1» se lee como %2, no como %3: escriba %4 para %3.</translation>
    </message>
    <message>
        <source>Character %1 of the name is %2, which a Corvellan unit cannot take: Send Timers refuses to send until it is changed.</source>
        <translation>El carácter %1 del nombre es %2, que un aparato Corvellan no admite: no se podrá enviar hasta cambiarlo.</translation>
    </message>
    <message>
        <source>Character %1 of the name is %2, which a Corvellan unit cannot show: Save and Send Timers refuse the name until it is changed.</source>
        <translation>El carácter %1 del nombre es %2, que un aparato Corvellan no puede mostrar: no se podrá guardar ni enviar hasta cambiarlo.</translation>
    </message>
    <message>
        <source>Message Priority of Timer %1 reads as %2</source>
        <translation>La prioridad del mensaje del temporizador %1 se lee como %2</translation>
    </message>
    <message numerus="yes">
        <source>Start Time of Timer %1 reads as %2 (%n minutes)</source>
        <translation>
            <numerusform>La hora de inicio del temporizador %1 se lee como %2 (%n minuto)</numerusform>
            <numerusform>La hora de inicio del temporizador %1 se lee como %2 (%n minutos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Repeat Interval of Timer %1 reads as 0 minutes: the timer reminds once</source>
        <translation>El intervalo de repetición del temporizador %1 se lee como 0 minutos: el temporizador avisa una sola vez</translation>
    </message>
    <message>
        <source>Snooze Time of Timer %1 reads as 0 minutes</source>
        <translation>El tiempo de posposición del temporizador %1 se lee como 0 minutos</translation>
    </message>
    <message numerus="yes">
        <source>Repeat Interval of Timer %1 reads as every %2 (%n minutes)</source>
        <translation>
            <numerusform>El intervalo de repetición del temporizador %1 se lee como cada %2 (%n minuto)</numerusform>
            <numerusform>El intervalo de repetición del temporizador %1 se lee como cada %2 (%n minutos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Snooze Time of Timer %1 reads as every %2 (%n minutes)</source>
        <translation>
            <numerusform>El tiempo de posposición del temporizador %1 se lee como cada %2 (%n minuto)</numerusform>
            <numerusform>El tiempo de posposición del temporizador %1 se lee como cada %2 (%n minutos)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LineSetting</name>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a line setting CV Timer knows. [SerialComm] takes PortNo, Parity, StopBits and FlowControl: correct the name, or remove the line for 8 data bits, no parity, 1 stop bit and no flow control. Nothing is sent until then.</source>
        <translation>%1, línea %2: «%3» no es un parámetro de línea que CV Timer conozca. [SerialComm] admite PortNo, Parity, StopBits y FlowControl: corrija el nombre, o quite la línea para usar 8 bits de datos, sin paridad, 1 bit de parada y sin control de flujo. No se enviará nada hasta entonces.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a parity CV Timer knows. Write Parity=%4, or remove the line for no parity. Nothing is sent until then.</source>
        <translation>%1, línea %2: «%3» no es una paridad que CV Timer conozca. Escriba Parity=%4, o quite la línea para no usar paridad. No se enviará nada hasta entonces.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a number of stop bits CV Timer knows. Write StopBits=%4, or remove the line for 1 stop bit. Nothing is sent until then.</source>
        <translation>%1, línea %2: «%3» no es un número de bits de parada que CV Timer conozca. Escriba StopBits=%4, o quite la línea para usar 1 bit de parada. No se enviará nada hasta entonces.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a flow control CV Timer knows. Write FlowControl=%4, or remove the line for no flow control. Nothing is sent until then.</source>
        <translation>%1, línea %2: «%3» no es un control de flujo que CV Timer conozca. Escriba FlowControl=%4, o quite la línea para no usar control de flujo. No se enviará nada hasta entonces.</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>%1 baud</source>
        <translation>%1 baudios</translation>
    </message>
    <message>
        <source>8 data bits</source>
        <translation>8 bits de datos</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sin paridad</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>paridad impar</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>paridad par</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>paridad de marca</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>paridad de espacio</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 bit de parada</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 bits de parada</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>sin control de flujo</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <translation>control de flujo RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>control de flujo XON/XOFF</translation>
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
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The desktop&apos;s notification service could not be reached (notify-send from libnotify-bin, or gdbus, and a desktop session are needed).</source>
        <translation>No se pudo acceder al servicio de notificaciones del escritorio (se necesitan notify-send, del paquete libnotify-bin, o gdbus, y una sesión de escritorio).</translation>
    </message>
    <message>
        <source>The notice could not be shown: %1.</source>
        <translation>No se pudo mostrar la notificación: %1.</translation>
    </message>
    <message>
        <source>The notice could not be shown: there is no notification area (no desktop session).</source>
        <translation>No se pudo mostrar la notificación: no hay área de notificación (no hay sesión de escritorio).</translation>
    </message>
    <message>
        <source>CV Timer: the unit is right again</source>
        <translation>CV Timer: el aparato vuelve a estar al día</translation>
    </message>
    <message>
        <source>%1 sent to the unit at %2 by the day-part plan.</source>
        <translation>El plan de franjas horarias envió %1 al aparato a las %2.</translation>
    </message>
    <message>
        <source>CV Timer: the day-part plan cannot be used</source>
        <translation>CV Timer: no se puede usar el plan de franjas horarias</translation>
    </message>
    <message>
        <source>CV Timer: %1 was not sent</source>
        <translation>CV Timer: no se envió %1</translation>
    </message>
    <message>
        <source>%1 The unit keeps what it holds; the plan tries again at its next run.</source>
        <translation>%1 El aparato conserva lo que tiene; el plan lo volverá a intentar en su próxima ejecución.</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>USB device %1:%2</source>
        <translation>dispositivo USB %1:%2</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>puerto serie integrado</translation>
    </message>
    <message>
        <source>no serial device for port %1 (%2 found)</source>
        <translation>no hay ningún dispositivo serie para el puerto %1 (encontrados: %2)</translation>
    </message>
    <message>
        <source>no serial device for port %1</source>
        <translation>no hay ningún dispositivo serie para el puerto %1</translation>
    </message>
</context>
<context>
    <name>PortMenu</name>
    <message>
        <source>Port %1: no serial device</source>
        <translation>Puerto %1: sin dispositivo serie</translation>
    </message>
    <message>
        <source>Port %1 would reach %2, which is not connected</source>
        <translation>El puerto %1 correspondería a %2, que no está conectado</translation>
    </message>
    <message>
        <source>Port %1 reaches %2</source>
        <translation>El puerto %1 corresponde a %2</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nombre de archivo:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Archivos de tipo:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Mostrar los arc&amp;hivos ocultos</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
No se encontró el archivo.
Verifique que el nombre del archivo sea correcto.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» está protegido contra escritura.
¿Desea eliminarlo de todos modos?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>¿Está seguro de que desea eliminar «%1»?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;No se puede usar el nombre «%1».&lt;/b&gt;&lt;p&gt;Pruebe con otro nombre, con menos caracteres o sin signos de puntuación.</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Page size:</source>
        <translation>Tamaño de página:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Origen del papel:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Páginas por hoja:</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Orden de las páginas:</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print To File ...</source>
        <translation>Imprimir en un archivo...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 es una carpeta.
Elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>No se puede escribir en el archivo %1.
Elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies:</source>
        <translation>Copias:</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Páginas:</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Archivo de salida:</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>not sent</source>
        <translation>no enviado</translation>
    </message>
    <message>
        <source>%1, first sent at %2</source>
        <translation>%1, enviado por primera vez a las %2</translation>
    </message>
    <message>
        <source>The record holds no sends: what the unit held is not known.</source>
        <translation>El registro no contiene envíos: no se sabe qué tenía el aparato.</translation>
    </message>
    <message>
        <source>The record begins on this day, at %1: what the unit held before then is not known.</source>
        <translation>El registro empieza este día, a las %1: no se sabe qué tenía el aparato antes.</translation>
    </message>
    <message>
        <source>Held when the day began</source>
        <translation>Lo que tenía el aparato al empezar el día</translation>
    </message>
    <message>
        <source>held when the day began</source>
        <translation>al empezar el día</translation>
    </message>
    <message>
        <source>partly not known</source>
        <translation>desconocido en parte</translation>
    </message>
    <message>
        <source>When the day began, the record knew none of the timers the unit held.</source>
        <translation>Al empezar el día, el registro no conocía ninguno de los temporizadores que tenía el aparato.</translation>
    </message>
    <message>
        <source>When the day began, the record did not know what the unit held of %1.</source>
        <translation>Al empezar el día, el registro no sabía qué tenía el aparato en %1.</translation>
    </message>
    <message>
        <source>a part was missed</source>
        <translation>se perdió una franja horaria</translation>
    </message>
    <message>
        <source>At %1 the day-part plan noted a part it missed: %2</source>
        <translation>A las %1, el plan de franjas horarias registró una franja que se perdió: %2</translation>
    </message>
    <message>
        <source>day-part plan: %1</source>
        <translation>plan de franjas horarias: %1</translation>
    </message>
    <message>
        <source>missed: the plan did not run while it was due</source>
        <translation>perdida: el plan no se ejecutó mientras estaba vigente</translation>
    </message>
    <message>
        <source>%1, due at %2, was missed: the day-part plan did not run while it was due, so the unit kept what it held. The plan noted it at %3.</source>
        <translation>%1, vigente desde las %2, se perdió: el plan de franjas horarias no se ejecutó mientras estaba vigente, así que el aparato conservó lo que tenía. El plan lo registró el %3.</translation>
    </message>
    <message>
        <source>UTC offset changed from %1 to %2</source>
        <translation>el desfase con UTC cambió de %1 a %2</translation>
    </message>
    <message>
        <source>Between %1 and %2 the PC&apos;s offset from UTC changed from %3 to %4: the clocks changed, or the PC&apos;s clock was set. Each time here is as the PC&apos;s clock showed it then.</source>
        <translation>Entre el %1 y el %2, el desfase de la computadora con UTC cambió de %3 a %4: cambió la hora oficial o se ajustó el reloj de la computadora. Cada hora de este informe es la que mostraba el reloj de la computadora en ese momento.</translation>
    </message>
    <message>
        <source>At %1 the day-part plan was not run; the unit kept what it held. The record says: %2</source>
        <translation>A las %1 no se aplicó el plan de franjas horarias; el aparato conservó lo que tenía. El registro dice: %2</translation>
    </message>
    <message>
        <source>At %1 the day-part plan did not switch to %2, due at %3; the unit kept what it held. The record says: %4</source>
        <translation>A las %1, el plan de franjas horarias no cambió a %2, vigente desde las %3; el aparato conservó lo que tenía. El registro dice: %4</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) reached none of the timers; the unit kept what it held. The record says: %4</source>
        <translation>A las %1, un envío (%2, %3) no llegó a ningún temporizador; el aparato conservó lo que tenía. El registro dice: %4</translation>
    </message>
    <message>
        <source>The record holds no sends.</source>
        <translation>El registro no contiene envíos.</translation>
    </message>
    <message>
        <source>The record goes back to %1. It keeps only its newest entries, dropping the oldest once it passes 1 MiB: anything before then is not in it.</source>
        <translation>El registro se remonta al %1. Solo conserva sus entradas más recientes y descarta las más antiguas cuando supera 1 MiB: nada anterior figura en él.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries of the record, cut short or damaged, were left out.</source>
        <translation>
            <numerusform>Se omitió %n entrada del registro, incompleta o dañada.</numerusform>
            <numerusform>Se omitieron %n entradas del registro, incompletas o dañadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The days to report must be given as YYYY-MM-DD, the first not after the last.</source>
        <translation>Los días del informe deben indicarse como YYYY-MM-DD, el primero no posterior al último.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Desfase UTC</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>by hand, %1</source>
        <translation>a mano, %1</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2, on time</source>
        <translation>plan de franjas horarias: %1, vigente desde %2, a tiempo</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>puerto %1 (%2)</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>puerto %1</translation>
    </message>
    <message>
        <source>The record does not go back to this day: its oldest entry is from %1. What the unit held is not known.</source>
        <translation>El registro no llega hasta este día: su entrada más antigua es del %1. No se sabe qué tenía el aparato.</translation>
    </message>
    <message>
        <source>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</source>
        <translation>A las %1, el cambio del plan de franjas horarias a %2, vigente desde las %3, se detuvo a medias. Desde entonces no se sabe qué tiene el aparato en %4; los temporizadores a los que no llegó el envío conservaron lo que tenían. El registro dice: %5</translation>
    </message>
    <message>
        <source>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway; the timers the send did not get to kept what they held. The record says: %4</source>
        <translation>A las %1, el cambio del plan de franjas horarias a %2, vigente desde las %3, se detuvo a medias; los temporizadores a los que no llegó el envío conservaron lo que tenían. El registro dice: %4</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</source>
        <translation>A las %1, un envío (%2, %3) se detuvo a medias. Desde entonces no se sabe qué tiene el aparato en %4; los temporizadores a los que no llegó el envío conservaron lo que tenían. El registro dice: %5</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) stopped partway; the timers it did not get to kept what they held. The record says: %4</source>
        <translation>A las %1, un envío (%2, %3) se detuvo a medias; los temporizadores a los que no llegó conservaron lo que tenían. El registro dice: %4</translation>
    </message>
</context>
<context>
    <name>SendFailure</name>
    <message>
        <source>byte %1</source>
        <translation>el byte %1</translation>
    </message>
    <message>
        <source>the unit acknowledged its settings message.</source>
        <translation>el aparato confirmó su mensaje de ajustes.</translation>
    </message>
    <message>
        <source>the unit acknowledged its name message.</source>
        <translation>el aparato confirmó su mensaje del nombre.</translation>
    </message>
    <message>
        <source>the unit did not answer its settings message within a second.</source>
        <translation>el aparato no respondió a su mensaje de ajustes en el plazo de un segundo.</translation>
    </message>
    <message>
        <source>the unit did not answer its name message within a second.</source>
        <translation>el aparato no respondió a su mensaje del nombre en el plazo de un segundo.</translation>
    </message>
    <message>
        <source>the unit answered its settings message with %1 instead of &quot;g&quot;.</source>
        <translation>el aparato respondió a su mensaje de ajustes con %1 en lugar de «g».</translation>
    </message>
    <message>
        <source>the unit answered its name message with %1 instead of &quot;g&quot;.</source>
        <translation>el aparato respondió a su mensaje del nombre con %1 en lugar de «g».</translation>
    </message>
    <message>
        <source>its settings message could not be written.</source>
        <translation>no se pudo escribir su mensaje de ajustes.</translation>
    </message>
    <message>
        <source>its name message could not be written.</source>
        <translation>no se pudo escribir su mensaje del nombre.</translation>
    </message>
    <message>
        <source>sending was cancelled.</source>
        <translation>se canceló el envío.</translation>
    </message>
    <message>
        <source>Timer %1 was sent.</source>
        <translation>El temporizador %1 se envió.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent: %2</source>
        <translation>El temporizador %1 no se envió: %2</translation>
    </message>
</context>
<context>
    <name>SendOutcome</name>
    <message>
        <source>Timers Sent to Corvellan</source>
        <translation>Temporizadores enviados al Corvellan</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan. %1</source>
        <translation>No se pudieron enviar los temporizadores al Corvellan. %1</translation>
    </message>
    <message>
        <source>Timer %1&apos;s settings</source>
        <translation>los ajustes del temporizador %1</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name</source>
        <translation>el nombre del temporizador %1</translation>
    </message>
    <message>
        <source>Timer %1&apos;s settings and name</source>
        <translation>los ajustes y el nombre del temporizador %1</translation>
    </message>
    <message>
        <source>The unit took none of the timers; whether it took %1 is not known.</source>
        <translation>El aparato no aceptó ninguno de los temporizadores; no se sabe si aceptó %1.</translation>
    </message>
    <message>
        <source>The unit took %1; whether it took %2 is not known.</source>
        <translation>El aparato aceptó %1; no se sabe si aceptó %2.</translation>
    </message>
    <message>
        <source>The unit took none of the timers.</source>
        <translation>El aparato no aceptó ninguno de los temporizadores.</translation>
    </message>
    <message>
        <source>The unit took %1.</source>
        <translation>El aparato aceptó %1.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent.</source>
        <translation>El temporizador %1 no se envió.</translation>
    </message>
    <message>
        <source>Timers %1 to %2 were not sent.</source>
        <translation>Los temporizadores del %1 al %2 no se enviaron.</translation>
    </message>
</context>
<context>
    <name>SendRecord</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>The record of sends, %1, has grown past %2 and its oldest entries could not be dropped: %3. It is left whole.</source>
        <translation>El registro de envíos, %1, ha superado los %2 y no se pudieron eliminar sus entradas más antiguas: %3. Se deja entero.</translation>
    </message>
    <message>
        <source>This send could not be added to the record of sends, %1: another CV Timer window or cvtimerctl kept it locked for as long as this send could wait, and may have stopped responding.</source>
        <translation>Este envío no se pudo añadir al registro de envíos, %1: otra ventana de CV Timer o cvtimerctl lo mantuvo bloqueado todo el tiempo que este envío podía esperar, y quizá haya dejado de responder.</translation>
    </message>
    <message>
        <source>This send could not be added to the record of sends, %1: %2.</source>
        <translation>Este envío no se pudo añadir al registro de envíos, %1: %2.</translation>
    </message>
    <message>
        <source>The record of sends, %1, cannot be read: %2.</source>
        <translation>El registro de envíos, %1, no se puede leer: %2.</translation>
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
        <translation>desconocido: no hay ningún envío registrado aquí</translation>
    </message>
    <message>
        <source>not known: sent %1 without acknowledgement</source>
        <translation>desconocido: enviado el %1 sin confirmación</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>typed on the sheet</source>
        <translation>escrito en la hoja</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (modificado)</translation>
    </message>
    <message>
        <source>settings %1; name %2</source>
        <translation>ajustes: %1; nombre: %2</translation>
    </message>
    <message>
        <source>%1: its name went without acknowledgement</source>
        <translation>%1: su nombre se envió sin confirmación</translation>
    </message>
    <message>
        <source>%1: its settings went without acknowledgement</source>
        <translation>%1: sus ajustes se enviaron sin confirmación</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>a mano</translation>
    </message>
    <message>
        <source>day-part plan, not run</source>
        <translation>plan de franjas horarias, no aplicado</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2</source>
        <translation>plan de franjas horarias: %1, vigente desde %2</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2, %3 late</source>
        <translation>plan de franjas horarias: %1, vigente desde %2, con %3 de retraso</translation>
    </message>
    <message>
        <source>%1; missed before it: %2</source>
        <translation>%1; omitida antes: %2</translation>
    </message>
</context>
<context>
    <name>SerialAdvice</name>
    <message>
        <source>Connect the unit or choose another port from the Comm Port menu.</source>
        <translation>Conecte el aparato o elija otro puerto en el menú Puerto COM.</translation>
    </message>
    <message>
        <source>Connect the unit or name another device.</source>
        <translation>Conecte el aparato o indique otro dispositivo.</translation>
    </message>
    <message>
        <source>Add your user to the &apos;dialout&apos; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Añada su usuario al grupo «dialout» (sudo usermod -aG dialout $USER) y luego cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Close it and try again.</source>
        <translation>Ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and choose that port from the Comm Port menu.</source>
        <translation>Conecte el aparato, busque el número de su puerto COM en el Administrador de dispositivos (en «Puertos (COM y LPT)», o «Ports (COM &amp; LPT)» si Windows está en inglés) y elija ese puerto en el menú Puerto COM.</translation>
    </message>
    <message>
        <source>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and name that port.</source>
        <translation>Conecte el aparato, busque el número de su puerto COM en el Administrador de dispositivos (en «Puertos (COM y LPT)», o «Ports (COM &amp; LPT)» si Windows está en inglés) e indique ese puerto.</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer to let you use the port.</source>
        <translation>Pida al administrador de esta computadora que le permita usar el puerto.</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer to let you use %1.</source>
        <translation>Pida al administrador de esta computadora que le permita usar %1.</translation>
    </message>
    <message>
        <source>Close the other program using the port and try again.</source>
        <translation>Cierre el otro programa que está usando el puerto y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Close the other program using %1 and try again.</source>
        <translation>Cierre el otro programa que está usando %1 y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>No error.</source>
        <translation>Ningún error.</translation>
    </message>
    <message>
        <source>No serial device is connected for port %1.</source>
        <translation>No hay ningún dispositivo serie conectado para el puerto %1.</translation>
    </message>
    <message>
        <source>No serial device is connected.</source>
        <translation>No hay ningún dispositivo serie conectado.</translation>
    </message>
    <message>
        <source>There is no serial device %1.</source>
        <translation>No existe el dispositivo serie %1.</translation>
    </message>
    <message>
        <source>Permission denied opening %1.</source>
        <translation>Permiso denegado al abrir %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>Otro programa está usando %1.</translation>
    </message>
    <message>
        <source>The serial device is in use by another program.</source>
        <translation>Otro programa está usando el dispositivo serie.</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose another port.</source>
        <translation>%1 no es un dispositivo serie. Elija otro puerto.</translation>
    </message>
    <message>
        <source>%1 was disconnected. Reconnect it and try again.</source>
        <translation>%1 se desconectó. Vuelva a conectarlo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The serial device was disconnected. Reconnect it and try again.</source>
        <translation>El dispositivo serie se desconectó. Vuelva a conectarlo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 did not respond in time. Check that the unit is connected and switched on, then try again.</source>
        <translation>%1 no respondió a tiempo. Compruebe que el aparato esté conectado y encendido, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The serial device did not respond in time. Check that the unit is connected and switched on, then try again.</source>
        <translation>El dispositivo serie no respondió a tiempo. Compruebe que el aparato esté conectado y encendido, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings (%2).</source>
        <translation>%1 no acepta los parámetros de la línea (%2).</translation>
    </message>
    <message>
        <source>The serial device does not accept the line settings (%1).</source>
        <translation>El dispositivo serie no acepta los parámetros de la línea (%1).</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings.</source>
        <translation>%1 no acepta los parámetros de la línea.</translation>
    </message>
    <message>
        <source>The serial device does not accept the line settings.</source>
        <translation>El dispositivo serie no acepta los parámetros de la línea.</translation>
    </message>
    <message>
        <source>Cannot use %1 (%2).</source>
        <translation>No se puede usar %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot use the serial device (%1).</source>
        <translation>No se puede usar el dispositivo serie (%1).</translation>
    </message>
    <message>
        <source>Cannot use %1.</source>
        <translation>No se puede usar %1.</translation>
    </message>
    <message>
        <source>Cannot use the serial device.</source>
        <translation>No se puede usar el dispositivo serie.</translation>
    </message>
    <message>
        <source>Permission denied opening the serial device.</source>
        <translation>Permiso denegado al abrir el dispositivo serie.</translation>
    </message>
    <message>
        <source>The device is not a serial device. Choose another port.</source>
        <translation>El dispositivo no es un dispositivo serie. Elija otro puerto.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>unsupported baud rate %1</source>
        <translation>velocidad de %1 baudios no admitida</translation>
    </message>
    <message>
        <source>invalid descriptor</source>
        <translation>descriptor no válido</translation>
    </message>
    <message>
        <source>not a terminal</source>
        <translation>no es una terminal</translation>
    </message>
    <message>
        <source>it did not take %1</source>
        <translation>no aceptó %1</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>no es un puerto serie</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is larger than %2 MiB, far too large for a settings file. It is left as it is, and port 1 is used.</source>
        <translation>%1 ocupa más de %2 MiB, demasiado para un archivo de configuración. No se modifica y se usa el puerto 1.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is, and port 1 is used.</source>
        <translation>%1 no se puede leer: %2. No se modifica y se usa el puerto 1.</translation>
    </message>
</context>
<context>
    <name>SystemText</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>más de %1 bytes</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
</context>
<context>
    <name>TimerField</name>
    <message>
        <source>Timer Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Repeat Interval</source>
        <translation>Intervalo de repetición</translation>
    </message>
    <message>
        <source>Snooze Time</source>
        <translation>Tiempo de posposición</translation>
    </message>
    <message>
        <source>Message Priority</source>
        <translation>Prioridad del mensaje</translation>
    </message>
</context>
<context>
    <name>TimerFile</name>
    <message>
        <source>its name holds a line break</source>
        <translation>su nombre contiene un salto de línea</translation>
    </message>
    <message>
        <source>its name holds a control character (%1)</source>
        <translation>su nombre contiene un carácter de control (%1)</translation>
    </message>
    <message>
        <source>its name is %1 characters long, and a line of a timer file holds at most %2 with this timer&apos;s numbers</source>
        <translation>su nombre tiene %1 caracteres, y una línea de un archivo de temporizadores admite como máximo %2 con los números de este temporizador</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>The timer file</source>
        <translation>El archivo de temporizadores</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2</source>
        <translation>«%1», línea %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Cannot Create File</source>
        <translation>No se puede crear el archivo</translation>
    </message>
    <message>
        <source>Could Not Save Timers</source>
        <translation>No se pudieron guardar los temporizadores</translation>
    </message>
    <message>
        <source>Cannot Load Timer File</source>
        <translation>No se puede abrir el archivo de temporizadores</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>%1 no se puede crear: %2.</translation>
    </message>
    <message>
        <source>The timers could not be written to %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>No se pudieron escribir los temporizadores en %1: %2. Si ya había un archivo con ese nombre, no ha cambiado.</translation>
    </message>
    <message>
        <source>Timer %1 cannot be saved: %2. Change the name and save again. Nothing was written.</source>
        <translation>El temporizador %1 no se puede guardar: %2. Cambie el nombre y vuelva a guardar. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 no se puede abrir: %2.</translation>
    </message>
    <message>
        <source>%1: the file ends here, but a timer file has ten lines, one for each timer. Nothing was loaded.</source>
        <translation>%1: el archivo termina aquí, pero un archivo de temporizadores tiene diez líneas, una por temporizador. No se abrió nada.</translation>
    </message>
    <message>
        <source>%1: the line is longer than 127 characters. Nothing was loaded.</source>
        <translation>%1: la línea tiene más de 127 caracteres. No se abrió nada.</translation>
    </message>
    <message>
        <source>%1: the line must end in four numbers separated by commas (start, repeat, snooze, priority). Nothing was loaded.</source>
        <translation>%1: la línea debe terminar en cuatro números separados por comas (inicio, repetición, posposición, prioridad). No se abrió nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in UTF-8, as today&apos;s editors such as Notepad save text, so CV Timer converted its names from UTF-8. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>«%1» está en UTF-8, como guardan el texto los editores actuales, por ejemplo el Bloc de notas, así que CV Timer convirtió sus nombres desde UTF-8. Al guardar, el archivo se escribe en Latin-1, los caracteres que muestra un aparato Corvellan, como CV Timer ha hecho siempre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in Windows-1252, as older Windows editors save text, so CV Timer converted its names from Windows-1252. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>«%1» está en Windows-1252, como guardan el texto los editores antiguos de Windows, así que CV Timer convirtió sus nombres desde Windows-1252. Al guardar, el archivo se escribe en Latin-1, los caracteres que muestra un aparato Corvellan, como CV Timer ha hecho siempre.</translation>
    </message>
    <message>
        <source>Typographic quotation marks, dashes and ellipses in the names became the plain &apos; &quot; - and ..., which the unit shows.</source>
        <translation>Las comillas, rayas y puntos suspensivos tipográficos de los nombres se convirtieron en los simples &apos; &quot; - y ..., que el aparato muestra.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2, which a Corvellan unit cannot show.</source>
        <translation>El nombre del temporizador %1 contiene %2, que un aparato Corvellan no puede mostrar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in UTF-16 (&quot;Unicode&quot;), as Notepad can save text, so CV Timer converted its names from UTF-16. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>«%1» está en UTF-16 («Unicode»), como puede guardar el texto el Bloc de notas, así que CV Timer convirtió sus nombres desde UTF-16. Al guardar, el archivo se escribe en Latin-1, los caracteres que muestra un aparato Corvellan, como CV Timer ha hecho siempre.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>Timer %1</source>
        <extracomment>Inside a sentence: &quot;The unit took Timer 3 and Timer 4&apos;s settings.&quot;</extracomment>
        <translation>el temporizador %1</translation>
    </message>
    <message>
        <source>Timers %1 and %2</source>
        <translation>los temporizadores %1 y %2</translation>
    </message>
    <message>
        <source>Timers %1 to %2</source>
        <translation>los temporizadores del %1 al %2</translation>
    </message>
</context>
<context>
    <name>UnitNames</name>
    <message>
        <source>a control character (%1)</source>
        <translation>un carácter de control (%1)</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take: braces mark where a message begins and ends. Change the name and send again. Nothing was sent.</source>
        <translation>El nombre del temporizador %1 contiene %2 en la posición %3, que un aparato Corvellan no admite: las llaves marcan dónde empieza y termina un mensaje. Cambie el nombre y vuelva a enviar. No se envió nada.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take. Change the name and send again. Nothing was sent.</source>
        <translation>El nombre del temporizador %1 contiene %2 en la posición %3, que un aparato Corvellan no admite. Cambie el nombre y vuelva a enviar. No se envió nada.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show. Change the name and send again. Nothing was sent.</source>
        <translation>El nombre del temporizador %1 contiene %2 en la posición %3, que un aparato Corvellan no puede mostrar. Cambie el nombre y vuelva a enviar. No se envió nada.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show and a timer file cannot hold. Change the name and save again. Nothing was written.</source>
        <translation>El nombre del temporizador %1 contiene %2 en la posición %3, que un aparato Corvellan no puede mostrar y un archivo de temporizadores no puede contener. Cambie el nombre y vuelva a guardar. No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
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
        <translation>la carpeta en la que se inició CV Timer</translation>
    </message>
    <message>
        <source>your Documents folder</source>
        <translation>su carpeta Documentos</translation>
    </message>
    <message>
        <source>your Documents folder, as %1, where CV Timer was started, takes no new files</source>
        <translation>su carpeta Documentos, ya que %1, donde se inició CV Timer, no admite archivos nuevos</translation>
    </message>
    <message>
        <source>the folder CV Timer was started in, as your Documents folder could not be found or made</source>
        <translation>la carpeta en la que se inició CV Timer, ya que no se pudo encontrar ni crear su carpeta Documentos</translation>
    </message>
</context>
<context>
    <name>cv::AboutDialog</name>
    <message>
        <source>About CV Timer</source>
        <translation>Acerca de CV Timer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>CV Timer</source>
        <translation>CV Timer</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 CV Timer developers</source>
        <translation>Copyright © 2026 los desarrolladores de CV Timer</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior</translation>
    </message>
    <message>
        <source>Settings and timer files are kept in</source>
        <translation>Los archivos de configuración y de temporizadores se guardan en</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>why the program works in the folder above</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>The licences of the other software that CV Timer contains are in %1.</source>
        <translation>Las licencias del software de terceros que incluye CV Timer están en %1.</translation>
    </message>
</context>
<context>
    <name>cv::DayPartLine</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Send &amp;Now</source>
        <translation>Enviar a&amp;hora</translation>
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
        <translation>Franjas horarias: no se puede usar el plan. %1</translation>
    </message>
    <message>
        <source>Day parts: no part is due yet; the first, %1, starts at %2.</source>
        <translation>Franjas horarias: todavía no hay ninguna franja vigente; la primera, %1, rige a partir de %2.</translation>
    </message>
    <message>
        <source>Day parts: no part is due, and none starts again.</source>
        <translation>Franjas horarias: no hay ninguna franja vigente, y ninguna volverá a empezar.</translation>
    </message>
    <message>
        <source>Day parts: the unit holds %1, due since %2. Next change: %3 at %4.</source>
        <translation>Franjas horarias: el aparato tiene %1, vigente desde %2. Próximo cambio: %3, a partir de %4.</translation>
    </message>
    <message>
        <source>Day parts: the unit holds %1, due since %2.</source>
        <translation>Franjas horarias: el aparato tiene %1, vigente desde %2.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but a send by hand at %3 holds until the next change.</source>
        <translation>Franjas horarias: %1 está vigente desde %2, pero un envío manual del %3 rige hasta el próximo cambio.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but the unit does not hold its timers.</source>
        <translation>Franjas horarias: %1 está vigente desde %2, pero el aparato no tiene sus temporizadores.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but its timers cannot be sent. %3</source>
        <translation>Franjas horarias: %1 está vigente desde %2, pero sus temporizadores no se pueden enviar. %3</translation>
    </message>
    <message>
        <source>%1 sent to the unit at %2 by the day-part plan</source>
        <translation>El plan de franjas horarias envió %1 al aparato (%2)</translation>
    </message>
    <message>
        <source>Sending the due part&apos;s timers to the unit...</source>
        <translation>Enviando al aparato los temporizadores de la franja vigente...</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Franjas horarias</translation>
    </message>
    <message>
        <source>The timers of %1 were not sent</source>
        <translation>No se enviaron los temporizadores de %1</translation>
    </message>
</context>
<context>
    <name>cv::DayPartsWindow</name>
    <message>
        <source>Day Parts</source>
        <translation>Franjas horarias</translation>
    </message>
    <message>
        <source>&amp;Parts of the day:</source>
        <translation>&amp;Franjas del día:</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Franja</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Days or dates</source>
        <translation>Días o fechas</translation>
    </message>
    <message>
        <source>Timer file</source>
        <translation>Archivo de temporizadores</translation>
    </message>
    <message>
        <source>On the unit now</source>
        <translation>En el aparato ahora</translation>
    </message>
    <message>
        <source>Parts of the day</source>
        <translation>Franjas del día</translation>
    </message>
    <message>
        <source>&amp;Add Part</source>
        <translation>&amp;Agregar franja</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>&amp;Quitar franja</translation>
    </message>
    <message>
        <source>Choose Timer &amp;File...</source>
        <translation>&amp;Elegir archivo de temporizadores...</translation>
    </message>
    <message>
        <source>2026-12-25, 2027-01-01</source>
        <translation>2026-12-25, 2027-01-01</translation>
    </message>
    <message>
        <source>&amp;Closed on (no part starts):</source>
        <translation>Fechas de &amp;cierre (no empieza ninguna franja):</translation>
    </message>
    <message>
        <source>the port chosen in CV Timer</source>
        <translation>el puerto elegido en CV Timer</translation>
    </message>
    <message>
        <source>The unit&apos;s Comm P&amp;ort:</source>
        <translation>&amp;Puerto COM del aparato:</translation>
    </message>
    <message>
        <source>The &amp;week as the saved plan makes it:</source>
        <translation>La &amp;semana según el plan guardado:</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>La semana</translation>
    </message>
    <message>
        <source>&amp;Save Plan</source>
        <translation>&amp;Guardar plan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The plan: %1</source>
        <translation>El plan: %1</translation>
    </message>
    <message>
        <source>The plan on disk cannot be used as it is: %1 Saving here replaces it.</source>
        <translation>El plan en el disco no se puede usar tal como está: %1 Si guarda aquí, se reemplazará.</translation>
    </message>
    <message>
        <source>There is no plan yet: add a part for each part of the day, then save.</source>
        <translation>Todavía no hay ningún plan: agregue una franja por cada parte del día y luego guarde.</translation>
    </message>
    <message>
        <source>its timer file cannot be read</source>
        <translation>no se puede leer su archivo de temporizadores</translation>
    </message>
    <message>
        <source>on the unit</source>
        <translation>en el aparato</translation>
    </message>
    <message>
        <source>not on the unit</source>
        <translation>no está en el aparato</translation>
    </message>
    <message>
        <source>%1: closed, no part starts</source>
        <translation>%1: cerrado, no empieza ninguna franja</translation>
    </message>
    <message>
        <source>%1: only its dated parts start</source>
        <translation>%1: solo empiezan sus franjas con fecha</translation>
    </message>
    <message>
        <source>%1 (the clocks change from %2 to %3)</source>
        <translation>%1 (cambio de hora de %2 a %3)</translation>
    </message>
    <message>
        <source>    %1  %2</source>
        <translation>    %1  %2</translation>
    </message>
    <message>
        <source>New part</source>
        <translation>Nueva franja</translation>
    </message>
    <message>
        <source>Choose a part in the table first, then its timer file.</source>
        <translation>Elija primero una franja en la tabla y luego su archivo de temporizadores.</translation>
    </message>
    <message>
        <source>Timer File for %1</source>
        <translation>Archivo de temporizadores para %1</translation>
    </message>
    <message>
        <source>CV Timer (*.csv)</source>
        <translation>CV Timer (*.csv)</translation>
    </message>
    <message>
        <source>The plan was not saved</source>
        <translation>No se guardó el plan</translation>
    </message>
    <message>
        <source>Save changes to the day-part plan?</source>
        <translation>¿Guardar los cambios del plan de franjas horarias?</translation>
    </message>
    <message>
        <source>Your changes to the plan are lost if you don&apos;t save them.</source>
        <translation>Si no guarda los cambios del plan, se perderán.</translation>
    </message>
</context>
<context>
    <name>cv::DayPlanPicture</name>
    <message>
        <source>starts %1 after midnight: outside the day</source>
        <translation>empieza %1 después de la medianoche: fuera del día</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 at %2, with %3</source>
        <comment>%3 lists the other timers</comment>
        <translation>%1: %2, con %3</translation>
    </message>
</context>
<context>
    <name>cv::DayPlanWindow</name>
    <message>
        <source>Day plan picture</source>
        <translation>Imagen del plan del día</translation>
    </message>
    <message>
        <source>Clashes</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <source>&amp;Reminders by time (several timers at once in bold):</source>
        <translation>&amp;Recordatorios por hora (en negrita, varios temporizadores a la vez):</translation>
    </message>
    <message>
        <source>Reminders by time</source>
        <translation>Recordatorios por hora</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders; no two timers remind at the same minute.</source>
        <translation>
            <numerusform>%n recordatorio; no hay dos temporizadores que avisen en el mismo minuto.</numerusform>
            <numerusform>%n recordatorios; no hay dos temporizadores que avisen en el mismo minuto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Day Plan</source>
        <translation>Plan del día</translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation>Fuera del día: %1 empieza %2 después de la medianoche</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders.</source>
        <translation>
            <numerusform>%n recordatorio.</numerusform>
            <numerusform>%n recordatorios.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Red, taller ticks mark the minutes at which two or more timers remind together (%n):</source>
        <translation>
            <numerusform>La marca roja, más alta, señala el minuto en que dos o más temporizadores avisan a la vez (%n):</numerusform>
            <numerusform>Las marcas rojas, más altas, señalan los minutos en que dos o más temporizadores avisan a la vez (%n):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::PrintRecordDialog</name>
    <message>
        <source>Print Record</source>
        <translation>Imprimir registro</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Show as Te&amp;xt</source>
        <translation>Mostrar como te&amp;xto</translation>
    </message>
    <message>
        <source>What the unit on Port %1 held, day by day, as the record of sends tells it, for the days:</source>
        <translation>Lo que tuvo el aparato del puerto %1, día por día, según el registro de envíos, en los días:</translation>
    </message>
</context>
<context>
    <name>cv::RecordReportPages</name>
    <message>
        <source>What the Unit Held, Day by Day</source>
        <translation>Lo que tuvo el aparato, día por día</translation>
    </message>
    <message>
        <source>The unit on %1, as the record of sends tells it.</source>
        <translation>El aparato del %1, según el registro de envíos.</translation>
    </message>
    <message>
        <source>The record holds nothing for this day.</source>
        <translation>El registro no tiene nada de este día.</translation>
    </message>
    <message>
        <source>Gaps in what is known</source>
        <translation>Lagunas en lo que se sabe</translation>
    </message>
    <message>
        <source>Timer files sent</source>
        <translation>Archivos de temporizadores enviados</translation>
    </message>
    <message>
        <source>Record of sends in %1</source>
        <translation>Registro de envíos en %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>Unit on %1. Printed %2. Page %3 of %4.</source>
        <translation>Aparato del %1. Impreso el %2. Página %3 de %4.</translation>
    </message>
    <message>
        <source>Unit on %1. Printed %2.</source>
        <translation>Aparato del %1. Impreso el %2.</translation>
    </message>
</context>
<context>
    <name>cv::RecordTextWindow</name>
    <message>
        <source>Record, Day by Day</source>
        <translation>Registro, día por día</translation>
    </message>
    <message>
        <source>What the unit held, day by day</source>
        <translation>Lo que tuvo el aparato, día por día</translation>
    </message>
</context>
<context>
    <name>cv::SendProgressDialog</name>
    <message>
        <source>Sending Timers</source>
        <translation>Enviando temporizadores</translation>
    </message>
    <message>
        <source>Cancel Sending</source>
        <translation>Cancelar envío</translation>
    </message>
</context>
<context>
    <name>cv::SentToUnitWindow</name>
    <message>
        <source>What the unit holds</source>
        <translation>Lo que tiene el aparato</translation>
    </message>
    <message>
        <source>≠ on a red ground: the sheet differs from what the unit holds; the line under the table gives the sheet&apos;s value for the cell in focus. &quot;not known&quot;: the message went out but the unit did not acknowledge it, so it may or may not have taken it, or no send recorded here reached it.</source>
        <translation>≠ sobre fondo rojo: la hoja difiere de lo que tiene el aparato; la línea bajo la tabla muestra el valor de la hoja para la celda activa. «desconocido»: el mensaje salió, pero el aparato no lo confirmó, así que puede que lo haya aceptado o no; o bien ningún envío registrado aquí llegó a él.</translation>
    </message>
    <message>
        <source>Recent sends</source>
        <translation>Envíos recientes</translation>
    </message>
    <message>
        <source>Differs from the sheet, which has %1.</source>
        <translation>Difiere de la hoja, que tiene %1.</translation>
    </message>
    <message>
        <source>The sheet has: %1</source>
        <translation>La hoja tiene: %1</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <translation>Temporizador %1, %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: the unit holds %2; the sheet has %3.</source>
        <translation>%1: el aparato tiene %2; la hoja tiene %3.</translation>
    </message>
    <message>
        <source>%1: what the unit holds is not known.</source>
        <translation>%1: no se sabe lo que tiene el aparato.</translation>
    </message>
    <message>
        <source>%1: the unit holds %2, as the sheet does.</source>
        <translation>%1: el aparato tiene %2, igual que la hoja.</translation>
    </message>
    <message>
        <source>Sent to Unit</source>
        <translation>Enviado al aparato</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Temporizador %1</translation>
    </message>
    <message>
        <source>Recent sends to this unit, newest first:</source>
        <translation>Envíos recientes a este aparato, primero los más nuevos:</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 holds, as far as %n recorded sends to it tell:</source>
        <translation>
            <numerusform>Lo que tiene el aparato del puerto %1, según %n envío registrado a él:</numerusform>
            <numerusform>Lo que tiene el aparato del puerto %1, según %n envíos registrados a él:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 (%2) holds, as far as %n recorded sends to it tell:</source>
        <translation>
            <numerusform>Lo que tiene el aparato del puerto %1 (%2), según %n envío registrado a él:</numerusform>
            <numerusform>Lo que tiene el aparato del puerto %1 (%2), según %n envíos registrados a él:</numerusform>
        </translation>
    </message>
    <message>
        <source>The record knows only the sends made from this folder: %1</source>
        <translation>El registro solo conoce los envíos hechos desde esta carpeta: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of its entries, cut short or damaged, were left out.</source>
        <translation>
            <numerusform>Se omitió %n de sus entradas, que estaba incompleta o dañada.</numerusform>
            <numerusform>Se omitieron %n de sus entradas, que estaban incompletas o dañadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>How</source>
        <translation>Cómo</translation>
    </message>
</context>
<context>
    <name>cv::TimerApp</name>
    <message>
        <source>Save Timers</source>
        <translation>Guardar temporizadores</translation>
    </message>
    <message>
        <source>CV Timer (*.csv)</source>
        <translation>CV Timer (*.csv)</translation>
    </message>
    <message>
        <source>Load Timers</source>
        <translation>Abrir temporizadores</translation>
    </message>
    <message>
        <source>Could Not Save Timers</source>
        <translation>No se pudieron guardar los temporizadores</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Corvellan Timers Saved</source>
        <translation>Temporizadores Corvellan guardados</translation>
    </message>
    <message>
        <source>Cannot Load Timer File</source>
        <translation>No se puede abrir el archivo de temporizadores</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, so it has been taken off the Recent Files list.</source>
        <translation>«%1» ya no existe, así que se quitó de la lista Archivos recientes.</translation>
    </message>
    <message>
        <source>Its field is marked: change the name before saving or sending the timers.</source>
        <translation>El campo del nombre está marcado: cambie el nombre antes de guardar o enviar los temporizadores.</translation>
    </message>
    <message>
        <source>Timer File Converted</source>
        <translation>Archivo de temporizadores convertido</translation>
    </message>
    <message>
        <source>Save changes to the timers?</source>
        <translation>¿Guardar los cambios de los temporizadores?</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be created: %2.</source>
        <translation>No se puede crear «%1»: %2.</translation>
    </message>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;: %2. Any earlier file of that name is unchanged.</source>
        <translation>No se pudo escribir el PDF en «%1»: %2. Si ya había un archivo con ese nombre, no ha cambiado.</translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation>Temporizadores Corvellan</translation>
    </message>
    <message>
        <source>Could Not Print</source>
        <translation>No se pudo imprimir</translation>
    </message>
    <message>
        <source>Printing is not available: %1. File &gt; Export PDF... still makes the page as a PDF file.</source>
        <translation>La impresión no está disponible: %1. Archivo &gt; Exportar PDF... sigue generando la página como archivo PDF.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se pudo dibujar la página</translation>
    </message>
    <message>
        <source>Could Not Export PDF</source>
        <translation>No se pudo exportar el PDF</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>CVTimerSystem.ini asks for the language &quot;%1&quot;, which CV Timer does not speak, so it speaks English. Write en, es or fr as [Display] Language there.</source>
        <translation>CVTimerSystem.ini pide el idioma «%1», que CV Timer no habla, así que se muestra en inglés. Escriba allí en, es o fr como [Display] Language.</translation>
    </message>
    <message>
        <source>Could Not Read the Record</source>
        <translation>No se pudo leer el registro</translation>
    </message>
    <message>
        <source>Corvellan Record of Sends</source>
        <translation>Registro de envíos Corvellan</translation>
    </message>
    <message>
        <source>Printing is not available: %1. Export PDF... still makes the report as a PDF file.</source>
        <translation>La impresión no está disponible: %1. Exportar PDF... sigue generando el informe como archivo PDF.</translation>
    </message>
</context>
<context>
    <name>cv::TimerPage</name>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posposición</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation>Fuera del día: %1 empieza %2 después de la medianoche</translation>
    </message>
    <message>
        <source>Reminders by time (several timers at once in bold)</source>
        <translation>Recordatorios por hora (en negrita, varios temporizadores a la vez)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more; cvtimerctl plan lists them all</source>
        <translation>
            <numerusform>... y %n más; cvtimerctl plan los muestra todos</numerusform>
            <numerusform>... y %n más; cvtimerctl plan los muestra todos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::TimerSheetDialog</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Sending Timer %1 of %2</source>
        <translation>Enviando el temporizador %1 de %2</translation>
    </message>
    <message>
        <source>&amp;Send Timers</source>
        <translation>&amp;Enviar temporizadores</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a field&apos;s reading, then a doubt about it</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation>Temporizadores Corvellan</translation>
    </message>
    <message>
        <source>Corvellan Timers - %1</source>
        <translation>Temporizadores Corvellan - %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <source>Send &amp;Timers</source>
        <translation>&amp;Enviar temporizadores</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>&amp;Puerto COM</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Day Plan</source>
        <translation>&amp;Plan del día</translation>
    </message>
    <message>
        <source>&amp;Sent to Unit</source>
        <translation>&amp;Enviado al aparato</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de CV Timer</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Temporizador %1</translation>
    </message>
    <message>
        <source>Timer %1 %2</source>
        <comment>a field&apos;s name for a screen reader: timer number, field</comment>
        <translation>Temporizador %1, %2</translation>
    </message>
    <message>
        <source>Cannot Read Settings File</source>
        <translation>No se puede leer el archivo de configuración</translation>
    </message>
    <message>
        <source>A port chosen now holds until CV Timer ends.</source>
        <translation>El puerto que elija ahora se mantendrá hasta que cierre CV Timer.</translation>
    </message>
    <message>
        <source>Unknown Line Setting</source>
        <translation>Parámetro de línea desconocido</translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation>Puerto %1</translation>
    </message>
    <message>
        <source>Port %1 – %2</source>
        <comment>the port and the device it reaches</comment>
        <translation>Puerto %1 – %2</translation>
    </message>
    <message>
        <source>Serial Communications</source>
        <translation>Comunicación serie</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan</source>
        <translation>No se pudieron enviar los temporizadores al Corvellan</translation>
    </message>
    <message>
        <source>Unable to open selected serial port.
Select another serial port
and try again.</source>
        <translation>No se pudo abrir el puerto serie seleccionado.
Seleccione otro puerto serie
e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Timers Sent to Corvellan</source>
        <translation>Temporizadores enviados al Corvellan</translation>
    </message>
    <message>
        <source>View &gt; Sent to Unit shows what the unit holds now.</source>
        <translation>Ver &gt; Enviado al aparato muestra lo que tiene el aparato ahora.</translation>
    </message>
    <message>
        <source>Day P&amp;arts...</source>
        <translation>&amp;Franjas horarias...</translation>
    </message>
    <message>
        <source>Print Re&amp;cord...</source>
        <translation>Imprimir regis&amp;tro...</translation>
    </message>
</context>
<context>
    <name>cv::UserGuideWindow</name>
    <message>
        <source>CV Timer User Guide</source>
        <translation>Guía del usuario de CV Timer</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find in the guide</source>
        <translation>Buscar en la guía</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nowhere in the guide.</source>
        <translation>«%1» no aparece en la guía.</translation>
    </message>
</context>
<context>
    <name>cvtimerctl</name>
    <message>
        <source>cvtimerctl: the settings file asks for the language &quot;%1&quot; ([Display] Language), which CV Timer does not speak; it speaks English. Write en, es or fr there.</source>
        <translation>cvtimerctl: el archivo de configuración pide el idioma «%1» ([Display] Language), que CV Timer no habla; se muestra en inglés. Escriba allí en, es o fr.</translation>
    </message>
</context>
</TS>
