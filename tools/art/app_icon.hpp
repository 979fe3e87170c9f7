#pragma once
// The desktop icon (kind "app-icon"): the ship the game flies, tinted the way the game tints
// it, on a dark disc with a lit rim. It is made from pictures the pipeline has already
// written, so the icon never drifts from the game's art:
//   sizes 48 64 128 256            one PNG per size, each composed at that size
//   layer FILE R G B S             a grey tint layer under the run directory and the
//                                  game's colour for it (RGB times S, as its shader does)
//   disc CENTRE EDGE, rim COLOUR, halo COLOUR, fill F   (the ship's extent over the disc)
// Writes OUTDIR/<N>x<N>/apps/<output>, the layout of a hicolor icon theme.
#include "tools/art/generator.hpp"

#include <string>

// The process exit status: 0 when every size was written.
int RunAppIcon(ArtContext& context, const std::string& sourcePath, const std::string& runDir,
               const std::string& outDir);
