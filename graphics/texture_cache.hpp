#pragma once
// Textures shared by name: loaded on first use with linear filters, owned until released.
#include <cstdint>
#include <map>
#include <string>

class TextureCache {
public:
    TextureCache() = default;
    ~TextureCache();
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    // 0 when the file does not load; failures are not remembered, so a later call retries.
    // smallSprites as LoadTexture's, for a picture's first load.
    uint32_t Get(const std::string& name, int wrap, bool smallSprites = false);
    void Release(const std::string& name);
    void Clear();

    size_t Size() const { return textures_.size(); }
    bool Holds(const std::string& name) const { return textures_.count(name) != 0; }

private:
    std::map<std::string, uint32_t> textures_;
    uint32_t nextStandIn_ = 1; // --headless only
};
