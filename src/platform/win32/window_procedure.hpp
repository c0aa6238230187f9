// The window procedure registered for the class "OpenGL". It answers the messages the game has
// always answered itself and hands everything else to DefWindowProc; what the game must hear of
// (a close request, a key or button going down or up) goes to the window's owner.
#pragma once
#include <windows.h>

namespace gloam::platform {

// What a window's owner hears from its window procedure.
class WindowMessages {
 public:
  virtual ~WindowMessages() = default;
  virtual void activated() = 0;
  virtual void closeRequested() = 0;
  virtual void powerRequestSwallowed(bool monitor) = 0;
  // A key or mouse button by its virtual-key code; auto-repeats come as further downs.
  virtual void keyChanged(int virtualKey, bool down) = 0;
  // The window no longer has the keyboard: it will not hear the releases of the keys held now.
  virtual void focusLost() = 0;
  // The smallest outer size the window may be dragged to; 0 x 0 for no limit.
  virtual POINT minimumTrackSize() = 0;
};

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Ties a window to its owner; messages that arrive before this go to DefWindowProc only.
void setWindowProcedureOwner(HWND window, WindowMessages* owner);

}  // namespace gloam::platform
