#include "desktop/fltk/chinese_font.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace ondrave::fltk {
namespace {

constexpr FcChar8 kLanguage[] = "zh-cn";

bool CoversLanguage(FcPattern* font) {
  FcLangSet* languages = nullptr;
  return FcPatternGetLangSet(font, FC_LANG, 0, &languages) == FcResultMatch &&
         FcLangSetHasLang(languages, kLanguage) == FcLangEqual;
}

// The first family, in fontconfig's order of preference, of a face that
// covers the language fully.
std::string FindFamily() {
  if (!FcInit()) return {};
  std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
  std::unique_ptr<FcLangSet, decltype(&FcLangSetDestroy)> languages(FcLangSetCreate(), FcLangSetDestroy);
  if (!pattern || !languages || !FcLangSetAdd(languages.get(), kLanguage) ||
      !FcPatternAddLangSet(pattern.get(), FC_LANG, languages.get()))
    return {};
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  // Sorted rather than matched: the best match by fontconfig's rules can be
  // a Latin face when the configuration prefers one for sans-serif.
  FcResult result = FcResultNoMatch;
  std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
      FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result), FcFontSetDestroy);
  if (!fonts) return {};
  for (int i = 0; i < fonts->nfont; ++i) {
    FcChar8* family = nullptr;
    if (CoversLanguage(fonts->fonts[i]) &&
        FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
      return reinterpret_cast<const char*>(family);
  }
  return {};
}

}  // namespace

std::string UseChineseFont() {
  // The toolkit keeps the name's pointer, so it must live as long as the program.
  static const std::string family = FindFamily();
  // The leading blank tells the toolkit's Xft backend "regular, not bold or italic".
  static const std::string toolkitName = " " + family;
  if (!family.empty()) Fl::set_font(FL_HELVETICA, toolkitName.c_str());
  FL_NORMAL_SIZE = kTextSize;
  return family;
}

}  // namespace ondrave::fltk
