// The line settings of [SerialComm]: whatever the settings file says, either
// every key there that asks for something is one the program knows, or the
// reading names a problem; and a problem is one clean sentence of bounded
// length, whatever bytes it quotes (no NUL to cut it short, no escape
// sequence for a terminal, no line break).
//
// Input: the settings file's bytes.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "core/settings/line_setting.h"
#include "core/settings/profile_file.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_folder.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = cv::ScratchFolderPath() + "/CVTimerSystem.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::string problem = cv::ReadLineSettings(path).problem;
    if (problem.empty()) {
        for (const cv::ProfileKey& key : cv::GetProfileKeys(path, "SerialComm")) {
            const std::string name = Lower(key.name);
            FUZZ_CHECK(key.value.empty() || name == "portno" || name == "parity" || name == "stopbits" ||
                       name == "flowcontrol");
        }
        return 0;
    }
    FUZZ_CHECK(problem.starts_with(path + ", line "));
    FUZZ_CHECK(problem.size() < path.size() + 600);
    for (std::size_t i = 0; i < problem.size(); ++i) {
        const auto byte = static_cast<unsigned char>(problem[i]);
        FUZZ_CHECK(byte >= 0x20 && byte != 0x7F);
        // U+0080 to U+009F are C2 80 to C2 9F.
        FUZZ_CHECK(!(byte == 0xC2 && i + 1 < problem.size() && static_cast<unsigned char>(problem[i + 1]) <= 0x9F));
    }
    return 0;
}
