#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qvl::planwright {

// What the command line of an unattended run asks for:
//   /batch LIST [/mode 1|2|3] [/out DIR] [/name NAME] [/dwg] [/pdf] [/log FILE]
// Switches may come in any order and letter case. Every option not given comes from the saved
// settings.
struct BatchArguments {
    std::string list;
    std::optional<int> outputMode;
    std::optional<std::string> outputFolder;
    std::optional<std::string> drawingName;
    bool dwg = false;
    bool pdf = false;
    std::optional<std::string> log;
};

// The command line read as an unattended run: its arguments, or the reason (for the person who
// wrote it) why they ask for none that can run. `error` is empty when `arguments` is good.
struct ParsedBatchArguments {
    BatchArguments arguments;
    std::string error;
};
ParsedBatchArguments parseBatchArguments(const std::vector<std::string>& commandLine);

// How the command line is written, for a person who got it wrong.
inline constexpr const char* batchUsage =
    "用法: Planwright.exe /batch 列表文件 [/mode 1|2|3] [/out 输出目录] [/name 图纸名] [/dwg] [/pdf] [/log 日志文件]";

}  // namespace qvl::planwright
