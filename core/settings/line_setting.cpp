#include "core/settings/line_setting.h"

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
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) list += i + 1 == N ? " or " : ", ";
        list += choices[i].name;
    }
    return list;
}

// Sets `value` from the key when the file names one of `choices`; otherwise
// returns the sentence that says what is wrong and where.
template <typename Value, std::size_t N>
std::string ReadChoice(const std::string& path, const char* key, const char* what, const char* whenRemoved,
                       const Choice<Value> (&choices)[N], Value& value) {
    const std::optional<ProfileEntry> entry = FindProfileEntry(path, kSection, key);
    if (!entry || entry->value.empty()) return {};
    for (const Choice<Value>& choice : choices) {
        if (SameProfileName(entry->value, choice.name)) {
            value = choice.value;
            return {};
        }
    }
    return path + ", line " + std::to_string(entry->line) + ": \"" + key + "=" + QuotableText(entry->value) +
           "\" is not " + what +
           " CV Timer knows. Write " + key + "=" + ChoiceList(choices) + ", or remove the line for " + whenRemoved +
           ". Nothing is sent until then.";
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
        return path + ", line " + std::to_string(key.line) + ": \"" + QuotableText(key.name + "=" + key.value) +
               "\" is not a line setting CV Timer knows. [SerialComm] takes PortNo, Parity, StopBits and "
               "FlowControl: correct the name, or remove the line for 8 data bits, no parity, 1 stop bit and no "
               "flow control. Nothing is sent until then.";
    }
    return {};
}

}  // namespace

LineSettingsReading ReadLineSettings(const std::string& settingsPath) {
    LineSettingsReading reading;
    LineSettings& line = reading.settings;
    for (std::string problem :
         {ReadChoice(settingsPath, "Parity", "a parity", "no parity", kParities, line.parity),
          ReadChoice(settingsPath, "StopBits", "a number of stop bits", "1 stop bit", kStopBits, line.stopBits),
          ReadChoice(settingsPath, "FlowControl", "a flow control", "no flow control", kFlowControls,
                     line.flowControl),
          ReadUnknownKeys(settingsPath)}) {
        if (reading.problem.empty()) reading.problem = std::move(problem);
    }
    return reading;
}

}  // namespace cv
