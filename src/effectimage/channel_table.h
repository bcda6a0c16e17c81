#pragma once
// Effects that change every channel by one function of its own value are a
// 256-entry table looked up for every byte of the picture.

#include <algorithm>
#include <array>
#include <cstdint>

#include "ground/bitmap.h"

namespace corvessa {

using ChannelTable = std::array<uint8_t, 256>;

inline uint8_t ClampChannel(int64_t value) { return uint8_t(std::clamp<int64_t>(value, 0, 255)); }

template <class Function>
ChannelTable MakeChannelTable(Function&& function) {
    ChannelTable table;
    for (int c = 0; c < 256; ++c) table[size_t(c)] = function(c);
    return table;
}

// Writes table[c] for every channel c of `source` into `target`, which has
// the source's size and may be the source itself.
void MapChannels(const TBitmap& source, TBitmap& target, const ChannelTable& table);

// c' = clamped(c - (c * strength) div 255): Effect_Darkness, and the first
// step of Effect_SpotLight.
ChannelTable DarknessTable(int strength);

}  // namespace corvessa
