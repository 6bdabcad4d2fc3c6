#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <map>
#include <stdexcept>

namespace mkmedia {

namespace {

const char* FontPath(Face face) {
  switch (face) {
    case Face::Serif: return "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf";
    case Face::SerifBold: return "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf";
    case Face::SerifItalic: return "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Italic.otf";
    case Face::Sans: return "/usr/share/fonts/opentype/cabin/Cabin-Regular.otf";
    case Face::SansMedium: return "/usr/share/fonts/opentype/cabin/Cabin-SemiBold.otf";
    case Face::SansBold: return "/usr/share/fonts/opentype/cabin/Cabin-Bold.otf";
    case Face::SansItalic: return "/usr/share/fonts/opentype/cabin/Cabin-Italic.otf";
  }
  return "";
}

// FreeType objects are not shared between threads: each thread opens its own.
class FontLibrary {
 public:
  FontLibrary() {
    if (FT_Init_FreeType(&library_)) throw std::runtime_error("FreeType could not start");
  }
  ~FontLibrary() {
    for (auto& [face, handle] : faces_) FT_Done_Face(handle);
    FT_Done_FreeType(library_);
  }
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  FT_Face Get(Face face, float size) {
    auto it = faces_.find(face);
    if (it == faces_.end()) {
      FT_Face handle = nullptr;
      if (FT_New_Face(library_, FontPath(face), 0, &handle))
        throw std::runtime_error(std::string("cannot open font ") + FontPath(face) +
                                 " (Debian packages fonts-ebgaramond and fonts-cabin)");
      it = faces_.emplace(face, handle).first;
    }
    FT_Set_Char_Size(it->second, 0, static_cast<FT_F26Dot6>(std::lround(size * 64)), 72, 72);
    return it->second;
  }

 private:
  FT_Library library_ = nullptr;
  std::map<Face, FT_Face> faces_;
};

FontLibrary& Library() {
  thread_local FontLibrary library;
  return library;
}

// Decodes one UTF-8 code point, advancing i; malformed bytes come out as '?'.
uint32_t NextCodePoint(std::string_view s, size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i++]);
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  if (c >= 0x80 && extra == 0) return '?';
  uint32_t cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size()) return '?';
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return cp;
}

// Walks the text's glyphs, calling visit(glyphIndex, penX) with kerning and tracking applied.
template <typename Visit>
float WalkGlyphs(FT_Face face, const TextStyle& style, std::string_view text, Visit visit) {
  float pen = 0;
  FT_UInt previous = 0;
  for (size_t i = 0; i < text.size();) {
    FT_UInt glyph = FT_Get_Char_Index(face, NextCodePoint(text, i));
    if (previous && glyph && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      if (!FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNFITTED, &kern)) pen += kern.x / 64.0f;
    }
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP)) continue;
    visit(glyph, pen);
    pen += face->glyph->linearHoriAdvance / 65536.0f + style.tracking;
    previous = glyph;
  }
  return pen - (text.empty() ? 0 : style.tracking);
}

}  // namespace

float TextWidth(const TextStyle& style, std::string_view utf8) {
  FT_Face face = Library().Get(style.face, style.size);
  return WalkGlyphs(face, style, utf8, [](FT_UInt, float) {});
}

float Ascent(const TextStyle& style) {
  FT_Face face = Library().Get(style.face, style.size);
  return face->size->metrics.ascender / 64.0f;
}

float Descent(const TextStyle& style) {
  FT_Face face = Library().Get(style.face, style.size);
  return -face->size->metrics.descender / 64.0f;
}

float CapHeight(const TextStyle& style) {
  FT_Face face = Library().Get(style.face, style.size);
  if (FT_Load_Char(face, 'H', FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP)) return style.size * 0.65f;
  return face->glyph->metrics.height / 64.0f;
}

void DrawText(Mask& mask, const TextStyle& style, float x, float baseline, std::string_view utf8) {
  FT_Face face = Library().Get(style.face, style.size);
  WalkGlyphs(face, style, utf8, [&](FT_UInt, float pen) {
    float gx = x + pen;
    // Position each glyph to 1/64 pixel by moving its outline before rendering.
    float ix = std::floor(gx), iy = std::floor(baseline);
    FT_Outline_Translate(&face->glyph->outline, static_cast<FT_Pos>(std::lround((gx - ix) * 64)),
                         static_cast<FT_Pos>(std::lround(-(baseline - iy) * 64)));
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL)) return;
    const FT_Bitmap& bm = face->glyph->bitmap;
    int left = static_cast<int>(ix) + face->glyph->bitmap_left;
    int top = static_cast<int>(iy) - face->glyph->bitmap_top;
    for (unsigned r = 0; r < bm.rows; ++r)
      for (unsigned c = 0; c < bm.width; ++c) {
        int px = left + static_cast<int>(c), py = top + static_cast<int>(r);
        if (px < 0 || py < 0 || px >= mask.Width() || py >= mask.Height()) continue;
        float v = bm.buffer[r * bm.pitch + c] / 255.0f;
        float& m = mask.At(px, py);
        m = m + v - m * v;
      }
  });
}

std::vector<std::string> WrapText(const TextStyle& style, std::string_view utf8, float maxWidth) {
  std::vector<std::string> lines;
  std::string line;
  size_t i = 0;
  while (i < utf8.size()) {
    size_t end = utf8.find(' ', i);
    if (end == std::string_view::npos) end = utf8.size();
    std::string word(utf8.substr(i, end - i));
    std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && TextWidth(style, candidate) > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line = candidate;
    }
    i = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace mkmedia
