#pragma once
// What the unit held, day by day, as the record of sends tells it: the report
// that `cvtimerctl report` prints and File > Print Record... draws. Laid out
// here already, in the user's language, as tables and sentences, so that the
// text and the printed page say the same thing.
//
// (Agreed interface between the core and the window. The core side may ADD
// fields and functions; it must not rename or remove these.)

#include <string>
#include <vector>

#include "core/record/send_log_text.h"
#include "core/record/unit_holdings.h"
#include "core/timers/civil_time.h"

namespace cv {

struct ReportTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;  // each as many cells as headings
};

struct ReportSheet {
    std::string caption;  // the timer file and when that day it was first sent, e.g. "lunch.csv, first at 10:55 AM"
    ReportTable timers;   // ten rows: timer, name, start, repeat, snooze, priority (as acknowledged; "not known" where not)
};

struct ReportDay {
    std::string date;                 // YYYY-MM-DD
    std::string heading;              // the day as the user reads it, e.g. "Tuesday, 2026-03-10"
    ReportTable timeline;             // one row per change and per gap, in time order: time, UTC offset, how, file, ...
    std::vector<ReportSheet> sheets;  // each sheet sent that day, once, in order of first use
    std::vector<std::string> gaps;    // one sentence per gap in what is known that day
    // What the unit held as the day began, by the entries before it: ten rows
    // as in a sheet, with a last column saying when and from which file each
    // timer came. No rows when the record does not reach back to the day's start.
    ReportSheet heldAtStart;
};

struct RecordReport {
    bool ok = false;
    std::string problem;              // why the record could not be read, when not ok
    std::string unit;                 // the port or device, as the user names it, e.g. "port 1 (/dev/ttyUSB0)"
    std::string recordPath;           // the record read
    std::vector<std::string> notes;   // about the whole report: the first date the record still knows, damaged entries left out
    std::vector<ReportDay> days;      // one per day asked for, oldest first, even a day with no entry
};

struct ReportRequest {
    std::string settingsFolder;       // the record is CVTimerSends.log there
    std::string from, to;             // YYYY-MM-DD, local dates, inclusive
    int port = 0;                     // the COM port number, or
    std::string device;               // a device path; when both are empty the settings file's port
};

// Reads the record and lays out the days asked for. Reads nothing but the record.
RecordReport MakeRecordReport(const ReportRequest& request);

// The days from `from` to `to` (inclusive) of a record already read, for
// unit: what MakeRecordReport lays out, without the record's path and the
// unit's name. A day is the local date each entry's time stamp carries, so
// the report needs no time zone but the record's own.
RecordReport LayOutRecordReport(const SendLogContent& content, const UnitChoice& unit, const CivilDate& from,
                                const CivilDate& to);

}  // namespace cv
