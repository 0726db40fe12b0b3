#pragma once

#include <string>
#include <vector>

#include "common/platform/services.h"
#include "planwright/batch_outcome.h"

namespace qvl::planwright {

// The log of an unattended run: a text file in UTF-8 with a byte-order mark and CR LF line ends.
// It is written anew after every line, so that it tells everything up to the moment a run ends,
// however it ends. Times are the machine's clock ("09:00:05"); durations are seconds with two
// decimals.
//
// Each model is one line of five columns separated by tabs: the time it was begun, its path, the
// result ("完成", "出现错误", or "没有投图" for a model that was not begun), the files written for
// it ("; " between them) and the seconds it took.
class BatchLog : public BatchObserver {
public:
    // An empty path keeps the log nowhere.
    BatchLog(platform::Services& services, std::string path);

    const std::string& path() const noexcept { return path_; }
    // Keeps the log at `path` from now on, with every line written so far.
    void setPath(std::string path);
    // Whether the file could be written the last time.
    bool writable() const noexcept { return writable_; }

    // A line of its own; line breaks inside become blanks.
    void line(const std::string& text);
    // What would have been a message box.
    void message(const std::string& text);
    // A model of the list that the run did not begin.
    void notProjected(const std::string& modelPath);
    // The files the run wrote outside its models (the one drawing of output modes 1 and 2).
    void runFiles();
    // The closing line: the counts of models, the run's seconds and the exit status.
    void summary(int status);

    int modelsDone() const noexcept { return done_; }
    int modelsFailed() const noexcept { return failed_; }

    // The time of day now ("09:00:05").
    std::string timeNow();

    void modelBegun(int line, int lines, const std::string& path) override;
    void fileWritten(const std::string& path) override;
    void modelEnded(int line, bool failed) override;

private:
    void write();

    platform::Services& services_;
    std::string path_;
    std::string text_;
    bool writable_ = true;
    double started_;
    // The model in hand: its path, when it was begun, the files written for it.
    bool inModel_ = false;
    std::string modelPath_;
    std::string modelTime_;
    double modelStarted_ = 0;
    std::vector<std::string> files_;
    std::vector<std::string> runFiles_;
    int done_ = 0;
    int failed_ = 0;
    int notProjected_ = 0;
};

}  // namespace qvl::planwright
