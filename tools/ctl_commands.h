#pragma once
// The subcommands of cvtimerctl. Each runs like a main of its own: argv[0] is
// the command's name, the options follow; "--help" among them prints the
// command's usage on stdout and returns 0. Exit codes: 0 done, 1 failed,
// 2 wrong usage. To add a command, declare it here and give it a line in the
// table in cvtimerctl.cpp.

namespace cv {

// Plays the Corvellan unit on a pseudo-terminal until interrupted.
int RunEmulate(int argc, char** argv);

// Prints the ten timers of a timer file as a table.
int RunShow(int argc, char** argv);

// Prints the day's reminders of a timer file in time order, then the clashes.
int RunPlan(int argc, char** argv);

// Sends the ten timers of a timer file to the unit, printing each step.
int RunSend(int argc, char** argv);

// Prints what the unit holds as far as the record of sends knows, or the sends.
int RunSent(int argc, char** argv);

// Prints what the unit held, day by day, as the record of sends tells it.
int RunReport(int argc, char** argv);

// Lists the Comm Port numbers with the device each reaches now.
int RunPorts(int argc, char** argv);

// The day-part plan: shows it, or runs it (sends the due part when the unit lacks it).
int RunDayParts(int argc, char** argv);

}  // namespace cv
