// Whole-MHz tuning of a standby frequency: the MHz byte of the BCD value steps by one, and
// the steps that leave a decimal digit or the band are corrected. COM runs from 118 to 135
// MHz, NAV from 108 to 117; each wraps to the other end. A value outside its band steps by
// one without correction.
#include <span>

#include "navcom_unit.h"

namespace navstack::navcom {

using namespace panel_abi;

namespace {

// A MHz byte (whole MHz less 100, two BCD digits) that a step leaves, and its correction.
struct Correction {
    uint8_t stepped;
    uint8_t corrected;
};

constexpr Correction kComDown[] = {{0x17, 0x35}, {0x1f, 0x19}, {0x2f, 0x29}};
constexpr Correction kComUp[] = {{0x1a, 0x20}, {0x2a, 0x30}, {0x36, 0x18}};
constexpr Correction kNavDown[] = {{0x0f, 0x09}, {0x07, 0x17}};
constexpr Correction kNavUp[] = {{0x0a, 0x10}, {0x18, 0x08}};

using Corrections = std::span<const Correction>;

Corrections down_corrections(Band band) {
    return band == Band::com ? Corrections(kComDown) : Corrections(kNavDown);
}

Corrections up_corrections(Band band) {
    return band == Band::com ? Corrections(kComUp) : Corrections(kNavUp);
}

uint8_t corrected(Corrections corrections, uint8_t stepped) {
    for (const Correction& correction : corrections)
        if (correction.stepped == stepped) return correction.corrected;
    return stepped;
}

}  // namespace

// The MHz byte steps as a byte: below 0x00 it wraps to 0xff and above 0xff to 0x00, so the
// result always stays within the 16 bits of a BCD frequency.
uint32_t tuned_whole_mhz(Band band, uint32_t frequency, uint32_t events) {
    const uint32_t fraction = frequency & 0xff;
    auto mhz = static_cast<uint8_t>((frequency >> 8) & 0xff);
    if ((events & kMouseLeftClick) != 0)
        mhz = corrected(down_corrections(band), static_cast<uint8_t>(mhz - 1));
    else if ((events & kMouseRightClick) != 0)
        mhz = corrected(up_corrections(band), static_cast<uint8_t>(mhz + 1));
    return (static_cast<uint32_t>(mhz) << 8) + fraction;
}

}  // namespace navstack::navcom
