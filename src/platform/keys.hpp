// The Windows virtual-key codes the game tests. The platform maps its own keys onto these.
#pragma once

namespace gloam::vk {

inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Shift = 16;
inline constexpr int Alt = 18;  // VK_MENU, either Alt key
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Digit0 = 48;  // '0'..'9' are 48..57
inline constexpr int KeyA = 65;    // 'A'..'Z' are 65..90
inline constexpr int KeyM = 77;
inline constexpr int KeyZ = 90;
inline constexpr int NumpadAdd = 107;
inline constexpr int NumpadSubtract = 109;
inline constexpr int F1 = 112;  // F1..F12 are 112..123
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F11 = 122;
inline constexpr int F12 = 123;

inline constexpr int digit(int d) { return Digit0 + d; }
inline constexpr int letter(char upper) { return KeyA + (upper - 'A'); }
inline constexpr int function(int n) { return F1 + n - 1; }

}  // namespace gloam::vk
