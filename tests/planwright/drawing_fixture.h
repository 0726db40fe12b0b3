#pragma once
// Planwright's window on the headless platform and a CATIA that holds models and drawings.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/catia/connection.h"
#include "headless/headless_services.h"
#include "headless/headless_window_system.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "planwright/connection_policy.h"
#include "planwright/main_frm.h"
#include "tests/planwright/fake_drawing_catia.h"
#include "tests/planwright/window_fixture.h"

namespace qvl::planwright::testing {

inline const std::string firstAngleTemplate = "C:\\QVL\\Template\\DrwFrame_All.CATDrawing";
inline const std::string thirdAngleTemplate = "C:\\QVL\\Template\\DrwFrame_All_3rd.CATDrawing";

class DrawingTest : public ::testing::Test {
protected:
    qvl::testing::TempFolder temp{"C/QVL", "D/models", "D/out"};
    platform::VirtualDisk disk{temp.root()};
    platform::Transcript transcript;
    platform::HeadlessServices services{disk, transcript};
    FakeDrawingCatia catia{disk};
    catia::Connection connection{planwright::connectionPolicy(), catia, services};
    ui::HeadlessWindowSystem windows{services};
    std::unique_ptr<MainFrm> form;
    std::size_t eventsBeforeStart = 0;

    // The templates that the fake CATIA reads lie on the disk too, so nothing offers to make them.
    DrawingTest() {
        catia.templates = {firstAngleTemplate, thirdAngleTemplate};
        for (const std::string& path : catia.templates) disk.writeFile(path, "{}", true);
    }
    // Neither CATIA nor the disk has the templates: a run offers to make them, and the person
    // declines.
    void withoutTemplates() {
        catia.templates.clear();
        for (const std::string& path : {firstAngleTemplate, thirdAngleTemplate}) disk.removeFile(path);
    }

    // The window loaded, with the output folder D:\out; what start-up showed is left out of
    // the events below.
    MainFrm& start() {
        form = std::make_unique<MainFrm>(connection, services);
        windows.show(*form);
        form->lblOutFolder2.setCaption("D:\\out");
        eventsBeforeStart = transcript.events().size();
        return *form;
    }

    // Lists model files through the file dialog.
    void list(std::vector<std::string> paths) {
        services.queueFiles(std::move(paths));
        form->cmdFolderSel.click();
    }

    // Presses the run button in an output mode; modes 1 and 2 answer the name question.
    void run(int mode, std::optional<std::string> drawingName = "Run") {
        if (mode == 1) form->opOut1.setValue(1);
        if (mode == 2) form->opOut2.setValue(1);
        if (mode == 3) form->opOut3.setValue(1);
        if (mode != 3) services.queueInput(drawingName);
        form->cmdRun.click();
    }

    // The messages shown since start-up, as "caption|text|flags".
    std::vector<std::string> messages() const {
        std::vector<std::string> shown;
        const auto& events = transcript.events();
        for (std::size_t i = eventsBeforeStart; i < events.size(); ++i) {
            const auto& e = events[i];
            if (e["event"] == "message") {
                shown.push_back(e["caption"].get<std::string>() + "|" + e["text"].get<std::string>() + "|" +
                                std::to_string(e["flags"].get<int>()));
            }
        }
        return shown;
    }

    // The drawing that a call made (the last one that is no template).
    FakeDrawing& lastDrawing() const {
        for (auto it = catia.drawings.rbegin(); it != catia.drawings.rend(); ++it) {
            if (!(*it)->isTemplate) return **it;
        }
        throw std::logic_error("no drawing was made");
    }

    // The texts of a view by name ("" for unnamed texts such as the size line).
    static const FakeText* textNamed(const FakeView& view, const std::string& name) {
        for (const auto& text : view.texts) {
            if (text->name == name) return text.get();
        }
        return nullptr;
    }
};

inline const std::string runCaption = "自动投图";
inline const std::string allDone = runCaption + "|操作完成！ |0";
inline std::string someFailed(int count) {
    return runCaption + "|操作完成，有 " + std::to_string(count) + " 个文件出现了一点问题，请检查！|0";
}

}  // namespace qvl::planwright::testing
