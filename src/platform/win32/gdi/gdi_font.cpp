#include "platform/win32/gdi/gdi_font.h"

#include <SDL_ttf.h>

#include <cstdio>

namespace platform::gdi {
namespace {

struct FontCloser {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
using FontPtr = std::unique_ptr<TTF_Font, FontCloser>;

struct SurfaceFreer {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

}  // namespace

struct FontCache::Impl {
    bool ready = false;
    std::map<std::tuple<std::string, int, int>, FontPtr> fonts;  // file, size, style

    TTF_Font* open(const FontCache& cache, const LogFont& font)
    {
        if (!ready) return nullptr;
        const std::string file = cache.fileFor(font);
        const int size = font.pixelHeight > 0 ? font.pixelHeight : 13;
        int style = TTF_STYLE_NORMAL;
        if (font.underline) style |= TTF_STYLE_UNDERLINE;
        if (font.strikeOut) style |= TTF_STYLE_STRIKETHROUGH;
        auto key = std::make_tuple(file, size, style);
        auto it = fonts.find(key);
        if (it != fonts.end()) return it->second.get();
        FontPtr f(TTF_OpenFont(file.c_str(), size));
        if (!f) {
            std::fprintf(stderr, "Brindlecog: font %s: %s\n", file.c_str(), TTF_GetError());
            return nullptr;
        }
        TTF_SetFontStyle(f.get(), style);
        return fonts.emplace(key, std::move(f)).first->second.get();
    }
};

FontCache::FontCache(std::string folder) : folder_(std::move(folder)), impl_(std::make_unique<Impl>())
{
    // TTF_Init counts its callers, so every cache can start and stop it.
    impl_->ready = TTF_Init() == 0;
    if (!impl_->ready) std::fprintf(stderr, "Brindlecog: no text output: %s\n", TTF_GetError());
}

FontCache::~FontCache()
{
    const bool ready = impl_->ready;
    impl_->fonts.clear();
    if (ready) TTF_Quit();
}

std::string FontCache::fileFor(const LogFont& font) const
{
    std::string name = "DejaVuSans";
    if (font.bold && font.italic) name += "-BoldOblique";
    else if (font.bold) name += "-Bold";
    else if (font.italic) name += "-Oblique";
    return folder_ + name + ".ttf";
}

bool FontCache::measure(const LogFont& font, const std::string& text, int& width, int& height)
{
    width = height = 0;
    TTF_Font* f = impl_->open(*this, font);
    if (!f) return false;
    height = TTF_FontHeight(f);
    if (text.empty()) return true;
    return TTF_SizeText(f, text.c_str(), &width, &height) == 0;
}

bool FontCache::render(const LogFont& font, const std::string& text, TextMask& mask)
{
    mask = {};
    if (text.empty()) return true;
    TTF_Font* f = impl_->open(*this, font);
    if (!f) return false;
    // Game texts are single-byte Latin-1 strings.
    std::unique_ptr<SDL_Surface, SurfaceFreer> s(TTF_RenderText_Blended(f, text.c_str(), SDL_Color{255, 255, 255, 255}));
    if (!s) return false;
    std::unique_ptr<SDL_Surface, SurfaceFreer> argb(SDL_ConvertSurfaceFormat(s.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || SDL_LockSurface(argb.get()) != 0) return false;
    mask.width = argb->w;
    mask.height = argb->h;
    mask.coverage.resize(static_cast<std::size_t>(mask.width) * mask.height);
    for (int y = 0; y < mask.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < mask.width; ++x)
            mask.coverage[static_cast<std::size_t>(y) * mask.width + x] = static_cast<uint8_t>(row[x] >> 24);
    }
    SDL_UnlockSurface(argb.get());
    return true;
}

}  // namespace platform::gdi
