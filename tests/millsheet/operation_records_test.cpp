// The walk over the process tree and the records it makes.

#include <limits>

#include "tests/millsheet/millsheet_fixture.h"
#include "tests/millsheet/sample_process.h"

namespace qvl::millsheet::testing {
namespace {

class OperationRecordsTest : public MillsheetTest {
protected:
    SampleProcess sample;
    MainFrm3* f = nullptr;

    OperationRecordsTest() {
        catia.addProduct("Housing.1");
        catia.openProcess();
        sample = buildSampleProcess(*catia.process);
        f = &start();
        f->ProcessParameters = catia.pickable(*sample.root).get("Parameters").object();
    }

    Object object(ProcessNode& node) { return catia.pickable(node); }

    std::vector<std::vector<std::string>> records() const {
        std::vector<std::vector<std::string>> rows;
        for (const auto& [key, record] : f->OperationRecords.entries()) {
            EXPECT_EQ(std::to_string(key), record[0]);
            rows.emplace_back(record.begin(), record.end());
        }
        return rows;
    }
};

TEST_F(OperationRecordsTest, AProcessActivityYieldsEveryActiveOperationDepthFirst) {
    f->ProcessFinInfo(object(*sample.root));
    EXPECT_EQ(records(), sampleRecords());
    EXPECT_EQ(f->OperationCount, 5);
}

TEST_F(OperationRecordsTest, ASetupYieldsItsActiveProgramsOnly) {
    f->PoToolList(Variant(object(*sample.setup1)));
    const auto all = sampleRecords();
    EXPECT_EQ(records(), (std::vector<std::vector<std::string>>{all[0], all[1], all[2]}));
}

TEST_F(OperationRecordsTest, AProgramPickedDirectlyCountsEvenWhenInactive) {
    f->ToolInfo(Variant(object(*sample.program2)));
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0][1], "Program.2");
    EXPECT_EQ(records()[0][13], "7.00");
}

TEST_F(OperationRecordsTest, SequenceNumbersContinueAcrossCallsAndSkipWhatIsLeftOut) {
    f->ToolInfo(Variant(object(*sample.program1)));
    f->ToolInfo(Variant(object(*sample.program4)));
    std::vector<std::string> numbers;
    for (const auto& r : records()) numbers.push_back(r[0] + " " + r[13]);
    EXPECT_EQ(numbers, (std::vector<std::string>{"1 1.00", "2 2.50", "3 0.75", "4 3.00"}));
}

TEST_F(OperationRecordsTest, EachWalkActsOnlyOnItsOwnKindOfObject) {
    f->ToolInfo(Variant(object(*sample.setup1)));
    f->PoToolList(Variant(object(*sample.program1)));
    f->PoToolList(Variant());
    f->ToolInfo(Variant("Program.1"));
    f->ProcessFinInfo(object(sample.root->activity("Empty activity")));
    EXPECT_TRUE(records().empty());
    EXPECT_EQ(f->OperationCount, 0);
}

TEST_F(OperationRecordsTest, ParametersComeFromTheCollectionThatHoldsTheOperation) {
    // A collection of another branch of the process holds none of these operations.
    f->ProcessParameters = object(*sample.subProcess).get("Parameters").object();
    f->ToolInfo(Variant(object(*sample.program1)));
    const auto found = records();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(found[0].begin() + 8, found[0].begin() + 13), std::vector<std::string>(5, ""));
    EXPECT_EQ(found[0][5], "T1 End Mill D10");

    f->OperationRecords.RemoveAll();
    f->ProcessParameters = Object();
    f->ToolInfo(Variant(object(*sample.program3)));
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0][8], "");
    EXPECT_EQ(records()[0][13], "0.12");
}

TEST_F(OperationRecordsTest, UnreadableToolDataLeaveOnlyTheirOwnFieldsEmpty) {
    catia.failing = {"MfgTool.Name", "MfgTool.ToolType"};
    f->ToolInfo(Variant(object(*sample.program3)));
    ASSERT_EQ(records().size(), 1u);
    // Without its type the APT tool is read through the nominal diameter.
    EXPECT_EQ(records()[0][5], "");
    EXPECT_EQ(records()[0][6], "D7/R0");
    EXPECT_EQ(records()[0][4], "2");

    f->OperationRecords.RemoveAll();
    catia.failing = {"MfgTool.GetAttribute", "MfgToolAssembly.GetAttribute"};
    f->ToolInfo(Variant(object(*sample.program1)));
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[0][3], "");
    EXPECT_EQ(records()[0][6], "?\?/");
    EXPECT_EQ(records()[0][7], "//");
    EXPECT_EQ(records()[0][5], "T1 End Mill D10");
    EXPECT_EQ(records()[0][10], "Rough");
}

TEST_F(OperationRecordsTest, AttributeTextsWithoutALeadingNumberReadZero) {
    ProcessNode& program = sample.root->setup("Odd tools").program("Odd");
    ProcessNode& op = program.operation("Odd.1", 1);
    op.tool->attributes = {{"MFG_NOMINAL_DIAM", "D10"}, {"MFG_CORNER_RAD", "R1"}, {"MFG_CUT_LENGTH", "long"}};
    op.assembly = Attributes{{"MFG_NAME", 17}, {"MFG_ASS_GAGE_1", "about 80"}};
    f->ToolInfo(Variant(object(program)));
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0][3], "17");
    EXPECT_EQ(records()[0][6], "D0/R0");
    EXPECT_EQ(records()[0][7], "0//about 80");
}

TEST_F(OperationRecordsTest, ABrokenStepOfTheWalkSkipsOnlyWhatItWouldHaveReached) {
    catia.failing = {"ManufacturingSetup.Programs"};
    f->ProcessFinInfo(object(*sample.root));
    EXPECT_TRUE(records().empty());

    catia.failing = {"ManufacturingOperation.Active"};
    f->ProcessFinInfo(object(*sample.root));
    EXPECT_TRUE(records().empty());

    catia.failing = {"ManufacturingOperation.Type", "ManufacturingOperation.totaltime"};
    f->ToolInfo(Variant(object(*sample.program1)));
    // Without a readable type the tool change is no longer recognised.
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[1][0], "2");
    EXPECT_EQ(records()[0][13], "");
}

TEST_F(OperationRecordsTest, TheSixteenBitCounterEndsAddingRecords) {
    f->OperationCount = std::numeric_limits<std::int16_t>::max() - 1;
    f->ToolInfo(Variant(object(*sample.program1)));
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0][0], "32767");
    EXPECT_EQ(f->OperationCount, 32767);
}

}  // namespace
}  // namespace qvl::millsheet::testing
