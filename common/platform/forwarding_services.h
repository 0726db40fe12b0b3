#pragma once

#include "common/platform/services.h"

namespace qvl::platform {

// Services that hand every request on to other services; a subclass changes what it must.
class ForwardingServices : public Services {
public:
    explicit ForwardingServices(Services& inner) : inner_(inner) {}

    int messageBox(const std::string& text, const std::string& caption, int flags) override {
        return inner_.messageBox(text, caption, flags);
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                        const std::string& defaultText) override {
        return inner_.inputBox(prompt, caption, defaultText);
    }
    std::optional<ChosenFolder> browseForFolder(const std::string& title) override {
        return inner_.browseForFolder(title);
    }
    std::optional<std::vector<std::string>> openFiles(const std::string& filterDescription,
                                                      const std::string& filterPatterns) override {
        return inner_.openFiles(filterDescription, filterPatterns);
    }
    void startProgram(const std::string& commandLine) override { inner_.startProgram(commandLine); }
    void writeConsoleLine(const std::string& text) override { inner_.writeConsoleLine(text); }
    std::string todayShortDate() override { return inner_.todayShortDate(); }
    double secondsSinceMidnight() override { return inner_.secondsSinceMidnight(); }
    void processPendingMessages() override { inner_.processPendingMessages(); }
    double random() override { return inner_.random(); }
    bool fileExists(const std::string& path) override { return inner_.fileExists(path); }
    bool folderExists(const std::string& path) override { return inner_.folderExists(path); }
    std::optional<std::string> readFile(const std::string& path) override { return inner_.readFile(path); }
    bool writeFile(const std::string& path, const std::string& bytes) override {
        return inner_.writeFile(path, bytes);
    }
    bool removeFile(const std::string& path) override { return inner_.removeFile(path); }
    bool createFolder(const std::string& path) override { return inner_.createFolder(path); }
    double screenWidthTwips() override { return inner_.screenWidthTwips(); }
    double screenHeightTwips() override { return inner_.screenHeightTwips(); }
    void setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override {
        inner_.setWindowPos(window, insertAfter, x, y, cx, cy, flags);
    }

protected:
    Services& inner() const noexcept { return inner_; }

private:
    Services& inner_;
};

}  // namespace qvl::platform
