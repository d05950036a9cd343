#include "core/schedule/day_part_plan.h"

#include <algorithm>
#include <optional>

#include "core/language/tr.h"
#include "core/platform/whole_file.h"
#include "core/schedule/plan_lines.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

constexpr const char* kPartKeys[] = {"Start", "Days", "Dates", "Sheet"};
constexpr const char* kPlanKeys[] = {"Closed", "Port"};

std::vector<CivilDate> Sorted(std::vector<CivilDate> dates) {
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}

// The value a key of a part should have now ("" to leave the key out), kept
// as written when it still reads the same.
std::string PartValue(const DayPart& part, std::string_view key, const std::string* written) {
    std::string wrong;
    if (SamePlanName(key, "Start")) {
        if (written && ParsePlanStart(*written) == part.start) return *written;
        return FormatPlanStart(part.start);
    }
    if (SamePlanName(key, "Days")) {
        if (part.days == 0) return "";
        if (written && ParsePlanDays(*written, wrong) == part.days) return *written;
        return FormatPlanDays(part.days);
    }
    if (SamePlanName(key, "Dates")) {
        if (part.dates.empty()) return "";
        const std::optional<std::vector<CivilDate>> old = written ? ParsePlanDates(*written, wrong) : std::nullopt;
        if (old && Sorted(*old) == Sorted(part.dates)) return *written;
        return FormatPlanDates(part.dates);
    }
    return part.sheet;
}

std::string PlanValue(const DayPartPlan& plan, std::string_view key, const std::string* written) {
    std::string wrong;
    if (SamePlanName(key, "Port")) return plan.port > 0 ? std::to_string(plan.port) : "";
    if (plan.closed.empty()) return "";
    const std::optional<std::vector<CivilDate>> old = written ? ParsePlanDates(*written, wrong) : std::nullopt;
    if (old && Sorted(*old) == Sorted(plan.closed)) return *written;
    return FormatPlanDates(plan.closed);
}

// One section of the old text: its header line (none for what comes before
// the first) and the lines after it up to the next header.
struct Section {
    std::optional<PlanLine> header;
    std::vector<PlanLine> body;
};

std::vector<Section> Sections(const std::vector<PlanLine>& lines) {
    std::vector<Section> sections(1);
    for (const PlanLine& line : lines) {
        if (line.kind == PlanLine::Kind::Section) sections.push_back({line, {}});
        else sections.back().body.push_back(line);
    }
    return sections;
}

}  // namespace

std::string UpdateDayPartPlanText(std::string_view oldText, const DayPartPlan& plan,
                                  const std::vector<std::string>& oldNames) {
    const PlanText decoded = DecodePlanText(oldText);
    const std::string utf8 = decoded.encoding == PlanText::Encoding::Utf16 ? std::string() : decoded.utf8;
    const std::size_t firstEnd = utf8.find_first_of("\r\n");
    const std::string end = firstEnd != std::string::npos && utf8.compare(firstEnd, 2, "\r\n") == 0 ? "\r\n" : "\n";
    std::string text = decoded.encoding == PlanText::Encoding::Utf8WithMark ? "\xEF\xBB\xBF" : "";
    const auto line = [&](std::string_view content) { text.append(content).append(end); };

    // Writes a section's body with each of `keys` set to value(key, written):
    // in place, dropped when "", added after the last setting when missing.
    const auto body = [&](const std::vector<PlanLine>& lines, const auto& keys, auto value) {
        std::size_t lastSetting = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind == PlanLine::Kind::Key || lines[i].kind == PlanLine::Kind::Other) lastSetting = i + 1;
        }
        std::vector<bool> written(std::size(keys), false);
        const auto missing = [&] {
            for (std::size_t k = 0; k < std::size(keys); ++k) {
                if (written[k]) continue;
                written[k] = true;
                const std::string now = value(keys[k], nullptr);
                if (!now.empty()) line(std::string(keys[k]) + "=" + now);
            }
        };
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == lastSetting) missing();
            const PlanLine& old = lines[i];
            const auto known = std::find_if(std::begin(keys), std::end(keys),
                                            [&](const char* key) { return SamePlanName(old.name, key); });
            if (old.kind != PlanLine::Kind::Key || known == std::end(keys)) {
                line(old.text);
                continue;
            }
            const std::size_t k = static_cast<std::size_t>(known - std::begin(keys));
            if (written[k]) continue;  // a second line of the same key: the first one holds the value
            written[k] = true;
            const std::string now = value(*known, &old.value);
            if (now.empty()) continue;
            line(now == old.value ? old.text : std::string(*known) + "=" + now);
        }
        if (lastSetting == lines.size()) missing();
    };
    const auto planValue = [&](std::string_view key, const std::string* written) { return PlanValue(plan, key, written); };

    std::vector<bool> placed(plan.parts.size(), false);
    bool planPlaced = false;
    for (const Section& section : Sections(SplitPlanLines(utf8))) {
        if (!section.header) {
            for (const PlanLine& old : section.body) line(old.text);
            continue;
        }
        if (SamePlanName(section.header->name, "Plan") && !planPlaced) {
            planPlaced = true;
            line(section.header->text);
            body(section.body, kPlanKeys, planValue);
            continue;
        }
        std::size_t index = 0;
        while (index < plan.parts.size() &&
               (placed[index] || index >= oldNames.size() || oldNames[index].empty() ||
                !SamePlanName(oldNames[index], section.header->name)))
            ++index;
        if (index == plan.parts.size()) {
            // A part that is gone: its settings go, its comments stay.
            for (const PlanLine& old : section.body) {
                if (old.kind == PlanLine::Kind::Comment || old.kind == PlanLine::Kind::Blank) line(old.text);
            }
            continue;
        }
        placed[index] = true;
        const DayPart& part = plan.parts[index];
        line(part.name == section.header->name ? section.header->text : "[" + part.name + "]");
        body(section.body, kPartKeys, [&](std::string_view key, const std::string* written) {
            return PartValue(part, key, written);
        });
    }
    const auto separate = [&] {
        if (!text.empty() && !text.ends_with(end + end) && text != "\xEF\xBB\xBF") {
            if (!text.ends_with(end)) text += end;
            text += end;
        }
    };
    for (std::size_t index = 0; index < plan.parts.size(); ++index) {
        if (placed[index]) continue;
        separate();
        line("[" + plan.parts[index].name + "]");
        body({}, kPartKeys, [&](std::string_view key, const std::string* written) {
            return PartValue(plan.parts[index], key, written);
        });
    }
    if (!planPlaced && (plan.port > 0 || !plan.closed.empty())) {
        separate();
        line("[Plan]");
        body({}, kPlanKeys, planValue);
    }
    return text;
}

std::string WriteDayPartPlan(const std::string& path, const DayPartPlan& plan, const std::vector<std::string>& oldNames) {
    const WholeFile old = ReadWholeFile(path, kDayPartPlanLimit);
    if (!old.Ok() && old.status != WholeFile::Status::Missing)
        return FillPlaceholders(Tr("DayParts", "%1 cannot be read, so it is not replaced: %2."), {path, old.systemText});
    const std::string text = UpdateDayPartPlanText(old.Ok() ? old.text : "", plan, oldNames);
    // What is written must read back as the plan: a refusal here is the
    // window's to show before anything changes on disk.
    const DayPartPlanReading again = ParseDayPartPlan(text, path);
    if (again.status != DayPartPlanReading::Status::Read) return again.problem;
    const FileReplaceResult replaced = ReplaceFileSafely(path, text);
    if (!replaced.Ok())
        return FillPlaceholders(Tr("DayParts", "%1 cannot be written: %2. The plan on disk is as it was."),
                                {path, replaced.systemText});
    return "";
}

}  // namespace cv
