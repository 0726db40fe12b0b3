#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/member_table.h"
#include "common/automation/object_factory.h"
#include "sim/reorder/dialog_windows.h"
#include "sim/reorder/reorder_target.h"

namespace qvl::orderloom::testing {

using automation::MemberTable;
using automation::Object;
using automation::Variant;

// Calls that are to fail: the n-th call from now of a member on objects of a type name.
class Faults {
public:
    void failCall(const std::string& typeName, const std::string& member, int n = 1) {
        countdown_[typeName + "." + member] = n;
    }
    void check(const std::string& typeName, std::string_view member) {
        std::string call = typeName + "." + std::string(member);
        auto found = countdown_.find(call);
        if (found == countdown_.end() || --found->second > 0) return;
        countdown_.erase(found);
        throw automation::Error(automation::errc::serverFailure, "injected fault of " + call);
    }

private:
    std::map<std::string, int> countdown_;
};

// A member table whose calls can be made to fail.
class FaultyTable : public MemberTable {
public:
    FaultyTable(std::string typeName, std::shared_ptr<Faults> faults)
        : MemberTable(std::move(typeName)), faults_(std::move(faults)) {}

protected:
    void beforeCall(std::string_view member) override { faults_->check(typeName(), member); }

private:
    std::shared_ptr<Faults> faults_;
};

// A product of CATIA's tree: an assembly, or the instance of a part (no children).
// It is what the reorder dialog shows and reorders.
class FakeProduct : public FaultyTable,
                    public sim::reorder::ReorderTarget,
                    public std::enable_shared_from_this<FakeProduct> {
public:
    FakeProduct(std::string name, std::shared_ptr<Faults> faults);

    std::string name;
    std::vector<std::shared_ptr<FakeProduct>> children;

    std::vector<std::string> childNames() const override;
    void commitOrder(const std::vector<std::size_t>& order) override;
};

// CATIA's selection: what the person picks, and what the program puts into it.
class FakeSelection : public FaultyTable {
public:
    explicit FakeSelection(std::shared_ptr<Faults> faults);

    struct Pick {
        std::string status;
        Object picked;
    };
    std::deque<Pick> picks;
    std::vector<Object> contents;
    std::vector<std::string> prompts;
    std::vector<Variant> pickArguments;   // the third argument of each SelectElement2
};

class FakeDocument : public FaultyTable {
public:
    explicit FakeDocument(std::shared_ptr<Faults> faults);
    std::shared_ptr<FakeSelection> selection;
};

// The application: its active document, its status bar, the commands it starts. The reorder
// command opens the simulated dialog for the product in the selection.
class FakeApplication : public FaultyTable {
public:
    FakeApplication(std::shared_ptr<Faults> faults, sim::reorder::DialogWindows& dialogs);

    std::shared_ptr<FakeDocument> document;
    std::string statusBar = "就绪";
    std::vector<std::string> commands;
    int refreshes = 0;

private:
    sim::reorder::DialogWindows& dialogs_;
};

class FakeFactory : public automation::ObjectFactory {
public:
    bool catiaRunning = true;
    std::shared_ptr<FakeApplication> application;

    Object getActiveObject(std::string_view) override;
    Object createObject(std::string_view) override;
};

}  // namespace qvl::orderloom::testing
