// The COM client against the simulated CATIA in its own process (simcatia.exe, registered by
// scripts/wine-run.sh as "CATIA.Application").
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/hresult_errors.h"
#include "common/automation/variant.h"
#include "sample_world.h"
#include "sim/com_server/catia_process.h"
#include "win32/automation/busy_retry.h"
#include "win32/automation/call_counts.h"
#include "win32/automation/com_dispatch.h"
#include "win32/automation/com_object_factory.h"
#include "win32/automation/variant_conversion.h"
#include "win32/base/com_apartment.h"
#include "win32/base/com_variant.h"

namespace qvl::win32 {
namespace {

namespace fs = std::filesystem;
using automation::Object;
using automation::Variant;
using platform::Json;

// No runner: COM starts the registered server (-Embedding) for CreateObject, and the new
// CATIA is then the running one. (First: under Wine, a server killed by an earlier test can
// leave its class registered for a while.)
TEST(ComServerStartedByCom, CreateObjectStartsCatiaWhichThenRuns) {
    ComApartment apartment;
    ComObjectFactory factory;
    Object created = factory.createObject("CATIA.Application");
    EXPECT_EQ(created.typeName(), "Application");
    EXPECT_FALSE(created.get("Visible").toBool());
    created.put("Visible", true);
    EXPECT_TRUE(factory.getActiveObject("CATIA.Application").is(created));
    EXPECT_THROW(factory.createObject("NoSuch.Application"), automation::Error);
}

// A simulated CATIA of its own for each test, over a copy of the sample world, running.
class ComClient : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(sampleWorldFolder().empty()) << "run from inside the source tree";
        workspace_.emplace("qvl-com");
        process_ = std::make_unique<simcatia::CatiaProcess>(workspace_->path());
    }
    void TearDown() override {
        process_.reset();
        workspace_.reset();
    }

    Json control(Json request) { return process_->request(request); }
    Object catia() { return factory_.getActiveObject("CATIA.Application"); }
    Object openPart() {
        control({{"op", "open"}, {"path", "D:\\models\\Bracket.CATPart"}});
        return catia().get("ActiveDocument").object();
    }

    ComApartment apartment_;
    ComObjectFactory factory_;
    std::optional<SampleWorkspace> workspace_;
    std::unique_ptr<simcatia::CatiaProcess> process_;
};

TEST_F(ComClient, AttachesToTheRunningCatiaAndReadsItsTypes) {
    Object application = catia();
    EXPECT_EQ(application.typeName(), "Application");
    Object part = openPart();
    EXPECT_EQ(part.typeName(), "PartDocument");
    EXPECT_EQ(part.get("Name").toString(), "Bracket.CATPart");
    // VB's `Is`: the same CATIA object read twice is one object.
    EXPECT_TRUE(application.get("ActiveDocument").object().is(part));
    EXPECT_FALSE(part.is(application));
    EXPECT_TRUE(catia().is(application));
}

TEST_F(ComClient, ArgumentsAndResultsKeepTheirKinds) {
    Object application = catia();
    application.put("StatusBar", "零件 ready");
    EXPECT_EQ(application.get("StatusBar").toString(), "零件 ready");
    application.put("DisplayFileAlerts", false);
    EXPECT_EQ(application.get("DisplayFileAlerts").kind(), Variant::Kind::Bool);
    EXPECT_FALSE(application.get("DisplayFileAlerts").toBool());
    Object documents = application.get("Documents").object();
    EXPECT_EQ(documents.get("Count").toLong(), 0);
    openPart();
    EXPECT_EQ(documents.get("Item", {1}).object().typeName(), "PartDocument");
    EXPECT_EQ(documents.get("Item", {"Bracket.CATPart"}).object().get("Name").toString(), "Bracket.CATPart");
}

TEST_F(ComClient, TheServerFillsArraysPassedByReference) {
    Object drawing = catia().get("Documents").object().call("Add", {"Drawing"}).object();
    Object view = drawing.get("Sheets").object().call("Item", {1}).object().get("Views").object().call("Item", {1}).object();
    Object line = view.get("Factory2D").object().call("CreateLine", {0.0, 0.0, 10.0, 5.5}).object();
    EXPECT_EQ(line.typeName(), "Line2D");
    std::vector<Variant> args{Variant(Variant::Array(4))};
    line.callByRef("GetEndPoints", args);
    ASSERT_TRUE(args[0].isArray());
    ASSERT_EQ(args[0].array().size(), 4u);
    EXPECT_EQ(args[0].array()[2].toDouble(), 10.0);
    EXPECT_EQ(args[0].array()[3].toDouble(), 5.5);
}

TEST_F(ComClient, ObjectsAndNothingGoBackToTheServer) {
    Object drawing = catia().get("Documents").object().call("Add", {"Drawing"}).object();
    Object views = drawing.get("Sheets").object().call("Item", {1}).object().get("Views").object();
    Object front = views.call("Add", {"Front"}).object();
    Object side = views.call("Add", {"Side"}).object();
    side.put("ReferenceView", front);
    EXPECT_TRUE(side.get("ReferenceView").object().is(front));
    EXPECT_THROW(side.put("ReferenceView", Object()), automation::Error);
    EXPECT_THROW(Object().get("Name"), automation::Error);
}

// What one Invoke with exactly these flags returns; an assignment's value is the argument.
HRESULT invokeWith(const Object& object, const wchar_t* member, WORD flags, const Variant& argument = {}) {
    auto dispatch = ComPtr<IDispatch>::attach(dispatchOf(object));
    LPOLESTR names[] = {const_cast<LPOLESTR>(member)};
    DISPID id = DISPID_UNKNOWN, putId = DISPID_PROPERTYPUT;
    if (HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    UniqueVariant value, result;
    toVariant(argument, *value.put(), dispatchOf);
    const bool assignment = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params{&value.get(), assignment ? &putId : nullptr, argument.isEmpty() ? 0u : 1u, assignment ? 1u : 0u};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.put(), nullptr, nullptr);
}

// Reads of Funcs, with and without arguments, and `Set` of setters that CATIA declares as plain
// puts: through the client, and sent raw with only the flags that a type library matches.
TEST_F(ComClient, CallsReachFuncsAndPutOnlySettersWithTheFlagsVisualBasicSends) {
    Object part = openPart();
    Object product = part.get("Product").object();
    Object selection = part.get("Selection").object();
    selection.call("Add", {product});
    EXPECT_TRUE(selection.get("Item2", {1}).object().get("Value").object().is(product));
    Object sheets = catia().get("Documents").object().call("Add", {"Drawing"}).object().get("Sheets").object();
    Object views = sheets.get("Item", {1}).object().get("Views").object();
    Object front = views.call("Add", {"Front"}).object();
    Object side = views.call("Add", {"Side"}).object();
    Object behavior = front.get("GenerativeBehavior").object();
    behavior.putRef("Document", product);
    EXPECT_EQ(behavior.get("Document").object().typeName(), "Product");
    const auto invokes = callCounts().invoke;
    side.putRef("ReferenceView", front);
    side.putRef("ReferenceView", front);
    EXPECT_EQ(callCounts().invoke - invokes, 3) << "a put by reference first, then a put each";
    EXPECT_TRUE(side.get("ReferenceView").object().is(front));

    constexpr WORD read = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    EXPECT_EQ(invokeWith(selection, L"Item2", DISPATCH_PROPERTYGET, 1), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(invokeWith(selection, L"Item2", read, 1), S_OK);
    EXPECT_EQ(invokeWith(sheets, L"Item", DISPATCH_PROPERTYGET, 1), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(invokeWith(front, L"Name", DISPATCH_METHOD), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(invokeWith(front, L"Name", read), S_OK);
    EXPECT_EQ(invokeWith(side, L"ReferenceView", DISPATCH_PROPERTYPUTREF, front), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(invokeWith(behavior, L"Document", DISPATCH_PROPERTYPUTREF, product), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(invokeWith(behavior, L"Document", DISPATCH_PROPERTYPUT, product), S_OK);
}

TEST_F(ComClient, ServerErrorsArriveWithTheirNumberAndText) {
    Object documents = catia().get("Documents").object();
    try {
        documents.call("Open", {"D:\\models\\Missing.CATPart"});
        FAIL() << "opening a missing file succeeded";
    } catch (const automation::Error& e) {
        EXPECT_EQ(e.code(), automation::errc::serverFailure);
        EXPECT_EQ(e.description(), "Method 'Open' of object 'Documents' failed");
    }
    try {
        documents.get("NoSuchMember");
        FAIL() << "an unknown member was read";
    } catch (const automation::Error& e) {
        EXPECT_EQ(e.code(), automation::errc::memberNotSupported);
        EXPECT_EQ(e.description(), "Object doesn't support this property or method");
    }
    control({{"op", "fail"}, {"type", "Documents"}, {"member", "Count"}, {"n", 1}});
    EXPECT_THROW(documents.get("Count"), automation::Error);
    EXPECT_EQ(documents.get("Count").toLong(), 0);
}

TEST_F(ComClient, MemberNamesAreLookedUpOncePerType) {
    Object application = catia();
    control({{"op", "open"}, {"path", "D:\\models\\Bracket.CATPart"}});
    control({{"op", "open"}, {"path", "D:\\models\\Flange.CATPart"}});
    Object documents = application.get("Documents").object();
    const CallCounts before = callCounts();
    for (int i = 1; i <= 2; ++i) documents.call("Item", {i}).object().get("Name");
    const CallCounts after = callCounts();
    // Item once, Name once; the second part's type is known from its type information.
    EXPECT_EQ(after.getIDsOfNames - before.getIDsOfNames, 2);
    EXPECT_EQ(after.getTypeInfo - before.getTypeInfo, 3);
    EXPECT_EQ(after.getDocumentation - before.getDocumentation, 2);  // Documents, PartDocument
    EXPECT_EQ(after.invoke - before.invoke, 4);
    EXPECT_EQ(after.automationCalls - before.automationCalls, 4);
}

TEST_F(ComClient, AnObjectsIdentityIsAnsweredWithoutAskingCatia) {
    Object application = catia();
    auto* com = dynamic_cast<ComDispatch*>(application.dispatch().get());
    ASSERT_NE(com, nullptr);
    const auto before = control({{"op", "calls"}}).at("queryInterface").get<long long>();
    for (int i = 0; i < 5; ++i) {
        ComPtr<IUnknown> identity;
        ASSERT_EQ(com->dispatch()->QueryInterface(IID_IUnknown, identity.putVoid()), S_OK);
    }
    EXPECT_EQ(control({{"op", "calls"}}).at("queryInterface").get<long long>(), before);
}

TEST_F(ComClient, ABusyCatiaIsWaitedForThenReported) {
    Object application = catia();
    application.get("Visible");
    control({{"op", "busy"}, {"milliseconds", 300}});
    const auto invokes = callCounts().invoke;
    EXPECT_TRUE(application.get("Visible").toBool());
    EXPECT_GT(callCounts().invoke - invokes, 1) << "the busy CATIA was not asked again";

    setBusyTimeout(std::chrono::milliseconds(400));
    control({{"op", "busy"}, {"milliseconds", 5000}});
    const auto start = std::chrono::steady_clock::now();
    try {
        application.get("Visible");
        FAIL() << "a call to a busy CATIA succeeded";
    } catch (const automation::Error& e) {
        EXPECT_EQ(e.code(), static_cast<std::int32_t>(RPC_E_SERVERCALL_RETRYLATER));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    setBusyTimeout(std::chrono::milliseconds(20000));
    control({{"op", "busy"}, {"milliseconds", 0}});
}

TEST_F(ComClient, ACatiaThatWentAwayIsReportedAsGone) {
    Object application = catia();
    Object part = openPart();
    process_->kill();
    for (int i = 0; i < 2; ++i) {
        try {
            part.call("Save");
            FAIL() << "a call on a dead CATIA succeeded";
        } catch (const automation::Error& e) {
            EXPECT_TRUE(automation::isServerGone(e.code())) << e.code() << " " << e.description();
        }
    }
    // The running object table may still list the dead CATIA: then its object fails as gone.
    try {
        factory_.getActiveObject("CATIA.Application").get("Visible");
        FAIL() << "a dead CATIA answered";
    } catch (const automation::Error& e) {
        EXPECT_TRUE(e.code() == automation::errc::cannotCreateObject || automation::isServerGone(e.code()))
            << e.code() << " " << e.description();
    }
    process_.reset();
}

}  // namespace
}  // namespace qvl::win32
