#include "core/record/unit_holdings.h"

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "core/timers/unit_text.h"
#include "core/timers/utf8_text.h"

#include "core/timers/timer_table.h"

namespace cv {

namespace {

void Apply(MessageFate fate, const SendEntry& entry, const TimerRecord& values, HeldPart& part) {
    if (fate == MessageFate::NotSent) return;
    const bool taken = fate == MessageFate::Acknowledged;
    part.known = taken;
    part.values = taken ? values : TimerRecord();
    part.when = entry.when;
    part.source = taken ? entry.source : SendSource();
}

std::string Trimmed(const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); }

std::string BaseName(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string DescribePart(const HeldPart& part) {
    if (part.known) return FillPlaceholders(Tr("SentToUnit", "%1, %2"), {part.when, DescribeSource(part.source)});
    if (part.when.empty()) return Tr("SentToUnit", "not known: no send recorded here");
    return FillPlaceholders(Tr("SentToUnit", "not known: sent %1 without acknowledgement"), {part.when});
}

}  // namespace

bool SendReached(const SendEntry& entry, const UnitChoice& unit) {
    if (!unit.device.empty()) return entry.device == unit.device;
    return unit.portNumber > 0 && entry.portNumber == unit.portNumber;
}

UnitHoldings DeriveUnitHoldings(const std::vector<SendEntry>& entries, const UnitChoice& unit) {
    UnitHoldings holdings;
    for (const SendEntry& entry : entries) {
        if (!SendReached(entry, unit)) continue;
        ++holdings.sends;
        for (std::size_t index = 0; index < holdings.timers.size(); ++index) {
            const TimerInSend& sent = entry.timers[index];
            Apply(sent.settings, entry, sent.values, holdings.timers[index].settings);
            Apply(sent.name, entry, sent.values, holdings.timers[index].name);
        }
    }
    return holdings;
}

std::array<FieldMatch, kFieldsPerTimer> CompareWithSheet(const HeldTimer& held, const TimerRecord& onSheet) {
    const TimerRecord& settings = held.settings.values;
    const auto match = [](bool known, bool same) {
        return !known ? FieldMatch::NotKnown : same ? FieldMatch::Same : FieldMatch::Differs;
    };
    const bool knowsSettings = held.settings.known;
    return {
        match(held.name.known, held.name.values.name == NameFieldAsSent(onSheet)),
        match(knowsSettings, settings.startTime == onSheet.startTime),
        match(knowsSettings, settings.repeatInterval == onSheet.repeatInterval),
        match(knowsSettings, settings.snoozeTime == onSheet.snoozeTime),
        match(knowsSettings, settings.priority == static_cast<std::uint16_t>(onSheet.priority)),
    };
}

std::string HeldFieldText(const HeldTimer& held, TimerField field) {
    const HeldPart& part = field == TimerField::Name ? held.name : held.settings;
    if (!part.known) {
        // The field texts are Latin-1, as the timers' are.
        return Latin1TextOr(Tr("SentToUnit", "not known"), "not known");
    }
    const std::string text = TextsFromRecord(part.values)[field];
    return field == TimerField::Name ? Trimmed(text) : text;
}

std::string DescribeSource(const SendSource& source) {
    if (source.filePath.empty()) return Tr("SentToUnit", "typed on the sheet");
    if (source.changed) return FillPlaceholders(Tr("SentToUnit", "%1 (changed)"), {BaseName(source.filePath)});
    return BaseName(source.filePath);
}

namespace {

// "2026-12-10 10:30" of a time stamp; the stamp as it is when it is not one.
std::string DueMinute(const std::string& stamp) { return stamp.size() >= 16 ? stamp.substr(0, 16) : stamp; }

}  // namespace

std::string DescribeOrigin(const SendOrigin& origin) {
    if (!origin.ByPlan()) return Tr("SentToUnit", "by hand");
    if (origin.dayPart.empty()) return Tr("SentToUnit", "day-part plan, not run");
    std::string text = origin.late.empty()
                           ? FillPlaceholders(Tr("SentToUnit", "day-part plan: %1, due %2"),
                                              {origin.dayPart, DueMinute(origin.due)})
                           : FillPlaceholders(Tr("SentToUnit", "day-part plan: %1, due %2, %3 late"),
                                              {origin.dayPart, DueMinute(origin.due), origin.late});
    for (const std::string& missed : origin.missed)
        text = FillPlaceholders(Tr("SentToUnit", "%1; missed before it: %2"), {text, missed});
    return text;
}

std::string DescribeWhenSent(const HeldTimer& held) {
    const HeldPart& settings = held.settings;
    const HeldPart& name = held.name;
    if (settings.when != name.when || (settings.known && name.known && settings.source != name.source))
        return FillPlaceholders(Tr("SentToUnit", "settings %1; name %2"), {DescribePart(settings), DescribePart(name)});
    // Both parts from one send, or neither ever sent.
    if (settings.known && name.known) return DescribePart(settings);
    if (settings.known)
        return FillPlaceholders(Tr("SentToUnit", "%1: its name went without acknowledgement"), {DescribePart(settings)});
    if (name.known)
        return FillPlaceholders(Tr("SentToUnit", "%1: its settings went without acknowledgement"), {DescribePart(name)});
    return DescribePart(settings);
}

}  // namespace cv
