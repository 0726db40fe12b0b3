#pragma once

#include <optional>
#include <string>

#include "common/platform/forwarding_services.h"
#include "planwright/unattended/batch_log.h"

namespace qvl::planwright {

// The machine's services for a run that nobody watches: no dialog is shown and nobody is waited
// for. What would have been a message goes to the log; a question is answered with its safe
// button (No, else Cancel); the drawing's name is the one the command line gave (or the
// default the program offers); dialogs that choose folders or files are cancelled; no other
// program is started. Everything else is the machine's.
class UnattendedServices : public platform::ForwardingServices {
public:
    UnattendedServices(platform::Services& machine, BatchLog& log, std::optional<std::string> drawingName)
        : ForwardingServices(machine), log_(log), drawingName_(std::move(drawingName)) {}

    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                        const std::string& defaultText) override;
    std::optional<platform::ChosenFolder> browseForFolder(const std::string& title) override;
    std::optional<std::vector<std::string>> openFiles(const std::string& filterDescription,
                                                      const std::string& filterPatterns) override;
    void startProgram(const std::string& commandLine) override;

    void setDrawingName(std::optional<std::string> name) { drawingName_ = std::move(name); }

private:
    BatchLog& log_;
    std::optional<std::string> drawingName_;
};

}  // namespace qvl::planwright
