// The blits clip the square against the Framebuffer once and then copy row by row, a pixel as one
// 32-bit word; the pixels they write are exactly those a putPixel per picture pixel would write (the
// tests hold them to that). The word layout assumes a little-endian machine.
#include "draw/sprite_blit.hpp"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define GLOAM_HAVE_SSSE3_ROWS 1
#endif

namespace gloam::draw {
namespace {

static_assert(std::endian::native == std::endian::little, "pixel words are packed little-endian");

// The on-screen part of a blit: `rows` rows of `count` pixels, from src (picture) to dst (Framebuffer).
struct RowPlan {
  std::uint8_t* dst = nullptr;
  std::size_t dstPitch = 0;
  const std::uint8_t* src = nullptr;
  std::size_t srcPitch = 0;
  int rows = 0;
  int count = 0;
  const std::uint8_t* bufferEnd = nullptr;  // end of the picture's pixels: no read goes past it
};

RowPlan planBlit(Screen& screen, const assets::SpriteSlot& picture, int x, int y) {
  const long long side = picture.width;
  const long long rows = drawableSpriteRows(picture);
  // 64-bit so that pictures placed far off screen cannot overflow the edge arithmetic.
  const long long j0 = std::clamp(-static_cast<long long>(x), 0LL, side);
  const long long j1 = std::clamp(screen.mode.width - static_cast<long long>(x), 0LL, side);
  const long long k0 = std::clamp(-static_cast<long long>(y), 0LL, rows);
  const long long k1 = std::clamp(screen.mode.height - static_cast<long long>(y), 0LL, rows);
  RowPlan plan;
  if (j0 >= j1 || k0 >= k1) return plan;
  plan.dstPitch = static_cast<std::size_t>(screen.mode.width) * 4;
  plan.srcPitch = static_cast<std::size_t>(side) * SpriteBytesPerPixel;
  plan.dst = screen.framebuffer.data() + static_cast<std::size_t>(y + k0) * plan.dstPitch +
             static_cast<std::size_t>(x + j0) * 4;
  plan.src = picture.pixels.data() + static_cast<std::size_t>(k0) * plan.srcPitch +
             static_cast<std::size_t>(j0) * SpriteBytesPerPixel;
  plan.rows = static_cast<int>(k1 - k0);
  plan.count = static_cast<int>(j1 - j0);
  plan.bufferEnd = picture.pixels.data() + picture.pixels.size();
  return plan;
}

constexpr std::uint32_t OpaqueAlpha = 0xFF000000u;
constexpr std::uint32_t KeyMagentaWord =
    assets::SpriteKeyColour.r | (assets::SpriteKeyColour.g << 8) | (assets::SpriteKeyColour.b << 16);

inline std::uint32_t loadRgb(const std::uint8_t* src) {
  return static_cast<std::uint32_t>(src[0]) | (static_cast<std::uint32_t>(src[1]) << 8) |
         (static_cast<std::uint32_t>(src[2]) << 16);
}

template <bool Keyed>
inline void storePixel(std::uint8_t* dst, std::uint32_t rgb) {
  if (Keyed && (rgb == 0 || rgb == KeyMagentaWord)) return;
  const std::uint32_t v = rgb | OpaqueAlpha;
  std::memcpy(dst, &v, sizeof v);
}

template <bool Keyed>
void copyRowsPortable(const RowPlan& plan) {
  for (int k = 0; k < plan.rows; ++k) {
    const std::uint8_t* src = plan.src + k * plan.srcPitch;
    std::uint8_t* dst = plan.dst + k * plan.dstPitch;
    for (std::ptrdiff_t j = 0; j < plan.count; ++j)
      storePixel<Keyed>(dst + 4 * j, loadRgb(src + SpriteBytesPerPixel * j));
  }
}

#ifdef GLOAM_HAVE_SSSE3_ROWS
// One byte shuffle widens four RGB pixels to four RGBA words; keyed pixels keep the old words.
template <bool Keyed>
__attribute__((target("ssse3"))) inline void copyFourSsse3(std::uint8_t* dst, const std::uint8_t* src) {
  const __m128i widen = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(OpaqueAlpha));
  const __m128i rgb = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src)), widen);
  __m128i out = _mm_or_si128(rgb, alpha);
  if constexpr (Keyed) {
    const __m128i black = _mm_cmpeq_epi32(rgb, _mm_setzero_si128());
    const __m128i magenta = _mm_cmpeq_epi32(rgb, _mm_set1_epi32(static_cast<int>(KeyMagentaWord)));
    const __m128i keep = _mm_or_si128(black, magenta);
    const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst));
    out = _mm_or_si128(_mm_and_si128(keep, old), _mm_andnot_si128(keep, out));
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), out);
}

// Width is the row length when it is known at compile time (the 16-pixel tiles), else 0.
template <bool Keyed, int Width>
__attribute__((target("ssse3"))) void copyRowsSsse3(const RowPlan& plan) {
  const int count = Width > 0 ? Width : plan.count;
  const int grouped = count & ~3;
  for (int k = 0; k < plan.rows; ++k) {
    const std::uint8_t* src = plan.src + k * plan.srcPitch;
    std::uint8_t* dst = plan.dst + k * plan.dstPitch;
    // A group's 16-byte read ends 4 bytes past its pixels; at the buffer's end the last group of the
    // row is left to the pixel-by-pixel tail.
    const std::ptrdiff_t wide =
        src + SpriteBytesPerPixel * std::ptrdiff_t{grouped} + 4 > plan.bufferEnd ? grouped - 4 : grouped;
    for (std::ptrdiff_t j = 0; j < wide; j += 4) copyFourSsse3<Keyed>(dst + 4 * j, src + SpriteBytesPerPixel * j);
    for (std::ptrdiff_t j = std::max<std::ptrdiff_t>(wide, 0); j < count; ++j)
      storePixel<Keyed>(dst + 4 * j, loadRgb(src + SpriteBytesPerPixel * j));
  }
}
#endif

template <bool Keyed>
void copyRows(const RowPlan& plan) {
#ifdef GLOAM_HAVE_SSSE3_ROWS
  if (__builtin_cpu_supports("ssse3")) {
    if (plan.count == TileSize) return copyRowsSsse3<Keyed, TileSize>(plan);
    return copyRowsSsse3<Keyed, 0>(plan);
  }
#endif
  copyRowsPortable<Keyed>(plan);
}

bool slotInBank(const assets::SpriteBank& bank, int slot) {
  return bank.allocated() && slot >= 0 && slot < SpriteSlotCount;
}

}  // namespace

int drawableSpriteRows(const assets::SpriteSlot& picture) {
  const std::size_t side = picture.width;
  if (side == 0 || picture.pixels.empty()) return 0;
  const std::size_t rowBytes = side * SpriteBytesPerPixel;
  if (picture.pixels.size() >= side * rowBytes) return static_cast<int>(side);  // the usual, whole square
  return static_cast<int>(picture.pixels.size() / rowBytes);
}

void blitSprite(Screen& screen, const assets::SpriteSlot& picture, int x, int y) {
  const RowPlan plan = planBlit(screen, picture, x, y);
  if (plan.rows > 0) copyRows<false>(plan);
}

void blitSpriteKeyed(Screen& screen, const assets::SpriteSlot& picture, int x, int y) {
  const RowPlan plan = planBlit(screen, picture, x, y);
  if (plan.rows > 0) copyRows<true>(plan);
}

void blitSprite(Screen& screen, const assets::SpriteBank& bank, int x, int y, int slot) {
  if (slotInBank(bank, slot)) blitSprite(screen, bank[slot], x, y);
}

void blitSpriteKeyed(Screen& screen, const assets::SpriteBank& bank, int x, int y, int slot) {
  if (slotInBank(bank, slot)) blitSpriteKeyed(screen, bank[slot], x, y);
}

}  // namespace gloam::draw
