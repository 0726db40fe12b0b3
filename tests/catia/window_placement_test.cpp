#include "common/catia/window_placement.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "headless/headless_services.h"
#include "headless/headless_window_system.h"

namespace qvl::catia {
namespace {

// Records the window placements it is asked for.
class PlacementRecorder : public platform::HeadlessServices {
public:
    using HeadlessServices::HeadlessServices;
    void setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x, int y, int cx,
                      int cy, unsigned flags) override {
        calls.push_back({window, insertAfter, x + y + cx + cy, flags});
        HeadlessServices::setWindowPos(window, insertAfter, x, y, cx, cy, flags);
    }
    struct Call {
        platform::WindowHandle window, insertAfter;
        int geometrySum;
        unsigned flags;
    };
    std::vector<Call> calls;
};

class TestWindow : public ui::Form {
public:
    explicit TestWindow(platform::Services& services) : Form("test", 6555, 9000), services_(services) {}
    void Form_Load() override {
        loadedAtLeft = left();
        SetTopMost(services_, hWnd(), true);
    }
    double loadedAtLeft = -1;

private:
    platform::Services& services_;
};

class PlacementTest : public ::testing::Test {
protected:
    platform::VirtualDisk disk{std::filesystem::temp_directory_path()};
    platform::Transcript transcript;
    PlacementRecorder services{disk, transcript};
};

TEST_F(PlacementTest, TopMostKeepsPositionAndSize) {
    SetTopMost(services, 77, true);
    SetTopMost(services, 77, false);
    SetTopMostWithoutActivating(services, 78, true);
    ASSERT_EQ(services.calls.size(), 3u);
    EXPECT_EQ(services.calls[0].insertAfter, -1);
    EXPECT_EQ(services.calls[0].flags, 3u);
    EXPECT_EQ(services.calls[1].insertAfter, -2);
    EXPECT_EQ(services.calls[2].flags, 0x13u);
    EXPECT_EQ(services.calls[0].geometrySum, 0);
    EXPECT_FALSE(services.isTopMost(77));
    EXPECT_TRUE(services.isTopMost(78));
}

TEST_F(PlacementTest, MainLoadsTheWindowCentredThenMovesItToTheRightEdge) {
    for (int screenPixels : {1920, 1366, 1024}) {
        services.setScreenWidthPixels(screenPixels);
        ui::HeadlessWindowSystem windows(services);
        TestWindow window(services);
        Main(window, windows);
        double screenTwips = screenPixels * 15.0;
        EXPECT_DOUBLE_EQ(window.loadedAtLeft, (screenTwips - 6555) / 2) << "centred while loading";
        EXPECT_DOUBLE_EQ(window.left() + window.width(), screenTwips) << screenPixels;
        EXPECT_TRUE(services.isTopMost(window.hWnd()));
    }
}

}  // namespace
}  // namespace qvl::catia
