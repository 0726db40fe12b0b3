#include "headless/script_fault.h"
#include "sim/dispatch/server_errors.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

class FaultsTest : public SimTest {
protected:
    void SetUp() override {
        writeWorld();
        assy = open("D:\\models\\Assy.CATProduct").get("Product").object();
    }
    Object child(int i) { return assy.get("Products").object().call("Item", {Variant(i)}).object(); }

    Object assy;
};

TEST_F(FaultsTest, ThePlannedCallOfAMemberOnATypeFailsAndOnlyThatOne) {
    sim.failCall("Product", "PartNumber", 2);
    Object bracket = child(1);
    EXPECT_EQ(errorOf([&] { assy.get("partnumber"); }), std::nullopt);
    // Other members and other types do not count.
    EXPECT_EQ(errorOf([&] { bracket.get("Name"); }), std::nullopt);
    EXPECT_EQ(errorOf([&] { activeDocument().get("Name"); }), std::nullopt);
    EXPECT_EQ(errorOf([&] { bracket.get("PartNumber"); }), serverFailure);
    // The fault is spent.
    EXPECT_EQ(errorOf([&] { bracket.get("PartNumber"); }), std::nullopt);
}

TEST_F(FaultsTest, PlannedFaultsCountEachOnTheirOwn) {
    sim.failCall("Products", "Item");
    sim.failCall("Products", "Item", 2);
    sim.failCall("Application", "ActiveDocument", 1);
    EXPECT_EQ(errorOf([&] { child(1); }), serverFailure);
    EXPECT_EQ(errorOf([&] { child(1); }), serverFailure);
    EXPECT_EQ(errorOf([&] { child(1); }), std::nullopt);
    EXPECT_EQ(errorOf([&] { activeDocument(); }), serverFailure);
    EXPECT_EQ(errorOf([&] { activeDocument(); }), std::nullopt);
    EXPECT_THROW(sim.failCall("Product", "Name", 0), platform::ScriptFault);
}

TEST_F(FaultsTest, ACatiaThatWentAwayFailsEveryCall) {
    Object app = catia();
    sim.failEverything();
    EXPECT_EQ(errorOf([&] { assy.get("Name"); }), hresult::rpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { app.get("Visible"); }), hresult::rpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { app.call("NoSuchMember"); }), hresult::rpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { catia(); }), automation::errc::cannotCreateObject);
    EXPECT_EQ(errorOf([&] { sim.factory().createObject("CATIA.Application"); }), automation::errc::cannotCreateObject);
}

TEST_F(FaultsTest, ACrashEndsCatiaInThePlannedCallAndItStaysGone) {
    Object app = catia();
    int crashes = 0;
    sim.onCrash([&] { ++crashes; });
    sim.crashAt("Product", "PartNumber", 2);
    EXPECT_EQ(errorOf([&] { assy.get("PartNumber"); }), std::nullopt);
    EXPECT_EQ(crashes, 0);
    EXPECT_EQ(errorOf([&] { assy.get("PartNumber"); }), hresult::rpcServerUnavailable);
    EXPECT_EQ(crashes, 1);
    EXPECT_EQ(errorOf([&] { app.get("Visible"); }), hresult::rpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { catia(); }), automation::errc::cannotCreateObject);
    // A crashed CATIA can no longer be set up or inspected.
    EXPECT_THROW(sim.dumpCatia(), platform::ScriptFault);
    EXPECT_THROW(sim.open("D:\\models\\Assy.CATProduct"), platform::ScriptFault);
    EXPECT_THROW(sim.failCall("Product", "Name"), platform::ScriptFault);
}

TEST_F(FaultsTest, ABusyCatiaShowsNothingHereAndRejectsOnlyWhereItIsAskedTo) {
    sim.busyAt("Product", "PartNumber", 2.5);
    EXPECT_EQ(errorOf([&] { assy.get("PartNumber"); }), std::nullopt);
    EXPECT_NO_THROW(sim.dumpCatia());

    // A CATIA in a process of its own rejects the call; the client's asking again is still
    // that one call, so a fault planned for the next one still meets the next one.
    std::vector<double> spells;
    sim.onBusy([&](double seconds) {
        spells.push_back(seconds);
        return true;
    });
    sim.busyAt("Product", "PartNumber", 3);
    sim.failCall("Product", "PartNumber", 2);
    EXPECT_EQ(errorOf([&] { assy.get("PartNumber"); }), hresult::retryLater);
    EXPECT_EQ(spells, std::vector<double>{3});
    EXPECT_EQ(errorOf([&] { assy.get("PartNumber"); }), std::nullopt);
    EXPECT_EQ(errorOf([&] { assy.get("PartNumber"); }), serverFailure);
    EXPECT_THROW(sim.busyAt("Product", "Name", -1), platform::ScriptFault);
    EXPECT_THROW(sim.crashAt("Product", "Name", 0), platform::ScriptFault);
}

TEST(SimLifetimeTest, ObjectsOutlivingTheSimulatedCatiaFailAsAGoneServer) {
    auto root = std::filesystem::temp_directory_path() / "qvl-sim-lifetime";
    platform::VirtualDisk disk(root);
    platform::Transcript transcript;
    Object app;
    {
        SimCatia sim(disk, transcript);
        app = sim.factory().getActiveObject("CATIA.Application");
    }
    EXPECT_EQ(errorOf([&] { app.get("Visible"); }), hresult::rpcServerUnavailable);
}

}  // namespace
}  // namespace qvl::sim::testing
