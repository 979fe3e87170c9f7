#include "graphics/texture_cache.hpp"

#include "core/automation.hpp"
#include "graphics/texture_loading.hpp"

#include <GL/glew.h>

TextureCache::~TextureCache() { Clear(); }

uint32_t TextureCache::Get(const std::string& name, int wrap, bool smallSprites)
{
    if (auto found = textures_.find(name); found != textures_.end())
        return found->second;
    uint32_t texture = 0;
    if (Automation().headless) {
        // Nothing is uploaded without a window: a stand-in name per file keeps callers'
        // "loaded" checks true.
        if (CheckImageFile(name))
            texture = nextStandIn_++;
    } else {
        texture = LoadTexture(name, GL_LINEAR, GL_LINEAR, wrap, wrap, smallSprites);
    }
    if (texture != 0)
        textures_.emplace(name, texture);
    return texture;
}

void TextureCache::Release(const std::string& name)
{
    auto found = textures_.find(name);
    if (found == textures_.end())
        return;
    const GLuint texture = found->second;
    if (!Automation().headless)
        glDeleteTextures(1, &texture);
    textures_.erase(found);
}

void TextureCache::Clear()
{
    if (!Automation().headless) {
        for (const auto& [name, texture] : textures_) {
            const GLuint handle = texture;
            glDeleteTextures(1, &handle);
        }
    }
    textures_.clear();
}
