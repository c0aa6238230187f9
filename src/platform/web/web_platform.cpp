// The page's canvas stands where a window would be, at the top-left of its own coordinates, so
// cursor positions (canvas pixels) and the window rectangle share one origin.
#include "platform/web/web_platform.hpp"

#include <emscripten.h>

#include <cmath>
#include <cstdio>

#include "platform/web/web_page.hpp"

namespace gloam::platform {

namespace {
constexpr const char* CanvasSelector = "#canvas";
// The last stretch of a wait is spent in immediate yields: a browser timer may fire a few
// milliseconds late, never early.
constexpr double TimerSlackMs = 2.0;
}  // namespace

std::unique_ptr<WebPlatform> WebPlatform::openLive() {
  std::unique_ptr<WebPlatform> p(new WebPlatform(false));
  p->page_.listen(CanvasSelector);
  return p;
}

std::unique_ptr<WebPlatform> WebPlatform::openScripted(InputScript script, std::vector<std::string>* messageLog) {
  std::unique_ptr<WebPlatform> p(new WebPlatform(true));
  p->script_ = ScriptedRun(std::move(script), messageLog);
  return p;
}

// The canvas is always there: opening sizes and titles it, then makes the WebGL context current.
std::optional<OpenStep> WebPlatform::openWindow(const WindowSpec& spec) {
  gloam_web_set_title(spec.title);
  gloam_web_size_canvas(spec.width, spec.height);
  rect_ = Rect{0, 0, spec.width, spec.height};
  if (gloam_web_open_context(spec.width, spec.height) == 0) return OpenStep::CreateContext;
  hasContext_ = true;
  gloam_web_show_canvas(1);
  return std::nullopt;
}

CloseReport WebPlatform::closeWindow() {
  if (hasContext_) gloam_web_release_context();
  hasContext_ = false;
  return {};
}

// The frame is on the page already (glDrawPixels paints the canvas); the browser shows it once it
// runs. A paced game lets it run in the frame clock's wait; an uncapped one does here.
void WebPlatform::swapBuffers() {
  if (!yieldedSinceSwap_) gloam_web_yield();
  yieldedSinceSwap_ = false;
}

void WebPlatform::showCursor(bool visible) { gloam_web_show_cursor(visible ? 1 : 0); }

// The canvas cannot leave its place on the page; it takes the size.
void WebPlatform::moveWindow(const Rect& where) {
  gloam_web_size_canvas(where.width(), where.height());
  rect_ = Rect{0, 0, where.width(), where.height()};
}

void WebPlatform::messageBox(const char* caption, const char* text, MessageIcon) {
  gloam_web_message(caption, text);
  script_.logMessage(caption, text);
}

Point WebPlatform::cursorPos() { return scripted_ ? script_.cursorPos(rect_) : cursor_; }

// A live page may use the browser's viewport; a scripted run has no display, as on the desktop.
std::optional<Rect> WebPlatform::displayArea() {
  if (scripted_) return std::nullopt;
  return Rect{0, 0, gloam_web_viewport_width(), gloam_web_viewport_height()};
}

Instant WebPlatform::now() { return Instant(static_cast<Instant::rep>(std::llround(emscripten_get_now() * 1000.0))); }

// Sleeping is yielding: the browser runs its events and paints while the game waits.
void WebPlatform::waitUntil(Instant deadline) {
  for (;;) {
    const double remainingMs = static_cast<double>((deadline - now()).count()) / 1000.0;
    if (remainingMs <= 0) return;
    if (remainingMs > TimerSlackMs) {
      emscripten_sleep(static_cast<unsigned>(remainingMs - TimerSlackMs));
    } else {
      gloam_web_yield();
    }
    yieldedSinceSwap_ = true;
  }
}

void WebPlatform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  gloam_web_pass_begun();
  if (scripted_) {
    script_.beginFrame(frameCounter, screenWidth, screenHeight, input_);
  } else if (const std::optional<Point> moved = page_.pending().release(input_, nullptr, frameCounter)) {
    cursor_ = *moved;
  }
}

}  // namespace gloam::platform
