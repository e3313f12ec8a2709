// What the gauge writes into its text buffers: never more than each text's character count,
// whatever the simulator reports. And what failures do to the texts.
#include <cstring>
#include <limits>

#include "xpndr_panel.h"

namespace navstack_xpndr_test {
namespace {

struct Extreme {
    const char* name;
    int32_t code;
    double altitude;
};

std::ostream& operator<<(std::ostream& out, const Extreme& e) { return out << e.name; }

class XpndrExtreme : public XpndrPanel, public ::testing::WithParamInterface<Extreme> {};

TEST_P(XpndrExtreme, NoTextIsLongerThanItsCharacterCount) {
    set_code(GetParam().code);
    set_altitude(GetParam().altitude);
    for (bool flight_time : {false, true}) {
        if (flight_time) press(kFuncButton);
        set_tick(flight_time ? 2000 : 1000);
        frame();
        for (Text which : kAllTexts) {
            const char* text = buffer(which);
            ASSERT_NE(text, nullptr) << which;
            const auto* element =
                reinterpret_cast<const panel_abi::TextString*>(state(which).element);
            EXPECT_LE(std::strlen(text), static_cast<size_t>(element->char_count))
                << which << ": \"" << text << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, XpndrExtreme,
    ::testing::Values(Extreme{"Ordinary", 0x7700, 4550}, Extreme{"HexDigits", 0xffff, 1e12},
                      Extreme{"AllBitsSet", -1, -1e12},
                      Extreme{"HighBitsBeyondTheCode", 0x7fff1234,
                              std::numeric_limits<double>::infinity()},
                      Extreme{"NoNumber", 0, std::numeric_limits<double>::quiet_NaN()}),
    [](const auto& info) { return std::string(info.param.name); });

// A digit beyond 9 prints as two characters; the code is cut to its four characters.
struct CutCase {
    int32_t code;
    const char* written;
};

std::ostream& operator<<(std::ostream& out, const CutCase& c) {
    return out << "0x" << std::hex << c.code;
}

class XpndrCodeCut : public XpndrPanel, public ::testing::WithParamInterface<CutCase> {};

TEST_P(XpndrCodeCut, WritesOnlyFourCharacters) {
    set_code(GetParam().code);
    frame();
    ASSERT_NE(buffer(Text::code), nullptr);
    EXPECT_STREQ(buffer(Text::code), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Codes, XpndrCodeCut,
                         ::testing::Values(CutCase{0xffff, "1515"}, CutCase{0xa123, "1012"},
                                           CutCase{0x1a23, "1102"}, CutCase{-1, "1515"},
                                           CutCase{0x12345, "2345"}));

TEST_F(XpndrPanel, TheFlightLevelOfAHugeAltitudeIsCutToEightCharacters) {
    set_altitude(1e12);
    set_tick(1000);
    frame();
    ASSERT_NE(buffer(Text::page_value), nullptr);
    EXPECT_STREQ(buffer(Text::page_value), "FL 21474");
}

struct FailureCase {
    uint32_t key;
    bool blanks_the_texts;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
    return out << "failure 0x" << std::hex << c.key;
}

class XpndrFailure : public XpndrPanel, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(XpndrFailure, BlanksTheTextsOrNotAndTheKeysKeepWorking) {
    set_code(0x1200);
    host_.set_failure(GetParam().key, true);
    frame();
    for (Text which : kAllTexts) {
        EXPECT_EQ(state(which).failed, GetParam().blanks_the_texts) << which;
        EXPECT_EQ(state(which).drawn, !GetParam().blanks_the_texts) << which;
    }
    const panel_host::ElementState& face = host_.elements(xpndr_).front();
    EXPECT_FALSE(face.failed);
    EXPECT_TRUE(face.drawn);

    key_in("4321");
    EXPECT_EQ(take_events(), set_code_events({0x4321}));
    key_in("V");
    EXPECT_EQ(take_events(), set_code_events({0x1200}));

    host_.set_failure(GetParam().key, false);
    frame();
    for (Text which : kAllTexts) EXPECT_TRUE(state(which).drawn) << which;
    EXPECT_EQ(shown(Text::code), "1200");
}

INSTANTIATE_TEST_SUITE_P(Keys, XpndrFailure,
                         ::testing::Values(FailureCase{kElectricalFailure, true},
                                           FailureCase{kSecondElectricalFailure, true},
                                           FailureCase{kFailureWithoutAction, false},
                                           FailureCase{0x05, false}));

}  // namespace
}  // namespace navstack_xpndr_test
