// What the window shows: the Framebuffer last drawn and swapped, in which mode and where. A pass
// whose Framebuffer is the same, in the same mode and the same window, has nothing new to show, so
// presenting it again would only spend the CPU on an identical picture. A re-created window shows
// nothing until it is drawn, and the picture is drawn again now and then in any case, so a window
// system that lost the window's pixels (an uncovered window) gets them back within moments. The
// last picture stays known across a re-creation: it is what a screenshot of the run shows.
#pragma once
#include <cstdint>
#include <vector>

#include "core/screen.hpp"
#include "platform/platform.hpp"

namespace gloam::shell {

struct ShownFrame {
  std::vector<std::uint8_t> pixels;  // the picture last drawn; empty before the first
  ScreenMode mode;
  platform::Rect window;
  bool windowBlank = true;  // the window was (re-)created and nothing was drawn into it yet
  int passesSinceDrawn = 0;
  long long drawn = 0;  // frames drawn and swapped so far
};

// Passes an unchanged picture may go without being drawn again (a quarter second at 60 a second).
inline constexpr int RedrawUnchangedEvery = 15;

// Whether this pass's Framebuffer must be drawn and swapped; counts the pass either way.
bool mustPresent(ShownFrame& shown, const Screen& screen, const platform::Rect& window);

// Notes that the Framebuffer was drawn and swapped into the window.
void notePresented(ShownFrame& shown, const Screen& screen, const platform::Rect& window);

}  // namespace gloam::shell
