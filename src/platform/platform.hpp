// The door between the game and the operating system: exactly what the game asks of a window
// system, nothing more, and nothing shaped like one system's API. The game includes only this
// header (and open_platform.hpp to get one); sdl/, headless/ and web/ implement it.
#pragma once
#include <chrono>
#include <cstdint>
#include <optional>

namespace gloam::platform {

// A cursor position in screen pixels. A real pointer sits on whole pixels; a scripted one may sit
// inside a pixel, which is what lets it hit every Framebuffer pixel at every zoom.
struct Point {
  float x = 0;
  float y = 0;
};

// A rectangle in screen pixels; right and bottom are one past the last pixel.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

enum class MessageIcon { Exclamation, Information };

// The game window: a client area of width x height with a double-buffered GL context of these
// depths made current on it. The defaults are the classic window: borderless, fixed in size, with
// its client area's top-left corner at the screen's (left, top) = (0, 0). The window's picture is
// the game's business: a platform never scales or moves what the game draws.
struct WindowSpec {
  const char* title = "";  // the window's name; in the title bar and task switcher when framed
  int width = 0;
  int height = 0;
  int colourBits = 16;
  int depthBits = 16;
  // Where the client area's top-left corner goes, in screen pixels. A frame, if any, goes around
  // it; a window system that insists on placing windows itself may.
  int left = 0;
  int top = 0;
  // Framed: the window system's title bar showing `title` and the game's icon, and its borders.
  // Each platform carries its own copy of the icon (as a Windows program carries its icon
  // resource). Not framed: a bare client area with no title bar, border or icon.
  bool framed = false;
  // Resizable: the player may resize the window by its frame, never below minWidth x minHeight
  // (client pixels). windowRect() then reports the client area at its size of the moment, and
  // the GL drawable follows it. Not resizable: the client area stays width x height.
  bool resizable = false;
  int minWidth = 0;
  int minHeight = 0;
  // Fullscreen: no frame, covering the whole of the display that holds the centre of the
  // rectangle (left, top, width, height), without changing the display's mode. windowRect() is
  // then that display's bounds, and moveWindow() leaves the window where it is. Leaving
  // fullscreen is a new window without this field. A platform without displays (headless)
  // treats it as a window of width x height.
  bool fullscreen = false;
};

// Opening a window goes through these steps in this order; a failed open names the first step
// that failed and leaves the steps before it done, for closeWindow to undo.
enum class OpenStep {
  RegisterClass,
  CreateWindow,
  DeviceContext,
  ChooseFormat,
  SetFormat,
  CreateContext,
  ActivateContext
};

// Closing undoes what exists, in this order, and goes on past a failed step. Each failed step
// sets its bit in the report.
enum class CloseStep : unsigned {
  ReleaseContext = 1,
  DeleteContext = 2,
  ReleaseDeviceContext = 4,
  DestroyWindow = 8,
  UnregisterClass = 16
};
struct CloseReport {
  unsigned failed = 0;
  bool failedAt(CloseStep s) const { return (failed & static_cast<unsigned>(s)) != 0; }
};

// What the message queue hands to the window procedure. A KeyPress is one press of a key as the
// window system reports it, auto-repeats included, in the order typed; `key` is its virtual key.
struct Event {
  enum class Kind { Activate, Close, ScreenSave, MonitorPower, KeyPress, Other };
  Kind kind = Kind::Other;
  int key = 0;
};

// A reading of the platform's monotonic clock, counted from an arbitrary fixed start.
using Instant = std::chrono::microseconds;

class Platform {
 public:
  // `pausesAreSlept`: whether the game's pauses really wait (a window) or are only counted (a
  // scripted run, which must not depend on the wall clock).
  explicit Platform(bool pausesAreSlept) : pausesAreSlept_(pausesAreSlept) {}
  virtual ~Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  // The window with its GL context made current, step by step; nullopt when every step succeeded.
  virtual std::optional<OpenStep> openWindow(const WindowSpec& spec) = 0;
  // Undoes whatever openWindow did, going on past failures. Safe when nothing is open.
  virtual CloseReport closeWindow() = 0;

  virtual void swapBuffers() = 0;
  virtual void showCursor(bool visible) = 0;
  // Places the client area at `where` (its position and size); nothing for a fullscreen window.
  virtual void moveWindow(const Rect& where) = 0;
  virtual void messageBox(const char* caption, const char* text, MessageIcon icon) = 0;

  // Is the key (a Windows virtual-key code; mouse buttons 1, 2 and 4) down. Input is latched: a key
  // pressed and released since its last read answers "down" once; a held key answers on every read.
  virtual bool keyDown(int virtualKey) = 0;
  // Screen pixels. A platform that places a scripted cursor puts it where the game's mapping
  // gives back the scripted Framebuffer pixel: the mapping runs through the whole client area of
  // a fixed window, and through pictureRect (pixel_mapping.hpp) of a resizable or fullscreen one.
  virtual Point cursorPos() = 0;
  // The client area (what the GL drawable covers) in screen pixels; the frame is not part of it.
  virtual Rect windowRect() = 0;
  // The part of the display a window may use; nullopt where there is no display.
  virtual std::optional<Rect> displayArea() = 0;

  // Removes one waiting event, if any.
  virtual std::optional<Event> nextEvent() = 0;

  // The monotonic clock, and a precise wait until it reads `deadline` (at once if it has passed).
  // A window keeps taking the window system's events while it waits.
  virtual Instant now() = 0;
  virtual void waitUntil(Instant deadline) = 0;

  // Called once at the start of every loop pass with the FrameCounter and the ScreenMode's size.
  // Input that arrived since the last pass becomes visible here and nowhere else, which is what
  // makes a recorded game replay pass for pass. The logical size places a scripted cursor.
  virtual void beginFrame(int frameCounter, int screenWidth, int screenHeight) = 0;

  // One of the game's pauses: counted always, slept where pauses are real.
  void sleepMs(int milliseconds) {
    if (milliseconds <= 0) return;
    sleptMs_ += milliseconds;
    if (pausesAreSlept_) waitUntil(now() + std::chrono::milliseconds(milliseconds));
  }
  // Total of every pause asked for, in milliseconds.
  long long sleptMs() const { return sleptMs_; }
  // Whether the input recording (--record) ended early because it could not be written.
  virtual bool recordingCutShort() const { return false; }

 private:
  bool pausesAreSlept_;
  long long sleptMs_ = 0;
};

}  // namespace gloam::platform
