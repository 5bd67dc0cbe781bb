#include "app/fltk/control_text.h"

#include <FL/fl_draw.H>

#include "desktop/fltk/chinese_font.h"
#include "desktop/fltk/text_lines.h"

namespace ondrave::fltk {

void UseControlFont() { fl_font(FL_HELVETICA, kTextSize); }

double TextWidth(std::string_view text) { return fl_width(text.data(), static_cast<int>(text.size())); }

std::vector<std::string> WrapCaption(std::string_view caption, int width) {
  UseControlFont();
  return LayOutLines(caption, width, TextWidth);
}

void DrawLines(const std::vector<std::string>& lines, Rect layout, Across across, Down down, Fl_Color colour,
               Rect clip) {
  UseControlFont();
  fl_color(colour);
  const int lineHeight = fl_height();
  const int blockHeight = lineHeight * static_cast<int>(lines.size());
  int top = down == Down::Centre ? layout.y + (layout.h - blockHeight) / 2 : layout.y;
  fl_push_clip(clip.x, clip.y, clip.w, clip.h);
  for (const std::string& line : lines) {
    const int width = static_cast<int>(TextWidth(line) + 0.5);
    const int left = across == Across::Centre ? layout.x + (layout.w - width) / 2 : layout.x;
    // Drawn as plain text: the toolkit's label drawing would take "@" and
    // "&" in a caption for symbols and shortcuts.
    fl_draw(line.c_str(), static_cast<int>(line.size()), left, top + lineHeight - fl_descent());
    top += lineHeight;
  }
  fl_pop_clip();
}

Fl_Color ToFlColor(Rgb colour) { return fl_rgb_color(colour.r, colour.g, colour.b); }

}  // namespace ondrave::fltk
