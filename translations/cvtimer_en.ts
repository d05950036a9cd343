<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
        <translation>Usage: cvtimerctl dayparts show [--plan FILE] [--at &quot;YYYY-MM-DD HH:MM&quot;] [--week]
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
</translation>
    </message>
    <message>
        <source>Next change: %1 at %2, %3.</source>
        <translation>Next change: %1 at %2, %3.</translation>
    </message>
    <message>
        <source>Plan: %1</source>
        <translation>Plan: %1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Days or dates</source>
        <translation>Days or dates</translation>
    </message>
    <message>
        <source>Timer file</source>
        <translation>Timer file</translation>
    </message>
    <message>
        <source>Closed: %1</source>
        <translation>Closed: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>closed: no part starts, the unit keeps what it holds</source>
        <translation>closed: no part starts, the unit keeps what it holds</translation>
    </message>
    <message>
        <source>only its dated parts start</source>
        <translation>only its dated parts start</translation>
    </message>
    <message>
        <source>the clocks change from %1 to %2</source>
        <translation>the clocks change from %1 to %2</translation>
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
        <translation>%1 (set for %2, in the hour the clocks skip)</translation>
    </message>
    <message>
        <source>cvtimerctl: there is no day-part plan: %1 does not exist.</source>
        <translation>cvtimerctl: there is no day-part plan: %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>At %1: %2 is due, since %3 (%4).</source>
        <translation>At %1: %2 is due, since %3 (%4).</translation>
    </message>
    <message>
        <source>At %1: no part is due; none started in the eight days before.</source>
        <translation>At %1: no part is due; none started in the eight days before.</translation>
    </message>
    <message>
        <source>Missed while the plan did not run: %1, due at %2, %3.</source>
        <translation>Missed while the plan did not run: %1, due at %2, %3.</translation>
    </message>
    <message>
        <source>No day part is due: none started in the eight days before now. The unit keeps what it holds.</source>
        <translation>No day part is due: none started in the eight days before now. The unit keeps what it holds.</translation>
    </message>
    <message>
        <source>The unit holds the timers of %1 already; nothing was sent.</source>
        <translation>The unit holds the timers of %1 already; nothing was sent.</translation>
    </message>
    <message>
        <source>A send by hand at %1, after %2 started, holds until the next change; the plan leaves the unit alone.</source>
        <translation>A send by hand at %1, after %2 started, holds until the next change; the plan leaves the unit alone.</translation>
    </message>
    <message>
        <source>%1 sent to the unit by the day-part plan, %2 after its start at %3.</source>
        <translation>%1 sent to the unit by the day-part plan, %2 after its start at %3.</translation>
    </message>
    <message>
        <source>%1 sent to the unit by the day-part plan, due at %2.</source>
        <translation>%1 sent to the unit by the day-part plan, due at %2.</translation>
    </message>
    <message>
        <source>The day-part plan could not send %1.</source>
        <translation>The day-part plan could not send %1.</translation>
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
        <translation>Usage: cvtimerctl emulate [options]

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
</translation>
    </message>
    <message>
        <source>%1: exists and is not a symbolic link</source>
        <translation>%1: exists and is not a symbolic link</translation>
    </message>
    <message>
        <source>pipe: %1</source>
        <translation>pipe: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal: %1</source>
        <translation>cannot open a pseudo-terminal: %1</translation>
    </message>
    <message>
        <source>cannot make the link %1</source>
        <translation>cannot make the link %1</translation>
    </message>
    <message>
        <source>the simulated unit runs on Linux only. On Windows, connect the unit,
or run the simulated unit on Linux and reach it through a serial cable.</source>
        <translation>the simulated unit runs on Linux only. On Windows, connect the unit,
or run the simulated unit on Linux and reach it through a serial cable.</translation>
    </message>
</context>
<context>
    <name>CtlHelp</name>
    <message>
        <source>print the timers of a timer file</source>
        <translation>print the timers of a timer file</translation>
    </message>
    <message>
        <source>print the day&apos;s reminders of a timer file and the clashes</source>
        <translation>print the day&apos;s reminders of a timer file and the clashes</translation>
    </message>
    <message>
        <source>send the timers of a timer file to the unit</source>
        <translation>send the timers of a timer file to the unit</translation>
    </message>
    <message>
        <source>show what the unit holds as far as the record of sends knows</source>
        <translation>show what the unit holds as far as the record of sends knows</translation>
    </message>
    <message>
        <source>list the serial ports and the devices they reach</source>
        <translation>list the serial ports and the devices they reach</translation>
    </message>
    <message>
        <source>play a Corvellan unit on a pseudo-terminal (Linux only)</source>
        <translation>play a Corvellan unit on a pseudo-terminal (Linux only)</translation>
    </message>
    <message>
        <source>Usage: cvtimerctl &lt;command&gt; [options]
       cvtimerctl &lt;command&gt; --help
       cvtimerctl --version

Commands:
</source>
        <translation>Usage: cvtimerctl &lt;command&gt; [options]
       cvtimerctl &lt;command&gt; --help
       cvtimerctl --version

Commands:
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>show the day-part plan, or send the part that is due</source>
        <translation>show the day-part plan, or send the part that is due</translation>
    </message>
    <message>
        <source>print what the unit held, day by day, by the record of sends</source>
        <translation>print what the unit held, day by day, by the record of sends</translation>
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
        <translation>Usage: cvtimerctl plan FILE

Prints the day the timers of a timer file make: every reminder in time
order (&quot;06:00 AM  Hands Washing&quot;), then the clashes, one line per minute
at which two or more timers remind, the names separated by commas.
Each timer reminds at its start time and then every repeat interval until
midnight; an interval of 0 reminds once. A timer that starts 24 hours or
more after midnight is listed as outside the day.

Exit status: 0 printed, 1 the file cannot be read, 2 wrong usage.

Options:
  --help    show this text
</translation>
    </message>
    <message>
        <source>Clashes:</source>
        <translation>Clashes:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Outside the day:</source>
        <translation>Outside the day:</translation>
    </message>
    <message>
        <source>%1 starts %2 after midnight</source>
        <translation>%1 starts %2 after midnight</translation>
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
        <translation>Usage: cvtimerctl ports

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
</translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>(from settings)</source>
        <translation>(from settings)</translation>
    </message>
    <message>
        <source>present</source>
        <translation>present</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>port 1, used because %1 was not read (see above)</source>
        <translation>port 1, used because %1 was not read (see above)</translation>
    </message>
    <message>
        <source>%1 chooses port %2, which does not exist.</source>
        <translation>%1 chooses port %2, which does not exist.</translation>
    </message>
    <message>
        <source>the port chosen in %1</source>
        <translation>the port chosen in %1</translation>
    </message>
    <message>
        <source>the port chosen in %1 (no such file: port 1)</source>
        <translation>the port chosen in %1 (no such file: port 1)</translation>
    </message>
</context>
<context>
    <name>CtlReport</name>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &apos;%2&apos;</source>
        <translation>%1 takes a date as YYYY-MM-DD, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>give --date or --from and --to, not both</source>
        <translation>give --date or --from and --to, not both</translation>
    </message>
    <message>
        <source>--from and --to go together</source>
        <translation>--from and --to go together</translation>
    </message>
    <message>
        <source>--to must not come before --from</source>
        <translation>--to must not come before --from</translation>
    </message>
    <message>
        <source>a report covers at most 366 days</source>
        <translation>a report covers at most 366 days</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Gaps in what is known:</source>
        <translation>Gaps in what is known:</translation>
    </message>
    <message>
        <source>Record of sends: %1</source>
        <translation>Record of sends: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unit: %1</translation>
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
        <translation>Usage: cvtimerctl report [--date YYYY-MM-DD | --from DATE --to DATE]
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
        <translation>Usage: cvtimerctl send FILE [--port N | --device PATH]

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
</translation>
    </message>
    <message>
        <source>Sending Timer %1 of %2</source>
        <translation>Sending Timer %1 of %2</translation>
    </message>
    <message>
        <source>sent %1</source>
        <translation>sent %1</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan</source>
        <translation>Unable to Send Timers to Corvellan</translation>
    </message>
    <message>
        <source>Unable to open selected serial port.</source>
        <translation>Unable to open selected serial port.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent.</source>
        <translation>Timer %1 was not sent.</translation>
    </message>
    <message>
        <source>%1 cvtimerctl sent shows what the unit holds now.</source>
        <translation>%1 cvtimerctl sent shows what the unit holds now.</translation>
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
        <translation>Usage: cvtimerctl sent [--port N | --device PATH] [--history]

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
</translation>
    </message>
    <message numerus="yes">
        <source>The unit on port %1, as %n recorded sends left it:</source>
        <translation>
            <numerusform>The unit on port %1, as %n recorded send left it:</numerusform>
            <numerusform>The unit on port %1, as %n recorded sends left it:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The unit on %1, as %n recorded sends left it:</source>
        <translation>
            <numerusform>The unit on %1, as %n recorded send left it:</numerusform>
            <numerusform>The unit on %1, as %n recorded sends left it:</numerusform>
        </translation>
    </message>
    <message>
        <source>No sends recorded.</source>
        <translation>No sends recorded.</translation>
    </message>
    <message>
        <source>No sends recorded to the unit on port %1.</source>
        <translation>No sends recorded to the unit on port %1.</translation>
    </message>
    <message>
        <source>No sends recorded to the unit on %1.</source>
        <translation>No sends recorded to the unit on %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are of the record cut short or damaged, and left out.</source>
        <translation>
            <numerusform>%n entry is of the record cut short or damaged, and left out.</numerusform>
            <numerusform>%n entries are of the record cut short or damaged, and left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record knows only the sends made from this folder: %1</source>
        <translation>The record knows only the sends made from this folder: %1</translation>
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
        <translation>Usage: cvtimerctl show FILE

Prints the ten timers of a timer file as a table: name, start time, repeat
interval, snooze time and priority, the times as the sheet shows them.
A name with leading blanks, or made of blanks only, is shown in quotes;
a control character in a name is shown as \xNN. A file saved in UTF-8 or
Windows-1252 by another editor is converted, and stderr says so.

Exit status: 0 shown, 1 the file cannot be read, 2 wrong usage.

Options:
  --help    show this text
</translation>
    </message>
</context>
<context>
    <name>CtlTable</name>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Snooze</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>When</source>
        <translation>When</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>How</source>
        <translation>How</translation>
    </message>
</context>
<context>
    <name>CtlUsage</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 takes a whole number, not &apos;%2&apos;</source>
        <translation>%1 takes a whole number, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--link needs a path</source>
        <translation>--link needs a path</translation>
    </message>
    <message>
        <source>--wrong-byte takes one character or 0xNN, not &apos;%1&apos;</source>
        <translation>--wrong-byte takes one character or 0xNN, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535, not &apos;%1&apos;</source>
        <translation>--port takes a number from 1 to 65535, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>give --port or --device, not both</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unknown argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--root needs a folder</source>
        <translation>--root needs a folder</translation>
    </message>
    <message>
        <source>only one FILE, please</source>
        <translation>only one FILE, please</translation>
    </message>
    <message>
        <source>which timer file?</source>
        <translation>which timer file?</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--at takes a moment as &quot;YYYY-MM-DD HH:MM&quot;, not &apos;%1&apos;</source>
        <translation>--at takes a moment as &quot;YYYY-MM-DD HH:MM&quot;, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>show or run?</source>
        <translation>show or run?</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>DayParts</name>
    <message>
        <source>%1, line %2: Closed= is given twice in [Plan]; keep one line and list every date on it.</source>
        <translation>%1, line %2: Closed= is given twice in [Plan]; keep one line and list every date on it.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a date. Write dates as 2026-12-25 (year, month, day), separated by commas.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a date. Write dates as 2026-12-25 (year, month, day), separated by commas.</translation>
    </message>
    <message>
        <source>%1, line %2: Port= is given twice in [Plan]; keep one.</source>
        <translation>%1, line %2: Port= is given twice in [Plan]; keep one.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a Comm Port. Write Port= and a number from 1 to 65535, or leave the line out to use the port chosen in CV Timer.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a Comm Port. Write Port= and a number from 1 to 65535, or leave the line out to use the port chosen in CV Timer.</translation>
    </message>
    <message>
        <source>%1, line %2: [Plan] has no setting &quot;%3&quot;. Its settings are Closed= and Port=.</source>
        <translation>%1, line %2: [Plan] has no setting &quot;%3&quot;. Its settings are Closed= and Port=.</translation>
    </message>
    <message>
        <source>%1, line %2: a day part has no setting &quot;%3&quot;. Its settings are Start=, Days= or Dates=, and Sheet=.</source>
        <translation>%1, line %2: a day part has no setting &quot;%3&quot;. Its settings are Start=, Days= or Dates=, and Sheet=.</translation>
    </message>
    <message>
        <source>%1, line %2: [%3] has %4= twice (also on line %5); keep one.</source>
        <translation>%1, line %2: [%3] has %4= twice (also on line %5); keep one.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a time of day as a plan takes it. Write the start as 5:30 AM or as 17:30.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a time of day as a plan takes it. Write the start as 5:30 AM or as 17:30.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a day. Write Mon, Tue, Wed, Thu, Fri, Sat or Sun, a range such as Mon-Fri, a list such as Fri, Sat, or Every day.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a day. Write Mon, Tue, Wed, Thu, Fri, Sat or Sun, a range such as Mon-Fri, a list such as Fri, Sat, or Every day.</translation>
    </message>
    <message>
        <source>%1, line %2: Sheet= names no timer file. Write the timer file to send, such as Sheet=lunch.csv.</source>
        <translation>%1, line %2: Sheet= names no timer file. Write the timer file to send, such as Sheet=lunch.csv.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is neither a [section], a Key=value line nor a comment. A day part is a [Name] line followed by its Start=, Days= or Dates=, and Sheet= lines.</source>
        <translation>%1, line %2: &quot;%3&quot; is neither a [section], a Key=value line nor a comment. A day part is a [Name] line followed by its Start=, Days= or Dates=, and Sheet= lines.</translation>
    </message>
    <message>
        <source>%1, line %2: a section needs a name between its brackets, such as [Lunch].</source>
        <translation>%1, line %2: a section needs a name between its brackets, such as [Lunch].</translation>
    </message>
    <message>
        <source>%1, line %2: there is a second [Plan]; put its settings in the first.</source>
        <translation>%1, line %2: there is a second [Plan]; put its settings in the first.</translation>
    </message>
    <message>
        <source>%1, line %2: there is a second [%3] (the first is on line %4); give each day part a name of its own.</source>
        <translation>%1, line %2: there is a second [%3] (the first is on line %4); give each day part a name of its own.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; stands before the first section. Put it under [Plan] or under a day part&apos;s [Name].</source>
        <translation>%1, line %2: &quot;%3&quot; stands before the first section. Put it under [Plan] or under a day part&apos;s [Name].</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has no Start=. Add a line such as Start=5:30 AM.</source>
        <translation>%1, line %2: the day part [%3] has no Start=. Add a line such as Start=5:30 AM.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has no Sheet=. Add a line naming the timer file to send, such as Sheet=lunch.csv.</source>
        <translation>%1, line %2: the day part [%3] has no Sheet=. Add a line naming the timer file to send, such as Sheet=lunch.csv.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has neither Days= nor Dates=. Add Days=Every day, Days=Mon-Fri or Dates=2026-12-24.</source>
        <translation>%1, line %2: the day part [%3] has neither Days= nor Dates=. Add Days=Every day, Days=Mon-Fri or Dates=2026-12-24.</translation>
    </message>
    <message>
        <source>%1, line %2: the day part [%3] has both Days= and Dates=. A dated part starts only on its dates: make it a part of its own.</source>
        <translation>%1, line %2: the day part [%3] has both Days= and Dates=. A dated part starts only on its dates: make it a part of its own.</translation>
    </message>
    <message>
        <source>%1, line %2: [%3] and [%4] both start at %5 on %6. Only one part can start at a time: give one of them another Start=.</source>
        <translation>%1, line %2: [%3] and [%4] both start at %5 on %6. Only one part can start at a time: give one of them another Start=.</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16 (&quot;Unicode&quot;), which a plan cannot be. Open it in Notepad, choose Save As, set Encoding to UTF-8 and save it again.</source>
        <translation>%1 is saved as UTF-16 (&quot;Unicode&quot;), which a plan cannot be. Open it in Notepad, choose Save As, set Encoding to UTF-8 and save it again.</translation>
    </message>
    <message>
        <source>%1 holds no day part. Add a section for each part of the day: a [Name] line, then Start=, Days= or Dates=, and Sheet=.</source>
        <translation>%1 holds no day part. Add a section for each part of the day: a [Name] line, then Start=, Days= or Dates=, and Sheet=.</translation>
    </message>
    <message>
        <source>%1 is larger than a day-part plan can be (%2 KiB); it is not read.</source>
        <translation>%1 is larger than a day-part plan can be (%2 KiB); it is not read.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is not replaced: %2.</source>
        <translation>%1 cannot be read, so it is not replaced: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. The plan on disk is as it was.</source>
        <translation>%1 cannot be written: %2. The plan on disk is as it was.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3); waiting up to %4 seconds for it.</source>
        <translation>%1 is in use by %2 (process %3); waiting up to %4 seconds for it.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; waiting up to %2 seconds for it.</source>
        <translation>%1 is in use by another program; waiting up to %2 seconds for it.</translation>
    </message>
    <message>
        <source>%1 is still in use by %2 (process %3) after %4 seconds. Close that program, or send later.</source>
        <translation>%1 is still in use by %2 (process %3) after %4 seconds. Close that program, or send later.</translation>
    </message>
    <message>
        <source>The timers of %1 cannot be sent: %2 The unit keeps what it holds.</source>
        <translation>The timers of %1 cannot be sent: %2 The unit keeps what it holds.</translation>
    </message>
    <message>
        <source>%1, line %2: the name of [%3] holds a control character. Give the part a name of letters, digits and punctuation.</source>
        <translation>%1, line %2: the name of [%3] holds a control character. Give the part a name of letters, digits and punctuation.</translation>
    </message>
    <message>
        <source>Row %1: give the part a name of its own, without brackets, such as Lunch.</source>
        <translation>Row %1: give the part a name of its own, without brackets, such as Lunch.</translation>
    </message>
    <message>
        <source>Row %1 (%2): &quot;%3&quot; is not a time of day. Write the start as 5:30 AM or as 17:30.</source>
        <translation>Row %1 (%2): &quot;%3&quot; is not a time of day. Write the start as 5:30 AM or as 17:30.</translation>
    </message>
    <message>
        <source>Row %1 (%2): &quot;%3&quot; are neither days nor dates. Write Every day, Mon-Fri or Fri, Sat, or dates such as 2026-12-24.</source>
        <translation>Row %1 (%2): &quot;%3&quot; are neither days nor dates. Write Every day, Mon-Fri or Fri, Sat, or dates such as 2026-12-24.</translation>
    </message>
    <message>
        <source>Row %1 (%2) has no timer file. Choose the timer file to send for it.</source>
        <translation>Row %1 (%2) has no timer file. Choose the timer file to send for it.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Write the closed dates as 2026-12-25 (year, month, day), separated by commas.</source>
        <translation>&quot;%1&quot; is not a date. Write the closed dates as 2026-12-25 (year, month, day), separated by commas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Comm Port. Write a number from 1 to 65535, or leave it empty to use the port chosen in CV Timer.</source>
        <translation>&quot;%1&quot; is not a Comm Port. Write a number from 1 to 65535, or leave it empty to use the port chosen in CV Timer.</translation>
    </message>
</context>
<context>
    <name>DayPlan</name>
    <message>
        <source>each timer from its Start Time, every Repeat Interval, until midnight</source>
        <translation>each timer from its Start Time, every Repeat Interval, until midnight</translation>
    </message>
</context>
<context>
    <name>FieldReading</name>
    <message>
        <source>The field is empty, so it reads as 0.</source>
        <translation>The field is empty, so it reads as 0.</translation>
    </message>
    <message>
        <source>There is no number in %1, so it reads as 0.</source>
        <translation>There is no number in %1, so it reads as 0.</translation>
    </message>
    <message>
        <source>A Message Priority is one digit, 0 to 9; %1 reads as %2.</source>
        <translation>A Message Priority is one digit, 0 to 9; %1 reads as %2.</translation>
    </message>
    <message>
        <source>A Start Time of 24 hours or more lies outside the day; the day plan leaves this timer out.</source>
        <translation>A Start Time of 24 hours or more lies outside the day; the day plan leaves this timer out.</translation>
    </message>
    <message>
        <source>%1 after midnight</source>
        <translation>%1 after midnight</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read as %2, not %3: type %4 for %3.</source>
        <translation>&quot;%1&quot; is read as %2, not %3: type %4 for %3.</translation>
    </message>
    <message>
        <source>Character %1 of the name is %2, which a Corvellan unit cannot take: Send Timers refuses to send until it is changed.</source>
        <translation>Character %1 of the name is %2, which a Corvellan unit cannot take: Send Timers refuses to send until it is changed.</translation>
    </message>
    <message>
        <source>Character %1 of the name is %2, which a Corvellan unit cannot show: Save and Send Timers refuse the name until it is changed.</source>
        <translation>Character %1 of the name is %2, which a Corvellan unit cannot show: Save and Send Timers refuse the name until it is changed.</translation>
    </message>
    <message>
        <source>Message Priority of Timer %1 reads as %2</source>
        <translation>Message Priority of Timer %1 reads as %2</translation>
    </message>
    <message numerus="yes">
        <source>Start Time of Timer %1 reads as %2 (%n minutes)</source>
        <translation>
            <numerusform>Start Time of Timer %1 reads as %2 (%n minute)</numerusform>
            <numerusform>Start Time of Timer %1 reads as %2 (%n minutes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Repeat Interval of Timer %1 reads as 0 minutes: the timer reminds once</source>
        <translation>Repeat Interval of Timer %1 reads as 0 minutes: the timer reminds once</translation>
    </message>
    <message>
        <source>Snooze Time of Timer %1 reads as 0 minutes</source>
        <translation>Snooze Time of Timer %1 reads as 0 minutes</translation>
    </message>
    <message numerus="yes">
        <source>Repeat Interval of Timer %1 reads as every %2 (%n minutes)</source>
        <translation>
            <numerusform>Repeat Interval of Timer %1 reads as every %2 (%n minute)</numerusform>
            <numerusform>Repeat Interval of Timer %1 reads as every %2 (%n minutes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Snooze Time of Timer %1 reads as every %2 (%n minutes)</source>
        <translation>
            <numerusform>Snooze Time of Timer %1 reads as every %2 (%n minute)</numerusform>
            <numerusform>Snooze Time of Timer %1 reads as every %2 (%n minutes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LineSetting</name>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a line setting CV Timer knows. [SerialComm] takes PortNo, Parity, StopBits and FlowControl: correct the name, or remove the line for 8 data bits, no parity, 1 stop bit and no flow control. Nothing is sent until then.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a line setting CV Timer knows. [SerialComm] takes PortNo, Parity, StopBits and FlowControl: correct the name, or remove the line for 8 data bits, no parity, 1 stop bit and no flow control. Nothing is sent until then.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a parity CV Timer knows. Write Parity=%4, or remove the line for no parity. Nothing is sent until then.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a parity CV Timer knows. Write Parity=%4, or remove the line for no parity. Nothing is sent until then.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a number of stop bits CV Timer knows. Write StopBits=%4, or remove the line for 1 stop bit. Nothing is sent until then.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a number of stop bits CV Timer knows. Write StopBits=%4, or remove the line for 1 stop bit. Nothing is sent until then.</translation>
    </message>
    <message>
        <source>%1, line %2: &quot;%3&quot; is not a flow control CV Timer knows. Write FlowControl=%4, or remove the line for no flow control. Nothing is sent until then.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a flow control CV Timer knows. Write FlowControl=%4, or remove the line for no flow control. Nothing is sent until then.</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>%1 baud</source>
        <translation>%1 baud</translation>
    </message>
    <message>
        <source>8 data bits</source>
        <translation>8 data bits</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>no parity</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>odd parity</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>even parity</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>mark parity</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>space parity</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 stop bit</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 stop bits</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>no flow control</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <translation>RTS/CTS flow control</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>XON/XOFF flow control</translation>
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
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The desktop&apos;s notification service could not be reached (notify-send from libnotify-bin, or gdbus, and a desktop session are needed).</source>
        <translation>The desktop&apos;s notification service could not be reached (notify-send from libnotify-bin, or gdbus, and a desktop session are needed).</translation>
    </message>
    <message>
        <source>The notice could not be shown: %1.</source>
        <translation>The notice could not be shown: %1.</translation>
    </message>
    <message>
        <source>The notice could not be shown: there is no notification area (no desktop session).</source>
        <translation>The notice could not be shown: there is no notification area (no desktop session).</translation>
    </message>
    <message>
        <source>CV Timer: the unit is right again</source>
        <translation>CV Timer: the unit is right again</translation>
    </message>
    <message>
        <source>%1 sent to the unit at %2 by the day-part plan.</source>
        <translation>%1 sent to the unit at %2 by the day-part plan.</translation>
    </message>
    <message>
        <source>CV Timer: the day-part plan cannot be used</source>
        <translation>CV Timer: the day-part plan cannot be used</translation>
    </message>
    <message>
        <source>CV Timer: %1 was not sent</source>
        <translation>CV Timer: %1 was not sent</translation>
    </message>
    <message>
        <source>%1 The unit keeps what it holds; the plan tries again at its next run.</source>
        <translation>%1 The unit keeps what it holds; the plan tries again at its next run.</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>USB device %1:%2</source>
        <translation>USB device %1:%2</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>built-in serial port</translation>
    </message>
    <message>
        <source>no serial device for port %1 (%2 found)</source>
        <translation>no serial device for port %1 (%2 found)</translation>
    </message>
    <message>
        <source>no serial device for port %1</source>
        <translation>no serial device for port %1</translation>
    </message>
</context>
<context>
    <name>PortMenu</name>
    <message>
        <source>Port %1: no serial device</source>
        <translation>Port %1: no serial device</translation>
    </message>
    <message>
        <source>Port %1 would reach %2, which is not connected</source>
        <translation>Port %1 would reach %2, which is not connected</translation>
    </message>
    <message>
        <source>Port %1 reaches %2</source>
        <translation>Port %1 reaches %2</translation>
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
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File &amp;name:</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Directory:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Show &amp;hidden files</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
File not found.
Please verify the correct file name was given.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Are you sure you want to delete &apos;%1&apos;?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Invalid filename</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Page size:</source>
        <translation>Page size:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Paper source:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pages per sheet:</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Page order:</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print To File ...</source>
        <translation>Print To File ...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 is a directory.
Please choose a different file name.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>File %1 is not writable.
Please choose a different file name.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 already exists.
Do you want to overwrite it?</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies:</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Page Set:</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Output &amp;file:</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>not sent</source>
        <translation>not sent</translation>
    </message>
    <message>
        <source>%1, first sent at %2</source>
        <translation>%1, first sent at %2</translation>
    </message>
    <message>
        <source>The record holds no sends: what the unit held is not known.</source>
        <translation>The record holds no sends: what the unit held is not known.</translation>
    </message>
    <message>
        <source>The record begins on this day, at %1: what the unit held before then is not known.</source>
        <translation>The record begins on this day, at %1: what the unit held before then is not known.</translation>
    </message>
    <message>
        <source>Held when the day began</source>
        <translation>Held when the day began</translation>
    </message>
    <message>
        <source>held when the day began</source>
        <translation>held when the day began</translation>
    </message>
    <message>
        <source>partly not known</source>
        <translation>partly not known</translation>
    </message>
    <message>
        <source>When the day began, the record knew none of the timers the unit held.</source>
        <translation>When the day began, the record knew none of the timers the unit held.</translation>
    </message>
    <message>
        <source>When the day began, the record did not know what the unit held of %1.</source>
        <translation>When the day began, the record did not know what the unit held of %1.</translation>
    </message>
    <message>
        <source>a part was missed</source>
        <translation>a part was missed</translation>
    </message>
    <message>
        <source>At %1 the day-part plan noted a part it missed: %2</source>
        <translation>At %1 the day-part plan noted a part it missed: %2</translation>
    </message>
    <message>
        <source>day-part plan: %1</source>
        <translation>day-part plan: %1</translation>
    </message>
    <message>
        <source>missed: the plan did not run while it was due</source>
        <translation>missed: the plan did not run while it was due</translation>
    </message>
    <message>
        <source>%1, due at %2, was missed: the day-part plan did not run while it was due, so the unit kept what it held. The plan noted it at %3.</source>
        <translation>%1, due at %2, was missed: the day-part plan did not run while it was due, so the unit kept what it held. The plan noted it at %3.</translation>
    </message>
    <message>
        <source>UTC offset changed from %1 to %2</source>
        <translation>UTC offset changed from %1 to %2</translation>
    </message>
    <message>
        <source>Between %1 and %2 the PC&apos;s offset from UTC changed from %3 to %4: the clocks changed, or the PC&apos;s clock was set. Each time here is as the PC&apos;s clock showed it then.</source>
        <translation>Between %1 and %2 the PC&apos;s offset from UTC changed from %3 to %4: the clocks changed, or the PC&apos;s clock was set. Each time here is as the PC&apos;s clock showed it then.</translation>
    </message>
    <message>
        <source>At %1 the day-part plan was not run; the unit kept what it held. The record says: %2</source>
        <translation>At %1 the day-part plan was not run; the unit kept what it held. The record says: %2</translation>
    </message>
    <message>
        <source>At %1 the day-part plan did not switch to %2, due at %3; the unit kept what it held. The record says: %4</source>
        <translation>At %1 the day-part plan did not switch to %2, due at %3; the unit kept what it held. The record says: %4</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) reached none of the timers; the unit kept what it held. The record says: %4</source>
        <translation>At %1 a send (%2, %3) reached none of the timers; the unit kept what it held. The record says: %4</translation>
    </message>
    <message>
        <source>The record holds no sends.</source>
        <translation>The record holds no sends.</translation>
    </message>
    <message>
        <source>The record goes back to %1. It keeps only its newest entries, dropping the oldest once it passes 1 MiB: anything before then is not in it.</source>
        <translation>The record goes back to %1. It keeps only its newest entries, dropping the oldest once it passes 1 MiB: anything before then is not in it.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries of the record, cut short or damaged, were left out.</source>
        <translation>
            <numerusform>%n entry of the record, cut short or damaged, was left out.</numerusform>
            <numerusform>%n entries of the record, cut short or damaged, were left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>The days to report must be given as YYYY-MM-DD, the first not after the last.</source>
        <translation>The days to report must be given as YYYY-MM-DD, the first not after the last.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>UTC offset</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>by hand, %1</source>
        <translation>by hand, %1</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2, on time</source>
        <translation>day-part plan: %1, due %2, on time</translation>
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
        <translation>The record does not go back to this day: its oldest entry is from %1. What the unit held is not known.</translation>
    </message>
    <message>
        <source>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</source>
        <translation>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</translation>
    </message>
    <message>
        <source>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway; the timers the send did not get to kept what they held. The record says: %4</source>
        <translation>At %1 the day-part plan&apos;s switch to %2, due at %3, stopped partway; the timers the send did not get to kept what they held. The record says: %4</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</source>
        <translation>At %1 a send (%2, %3) stopped partway. What the unit holds of %4 is not known from then on; the timers the send did not get to kept what they held. The record says: %5</translation>
    </message>
    <message>
        <source>At %1 a send (%2, %3) stopped partway; the timers it did not get to kept what they held. The record says: %4</source>
        <translation>At %1 a send (%2, %3) stopped partway; the timers it did not get to kept what they held. The record says: %4</translation>
    </message>
</context>
<context>
    <name>SendFailure</name>
    <message>
        <source>byte %1</source>
        <translation>byte %1</translation>
    </message>
    <message>
        <source>the unit acknowledged its settings message.</source>
        <translation>the unit acknowledged its settings message.</translation>
    </message>
    <message>
        <source>the unit acknowledged its name message.</source>
        <translation>the unit acknowledged its name message.</translation>
    </message>
    <message>
        <source>the unit did not answer its settings message within a second.</source>
        <translation>the unit did not answer its settings message within a second.</translation>
    </message>
    <message>
        <source>the unit did not answer its name message within a second.</source>
        <translation>the unit did not answer its name message within a second.</translation>
    </message>
    <message>
        <source>the unit answered its settings message with %1 instead of &quot;g&quot;.</source>
        <translation>the unit answered its settings message with %1 instead of &quot;g&quot;.</translation>
    </message>
    <message>
        <source>the unit answered its name message with %1 instead of &quot;g&quot;.</source>
        <translation>the unit answered its name message with %1 instead of &quot;g&quot;.</translation>
    </message>
    <message>
        <source>its settings message could not be written.</source>
        <translation>its settings message could not be written.</translation>
    </message>
    <message>
        <source>its name message could not be written.</source>
        <translation>its name message could not be written.</translation>
    </message>
    <message>
        <source>sending was cancelled.</source>
        <translation>sending was cancelled.</translation>
    </message>
    <message>
        <source>Timer %1 was sent.</source>
        <translation>Timer %1 was sent.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent: %2</source>
        <translation>Timer %1 was not sent: %2</translation>
    </message>
</context>
<context>
    <name>SendOutcome</name>
    <message>
        <source>Timers Sent to Corvellan</source>
        <translation>Timers Sent to Corvellan</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan. %1</source>
        <translation>Unable to Send Timers to Corvellan. %1</translation>
    </message>
    <message>
        <source>Timer %1&apos;s settings</source>
        <translation>Timer %1&apos;s settings</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name</source>
        <translation>Timer %1&apos;s name</translation>
    </message>
    <message>
        <source>Timer %1&apos;s settings and name</source>
        <translation>Timer %1&apos;s settings and name</translation>
    </message>
    <message>
        <source>The unit took none of the timers; whether it took %1 is not known.</source>
        <translation>The unit took none of the timers; whether it took %1 is not known.</translation>
    </message>
    <message>
        <source>The unit took %1; whether it took %2 is not known.</source>
        <translation>The unit took %1; whether it took %2 is not known.</translation>
    </message>
    <message>
        <source>The unit took none of the timers.</source>
        <translation>The unit took none of the timers.</translation>
    </message>
    <message>
        <source>The unit took %1.</source>
        <translation>The unit took %1.</translation>
    </message>
    <message>
        <source>Timer %1 was not sent.</source>
        <translation>Timer %1 was not sent.</translation>
    </message>
    <message>
        <source>Timers %1 to %2 were not sent.</source>
        <translation>Timers %1 to %2 were not sent.</translation>
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
        <translation>The record of sends, %1, has grown past %2 and its oldest entries could not be dropped: %3. It is left whole.</translation>
    </message>
    <message>
        <source>This send could not be added to the record of sends, %1: another CV Timer window or cvtimerctl kept it locked for as long as this send could wait, and may have stopped responding.</source>
        <translation>This send could not be added to the record of sends, %1: another CV Timer window or cvtimerctl kept it locked for as long as this send could wait, and may have stopped responding.</translation>
    </message>
    <message>
        <source>This send could not be added to the record of sends, %1: %2.</source>
        <translation>This send could not be added to the record of sends, %1: %2.</translation>
    </message>
    <message>
        <source>The record of sends, %1, cannot be read: %2.</source>
        <translation>The record of sends, %1, cannot be read: %2.</translation>
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
        <translation>not known: no send recorded here</translation>
    </message>
    <message>
        <source>not known: sent %1 without acknowledgement</source>
        <translation>not known: sent %1 without acknowledgement</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>not known</translation>
    </message>
    <message>
        <source>typed on the sheet</source>
        <translation>typed on the sheet</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (changed)</translation>
    </message>
    <message>
        <source>settings %1; name %2</source>
        <translation>settings %1; name %2</translation>
    </message>
    <message>
        <source>%1: its name went without acknowledgement</source>
        <translation>%1: its name went without acknowledgement</translation>
    </message>
    <message>
        <source>%1: its settings went without acknowledgement</source>
        <translation>%1: its settings went without acknowledgement</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>by hand</translation>
    </message>
    <message>
        <source>day-part plan, not run</source>
        <translation>day-part plan, not run</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2</source>
        <translation>day-part plan: %1, due %2</translation>
    </message>
    <message>
        <source>day-part plan: %1, due %2, %3 late</source>
        <translation>day-part plan: %1, due %2, %3 late</translation>
    </message>
    <message>
        <source>%1; missed before it: %2</source>
        <translation>%1; missed before it: %2</translation>
    </message>
</context>
<context>
    <name>SerialAdvice</name>
    <message>
        <source>Connect the unit or choose another port from the Comm Port menu.</source>
        <translation>Connect the unit or choose another port from the Comm Port menu.</translation>
    </message>
    <message>
        <source>Connect the unit or name another device.</source>
        <translation>Connect the unit or name another device.</translation>
    </message>
    <message>
        <source>Add your user to the &apos;dialout&apos; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Add your user to the &apos;dialout&apos; group (sudo usermod -aG dialout $USER), then log out and in again.</translation>
    </message>
    <message>
        <source>Close it and try again.</source>
        <translation>Close it and try again.</translation>
    </message>
    <message>
        <source>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and choose that port from the Comm Port menu.</source>
        <translation>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and choose that port from the Comm Port menu.</translation>
    </message>
    <message>
        <source>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and name that port.</source>
        <translation>Connect the unit, look up the number of its COM port in Device Manager (under &quot;Ports (COM &amp; LPT)&quot;) and name that port.</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer to let you use the port.</source>
        <translation>Ask the administrator of this computer to let you use the port.</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer to let you use %1.</source>
        <translation>Ask the administrator of this computer to let you use %1.</translation>
    </message>
    <message>
        <source>Close the other program using the port and try again.</source>
        <translation>Close the other program using the port and try again.</translation>
    </message>
    <message>
        <source>Close the other program using %1 and try again.</source>
        <translation>Close the other program using %1 and try again.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>No error.</source>
        <translation>No error.</translation>
    </message>
    <message>
        <source>No serial device is connected for port %1.</source>
        <translation>No serial device is connected for port %1.</translation>
    </message>
    <message>
        <source>No serial device is connected.</source>
        <translation>No serial device is connected.</translation>
    </message>
    <message>
        <source>There is no serial device %1.</source>
        <translation>There is no serial device %1.</translation>
    </message>
    <message>
        <source>Permission denied opening %1.</source>
        <translation>Permission denied opening %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 is in use by another program.</translation>
    </message>
    <message>
        <source>The serial device is in use by another program.</source>
        <translation>The serial device is in use by another program.</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose another port.</source>
        <translation>%1 is not a serial device. Choose another port.</translation>
    </message>
    <message>
        <source>%1 was disconnected. Reconnect it and try again.</source>
        <translation>%1 was disconnected. Reconnect it and try again.</translation>
    </message>
    <message>
        <source>The serial device was disconnected. Reconnect it and try again.</source>
        <translation>The serial device was disconnected. Reconnect it and try again.</translation>
    </message>
    <message>
        <source>%1 did not respond in time. Check that the unit is connected and switched on, then try again.</source>
        <translation>%1 did not respond in time. Check that the unit is connected and switched on, then try again.</translation>
    </message>
    <message>
        <source>The serial device did not respond in time. Check that the unit is connected and switched on, then try again.</source>
        <translation>The serial device did not respond in time. Check that the unit is connected and switched on, then try again.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings (%2).</source>
        <translation>%1 does not accept the line settings (%2).</translation>
    </message>
    <message>
        <source>The serial device does not accept the line settings (%1).</source>
        <translation>The serial device does not accept the line settings (%1).</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings.</source>
        <translation>%1 does not accept the line settings.</translation>
    </message>
    <message>
        <source>The serial device does not accept the line settings.</source>
        <translation>The serial device does not accept the line settings.</translation>
    </message>
    <message>
        <source>Cannot use %1 (%2).</source>
        <translation>Cannot use %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot use the serial device (%1).</source>
        <translation>Cannot use the serial device (%1).</translation>
    </message>
    <message>
        <source>Cannot use %1.</source>
        <translation>Cannot use %1.</translation>
    </message>
    <message>
        <source>Cannot use the serial device.</source>
        <translation>Cannot use the serial device.</translation>
    </message>
    <message>
        <source>Permission denied opening the serial device.</source>
        <translation>Permission denied opening the serial device.</translation>
    </message>
    <message>
        <source>The device is not a serial device. Choose another port.</source>
        <translation>The device is not a serial device. Choose another port.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>unsupported baud rate %1</source>
        <translation>unsupported baud rate %1</translation>
    </message>
    <message>
        <source>invalid descriptor</source>
        <translation>invalid descriptor</translation>
    </message>
    <message>
        <source>not a terminal</source>
        <translation>not a terminal</translation>
    </message>
    <message>
        <source>it did not take %1</source>
        <translation>it did not take %1</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>not a serial port</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is larger than %2 MiB, far too large for a settings file. It is left as it is, and port 1 is used.</source>
        <translation>%1 is larger than %2 MiB, far too large for a settings file. It is left as it is, and port 1 is used.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is, and port 1 is used.</source>
        <translation>%1 cannot be read: %2. It is left as it is, and port 1 is used.</translation>
    </message>
</context>
<context>
    <name>SystemText</name>
    <message>
        <source>Not a regular file</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>larger than %1 bytes</translation>
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
        <translation>Timer Name</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Repeat Interval</source>
        <translation>Repeat Interval</translation>
    </message>
    <message>
        <source>Snooze Time</source>
        <translation>Snooze Time</translation>
    </message>
    <message>
        <source>Message Priority</source>
        <translation>Message Priority</translation>
    </message>
</context>
<context>
    <name>TimerFile</name>
    <message>
        <source>its name holds a line break</source>
        <translation>its name holds a line break</translation>
    </message>
    <message>
        <source>its name holds a control character (%1)</source>
        <translation>its name holds a control character (%1)</translation>
    </message>
    <message>
        <source>its name is %1 characters long, and a line of a timer file holds at most %2 with this timer&apos;s numbers</source>
        <translation>its name is %1 characters long, and a line of a timer file holds at most %2 with this timer&apos;s numbers</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>The timer file</source>
        <translation>The timer file</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2</source>
        <translation>&quot;%1&quot;, line %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Cannot Create File</source>
        <translation>Cannot Create File</translation>
    </message>
    <message>
        <source>Could Not Save Timers</source>
        <translation>Could Not Save Timers</translation>
    </message>
    <message>
        <source>Cannot Load Timer File</source>
        <translation>Cannot Load Timer File</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>%1 cannot be created: %2.</translation>
    </message>
    <message>
        <source>The timers could not be written to %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>The timers could not be written to %1: %2. Any earlier file of that name is unchanged.</translation>
    </message>
    <message>
        <source>Timer %1 cannot be saved: %2. Change the name and save again. Nothing was written.</source>
        <translation>Timer %1 cannot be saved: %2. Change the name and save again. Nothing was written.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>%1: the file ends here, but a timer file has ten lines, one for each timer. Nothing was loaded.</source>
        <translation>%1: the file ends here, but a timer file has ten lines, one for each timer. Nothing was loaded.</translation>
    </message>
    <message>
        <source>%1: the line is longer than 127 characters. Nothing was loaded.</source>
        <translation>%1: the line is longer than 127 characters. Nothing was loaded.</translation>
    </message>
    <message>
        <source>%1: the line must end in four numbers separated by commas (start, repeat, snooze, priority). Nothing was loaded.</source>
        <translation>%1: the line must end in four numbers separated by commas (start, repeat, snooze, priority). Nothing was loaded.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in UTF-8, as today&apos;s editors such as Notepad save text, so CV Timer converted its names from UTF-8. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>&quot;%1&quot; is in UTF-8, as today&apos;s editors such as Notepad save text, so CV Timer converted its names from UTF-8. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in Windows-1252, as older Windows editors save text, so CV Timer converted its names from Windows-1252. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>&quot;%1&quot; is in Windows-1252, as older Windows editors save text, so CV Timer converted its names from Windows-1252. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</translation>
    </message>
    <message>
        <source>Typographic quotation marks, dashes and ellipses in the names became the plain &apos; &quot; - and ..., which the unit shows.</source>
        <translation>Typographic quotation marks, dashes and ellipses in the names became the plain &apos; &quot; - and ..., which the unit shows.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2, which a Corvellan unit cannot show.</source>
        <translation>Timer %1&apos;s name holds %2, which a Corvellan unit cannot show.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in UTF-16 (&quot;Unicode&quot;), as Notepad can save text, so CV Timer converted its names from UTF-16. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</source>
        <translation>&quot;%1&quot; is in UTF-16 (&quot;Unicode&quot;), as Notepad can save text, so CV Timer converted its names from UTF-16. Saving writes the file in Latin-1, the characters a Corvellan unit shows, as CV Timer always has.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>Timer %1</source>
        <extracomment>Inside a sentence: &quot;The unit took Timer 3 and Timer 4&apos;s settings.&quot;</extracomment>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Timers %1 and %2</source>
        <translation>Timers %1 and %2</translation>
    </message>
    <message>
        <source>Timers %1 to %2</source>
        <translation>Timers %1 to %2</translation>
    </message>
</context>
<context>
    <name>UnitNames</name>
    <message>
        <source>a control character (%1)</source>
        <translation>a control character (%1)</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take: braces mark where a message begins and ends. Change the name and send again. Nothing was sent.</source>
        <translation>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take: braces mark where a message begins and ends. Change the name and send again. Nothing was sent.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take. Change the name and send again. Nothing was sent.</source>
        <translation>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot take. Change the name and send again. Nothing was sent.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show. Change the name and send again. Nothing was sent.</source>
        <translation>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show. Change the name and send again. Nothing was sent.</translation>
    </message>
    <message>
        <source>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show and a timer file cannot hold. Change the name and save again. Nothing was written.</source>
        <translation>Timer %1&apos;s name holds %2 at character %3, which a Corvellan unit cannot show and a timer file cannot hold. Change the name and save again. Nothing was written.</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
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
        <translation>the folder CV Timer was started in</translation>
    </message>
    <message>
        <source>your Documents folder</source>
        <translation>your Documents folder</translation>
    </message>
    <message>
        <source>your Documents folder, as %1, where CV Timer was started, takes no new files</source>
        <translation>your Documents folder, as %1, where CV Timer was started, takes no new files</translation>
    </message>
    <message>
        <source>the folder CV Timer was started in, as your Documents folder could not be found or made</source>
        <translation>the folder CV Timer was started in, as your Documents folder could not be found or made</translation>
    </message>
</context>
<context>
    <name>cv::AboutDialog</name>
    <message>
        <source>About CV Timer</source>
        <translation>About CV Timer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
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
        <translation>Copyright © 2026 CV Timer developers</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>Free software under the GNU GPL, version 3 or later</translation>
    </message>
    <message>
        <source>Settings and timer files are kept in</source>
        <translation>Settings and timer files are kept in</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>why the program works in the folder above</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>The licences of the other software that CV Timer contains are in %1.</source>
        <translation>The licences of the other software that CV Timer contains are in %1.</translation>
    </message>
</context>
<context>
    <name>cv::DayPartLine</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Send &amp;Now</source>
        <translation>Send &amp;Now</translation>
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
        <translation>Day parts: the plan cannot be used. %1</translation>
    </message>
    <message>
        <source>Day parts: no part is due yet; the first, %1, starts at %2.</source>
        <translation>Day parts: no part is due yet; the first, %1, starts at %2.</translation>
    </message>
    <message>
        <source>Day parts: no part is due, and none starts again.</source>
        <translation>Day parts: no part is due, and none starts again.</translation>
    </message>
    <message>
        <source>Day parts: the unit holds %1, due since %2. Next change: %3 at %4.</source>
        <translation>Day parts: the unit holds %1, due since %2. Next change: %3 at %4.</translation>
    </message>
    <message>
        <source>Day parts: the unit holds %1, due since %2.</source>
        <translation>Day parts: the unit holds %1, due since %2.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but a send by hand at %3 holds until the next change.</source>
        <translation>Day parts: %1 is due since %2, but a send by hand at %3 holds until the next change.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but the unit does not hold its timers.</source>
        <translation>Day parts: %1 is due since %2, but the unit does not hold its timers.</translation>
    </message>
    <message>
        <source>Day parts: %1 is due since %2, but its timers cannot be sent. %3</source>
        <translation>Day parts: %1 is due since %2, but its timers cannot be sent. %3</translation>
    </message>
    <message>
        <source>%1 sent to the unit at %2 by the day-part plan</source>
        <translation>%1 sent to the unit at %2 by the day-part plan</translation>
    </message>
    <message>
        <source>Sending the due part&apos;s timers to the unit...</source>
        <translation>Sending the due part&apos;s timers to the unit...</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Day Parts</translation>
    </message>
    <message>
        <source>The timers of %1 were not sent</source>
        <translation>The timers of %1 were not sent</translation>
    </message>
</context>
<context>
    <name>cv::DayPartsWindow</name>
    <message>
        <source>Day Parts</source>
        <translation>Day Parts</translation>
    </message>
    <message>
        <source>&amp;Parts of the day:</source>
        <translation>&amp;Parts of the day:</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Days or dates</source>
        <translation>Days or dates</translation>
    </message>
    <message>
        <source>Timer file</source>
        <translation>Timer file</translation>
    </message>
    <message>
        <source>On the unit now</source>
        <translation>On the unit now</translation>
    </message>
    <message>
        <source>Parts of the day</source>
        <translation>Parts of the day</translation>
    </message>
    <message>
        <source>&amp;Add Part</source>
        <translation>&amp;Add Part</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>&amp;Remove Part</translation>
    </message>
    <message>
        <source>Choose Timer &amp;File...</source>
        <translation>Choose Timer &amp;File...</translation>
    </message>
    <message>
        <source>2026-12-25, 2027-01-01</source>
        <translation>2026-12-25, 2027-01-01</translation>
    </message>
    <message>
        <source>&amp;Closed on (no part starts):</source>
        <translation>&amp;Closed on (no part starts):</translation>
    </message>
    <message>
        <source>the port chosen in CV Timer</source>
        <translation>the port chosen in CV Timer</translation>
    </message>
    <message>
        <source>The unit&apos;s Comm P&amp;ort:</source>
        <translation>The unit&apos;s Comm P&amp;ort:</translation>
    </message>
    <message>
        <source>The &amp;week as the saved plan makes it:</source>
        <translation>The &amp;week as the saved plan makes it:</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>The week</translation>
    </message>
    <message>
        <source>&amp;Save Plan</source>
        <translation>&amp;Save Plan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The plan: %1</source>
        <translation>The plan: %1</translation>
    </message>
    <message>
        <source>The plan on disk cannot be used as it is: %1 Saving here replaces it.</source>
        <translation>The plan on disk cannot be used as it is: %1 Saving here replaces it.</translation>
    </message>
    <message>
        <source>There is no plan yet: add a part for each part of the day, then save.</source>
        <translation>There is no plan yet: add a part for each part of the day, then save.</translation>
    </message>
    <message>
        <source>its timer file cannot be read</source>
        <translation>its timer file cannot be read</translation>
    </message>
    <message>
        <source>on the unit</source>
        <translation>on the unit</translation>
    </message>
    <message>
        <source>not on the unit</source>
        <translation>not on the unit</translation>
    </message>
    <message>
        <source>%1: closed, no part starts</source>
        <translation>%1: closed, no part starts</translation>
    </message>
    <message>
        <source>%1: only its dated parts start</source>
        <translation>%1: only its dated parts start</translation>
    </message>
    <message>
        <source>%1 (the clocks change from %2 to %3)</source>
        <translation>%1 (the clocks change from %2 to %3)</translation>
    </message>
    <message>
        <source>    %1  %2</source>
        <translation>    %1  %2</translation>
    </message>
    <message>
        <source>New part</source>
        <translation>New part</translation>
    </message>
    <message>
        <source>Choose a part in the table first, then its timer file.</source>
        <translation>Choose a part in the table first, then its timer file.</translation>
    </message>
    <message>
        <source>Timer File for %1</source>
        <translation>Timer File for %1</translation>
    </message>
    <message>
        <source>CV Timer (*.csv)</source>
        <translation>CV Timer (*.csv)</translation>
    </message>
    <message>
        <source>The plan was not saved</source>
        <translation>The plan was not saved</translation>
    </message>
    <message>
        <source>Save changes to the day-part plan?</source>
        <translation>Save changes to the day-part plan?</translation>
    </message>
    <message>
        <source>Your changes to the plan are lost if you don&apos;t save them.</source>
        <translation>Your changes to the plan are lost if you don&apos;t save them.</translation>
    </message>
</context>
<context>
    <name>cv::DayPlanPicture</name>
    <message>
        <source>starts %1 after midnight: outside the day</source>
        <translation>starts %1 after midnight: outside the day</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>%1 at %2, with %3</source>
        <comment>%3 lists the other timers</comment>
        <translation>%1 at %2, with %3</translation>
    </message>
</context>
<context>
    <name>cv::DayPlanWindow</name>
    <message>
        <source>Day plan picture</source>
        <translation>Day plan picture</translation>
    </message>
    <message>
        <source>Clashes</source>
        <translation>Clashes</translation>
    </message>
    <message>
        <source>&amp;Reminders by time (several timers at once in bold):</source>
        <translation>&amp;Reminders by time (several timers at once in bold):</translation>
    </message>
    <message>
        <source>Reminders by time</source>
        <translation>Reminders by time</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders; no two timers remind at the same minute.</source>
        <translation>
            <numerusform>%n reminder; no two timers remind at the same minute.</numerusform>
            <numerusform>%n reminders; no two timers remind at the same minute.</numerusform>
        </translation>
    </message>
    <message>
        <source>Day Plan</source>
        <translation>Day Plan</translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation>Outside the day: %1 starts %2 after midnight</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders.</source>
        <translation>
            <numerusform>%n reminder.</numerusform>
            <numerusform>%n reminders.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Red, taller ticks mark the minutes at which two or more timers remind together (%n):</source>
        <translation>
            <numerusform>Red, taller ticks mark the minutes at which two or more timers remind together (%n):</numerusform>
            <numerusform>Red, taller ticks mark the minutes at which two or more timers remind together (%n):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::PrintRecordDialog</name>
    <message>
        <source>Print Record</source>
        <translation>Print Record</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Export PDF...</translation>
    </message>
    <message>
        <source>Show as Te&amp;xt</source>
        <translation>Show as Te&amp;xt</translation>
    </message>
    <message>
        <source>What the unit on Port %1 held, day by day, as the record of sends tells it, for the days:</source>
        <translation>What the unit on Port %1 held, day by day, as the record of sends tells it, for the days:</translation>
    </message>
</context>
<context>
    <name>cv::RecordReportPages</name>
    <message>
        <source>What the Unit Held, Day by Day</source>
        <translation>What the Unit Held, Day by Day</translation>
    </message>
    <message>
        <source>The unit on %1, as the record of sends tells it.</source>
        <translation>The unit on %1, as the record of sends tells it.</translation>
    </message>
    <message>
        <source>The record holds nothing for this day.</source>
        <translation>The record holds nothing for this day.</translation>
    </message>
    <message>
        <source>Gaps in what is known</source>
        <translation>Gaps in what is known</translation>
    </message>
    <message>
        <source>Timer files sent</source>
        <translation>Timer files sent</translation>
    </message>
    <message>
        <source>Record of sends in %1</source>
        <translation>Record of sends in %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>Unit on %1. Printed %2. Page %3 of %4.</source>
        <translation>Unit on %1. Printed %2. Page %3 of %4.</translation>
    </message>
    <message>
        <source>Unit on %1. Printed %2.</source>
        <translation>Unit on %1. Printed %2.</translation>
    </message>
</context>
<context>
    <name>cv::RecordTextWindow</name>
    <message>
        <source>Record, Day by Day</source>
        <translation>Record, Day by Day</translation>
    </message>
    <message>
        <source>What the unit held, day by day</source>
        <translation>What the unit held, day by day</translation>
    </message>
</context>
<context>
    <name>cv::SendProgressDialog</name>
    <message>
        <source>Sending Timers</source>
        <translation>Sending Timers</translation>
    </message>
    <message>
        <source>Cancel Sending</source>
        <translation>Cancel Sending</translation>
    </message>
</context>
<context>
    <name>cv::SentToUnitWindow</name>
    <message>
        <source>What the unit holds</source>
        <translation>What the unit holds</translation>
    </message>
    <message>
        <source>≠ on a red ground: the sheet differs from what the unit holds; the line under the table gives the sheet&apos;s value for the cell in focus. &quot;not known&quot;: the message went out but the unit did not acknowledge it, so it may or may not have taken it, or no send recorded here reached it.</source>
        <translation>≠ on a red ground: the sheet differs from what the unit holds; the line under the table gives the sheet&apos;s value for the cell in focus. &quot;not known&quot;: the message went out but the unit did not acknowledge it, so it may or may not have taken it, or no send recorded here reached it.</translation>
    </message>
    <message>
        <source>Recent sends</source>
        <translation>Recent sends</translation>
    </message>
    <message>
        <source>Differs from the sheet, which has %1.</source>
        <translation>Differs from the sheet, which has %1.</translation>
    </message>
    <message>
        <source>The sheet has: %1</source>
        <translation>The sheet has: %1</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <translation>Timer %1, %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: the unit holds %2; the sheet has %3.</source>
        <translation>%1: the unit holds %2; the sheet has %3.</translation>
    </message>
    <message>
        <source>%1: what the unit holds is not known.</source>
        <translation>%1: what the unit holds is not known.</translation>
    </message>
    <message>
        <source>%1: the unit holds %2, as the sheet does.</source>
        <translation>%1: the unit holds %2, as the sheet does.</translation>
    </message>
    <message>
        <source>Sent to Unit</source>
        <translation>Sent to Unit</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Recent sends to this unit, newest first:</source>
        <translation>Recent sends to this unit, newest first:</translation>
    </message>
    <message>
        <source>When</source>
        <translation>When</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 holds, as far as %n recorded sends to it tell:</source>
        <translation>
            <numerusform>What the unit on Port %1 holds, as far as %n recorded send to it tells:</numerusform>
            <numerusform>What the unit on Port %1 holds, as far as %n recorded sends to it tell:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 (%2) holds, as far as %n recorded sends to it tell:</source>
        <translation>
            <numerusform>What the unit on Port %1 (%2) holds, as far as %n recorded send to it tells:</numerusform>
            <numerusform>What the unit on Port %1 (%2) holds, as far as %n recorded sends to it tell:</numerusform>
        </translation>
    </message>
    <message>
        <source>The record knows only the sends made from this folder: %1</source>
        <translation>The record knows only the sends made from this folder: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of its entries, cut short or damaged, were left out.</source>
        <translation>
            <numerusform>%n of its entries, cut short or damaged, was left out.</numerusform>
            <numerusform>%n of its entries, cut short or damaged, were left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>How</source>
        <translation>How</translation>
    </message>
</context>
<context>
    <name>cv::TimerApp</name>
    <message>
        <source>Save Timers</source>
        <translation>Save Timers</translation>
    </message>
    <message>
        <source>CV Timer (*.csv)</source>
        <translation>CV Timer (*.csv)</translation>
    </message>
    <message>
        <source>Load Timers</source>
        <translation>Load Timers</translation>
    </message>
    <message>
        <source>Could Not Save Timers</source>
        <translation>Could Not Save Timers</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>File Save</translation>
    </message>
    <message>
        <source>Corvellan Timers Saved</source>
        <translation>Corvellan Timers Saved</translation>
    </message>
    <message>
        <source>Cannot Load Timer File</source>
        <translation>Cannot Load Timer File</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, so it has been taken off the Recent Files list.</source>
        <translation>&quot;%1&quot; is no longer there, so it has been taken off the Recent Files list.</translation>
    </message>
    <message>
        <source>Its field is marked: change the name before saving or sending the timers.</source>
        <translation>Its field is marked: change the name before saving or sending the timers.</translation>
    </message>
    <message>
        <source>Timer File Converted</source>
        <translation>Timer File Converted</translation>
    </message>
    <message>
        <source>Save changes to the timers?</source>
        <translation>Save changes to the timers?</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be created: %2.</source>
        <translation>&quot;%1&quot; cannot be created: %2.</translation>
    </message>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;: %2. Any earlier file of that name is unchanged.</source>
        <translation>The PDF could not be written to &quot;%1&quot;: %2. Any earlier file of that name is unchanged.</translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation>Corvellan Timers</translation>
    </message>
    <message>
        <source>Could Not Print</source>
        <translation>Could Not Print</translation>
    </message>
    <message>
        <source>Printing is not available: %1. File &gt; Export PDF... still makes the page as a PDF file.</source>
        <translation>Printing is not available: %1. File &gt; Export PDF... still makes the page as a PDF file.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>The printer could not be started.</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>the page could not be drawn</translation>
    </message>
    <message>
        <source>Could Not Export PDF</source>
        <translation>Could Not Export PDF</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exported to %1</translation>
    </message>
    <message>
        <source>CVTimerSystem.ini asks for the language &quot;%1&quot;, which CV Timer does not speak, so it speaks English. Write en, es or fr as [Display] Language there.</source>
        <translation>CVTimerSystem.ini asks for the language &quot;%1&quot;, which CV Timer does not speak, so it speaks English. Write en, es or fr as [Display] Language there.</translation>
    </message>
    <message>
        <source>Could Not Read the Record</source>
        <translation>Could Not Read the Record</translation>
    </message>
    <message>
        <source>Corvellan Record of Sends</source>
        <translation>Corvellan Record of Sends</translation>
    </message>
    <message>
        <source>Printing is not available: %1. Export PDF... still makes the report as a PDF file.</source>
        <translation>Printing is not available: %1. Export PDF... still makes the report as a PDF file.</translation>
    </message>
</context>
<context>
    <name>cv::TimerPage</name>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Snooze</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation>Outside the day: %1 starts %2 after midnight</translation>
    </message>
    <message>
        <source>Reminders by time (several timers at once in bold)</source>
        <translation>Reminders by time (several timers at once in bold)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more; cvtimerctl plan lists them all</source>
        <translation>
            <numerusform>... and %n more; cvtimerctl plan lists them all</numerusform>
            <numerusform>... and %n more; cvtimerctl plan lists them all</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::TimerSheetDialog</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;User Guide</translation>
    </message>
    <message>
        <source>Sending Timer %1 of %2</source>
        <translation>Sending Timer %1 of %2</translation>
    </message>
    <message>
        <source>&amp;Send Timers</source>
        <translation>&amp;Send Timers</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a field&apos;s reading, then a doubt about it</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation>Corvellan Timers</translation>
    </message>
    <message>
        <source>Corvellan Timers - %1</source>
        <translation>Corvellan Timers - %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>Send &amp;Timers</source>
        <translation>Send &amp;Timers</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Export P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>&amp;Comm Port</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Day Plan</source>
        <translation>&amp;Day Plan</translation>
    </message>
    <message>
        <source>&amp;Sent to Unit</source>
        <translation>&amp;Sent to Unit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Timer %1 %2</source>
        <comment>a field&apos;s name for a screen reader: timer number, field</comment>
        <translation>Timer %1 %2</translation>
    </message>
    <message>
        <source>Cannot Read Settings File</source>
        <translation>Cannot Read Settings File</translation>
    </message>
    <message>
        <source>A port chosen now holds until CV Timer ends.</source>
        <translation>A port chosen now holds until CV Timer ends.</translation>
    </message>
    <message>
        <source>Unknown Line Setting</source>
        <translation>Unknown Line Setting</translation>
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
        <translation>Serial Communications</translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan</source>
        <translation>Unable to Send Timers to Corvellan</translation>
    </message>
    <message>
        <source>Unable to open selected serial port.
Select another serial port
and try again.</source>
        <translation>Unable to open selected serial port.
Select another serial port
and try again.</translation>
    </message>
    <message>
        <source>Timers Sent to Corvellan</source>
        <translation>Timers Sent to Corvellan</translation>
    </message>
    <message>
        <source>View &gt; Sent to Unit shows what the unit holds now.</source>
        <translation>View &gt; Sent to Unit shows what the unit holds now.</translation>
    </message>
    <message>
        <source>Day P&amp;arts...</source>
        <translation>Day P&amp;arts...</translation>
    </message>
    <message>
        <source>Print Re&amp;cord...</source>
        <translation>Print Re&amp;cord...</translation>
    </message>
</context>
<context>
    <name>cv::UserGuideWindow</name>
    <message>
        <source>CV Timer User Guide</source>
        <translation>CV Timer User Guide</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>Find in the guide</source>
        <translation>Find in the guide</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nowhere in the guide.</source>
        <translation>&quot;%1&quot; is nowhere in the guide.</translation>
    </message>
</context>
<context>
    <name>cvtimerctl</name>
    <message>
        <source>cvtimerctl: the settings file asks for the language &quot;%1&quot; ([Display] Language), which CV Timer does not speak; it speaks English. Write en, es or fr there.</source>
        <translation>cvtimerctl: the settings file asks for the language &quot;%1&quot; ([Display] Language), which CV Timer does not speak; it speaks English. Write en, es or fr there.</translation>
    </message>
</context>
</TS>
