// The frequency bands the NAV/COM radios tune, their channel grids, and the BCD frequency words
// the radios hold.
//
// A frequency word holds four BCD digits d3 d2 d1 d0 in its low 16 bits and stands for
// 1d3d2.d1d0 MHz. It keeps two decimals, so a channel is written with its first two:
// - COM: 118.00 to 135.97 MHz in 25 kHz steps. Within each tenth of a MHz the channels
//   .x00, .x25, .x50 and .x75 MHz are written .x0, .x2, .x5 and .x7.
// - NAV: 108.00 to 117.95 MHz in 50 kHz steps, written .x0 and .x5.
#pragma once

#include <cstdint>
#include <span>

namespace panel_sim {

struct FrequencyBand {
    int lowest_mhz;
    int highest_mhz;
    // The last written digit of each channel within one tenth of a MHz, in rising order.
    std::span<const int> hundredths;
};

inline constexpr int kComHundredths[] = {0, 2, 5, 7};
inline constexpr int kNavHundredths[] = {0, 5};

inline constexpr FrequencyBand kComBand{
    .lowest_mhz = 118, .highest_mhz = 135, .hundredths = kComHundredths};
inline constexpr FrequencyBand kNavBand{
    .lowest_mhz = 108, .highest_mhz = 117, .hundredths = kNavHundredths};

// True when `word` is a channel of the band: nothing above its low 16 bits, four decimal
// digits, the whole MHz within the band and the fraction on the channel grid.
bool is_channel(const FrequencyBand& band, int32_t word);

// `word` when it is a channel of the band, otherwise the band's lowest channel.
uint16_t channel_or_lowest(const FrequencyBand& band, int32_t word);

// The channel `steps` channels above (below, when negative) `word` within the same whole MHz:
// stepping past the MHz's last channel comes back to its first, and the other way round. A
// word that is no channel of the band is taken as the band's lowest channel.
uint16_t fraction_stepped(const FrequencyBand& band, int32_t word, int steps);

}  // namespace panel_sim
