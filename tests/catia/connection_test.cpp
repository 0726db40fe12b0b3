#include "common/catia/connection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "headless/headless_services.h"
#include "fake_catia.h"
#include "millsheet/connection_policy.h"
#include "orderloom/connection_policy.h"
#include "planwright/connection_policy.h"

namespace qvl::catia {
namespace {

using testing::FakeDocument;
using testing::FakeFactory;

// The three programs' policies, as their launchers choose them.
const ConnectionPolicy Planwright = planwright::connectionPolicy();
const ConnectionPolicy Millsheet = millsheet::connectionPolicy();
const ConnectionPolicy Orderloom = orderloom::connectionPolicy();

class ConnectionTest : public ::testing::Test {
protected:
    platform::VirtualDisk disk{std::filesystem::temp_directory_path()};
    platform::Transcript transcript;
    platform::HeadlessServices services{disk, transcript};
    FakeFactory factory;

    Connection connect(const ConnectionPolicy& policy) { return Connection(policy, factory, services); }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& e : transcript.events()) {
            if (e["event"] == "message") texts.push_back(e["text"].get<std::string>() + "|" + e["caption"].get<std::string>());
        }
        return texts;
    }
};

TEST_F(ConnectionTest, AttachesToARunningCatiaWithoutTouchingIt) {
    factory.application->document = std::make_shared<FakeDocument>();
    factory.application->visible = false;
    for (const ConnectionPolicy* policy : {&Planwright, &Millsheet, &Orderloom}) {
        Connection connection = connect(*policy);
        connection.GetCatia();
        EXPECT_TRUE(connection.ActiveDoc.is(automation::Object(factory.application->document)));
        EXPECT_FALSE(factory.application->visible) << "a running CATIA is not made visible";
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(ConnectionTest, SecondAttachReplacesTheSnapshotOfTheActiveDocument) {
    auto first = std::make_shared<FakeDocument>();
    auto second = std::make_shared<FakeDocument>("ProductDocument");
    factory.application->document = first;
    Connection connection = connect(Planwright);
    connection.GetCatia();
    factory.application->document = second;
    EXPECT_TRUE(connection.ActiveDoc.is(automation::Object(first))) << "a snapshot until the next attach";
    connection.GetCatia();
    EXPECT_EQ(connection.ActiveDoc.typeName(), "ProductDocument");
}

TEST_F(ConnectionTest, StartsCatiaWhenNoneRunsAndReportsTheMissingDocument) {
    factory.catia = FakeFactory::Catia::Startable;
    Connection connection = connect(Planwright);
    connection.GetCatia();
    EXPECT_FALSE(connection.CatiaApp.isNothing());
    EXPECT_TRUE(factory.application->visible);
    EXPECT_TRUE(connection.ActiveDoc.isNothing());
    EXPECT_EQ(messages(), std::vector<std::string>{"当前没有活动的CATIA文档|Quorvel工具箱CATIA版"});
}

TEST_F(ConnectionTest, OrderloomStartsCatiaWithoutShowingItAndWithoutMessage) {
    factory.catia = FakeFactory::Catia::Startable;
    Connection connection = connect(Orderloom);
    connection.GetCatia();
    EXPECT_FALSE(factory.application->visible);
    EXPECT_TRUE(connection.ActiveDoc.isNothing());
    EXPECT_TRUE(messages().empty());
}

TEST_F(ConnectionTest, WithoutAnyCatiaBothReferencesStayEmpty) {
    factory.catia = FakeFactory::Catia::Absent;
    Connection millsheet = connect(Millsheet);
    millsheet.GetCatia();
    EXPECT_TRUE(millsheet.CatiaApp.isNothing());
    EXPECT_TRUE(millsheet.ActiveDoc.isNothing());
    EXPECT_EQ(messages(), std::vector<std::string>{"当前没有活动的CATIA文档|Quorvel工具箱CATIA版"});
}

TEST_F(ConnectionTest, AttachWithoutDocumentForgetsTheEarlierDocument) {
    factory.application->document = std::make_shared<FakeDocument>();
    Connection connection = connect(Planwright);
    connection.GetCatia();
    factory.application->document.reset();
    connection.GetCatia();
    EXPECT_TRUE(connection.ActiveDoc.isNothing());
}

class PickTest : public ConnectionTest {
protected:
    void SetUp() override {
        factory.application->document = document;
        document->selection->picked = automation::Object(std::make_shared<automation::MemberTable>("DrawingView"));
    }
    std::shared_ptr<FakeDocument> document = std::make_shared<FakeDocument>("DrawingDocument");
    std::shared_ptr<testing::FakeSelection>& selection() { return document->selection; }

    automation::Variant pick(const ConnectionPolicy& policy, std::string t1, std::string t2 = "", std::string t3 = "") {
        Connection connection = connect(policy);
        connection.GetCatia();
        return connection.PickOneElement(t1, t2, t3);
    }
};

TEST_F(PickTest, BuildsFilterAndPromptFromTheGivenTypes) {
    pick(Planwright, "Product", "", "Part");
    pick(Millsheet, "ManufacturingSetup", "ManufacturingProgram", "PPRActivity");
    pick(Millsheet, "DrawingView", "Product", "");
    ASSERT_EQ(selection()->filters.size(), 3u);
    EXPECT_EQ(selection()->filters[0].array().size(), 1u) << "an empty second type ignores the third";
    EXPECT_EQ(selection()->prompts[0], "Select the Product");
    EXPECT_EQ(selection()->filters[1].array().size(), 3u);
    EXPECT_EQ(selection()->prompts[1], "Select the ManufacturingSetup,ManufacturingProgram,PPRActivity");
    EXPECT_EQ(selection()->prompts[2], "Select the DrawingView,Product");
}

TEST_F(PickTest, ACompletedPickReturnsThePickedObjectAndClearsTheSelection) {
    automation::Variant picked = pick(Planwright, "DrawingView");
    EXPECT_EQ(picked.typeName(), "DrawingView");
    EXPECT_EQ(selection()->clears, 2) << "cleared before and after the pick";
}

TEST_F(PickTest, EscapeYieldsNothingWithAMessageInPlanwrightAndEmptyInMillsheet) {
    selection()->statuses = {"Cancel"};
    automation::Variant planwright = pick(Planwright, "DrawingView");
    EXPECT_TRUE(planwright.isNothing());
    ASSERT_EQ(transcript.events().size(), 1u);
    EXPECT_EQ(transcript.events()[0]["text"], "已退出选择");
    EXPECT_EQ(transcript.events()[0]["caption"], "Quorvel工具箱CATIA版自动投图");
    EXPECT_EQ(transcript.events()[0]["flags"], 4096);

    selection()->statuses = {"Cancel"};
    automation::Variant millsheet = pick(Millsheet, "ManufacturingSetup");
    EXPECT_TRUE(millsheet.isEmpty());
    EXPECT_EQ(transcript.events().size(), 1u) << "Millsheet shows nothing";
    EXPECT_EQ(selection()->clears, 2) << "a cancelled pick leaves the selection as it is";
}

TEST_F(PickTest, RedoAsksAgainAndUndoGivesUp) {
    selection()->statuses = {"Redo", "Redo", "Normal"};
    EXPECT_EQ(pick(Planwright, "DrawingView").typeName(), "DrawingView");
    EXPECT_EQ(selection()->prompts.size(), 3u);

    selection()->statuses = {"Undo"};
    int clearsBefore = selection()->clears;
    EXPECT_TRUE(pick(Planwright, "DrawingView").isEmpty());
    EXPECT_EQ(selection()->clears, clearsBefore + 1) << "only the clear before the pick";
    EXPECT_TRUE(transcript.events().empty());
}

TEST_F(PickTest, AFailingCallReachesTheCaller) {
    Connection connection = connect(Planwright);
    connection.GetCatia();
    factory.application->document.reset();
    EXPECT_THROW(connection.PickOneElement("DrawingView", "", ""), automation::Error);
}

class LanguageTest : public ConnectionTest {
protected:
    void SetUp() override { factory.application->document = std::make_shared<FakeDocument>(); }
    std::string languageFor(const std::string& statusBar, const ConnectionPolicy& policy = Planwright) {
        factory.application->statusBar = statusBar;
        Connection connection = connect(policy);
        connection.GetCatia();
        return connection.CatiaLanguage();
    }
};

TEST_F(LanguageTest, ALatinFirstLetterMeansEnglish) {
    EXPECT_EQ(languageFor("Select an object"), englishLanguage);
    EXPECT_EQ(languageFor("  select an object"), englishLanguage) << "leading blanks, lower case";
    EXPECT_EQ(languageFor("Z"), englishLanguage);
}

TEST_F(LanguageTest, EverythingElseMeansChinese) {
    EXPECT_EQ(languageFor("选择对象或命令"), chineseLanguage);
    EXPECT_EQ(languageFor("3D view"), chineseLanguage);
    EXPECT_EQ(languageFor("[Select]"), chineseLanguage);
    EXPECT_EQ(languageFor("Éditer"), chineseLanguage) << "no ANSI letter A to Z";
    EXPECT_EQ(languageFor("   "), chineseLanguage);
    EXPECT_EQ(languageFor(""), chineseLanguage);
}

TEST_F(LanguageTest, PlanwrightReportsAFailingCallAndOrderloomIgnoresIt) {
    factory.application->statusBarFails = true;
    EXPECT_THROW(languageFor("Select"), automation::Error);
    EXPECT_EQ(languageFor("Select", Orderloom), chineseLanguage);
    factory.application->statusBarFails = false;
    factory.application->document.reset();
    EXPECT_EQ(languageFor("Select", Orderloom), englishLanguage)
        << "a failed clear of the selection does not stop Orderloom";
}

}  // namespace
}  // namespace qvl::catia
