#include "orderloom/main_form.h"

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"

namespace qvl::orderloom {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr const char* sortDoneText = "排序完成,记得保存!";
constexpr const char* dialogNotFoundText =
    "碰到了一些问题, 检查下程序侦测到的CATIA界面语言是否正确,如果不正确手动选择正确的语言版本再试一次!";
constexpr const char* sortFailedText = "排序没有完成, CATIA报告了错误, 检查下图形树再试一次!";
constexpr const char* noDocumentText = "当前没有活动的CATIA文档";

}  // namespace

void MainForm::cmdAZ_Click() { runSortCommand(SortDirection::Ascending); }

void MainForm::cmdZA_Click() { runSortCommand(SortDirection::Descending); }

void MainForm::runSortCommand(SortDirection direction) {
    connection_.GetCatia();
    // A product of an earlier command is never sorted again by a pick that failed.
    selProd = Object();
    selection_ = Object();
    if (connection_.ActiveDoc.isNothing()) {
        // Nothing can be picked without a document; say so rather than report a sort.
        connection_.message(noDocumentText, catia::catiaToolboxCaption, platform::mb::okOnly);
        return;
    }

    // From here on a failing statement is skipped; a failing call inside a routine ends that
    // routine and the command goes on after it.
    ErrorTrap trap;
    WrongCmd = 0;
    trap([&] { selection_ = connection_.ActiveDoc.get("Selection").object(); });
    trap([&] { selection_.call("Clear"); });
    std::string status;
    trap([&] {
        std::vector<Variant> args{Variant(Variant::Array{Variant("Product")}),
                                  Variant("Select the Product. Press Esc to finish the selection."), Variant(1)};
        status = selection_.callByRef("SelectElement2", args).toString();
    });
    if (status == "Cancel") return;
    trap([&] { selProd = selection_.call("Item2", {Variant(1)}).object().get("Value").object(); });
    trap([&] { SortProductChildren(selProd, direction); });

    if (WrongCmd == -1) {
        connection_.message(dialogNotFoundText);
    } else if (trap.failed()) {
        // A CATIA call failed: the sort stopped where it was, whatever it had moved so far.
        connection_.message(sortFailedText);
    } else {
        connection_.message(sortDoneText, catia::catiaToolboxCaption, platform::mb::okOnly);
    }
}

void MainForm::SortProductChildren(const Object& product, SortDirection direction) {
    if (product.typeName() != "Product") return;
    if (product.get("Products").object().get("Count").toLong() < 2 || WrongCmd == -1) return;

    selection_.call("Clear");
    selection_.call("Add", {Variant(product)});
    DriveReorderDialog(direction);
    selection_.call("Clear");

    if (chkLevel.value() != 1) return;
    long long count = product.get("Products").object().get("Count").toLong();
    for (long long i = 1; i <= count; ++i) {
        Object child = product.get("Products").object().call("Item", {Variant(i)}).object();
        if (child.get("Products").object().get("Count").toLong() > 1) {
            if (pace_ == SortPace::Standard) {
                // The sub-product is worked here and once more by the nested call.
                selection_.call("Add", {Variant(child)});
                DriveReorderDialog(direction);
            }
            SortProductChildren(child, direction);
        }
    }
}

}  // namespace qvl::orderloom
