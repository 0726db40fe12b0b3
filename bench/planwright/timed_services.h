#pragma once

#include <chrono>

#include "common/platform/services.h"

namespace qvl::bench {

// The platform services of a machine, passed through with the time that the program spends in
// them measured: on the headless platform that is chiefly the simulated disk, whose look-ups
// read whole folders to find names regardless of letter case.
class TimedServices : public platform::Services {
public:
    using Clock = std::chrono::steady_clock;

    explicit TimedServices(platform::Services& services) : services_(services) {}

    void reset() {
        calls_ = 0;
        inside_ = {};
    }
    long long calls() const noexcept { return calls_; }
    Clock::duration timeInside() const noexcept { return inside_; }

    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                        const std::string& defaultText) override;
    std::optional<platform::ChosenFolder> browseForFolder(const std::string& title) override;
    std::optional<std::vector<std::string>> openFiles(const std::string& filterDescription,
                                                      const std::string& filterPatterns) override;
    void startProgram(const std::string& commandLine) override;
    void writeConsoleLine(const std::string& text) override { services_.writeConsoleLine(text); }
    std::string todayShortDate() override;
    double secondsSinceMidnight() override;
    void processPendingMessages() override;
    double random() override;
    bool fileExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& bytes) override;
    bool removeFile(const std::string& path) override;
    bool createFolder(const std::string& path) override;
    double screenWidthTwips() override;
    double screenHeightTwips() override;
    void setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;

private:
    // Runs one service call with the clock running, also when it throws.
    template <class Call>
    decltype(auto) timed(Call call);

    platform::Services& services_;
    long long calls_ = 0;
    Clock::duration inside_{};
};

}  // namespace qvl::bench
