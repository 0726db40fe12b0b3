#include "common/catia/connection.h"

#include "common/automation/error_mode.h"
#include "common/automation/error_trap.h"
#include "common/platform/services.h"
#include "common/text/gbk.h"
#include "common/text/utf8.h"

namespace qvl::catia {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr const char* catiaClass = "CATIA.Application";

}  // namespace

Connection::Connection(ConnectionPolicy policy, automation::ObjectFactory& factory, platform::Services& services)
    : policy_(std::move(policy)), factory_(factory), services_(services) {}

void Connection::message(const std::string& text, int flags) { message(text, policy_.title, flags); }

void Connection::message(const std::string& text, const std::string& caption, int flags) {
    services_.messageBox(text, caption, flags);
}

void Connection::GetCatia() {
    ErrorTrap trap;
    // A failed GetObject or CreateObject leaves the reference Nothing.
    CatiaApp = Object();
    if (!trap([&] { CatiaApp = factory_.getActiveObject(catiaClass); })) {
        // No CATIA runs: start one.
        trap([&] { CatiaApp = factory_.createObject(catiaClass); });
        if (policy_.showsStartedCatia) trap([&] { CatiaApp.put("Visible", true); });
        if (policy_.clearsErrorAfterStart) trap.clear();
    }
    ActiveDoc = Object();
    bool haveDocument = trap([&] { ActiveDoc = CatiaApp.get("ActiveDocument").object(); });
    if (!haveDocument && policy_.reportsMissingDocument) {
        message("当前没有活动的CATIA文档", catiaToolboxCaption, platform::mb::okOnly);
    }
}

Variant Connection::PickOneElement(const std::string& type1, const std::string& type2, const std::string& type3) {
    Object selection = CatiaApp.get("ActiveDocument").object().get("Selection").object();
    selection.call("Clear");

    Variant::Array filter{Variant(type1)};
    if (!type2.empty()) {
        filter.push_back(Variant(type2));
        if (!type3.empty()) filter.push_back(Variant(type3));
    }
    std::string prompt = "Select the ";
    for (std::size_t i = 0; i < filter.size(); ++i) {
        if (i > 0) prompt += ",";
        prompt += filter[i].toString();
    }

    for (;;) {
        std::vector<Variant> args{Variant(filter), Variant(prompt), Variant(false)};
        std::string status = selection.callByRef("SelectElement2", args).toString();
        if (status == "Cancel") {
            if (policy_.pickCancel == ConnectionPolicy::PickCancel::NothingAfterMessage) {
                message("已退出选择", platform::mb::systemModal);
                return Variant(Object());
            }
            return Variant();
        }
        if (status == "Redo") continue;
        if (status == "Undo") return Variant();
        break;
    }
    // Item2, not the deprecated Item, which does not serve every feature that can be picked.
    Variant picked = selection.call("Item2", {Variant(1)}).object().get("Value");
    selection.call("Clear");
    return picked;
}

std::string Connection::CatiaLanguage() {
    // With errors of single calls ignored, whatever fails leaves the character code at 0, which
    // reads as Chinese.
    automation::ErrorMode step;
    if (policy_.languageIgnoresErrors) step.ignoreErrors();
    std::string statusText;
    step([&] { CatiaApp.get("ActiveDocument").object().get("Selection").object().call("Clear"); });
    step([&] { statusText = CatiaApp.get("StatusBar").toString(); });
    std::string first = text::upperAscii(text::firstChar(text::trimLeftBlanks(statusText)));
    // The character's code in the ANSI code page: a Latin letter keeps its ASCII code, a
    // Chinese character becomes a double-byte code outside A..Z. An empty status text has no
    // first character and counts as Chinese.
    std::string ansi = text::utf8ToGbk(first);
    int code = ansi.empty() ? 0 : static_cast<unsigned char>(ansi.front());
    return (code >= 'A' && code <= 'Z') ? englishLanguage : chineseLanguage;
}

}  // namespace qvl::catia
