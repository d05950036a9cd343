<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
            <numerusform>What the unit on Port %1 holds, as far as %n recorded send to it tell:</numerusform>
            <numerusform>What the unit on Port %1 holds, as far as %n recorded sends to it tell:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>What the unit on Port %1 (%2) holds, as far as %n recorded sends to it tell:</source>
        <translation>
            <numerusform>What the unit on Port %1 (%2) holds, as far as %n recorded send to it tell:</numerusform>
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
