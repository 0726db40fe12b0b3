#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/member_table.h"
#include "common/automation/object_factory.h"

namespace qvl::catia::testing {

using automation::MemberTable;
using automation::Object;
using automation::Variant;

// A selection that answers SelectElement2 from a queue of statuses and remembers its calls.
class FakeSelection : public MemberTable {
public:
    FakeSelection() : MemberTable("Selection") {
        method("Clear", [this](MemberTable::Args) {
            ++clears;
            return Variant();
        });
        method("SelectElement2", [this](MemberTable::Args args) {
            filters.push_back(automation::argument(args, 0));
            prompts.push_back(automation::argument(args, 1).toString());
            std::string status = statuses.empty() ? "Normal" : statuses.front();
            if (!statuses.empty()) statuses.pop_front();
            return Variant(status);
        });
        method("Item2", [this](MemberTable::Args) {
            auto element = std::make_shared<MemberTable>("SelectedElement");
            Object value = picked;
            element->property("Value", [value](MemberTable::Args) { return Variant(value); });
            return Variant(Object(element));
        });
    }
    std::deque<std::string> statuses;
    Object picked;
    int clears = 0;
    std::vector<Variant> filters;
    std::vector<std::string> prompts;
};

class FakeDocument : public MemberTable {
public:
    explicit FakeDocument(std::string type = "PartDocument") : MemberTable(std::move(type)) {
        property("Selection", [this](MemberTable::Args) { return Variant(Object(selection)); });
    }
    std::shared_ptr<FakeSelection> selection = std::make_shared<FakeSelection>();
};

class FakeApplication : public MemberTable {
public:
    FakeApplication() : MemberTable("Application") {
        property("ActiveDocument", [this](MemberTable::Args) {
            if (!document) throw automation::Error(automation::errc::serverFailure, "no active document");
            return Variant(Object(document));
        });
        property("Visible", [this](MemberTable::Args) { return Variant(visible); },
                 [this](const Variant& v) { visible = v.toBool(); });
        property("StatusBar", [this](MemberTable::Args) {
            if (statusBarFails) throw automation::Error(automation::errc::serverFailure, "status bar");
            return Variant(statusBar);
        });
    }
    std::shared_ptr<FakeDocument> document;
    bool visible = true;
    std::string statusBar = "Select an object";
    bool statusBarFails = false;
};

// A machine on which CATIA runs, can be started, or cannot be had.
class FakeFactory : public automation::ObjectFactory {
public:
    enum class Catia { Running, Startable, Absent } catia = Catia::Running;
    std::shared_ptr<FakeApplication> application = std::make_shared<FakeApplication>();

    Object getActiveObject(std::string_view) override {
        if (catia != Catia::Running) throw automation::Error(automation::errc::cannotCreateObject, "no object");
        return Object(application);
    }
    Object createObject(std::string_view) override {
        if (catia == Catia::Absent) throw automation::Error(automation::errc::cannotCreateObject, "no object");
        if (catia == Catia::Startable) {
            application->visible = false;
            application->document.reset();
            catia = Catia::Running;
        }
        return Object(application);
    }
};

}  // namespace qvl::catia::testing
