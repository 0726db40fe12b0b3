#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::scenario {

// One command of a scenario script: its tokens and the line it stands on.
struct ScriptLine {
    int number = 0;
    std::vector<std::string> tokens;
};

// A fault of the script: an unknown command or control, a bad argument, a pick path that names
// nothing. Carries the line it belongs to.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& reason) : std::runtime_error(reason), line_(line) {}
    int line() const noexcept { return line_; }

private:
    int line_;
};

// Splits a script into commands: one a line, '#' starts a comment outside quotes, tokens are
// separated by blanks, a token in double quotes may hold blanks and the escapes \" \\ \r \n;
// any other backslash in quotes stands for itself.
// Lines without tokens are left out.
std::vector<ScriptLine> parseScript(std::string_view text);

// The text of the script file at `utf8Path`; nullopt when it cannot be read.
std::optional<std::string> readScriptFile(const std::string& utf8Path);

}  // namespace qvl::scenario
