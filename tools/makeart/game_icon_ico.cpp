// The Windows icon file: an ICONDIR header, one 16-byte entry per picture, then the pictures. Since
// Windows Vista an entry may hold a whole PNG file, which is what every entry here holds; the PNG
// bytes are the ones the image library writes for the hicolor icons, read back from a scratch file.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "image/png_writer.hpp"
#include "makeart/canvas.hpp"
#include "makeart/game_icon.hpp"

namespace gloam::makeart {
namespace {

void putU16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  putU16(out, value & 0xFFFF);
  putU16(out, value >> 16);
}

// The game icon at `size` as the bytes of a PNG file; empty if the scratch file fails.
std::vector<std::uint8_t> iconPng(int size, const std::filesystem::path& scratch) {
  const Canvas icon = paintGameIcon(size);
  if (!image::writePng(scratch.string(), bottomUpRgb(icon), size, size, image::RowOrder::BottomFirst)) return {};
  std::ifstream file(scratch, std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  file.close();
  std::error_code ignored;
  std::filesystem::remove(scratch, ignored);
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> icoFile(const std::vector<IcoPicture>& pictures) {
  constexpr std::uint32_t HeaderSize = 6, EntrySize = 16;
  std::vector<std::uint8_t> out;
  putU16(out, 0);  // reserved
  putU16(out, 1);  // type: icon
  putU16(out, static_cast<unsigned>(pictures.size()));
  std::uint32_t offset = HeaderSize + EntrySize * static_cast<std::uint32_t>(pictures.size());
  for (const IcoPicture& picture : pictures) {
    out.push_back(static_cast<std::uint8_t>(picture.size >= 256 ? 0 : picture.size));  // 0 means 256
    out.push_back(static_cast<std::uint8_t>(picture.size >= 256 ? 0 : picture.size));
    out.push_back(0);  // no palette
    out.push_back(0);  // reserved
    putU16(out, 1);    // colour planes
    putU16(out, 24);   // bits per pixel: the PNGs are 8-bit RGB
    putU32(out, static_cast<std::uint32_t>(picture.png.size()));
    putU32(out, offset);
    offset += static_cast<std::uint32_t>(picture.png.size());
  }
  for (const IcoPicture& picture : pictures) out.insert(out.end(), picture.png.begin(), picture.png.end());
  return out;
}

bool writeGameIco(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path file(path);
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
  std::vector<IcoPicture> pictures;
  for (int size : IcoSizes) {
    IcoPicture picture{size, iconPng(size, fs::path(path + ".part.png"))};
    if (picture.png.empty()) return false;
    pictures.push_back(std::move(picture));
  }
  const std::vector<std::uint8_t> bytes = icoFile(pictures);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace gloam::makeart
