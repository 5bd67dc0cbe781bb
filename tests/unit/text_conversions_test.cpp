#include "desktop/text_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "desktop/gbk_codec.h"

namespace ondrave {
namespace {

constexpr std::string_view kAbsent{};

// Folding works on raw GBK bytes, so these inputs are written as bytes.
struct FoldCase {
  std::string_view gbk;
  std::string_view folded;
};

TEST(FoldFullWidth, FoldsExactlyTheListedPairs) {
  const FoldCase cases[] = {
      {"\xA1\xA1", " "},               // ideographic space
      {"\xA1\xAB", "~"},               // full-width tilde
      {"\xA1\xEE", "*"},               // white star
      {"\xA1\xEF", "*"},               // black star
      {"\xA3\xA1", "!"},               // first full-width form
      {"\xA3\xB0\xA3\xB9", "09"},      // full-width digits
      {"\xA3\xAB\xA3\xAD\xA3\xAE", "+-."},
      {"\xA3\xC1\xA3\xE5", "Ae"},      // full-width letters
      {"\xA3\xFE", "~"},               // last full-width form
      {"\xA3\xA0", "\xA3\xA0"},        // just below the full-width forms
      {"\xA3\xFF", "\xA3\xFF"},        // just above them
      {"\xA1\xA2", "\xA1\xA2"},        // ideographic comma: other punctuation stays
      {"\xA1\xED", "\xA1\xED"},        // next to the stars
      {"\xB0\xA1", "\xB0\xA1"},        // an ideograph stays
      {"\xA2\xA1", "\xA2\xA1"},        // the same second byte in another row stays
      {"a1 \t", "a1 \t"},              // bytes below 0x80 are copied
      {"\xB0\xA1\xA3\xB1", "\xB0\xA1" "1"},
      {"\xA3\xA3\xA1", "#"},           // first half of a pair left at the end is dropped
      {"12\xA3", "12"},
      {"\x80", ""},
      {std::string_view("1\0\xA3\xB2", 4), "1"},  // the text ends at its zero byte
      {std::string_view("\xA3\0\xB2", 3), ""},    // a pair cut by the zero byte is dropped
      {kAbsent, ""},
  };
  for (const FoldCase& c : cases) {
    EXPECT_EQ(FoldFullWidth(c.gbk), c.folded) << "input bytes of length " << c.gbk.size();
  }
}

struct IntCase {
  std::string_view text;
  std::int32_t value;
};

TEST(TextToInt, ReadsLikeAtoiAfterFolding) {
  const IntCase cases[] = {
      {kAbsent, 0},
      {"", 0},
      {"１２", 12},
      {"12abc", 12},
      {"abc", 0},
      {"3.9", 3},
      {" 5", 5},
      {"　5", 5},              // ideographic space
      {"\t\n\v\f\r 8", 8},
      {"-7", -7},
      {"+7", 7},
      {"－７", -7},            // full-width minus and digit
      {"- 7", 0},              // no blank between sign and digits
      {"--7", 0},
      {"007", 7},
      {"1 2", 1},
      {"１2３", 123},           // full-width and ASCII digits mixed
      {"10分", 10},
      {"2147483647", 2147483647},
      {"2147483648", std::numeric_limits<std::int32_t>::min()},
      {"4294967297", 1},        // wraps around 32 bits
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-2147483649", 2147483647},
      {"99999999999999999999", 1661992959},
      {"😀5", 0},               // a character GBK lacks reads as "?"
      {"\xFF" "5", 0},          // so does a byte that is not UTF-8
      {std::string_view("4\0" "2", 3), 4},  // the text ends at its zero byte
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(TextToInt(c.text), c.value) << "text: " << c.text;
  }
}

struct NumberCase {
  std::string_view text;
  double value;
};

TEST(TextToNumber, ReadsLikeAtofAfterFolding) {
  const double infinity = std::numeric_limits<double>::infinity();
  const NumberCase cases[] = {
      {kAbsent, 0.0},
      {"", 0.0},
      {"８．５", 8.5},
      {"1e2", 100.0},
      {"1d2", 100.0},
      {"1E2", 100.0},
      {"1D+2", 100.0},
      {"25e-1", 2.5},
      {"１ｅ２", 100.0},       // full-width exponent letter
      {"30分", 30.0},
      {"5.", 5.0},
      {".5", 0.5},
      {"-.5", -0.5},
      {"+5.5", 5.5},
      {".", 0.0},
      {"-", 0.0},
      {"e5", 0.0},
      {"1e", 1.0},               // an exponent letter without digits is not read
      {"1e+", 1.0},
      {"1ex", 1.0},
      {"1.5.5", 1.5},
      {"  \t3", 3.0},
      {"　3", 3.0},
      {"0x10", 0.0},             // no hexadecimal forms
      {"inf", 0.0},              // no words
      {"nan", 0.0},
      {"0.1", 0.1},
      {"0.30000000000000004", 0.30000000000000004},
      {"000123.4500", 123.45},
      {"0.000000000000000000001e21", 1.0},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()},
      {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
      {"1e400", infinity},
      {"-1e400", -infinity},
      {"1.8e308", infinity},
      {"1e99999999999999999999999", infinity},
      {"1e-400", 0.0},
      {"1e-99999999999999999999999", 0.0},
      {"0e99999999999999999999999", 0.0},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.value) << "text: " << c.text;
  }
}

TEST(TextToNumber, AgreesWithTheCLibraryOnLongMantissas) {
  // The C library runs in the "C" locale here; its strtod is correctly rounded.
  const char* const texts[] = {
      "3.14159265358979323846264338327950288419716939937510",
      "0.1000000000000000055511151231257827021181583404541015625",
      "2.2250738585072011e-308",
      "9007199254740993",
      "-12345.678901234567890123e-3",
  };
  for (const char* text : texts) {
    EXPECT_EQ(TextToNumber(text), std::strtod(text, nullptr)) << "text: " << text;
  }
}

TEST(TextToNumber, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(TextToNumber("-0")));
  EXPECT_TRUE(std::signbit(TextToNumber("-1e-400")));
  EXPECT_FALSE(std::signbit(TextToNumber("0")));
}

TEST(IntToText, WritesDecimalWithAMinusSign) {
  const IntCase cases[] = {
      {"-15", -15},
      {"0", 0},
      {"7", 7},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"2147483647", std::numeric_limits<std::int32_t>::max()},
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(IntToText(c.value), c.text);
  }
}

TEST(GbkCodec, RoundTripsChineseAndFullWidthText) {
  const std::string utf8 = "点击间隔１２ＡＢ　～★☆＄￥€abc";
  const std::string gbk = Utf8ToGbk(utf8);
  EXPECT_EQ(gbk,
            "\xB5\xE3\xBB\xF7\xBC\xE4\xB8\xF4"  // 点击间隔
            "\xA3\xB1\xA3\xB2\xA3\xC1\xA3\xC2"  // １２ＡＢ
            "\xA1\xA1\xA1\xAB\xA1\xEF\xA1\xEE"  // 　～★☆
            "\xA1\xE7\xA3\xA4\x80"              // ＄￥€ as code page 936 has them
            "abc");
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

struct CodecCase {
  std::string_view input;
  std::string_view output;
};

TEST(GbkCodec, ReplacesWhatGbkCannotHoldByAQuestionMark) {
  const CodecCase cases[] = {
      {"a😀b", "a?b"},            // outside the BMP: one "?" for the character
      {"xกy", "x?y"},             // a BMP character GBK lacks
      {"a\xFF" "b", "a?b"},       // not UTF-8
      {"\x80", "?"},              // a continuation byte alone
      {"\xC0\x80", "??"},         // an overlong form, one "?" per byte
      {"\xED\xA0\x80", "???"},    // an encoded surrogate
      {"\xE4\xB8" "1", "??1"},    // a character cut short
      {"1\xE4\xB8", "1??"},       // cut short at the end
      {"", ""},
  };
  for (const CodecCase& c : cases) {
    EXPECT_EQ(Utf8ToGbk(c.input), c.output) << "input: " << c.input;
  }
}

TEST(GbkCodec, ReplacesBadGbkByTheReplacementCharacter) {
  const CodecCase cases[] = {
      {"a\xFF" "b", "a\uFFFD" "b"},
      {"a\xA3", "a\uFFFD"},              // first half of a pair at the end
      {"\x81" "0", "\uFFFD" "0"},        // an ASCII byte where the second half belongs is kept
      {"\xB0\xA1\xFF\xA3\xB1", "啊\uFFFD１"},
  };
  for (const CodecCase& c : cases) {
    EXPECT_EQ(GbkToUtf8(c.input), c.output);
  }
}

}  // namespace
}  // namespace ondrave
