// Messages to the unit: for any record the program would send, both messages
// arrive as exactly one brace frame each, as any reader of "{...}" frames
// splits them, and decode to that record; a name the program refuses really
// holds a character that may not go on the line.
//
// Input: the timer index, the priority (4 bytes), three times (2 bytes each),
// then the name.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/device/timer_messages.h"
#include "core/timers/unit_names.h"
#include "fuzz/fuzz_check.h"
#include "tools/unit_messages.h"

namespace {

// How a unit finds messages in what arrives: from a "{" to the next "}".
std::vector<std::string> SplitFrames(const std::string& line) {
    std::vector<std::string> frames;
    std::size_t pos = 0;
    while ((pos = line.find('{', pos)) != std::string::npos) {
        const std::size_t end = line.find('}', pos);
        if (end == std::string::npos) break;
        frames.push_back(line.substr(pos, end - pos + 1));
        pos = end + 1;
    }
    return frames;
}

bool MayNotBeSent(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte == '{' || byte == '}' || byte < 0x20 || byte == 0x7F;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 11) return 0;
    const int index = data[0] % cv::kTimerCount;
    cv::TimerRecord record;
    std::uint32_t priority = 0;
    std::memcpy(&priority, data + 1, 4);
    record.priority = static_cast<std::int32_t>(priority);
    record.startTime = static_cast<cv::MinutesOfDay>(data[5] | data[6] << 8);
    record.repeatInterval = static_cast<cv::MinutesOfDay>(data[7] | data[8] << 8);
    record.snoozeTime = static_cast<cv::MinutesOfDay>(data[9] | data[10] << 8);
    record.name.assign(reinterpret_cast<const char*>(data) + 11, size - 11);

    const std::string settings = cv::BuildSettingsMessage(index, record);
    const auto decodedSettings = cv::DecodeSettingsMessage(settings);
    FUZZ_CHECK(decodedSettings);
    FUZZ_CHECK(decodedSettings->index == index && decodedSettings->priority == record.priority);
    FUZZ_CHECK(decodedSettings->startTime == record.startTime && decodedSettings->repeatInterval == record.repeatInterval &&
               decodedSettings->snoozeTime == record.snoozeTime);

    const std::string sent = record.name.substr(0, 19);
    if (const auto position = cv::FindUnsendableCharacter(record.name)) {
        FUZZ_CHECK(*position < sent.size() && MayNotBeSent(sent[*position]));
        for (std::size_t i = 0; i < *position; ++i) FUZZ_CHECK(!MayNotBeSent(sent[i]));
        return 0;
    }
    for (char c : sent) FUZZ_CHECK(!MayNotBeSent(c));
    const std::string name = cv::BuildNameMessage(index, record);
    FUZZ_CHECK((SplitFrames(settings + name) == std::vector<std::string>{settings, name}));
    const auto decodedName = cv::DecodeNameMessage(name);
    FUZZ_CHECK(decodedName);
    FUZZ_CHECK(decodedName->index == index);
    FUZZ_CHECK(decodedName->name == sent.substr(0, sent.find_last_not_of(' ') + 1));
    return 0;
}
