#include "timed_services.h"

namespace qvl::bench {

template <class Call>
decltype(auto) TimedServices::timed(Call call) {
    struct Stopwatch {
        TimedServices& owner;
        Clock::time_point start = Clock::now();
        ~Stopwatch() { owner.inside_ += Clock::now() - start; }
    };
    ++calls_;
    Stopwatch stopwatch{*this};
    return call();
}

int TimedServices::messageBox(const std::string& text, const std::string& caption, int flags) {
    return timed([&] { return services_.messageBox(text, caption, flags); });
}

std::optional<std::string> TimedServices::inputBox(const std::string& prompt, const std::string& caption,
                                                   const std::string& defaultText) {
    return timed([&] { return services_.inputBox(prompt, caption, defaultText); });
}

std::optional<platform::ChosenFolder> TimedServices::browseForFolder(const std::string& title) {
    return timed([&] { return services_.browseForFolder(title); });
}

std::optional<std::vector<std::string>> TimedServices::openFiles(const std::string& filterDescription,
                                                                 const std::string& filterPatterns) {
    return timed([&] { return services_.openFiles(filterDescription, filterPatterns); });
}

void TimedServices::startProgram(const std::string& commandLine) {
    timed([&] { services_.startProgram(commandLine); });
}

std::string TimedServices::todayShortDate() {
    return timed([&] { return services_.todayShortDate(); });
}

double TimedServices::secondsSinceMidnight() {
    return timed([&] { return services_.secondsSinceMidnight(); });
}

void TimedServices::processPendingMessages() {
    timed([&] { services_.processPendingMessages(); });
}

double TimedServices::random() {
    return timed([&] { return services_.random(); });
}

bool TimedServices::fileExists(const std::string& path) {
    return timed([&] { return services_.fileExists(path); });
}

bool TimedServices::folderExists(const std::string& path) {
    return timed([&] { return services_.folderExists(path); });
}

std::optional<std::string> TimedServices::readFile(const std::string& path) {
    return timed([&] { return services_.readFile(path); });
}

bool TimedServices::removeFile(const std::string& path) {
    return timed([&] { return services_.removeFile(path); });
}

bool TimedServices::createFolder(const std::string& path) {
    return timed([&] { return services_.createFolder(path); });
}

bool TimedServices::writeFile(const std::string& path, const std::string& bytes) {
    return timed([&] { return services_.writeFile(path, bytes); });
}

double TimedServices::screenWidthTwips() {
    return timed([&] { return services_.screenWidthTwips(); });
}

double TimedServices::screenHeightTwips() {
    return timed([&] { return services_.screenHeightTwips(); });
}

void TimedServices::setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x, int y,
                                 int cx, int cy, unsigned flags) {
    timed([&] { services_.setWindowPos(window, insertAfter, x, y, cx, cy, flags); });
}

}  // namespace qvl::bench
