#pragma once
// The plan as the Day Parts window edits it: each part as four texts, the
// plan's own settings as two, and back. The window only moves these texts in
// and out of its cells; what they may hold is decided here.

#include <optional>
#include <string>
#include <vector>

#include "core/schedule/day_part_plan.h"

namespace cv {

struct DayPartTexts {
    std::string name;
    std::string start;        // "5:30 AM"
    std::string daysOrDates;  // "Mon-Fri", "Every day" or "2026-12-24, 2026-12-31"
    std::string sheet;        // the timer file, as the plan names it
};

DayPartTexts TextsOfDayPart(const DayPart& part);

// The part the texts of row `row` (counting from 1) make; nothing, with
// `problem` a sentence naming the row and what to write, when they make none.
std::optional<DayPart> DayPartFromTexts(const DayPartTexts& texts, int row, std::string& problem);

// The closed dates ("" for none) and the unit's port ("" for the port chosen
// in CV Timer) into plan; false, with `problem` saying what to write, when
// either cannot be read.
bool PlanSettingsFromTexts(const std::string& closed, const std::string& port, DayPartPlan& plan, std::string& problem);

// How a timer file chosen with the file dialog is named in the plan: relative
// to the plan's folder when it lies within it (or in a folder inside it), so
// that a folder copied to another store keeps working; otherwise in full.
std::string SheetNameFor(const std::string& planPath, const std::string& chosenFile);

}  // namespace cv
