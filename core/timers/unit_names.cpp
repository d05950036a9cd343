#include "core/timers/unit_names.h"

#include <cstdio>

#include "core/language/tr.h"
#include "core/language/word_list.h"
#include "core/timers/sentence.h"
#include "core/timers/unit_text.h"

namespace cv {

std::optional<std::size_t> FindUnsendableCharacter(std::string_view name) {
    const std::string_view sent = name.substr(0, kUnitNameChars);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const auto byte = static_cast<unsigned char>(sent[i]);
        if (byte == '{' || byte == '}' || byte < 0x20 || byte == 0x7F) return i;
    }
    return std::nullopt;
}

std::string DescribeUnsendableCharacter(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte == '{' || byte == '}') return QuoteData(std::string_view(&character, 1));
    char shown[32];
    std::snprintf(shown, sizeof shown, "0x%02X", byte);
    return FillPlaceholders(Tr("UnitNames", "a control character (%1)"), {shown});
}

std::string DescribeUnsendableName(int timerIndex, std::string_view name, std::size_t position) {
    const char byte = position < name.size() ? name[position] : '\0';
    const bool brace = byte == '{' || byte == '}';
    const std::string sentence =
        brace ? Tr("UnitNames", "Timer %1's name holds %2 at character %3, which a Corvellan unit cannot take: "
                                "braces mark where a message begins and ends. Change the name and send again. "
                                "Nothing was sent.")
              : Tr("UnitNames", "Timer %1's name holds %2 at character %3, which a Corvellan unit cannot take. "
                                "Change the name and send again. Nothing was sent.");
    return FillPlaceholders(sentence, {std::to_string(timerIndex + 1), DescribeUnsendableCharacter(byte),
                                       std::to_string(position + 1)});
}

std::optional<std::string> FindUnsendableName(const std::array<std::string, kTimerCount>& names) {
    for (int index = 0; index < kTimerCount; ++index) {
        const std::string& name = names[static_cast<std::size_t>(index)];
        if (const std::optional<std::size_t> position = FindUnsendableCharacter(name)) {
            return DescribeUnsendableName(index, name, *position);
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindForeignName(const std::array<std::string, kTimerCount>& names, NameUse use) {
    for (int index = 0; index < kTimerCount; ++index) {
        const UnitText name = UnitTextFromUtf8(names[static_cast<std::size_t>(index)]);
        if (name.foreign.empty()) continue;
        const ForeignCharacter& first = name.foreign.front();
        const std::string sentence =
            use == NameUse::Send
                ? Tr("UnitNames", "Timer %1's name holds %2 at character %3, which a Corvellan unit cannot show. "
                                  "Change the name and send again. Nothing was sent.")
                : Tr("UnitNames", "Timer %1's name holds %2 at character %3, which a Corvellan unit cannot show "
                                  "and a timer file cannot hold. Change the name and save again. Nothing was written.");
        return FillPlaceholders(sentence, {std::to_string(index + 1), DescribeCharacter(first.character),
                                           std::to_string(first.position + 1)});
    }
    return std::nullopt;
}

}  // namespace cv
