#pragma once
// A process with nested activities, several setups and programs, inactive and excluded
// operations, an APT tool, an operation without tool and one without tool assembly.

#include <string>
#include <vector>

#include "tests/millsheet/fake_catia.h"

namespace qvl::millsheet::testing {

struct SampleProcess {
    ProcessNode* root = nullptr;
    ProcessNode* setup1 = nullptr;    // Part Operation.1: Program.1, Program.2 (inactive), Program.3
    ProcessNode* program1 = nullptr;  // two pocketings, a tool change, an inactive facing
    ProcessNode* program2 = nullptr;  // inactive
    ProcessNode* program3 = nullptr;  // a drilling with an APT tool
    ProcessNode* subProcess = nullptr;
    ProcessNode* program4 = nullptr;  // an operation without tool, one without assembly
};

inline SampleProcess buildSampleProcess(ProcessNode& root) {
    SampleProcess s;
    s.root = &root;
    s.setup1 = &root.setup("Part Operation.1");
    s.program1 = &s.setup1->program("Program.1", "粗加工");
    s.program1->operation("Pocketing.1", 1.0);
    s.program1->operation("ToolChange.1", 0.5).operationType = "ToolChange";
    s.program1->operation("Pocketing.2", 2.5);
    s.program1->operation("Facing.1", 4.0, false);
    s.program2 = &s.setup1->program("Program.2", "精加工", false);
    s.program2->operation("Profile.1", 7.0);
    s.program3 = &s.setup1->program("Program.3");
    ProcessNode& drilling = s.program3->operation("Drilling.1", 0.125);
    drilling.operationType = "Drilling";
    drilling.tool = FakeTool{"T2 Drill D6.8", 2, "MfgAPTTool",
                             {{"MFG_APT_DIAMETER", "6.8mm"}, {"MFG_NOMINAL_DIAM", "7mm"},
                              {"MFG_CORNER_RAD", "0mm"}, {"MFG_CUT_LENGTH", 40}}};
    drilling.assembly = Attributes{{"MFG_NAME", "T2 Holder"}, {"MFG_ASS_GAGE_1", 82.5}};

    s.subProcess = &root.activity("Sub process");
    s.program4 = &s.subProcess->setup("Part Operation.2").program("Program.4", "精加工");
    s.program4->operation("Contouring.1", 0.75).tool.reset();
    ProcessNode& ball = s.program4->operation("Contouring.2", 3);
    ball.tool = FakeTool{"T3 Ball D6", 3, "MfgBallMillTool",
                         {{"MFG_NOMINAL_DIAM", "6mm"}, {"MFG_CORNER_RAD", "3mm"}, {"MFG_CUT_LENGTH", "25mm"}}};
    ball.assembly.reset();
    ball.parameters = {{"Offset on Contour", "0.3mm"}, {"Machining quality", "Finish"}};

    // Nothing below these is reached.
    root.activity("Off process", false).setup("Part Operation.3").program("Program.5").operation("Op.5", 9);
    root.setup("Part Operation.4", false).program("Program.6").operation("Op.6", 9);
    root.program("Loose program").operation("Op.7", 9);
    return s;
}

// The records of the whole sample process, in order.
inline std::vector<std::vector<std::string>> sampleRecords() {
    const std::vector<std::string> t1Params{"0.2mm", "0.1mm", "Rough", "3000turn_mn", "1000mm_mn"};
    auto row = [](std::vector<std::string> head, const std::vector<std::string>& params, const std::string& time) {
        head.insert(head.end(), params.begin(), params.end());
        head.push_back(time);
        return head;
    };
    return {
        row({"1", "Program.1", "粗加工", "T1 Tool Assembly", "1", "T1 End Mill D10", "D10/R0.5", "30//75mm"}, t1Params,
            "1.00"),
        row({"2", "Program.1", "粗加工", "T1 Tool Assembly", "1", "T1 End Mill D10", "D10/R0.5", "30//75mm"}, t1Params,
            "2.50"),
        row({"3", "Program.3", "", "T2 Holder", "2", "T2 Drill D6.8", "D6.8/R0", "40//82.5"}, t1Params, "0.12"),
        row({"4", "Program.4", "精加工", "T1 Tool Assembly", "", "", "?\?/", "//75mm"}, t1Params, "0.75"),
        row({"5", "Program.4", "精加工", "", "3", "T3 Ball D6", "D6/R3", "25//"}, {"0.3mm", "", "Finish", "", ""},
            "3.00"),
    };
}

}  // namespace qvl::millsheet::testing
