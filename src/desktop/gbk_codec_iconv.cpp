// GBK conversion through the C library's iconv.
//
// The Chinese side is opened as "CP936", the name of the Windows code page.
// glibc serves it from its GBK module ("GBK" and "CP936" are the same table
// there), and that table agrees with Windows on every pair the full-width
// folding looks at: A1A1 is U+3000, A1AB U+FF5E, A1EE/A1EF U+2606/U+2605, and
// A3A1..A3FE are U+FF01..U+FF5E except A3A4 U+FFE5 and A3FE U+FFE3, exactly as
// in code page 936; U+FF04 goes to A1E7 and the euro sign to 0x80 as there.
// Naming the code page rather than "GBK" keeps that meaning on an iconv whose
// plain GBK differs from Windows.
#include "desktop/gbk_codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

#include "desktop/utf8_bytes.h"

namespace ondrave {
namespace {

constexpr char kGbkCharset[] = "CP936";
constexpr char kUtf8Charset[] = "UTF-8";
constexpr std::string_view kUnrepresentableInGbk = "?";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// Both descriptors are opened at the first conversion and reused for the
// rest of the run: opening one loads a gconv module, far too slow for every
// text read on a 10 ms timer.
class Descriptors {
 public:
  Descriptors()
      : toGbk_(iconv_open(kGbkCharset, kUtf8Charset)), toUtf8_(iconv_open(kUtf8Charset, kGbkCharset)) {}
  ~Descriptors() {
    if (toGbk_ != kNoDescriptor) iconv_close(toGbk_);
    if (toUtf8_ != kNoDescriptor) iconv_close(toUtf8_);
  }
  Descriptors(const Descriptors&) = delete;
  Descriptors& operator=(const Descriptors&) = delete;

  iconv_t toGbk() const { return toGbk_; }
  iconv_t toUtf8() const { return toUtf8_; }

 private:
  iconv_t toGbk_;
  iconv_t toUtf8_;
};

const Descriptors& OpenDescriptors() {
  static const Descriptors descriptors;
  return descriptors;
}

// What iconv_open cannot give us: a C library without its gconv modules (a
// static build, a stripped image). The program must still read the numbers
// people type, and those are ASCII, so ASCII passes through and every other
// byte becomes "?". That loses only the full-width folding, never a crash or
// a wrong ASCII number. A failed open is not retried: the modules do not
// appear while the program runs.
std::string ReplaceNonAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (static_cast<unsigned char>(c) >= 0x80) c = '?';
  }
  return result;
}

// The number of input bytes a failed conversion skips at `rest`.
using SkipLength = std::size_t (*)(std::string_view rest);

// A character GBK lacks is skipped whole; a byte that starts no UTF-8
// character is skipped alone, so each such byte gets its own "?".
std::size_t SkipUtf8(std::string_view rest) {
  const std::size_t length = Utf8SequenceLength(rest);
  return length == 0 ? 1 : length;
}

// A bad GBK pair is skipped one byte at a time, so that an ASCII byte in the
// place of a trail byte is read again as itself.
std::size_t SkipGbk(std::string_view) { return 1; }

// Converts all of `input`; a sequence iconv refuses becomes `replacement` and
// `skip` says how much of it to step over.
std::string Convert(iconv_t descriptor, std::string_view input, std::string_view replacement,
                    SkipLength skip) {
  std::string output;
  output.reserve(input.size() * 3 / 2);
  // Forget the state a conversion that stopped on an error may have left.
  iconv(descriptor, nullptr, nullptr, nullptr, nullptr);

  // iconv takes a non-const input pointer but never writes through it.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char chunk[256];
  while (inLeft > 0) {
    char* out = chunk;
    std::size_t outLeft = sizeof chunk;
    const std::size_t converted = iconv(descriptor, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    output.append(chunk, static_cast<std::size_t>(out - chunk));
    if (converted != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    // EILSEQ (a sequence that is invalid or has no counterpart), EINVAL (an
    // incomplete sequence at the end) and anything unexpected alike: replace
    // and step over, so that the walk always moves on.
    const std::size_t skipped = std::min(skip(std::string_view(in, inLeft)), inLeft);
    output.append(replacement);
    in += skipped;
    inLeft -= skipped;
  }
  return output;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  // ASCII is the same bytes in both encodings.
  if (IsAscii(utf8)) return std::string(utf8);
  const iconv_t descriptor = OpenDescriptors().toGbk();
  if (descriptor == kNoDescriptor) return ReplaceNonAscii(utf8);
  // GBK has no character beyond the BMP, so each four-byte character is one
  // "?" without asking iconv: glibc's converters drop the tag characters
  // U+E0000..U+E007F silently instead of refusing them, which would let
  // "1", a tag, "2" read as 12. The runs between go to iconv whole.
  std::string gbk;
  std::size_t runStart = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = Utf8SequenceLength(utf8.substr(at));
    if (length == 4) {
      gbk += Convert(descriptor, utf8.substr(runStart, at - runStart), kUnrepresentableInGbk, SkipUtf8);
      gbk += kUnrepresentableInGbk;
      runStart = at + length;
    }
    at += length == 0 ? 1 : length;
  }
  gbk += Convert(descriptor, utf8.substr(runStart), kUnrepresentableInGbk, SkipUtf8);
  return gbk;
}

std::string GbkToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  const iconv_t descriptor = OpenDescriptors().toUtf8();
  if (descriptor == kNoDescriptor) return ReplaceNonAscii(gbk);
  return Convert(descriptor, gbk, kReplacementCharacter, SkipGbk);
}

}  // namespace ondrave
