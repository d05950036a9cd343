#include "core/settings/line_setting.h"

#include <optional>
#include <string_view>
#include <utility>

#include "core/settings/profile_file.h"

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
    return path + ", line " + std::to_string(entry->line) + ": \"" + key + "=" + entry->value + "\" is not " + what +
           " CV Timer knows. Write " + key + "=" + ChoiceList(choices) + ", or remove the line for " + whenRemoved +
           ". Nothing is sent until then.";
}

}  // namespace

LineSettingsReading ReadLineSettings(const std::string& settingsPath) {
    LineSettingsReading reading;
    LineSettings& line = reading.settings;
    for (std::string problem :
         {ReadChoice(settingsPath, "Parity", "a parity", "no parity", kParities, line.parity),
          ReadChoice(settingsPath, "StopBits", "a number of stop bits", "1 stop bit", kStopBits, line.stopBits),
          ReadChoice(settingsPath, "FlowControl", "a flow control", "no flow control", kFlowControls,
                     line.flowControl)}) {
        if (reading.problem.empty()) reading.problem = std::move(problem);
    }
    return reading;
}

}  // namespace cv
