#include "platform/sdl/window_icon.hpp"

#include "platform/window_icon_pixels.hpp"

namespace gloam::platform {

using icon::WindowIconRgb;
using icon::WindowIconSide;

void setWindowIcon(SDL_Window* window) {
  // SDL copies the pixels into the window system's format, so the surface lives only for the call.
  void* pixels = const_cast<unsigned char*>(WindowIconRgb);
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels, WindowIconSide, WindowIconSide, 24, 3 * WindowIconSide,
                                                         SDL_PIXELFORMAT_RGB24);
  if (!icon) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace gloam::platform
