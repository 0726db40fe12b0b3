#include "headless/script_fault.h"
#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;
using DrawingDocumentsTest = DrawingTest;

TEST_F(DrawingDocumentsTest, NewFromMakesAnUnsavedCopyOfTheTemplateInAWindow) {
    Object drawing = documents().call("NewFrom", {Variant("c:\\qvl\\template\\FRAMES.CATDrawing")}).object();
    EXPECT_EQ(drawing.typeName(), "DrawingDocument");
    EXPECT_EQ(drawing.get("Name").toString(), "Drawing1.CATDrawing");
    EXPECT_EQ(drawing.get("Path").toString(), "");
    EXPECT_TRUE(activeDocument().is(drawing));
    EXPECT_EQ(sheets(drawing).get("Count").toLong(), 3);
    EXPECT_EQ(sheet(drawing, 2).get("Name").toString(), "A4");
    EXPECT_FALSE(sim.dumpDocument("active")->at("saved").get<bool>());

    // A change to the copy stays out of the template, and a second copy is a document of its own.
    sheets(drawing).call("Remove", {Variant(1)});
    Object second = documents().call("NewFrom", {Variant("C:\\QVL\\Template\\Frames.CATDrawing")}).object();
    EXPECT_EQ(second.get("Name").toString(), "Drawing2.CATDrawing");
    EXPECT_EQ(sheets(second).get("Count").toLong(), 3);
    EXPECT_EQ(fileJson("C:\\QVL\\Template\\Frames.CATDrawing")["sheets"].size(), 3u);
}

TEST_F(DrawingDocumentsTest, NewFromReadAndOpenFailForMissingOrMalformedFiles) {
    write("C:\\QVL\\Template\\Broken.CATDrawing", "{\"kind\": \"Drawing\", \"sheets\": [ {\"views\": []} ]}");
    write("C:\\QVL\\Template\\NoJson.CATDrawing", "frames");
    for (const char* path : {"C:\\QVL\\Template\\Missing.CATDrawing", "C:\\QVL\\Template\\Broken.CATDrawing",
                             "C:\\QVL\\Template\\NoJson.CATDrawing", "Template\\Frames.CATDrawing"}) {
        for (const char* member : {"NewFrom", "Read", "Open"}) {
            EXPECT_EQ(errorOf([&] { documents().call(member, {Variant(path)}); }), serverFailure) << member << " " << path;
        }
    }
    EXPECT_EQ(documents().get("Count").toLong(), 0);
    try {
        sim.open("C:\\QVL\\Template\\Broken.CATDrawing");
        FAIL() << "a sheet without a name opened";
    } catch (const platform::ScriptFault& e) {
        EXPECT_NE(std::string(e.what()).find("sheets[0].name"), std::string::npos) << e.what();
    }
}

TEST_F(DrawingDocumentsTest, ReadLoadsWithoutAWindowUntilTheDocumentIsClosed) {
    Object block = open("D:\\models\\Block.CATPart");
    Object frames = documents().call("Read", {Variant("C:\\QVL\\Template\\Frames.CATDrawing")}).object();
    EXPECT_EQ(frames.get("Name").toString(), "Frames.CATDrawing");
    EXPECT_EQ(frames.get("FullName").toString(), "C:\\QVL\\Template\\Frames.CATDrawing");
    EXPECT_EQ(documents().get("Count").toLong(), 1);
    EXPECT_EQ(catia().get("Windows").object().get("Count").toLong(), 1);
    EXPECT_TRUE(activeDocument().is(block));
    // Reading it again gives the same document; closing other documents leaves it loaded.
    EXPECT_TRUE(documents().call("Read", {Variant("C:\\QVL\\Template\\Frames.CATDrawing")}).object().is(frames));
    block.call("Close");
    EXPECT_EQ(sheet(frames, "A4").get("Name").toString(), "A4");
    frames.call("Close");
    EXPECT_EQ(errorOf([&] { frames.get("Sheets"); }), hresult::disconnected);
}

TEST_F(DrawingDocumentsTest, SaveAsAddsTheExtensionOnceAndRenamesTheDocument) {
    Object drawing = newDrawing();
    drawing.call("SaveAs", {Variant("d:\\OUT\\part1")});
    EXPECT_EQ(drawing.get("Name").toString(), "part1.CATDrawing");
    EXPECT_EQ(drawing.get("FullName").toString(), "D:\\out\\part1.CATDrawing");
    EXPECT_EQ(drawing.get("Path").toString(), "D:\\out");
    EXPECT_EQ(lastEvent(), platform::Json({{"event", "saved"}, {"path", "D:\\out\\part1.CATDrawing"}}));
    EXPECT_EQ(fileJson("D:\\out\\part1.CATDrawing"), sim.dumpDocument("active")->at("content"));
    EXPECT_TRUE(sim.dumpDocument("active")->at("saved").get<bool>());

    Object other = newDrawing();
    other.call("SaveAs", {Variant("D:\\out\\a.b.catdrawing")});
    EXPECT_EQ(other.get("Name").toString(), "a.b.catdrawing");
    Object third = newDrawing();
    third.call("SaveAs", {Variant("D:\\out\\c.d")});
    EXPECT_EQ(third.get("Name").toString(), "c.d.CATDrawing");
    EXPECT_EQ(disk.filesBelow("D:\\out"), (std::vector<std::string>{"a.b.catdrawing", "c.d.CATDrawing", "part1.CATDrawing"}));
}

TEST_F(DrawingDocumentsTest, SavingRefusesWhatCannotBeWritten) {
    Object drawing = newDrawing();
    EXPECT_EQ(errorOf([&] { drawing.call("Save"); }), serverFailure);                                 // never saved
    EXPECT_EQ(errorOf([&] { drawing.call("SaveAs", {Variant("D:\\nowhere\\x")}); }), serverFailure);  // no folder
    EXPECT_EQ(errorOf([&] { drawing.call("SaveAs", {Variant("\\x")}); }), serverFailure);            // no drive
    EXPECT_EQ(drawing.get("Name").toString(), "Drawing1.CATDrawing");

    drawing.call("SaveAs", {Variant("D:\\out\\Twin")});
    // Two loaded documents never share a name.
    Object second = newDrawing();
    EXPECT_EQ(errorOf([&] { second.call("SaveAs", {Variant("D:\\out\\twin.CATDrawing")}); }), serverFailure);
    EXPECT_EQ(second.get("Name").toString(), "Drawing2.CATDrawing");
    EXPECT_EQ(disk.filesBelow("D:\\out"), std::vector<std::string>{"Twin.CATDrawing"});

    // A saved drawing whose folder is gone cannot be saved again.
    disk.removeFile("D:\\out\\Twin.CATDrawing");
    std::filesystem::remove_all(*disk.hostPath("D:\\out"));
    EXPECT_EQ(errorOf([&] { drawing.call("Save"); }), serverFailure);
    EXPECT_EQ(eventsNamed("saved").size(), 1u);
}

TEST_F(DrawingDocumentsTest, ReplacingAFileAsksWhileFileAlertsAreOn) {
    Object first = newDrawing();
    first.call("SaveAs", {Variant("D:\\out\\same")});
    first.call("Save");
    EXPECT_TRUE(eventsNamed("alert").empty());  // saving its own file asks nothing
    first.call("Close");

    Object second = newDrawing();
    second.call("SaveAs", {Variant("D:\\out\\same")});
    auto alerts = eventsNamed("alert");
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_NE(alerts[0]["text"].get<std::string>().find("D:\\out\\same.CATDrawing"), std::string::npos);
    EXPECT_EQ(transcript.events().back()["event"], "saved");

    catia().put("DisplayFileAlerts", false);
    second.call("SaveAs", {Variant("D:\\out\\same")});
    EXPECT_EQ(eventsNamed("alert").size(), 1u);
    EXPECT_EQ(eventsNamed("saved").size(), 4u);
}

TEST_F(DrawingDocumentsTest, ExportWritesTheSheetsAsDxfOrPdfUnderTheGivenNamePlusItsExtension) {
    Object drawing = newDrawing();
    Object view = frontView(sheet(drawing, 1), blockProduct());
    view.put("x", 100.0);
    view.put("y", 80.0);
    Object text = sheet(drawing, 1).get("Views").object().call("Item", {Variant(2)}).object().get("Texts").object()
                      .call("Add", {Variant("技术要求 A"), Variant(10.0), Variant(20.0)}).object();
    drawing.call("ExportData", {Variant("D:\\out\\part1_CATDrawing"), Variant("dwg")});
    EXPECT_EQ(lastEvent(), platform::Json({{"event", "exported"}, {"path", "D:\\out\\part1_CATDrawing"}, {"format", "dwg"}}));

    std::string dxf = fileText("D:\\out\\part1_CATDrawing.dxf");
    ASSERT_FALSE(dxf.empty());
    EXPECT_EQ(dxf.rfind("0\nEOF\n"), dxf.size() - 6);
    // The front view of the block: 60 wide and 40 high around (100, 80): its top edge.
    EXPECT_NE(dxf.find("LINE\n8\nSHEET_1\n10\n70\n20\n100\n30\n0\n11\n130\n21\n100\n"), std::string::npos) << dxf;
    EXPECT_NE(dxf.find("1\n\\U+6280\\U+672F\\U+8981\\U+6C42 A\n"), std::string::npos);
    // The paper outline of A0.
    EXPECT_NE(dxf.find("10\n1189\n20\n0\n30\n0\n11\n1189\n21\n841\n"), std::string::npos);

    // As PDF: a page of the A0 paper (in points) with the same edge and the text in UCS-2.
    drawing.call("ExportData", {Variant("D:\\out\\part1_CATDrawing"), Variant("pdf")});
    std::string pdf = fileText("D:\\out\\part1_CATDrawing.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1 "), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 3370.394 2383.937]"), std::string::npos) << pdf;
    EXPECT_NE(pdf.find(" 70 100 m 130 100 l S\n"), std::string::npos) << pdf;
    EXPECT_NE(pdf.find("<6280672F89816C4200200041> Tj"), std::string::npos) << pdf;
    // The cross-reference table stands where the trailer says: readers find the objects.
    EXPECT_EQ(pdf.substr(std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10)), 5), "xref\n");

    EXPECT_EQ(errorOf([&] { drawing.call("ExportData", {Variant("D:\\out\\x"), Variant("igs")}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { drawing.call("ExportData", {Variant("\\part1_CATDrawing"), Variant("dwg")}); }), serverFailure);
    EXPECT_EQ(eventsNamed("exported").size(), 2u);
    // Exporting again over the file asks first.
    drawing.call("ExportData", {Variant("D:\\out\\part1_CATDrawing"), Variant("dwg")});
    EXPECT_EQ(eventsNamed("alert").size(), 1u);
}

TEST_F(DrawingDocumentsTest, AddMakesAnEmptyIsoDrawingWhoseStandardIsSaved) {
    Object drawing = documents().call("Add", {Variant("Drawing")}).object();
    EXPECT_EQ(drawing.typeName(), "DrawingDocument");
    EXPECT_EQ(drawing.get("Name").toString(), "Drawing1.CATDrawing");
    EXPECT_TRUE(activeDocument().is(drawing));
    Object sheets = drawing.get("Sheets").object();
    ASSERT_EQ(sheets.get("Count").toLong(), 1);
    Object first = sheets.call("Item", {Variant(1)}).object();
    EXPECT_EQ(first.get("Name").toString(), "Sheet.1");
    EXPECT_EQ(first.get("Views").object().get("Count").toLong(), 2);
    EXPECT_EQ(documents().call("Add", {Variant("drawing")}).object().get("Name").toString(), "Drawing2.CATDrawing");
    EXPECT_EQ(errorOf([&] { documents().call("Add", {Variant("Process")}); }), serverFailure);

    EXPECT_EQ(drawing.get("Standard").toLong(), 1);
    EXPECT_FALSE(sim.dumpDocument("Drawing1.CATDrawing")->at("content").contains("standard"));
    drawing.put("Standard", 2);
    EXPECT_EQ(drawing.get("Standard").toLong(), 2);
    EXPECT_EQ(errorOf([&] { drawing.put("Standard", 7); }), serverFailure);
    drawing.put("Standard", 1);
    drawing.call("SaveAs", {Variant("D:\\out\\Iso")});
    EXPECT_EQ(fileJson("D:\\out\\Iso.CATDrawing")["standard"], 1);
}

}  // namespace
}  // namespace qvl::sim::testing
