#pragma once
// A small CATIA made of MemberTable objects: just the members that Planwright's window calls,
// with the state that the tests look at afterwards.

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/member_table.h"
#include "common/automation/object.h"
#include "common/automation/object_factory.h"
#include "common/automation/variant.h"

namespace qvl::planwright::testing {

using automation::MemberTable;
using automation::Object;
using automation::Variant;

class FakeCatia : public automation::ObjectFactory {
public:
    // One pass of the interactive multi-selection: the status it returns and the files of the
    // components that the user picked (a file "" stands for a component whose file cannot be
    // read).
    struct Pass {
        std::string status;
        std::vector<std::string> files;
    };

    // Whether a CATIA can be had: one runs; none runs but one starts; none at all.
    enum class Availability { Running, Startable, Absent };
    Availability availability = Availability::Running;

    bool displayFileAlerts = true;
    bool gone = false;                 // CATIA went away: every call fails
    int activationMode = 0;
    std::string settingController;     // the controller asked for
    std::vector<int> workModes;        // ApplyWorkMode calls
    std::vector<std::string> prompts;  // SelectElement3 prompts
    std::vector<Variant> filters;      // SelectElement3 filters
    std::deque<Pass> passes;
    std::function<void()> duringPick;  // runs inside every SelectElement3
    int selectionFailures = 0;         // SelectElement3 calls that fail from now on
    int attaches = 0;                  // getActiveObject/createObject calls that succeeded

    FakeCatia() {
        app_ = object("Application");
        app_->property("DisplayFileAlerts", [this](auto) { return Variant(displayFileAlerts); },
                       [this](const Variant& v) { displayFileAlerts = v.toBool(); });
        app_->property("Visible", [](auto) { return Variant(true); }, [](const Variant&) {});
        app_->property("ActiveDocument", [this](auto) -> Variant {
            if (active_.isNothing()) throw automation::Error(automation::errc::serverFailure, "No active document");
            return Variant(active_);
        });
        app_->property("SettingControllers", [this](auto) {
            auto controllers = object("SettingControllers");
            controllers->method("Item", [this](auto args) {
                settingController = automation::argument(args, 0).toString();
                auto controller = object("SettingController");
                controller->property("ActivationMode", [this](auto) { return Variant(activationMode); },
                                     [this](const Variant& v) { activationMode = static_cast<int>(v.toLong()); });
                return Variant(Object(controller));
            });
            return Variant(Object(controllers));
        });
    }

    Object application() const { return Object(app_); }

    // Documents. `path` is the folder that CATIA reports ("" for a document never saved).
    Object addDocument(const std::string& typeName, const std::string& fullName, const std::string& path) {
        auto doc = object(typeName);
        doc->property("FullName", [fullName](auto) { return Variant(fullName); });
        doc->property("Path", [path](auto) { return Variant(path); });
        auto product = object("Product");
        product->method("ApplyWorkMode", [this](auto args) {
            workModes.push_back(static_cast<int>(automation::argument(args, 0).toLong()));
            return Variant();
        });
        doc->property("Product", [product](auto) { return Variant(Object(product)); });
        auto selection = makeSelection();
        doc->property("Selection", [selection](auto) { return Variant(Object(selection)); });
        Object result(doc);
        active_ = result;
        return result;
    }
    void activate(const Object& doc) { active_ = doc; }
    void closeAll() { active_ = Object(); }

    Object getActiveObject(std::string_view) override {
        if (availability != Availability::Running || gone) cannotCreate();
        ++attaches;
        return application();
    }
    Object createObject(std::string_view) override {
        if (availability == Availability::Absent || gone) cannotCreate();
        availability = Availability::Running;
        ++attaches;
        return application();
    }

private:
    // Every object refuses its calls once CATIA has gone.
    class FakeObject : public MemberTable {
    public:
        FakeObject(std::string typeName, const bool& gone) : MemberTable(std::move(typeName)), gone_(gone) {}

    protected:
        void beforeCall(std::string_view) override {
            if (gone_) throw automation::Error(-2147023174, "The RPC server is unavailable.");
        }

    private:
        const bool& gone_;
    };

    [[noreturn]] static void cannotCreate() {
        throw automation::Error(automation::errc::cannotCreateObject, "ActiveX component can't create object");
    }

    std::shared_ptr<MemberTable> object(std::string typeName) {
        return std::make_shared<FakeObject>(std::move(typeName), gone);
    }

    // The picked component of a file: Value -> ReferenceProduct -> Parent (its document).
    Object selectedElement(const std::string& file) {
        auto document = object("PartDocument");
        document->property("FullName", [file](auto) -> Variant {
            if (file.empty()) throw automation::Error(automation::errc::serverFailure, "No file");
            return Variant(file);
        });
        auto reference = object("Product");
        reference->property("Parent", [document](auto) { return Variant(Object(document)); });
        auto component = object("Product");
        component->property("ReferenceProduct", [reference](auto) { return Variant(Object(reference)); });
        auto element = object("SelectedElement");
        element->property("Value", [component](auto) { return Variant(Object(component)); });
        return Object(element);
    }

    std::shared_ptr<MemberTable> makeSelection() {
        auto selection = object("Selection");
        auto items = std::make_shared<std::vector<Object>>();
        selection->method("Clear", [items](auto) {
            items->clear();
            return Variant();
        });
        selection->property("Count2", [items](auto) { return Variant(static_cast<long long>(items->size())); });
        selection->method("Item2", [items](auto args) {
            const long long index = automation::argument(args, 0).toLong();
            if (index < 1 || index > static_cast<long long>(items->size())) {
                throw automation::Error(automation::errc::serverFailure, "Bad index");
            }
            return Variant(items->at(static_cast<std::size_t>(index - 1)));
        });
        selection->method("SelectElement3", [this, items](auto args) {
            filters.push_back(automation::argument(args, 0));
            prompts.push_back(automation::argument(args, 1).toString());
            if (duringPick) duringPick();
            if (selectionFailures > 0) {
                --selectionFailures;
                throw automation::Error(automation::errc::serverFailure, "Selection failed");
            }
            if (passes.empty()) throw std::logic_error("the test queued no pick for SelectElement3");
            Pass pass = passes.front();
            passes.pop_front();
            for (const std::string& file : pass.files) items->push_back(selectedElement(file));
            return Variant(pass.status);
        });
        return selection;
    }

    std::shared_ptr<MemberTable> app_;
    Object active_;
};

}  // namespace qvl::planwright::testing
