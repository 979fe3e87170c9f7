#pragma once
// Drawing steps the shell screens share.
#include <cstdint>

// Clears the window to a colour and sets the 640 x 480 view.
void BeginScreen(float r, float g, float b);
// A textured quad from (x0, y0) to (x1, y1), texture coordinates 0..1, in the current colour.
void DrawPicture(uint32_t texture, float x0, float y0, float x1, float y1, bool linear);
// A 512 x 512 picture centred at (64.5, -16)..(576.5, 496), its outermost texel columns
// stretched over the strips left and right of it.
void DrawPictureWithStrips(uint32_t texture, int textureWidth);
// A video's current frame over (x0, y0)..(x1, y1), only the decoded part of its texture;
// nothing while the video has no frame yet.
class VideoTexture;
class ShaderSet;
void DrawVideoFrame(const VideoTexture* video, ShaderSet& shaders, float x0, float y0, float x1, float y1);
void FillRect(float x0, float y0, float x1, float y1, float r, float g, float b, float a);
