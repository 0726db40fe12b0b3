#include "common/drawing/default_templates.h"

#include "common/automation/error_trap.h"
#include "common/drawing/template_maker.h"
#include "common/platform/windows_path.h"

namespace qvl::drawing {

namespace {

std::string question(const std::string& needed) {
    return "找不到模板文件:\r\n" + needed + "\r\n\r\n是否现在在CATIA中生成默认模板？";
}

std::string report(const std::vector<std::string>& saved, const std::vector<std::string>& unsaved) {
    std::string text;
    auto list = [&](const char* heading, const std::vector<std::string>& paths) {
        if (paths.empty()) return;
        if (!text.empty()) text += "\r\n\r\n";
        text += heading;
        for (const std::string& path : paths) text += "\r\n" + path;
    };
    list("默认模板已生成，保存在:", saved);
    list("无法保存默认模板:", unsaved);
    return text;
}

}  // namespace

bool OfferDefaultTemplates(catia::Connection& connection, const std::string& needed,
                           const std::vector<DefaultTemplate>& templates) {
    platform::Services& services = connection.services();
    if (services.fileExists(needed)) return true;
    if (connection.CatiaApp.isNothing()) return false;
    const int answer = services.messageBox(question(needed), connection.policy().title,
                                           platform::mb::yesNo);
    if (answer != platform::mb::answerYes) return false;

    automation::ErrorTrap trap;
    // Making a drawing activates it: the document that was active is active again afterwards.
    automation::Object active;
    trap([&] { active = connection.CatiaApp.get("ActiveDocument").object(); });
    std::vector<std::string> saved, unsaved;
    for (const DefaultTemplate& made : templates) {
        if (services.fileExists(made.path)) continue;
        const bool done = services.createFolder(platform::folderOf(made.path)) &&
                          trap([&] { MakeTemplateDrawing(connection.CatiaApp, made.artwork(), made.path); });
        (done ? saved : unsaved).push_back(made.path);
    }
    if (!active.isNothing()) trap([&] { active.call("Activate"); });
    connection.message(report(saved, unsaved));
    return services.fileExists(needed);
}

}  // namespace qvl::drawing
