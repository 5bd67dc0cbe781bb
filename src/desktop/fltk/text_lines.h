// How a text is laid out in lines: its own line breaks, then breaks where a
// line would be wider than the room. Used by the message boxes and by every
// control that draws several lines.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ondrave::fltk {

// The lines of a text: CR LF, a lone CR and a lone LF each end a line.
inline std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

// The width of a piece of text in pixels, as the drawing font measures it.
using MeasureText = std::function<double(std::string_view)>;

namespace detail {

inline std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

inline char32_t DecodeAt(std::string_view s, std::size_t i, std::size_t length) {
  char32_t c = static_cast<unsigned char>(s[i]) & (length == 1 ? 0x7F : (0xFF >> (length + 1)));
  for (std::size_t k = 1; k < length && i + k < s.size(); ++k)
    c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  return c;
}

// Ideographs, kana, hangul, CJK punctuation and full-width forms: a line may
// break before and after each of them, as it may at a blank between words.
inline bool IsWide(char32_t c) {
  return (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || c >= 0x20000;
}

// A piece the breaking never splits: one wide character, one word, or one blank.
struct Piece {
  std::string_view text;
  bool blank;
};

inline std::vector<Piece> Pieces(std::string_view line) {
  std::vector<Piece> pieces;
  std::size_t i = 0;
  while (i < line.size()) {
    const std::size_t length = Utf8Length(static_cast<unsigned char>(line[i]));
    const char32_t c = DecodeAt(line, i, length);
    if (c == U' ' || IsWide(c)) {
      pieces.push_back({line.substr(i, length), c == U' '});
      i += length;
      continue;
    }
    std::size_t end = i + length;
    while (end < line.size()) {
      const std::size_t next = Utf8Length(static_cast<unsigned char>(line[end]));
      const char32_t d = DecodeAt(line, end, next);
      if (d == U' ' || IsWide(d)) break;
      end += next;
    }
    pieces.push_back({line.substr(i, end - i), false});
    i = end;
  }
  return pieces;
}

}  // namespace detail

// Breaks one line (no line breaks in it) into lines no wider than maxWidth:
// between words at blanks, which vanish at the break, and between wide
// characters. A word wider than the room stands alone on its line, whole.
inline std::vector<std::string> WrapLine(std::string_view line, double maxWidth, const MeasureText& width) {
  std::vector<std::string> lines;
  std::string current;
  for (const detail::Piece& piece : detail::Pieces(line)) {
    if (current.empty() && piece.blank && !lines.empty()) continue;  // no line starts with the blank it broke at
    const std::string joined = current + std::string(piece.text);
    if (current.empty() || width(joined) <= maxWidth) {
      current = joined;
      continue;
    }
    while (!current.empty() && current.back() == ' ') current.pop_back();
    lines.push_back(current);
    current = piece.blank ? std::string() : std::string(piece.text);
  }
  while (!current.empty() && current.back() == ' ' && !lines.empty()) current.pop_back();
  if (!current.empty() || lines.empty()) lines.push_back(current);
  return lines;
}

// The lines of a whole text: its own line breaks, each line then wrapped.
inline std::vector<std::string> LayOutLines(std::string_view text, double maxWidth, const MeasureText& width) {
  std::vector<std::string> lines;
  for (const std::string& line : SplitLines(text)) {
    for (std::string& wrapped : WrapLine(line, maxWidth, width)) lines.push_back(std::move(wrapped));
  }
  return lines;
}

}  // namespace ondrave::fltk
