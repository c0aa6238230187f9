// One Win32 window with its WGL context, opened and closed in the order the game has always used:
// the class "OpenGL", the window, its device context, the pixel format, the rendering context.
// Both the windowed and the headless platform use it; the headless one never shows it.
#pragma once
#include <windows.h>

#include <optional>

#include "platform/platform.hpp"
#include "platform/win32/window_procedure.hpp"

namespace gloam::platform {

class WglWindow {
 public:
  WglWindow() = default;
  ~WglWindow() { close(); }  // at exit nobody reads the report
  WglWindow(const WglWindow&) = delete;
  WglWindow& operator=(const WglWindow&) = delete;

  // `owner` hears from the window procedure (see window_procedure.hpp).
  // A hidden window is made and given its context but never shown or focused.
  std::optional<OpenStep> open(const WindowSpec& spec, bool visible, WindowMessages* owner);
  CloseReport close();

  void swap() const;
  void move(const Rect& where) const;
  // The client area in screen pixels (for the borderless classic window, its whole rectangle).
  Rect rect() const;
  // The smallest outer size the player may drag a resizable window to; 0 x 0 when not resizable.
  POINT minimumTrackSize() const { return minimumTrackSize_; }
  // The work area of the display the window is on (the primary one when there is no window).
  Rect workArea() const;
  HWND handle() const { return window_; }

 private:
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HDC deviceContext_ = nullptr;
  HGLRC renderingContext_ = nullptr;
  HICON icon_ = nullptr;
  DWORD style_ = 0;
  DWORD extendedStyle_ = 0;
  bool framed_ = false;
  bool fullscreen_ = false;
  POINT minimumTrackSize_{0, 0};

  bool registerClass();
  bool createWindow(const WindowSpec& spec, WindowMessages* owner);
  RECT outerRect(RECT client) const;
  std::optional<OpenStep> attachContext(const WindowSpec& spec);
};

}  // namespace gloam::platform
