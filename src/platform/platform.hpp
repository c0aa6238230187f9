// The door between the game and the operating system: exactly what the game asks of a window
// system, nothing more. The game includes only this header; sdl/ and headless/ implement it.
// Window creation and teardown are split into the steps the game reports on one by one, so the
// shell can keep its fixed order and its message texts without knowing what lies underneath.
#pragma once
#include <optional>
#include <string>

namespace gloam::platform {

// A cursor position in screen pixels. A real pointer sits on whole pixels; a scripted one may sit
// inside a pixel, which is what lets it hit every Framebuffer pixel at every zoom.
struct Point {
  float x = 0;
  float y = 0;
};

// A window rectangle in screen pixels; right and bottom are one past the last pixel.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

enum class MessageIcon { Exclamation, Information };

// What the message queue can hand to the window procedure.
enum class MessageKind { Activate, Close, ScreenSave, MonitorPower, Other };

class Platform {
 public:
  virtual ~Platform() = default;

  // Window and GL context, in the order the shell creates them.
  virtual bool registerWindowClass() = 0;
  virtual bool createWindow(const char* title, int width, int height) = 0;
  virtual bool acquireDeviceContext() = 0;
  virtual bool choosePixelFormat(int colourBits, int depthBits) = 0;
  virtual bool setPixelFormat() = 0;
  virtual bool createGlContext() = 0;
  virtual bool makeContextCurrent() = 0;
  virtual void showWindow() = 0;

  // Teardown, in the order the shell releases things. Each "has" says whether the part exists.
  virtual bool hasGlContext() const = 0;
  virtual bool releaseCurrentContext() = 0;
  virtual bool deleteGlContext() = 0;
  virtual bool hasDeviceContext() const = 0;
  virtual bool releaseDeviceContext() = 0;
  virtual bool hasWindow() const = 0;
  virtual bool destroyWindow() = 0;
  virtual bool unregisterWindowClass() = 0;

  virtual void swapBuffers() = 0;
  virtual void showCursor(bool visible) = 0;
  virtual void moveWindow(int x, int y, int width, int height) = 0;
  virtual void messageBox(const char* caption, const char* text, MessageIcon icon) = 0;

  // Input, polled: is the key (a Windows virtual-key code) down right now.
  virtual bool keyDown(int virtualKey) = 0;
  virtual Point cursorPos() = 0;   // screen pixels
  virtual Rect windowRect() = 0;   // screen pixels

  // Removes one waiting message, if any. Pumping also refreshes the key state.
  virtual std::optional<MessageKind> peekMessage() = 0;

  virtual void sleepMs(int milliseconds) = 0;

  // Called once at the start of every loop pass with the FrameCounter and the ScreenMode's size:
  // the one place where scripted input is applied and live input is recorded. Scripted mouse
  // positions are Framebuffer pixels, so the platform needs the logical size to place the cursor.
  virtual void beginFrame(int frameCounter, int screenWidth, int screenHeight) = 0;
};

}  // namespace gloam::platform
