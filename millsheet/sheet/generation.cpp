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

// The first table of the view with the operations table's name; Nothing when there is none.
Object findOperationsTable(const Object& view) {
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
    return Object();
}

}  // namespace

void MainFrm3::collectRecords(const Variant& picked) {
    ErrorTrap trap;
    const std::string type = picked.typeName();
    if (type == setupType) {
        trap([&] { ProcessParameters = picked.object().get("Parent").object().get("Parameters").object(); });
        trap([&] { PoToolList(picked); });
    } else if (type == programType) {
        trap([&] {
            ProcessParameters =
                picked.object().get("Parent").object().get("Parent").object().get("Parameters").object();
        });
        trap([&] { ToolInfo(picked); });
    } else if (type == activityType) {
        trap([&] { ProcessParameters = picked.object().get("Parameters").object(); });
        trap([&] { ProcessFinInfo(picked.object()); });
    }
}

void MainFrm3::fillOperationsTable() {
    ErrorTrap trap;
    const Object& table = OperationsTable;
    // Row 2 is the template's spare row until the data are written; each record goes in above
    // the footer.
    for (const auto& [key, record] : OperationRecords.entries()) {
        ++TableRow;
        const int row = TableRow + 1;
        trap([&] { table.call("AddRow", {Variant(row)}); });
        for (int j = 0; j < columnCount; ++j) {
            trap([&] {
                table.call("SetCellString",
                           {Variant(row), Variant(j + 1), Variant(record[static_cast<std::size_t>(j)])});
            });
        }
    }
    OperationRecords.RemoveAll();

    ++TableRow;
    const int footerRow = TableRow + 1;
    for (int column = 1; column <= columnCount; ++column) {
        trap([&] { table.call("SetCellString", {Variant(footerRow), Variant(column), Variant("#")}); });
    }
    double total = 0;
    for (int row = spareRow; row <= TableRow; ++row) {
        trap([&] { total += text::val(table.call("GetCellString", {Variant(row), Variant(timeColumn)}).toString()); });
    }
    trap([&] {
        table.call("SetCellString",
                   {Variant(footerRow), Variant(timeColumn), Variant("总时间\r\n" + TimeSumText(total))});
    });
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
        connection_.message(nothingPickedMessage);
        return;
    }

    cmdRun.setCaption(runningCaption);
    OperationRecords.RemoveAll();
    const bool created = CreateSheetDrawing(txtPartNumber1.text(), txtPartNumber1.text());

    // Only the new sheet stays, whatever sheets a new drawing starts with.
    std::optional<std::string> keep;
    trap([&] { keep = CurrentSheet.get("Name").toString(); });
    if (keep) drawing::RemoveSheetsExcept(CurrentDrawing, keep, trap);

    FrameComponent = Object();
    trap([&] { PlaceFrame(drawing::FindViewOfType13(CurrentSheet), "A4", 0.0, 0.0); });
    trap([&] { FillMachiningTitleBlock(FrameComponent, TitleValuesFromWindow()); });
    if (!FrameComponent.isNothing()) {
        trap([&] { FrameComponent.call("Explode"); });
        Object selection;
        trap([&] { selection = CurrentDrawing.get("Selection").object(); });
        trap([&] { selection.call("Clear"); });
        trap([&] { selection.call("Add", {Variant(FrameComponent)}); });
        trap([&] { selection.call("Delete"); });
    }

    OperationsTable = Object();
    trap([&] { OperationsTable = findOperationsTable(drawing::FindViewOfType13(CurrentSheet)); });
    trap([&] { OperationsTable.put("ComputeMode", 0); });
    TableRow = 1;
    OperationCount = 0;
    ProcessParameters = Object();
    collectRecords(picked);
    fillOperationsTable();

    if (chkMergeTime.value() == 1) SumTimeByProgram(OperationsTable, programColumn, timeColumn);
    MergeEqualRuns(OperationsTable, chkMerg.value() == 1 ? timeKeptApart : toolDataKeptApart);
    RemoveUntickedColumns(OperationsTable);
    trap([&] { OperationsTable.put("ComputeMode", 1); });

    trap([&] {
        const Object model = PprDoc.get("Products").object().call("Item", {Variant(1)}).object();
        CreateSheetViews(model, CurrentSheet, 250.0, 180.0, 20.0);
    });
    trap([&] {
        connection_.CatiaApp.get("ActiveWindow").object().get("ActiveViewer").object().call("Reframe");
    });
    const bool saved = trap([&] { CurrentDrawing.call("Save"); }) && created;
    restoreAlerts();
    cmdRun.setCaption(runCaption);

    if (!saved) {
        connection_.message(notSavedMessage(lblOutFolder2.caption()));
        return;
    }
    std::string savedFile = *savedPath_ + drawing::drawingFileExtension;
    trap([&] { savedFile = CurrentDrawing.get("FullName").toString(); });
    connection_.message(doneMessage(savedFile));
}

}  // namespace qvl::millsheet
