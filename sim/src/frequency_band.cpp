#include "frequency_band.h"

#include <algorithm>

namespace panel_sim {

namespace {

// Digit `position` of a BCD word, 0 the last.
int digit(uint32_t word, int position) { return static_cast<int>((word >> (4 * position)) & 0xf); }

int whole_mhz(uint32_t word) { return 100 + 10 * digit(word, 3) + digit(word, 2); }

int channels_per_tenth(const FrequencyBand& band) {
    return static_cast<int>(band.hundredths.size());
}

int channels_per_mhz(const FrequencyBand& band) { return 10 * channels_per_tenth(band); }

// Position of the word's fraction among the channels of its MHz, or -1 when it is off the grid.
int channel_within_mhz(const FrequencyBand& band, uint32_t word) {
    const auto found = std::find(band.hundredths.begin(), band.hundredths.end(), digit(word, 0));
    if (found == band.hundredths.end()) return -1;
    return digit(word, 1) * channels_per_tenth(band) +
           static_cast<int>(found - band.hundredths.begin());
}

uint16_t channel_word(const FrequencyBand& band, int mhz, int channel) {
    const int above_100 = mhz - 100;
    const int tenths = channel / channels_per_tenth(band);
    const int hundredths = band.hundredths[static_cast<size_t>(channel % channels_per_tenth(band))];
    return static_cast<uint16_t>((above_100 / 10) << 12 | (above_100 % 10) << 8 | tenths << 4 |
                                 hundredths);
}

}  // namespace

bool is_channel(const FrequencyBand& band, int32_t word) {
    if (word < 0 || word > 0xffff) return false;
    const auto bits = static_cast<uint32_t>(word);
    for (int position = 0; position < 4; ++position)
        if (digit(bits, position) > 9) return false;
    const int mhz = whole_mhz(bits);
    return mhz >= band.lowest_mhz && mhz <= band.highest_mhz && channel_within_mhz(band, bits) >= 0;
}

uint16_t channel_or_lowest(const FrequencyBand& band, int32_t word) {
    return is_channel(band, word) ? static_cast<uint16_t>(word)
                                  : channel_word(band, band.lowest_mhz, 0);
}

uint16_t fraction_stepped(const FrequencyBand& band, int32_t word, int steps) {
    const uint16_t channel = channel_or_lowest(band, word);
    const int count = channels_per_mhz(band);
    const int stepped = ((channel_within_mhz(band, channel) + steps) % count + count) % count;
    return channel_word(band, whole_mhz(channel), stepped);
}

}  // namespace panel_sim
