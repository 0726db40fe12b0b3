#include "planwright/unattended/batch_arguments.h"

#include "common/text/utf8.h"

namespace qvl::planwright {

ParsedBatchArguments parseBatchArguments(const std::vector<std::string>& commandLine) {
    ParsedBatchArguments parsed;
    BatchArguments& a = parsed.arguments;
    auto fail = [&](std::string reason) {
        parsed.error = std::move(reason);
        return parsed;
    };
    bool batch = false;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const std::string& word = commandLine[i];
        const std::string name = text::lowerAscii(word);
        if (name.empty() || name.front() != '/') return fail("不认识的参数: " + word);
        for (const std::string& earlier : seen) {
            if (earlier == name) return fail("参数重复: " + word);
        }
        seen.push_back(name);
        if (name == "/dwg") {
            a.dwg = true;
            continue;
        }
        if (name == "/pdf") {
            a.pdf = true;
            continue;
        }
        if (name != "/batch" && name != "/mode" && name != "/out" && name != "/name" && name != "/log") {
            return fail("不认识的参数: " + word);
        }
        // Every other switch takes the word after it.
        if (i + 1 >= commandLine.size() || commandLine[i + 1].empty()) return fail(word + " 后面缺少内容");
        const std::string& value = commandLine[++i];
        if (name == "/batch") {
            batch = true;
            a.list = value;
        } else if (name == "/mode") {
            if (value != "1" && value != "2" && value != "3") return fail("/mode 只能是 1、2 或 3: " + value);
            a.outputMode = value.front() - '0';
        } else if (name == "/out") {
            a.outputFolder = value;
        } else if (name == "/name") {
            a.drawingName = value;
        } else {
            a.log = value;
        }
    }
    if (!batch) return fail("缺少 /batch 列表文件");
    return parsed;
}

}  // namespace qvl::planwright
