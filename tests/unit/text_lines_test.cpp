#include "desktop/fltk/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace ondrave::fltk {
namespace {

using Lines = std::vector<std::string>;

// A face where every byte of ASCII is 6 pixels and every other character
// (an ideograph, a full-width sign) is 12: enough to place each break.
double FixedWidth(std::string_view text) {
  double width = 0;
  for (unsigned char b : text) {
    if (b < 0x80) width += 6;
    else if (b >= 0xC0) width += 12;
  }
  return width;
}

TEST(SplitLines, EachKindOfLineBreakEndsALine) {
  const struct {
    std::string_view text;
    Lines lines;
  } cases[] = {
      {"", {""}},
      {"一行", {"一行"}},
      {"F3显示\r\nF1取坐标", {"F3显示", "F1取坐标"}},
      {"a\nb\rc", {"a", "b", "c"}},
      {"a\r\n\r\nb", {"a", "", "b"}},  // an empty line between two breaks stays
      {"a\r\n", {"a", ""}},
      {"\n\ra", {"", "", "a"}},         // LF CR is two breaks, not one
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(WrapLine, BreaksBetweenWideCharactersAndAtBlanks) {
  const struct {
    std::string_view line;
    double width;
    Lines lines;
  } cases[] = {
      // The hotkey button: 4 ideographs in room for 2.
      {"查看热键", 26, {"查看", "热键"}},
      {"查看热键", 48, {"查看热键"}},
      {"查看热键", 5, {"查", "看", "热", "键"}},  // a character wider than the room still stands
      // Words break at blanks, which vanish at the break.
      {"ab cd ef", 30, {"ab cd", "ef"}},
      {"ab cd", 12, {"ab", "cd"}},
      {"ab    cd", 12, {"ab", "cd"}},
      // A word wider than the room stays whole on its own line.
      {"abcdefgh ij", 30, {"abcdefgh", "ij"}},
      // Mixed text breaks before and after wide characters, never inside a word.
      {"按F1键开启", 40, {"按F1键", "开启"}},
      {"X坐标和Y坐标", 40, {"X坐标", "和Y坐", "标"}},
      // Leading blanks of the text are kept, trailing ones dropped at a break.
      {" 上键 关闭", 200, {" 上键 关闭"}},
      {"", 10, {""}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WrapLine(c.line, c.width, FixedWidth), c.lines) << c.line << " in " << c.width;
}

TEST(LayOutLines, WrapsEachOfTheTextsOwnLines) {
  EXPECT_EQ(LayOutLines("用法：\r\n按F1键开启取鼠标", 50, FixedWidth), (Lines{"用法：", "按F1键开", "启取鼠标"}));
}

}  // namespace
}  // namespace ondrave::fltk
