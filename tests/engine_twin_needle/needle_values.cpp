#include "needle_values.h"

#include <gtest/gtest.h>

namespace twin_needle_test {

std::vector<TokenValue> tokens_showing(const std::string& member, Dial dial, double value) {
    const bool left = dial == Dial::left;
    if (member == "halttff")
        return left ? std::vector<TokenValue>{{0x19e, value * 128}}
                    : std::vector<TokenValue>{{0x1a5, value * 6}, {0x132, 6}};
    if (member == "halfuel")
        // One tank of 100 on the side, nothing in the centre: the quantity is the percentage.
        return left ? std::vector<TokenValue>{{0x124, 100}, {0x130, value}}
                    : std::vector<TokenValue>{{0x12a, 100}, {0x12f, value}};
    if (member == "halchvc")
        return {{left ? 0x92u : 0x161u, value}};
    if (member == "halmprp")
        // At a speed scale of 10000, hundreds of RPM = value / 1638400 × 2500.
        return left ? std::vector<TokenValue>{{0x98, value * 1040}}
                    : std::vector<TokenValue>{{0x87, value * 655.36}, {0x9a, 10000}};
    if (member == "halotop")
        return left ? std::vector<TokenValue>{{0x1a0, value + 450}}
                    : std::vector<TokenValue>{{0x94, value * 298}};
    ADD_FAILURE() << "no member " << member;
    return {};
}

const twin_needle::DialGeometry& dial_geometry(const std::string& member, Dial dial) {
    namespace dials = twin_needle::dials;
    const twin_needle::TwinDials* pair = &dials::halttff;
    if (member == "halfuel") pair = &dials::halfuel;
    if (member == "halchvc") pair = &dials::halchvc;
    if (member == "halmprp") pair = &dials::halmprp;
    if (member == "halotop") pair = &dials::halotop;
    return dial == Dial::left ? pair->left : pair->right;
}

}  // namespace twin_needle_test
