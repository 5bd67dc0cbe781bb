// GBK conversion through the system's own code page 936, the code page the
// Chinese edition of Windows uses for its "A" functions.
#include "desktop/gbk_codec.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "desktop/utf8_bytes.h"

namespace ondrave {
namespace {

constexpr UINT kGbkCodePage = 936;
constexpr char kUnrepresentableInGbk[] = "?";
constexpr wchar_t kReplacementCharacter = 0xFFFD;

// The conversion calls take int lengths; texts are handed over in pieces of
// whole characters no longer than this.
constexpr std::size_t kMaxPiece = 1 << 16;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The UTF-8 characters of `piece`, each as "?": what a piece becomes when
// the system refuses to convert it, which well-formed input never causes.
std::string QuestionMarkPerCharacter(std::string_view piece) {
  std::string marks;
  for (char c : piece) {
    if (!IsContinuationByte(c)) marks.push_back('?');
  }
  return marks;
}

// Appends the UTF-16 of `bytes` in `codePage` to `wide`; false, with `wide`
// as it was, when a byte sequence has no character there.
bool AppendWide(UINT codePage, std::string_view bytes, std::wstring& wide) {
  const int length = static_cast<int>(bytes.size());
  const int wideLength = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (wideLength <= 0) return false;
  const std::size_t start = wide.size();
  wide.resize(start + static_cast<std::size_t>(wideLength));
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data() + start,
                          wideLength) != wideLength) {
    wide.resize(start);
    return false;
  }
  return true;
}

// Appends the bytes of `wide` in `codePage` to `out`; false, with `out` as it
// was, when the system refuses. Into GBK a character it lacks becomes "?",
// never a look-alike: best-fit mapping is switched off so that this agrees
// with the other desktops.
bool AppendNarrow(UINT codePage, std::wstring_view wide, std::string& out) {
  const bool toGbk = codePage == kGbkCodePage;
  // UTF-8 accepts neither flags nor a default character.
  const DWORD flags = toGbk ? WC_NO_BEST_FIT_CHARS : 0;
  const char* defaultChar = toGbk ? kUnrepresentableInGbk : nullptr;
  const int wideLength = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(codePage, flags, wide.data(), wideLength, nullptr, 0, defaultChar, nullptr);
  if (length <= 0) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(length));
  if (WideCharToMultiByte(codePage, flags, wide.data(), wideLength, out.data() + start, length, defaultChar,
                          nullptr) != length) {
    out.resize(start);
    return false;
  }
  return true;
}

// Converts a piece of well-formed UTF-8 characters of the BMP into GBK.
void AppendGbkOfUtf8Piece(std::string_view piece, std::string& gbk) {
  std::wstring wide;
  if (!AppendWide(CP_UTF8, piece, wide) || !AppendNarrow(kGbkCodePage, wide, gbk)) {
    gbk += QuestionMarkPerCharacter(piece);
  }
}

// The number of bytes of the GBK character that starts `text`: a lead byte
// 0x81..0xFE takes the byte after it when there is one.
std::size_t GbkCharacterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  return lead >= 0x81 && lead <= 0xFE && text.size() >= 2 ? 2 : 1;
}

// Converts a piece of whole GBK characters to UTF-16. When some sequence in
// it is not GBK, the piece goes character by character and each bad one
// becomes U+FFFD, stepping over one byte only so that a following ASCII byte
// is read as itself.
std::wstring WideOfGbkPiece(std::string_view piece) {
  std::wstring wide;
  if (AppendWide(kGbkCodePage, piece, wide)) return wide;
  for (std::size_t at = 0; at < piece.size();) {
    const std::size_t length = GbkCharacterLength(piece.substr(at));
    if (AppendWide(kGbkCodePage, piece.substr(at, length), wide)) {
      at += length;
    } else {
      wide.push_back(kReplacementCharacter);
      ++at;
    }
  }
  return wide;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  // ASCII is the same bytes in both encodings.
  if (IsAscii(utf8)) return std::string(utf8);
  std::string gbk;
  gbk.reserve(utf8.size());
  // Runs of well-formed characters of the BMP go to the system whole.
  std::size_t pieceStart = 0;
  const auto convertPiece = [&](std::size_t end) {
    if (end > pieceStart) AppendGbkOfUtf8Piece(utf8.substr(pieceStart, end - pieceStart), gbk);
    pieceStart = end;
  };
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::size_t length = Utf8SequenceLength(utf8.substr(at));
    if (length == 0 || length == 4) {
      // GBK has no character beyond the BMP: a four-byte character is one
      // "?". A byte that starts no character is a "?" of its own.
      convertPiece(at);
      gbk += kUnrepresentableInGbk;
      at += length == 0 ? 1 : length;
      pieceStart = at;
    } else {
      at += length;
      if (at - pieceStart >= kMaxPiece) convertPiece(at);
    }
  }
  convertPiece(at);
  return gbk;
}

std::string GbkToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  std::string utf8;
  utf8.reserve(gbk.size() * 3 / 2);
  std::size_t at = 0;
  while (at < gbk.size()) {
    const std::size_t start = at;
    while (at < gbk.size() && at - start < kMaxPiece) at += GbkCharacterLength(gbk.substr(at));
    const std::wstring wide = WideOfGbkPiece(gbk.substr(start, at - start));
    // UTF-16 from code page 936 always has a UTF-8 form; should the system
    // refuse all the same, each character becomes U+FFFD rather than vanish.
    if (!AppendNarrow(CP_UTF8, wide, utf8)) {
      for (std::size_t i = 0; i < wide.size(); ++i) utf8 += "\xEF\xBF\xBD";
    }
  }
  return utf8;
}

}  // namespace ondrave
