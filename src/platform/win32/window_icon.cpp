// An icon is a colour bitmap and a mask; with a 32-bit colour bitmap whose alpha is opaque, the
// mask is ignored but must still be there.
#include "platform/win32/window_icon.hpp"

#include "platform/window_icon_pixels.hpp"

namespace gloam::platform {

using icon::WindowIconRgb;
using icon::WindowIconSide;

HICON makeWindowIcon() {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = WindowIconSide;
  header.bV5Height = -WindowIconSide;  // rows from the top
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (!colour) return nullptr;
  auto* bgra = static_cast<unsigned char*>(bits);
  for (int i = 0; i < WindowIconSide * WindowIconSide; ++i) {
    bgra[4 * i + 0] = WindowIconRgb[3 * i + 2];
    bgra[4 * i + 1] = WindowIconRgb[3 * i + 1];
    bgra[4 * i + 2] = WindowIconRgb[3 * i + 0];
    bgra[4 * i + 3] = 255;
  }
  HBITMAP mask = CreateBitmap(WindowIconSide, WindowIconSide, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

}  // namespace gloam::platform
