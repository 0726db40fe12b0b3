// The generation of a machining sheet: the user picks a process activity, a setup or a
// program in CATIA's tree; its operations become the rows of the operations table on a new A4
// drawing with the template's frame, the title block and the views of the part, saved in the
// output folder.

#include <optional>
#include <string>
#include <vector>

#include "common/automation/error_trap.h"
#include "common/catia/file_alerts_off.h"
#include "common/text/vb_number.h"
#include "millsheet/main_frm3.h"
#include "millsheet/messages.h"
#include "millsheet/operations/operation_texts.h"
#include "millsheet/operations/process_types.h"
#include "common/drawing/drawing_file.h"
#include "common/drawing/find_view_of_type13.h"
#include "common/drawing/remove_sheets.h"

namespace qvl::millsheet {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr const char* operationsTableName = "ToolsList1";
constexpr int columnCount = 14;
constexpr int programColumn = 2;
constexpr int timeColumn = 14;
constexpr int spareRow = 2;

// Columns that MergeEqualRuns leaves alone: the time only, or everything from the tool name on.
const std::vector<int> timeKeptApart{14};
const std::vector<int> toolDataKeptApart{6, 7, 8, 9, 10, 11, 12, 13, 14};

// The first table of the view with the operations table's name; Nothing when the view has
// none, nullopt when a table of the view could not be looked at and none was found.
std::optional<Object> findOperationsTable(const Object& view) {
    const Object tables = view.get("Tables").object();
    const long long count = tables.get("Count").toLong();
    ErrorTrap trap;
    for (long long i = 1; i <= count; ++i) {
        Object table;
        std::string name;
        if (trap([&] {
                table = tables.call("Item", {Variant(i)}).object();
                name = table.get("Name").toString();
            }) &&
            name == operationsTableName) {
            return table;
        }
    }
    if (trap.failed()) return std::nullopt;
    return Object();
}

}  // namespace

void MainFrm3::collectRecords(const Variant& picked) {
    ErrorTrap trap;
    const std::string type = picked.typeName();
    if (type == setupType) {
        trap([&] { ProcessParameters = picked.object().get("Parent").object().get("Parameters").object(); });
        if (!trap([&] { PoToolList(picked); })) missOperationsOf(picked.object());
    } else if (type == programType) {
        trap([&] {
            ProcessParameters =
                picked.object().get("Parent").object().get("Parent").object().get("Parameters").object();
        });
        if (!trap([&] { ToolInfo(picked); })) missOperationsOf(picked.object());
    } else if (type == activityType) {
        trap([&] { ProcessParameters = picked.object().get("Parameters").object(); });
        if (!trap([&] { ProcessFinInfo(picked.object()); })) missOperationsOf(picked.object());
    }
}

void MainFrm3::fillOperationsTable(bool tableExpected) {
    ErrorTrap trap;
    const Object& table = OperationsTable;
    // A template without the operations table is the template's choice; a table that is there
    // but cannot be written leaves the sheet without the rows the run was asked for.
    auto missing = [&](std::string piece) {
        if (tableExpected) Missing.add(std::move(piece));
    };
    // Row 2 is the template's spare row until the data are written; each record goes in above
    // the footer. A record whose row cannot be added writes no cell, so that no other row is
    // overwritten with it.
    for (const auto& [key, record] : OperationRecords.entries()) {
        const int row = TableRow + 2;
        if (!trap([&] { table.call("AddRow", {Variant(row)}); })) {
            missing(missingOperationPiece(record));
            continue;
        }
        ++TableRow;
        for (int j = 0; j < columnCount; ++j) {
            if (!trap([&] {
                    table.call("SetCellString",
                               {Variant(row), Variant(j + 1), Variant(record[static_cast<std::size_t>(j)])});
                }) &&
                ColumnShown(j + 1)) {
                missing(missingOperationPiece(record));
            }
        }
    }
    OperationRecords.RemoveAll();

    ++TableRow;
    const int footerRow = TableRow + 1;
    for (int column = 1; column <= columnCount; ++column) {
        trap([&] { table.call("SetCellString", {Variant(footerRow), Variant(column), Variant("#")}); });
    }
    double total = 0;
    bool totalRead = true;
    for (int row = spareRow; row <= TableRow; ++row) {
        totalRead = trap([&] {
            total += text::val(table.call("GetCellString", {Variant(row), Variant(timeColumn)}).toString());
        }) && totalRead;
    }
    const bool totalWritten = trap([&] {
        table.call("SetCellString",
                   {Variant(footerRow), Variant(timeColumn), Variant("总时间\r\n" + TimeSumText(total))});
    });
    if ((!totalRead || !totalWritten) && ColumnShown(timeColumn)) missing("总时间");
    trap([&] { table.call("RemoveRow", {Variant(spareRow)}); });
}

void MainFrm3::cmdRun_Click() {
    connection_.GetCatia();
    if (connection_.ActiveDoc.typeName() != "ProcessDocument") {
        connection_.message(notProcessDocumentMessage);
        return;
    }
    ErrorTrap trap;
    PprDoc = Object();
    trap([&] { PprDoc = connection_.ActiveDoc.get("PPRDocument").object(); });
    readTemplate();

    // CATIA's file alerts are off while the drawing is made and saved; a setting that cannot
    // be read is left alone.
    std::optional<catia::FileAlertsOff> alertsOff;
    trap([&] { alertsOff.emplace(connection_.CatiaApp); });
    auto restoreAlerts = [&] { alertsOff.reset(); };

    Variant picked;
    trap([&] { picked = connection_.PickOneElement(setupType, programType, activityType); });
    if (picked.isEmpty() || picked.isNothing()) {
        restoreAlerts();
        connection_.message(trap.serverWentAway() ? catiaGoneMessage : nothingPickedMessage);
        return;
    }

    cmdRun.setCaption(runningCaption);
    OperationRecords.RemoveAll();
    Missing.clear();
    const bool created = CreateSheetDrawing(txtPartNumber1.text(), txtPartNumber1.text());

    // Only the new sheet stays, whatever sheets a new drawing starts with.
    std::optional<std::string> keep;
    trap([&] { keep = CurrentSheet.get("Name").toString(); });
    if (keep) drawing::RemoveSheetsExcept(CurrentDrawing, keep, trap);

    // Without a template (its message was shown) there is no frame to miss; a template that is
    // there but gave no frame is named.
    FrameComponent = Object();
    if (frameFault_) Missing.add(*frameFault_);
    bool frameMissed = false;
    if (!trap([&] { PlaceFrame(drawing::FindViewOfType13(CurrentSheet), "A4", 0.0, 0.0); }) &&
        !TemplateFrameView.isNothing()) {
        frameMissed = true;
    }
    if (!trap([&] { FillMachiningTitleBlock(FrameComponent, TitleValuesFromWindow()); }) &&
        !FrameComponent.isNothing()) {
        Missing.add("标题栏");
    }
    if (!FrameComponent.isNothing()) {
        // A frame that stays a component is deleted with the selection below.
        if (!trap([&] { FrameComponent.call("Explode"); })) frameMissed = true;
        Object selection;
        trap([&] { selection = CurrentDrawing.get("Selection").object(); });
        trap([&] { selection.call("Clear"); });
        trap([&] { selection.call("Add", {Variant(FrameComponent)}); });
        trap([&] { selection.call("Delete"); });
    }

    if (frameMissed) Missing.add("图框");

    // The operations table comes with the frame: a frame that was missed takes its rows along.
    OperationsTable = Object();
    bool tableExpected = true;
    trap([&] {
        const std::optional<Object> found = findOperationsTable(drawing::FindViewOfType13(CurrentSheet));
        if (found) OperationsTable = *found;
        tableExpected = !found || !found->isNothing() || frameMissed;
    });
    trap([&] { OperationsTable.put("ComputeMode", 0); });
    TableRow = 1;
    OperationCount = 0;
    ProcessParameters = Object();
    collectRecords(picked);
    fillOperationsTable(tableExpected);

    if (chkMergeTime.value() == 1) SumTimeByProgram(OperationsTable, programColumn, timeColumn);
    MergeEqualRuns(OperationsTable, chkMerg.value() == 1 ? timeKeptApart : toolDataKeptApart);
    RemoveUntickedColumns(OperationsTable);
    trap([&] { OperationsTable.put("ComputeMode", 1); });

    if (!trap([&] {
            const Object model = PprDoc.get("Products").object().call("Item", {Variant(1)}).object();
            CreateSheetViews(model, CurrentSheet, 250.0, 180.0, 20.0);
        })) {
        Missing.add("视图");
    }
    trap([&] {
        connection_.CatiaApp.get("ActiveWindow").object().get("ActiveViewer").object().call("Reframe");
    });
    const bool saved = trap([&] { CurrentDrawing.call("Save"); }) && created;
    restoreAlerts();
    cmdRun.setCaption(runCaption);

    if (!saved && trap.serverWentAway()) {
        // The sheet was lost with CATIA: its file holds the drawing as first saved, empty.
        if (savedPath_) services_.removeFile(*savedPath_ + drawing::drawingFileExtension);
        connection_.message(catiaGoneMessage);
        return;
    }
    if (!saved) {
        connection_.message(notSavedMessage(lblOutFolder2.caption()));
        return;
    }
    std::string savedFile = *savedPath_ + drawing::drawingFileExtension;
    trap([&] { savedFile = CurrentDrawing.get("FullName").toString(); });
    connection_.message(Missing.empty() ? doneMessage(savedFile) : incompleteMessage(savedFile, Missing.pieces()));
}

}  // namespace qvl::millsheet
