#include "scenario/script.h"

#include <fstream>
#include <iterator>

#include "headless/virtual_disk.h"

namespace qvl::scenario {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string> tokenize(std::string_view line, int number) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string token;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    token += c;
                    continue;
                }
                if (i >= line.size()) throw ScriptError(number, "a quoted token ends in a backslash");
                char escaped = line[i++];
                switch (escaped) {
                    case '"': token += '"'; break;
                    case '\\': token += '\\'; break;
                    case 'r': token += '\r'; break;
                    case 'n': token += '\n'; break;
                    // Any other backslash stands for itself, so that a quoted Windows path
                    // such as "D:\models\a b.CATPart" reads as written.
                    default: token += '\\'; token += escaped; break;
                }
            }
            if (!closed) throw ScriptError(number, "a quoted token is not closed");
            if (i < line.size() && !isBlank(line[i]) && line[i] != '#') {
                throw ScriptError(number, "a quoted token must be followed by a blank");
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) token += line[i++];
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

}  // namespace

std::vector<ScriptLine> parseScript(std::string_view text) {
    std::vector<ScriptLine> lines;
    int number = 0;
    std::size_t start = 0;
    // A UTF-8 byte order mark is not part of the first command.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") start = 3;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        ++number;
        std::vector<std::string> tokens = tokenize(text.substr(start, end - start), number);
        if (!tokens.empty()) lines.push_back({number, std::move(tokens)});
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> readScriptFile(const std::string& utf8Path) {
    std::ifstream in(platform::pathFromUtf8(utf8Path), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace qvl::scenario
