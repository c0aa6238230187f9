// The message table: WM_ACTIVATE and WM_CLOSE are answered with 0 (the window is not destroyed
// here: the game decides when to stop), the screen-saver and monitor-power requests are
// swallowed so the display stays on while the game runs, and every other message goes to
// DefWindowProc. Key and button messages are also passed on to the owner, which is how a tap
// shorter than a pass is still seen.
#include "platform/win32/window_procedure.hpp"

namespace gloam::platform {
namespace {

WindowMessages* ownerOf(HWND window) {
  // The window keeps its owner as an integer, the only way Win32 lets it keep a pointer.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  return reinterpret_cast<WindowMessages*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The virtual key of a key or button message, or 0 for any other message.
int virtualKeyOf(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: return static_cast<int>(wParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return VK_LBUTTON;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return VK_RBUTTON;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return VK_MBUTTON;
    default: return 0;
  }
}

bool isDown(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
         message == WM_MBUTTONDOWN;
}

bool isButton(UINT message) { return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONUP; }

// While a button is held the window keeps the mouse, so a release outside it is still heard.
void followButtons(HWND window, UINT message) {
  if (!isButton(message)) return;
  if (isDown(message)) {
    SetCapture(window);
  } else if (!(GetKeyState(VK_LBUTTON) & 0x8000) && !(GetKeyState(VK_RBUTTON) & 0x8000) &&
             !(GetKeyState(VK_MBUTTON) & 0x8000)) {
    ReleaseCapture();
  }
}

}  // namespace

void setWindowProcedureOwner(HWND window, WindowMessages* owner) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowMessages* owner = ownerOf(window);
  switch (message) {
    case WM_ACTIVATE:
      if (owner) owner->activated();
      return 0;
    case WM_CLOSE:
      if (owner) owner->closeRequested();
      return 0;
    case WM_KILLFOCUS:
      if (owner) owner->focusLost();
      break;
    case WM_GETMINMAXINFO:
      if (owner) {
        const POINT least = owner->minimumTrackSize();
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the message carries its structure as an integer
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        if (least.x > 0) limits->ptMinTrackSize = least;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_MONITORPOWER) {
        if (owner) owner->powerRequestSwallowed((wParam & 0xFFF0) == SC_MONITORPOWER);
        return 0;
      }
      break;
    default:
      if (const int key = virtualKeyOf(message, wParam); key != 0 && owner) {
        owner->keyChanged(key, isDown(message));
        followButtons(window, message);
      }
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace gloam::platform
