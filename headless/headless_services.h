#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/platform/message_buttons.h"
#include "common/platform/services.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"

namespace qvl::platform {

// The platform without a person at the screen: dialogs take their answers from queues that a
// script fills, everything shown is written to the transcript, files live on the virtual disk,
// and time passes only when the program waits.
class HeadlessServices : public Services {
public:
    // The folder browser's answers: a path, a cancel, or a virtual shell folder.
    struct FolderAnswer {
        enum class Kind { Path, Cancel, Virtual } kind = Kind::Cancel;
        std::string path;
    };

    HeadlessServices(VirtualDisk& disk, Transcript& transcript);

    // Scripted answers, used in order.
    void queueInput(std::optional<std::string> answer) { inputs_.push_back(std::move(answer)); }
    void queueFolder(FolderAnswer answer) { folders_.push_back(std::move(answer)); }
    void queueFiles(std::optional<std::vector<std::string>> answer) { files_.push_back(std::move(answer)); }
    // Answers a message box that offers more than an OK button.
    void queueMessageAnswer(MessageAnswer answer) { messageAnswers_.push_back(answer); }

    // The machine's settings.
    void setToday(std::string text) { today_ = std::move(text); }
    void setFixedRandom(double value) { fixedRandom_ = value; }
    void setScreenWidthPixels(int pixels) { screenWidthPixels_ = pixels; }
    void setClock(double secondsSinceMidnight) { clock_ = secondsSinceMidnight; }
    // Called every time the program lets pending messages be processed, after the clock has
    // advanced: other processes (the simulated CATIA) act then.
    void setIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }

    // What window placement left behind.
    bool isTopMost(WindowHandle window) const;
    double clock() const noexcept { return clock_; }
    // How long one pass of message processing takes on the simulated clock.
    static constexpr double messagePassSeconds = 0.01;

    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                        const std::string& defaultText) override;
    std::optional<ChosenFolder> browseForFolder(const std::string& title) override;
    std::optional<std::vector<std::string>> openFiles(const std::string& filterDescription,
                                                      const std::string& filterPatterns) override;
    void startProgram(const std::string& commandLine) override;
    // The headless machine starts its programs without a console.
    void writeConsoleLine(const std::string&) override {}
    std::string todayShortDate() override { return today_; }
    double secondsSinceMidnight() override { return clock_; }
    void processPendingMessages() override;
    double random() override;
    bool fileExists(const std::string& path) override { return disk_.fileExists(path); }
    bool folderExists(const std::string& path) override { return disk_.folderExists(path); }
    std::optional<std::string> readFile(const std::string& path) override { return disk_.readFile(path); }
    bool writeFile(const std::string& path, const std::string& bytes) override {
        return disk_.writeFile(path, bytes);
    }
    bool removeFile(const std::string& path) override { return disk_.removeFile(path); }
    bool createFolder(const std::string& path) override { return disk_.createFolder(path); }
    double screenWidthTwips() override { return screenWidthPixels_ * 15.0; }
    double screenHeightTwips() override { return screenHeightPixels_ * 15.0; }
    void setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;

    // The shell's parsing name of the virtual folder that a "virtual" answer chooses.
    static constexpr const char* virtualFolderName = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

private:
    VirtualDisk& disk_;
    Transcript& transcript_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<FolderAnswer> folders_;
    std::deque<std::optional<std::vector<std::string>>> files_;
    std::deque<MessageAnswer> messageAnswers_;
    std::string today_ = "2026/12/7";
    std::optional<double> fixedRandom_;
    std::mt19937 generator_{20261207u};
    int screenWidthPixels_ = 1920;
    int screenHeightPixels_ = 1080;
    double clock_ = 9 * 3600.0;
    std::function<void()> idleHook_;
    std::map<WindowHandle, bool> topMost_;
};

}  // namespace qvl::platform
