#include "core/schedule/day_part_plan.h"

#include <algorithm>

#include "core/language/tr.h"
#include "core/platform/whole_file.h"
#include "core/schedule/plan_lines.h"
#include "core/settings/folder_paths.h"
#include "core/timers/sentence.h"
#include "core/timers/utf8_text.h"

namespace cv {

namespace {

constexpr const char* kPlanSection = "Plan";

// What the reader knows of a part while reading its section.
struct PartLines {
    DayPart part;
    int start = 0, days = 0, dates = 0, sheet = 0;  // the line of each key, 0 when not given
};

class PlanReader {
public:
    explicit PlanReader(const std::string& path) : path_(path) {}

    DayPartPlanReading Read(std::string_view bytes);

private:
    // Refuses the plan with sentence, whose %1 is the file and %2 the line,
    // and %3 onwards the values given. Always false.
    bool Refuse(int line, const char* sentence, std::initializer_list<std::string_view> values = {});
    bool TakeLine(const PlanLine& line);
    bool TakePlanKey(const PlanLine& line);
    bool TakePartKey(const PlanLine& line, PartLines& part);
    bool CheckParts();

    const std::string& path_;
    DayPartPlanReading result_;
    std::vector<PartLines> parts_;
    bool inPlan_ = false, planSeen_ = false, closedSeen_ = false, portSeen_ = false;
};

bool PlanReader::Refuse(int line, const char* sentence, std::initializer_list<std::string_view> values) {
    const std::string number = std::to_string(line);
    const auto value = [&](std::size_t i) { return i < values.size() ? values.begin()[i] : std::string_view(); };
    result_.problem = FillPlaceholders(sentence, {path_, number, value(0), value(1), value(2), value(3)});
    result_.line = line;
    result_.status = DayPartPlanReading::Status::Refused;
    return false;
}

bool PlanReader::TakePlanKey(const PlanLine& line) {
    const int number = line.number;
    std::string wrong;
    if (SamePlanName(line.name, "Closed")) {
        if (closedSeen_) return Refuse(number, Tr("DayParts", "%1, line %2: Closed= is given twice in [Plan]; keep one line and list every date on it.").c_str());
        closedSeen_ = true;
        const std::optional<std::vector<CivilDate>> dates = ParsePlanDates(line.value, wrong);
        if (!dates)
            return Refuse(number, Tr("DayParts", "%1, line %2: \"%3\" is not a date. Write dates as 2026-12-25 (year, month, day), separated by commas.").c_str(),
                          {QuotableText(wrong.empty() ? line.value : wrong)});
        result_.plan.closed = *dates;
        return true;
    }
    if (SamePlanName(line.name, "Port")) {
        if (portSeen_) return Refuse(number, Tr("DayParts", "%1, line %2: Port= is given twice in [Plan]; keep one.").c_str());
        portSeen_ = true;
        int port = 0;
        bool digits = !line.value.empty() && line.value.size() <= 5;
        for (const char c : line.value) digits = digits && c >= '0' && c <= '9', port = digits ? port * 10 + (c - '0') : 0;
        if (!digits || port < 1 || port > 65535)
            return Refuse(number, Tr("DayParts", "%1, line %2: \"%3\" is not a Comm Port. Write Port= and a number from 1 to 65535, or leave the line out to use the port chosen in CV Timer.").c_str(),
                          {QuotableText(line.value)});
        result_.plan.port = port;
        return true;
    }
    return Refuse(number, Tr("DayParts", "%1, line %2: [Plan] has no setting \"%3\". Its settings are Closed= and Port=.").c_str(),
                  {QuotableText(line.name)});
}

bool PlanReader::TakePartKey(const PlanLine& line, PartLines& lines) {
    DayPart& part = lines.part;
    const int number = line.number;
    int* seen = SamePlanName(line.name, "Start")   ? &lines.start
                : SamePlanName(line.name, "Days")  ? &lines.days
                : SamePlanName(line.name, "Dates") ? &lines.dates
                : SamePlanName(line.name, "Sheet") ? &lines.sheet
                                                   : nullptr;
    if (!seen)
        return Refuse(number, Tr("DayParts", "%1, line %2: a day part has no setting \"%3\". Its settings are Start=, Days= or Dates=, and Sheet=.").c_str(),
                      {QuotableText(line.name)});
    if (*seen)
        return Refuse(number, Tr("DayParts", "%1, line %2: [%3] has %4= twice (also on line %5); keep one.").c_str(),
                      {QuotableText(part.name), line.name, std::to_string(*seen)});
    *seen = number;
    std::string wrong;
    if (seen == &lines.start) {
        const std::optional<MinutesOfDay> start = ParsePlanStart(line.value);
        if (!start)
            return Refuse(number, Tr("DayParts", "%1, line %2: \"%3\" is not a time of day as a plan takes it. Write the start as 5:30 AM or as 17:30.").c_str(),
                          {QuotableText(line.value)});
        part.start = *start;
    } else if (seen == &lines.days) {
        const std::optional<WeekdaySet> days = ParsePlanDays(line.value, wrong);
        if (!days)
            return Refuse(number, Tr("DayParts", "%1, line %2: \"%3\" is not a day. Write Mon, Tue, Wed, Thu, Fri, Sat or Sun, a range such as Mon-Fri, a list such as Fri, Sat, or Every day.").c_str(),
                          {QuotableText(wrong.empty() ? line.value : wrong)});
        part.days = *days;
    } else if (seen == &lines.dates) {
        const std::optional<std::vector<CivilDate>> dates = ParsePlanDates(line.value, wrong);
        if (!dates)
            return Refuse(number, Tr("DayParts", "%1, line %2: \"%3\" is not a date. Write dates as 2026-12-25 (year, month, day), separated by commas.").c_str(),
                          {QuotableText(wrong.empty() ? line.value : wrong)});
        part.dates = *dates;
    } else {
        if (line.value.empty())
            return Refuse(number, Tr("DayParts", "%1, line %2: Sheet= names no timer file. Write the timer file to send, such as Sheet=lunch.csv.").c_str());
        part.sheet = line.value;
    }
    return true;
}

bool PlanReader::TakeLine(const PlanLine& line) {
    switch (line.kind) {
        case PlanLine::Kind::Blank:
        case PlanLine::Kind::Comment: return true;
        case PlanLine::Kind::Other:
            return Refuse(line.number, Tr("DayParts", "%1, line %2: \"%3\" is neither a [section], a Key=value line nor a comment. A day part is a [Name] line followed by its Start=, Days= or Dates=, and Sheet= lines.").c_str(),
                          {QuotableText(line.text)});
        case PlanLine::Kind::Section:
            if (line.name.empty())
                return Refuse(line.number, Tr("DayParts", "%1, line %2: a section needs a name between its brackets, such as [Lunch].").c_str());
            if (SamePlanName(line.name, kPlanSection)) {
                if (planSeen_) return Refuse(line.number, Tr("DayParts", "%1, line %2: there is a second [Plan]; put its settings in the first.").c_str());
                planSeen_ = inPlan_ = true;
                return true;
            }
            for (const PartLines& other : parts_) {
                if (SamePlanName(other.part.name, line.name))
                    return Refuse(line.number, Tr("DayParts", "%1, line %2: there is a second [%3] (the first is on line %4); give each day part a name of its own.").c_str(),
                                  {QuotableText(line.name), std::to_string(other.part.line)});
            }
            if (CleanUtf8Line(line.name) != line.name)
                return Refuse(line.number, Tr("DayParts", "%1, line %2: the name of [%3] holds a control character. Give the part a name of letters, digits and punctuation.").c_str(),
                              {QuotableText(line.name)});
            inPlan_ = false;
            parts_.emplace_back();
            parts_.back().part.name = line.name;
            parts_.back().part.line = line.number;
            return true;
        case PlanLine::Kind::Key:
            if (inPlan_) return TakePlanKey(line);
            if (parts_.empty())
                return Refuse(line.number, Tr("DayParts", "%1, line %2: \"%3\" stands before the first section. Put it under [Plan] or under a day part's [Name].").c_str(),
                              {QuotableText(line.text)});
            return TakePartKey(line, parts_.back());
    }
    return true;
}

bool PlanReader::CheckParts() {
    for (const PartLines& lines : parts_) {
        const DayPart& part = lines.part;
        const std::string name = QuotableText(part.name);
        if (!lines.start)
            return Refuse(part.line, Tr("DayParts", "%1, line %2: the day part [%3] has no Start=. Add a line such as Start=5:30 AM.").c_str(), {name});
        if (!lines.sheet)
            return Refuse(part.line, Tr("DayParts", "%1, line %2: the day part [%3] has no Sheet=. Add a line naming the timer file to send, such as Sheet=lunch.csv.").c_str(), {name});
        if (!lines.days && !lines.dates)
            return Refuse(part.line, Tr("DayParts", "%1, line %2: the day part [%3] has neither Days= nor Dates=. Add Days=Every day, Days=Mon-Fri or Dates=2026-12-24.").c_str(), {name});
        if (lines.days && lines.dates)
            return Refuse(lines.dates, Tr("DayParts", "%1, line %2: the day part [%3] has both Days= and Dates=. A dated part starts only on its dates: make it a part of its own.").c_str(), {name});
    }
    for (std::size_t j = 0; j < parts_.size(); ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            const DayPart& a = parts_[i].part;
            const DayPart& b = parts_[j].part;
            if (a.start != b.start) continue;
            std::string day;
            if (const WeekdaySet both = a.days & b.days) {
                int first = 0;
                while (!(both & WeekdayBit(first))) ++first;
                day = WeekdayWord(first);
            }
            for (const CivilDate& date : b.dates) {
                if (day.empty() && std::find(a.dates.begin(), a.dates.end(), date) != a.dates.end()) day = FormatIsoDate(date);
            }
            if (!day.empty())
                return Refuse(b.line, Tr("DayParts", "%1, line %2: [%3] and [%4] both start at %5 on %6. Only one part can start at a time: give one of them another Start=.").c_str(),
                              {QuotableText(a.name), QuotableText(b.name), FormatPlanStart(a.start), day});
        }
    }
    return true;
}

DayPartPlanReading PlanReader::Read(std::string_view bytes) {
    const PlanText text = DecodePlanText(bytes);
    if (text.encoding == PlanText::Encoding::Utf16) {
        Refuse(0, Tr("DayParts", "%1 is saved as UTF-16 (\"Unicode\"), which a plan cannot be. Open it in Notepad, choose Save As, set Encoding to UTF-8 and save it again.").c_str());
        return result_;
    }
    for (const PlanLine& line : SplitPlanLines(text.utf8)) {
        if (!TakeLine(line)) return result_;
    }
    if (parts_.empty()) {
        Refuse(0, Tr("DayParts", "%1 holds no day part. Add a section for each part of the day: a [Name] line, then Start=, Days= or Dates=, and Sheet=.").c_str());
        return result_;
    }
    if (!CheckParts()) return result_;
    for (PartLines& lines : parts_) result_.plan.parts.push_back(std::move(lines.part));
    result_.status = DayPartPlanReading::Status::Read;
    return result_;
}

}  // namespace

std::string DayPartPlanPathIn(const std::string& folder) { return FileInFolder(folder, kDayPartPlanFileName); }

DayPartPlanReading ParseDayPartPlan(std::string_view bytes, const std::string& path) {
    return PlanReader(path).Read(bytes);
}

DayPartPlanReading ReadDayPartPlan(const std::string& path) {
    const WholeFile file = ReadWholeFile(path, kDayPartPlanLimit);
    DayPartPlanReading reading;
    switch (file.status) {
        case WholeFile::Status::Read: return ParseDayPartPlan(file.text, path);
        case WholeFile::Status::Missing: reading.status = DayPartPlanReading::Status::Missing; return reading;
        case WholeFile::Status::TooLarge:
            reading.problem = FillPlaceholders(Tr("DayParts", "%1 is larger than a day-part plan can be (%2 KiB); it is not read."),
                                               {path, std::to_string(kDayPartPlanLimit / 1024)});
            return reading;
        case WholeFile::Status::Failed:
            reading.problem = FillPlaceholders(Tr("DayParts", "%1 cannot be read: %2."), {path, file.systemText});
            return reading;
    }
    return reading;
}

std::string SheetPathOf(const std::string& planPath, const DayPart& part) {
    const std::string& sheet = part.sheet;
    const bool absolute = sheet.starts_with('/') || sheet.starts_with('\\') ||
                          (sheet.size() >= 2 && sheet[1] == ':');
    return absolute ? sheet : FileInFolder(FolderOfFile(planPath), sheet);
}

}  // namespace cv
