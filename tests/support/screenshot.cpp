#include <X11/Xutil.h>

#include <stdexcept>

#include "x11_test_support.h"

namespace ondrave::testing {
namespace {

// One channel of a pixel, scaled to 8 bits whatever the visual's mask.
std::uint8_t Channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const unsigned long maximum = mask >> shift;
  return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255u / maximum);
}

}  // namespace

Screenshot::Screenshot(Display* display, ScreenRect area) : area_(area) {
  const int screen = DefaultScreen(display);
  if (area.x < 0 || area.y < 0 || area.width <= 0 || area.height <= 0 ||
      area.x + area.width > DisplayWidth(display, screen) || area.y + area.height > DisplayHeight(display, screen)) {
    throw std::runtime_error("the screenshot area lies outside the screen");
  }
  image_ = XGetImage(display, DefaultRootWindow(display), area.x, area.y, static_cast<unsigned>(area.width),
                     static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
  if (image_ == nullptr) throw std::runtime_error("XGetImage failed");
}

Screenshot::~Screenshot() { XDestroyImage(image_); }

PixelColor Screenshot::At(int x, int y) const {
  if (x < area_.x || y < area_.y || x >= area_.x + area_.width || y >= area_.y + area_.height) {
    throw std::runtime_error("the pixel lies outside the screenshot");
  }
  const unsigned long pixel = XGetPixel(image_, x - area_.x, y - area_.y);
  return {Channel(pixel, image_->red_mask), Channel(pixel, image_->green_mask), Channel(pixel, image_->blue_mask)};
}

PixelColor ScreenshotPixel(Display* display, int x, int y) {
  return Screenshot(display, {x, y, 1, 1}).At(x, y);
}

}  // namespace ondrave::testing
