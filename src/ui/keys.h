#pragma once

#include <cstdint>

// Keys are the platform's virtual-key codes, which the session logic compares against.
namespace quorvin::ui {

namespace vk {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18;  // Alt
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
inline constexpr int F4 = 115;
// The key reported for text committed by an input method.
inline constexpr int ProcessKey = 229;
}  // namespace vk

// Modifier state of a key event.
enum ShiftState : std::uint8_t {
    NoModifier = 0,
    ShiftDown = 1,
    CtrlDown = 2,
    AltDown = 4,
};

inline ShiftState operator|(ShiftState a, ShiftState b) {
    return static_cast<ShiftState>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

// A key character as a handler sees it: one byte of GBK text; setting it to 0 swallows it.
using KeyChar = unsigned char;

}  // namespace quorvin::ui
