#pragma once
// What the shell screens use of the engine's shared media: the main font, shader programs,
// the sample table and the main music track, gathered in one place.
#include "graphics/bitmap_font.hpp"
#include "graphics/shader_set.hpp"

#include <string>

class Engine;

BitmapFont& ShellFont(Engine& engine);
ShaderSet& ShellShaders(Engine& engine);
// Effect by sample-table index: 0..31, 32 menu move, 33 menu select.
void PlayEffect(Engine& engine, int index);
// Frees the main track, loads the file and plays it; false when the load failed (logged).
bool PlayMusic(Engine& engine, const std::string& file, bool loop);
void FreeMusic(Engine& engine);

constexpr int MenuMoveSound = 32;
constexpr int MenuSelectSound = 33;
