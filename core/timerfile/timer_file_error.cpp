#include "core/timerfile/timer_file_error.h"

namespace cv {

namespace {

std::string Where(const TimerFileError& error) {
    std::string where = error.path.empty() ? std::string() : "\"" + error.path + "\"";
    if (error.line > 0) {
        where += where.empty() ? "Line " : ", line ";
        where += std::to_string(error.line);
    }
    return where.empty() ? "The timer file" : where;
}

std::string Reason(const TimerFileError& error) {
    return error.systemText.empty() ? "unknown error" : error.systemText;
}

}  // namespace

std::string TimerFileErrorMainText(const TimerFileError& error) {
    switch (error.kind) {
        case TimerFileErrorKind::None: return "";
        case TimerFileErrorKind::CannotCreate: return "Cannot Create File";
        case TimerFileErrorKind::WriteFailed:
        case TimerFileErrorKind::UnsaveableName: return "Could Not Save Timers";
        case TimerFileErrorKind::CannotOpen:
        case TimerFileErrorKind::TooFewLines:
        case TimerFileErrorKind::LineTooLong:
        case TimerFileErrorKind::TooFewFields: return "Cannot Load Timer File";
    }
    return "";
}

std::string TimerFileErrorDetailText(const TimerFileError& error) {
    const std::string nothingLoaded = " Nothing was loaded.";
    switch (error.kind) {
        case TimerFileErrorKind::None: return "";
        case TimerFileErrorKind::CannotCreate:
            return Where(error) + " cannot be created: " + Reason(error) + ".";
        case TimerFileErrorKind::WriteFailed:
            return "The timers could not be written to " + Where(error) + ": " + Reason(error) +
                   ". Any earlier file of that name is unchanged.";
        case TimerFileErrorKind::UnsaveableName:
            return "Timer " + std::to_string(error.line) + " cannot be saved: " + Reason(error) +
                   ". Change the name and save again. Nothing was written.";
        case TimerFileErrorKind::CannotOpen:
            return Where(error) + " cannot be opened: " + Reason(error) + ".";
        case TimerFileErrorKind::TooFewLines:
            return Where(error) + ": the file ends here, but a timer file has ten lines, "
                                  "one for each timer." + nothingLoaded;
        case TimerFileErrorKind::LineTooLong:
            return Where(error) + ": the line is longer than 127 characters." + nothingLoaded;
        case TimerFileErrorKind::TooFewFields:
            return Where(error) + ": the line must end in four numbers separated by commas "
                                  "(start, repeat, snooze, priority)." + nothingLoaded;
    }
    return "";
}

}  // namespace cv
