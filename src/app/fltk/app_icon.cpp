#include "app/fltk/app_icon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ondrave::fltk {
namespace {

// The picture is drawn on a 128 x 128 canvas and sampled down.
constexpr int kSize = 48;
constexpr int kSamples = 4;  // per pixel and direction
constexpr double kCanvas = 128.0;

struct Colour {
  double r, g, b;
};
constexpr Colour kTile{0x1f, 0x6f, 0xe0};
constexpr Colour kInnerRing{0xff, 0xd2, 0x3f};
constexpr Colour kOuterRing{0xa9, 0xcd, 0xfa};
constexpr Colour kPointer{0xff, 0xff, 0xff};
constexpr Colour kOutline{0x10, 0x2a, 0x54};

struct P {
  double x, y;
};
constexpr std::array<P, 7> kPointerShape{{{46, 42}, {46, 104}, {60, 90}, {71, 114}, {83, 108}, {72, 85}, {92, 85}}};
constexpr P kTip{46, 42};

bool InRoundedTile(P p) {
  constexpr double kLow = 4, kHigh = 124, kRadius = 24;
  const double cx = std::clamp(p.x, kLow + kRadius, kHigh - kRadius);
  const double cy = std::clamp(p.y, kLow + kRadius, kHigh - kRadius);
  return p.x >= kLow && p.x <= kHigh && p.y >= kLow && p.y <= kHigh && std::hypot(p.x - cx, p.y - cy) <= kRadius;
}

bool OnRing(P p, double radius, double stroke) {
  return std::abs(std::hypot(p.x - kTip.x, p.y - kTip.y) - radius) <= stroke / 2;
}

bool InPointer(P p) {
  bool inside = false;
  for (std::size_t i = 0, j = kPointerShape.size() - 1; i < kPointerShape.size(); j = i++) {
    const P a = kPointerShape[i], b = kPointerShape[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

double DistanceToSegment(P p, P a, P b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool OnPointerOutline(P p) {
  constexpr double kHalfStroke = 2.5;
  for (std::size_t i = 0, j = kPointerShape.size() - 1; i < kPointerShape.size(); j = i++)
    if (DistanceToSegment(p, kPointerShape[i], kPointerShape[j]) <= kHalfStroke) return true;
  return false;
}

// The colour at a point of the canvas, the later layers over the earlier;
// nothing outside the tile.
const Colour* ColourAt(P p) {
  if (!InRoundedTile(p)) return nullptr;
  const Colour* colour = &kTile;
  if (OnRing(p, 16, 7)) colour = &kInnerRing;
  if (OnRing(p, 30, 6)) colour = &kOuterRing;
  if (InPointer(p)) colour = &kPointer;
  if (OnPointerOutline(p)) colour = &kOutline;
  return colour;
}

std::vector<unsigned char> DrawPixels() {
  std::vector<unsigned char> rgba;
  rgba.reserve(kSize * kSize * 4);
  const double step = kCanvas / kSize / kSamples;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      double r = 0, g = 0, b = 0;
      int covered = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const P p{(x * kSamples + sx + 0.5) * step, (y * kSamples + sy + 0.5) * step};
          if (const Colour* c = ColourAt(p)) {
            r += c->r, g += c->g, b += c->b;
            ++covered;
          }
        }
      }
      const auto channel = [&](double sum) {
        return static_cast<unsigned char>(covered ? std::lround(sum / covered) : 0);
      };
      rgba.insert(rgba.end(), {channel(r), channel(g), channel(b),
                               static_cast<unsigned char>(std::lround(255.0 * covered / (kSamples * kSamples)))});
    }
  }
  return rgba;
}

}  // namespace

const Fl_RGB_Image& ApplicationIcon() {
  // The image refers to the pixels without copying them.
  static const std::vector<unsigned char> pixels = DrawPixels();
  static const Fl_RGB_Image icon(pixels.data(), kSize, kSize, 4);
  return icon;
}

}  // namespace ondrave::fltk
