#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/automation/error_trap.h"
#include "common/automation/object.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

// One run of the batch projection: every model of the work list opened, projected onto the
// run's drawing (or drawings) and closed again, in one of three output modes. Errors of single
// calls are skipped; a model during which any call failed is counted and marked in the work
// list, and the run goes on with the next one. When CATIA goes away, no later model can be
// done: the run stops after the model in hand, leaves that model's line as it was, removes the
// drawing file it could not finish and says once that CATIA cannot be reached.
//
// Between models and after each step that waits on CATIA the window processes its messages; the
// window's caption and progress tell the model in hand. When the person asks to stop, the run
// ends after the model in hand as a run ends, and the lines not begun stay as they were.
class BatchRun {
public:
    BatchRun(MainFrm& window, int outputMode);

    // Asks for the drawing's name (modes 1 and 2), runs the mode and reports the outcome.
    BatchOutcome run();

private:
    // The three output modes.
    // `drawingMade` tells whether the run's drawing was made and saved at the start.
    void allModelsOnOneSheet(bool drawingMade);
    void sheetPerModel(bool drawingMade);
    void drawingPerModel();

    // The lines of the work list as they stand when the loop starts, until the steps of a line
    // tell to stop (false) or the person asked to stop.
    void forEachListedModel(const std::function<bool(int line)>& steps);

    // Steps shared by the modes.
    void beginModel(int line);
    void project(const automation::Object& subject);
    void setPaper();
    void explodeFrame();
    void forEachBody(const std::function<void(const automation::Object& body, long long number)>& bodySteps);
    void resetOrigins();
    void setProjectionMethod();
    void clearMainView();
    void removeSheets(const std::optional<std::string>& keep);
    void reframe();
    // Exports the drawing as DWG and as PDF, as the options ask; false when an export failed.
    bool exportDrawing();
    bool exportAs(const char* format);
    // Lets the window process its messages: it repaints, moves, and hears the person.
    void letWindowAnswer();
    void tellFileWritten(const std::string& path);
    void checkAndMark(int line);
    void endModel(int line);
    void closeModel();
    std::optional<std::string> partNumber();
    // Mode 3: a drawing of its own; an error of the run when it cannot be made and saved.
    void newDrawing(const std::optional<std::string>& name);
    // Modes 1 and 2: saves and exports the run's drawing; a drawing that was not made, or not
    // saved or exported, counts as one more file with a problem.
    void saveRunDrawing(bool drawingMade);

    // Whether CATIA went away during the run; the first time it is seen, the drawing file in
    // the making is removed.
    bool catiaWentAway();
    // The drawing just made is in the making until it is saved with its content.
    void drawingStarted();
    void drawingFinished() { unfinishedFile_.clear(); }
    // Ends the model of a run that stops; false, for the loop to stop.
    bool stopAt(int line);

    void report();

    MainFrm& f_;
    const int outputMode_;
    automation::ErrorTrap trap_;
    std::int16_t failures_ = 0;
    bool catiaGone_ = false;
    int unprojected_ = 0;
    // Whether the model in hand failed, as its check found it.
    bool modelFailed_ = false;
    std::string unfinishedFile_;
};

}  // namespace qvl::planwright
