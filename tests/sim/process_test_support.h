#pragma once

#include <string>
#include <vector>

#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {

// A part with an axis system turned a quarter about Z, and one of another part.
inline constexpr const char* millingPart = R"({ "kind": "Part", "partNumber": "Housing",
  "bodies": [ { "name": "PartBody", "boxes": [[0, 0, 0, 100, 60, 40]] } ],
  "axisSystems": [ { "name": "MCS", "origin": [0, 0, 40], "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1] } ] })";
inline constexpr const char* fixtureProduct = R"({ "kind": "Product", "partNumber": "Fixture",
  "children": [ { "name": "Vise.1", "file": "Vise.CATPart", "offset": [0, 0, -50] } ] })";
inline constexpr const char* visePart = R"({ "kind": "Part", "partNumber": "Vise",
  "bodies": [ { "name": "PartBody", "boxes": [[0, 0, 0, 200, 100, 50]] } ],
  "axisSystems": [ { "name": "G54" } ] })";

// A process: a setup with an active, an inactive and a third program; a nested process
// activity with a setup, a program of its own and an inactive activity. Tools with text and
// number attributes, an APT tool, an operation without tool and one without assembly.
inline constexpr const char* millingProcess = R"({ "kind": "Process",
  "products": ["..\\models\\Housing.CATPart", "Fixture.CATProduct"],
  "process": { "name": "Process", "activities": [
    { "type": "ManufacturingSetup", "name": "Part Operation.1", "comment": "OP10", "programs": [
      { "name": "Manufacturing Program.1", "comment": "粗加工", "operations": [
        { "type": "ToolChange", "name": "Tool Change.1" },
        { "type": "Pocketing", "name": "Pocketing.1", "totaltime": 1.5,
          "tool": { "name": "T1 End Mill D10", "number": 1, "type": "MfgEndMillTool",
                    "attributes": { "MFG_NOMINAL_DIAM": "10mm", "MFG_CORNER_RAD": "0.5mm", "MFG_CUT_LENGTH": 30,
                                    "MFG_MAX_SPEED": "12000turn_mn" } },
          "assembly": { "attributes": { "MFG_NAME": "T1 Tool Assembly", "MFG_ASS_GAGE_1": 75 } },
          "parameters": { "Offset on Contour": "0.2mm", "Offset on Bottom": 0.1, "Machining quality": "Rough" } },
        { "type": "Facing", "name": "Facing.1", "active": false, "totaltime": 4 } ] },
      { "name": "Manufacturing Program.2", "active": false, "operations": [] },
      { "name": "Manufacturing Program.3", "operations": [
        { "type": "Drilling", "name": "Drilling.1", "totaltime": 0.125,
          "tool": { "name": "T2 Drill", "number": 2, "type": "MfgAPTTool",
                    "attributes": { "MFG_APT_DIAMETER": 6.8, "MFG_NOMINAL_DIAM": "7mm" } },
          "parameters": { "Offset on Contour": "0.3mm" } },
        { "type": "Contouring", "name": "Contouring.1" } ] } ] },
    { "type": "PPRActivity", "name": "OP20", "comment": "翻面", "activities": [
      { "type": "ManufacturingSetup", "name": "Part Operation.2", "programs": [
        { "name": "Manufacturing Program.4", "operations": [
          { "type": "Pocketing", "name": "Pocketing.2", "parameters": { "Offset on Contour": "0.4mm" } } ] } ] },
      { "type": "ManufacturingProgram", "name": "Loose Program", "operations": [] },
      { "type": "PPRActivity", "name": "Off", "active": false } ] } ] } })";

class ProcessTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        write("D:\\models\\Housing.CATPart", millingPart);
        write("D:\\nc\\Fixture.CATProduct", fixtureProduct);
        write("D:\\nc\\Vise.CATPart", visePart);
        write("D:\\nc\\Housing_NC.CATProcess", millingProcess);
    }

    Object openProcess() { return open("D:\\nc\\Housing_NC.CATProcess"); }

    // The object that a person picks in the active document, as a program gets it.
    Object picked(const std::string& path, const std::vector<std::string>& filter) {
        Variant::Array types(filter.begin(), filter.end());
        Object selection = activeDocument().get("Selection").object();
        sim.queuePick({PickAnswer::Kind::Normal, {path}});
        selection.call("SelectElement2", {Variant(types), Variant("选择"), Variant(false)});
        return selection.call("Item", {Variant(1)}).object().get("Value").object();
    }
    Object node(const std::string& path) {
        return picked(path, {"PPRActivity", "ManufacturingSetup", "ManufacturingProgram", "ManufacturingOperation"});
    }
    static Object item(const Object& collection, const Variant& key, const char* member = "Item") {
        return collection.call(member, {key}).object();
    }
    static Object attribute(const Object& holder, const std::string& name) {
        return holder.call("GetAttribute", {Variant(name)}).object();
    }
};

}  // namespace qvl::sim::testing
