// The class, styles and pixel format descriptor are the game's own fixed values; the window is a
// borderless popup at the screen's top-left corner whose client area is the asked-for size.
#include "platform/win32/wgl_window.hpp"

#include "platform/win32/window_procedure.hpp"

namespace gloam::platform {
namespace {

constexpr const char* ClassName = "OpenGL";
constexpr UINT ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
constexpr DWORD ExtendedStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
constexpr DWORD Style = WS_POPUP;
static_assert(ClassStyle == 35 && ExtendedStyle == 262400);

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

bool WglWindow::createWindow(const WindowSpec& spec, WindowMessages* owner) {
  RECT r{0, 0, spec.width, spec.height};
  AdjustWindowRectEx(&r, Style, FALSE, ExtendedStyle);
  window_ = CreateWindowExA(ExtendedStyle, ClassName, spec.title, Style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance_, nullptr);
  if (window_) setWindowProcedureOwner(window_, owner);
  return window_ != nullptr;
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
  // The class goes whether or not this window registered it, as it always has: unregistering a
  // class that is not there is reported like any other failed step.
  fail(UnregisterClassA(ClassName, instance_ ? instance_ : GetModuleHandle(nullptr)), CloseStep::UnregisterClass);
  instance_ = nullptr;
  return report;
}

void WglWindow::swap() const {
  if (deviceContext_) SwapBuffers(deviceContext_);
}

void WglWindow::move(const Rect& where) const {
  if (window_) MoveWindow(window_, where.left, where.top, where.width(), where.height(), TRUE);
}

Rect WglWindow::rect() const {
  RECT r{};
  if (!window_ || !GetWindowRect(window_, &r)) return {};
  return Rect{r.left, r.top, r.right, r.bottom};
}

Rect WglWindow::workArea() const {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  const HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY);
  if (!GetMonitorInfoA(monitor, &info)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  return Rect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

}  // namespace gloam::platform
