#include "core/settings/line_setting.h"

#include <vector>

#include "core/language/tr.h"
#include "core/language/word_list.h"
#include "core/timers/sentence.h"

#include <optional>
#include <string_view>
#include <utility>

#include "core/settings/profile_file.h"
#include "core/timers/utf8_text.h"

namespace cv {

namespace {

constexpr const char* kSection = "SerialComm";

template <typename Value>
struct Choice {
    const char* name;
    Value value;
};

constexpr Choice<Parity> kParities[] = {
    {"None", Parity::None}, {"Odd", Parity::Odd}, {"Even", Parity::Even}, {"Mark", Parity::Mark}, {"Space", Parity::Space}};
constexpr Choice<StopBits> kStopBits[] = {{"1", StopBits::One}, {"2", StopBits::Two}};
constexpr Choice<FlowControl> kFlowControls[] = {
    {"None", FlowControl::None}, {"RtsCts", FlowControl::RtsCts}, {"XonXoff", FlowControl::XonXoff}};

// "None, Odd, Even, Mark or Space"
template <typename Value, std::size_t N>
std::string ChoiceList(const Choice<Value> (&choices)[N]) {
    std::vector<std::string> names;
    for (const Choice<Value>& choice : choices) names.emplace_back(choice.name);
    return JoinList(names, true);
}

// Sets `value` from the key when the file names one of `choices`; otherwise
// returns `sentence`, which says what is wrong and where: %1 the file, %2
// the line, %3 the line's text, %4 the choices.
template <typename Value, std::size_t N>
std::string ReadChoice(const std::string& path, const char* key, const std::string& sentence,
                       const Choice<Value> (&choices)[N], Value& value) {
    const std::optional<ProfileEntry> entry = FindProfileEntry(path, kSection, key);
    if (!entry || entry->value.empty()) return {};
    for (const Choice<Value>& choice : choices) {
        if (SameProfileName(entry->value, choice.name)) {
            value = choice.value;
            return {};
        }
    }
    return FillPlaceholders(sentence, {path, std::to_string(entry->line),
                                       std::string(key) + "=" + QuotableText(entry->value), ChoiceList(choices)});
}

// A key the program does not know ("Partiy", "Stop Bits", "DataBits") is
// named like a value it does not know, and holds back sends the same way: the
// site asked for a line the program would not give it, and a unit behind a
// converter framed otherwise takes garbled names, or no name at all, at 8N1.
// A key left empty asks for nothing.
std::string ReadUnknownKeys(const std::string& path) {
    for (const ProfileKey& key : GetProfileKeys(path, kSection)) {
        if (key.value.empty()) continue;
        bool known = false;
        for (const char* name : {"PortNo", "Parity", "StopBits", "FlowControl"}) known = known || SameProfileName(key.name, name);
        if (known) continue;
        return FillPlaceholders(
            Tr("LineSetting", "%1, line %2: \"%3\" is not a line setting CV Timer knows. [SerialComm] takes PortNo, "
                              "Parity, StopBits and FlowControl: correct the name, or remove the line for 8 data "
                              "bits, no parity, 1 stop bit and no flow control. Nothing is sent until then."),
            {path, std::to_string(key.line), QuotableText(key.name + "=" + key.value)});
    }
    return {};
}

}  // namespace

LineSettingsReading ReadLineSettings(const std::string& settingsPath) {
    LineSettingsReading reading;
    LineSettings& line = reading.settings;
    for (std::string problem :
         {ReadChoice(settingsPath, "Parity",
                     Tr("LineSetting", "%1, line %2: \"%3\" is not a parity CV Timer knows. Write Parity=%4, or "
                                       "remove the line for no parity. Nothing is sent until then."),
                     kParities, line.parity),
          ReadChoice(settingsPath, "StopBits",
                     Tr("LineSetting", "%1, line %2: \"%3\" is not a number of stop bits CV Timer knows. Write "
                                       "StopBits=%4, or remove the line for 1 stop bit. Nothing is sent until then."),
                     kStopBits, line.stopBits),
          ReadChoice(settingsPath, "FlowControl",
                     Tr("LineSetting", "%1, line %2: \"%3\" is not a flow control CV Timer knows. Write "
                                       "FlowControl=%4, or remove the line for no flow control. Nothing is sent "
                                       "until then."),
                     kFlowControls, line.flowControl),
          ReadUnknownKeys(settingsPath)}) {
        if (reading.problem.empty()) reading.problem = std::move(problem);
    }
    return reading;
}

}  // namespace cv
