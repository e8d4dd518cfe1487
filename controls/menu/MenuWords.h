#pragma once

#include <cstdint>

namespace hestova::quillon {

// The low and high 16 bits of a 32-bit value, each as a signed 16-bit number.
constexpr int16_t LoWord(int32_t value)
{
    return static_cast<int16_t>(static_cast<uint32_t>(value) & 0xFFFFu);
}

constexpr int16_t HiWord(int32_t value)
{
    return static_cast<int16_t>((static_cast<uint32_t>(value) >> 16) & 0xFFFFu);
}

// high * 0x10000 OR (low AND 0xFFFF).
constexpr int32_t MakeLong(int16_t low, int16_t high)
{
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(high)) << 16)
                                | static_cast<uint16_t>(low));
}

// Item types, states and menu-character answers the engine works with.
constexpr int32_t MFT_OWNERDRAW = 0x100;
constexpr int32_t MFT_SEPARATOR = 0x800;
constexpr int32_t ODS_SELECTED = 0x1;
constexpr int32_t ODS_GRAYED = 0x2;
constexpr int32_t ODS_CHECKED = 0x8;
constexpr int16_t MNC_EXECUTE = 2;
constexpr int16_t MNC_SELECT = 3;

}  // namespace hestova::quillon
