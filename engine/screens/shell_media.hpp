#pragma once
// What the shell screens use of the engine's shared media: the main font, shader programs,
// the sample table and the main music track, gathered in one place.
#include "graphics/bitmap_font.hpp"
#include "audio/sound_id.hpp"
#include "graphics/shader_set.hpp"

#include <string>

class Engine;

BitmapFont& ShellFont(Engine& engine);
ShaderSet& ShellShaders(Engine& engine);
// Effect by sample-table index; an index outside the table plays nothing (the sound test
// walks the indices).
void PlayEffect(Engine& engine, int index);
inline void PlayEffect(Engine& engine, SoundId id) { PlayEffect(engine, SoundIndex(id)); }
// Frees the main track, loads the file and plays it; false when the load failed (logged).
bool PlayMusic(Engine& engine, const std::string& file, bool loop);
void FreeMusic(Engine& engine);
