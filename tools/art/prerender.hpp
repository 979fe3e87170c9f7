#pragma once
// Pre-rendered sprite sheets: a description names a POV-Ray scene, the sheet's size and
// cells, how many frames it holds and any number of outputs, each made from one of the
// scene's passes. The scene is told the layout (Columns, Rows, Frames, CellWidth,
// CellHeight), the pass (Pass) and the description's own "declare NAME VALUE" lines, and
// draws every frame into its cell of one render at "oversample" times the sheet's size:
//   output FILE colour          the colour render, straight alpha
//   output FILE layer N         the grey tint layer of material N (1..3), from the colour
//                               render split by the flat material-id pass
//   output FILE glow R [GAIN]   the emission pass as additive light with a halo of R pixels
// Every output is written only when every pass has rendered.
#include "tools/art/generator.hpp"

#include <string>

// The process exit status: 0 when every output was written.
int RunPrerender(ArtContext& context, const std::string& sourcePath, const std::string& outDir);
