#pragma once
// What the cvtimerctl commands share: walking their arguments, whole-number
// option values, the usage-error exit, and aligned tables on stdout.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cv {

// Walks a command's arguments after argv[0]. An option is "--name value" or
// "--name=value"; any other argument that starts with "-" (except "-" alone)
// is an option too, so a mistyped one is refused rather than taken for a file. After "--" everything is an
// operand, so a file called "--port" can still be named.
class ArgumentReader {
public:
    ArgumentReader(int argc, char** argv) : argc_(argc), argv_(argv) {}

    // True when no argument is left (a lone trailing "--" counts as none).
    bool AtEnd() const;

    // Moves to the next argument and returns it, without any "=value" part
    // when it is an option.
    std::string_view Next();

    bool IsOption() const { return isOption_; }
    // The current argument as written, "=value" included.
    std::string_view Whole() const { return argv_[current_]; }

    // The option's value: its "=value" part, or else the argument after it,
    // which is then used up. Nothing when neither exists.
    std::optional<std::string_view> TakeValue();

private:
    int argc_;
    char** argv_;
    int next_ = 1;
    int current_ = 0;
    bool isOption_ = false;
    bool optionsEnded_ = false;
    std::optional<std::string_view> inlineValue_;
};

inline bool IsHelpOption(std::string_view name) { return name == "--help" || name == "-h"; }

// A non-negative decimal number with nothing around it.
std::optional<int> ParseCount(std::string_view text);

// Where a command talks to the unit: "--port N" or "--device PATH", not both.
struct UnitOptions {
    std::optional<int> port;
    std::optional<std::string> device;  // as the user wrote it
};

// When `option` (the current argument) is --port or --device, takes its value
// into `unit` and returns -1; for any other option returns -2; for a missing
// or wrong value, or both options given, the usage error's exit status.
int TakeUnitOption(ArgumentReader& arguments, std::string_view option, const char* command, const char* usage,
                   UnitOptions& unit);

// Prints "cvtimerctl <command>: <message>" and the usage on stderr; returns 2.
int UsageError(const char* command, const std::string& message, const char* usage);

// Prints rows as columns two blanks apart, each as wide as its widest cell
// in characters (UTF-8); a column empty in every row is left out.
// rightAligned[i] puts column i flush right (numbers); trailing blanks of a
// line are left out.
void PrintTable(const std::vector<std::vector<std::string>>& rows, const std::vector<bool>& rightAligned);

// UTF-8 text as a terminal shows it, in its own encoding (console.h): every
// character as it is but the control characters (C0, DEL, C1) as \xNN, and the
// marks that turn the direction of text or break a line as \uNNNN. A byte
// that is not UTF-8 shows as \xNN too.
std::string TerminalText(std::string_view utf8);

// A timer's name (UTF-8) for a table: trailing blanks (files pad names to 20
// columns) left out; a name with leading blanks, or of blanks only, in
// quotes; then TerminalText.
std::string DisplayTimerName(std::string_view name);

// Prints "cvtimerctl: " and DescribeSettingsFileProblem's sentence on stderr
// when the settings file is there but cannot be used; true when it did.
bool WarnIfSettingsUnread(const std::string& settingsPath);

}  // namespace cv
