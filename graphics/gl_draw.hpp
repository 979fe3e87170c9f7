#pragma once
// Small OpenGL helpers every renderer shares: the 640 x 480 logical projection, texture
// binding, blend modes and error reporting.
#include <cstdint>

// Perspective frustum whose z = 0 plane maps exactly onto the window in logical units;
// z between -0.5 and +0.5 is drawn with perspective about the top-left corner.
void SetProjection(float width, float height);
void BindTexture(unsigned target, uint32_t texture);
void SetBlend(unsigned source, unsigned destination);
// Makes the unit active, enables 2-D texturing on it and binds the texture.
void BindTextureUnit(int unit, uint32_t texture);
// Parameters of the currently bound 2-D texture.
void SetTextureFilter(int minFilter, int magFilter);
void SetTextureWrap(int wrapS, int wrapT);
// The bound texture, whole, on the rectangle (top row of the picture at the top).
void DrawTexturedQuad(float left, float top, float right, float bottom);
// Part of the texture, u0..u1 and v0..v1, onto the rectangle (a mirrored range flips it).
void DrawTexturedQuad(float left, float top, float right, float bottom, float u0, float v0, float u1, float v1);
// One glGetError; a pending error is printed to standard error.
void CheckGLError();
