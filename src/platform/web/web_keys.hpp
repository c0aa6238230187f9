// Browser keys to the Windows virtual-key codes the game tests. Pure data and string matching, so
// it builds and is tested without a browser.
#pragma once
#include <string_view>

namespace gloam::platform {

// The virtual key of a KeyboardEvent, from its `key` (what the layout types) and its `code` (the
// physical key). Letters follow the layout, as virtual-key codes do; every other key is matched
// by its physical position. 0 for a key the game has no code for.
int virtualKeyFor(std::string_view key, std::string_view code);

// The virtual key of a mouse button as a MouseEvent numbers it (0 left, 1 middle, 2 right); 0 for others.
int virtualKeyForButton(int button);

// Keys whose browser default (focus moves, help opens, the page scrolls, tools open) must not
// happen while the game has focus.
bool browserMustNotHandle(int virtualKey);

}  // namespace gloam::platform
