#include "platform/sim/picture/wide_glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>

namespace sim {

namespace {

// Where Debian installs the font, and the alternative name it also registers.
const char* const kFontFiles[] = {
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
};

// An em of 11 pixels stands a Japanese character as tall as the bitmap font's capitals with
// their descenders.
constexpr FT_UInt kPixelSize = 11;

class Font {
  public:
    Font() {
        if (FT_Init_FreeType(&m_library) != 0) {
            m_library = nullptr;
            return;
        }
        for (const char* file : kFontFiles) {
            if (FT_New_Face(m_library, file, 0, &m_face) == 0) {
                FT_Set_Pixel_Sizes(m_face, 0, kPixelSize);
                return;
            }
            m_face = nullptr;
        }
    }
    ~Font() {
        if (m_face != nullptr) {
            FT_Done_Face(m_face);
        }
        if (m_library != nullptr) {
            FT_Done_FreeType(m_library);
        }
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const WideGlyph* Glyph(char32_t codePoint) {
        const auto known = m_glyphs.find(codePoint);
        if (known != m_glyphs.end()) {
            return known->second.get();
        }
        std::unique_ptr<WideGlyph>& glyph = m_glyphs[codePoint];
        if (m_face == nullptr || FT_Get_Char_Index(m_face, codePoint) == 0 ||
            FT_Load_Char(m_face, codePoint, FT_LOAD_RENDER) != 0) {
            return nullptr;
        }
        const FT_GlyphSlot slot = m_face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        glyph = std::make_unique<WideGlyph>();
        glyph->advance = static_cast<int>(slot->advance.x >> 6);
        glyph->left = slot->bitmap_left;
        glyph->top = slot->bitmap_top;
        glyph->width = static_cast<int>(bitmap.width);
        glyph->rows = static_cast<int>(bitmap.rows);
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const unsigned char* line =
                bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
            glyph->coverage.insert(glyph->coverage.end(), line, line + bitmap.width);
        }
        return glyph.get();
    }

  private:
    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
    std::map<char32_t, std::unique_ptr<WideGlyph>> m_glyphs;
};

} // namespace

const WideGlyph* WideGlyphFor(char32_t codePoint) {
    static Font font;
    return font.Glyph(codePoint);
}

} // namespace sim
