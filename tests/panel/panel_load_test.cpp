// Bringing a panel up from its configuration: gauges placed, faults reported by line, the
// rest of the panel still there, windows toggled by ident number.
#include <gtest/gtest.h>

#include "config_file.h"
#include "panel_host/panel.h"

namespace {

using namespace panel_host;

TEST(PanelLoad, PlacesWhatExistsAndReportsWhatDoesNot) {
    ConfigFile file(
        "[Window00]\n"
        "size_mm=600,300\n"
        "ident=0\n"
        "gauge00=autoflight!autopilot, 10, 10\n"
        "gauge01=nosuchmodule!gauge, 0, 0\n"
        "gauge02=autoflight!nosuchgauge, 0, 0\n"
        "gauge03=autoflight!autopilot, 0, 150, 250\n");
    VariableStore store;
    PanelHost host(store);
    Panel panel(host, PANEL_MODULE_DIR);
    const auto problems = panel.load(file.path());

    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind(file.path() + ":5: cannot load module ", 0), 0u) << problems[0];
    EXPECT_NE(problems[0].find("nosuchmodule.so"), std::string::npos) << problems[0];
    EXPECT_EQ(problems[1].rfind(file.path() + ":6: ", 0), 0u) << problems[1];
    EXPECT_NE(problems[1].find("has no gauge named \"nosuchgauge\""), std::string::npos) << problems[1];

    ASSERT_EQ(panel.gauges().size(), 2u);
    const PanelGauge& full = panel.gauges()[0];
    EXPECT_EQ(full.width, 500);  // the autopilot's design size
    EXPECT_EQ(full.height, 119);
    const PanelGauge& narrow = panel.gauges()[1];
    EXPECT_EQ(narrow.width, 250);  // a width alone keeps the proportions
    EXPECT_EQ(narrow.height, 59);
}

TEST(PanelLoad, WindowsShowAndHideByIdent) {
    ConfigFile file(
        "[Window00]\nsize_mm=100,100\nident=0\n"
        "[Window01]\nsize_mm=100,100\nvisible=0\nident=225\n");
    VariableStore store;
    PanelHost host(store);
    Panel panel(host, PANEL_MODULE_DIR);
    EXPECT_TRUE(panel.load(file.path()).empty());
    EXPECT_TRUE(panel.window_visible(0));
    EXPECT_FALSE(panel.window_visible(1));
    host.toggle_window(225);
    EXPECT_TRUE(panel.window_visible(1));
    host.toggle_window(225);
    EXPECT_FALSE(panel.window_visible(1));
    EXPECT_FALSE(panel.window_visible(7));  // no such window
}

}  // namespace
