#include "headless/script_fault.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::cannotCreateObject;
using automation::errc::serverFailure;

using AvailabilityTest = SimTest;

TEST_F(AvailabilityTest, RunningCatiaIsFoundVisibleAndIsOneApplication) {
    Object app = sim.factory().getActiveObject("CATIA.Application");
    EXPECT_EQ(app.typeName(), "Application");
    EXPECT_TRUE(app.get("Visible").toBool());
    EXPECT_TRUE(app.is(sim.factory().getActiveObject("catia.application")));
    EXPECT_TRUE(app.is(sim.factory().createObject("CATIA.Application")));
    // The sim serves CATIA only.
    EXPECT_EQ(errorOf([&] { sim.factory().getActiveObject("Excel.Application"); }), cannotCreateObject);
}

TEST_F(AvailabilityTest, StartableCatiaStartsHiddenWithoutDocuments) {
    sim.setAvailability(Availability::Startable);
    EXPECT_EQ(errorOf([&] { sim.factory().getActiveObject("CATIA.Application"); }), cannotCreateObject);

    Object app = sim.factory().createObject("CATIA.Application");
    EXPECT_FALSE(app.get("Visible").toBool());
    EXPECT_EQ(errorOf([&] { app.get("ActiveDocument"); }), serverFailure);
    EXPECT_EQ(app.get("Documents").object().get("Count").toLong(), 0);
    app.put("Visible", true);
    EXPECT_TRUE(sim.dumpCatia()["visible"].get<bool>());

    // Once started it runs: the next attach finds it.
    EXPECT_TRUE(app.is(sim.factory().getActiveObject("CATIA.Application")));
}

TEST_F(AvailabilityTest, AbsentCatiaCannotBeHad) {
    sim.setAvailability(Availability::Absent);
    EXPECT_EQ(errorOf([&] { sim.factory().getActiveObject("CATIA.Application"); }), cannotCreateObject);
    EXPECT_EQ(errorOf([&] { sim.factory().createObject("CATIA.Application"); }), cannotCreateObject);
}

TEST_F(AvailabilityTest, ThePersonCannotWorkInACatiaThatDoesNotRun) {
    writeWorld();
    sim.setAvailability(Availability::Startable);
    EXPECT_THROW(sim.open("D:\\models\\Bracket.CATPart"), platform::ScriptFault);
    EXPECT_THROW(sim.newDocument(NewDocumentKind::Part), platform::ScriptFault);

    sim.setAvailability(Availability::Running);
    sim.open("D:\\models\\Bracket.CATPart");
    EXPECT_THROW(sim.setAvailability(Availability::Absent), platform::ScriptFault);
}

}  // namespace
}  // namespace qvl::sim::testing
