// Characters beyond the BMP in control texts, the Unicode tag characters
// U+E0000..U+E007F among them: GBK has none, so each becomes one "?" and the
// number readers never join the digits on either side of one.
#include <gtest/gtest.h>

#include <string_view>

#include "desktop/gbk_codec.h"
#include "desktop/text_conversions.h"

namespace ondrave {
namespace {

struct GbkCase {
  std::string_view utf8;
  std::string_view gbk;
};

TEST(GbkBeyondTheBmp, EachCharacterBecomesOneQuestionMark) {
  const GbkCase cases[] = {
      {"1\U000E0020" "2", "1?2"},                  // tag space between digits
      {"\U000E0000", "?"},                         // first tag character
      {"\U000E007F", "?"},                         // cancel tag, the last
      {"a\U000E0080" "b", "a?b"},                  // just past the tags
      {"中\U000E0041文", "\xD6\xD0?\xCE\xC4"},     // between characters GBK has
      {"\U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F",
       "???????"},                                 // a flag: black flag, five tags, cancel tag
      {"\xFF\U000E0031\xE4\xB8", "????"},          // next to bytes that are not UTF-8
  };
  for (const GbkCase& c : cases) EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << "input: " << c.utf8;
}

TEST(GbkBeyondTheBmp, NumbersEndAtTheCharacter) {
  EXPECT_EQ(TextToInt("1\U000E0020" "2"), 1);
  EXPECT_EQ(TextToInt("\U000E0031" "5"), 0);
  EXPECT_EQ(TextToNumber("2\U000E002E" "5"), 2.0);
  EXPECT_EQ(TextToNumber("１\U000E0065" "3"), 1.0);  // no exponent across it
}

}  // namespace
}  // namespace ondrave
