#pragma once
// What a unit holds, as far as the record of sends knows, and where the sheet
// differs from it. A unit cannot be read back, so this is all there is to go
// on: the newest acknowledged values of each timer, its settings and its name
// apart, since the unit takes them in separate messages.

#include <array>
#include <string>
#include <vector>

#include "core/record/send_entry.h"
#include "core/timers/timer_table.h"

namespace cv {

// One of the two parts of a timer on the unit.
struct HeldPart {
    bool known = false;
    // When known: the values the unit acknowledged. For the settings part the
    // four numbers count, for the name part the 20 characters of the name.
    TimerRecord values;
    // The send that put the values there (known), or that made them uncertain
    // with a message the unit did not acknowledge; "" when no send recorded
    // here ever reached this part.
    std::string when;
    SendSource source;  // where the values came from, when known
};

struct HeldTimer {
    HeldPart settings;
    HeldPart name;
};

// Which unit: the one on a port number, or, when device is set, the one on
// that device (sends made to it by port number included).
struct UnitChoice {
    int portNumber = 1;
    std::string device;
};

struct UnitHoldings {
    std::array<HeldTimer, kTimerCount> timers;
    int sends = 0;  // entries of the record that reached this unit
};

bool SendReached(const SendEntry& entry, const UnitChoice& unit);

// Goes through the entries oldest first: an acknowledged message sets its
// part, one sent without acknowledgement makes it not known, one never sent
// leaves it as it was.
UnitHoldings DeriveUnitHoldings(const std::vector<SendEntry>& entries, const UnitChoice& unit);

enum class FieldMatch { Same, Differs, NotKnown };

// For each of the five fields of a timer: whether the sheet's record would
// put on the unit what it holds. The name counts as the unit gets it (its
// first 19 characters), the priority as its low 16 bits.
std::array<FieldMatch, kFieldsPerTimer> CompareWithSheet(const HeldTimer& held, const TimerRecord& onSheet);

// The held value of one field as the sheet would show it ("06:00 AM"), the
// name without its padding blanks; "not known" when the record cannot say.
std::string HeldFieldText(const HeldTimer& held, TimerField field);

// "lunch.csv", "lunch.csv (changed)", "typed on the sheet".
std::string DescribeSource(const SendSource& source);

// How a send came about: "by hand", "day-part plan: Lunch, due 2026-12-10
// 10:30, 12 min late", with the parts it noted as missed.
std::string DescribeOrigin(const SendOrigin& origin);

// When and from where the timer's parts came, in one line:
// "2025-03-14 14:02:33 +01:00, lunch.csv" when both came in one send (with
// ": its name went without acknowledgement" when only one part was taken),
// each part on its own when they came in different sends; a part not known
// says why.
std::string DescribeWhenSent(const HeldTimer& held);

}  // namespace cv
