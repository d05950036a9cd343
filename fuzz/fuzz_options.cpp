// The command-line option walk: it ends, takes every argument at most once
// and in order, skips nothing but the "--" that ends the options, never takes
// an argument after that "--" for an option; and a count is exactly a run of
// decimal digits that fits an int.
//
// Input: the arguments, separated by NUL bytes; each byte of the last
// argument's length decides whether an option takes a value.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "tools/ctl_options.h"

namespace {

std::optional<int> CountOf(std::string_view text) {
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max()) return std::nullopt;
    }
    return static_cast<int>(value);
}

// Which argument a view lies in, or -1.
int ArgumentOf(std::string_view view, std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const char* begin = arguments[i].data();
        if (view.data() >= begin && view.data() + view.size() <= begin + arguments[i].size()) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments{"cvtimerctl"};
    std::string current;
    for (std::size_t i = 0; i < size && arguments.size() < 32; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    arguments.push_back(current);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(arguments.size());

    cv::ArgumentReader reader(argc, argv.data());
    int last = 0;  // the last argument taken
    bool optionsEnded = false;
    for (int step = 0; !reader.AtEnd(); ++step) {
        FUZZ_CHECK(step < argc);
        const std::string_view argument = reader.Next();
        const int at = ArgumentOf(argument, arguments);
        FUZZ_CHECK(at > 0 && reader.Whole().data() == arguments[at].data());
        if (at != last + 1) {
            // Only the first "--" is skipped, and it ends the options.
            FUZZ_CHECK(at == last + 2 && arguments[at - 1] == "--" && !optionsEnded);
            optionsEnded = true;
        }
        last = at;
        if (reader.IsOption()) {
            FUZZ_CHECK(!optionsEnded && reader.Whole().size() > 1 && reader.Whole()[0] == '-');
            FUZZ_CHECK(argument.find('=') == std::string_view::npos);
            const bool wantsValue = static_cast<std::size_t>(step) < current.size() && current[step] % 2 == 0;
            if (const auto value = wantsValue ? reader.TakeValue() : std::nullopt) {
                const int from = ArgumentOf(*value, arguments);
                FUZZ_CHECK(from == at || from == at + 1);
                last = from;
            }
        }
        FUZZ_CHECK(cv::ParseCount(argument) == CountOf(argument));
    }
    // Nothing is left over but a trailing "--" while options still run.
    FUZZ_CHECK(last == argc - 1 || (last == argc - 2 && arguments[argc - 1] == "--" && !optionsEnded));
    return 0;
}
