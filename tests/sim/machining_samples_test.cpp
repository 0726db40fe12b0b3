#include <cctype>
#include <fstream>
#include <set>
#include <iterator>

#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

const std::vector<std::string> columnTitles = {"序号",   "程序名", "加工描述", "刀库名称", "刀号",     "刀具名称", "直径/R角",
                                               "刃长/装刀长", "侧余量", "底余量",   "加工类型", "主轴转速", "进给",     "理论时间"};
const char* titleTexts[] = {"PartName1", "PartNumber1", "NCMade1", "Date1",     "Material1", "Size1",  "x0",
                            "y0",        "z0",          "FixMethod1", "FilePath1", "OP1",    "Machine1", "Check1",
                            "Date2",     "Approval1",   "Date3",   "TecNotes1", "DocNo1",    "DocRev1", "ECNNo1"};

// The machining side of the sample world on the simulated disk: the sheet template, the
// sample process and the models it machines.
class MachiningSamplesTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        std::filesystem::path world = std::filesystem::path(QVL_SAMPLES_DIR) / "world";
        for (const auto& entry : std::filesystem::recursive_directory_iterator(world)) {
            if (!entry.is_regular_file()) continue;
            std::string relative = entry.path().lexically_relative(world).generic_string();
            std::replace(relative.begin(), relative.end(), '/', '\\');
            std::ifstream in(entry.path(), std::ios::binary);
            write(relative.substr(0, 1) + ":" + relative.substr(1), std::string(std::istreambuf_iterator<char>(in), {}));
        }
        frames = documents().call("Read", {Variant("C:\\QVL\\Template\\CNCFrame_All.CATDrawing")}).object();
    }
    Object templateView(const std::string& name) { return views(sheet(frames, Variant(name))).call("Item", {Variant(name)}).object(); }
    static std::string cell(const Object& table, long long row, long long column) {
        return table.call("GetCellString", {Variant(row), Variant(column)}).toString();
    }
    static std::vector<std::string> row(const Object& table, long long r) {
        std::vector<std::string> texts;
        for (long long c = 1; c <= table.get("NumberOfColumns").toLong(); ++c) texts.push_back(cell(table, r, c));
        return texts;
    }

    Object frames;
};

TEST_F(MachiningSamplesTest, TheFrameIsAnA4DetailWithTheTwentyOneTitleTextsAndTheOperationsTable) {
    EXPECT_TRUE(sheet(frames, Variant("A4")).call("IsDetail").toBool());
    Object frame = templateView("A4");
    EXPECT_EQ(size(frame), (std::array<double, 4>{0, 297, 0, 210}));

    Object mainView = views(sheet(newDrawing(), 1)).call("Item", {Variant(1)}).object();
    Object placed = mainView.get("Components").object().call("Add", {Variant(frame), Variant(0.0), Variant(0.0)}).object();
    for (const char* name : titleTexts) {
        Object text = placed.call("GetModifiableObject", {Variant(name)}).object();
        EXPECT_EQ(text.get("Text").toString(), "-") << name;
        double x = text.get("x").toDouble(), y = text.get("y").toDouble();
        EXPECT_TRUE(x > 5 && x < 292 && y > 5 && y < 205) << name;
    }
    placed.call("Explode");
    Object table = mainView.get("Tables").object().call("Item", {Variant(1)}).object();
    EXPECT_EQ(table.get("Name").toString(), "ToolsList1");
    ASSERT_EQ(table.get("NumberOfRows").toLong(), 3);
    ASSERT_EQ(table.get("NumberOfColumns").toLong(), 14);
    EXPECT_EQ(row(table, 1), columnTitles);
    EXPECT_EQ(row(table, 2), std::vector<std::string>(14));
    EXPECT_EQ(row(table, 3), std::vector<std::string>(14));
}

// The table as a sheet generator fills it: two operations of one program between the spare
// row and the footer, the spare row removed, equal programs merged and the unticked columns
// removed; the merged block goes with its column.
TEST_F(MachiningSamplesTest, TheOperationsTableTakesRowsMergesAndColumnRemovalAsASheetGeneratorUsesThem) {
    Object mainView = views(sheet(newDrawing(), 1)).call("Item", {Variant(1)}).object();
    mainView.get("Components").object().call("Add", {Variant(templateView("A4")), Variant(0), Variant(0)}).object().call("Explode");
    Object table = mainView.get("Tables").object().call("Item", {Variant(1)}).object();
    table.put("ComputeMode", 0);
    const std::vector<std::vector<std::string>> records = {
        {"1", "Manufacturing Program.1", "粗加工", "T2 Shrink Chuck", "2", "T2 End Mill", "D16/R0.8", "40//95", "0.5mm",
         "0.3mm", "Rough", "3500turn_mn", "1500mm_mn", "5.75"},
        {"2", "Manufacturing Program.1", "粗加工", "T2 Shrink Chuck", "2", "T2 End Mill", "D16/R0.8", "40//95", "0.5mm",
         "0.3mm", "Rough", "3500turn_mn", "1500mm_mn", "2.12"}};
    for (std::size_t r = 0; r < records.size(); ++r) {
        long long at = static_cast<long long>(r) + 3;
        table.call("AddRow", {Variant(at)});
        for (long long c = 1; c <= 14; ++c) {
            table.call("SetCellString", {Variant(at), Variant(c), Variant(records[r][c - 1])});
        }
    }
    for (long long c = 1; c <= 14; ++c) table.call("SetCellString", {Variant(5), Variant(c), Variant("#")});
    table.call("SetCellString", {Variant(5), Variant(14), Variant("总时间\r\n7.87")});
    table.call("RemoveRow", {Variant(2)});
    EXPECT_EQ(row(table, 2), records[0]);
    EXPECT_EQ(cell(table, 4, 14), "总时间\r\n7.87");
    for (long long c = 2; c <= 8; ++c) table.call("MergeCells", {Variant(2), Variant(c), Variant(2), Variant(1)});
    // Only program, tool number, tool name, diameter and lengths stay (columns 2 and 5 to 8).
    for (long long c : {14, 13, 12, 11, 10, 9, 4, 3, 1}) table.call("RemoveColumn", {Variant(c)});
    table.put("ComputeMode", 1);

    EXPECT_EQ(row(table, 1), (std::vector<std::string>{"程序名", "刀号", "刀具名称", "直径/R角", "刃长/装刀长"}));
    EXPECT_EQ(row(table, 3), (std::vector<std::string>{"Manufacturing Program.1", "2", "T2 End Mill", "D16/R0.8", "40//95"}));
    EXPECT_EQ(row(table, 4), std::vector<std::string>(5, "#"));
    platform::Json saved = sim.dumpDocument("Drawing1.CATDrawing")->at("content")["sheets"][0]["views"][0]["tables"][0];
    EXPECT_EQ(saved["merges"], platform::Json::parse("[[2, 1, 2, 1], [2, 2, 2, 1], [2, 3, 2, 1], [2, 4, 2, 1], [2, 5, 2, 1]]"));
    EXPECT_EQ(saved["columnWidths"].size(), 5u);
    EXPECT_EQ(saved["rowHeights"].size(), 4u);
    EXPECT_FALSE(saved.contains("computeMode"));
}

TEST_F(MachiningSamplesTest, TheNotesSheetsHoldABlockOfChineseTechnicalNotes) {
    for (const char* name : {"Notes1", "Notes2"}) {
        std::string notes = templateView(name).get("Texts").object().call("Item", {Variant(1)}).object().get("Text").toString();
        EXPECT_EQ(notes.rfind("1. ", 0), 0u) << name;
        EXPECT_NE(notes.find("\r\n5. "), std::string::npos) << name;
        EXPECT_NE(notes.find("加工"), std::string::npos) << name;
    }
    EXPECT_NE(templateView("Notes1").get("Texts").object().call("Item", {Variant(1)}).object().get("Text").toString(),
              templateView("Notes2").get("Texts").object().call("Item", {Variant(1)}).object().get("Text").toString());
}

// What the sample process offers a machining sheet: every kind of node, inactive and excluded
// operations, an APT tool, a tool without assembly, an attribute without a leading number,
// and products with axis systems.
TEST_F(MachiningSamplesTest, TheSampleProcessHasEveryCaseASheetMeets) {
    Object process = open("D:\\nc\\Housing_NC.CATProcess");
    Object products = process.get("PPRDocument").object().get("Products").object();
    Object housing = products.call("Item", {Variant(1)}).object();
    EXPECT_EQ(housing.get("Name").toString(), "Housing");
    Object axes = housing.get("ReferenceProduct").object().get("Parent").object().get("Part").object().get("AxisSystems").object();
    EXPECT_GE(axes.get("Count").toLong(), 2);
    EXPECT_GT(products.call("Item", {Variant(2)}).object().get("Products").object().get("Count").toLong(), 0);

    Object selection = process.get("Selection").object();
    sim.queuePick({PickAnswer::Kind::Normal, {"Process/Part Operation.1/Manufacturing Program.1"}});
    selection.call("SelectElement2", {Variant(Variant::Array{Variant("ManufacturingProgram")}), Variant("?"), Variant(false)});
    EXPECT_EQ(selection.call("Item2", {Variant(1)}).object().get("Value").object().typeName(), "ManufacturingProgram");

    platform::Json content = sim.dumpDocument("Housing_NC.CATProcess")->at("content");
    std::set<std::string> seen;
    std::function<void(const platform::Json&)> walk = [&](const platform::Json& node) {
        std::string type = node.value("type", "");
        if (!node.value("active", true)) seen.insert("inactive " + type);
        if (node.contains("operations")) {
            for (const auto& op : node["operations"]) {
                seen.insert(op["type"].get<std::string>());
                if (!op["active"].get<bool>()) seen.insert("inactive operation");
                if (op.contains("tool") && !op.contains("assembly")) seen.insert("tool without assembly");
                if (op.contains("tool") && op["tool"]["type"] == "MfgAPTTool") seen.insert("APT tool");
                if (op.contains("tool")) {
                    const platform::Json diameter = op["tool"]["attributes"].value("MFG_NOMINAL_DIAM", platform::Json());
                    if (diameter.is_string() && !std::isdigit(static_cast<unsigned char>(diameter.get<std::string>()[0]))) {
                        seen.insert("no leading number");
                    }
                }
            }
        }
        for (const char* key : {"activities", "programs"}) {
            if (node.contains(key)) {
                for (const auto& child : node[key]) walk(child);
            }
        }
        if (type == "PPRActivity" && node.contains("activities")) seen.insert("nested activity");
    };
    walk(content["process"]);
    for (const char* expected : {"ToolChange", "CoordinateSystem", "PPInstruction", "inactive operation",
                                 "inactive ManufacturingSetup", "nested activity",
                                 "tool without assembly", "APT tool", "no leading number"}) {
        EXPECT_TRUE(seen.count(expected)) << expected;
    }
}

}  // namespace
}  // namespace qvl::sim::testing
