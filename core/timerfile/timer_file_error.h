#pragma once
// Why saving or loading a timer file failed, and how to tell the user.

#include <string>

namespace cv {

enum class TimerFileErrorKind {
    None,
    CannotCreate,  // the file (or its temporary twin) could not be created
    WriteFailed,   // created, but writing, flushing or replacing failed
    UnsaveableName,  // a timer's line would not load again; nothing was written
    CannotOpen,    // missing, unreadable, or a folder
    TooFewLines,   // the file ends before the tenth line
    LineTooLong,   // a line does not fit the 128-byte line buffer
    TooFewFields,  // a line lacks its four comma-separated numbers
};

struct TimerFileError {
    TimerFileErrorKind kind = TimerFileErrorKind::None;
    std::string path;        // empty when the bytes did not come from a file
    int line = 0;            // 1-based; 0 when the error is not about a line (the timer's number
                             // for UnsaveableName: line n holds Timer n)
    std::string systemText;  // strerror text for system failures; what is wrong with the name
                             // for UnsaveableName
};

// The message box's text: "Cannot Create File", "Could Not Save Timers" or
// "Cannot Load Timer File"; empty for None.
std::string TimerFileErrorMainText(const TimerFileError& error);

// The message box's secondary text: names the file, the line and what is
// wrong with it, or the system's reason. Empty for None.
std::string TimerFileErrorDetailText(const TimerFileError& error);

}  // namespace cv
