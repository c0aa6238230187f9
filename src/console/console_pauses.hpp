// How long the console stalls the loop after a key it acted on, in milliseconds. The pauses are
// the only key-repeat control there is: a key still held after the pause acts again.
#pragma once

namespace gloam::console {

inline constexpr int TabPauseMs = 400;                // after Tab shows or hides the prompt
inline constexpr int ScreenSaverTogglePauseMs = 400;  // after "screensavertoggle"
inline constexpr int EnterPauseMs = 500;              // after Enter submits the line
inline constexpr int TypedKeyPauseMs = 120;           // after each character added or removed

}  // namespace gloam::console
