<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Prompts</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cv::AboutDialog</name>
    <message>
        <source>About CV Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CV Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 CV Timer developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings and timer files are kept in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>why the program works in the folder above</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The licences of the other software that CV Timer contains are in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cv::DayPlanPicture</name>
    <message>
        <source>starts %1 after midnight: outside the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, with %3</source>
        <comment>%3 lists the other timers</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cv::DayPlanWindow</name>
    <message>
        <source>Day plan picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clashes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reminders by time (several timers at once in bold):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders by time</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n reminders; no two timers remind at the same minute.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Day Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n reminders.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Red, taller ticks mark the minutes at which two or more timers remind together (%n):</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::SendProgressDialog</name>
    <message>
        <source>Sending Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Sending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cv::SentToUnitWindow</name>
    <message>
        <source>What the unit holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>≠ on a red ground: the sheet differs from what the unit holds; the line under the table gives the sheet&apos;s value for the cell in focus. &quot;not known&quot;: the message went out but the unit did not acknowledge it, so it may or may not have taken it, or no send recorded here reached it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differs from the sheet, which has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet has: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the unit holds %2; the sheet has %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: what the unit holds is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the unit holds %2, as the sheet does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent to Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent sends to this unit, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 holds, as far as %n recorded sends to it tell:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 (%2) holds, as far as %n recorded sends to it tell:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The record knows only the sends made from this folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of its entries, cut short or damaged, were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cv::TimerApp</name>
    <message>
        <source>Save Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CV Timer (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could Not Save Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvellan Timers Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Load Timer File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, so it has been taken off the Recent Files list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its field is marked: change the name before saving or sending the timers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer File Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the timers?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be written to &quot;%1&quot;: %2. Any earlier file of that name is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could Not Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing is not available: %1. File &gt; Export PDF... still makes the page as a PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could Not Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CVTimerSystem.ini asks for the language &quot;%1&quot;, which CV Timer does not speak, so it speaks English. Write en, es or fr as [Display] Language there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cv::TimerPage</name>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside the day: %1 starts %2 after midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders by time (several timers at once in bold)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cv::TimerSheetDialog</name>
    <message>
        <source>&amp;User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Timer %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a field&apos;s reading, then a doubt about it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvellan Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvellan Timers - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Day Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sent to Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer %1 %2</source>
        <comment>a field&apos;s name for a screen reader: timer number, field</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Read Settings File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A port chosen now holds until CV Timer ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Line Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 – %2</source>
        <comment>the port and the device it reaches</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Communications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Send Timers to Corvellan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open selected serial port.
Select another serial port
and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timers Sent to Corvellan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &gt; Sent to Unit shows what the unit holds now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cv::UserGuideWindow</name>
    <message>
        <source>CV Timer User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nowhere in the guide.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cvtimerctl</name>
    <message>
        <source>cvtimerctl: the settings file asks for the language &quot;%1&quot; ([Display] Language), which CV Timer does not speak; it speaks English. Write en, es or fr there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
