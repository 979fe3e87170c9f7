#pragma once
// Opening the game window and preparing the image library and the OpenGL extensions.

bool InitVideo(const char* title, int width, int height, int bitsPerPixel, bool vsync, bool fullscreen);
void InitImageLibrary();
// Only GLEW and multitexturing are hard requirements; the rest lowers to LowSpecMode.
bool InitExtensions();
// Closes the window and every SDL subsystem; safe when nothing was opened.
void ShutdownVideo();
