#include "core/timerfile/timer_file_error.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

// Where in which file, said as the start of a sentence: the file and line,
// the file, the line, or the timer file when nothing more is known.
std::string Where(const TimerFileError& error) {
    const std::string line = std::to_string(error.line);
    if (error.path.empty())
        return error.line > 0 ? FillPlaceholders(Tr("TimerFile", "Line %1"), {line}) : Tr("TimerFile", "The timer file");
    if (error.line > 0) return FillPlaceholders(Tr("TimerFile", "\"%1\", line %2"), {error.path, line});
    return FillPlaceholders(Tr("TimerFile", "\"%1\""), {error.path});
}

std::string Reason(const TimerFileError& error) {
    return error.systemText.empty() ? Tr("TimerFile", "unknown error") : error.systemText;
}

}  // namespace

std::string TimerFileErrorMainText(const TimerFileError& error) {
    switch (error.kind) {
        case TimerFileErrorKind::None: return "";
        case TimerFileErrorKind::CannotCreate: return Tr("TimerFile", "Cannot Create File");
        case TimerFileErrorKind::WriteFailed:
        case TimerFileErrorKind::UnsaveableName: return Tr("TimerFile", "Could Not Save Timers");
        case TimerFileErrorKind::CannotOpen:
        case TimerFileErrorKind::TooFewLines:
        case TimerFileErrorKind::LineTooLong:
        case TimerFileErrorKind::TooFewFields: return Tr("TimerFile", "Cannot Load Timer File");
    }
    return "";
}

std::string TimerFileErrorDetailText(const TimerFileError& error) {
    switch (error.kind) {
        case TimerFileErrorKind::None: return "";
        case TimerFileErrorKind::CannotCreate:
            return FillPlaceholders(Tr("TimerFile", "%1 cannot be created: %2."), {Where(error), Reason(error)});
        case TimerFileErrorKind::WriteFailed:
            return FillPlaceholders(Tr("TimerFile", "The timers could not be written to %1: %2. "
                                                    "Any earlier file of that name is unchanged."),
                                    {Where(error), Reason(error)});
        case TimerFileErrorKind::UnsaveableName:
            return FillPlaceholders(Tr("TimerFile", "Timer %1 cannot be saved: %2. Change the name and save again. "
                                                    "Nothing was written."),
                                    {std::to_string(error.line), Reason(error)});
        case TimerFileErrorKind::CannotOpen:
            return FillPlaceholders(Tr("TimerFile", "%1 cannot be opened: %2."), {Where(error), Reason(error)});
        case TimerFileErrorKind::TooFewLines:
            return FillPlaceholders(Tr("TimerFile", "%1: the file ends here, but a timer file has ten lines, "
                                                    "one for each timer. Nothing was loaded."),
                                    {Where(error)});
        case TimerFileErrorKind::LineTooLong:
            return FillPlaceholders(Tr("TimerFile", "%1: the line is longer than 127 characters. Nothing was loaded."),
                                    {Where(error)});
        case TimerFileErrorKind::TooFewFields:
            return FillPlaceholders(Tr("TimerFile", "%1: the line must end in four numbers separated by commas "
                                                    "(start, repeat, snooze, priority). Nothing was loaded."),
                                    {Where(error)});
    }
    return "";
}

}  // namespace cv
