#pragma once
// The two window-sized rectangle textures and frame buffers the scene and the full-screen
// passes draw into, alternately. Unused (and never touched) in LowSpecMode.
#include <cstdint>

class ShaderSet;

class RenderTargets {
public:
    RenderTargets() = default;
    ~RenderTargets();
    RenderTargets(const RenderTargets&) = delete;
    RenderTargets& operator=(const RenderTargets&) = delete;

    // Logs its start-up step; in LowSpecMode creates nothing and succeeds.
    bool Create(int width, int height);
    // Drawing goes into the current target from now on and the other one becomes current;
    // with copyPrevious the new target starts as a copy of the other target's image.
    void Swap(ShaderSet& shaders, bool copyPrevious);
    // Drawing goes into the texture of the last Swap again (after the window was bound).
    void Rebind();
    // Copies the part of the bound target between the corners (target pixels, rows from the
    // bottom; clipped to the target) into the other target's texture, at the same place.
    void CopyToOther(float left, float bottom, float right, float top);
    // Binds, as texUnit0 on the unit, the texture being drawn into (other false) or the other
    // target's texture (other true).
    void BindTexture(ShaderSet& shaders, int unit, bool other);

    // The texture of the frame buffer bound by the last Swap, and the other one.
    uint32_t DrawTexture() const { return current ? textureA : textureB; }
    uint32_t OtherTexture() const { return current ? textureB : textureA; }
    bool Created() const { return frameBufferA != 0; }

    uint32_t textureA = 0;
    uint32_t textureB = 0;
    uint32_t frameBufferA = 0;
    uint32_t frameBufferB = 0;
    bool current = false; // false: A receives drawing at the next Swap
    int width = 0;
    int height = 0;

private:
    void Release();
};

// A window-format rectangle texture (linear filtering, clamped) and a frame buffer drawing
// into it; AttachTarget leaves the frame buffer bound and tells whether it is complete.
uint32_t CreateTargetTexture(int width, int height);
bool AttachTarget(uint32_t frameBuffer, uint32_t texture);

// The window's own frame buffer is not always 0: the SDL 1.2 layer may draw the window
// through a frame buffer of its own, bound when the video mode is set. Its name is taken
// once, before any target is bound (RenderTargets::Create does this).
void RememberWindowFrameBuffer();
uint32_t WindowFrameBuffer();
// Rebinds the window's frame buffer (only meaningful outside LowSpecMode).
void BindWindowFrameBuffer();
