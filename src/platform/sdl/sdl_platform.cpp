// SDL2 stands in for the window class, the device context, the pixel format and WGL. SDL has no
// window classes or device contexts, so those steps only keep the bookkeeping the shell reports on.
#include "platform/sdl/sdl_platform.hpp"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstring>

#include "core/input.hpp"
#include "platform/sdl/driver_pin.hpp"
#include "platform/sdl/key_map.hpp"

namespace gloam::platform {
namespace {

volatile std::sig_atomic_t closeSignal = 0;

void onCloseSignal(int) { closeSignal = 1; }

bool isRealDisplayDriver(const char* driver) {
  return driver != nullptr && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0 &&
         std::strcmp(driver, "evdev") != 0;
}

}  // namespace

void installCloseSignals() {
  std::signal(SIGINT, onCloseSignal);
  std::signal(SIGTERM, onCloseSignal);
}

bool takeCloseSignal() {
  if (!closeSignal) return false;
  closeSignal = 0;
  return true;
}

std::unique_ptr<SdlPlatform> SdlPlatform::open(std::string& error) {
  std::unique_ptr<SdlPlatform> p(new SdlPlatform());
  if (!p->startVideo(nullptr, error)) return nullptr;
  return p;
}

bool SdlPlatform::startVideo(const char* forcedDriver, std::string& error) {
  // The windowed game talks to X directly for the live cursor, so X11 is its driver unless the
  // user's environment says otherwise.
  if (forcedDriver)
    SDL_SetHint(SDL_HINT_VIDEODRIVER, forcedDriver);
  else
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_DEFAULT);
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = forcedDriver ? std::string("cannot start video: ") + SDL_GetError()
                         : std::string("no display (") + SDL_GetError() +
                               "): set DISPLAY to an X server, or run with --headless";
    return false;
  }
  videoStarted_ = true;
  // Without a display SDL quietly falls back to its offscreen driver; a windowed game must not.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!forcedDriver && !isRealDisplayDriver(driver)) {
    error = "no display: set DISPLAY to an X server, or run with --headless";
    return false;
  }
  SDL_DisableScreenSaver();
  installCloseSignals();
  return true;
}

SdlPlatform::~SdlPlatform() {
  if (context_) SDL_GL_DeleteContext(context_);
  if (window_) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_Quit();
}

bool SdlPlatform::registerWindowClass() {
  classRegistered_ = true;
  return true;
}

bool SdlPlatform::createWindow(const char* title, int width, int height) {
  // X chooses the visual when the window is made, so the pixel format's attributes go in first.
  // The key colour of the scene readback needs 8 bits a channel, whatever depth is asked for.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  window_ = SDL_CreateWindow(title, 0, 0, width, height,
                             SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
  return window_ != nullptr;
}

bool SdlPlatform::acquireDeviceContext() {
  deviceContext_ = window_ != nullptr;
  return deviceContext_;
}

bool SdlPlatform::choosePixelFormat(int colourBits, int depthBits) {
  return colourBits > 0 && depthBits > 0;
}

bool SdlPlatform::setPixelFormat() { return window_ != nullptr; }

bool SdlPlatform::createGlContext() {
  context_ = SDL_GL_CreateContext(window_);
  if (context_) pinGlDriverForLeakChecks();
  return context_ != nullptr;
}

bool SdlPlatform::makeContextCurrent() {
  if (SDL_GL_MakeCurrent(window_, context_) != 0) return false;
  SDL_GL_SetSwapInterval(0);  // the loop runs as fast as presentation allows
  return true;
}

void SdlPlatform::showWindow() {
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
}

bool SdlPlatform::releaseCurrentContext() { return SDL_GL_MakeCurrent(window_, nullptr) == 0; }

bool SdlPlatform::deleteGlContext() {
  SDL_GL_DeleteContext(context_);
  context_ = nullptr;
  return true;
}

bool SdlPlatform::releaseDeviceContext() {
  deviceContext_ = false;
  return true;
}

bool SdlPlatform::destroyWindow() {
  SDL_DestroyWindow(window_);
  window_ = nullptr;
  return true;
}

bool SdlPlatform::unregisterWindowClass() {
  const bool wasRegistered = classRegistered_;
  classRegistered_ = false;
  return wasRegistered;
}

void SdlPlatform::swapBuffers() {
  if (window_) SDL_GL_SwapWindow(window_);
}

void SdlPlatform::showCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlPlatform::moveWindow(int x, int y, int width, int height) {
  if (!window_) return;
  SDL_SetWindowPosition(window_, x, y);
  SDL_SetWindowSize(window_, width, height);
}

void SdlPlatform::messageBox(const char* caption, const char* text, MessageIcon icon) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  const Uint32 flags = icon == MessageIcon::Exclamation ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
  SDL_ShowSimpleMessageBox(flags, caption, text, nullptr);
}

bool SdlPlatform::keyDown(int virtualKey) {
  if (const Uint32 mask = mouseMaskFor(virtualKey)) {
    const Uint32 buttons = snapshotValid_ ? buttonsSnapshot_ : SDL_GetGlobalMouseState(nullptr, nullptr);
    return (buttons & mask) != 0;
  }
  const Uint8* keys = SDL_GetKeyboardState(nullptr);
  for (SDL_Scancode code : scancodesFor(virtualKey))
    if (code != SDL_SCANCODE_UNKNOWN && keys[code]) return true;
  return false;
}

Point SdlPlatform::cursorPos() { return snapshotValid_ ? cursorSnapshot_ : liveCursor(); }

Point SdlPlatform::liveCursor() {
  // SDL caches the global position and misses pointer warps; X's own query is always live.
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window_ && SDL_GetWindowWMInfo(window_, &info) && info.subsystem == SDL_SYSWM_X11) {
    Window root, child;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    Display* display = info.info.x11.display;
    if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY, &mask))
      return {static_cast<float>(rootX), static_cast<float>(rootY)};
  }
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return {static_cast<float>(x), static_cast<float>(y)};
}

Rect SdlPlatform::windowRect() {
  Rect r;
  if (!window_) return r;
  int w = 0, h = 0;
  SDL_GetWindowPosition(window_, &r.left, &r.top);
  SDL_GetWindowSize(window_, &w, &h);
  r.right = r.left + w;
  r.bottom = r.top + h;
  return r;
}

std::optional<MessageKind> SdlPlatform::peekMessage() {
  if (takeCloseSignal()) return MessageKind::Close;
  SDL_Event event;
  if (!SDL_PollEvent(&event)) return std::nullopt;
  if (event.type == SDL_QUIT || (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
    if (recorder_.isOpen()) recorder_.closeRequest(frame_);
    return MessageKind::Close;
  }
  if (event.type == SDL_WINDOWEVENT) {
    if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) return MessageKind::Activate;
  }
  return MessageKind::Other;
}

void SdlPlatform::sleepMs(int milliseconds) {
  if (milliseconds <= 0) return;
  sleptMs_ += milliseconds;
  SDL_Delay(static_cast<Uint32>(milliseconds));
}

bool SdlPlatform::startRecording(const std::string& path, std::uint32_t seed) { return recorder_.open(path, seed); }

void SdlPlatform::stopRecording() {
  recorder_.flush();
  snapshotValid_ = false;
}

void SdlPlatform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  frame_ = frameCounter;
  if (!recorder_.isOpen()) return;
  snapshotValid_ = false;
  cursorSnapshot_ = liveCursor();
  buttonsSnapshot_ = SDL_GetGlobalMouseState(nullptr, nullptr);
  snapshotValid_ = true;
  for (int i = 0; i < RecordedKeyCount; ++i) recorder_.keyState(frameCounter, RecordedKeys[i], keyDown(RecordedKeys[i]));
  const ScreenMode mode{screenWidth, screenHeight, 1};
  recorder_.mousePixel(frameCounter, mouseXFrom(cursorSnapshot_, windowRect(), mode),
                       mouseYFrom(cursorSnapshot_, windowRect(), mode));
}

}  // namespace gloam::platform
