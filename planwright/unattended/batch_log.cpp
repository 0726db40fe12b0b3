#include "planwright/unattended/batch_log.h"

#include <cmath>
#include <cstdio>

namespace qvl::planwright {
namespace {

constexpr double secondsADay = 24 * 3600.0;

// A text on one line: each line break (CR LF, CR or LF) becomes one blank.
std::string oneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return out;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
    return text;
}

std::string secondsText(double seconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", seconds);
    return buffer;
}

}  // namespace

BatchLog::BatchLog(platform::Services& services, std::string path)
    : services_(services), path_(std::move(path)), started_(services.secondsSinceMidnight()) {}

std::string BatchLog::timeNow() {
    const auto seconds = static_cast<long long>(std::floor(services_.secondsSinceMidnight()));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return buffer;
}

void BatchLog::setPath(std::string path) {
    path_ = std::move(path);
    write();
}

void BatchLog::write() {
    if (path_.empty()) return;
    writable_ = services_.writeFile(path_, "\xEF\xBB\xBF" + text_);
}

void BatchLog::line(const std::string& text) {
    text_ += oneLine(text) + "\r\n";
    write();
}

void BatchLog::message(const std::string& text) { line("消息: " + text); }

void BatchLog::modelBegun(int, int, const std::string& path) {
    inModel_ = true;
    modelPath_ = path;
    modelTime_ = timeNow();
    modelStarted_ = services_.secondsSinceMidnight();
    files_.clear();
}

void BatchLog::fileWritten(const std::string& path) { (inModel_ ? files_ : runFiles_).push_back(path); }

void BatchLog::modelEnded(int, bool failed) {
    inModel_ = false;
    double seconds = services_.secondsSinceMidnight() - modelStarted_;
    if (seconds < 0) seconds += secondsADay;
    ++(failed ? failed_ : done_);
    line(modelTime_ + "\t" + modelPath_ + "\t" + (failed ? "出现错误" : "完成") + "\t" + joined(files_) + "\t" +
         secondsText(seconds));
}

void BatchLog::notProjected(const std::string& modelPath) {
    ++notProjected_;
    line("\t" + modelPath + "\t没有投图\t\t");
}

void BatchLog::runFiles() {
    if (!runFiles_.empty()) line("图纸: " + joined(runFiles_));
}

void BatchLog::summary(int status) {
    double seconds = services_.secondsSinceMidnight() - started_;
    if (seconds < 0) seconds += secondsADay;
    line("结束 " + timeNow() + ": 共 " + std::to_string(done_ + failed_ + notProjected_) + " 个数模，" +
         std::to_string(done_) + " 个完成，" + std::to_string(failed_) + " 个出现错误，" +
         std::to_string(notProjected_) + " 个没有投图；用时 " + secondsText(seconds) + " 秒；退出状态 " +
         std::to_string(status));
}

}  // namespace qvl::planwright
