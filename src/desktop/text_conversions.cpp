#include "desktop/text_conversions.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

#include "desktop/gbk_codec.h"
#include "desktop/utf8_bytes.h"

namespace ondrave {
namespace {

// The readers treat the text as the C library does: it ends at its first zero
// byte or at the end of the view, whichever comes first.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  // The byte at the cursor, 0 at the end.
  unsigned char Peek() const { return at_ < text_.size() ? static_cast<unsigned char>(text_[at_]) : 0; }
  void Next() { ++at_; }

  // The white space of isspace in the "C" locale: 0x09..0x0D and 0x20.
  void SkipWhiteSpace() {
    while (Peek() == ' ' || (Peek() >= 0x09 && Peek() <= 0x0D)) Next();
  }
  // Takes an optional sign; true after a '-'.
  bool TakeSign() {
    const unsigned char c = Peek();
    if (c != '+' && c != '-') return false;
    Next();
    return c == '-';
  }
  bool AtDigit() const { return Peek() >= '0' && Peek() <= '9'; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// Hands `read` the folded GBK bytes of a UTF-8 control text. An ASCII text is
// already its own GBK and folds to itself, so it is read in place: this runs
// on every tick of the clicking timers and should cost no allocation there.
template <typename Read>
auto ReadFolded(std::string_view text, Read read) {
  if (IsAscii(text)) return read(text);
  const std::string folded = FoldFullWidth(Utf8ToGbk(text));
  return read(std::string_view(folded));
}

std::int32_t ReadInt(std::string_view bytes) {
  Cursor cursor(bytes);
  cursor.SkipWhiteSpace();
  const bool negative = cursor.TakeSign();
  // Unsigned arithmetic wraps around past 32 bits the way the value is meant
  // to, where signed arithmetic would be undefined.
  std::uint32_t value = 0;
  for (; cursor.AtDigit(); cursor.Next()) value = value * 10u + (cursor.Peek() - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

// A decimal exponent this far out makes any mantissa overflow or underflow;
// clamping there keeps the exponent arithmetic away from integer overflow.
constexpr std::int64_t kExponentBeyondRange = 100000;
// 0.D x 10^E lies above the largest double from E = 310 on and below half the
// smallest subnormal from E = -324 down; between, the parser decides.
constexpr std::int64_t kOverflowExponent = 400;
constexpr std::int64_t kUnderflowExponent = -400;

double SignedInfinityOrZero(bool negative, bool overflow) {
  const double magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}

double ReadNumber(std::string_view bytes) {
  Cursor cursor(bytes);
  cursor.SkipWhiteSpace();
  const bool negative = cursor.TakeSign();

  // The mantissa's significant digits D and the exponent E with value 0.D x 10^E.
  std::string significant;
  std::int64_t exponent = 0;
  bool sawDigit = false;
  bool sawPoint = false;
  for (;; cursor.Next()) {
    const unsigned char c = cursor.Peek();
    if (c == '.' && !sawPoint) {
      sawPoint = true;
    } else if (c >= '0' && c <= '9') {
      sawDigit = true;
      if (significant.empty() && c == '0') {
        // A leading zero after the point moves the first significant digit right.
        if (sawPoint) --exponent;
      } else {
        significant.push_back(static_cast<char>(c));
        if (!sawPoint) ++exponent;
      }
    } else {
      break;
    }
  }
  if (!sawDigit) return 0.0;

  // An exponent counts only when digits follow its letter and optional sign;
  // otherwise the number ends before the letter.
  const unsigned char letter = cursor.Peek();
  if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
    Cursor exponentCursor = cursor;
    exponentCursor.Next();
    const bool negativeExponent = exponentCursor.TakeSign();
    if (exponentCursor.AtDigit()) {
      std::int64_t written = 0;
      for (; exponentCursor.AtDigit(); exponentCursor.Next()) {
        if (written < kExponentBeyondRange) written = written * 10 + (exponentCursor.Peek() - '0');
      }
      exponent += negativeExponent ? -written : written;
    }
  }

  if (significant.empty()) return negative ? -0.0 : 0.0;
  if (exponent > kOverflowExponent) return SignedInfinityOrZero(negative, true);
  if (exponent < kUnderflowExponent) return SignedInfinityOrZero(negative, false);

  // from_chars reads this normalised form exactly and never looks at the
  // locale, so the decimal point is always '.'.
  std::string normalised = "0." + significant + "e" + std::to_string(exponent);
  double value = 0.0;
  const std::from_chars_result read =
      std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
  if (read.ec == std::errc::result_out_of_range) return SignedInfinityOrZero(negative, exponent > 0);
  return negative ? -value : value;
}

constexpr unsigned char kFirstHalfOfPair = 0x80;
constexpr unsigned char kPunctuationRow = 0xA1;
constexpr unsigned char kFullWidthRow = 0xA3;
// A3A1..A3FE are the full-width forms of 0x21..0x7E, 0x80 above them.
constexpr unsigned char kFullWidthFirst = 0xA1;
constexpr unsigned char kFullWidthLast = 0xFE;
constexpr unsigned char kFullWidthOffset = 0x80;

struct PunctuationFold {
  unsigned char second;
  char ascii;
};
constexpr PunctuationFold kPunctuationFolds[] = {
    {0xA1, ' '},  // ideographic space
    {0xAB, '~'},  // full-width tilde
    {0xEE, '*'},  // white star
    {0xEF, '*'},  // black star
};

// The ASCII byte a GBK pair folds to, or 0 when the pair stays as it is.
char FoldPair(unsigned char first, unsigned char second) {
  if (first == kFullWidthRow && second >= kFullWidthFirst && second <= kFullWidthLast) {
    return static_cast<char>(second - kFullWidthOffset);
  }
  if (first == kPunctuationRow) {
    for (const PunctuationFold& fold : kPunctuationFolds) {
      if (fold.second == second) return fold.ascii;
    }
  }
  return 0;
}

}  // namespace

std::string FoldFullWidth(std::string_view gbk) {
  std::string folded;
  folded.reserve(gbk.size());
  for (std::size_t i = 0; i < gbk.size() && gbk[i] != '\0'; ++i) {
    const auto first = static_cast<unsigned char>(gbk[i]);
    if (first < kFirstHalfOfPair) {
      folded.push_back(gbk[i]);
      continue;
    }
    // A first byte with nothing after it is the tail of a cut-off character.
    if (i + 1 >= gbk.size() || gbk[i + 1] == '\0') break;
    const auto second = static_cast<unsigned char>(gbk[i + 1]);
    if (const char ascii = FoldPair(first, second); ascii != 0) {
      folded.push_back(ascii);
    } else {
      folded.append(gbk.substr(i, 2));
    }
    ++i;
  }
  return folded;
}

std::int32_t TextToInt(std::string_view text) { return ReadFolded(text, ReadInt); }

double TextToNumber(std::string_view text) { return ReadFolded(text, ReadNumber); }

std::string IntToText(std::int32_t n) { return std::to_string(n); }

}  // namespace ondrave
