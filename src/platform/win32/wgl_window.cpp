// The class, styles and pixel format descriptor are the game's own fixed values; the classic window
// is a borderless popup at the screen's top-left corner whose client area is the asked-for size.
// A framed window (comfort mode) has a title bar, the game's icon and, if asked, a sizing border;
// a fullscreen one is a popup covering its display.
#include "platform/win32/wgl_window.hpp"

#include "platform/win32/window_icon.hpp"
#include "platform/win32/window_procedure.hpp"

namespace gloam::platform {
namespace {

constexpr const char* ClassName = "OpenGL";
constexpr UINT ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
constexpr DWORD ExtendedStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
constexpr DWORD PopupStyle = WS_POPUP;
constexpr DWORD FramedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD SizingStyle = WS_THICKFRAME | WS_MAXIMIZEBOX;
static_assert(ClassStyle == 35 && ExtendedStyle == 262400);

DWORD styleFor(const WindowSpec& spec) {
  if (spec.fullscreen || !spec.framed) return PopupStyle;
  return FramedStyle | (spec.resizable ? SizingStyle : 0);
}

// The client area asked for: the whole display holding the middle of the asked-for rectangle
// when fullscreen, otherwise the rectangle itself.
RECT clientRectFor(const WindowSpec& spec) {
  RECT r{spec.left, spec.top, spec.left + spec.width, spec.top + spec.height};
  if (!spec.fullscreen) return r;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) return info.rcMonitor;
  return r;
}

// Filled on first use and reused: double-buffered RGBA for OpenGL on a window, with the asked-for
// colour and depth bits and nothing else.
const PIXELFORMATDESCRIPTOR& pixelFormatFor(int colourBits, int depthBits) {
  static PIXELFORMATDESCRIPTOR pfd{};
  static_assert(sizeof pfd == 40);
  pfd.nSize = sizeof pfd;
  pfd.nVersion = 1;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  pfd.iPixelType = PFD_TYPE_RGBA;
  pfd.cColorBits = static_cast<BYTE>(colourBits);
  pfd.cDepthBits = static_cast<BYTE>(depthBits);
  pfd.iLayerType = PFD_MAIN_PLANE;
  return pfd;
}

}  // namespace

std::optional<OpenStep> WglWindow::open(const WindowSpec& spec, bool visible, WindowMessages* owner) {
  instance_ = GetModuleHandle(nullptr);
  if (!registerClass()) return OpenStep::RegisterClass;
  if (!createWindow(spec, owner)) return OpenStep::CreateWindow;
  if (const auto failed = attachContext(spec)) return failed;
  if (visible) {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
  }
  return std::nullopt;
}

bool WglWindow::registerClass() {
  WNDCLASSA wc{};
  wc.style = ClassStyle;
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance_;
  wc.hIcon = LoadIcon(nullptr, IDI_WINLOGO);
  wc.hCursor = LoadCursor(nullptr, IDC_CROSS);
  wc.lpszClassName = ClassName;
  return RegisterClassA(&wc) != 0;
}

RECT WglWindow::outerRect(RECT client) const {
  AdjustWindowRectEx(&client, style_, FALSE, extendedStyle_);
  return client;
}

bool WglWindow::createWindow(const WindowSpec& spec, WindowMessages* owner) {
  style_ = styleFor(spec);
  extendedStyle_ = ExtendedStyle;
  framed_ = spec.framed && !spec.fullscreen;
  fullscreen_ = spec.fullscreen;
  const RECT r = outerRect(clientRectFor(spec));
  const RECT least = outerRect(RECT{0, 0, spec.minWidth, spec.minHeight});
  minimumTrackSize_ =
      spec.resizable && !spec.fullscreen ? POINT{least.right - least.left, least.bottom - least.top} : POINT{0, 0};
  window_ = CreateWindowExA(extendedStyle_, ClassName, spec.title, style_ | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance_, nullptr);
  if (!window_) return false;
  setWindowProcedureOwner(window_, owner);
  if (framed_ && (icon_ || (icon_ = makeWindowIcon()))) {
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  }
  return true;
}

std::optional<OpenStep> WglWindow::attachContext(const WindowSpec& spec) {
  deviceContext_ = GetDC(window_);
  if (!deviceContext_) return OpenStep::DeviceContext;
  const PIXELFORMATDESCRIPTOR& pfd = pixelFormatFor(spec.colourBits, spec.depthBits);
  const int format = ChoosePixelFormat(deviceContext_, &pfd);
  if (format == 0) return OpenStep::ChooseFormat;
  if (!SetPixelFormat(deviceContext_, format, &pfd)) return OpenStep::SetFormat;
  renderingContext_ = wglCreateContext(deviceContext_);
  if (!renderingContext_) return OpenStep::CreateContext;
  if (!wglMakeCurrent(deviceContext_, renderingContext_)) return OpenStep::ActivateContext;
  return std::nullopt;
}

// Each step runs only for what exists, goes on past a failure, and forgets what it released.
CloseReport WglWindow::close() {
  CloseReport report;
  auto fail = [&report](BOOL ok, CloseStep step) {
    if (!ok) report.failed |= static_cast<unsigned>(step);
  };
  if (renderingContext_) {
    fail(wglMakeCurrent(nullptr, nullptr), CloseStep::ReleaseContext);
    fail(wglDeleteContext(renderingContext_), CloseStep::DeleteContext);
    renderingContext_ = nullptr;
  }
  if (deviceContext_) {
    fail(ReleaseDC(window_, deviceContext_) == 1, CloseStep::ReleaseDeviceContext);
    deviceContext_ = nullptr;
  }
  if (window_) {
    fail(DestroyWindow(window_), CloseStep::DestroyWindow);
    window_ = nullptr;
  }
  if (icon_) {
    DestroyIcon(icon_);
    icon_ = nullptr;
  }
  // The class goes whether or not this window registered it, as it always has: unregistering a
  // class that is not there is reported like any other failed step.
  fail(UnregisterClassA(ClassName, instance_ ? instance_ : GetModuleHandle(nullptr)), CloseStep::UnregisterClass);
  instance_ = nullptr;
  return report;
}

void WglWindow::swap() const {
  if (deviceContext_) SwapBuffers(deviceContext_);
}

// `where` is the client area; a frame goes around it. A fullscreen window stays where it is.
void WglWindow::move(const Rect& where) const {
  if (!window_ || fullscreen_) return;
  const RECT r = outerRect(RECT{where.left, where.top, where.right, where.bottom});
  MoveWindow(window_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

Rect WglWindow::rect() const {
  RECT r{};
  if (!window_) return {};
  if (!framed_) return GetWindowRect(window_, &r) ? Rect{r.left, r.top, r.right, r.bottom} : Rect{};
  POINT corner{0, 0};
  if (!GetClientRect(window_, &r) || !ClientToScreen(window_, &corner)) return {};
  return Rect{corner.x, corner.y, corner.x + r.right, corner.y + r.bottom};
}

Rect WglWindow::workArea() const {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  const HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY);
  if (!GetMonitorInfoA(monitor, &info)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  return Rect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

}  // namespace gloam::platform
