#include "core/schedule/plan_edit.h"

#include "core/language/tr.h"
#include "core/settings/folder_paths.h"
#include "core/settings/profile_file.h"
#include "core/timers/sentence.h"
#include "core/timers/utf8_text.h"

namespace cv {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

DayPartTexts TextsOfDayPart(const DayPart& part) {
    return {part.name, FormatPlanStart(part.start), part.days ? FormatPlanDays(part.days) : FormatPlanDates(part.dates),
            part.sheet};
}

std::optional<DayPart> DayPartFromTexts(const DayPartTexts& texts, int row, std::string& problem) {
    const std::string number = std::to_string(row);
    DayPart part;
    part.name = Trimmed(texts.name);
    if (part.name.empty() || part.name.find_first_of("[]") != std::string::npos || CleanUtf8Line(part.name) != part.name ||
        SameProfileName(part.name, "Plan")) {
        problem = FillPlaceholders(Tr("DayParts", "Row %1: give the part a name of its own, without brackets, such as Lunch."), {number});
        return std::nullopt;
    }
    const std::optional<MinutesOfDay> start = ParsePlanStart(texts.start);
    if (!start) {
        problem = FillPlaceholders(Tr("DayParts", "Row %1 (%2): \"%3\" is not a time of day. Write the start as 5:30 AM or as 17:30."),
                                   {number, part.name, QuotableText(texts.start)});
        return std::nullopt;
    }
    part.start = *start;
    std::string wrongDate, wrongDay;
    if (const auto dates = ParsePlanDates(texts.daysOrDates, wrongDate)) {
        part.dates = *dates;
    } else if (const auto days = ParsePlanDays(texts.daysOrDates, wrongDay)) {
        part.days = *days;
    } else {
        problem = FillPlaceholders(Tr("DayParts", "Row %1 (%2): \"%3\" are neither days nor dates. Write Every day, Mon-Fri or Fri, Sat, or dates such as 2026-12-24."),
                                   {number, part.name, QuotableText(texts.daysOrDates)});
        return std::nullopt;
    }
    part.sheet = Trimmed(texts.sheet);
    if (part.sheet.empty()) {
        problem = FillPlaceholders(Tr("DayParts", "Row %1 (%2) has no timer file. Choose the timer file to send for it."),
                                   {number, part.name});
        return std::nullopt;
    }
    return part;
}

bool PlanSettingsFromTexts(const std::string& closed, const std::string& port, DayPartPlan& plan, std::string& problem) {
    std::string wrong;
    plan.closed.clear();
    if (!Trimmed(closed).empty()) {
        const auto dates = ParsePlanDates(closed, wrong);
        if (!dates) {
            problem = FillPlaceholders(Tr("DayParts", "\"%1\" is not a date. Write the closed dates as 2026-12-25 (year, month, day), separated by commas."),
                                       {QuotableText(wrong)});
            return false;
        }
        plan.closed = *dates;
    }
    plan.port = 0;
    const std::string number = Trimmed(port);
    if (!number.empty()) {
        int value = 0;
        bool digits = number.size() <= 5;
        for (const char c : number) digits = digits && c >= '0' && c <= '9', value = digits ? value * 10 + (c - '0') : 0;
        if (!digits || value < 1 || value > 65535) {
            problem = FillPlaceholders(Tr("DayParts", "\"%1\" is not a Comm Port. Write a number from 1 to 65535, or leave it empty to use the port chosen in CV Timer."),
                                       {QuotableText(number)});
            return false;
        }
        plan.port = value;
    }
    return true;
}

std::string SheetNameFor(const std::string& planPath, const std::string& chosenFile) {
    const std::string folder = AbsolutePath(FolderOfFile(planPath));
    const std::string file = AbsolutePath(chosenFile);
    const std::string inside = FileInFolder(folder, "");
    if (file.size() > inside.size() && file.compare(0, inside.size(), inside) == 0) return file.substr(inside.size());
    return file;
}

}  // namespace cv
