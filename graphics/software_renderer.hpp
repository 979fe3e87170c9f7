#pragma once
// Whether the OpenGL context is one of Mesa's software rasterisers (llvmpipe, softpipe,
// swrast). They decode a compressed texture on every fetch, so there the game keeps its
// textures as plain 8-bit pixels instead, all but the sheets of small sprites, whose few
// pixels a frame cost little to decode. Needs a current context; asked once.
bool SoftwareRenderer();
