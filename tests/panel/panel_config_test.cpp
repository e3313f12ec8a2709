// Reading the simulator's panel configuration format.
#include <gtest/gtest.h>

#include "config_file.h"
#include "panel_host/panel_config.h"

namespace {

using panel_host::PanelConfigProblem;
using panel_host::read_panel_config;

TEST(PanelConfig, ReadsWindowsTitlesAndGaugePlacements) {
    ConfigFile file(
        "; a comment\n"
        "[Window Titles]\n"
        "Window00=Main Panel\n"
        "Window01=GPS\n"
        "\n"
        "[Window00]\n"
        "size_mm=600,200\n"
        "window_pos=0,0\n"
        "visible=1\n"
        "ident=0\n"
        "gauge00=autoflight!autopilot, 10, 20\n"
        "gauge01=navstack!navcom1, 5, 150, 300\n"
        "\n"
        "[Window01]\n"
        "size_mm=300,100\n"
        "window_pos=50,60\n"
        "visible=0\n"
        "ident=225\n"
        "gauge00=navstack!xpndr, 0, 0, 300, 90\n");
    std::vector<PanelConfigProblem> problems;
    const auto config = read_panel_config(file.path(), problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(config.windows.size(), 2u);

    const auto& main = config.windows[0];
    EXPECT_EQ(main.title, "Main Panel");
    EXPECT_EQ(main.ident, 0);
    EXPECT_TRUE(main.visible);
    EXPECT_EQ(main.width, 600);
    EXPECT_EQ(main.height, 200);
    ASSERT_EQ(main.gauges.size(), 2u);
    EXPECT_EQ(main.gauges[0].module, "autoflight");
    EXPECT_EQ(main.gauges[0].gauge, "autopilot");
    EXPECT_EQ(main.gauges[0].x, 10);
    EXPECT_EQ(main.gauges[0].y, 20);
    EXPECT_EQ(main.gauges[0].width, -1);
    EXPECT_EQ(main.gauges[0].line, 11);
    EXPECT_EQ(main.gauges[1].width, 300);
    EXPECT_EQ(main.gauges[1].height, -1);

    const auto& gps = config.windows[1];
    EXPECT_EQ(gps.title, "GPS");
    EXPECT_EQ(gps.ident, 225);
    EXPECT_FALSE(gps.visible);
    EXPECT_EQ(gps.x, 50);
    EXPECT_EQ(gps.y, 60);
    ASSERT_EQ(gps.gauges.size(), 1u);
    EXPECT_EQ(gps.gauges[0].height, 90);
}

TEST(PanelConfig, EachFaultNamesItsLineAndTheRestIsKept) {
    struct Case {
        const char* entry;
        const char* fault;
    };
    const Case cases[] = {
        {"gauge00=autopilot, 1, 2", "gauge entry must start with module!gauge"},
        {"gauge00=autoflight!, 1, 2", "gauge entry must start with module!gauge"},
        {"gauge00=autoflight!autopilot, 1", "gauge entry needs module!gauge, x, y[, w[, h]]"},
        {"gauge00=autoflight!autopilot, 1, 2, 3, 4, 5", "gauge entry needs module!gauge, x, y[, w[, h]]"},
        {"gauge00=autoflight!autopilot, one, 2", "gauge entry has a bad number \"one\""},
        {"gauge00=autoflight!autopilot, 1, 2, 0", "gauge width and height must be positive"},
        {"gauge00=autoflight!autopilot, 1, 2, 99999999999", "gauge entry has a bad number \"99999999999\""},
        {"size_mm=100", "size_mm needs a positive width and height"},
        {"size_mm=-5,10", "size_mm needs a positive width and height"},
        {"window_pos=3", "window_pos needs x, y"},
        {"visible=yes", "visible must be 0 or 1"},
        {"ident=MAIN_PANEL", "ident must be a window number"},
        {"this line has no equals sign", "malformed line"},
    };
    for (const Case& c : cases) {
        ConfigFile file(std::string("[Window00]\nsize_mm=100,50\n") + c.entry +
                        "\ngauge01=autoflight!autopilot, 3, 4\n");
        std::vector<PanelConfigProblem> problems;
        const auto config = read_panel_config(file.path(), problems);
        ASSERT_EQ(problems.size(), 1u) << c.entry;
        EXPECT_EQ(problems[0].message(), file.path() + ":3: " + c.fault) << c.entry;
        ASSERT_EQ(config.windows.size(), 1u) << c.entry;
        ASSERT_FALSE(config.windows[0].gauges.empty()) << c.entry;
        EXPECT_EQ(config.windows[0].gauges.back().x, 3) << c.entry;
    }
}

TEST(PanelConfig, MissingFileIsOneProblemWithoutALine) {
    std::vector<PanelConfigProblem> problems;
    const auto config = read_panel_config("/nonexistent/panel.cfg", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].message(), "/nonexistent/panel.cfg: cannot open: No such file or directory");
    EXPECT_TRUE(config.windows.empty());
}

}  // namespace
