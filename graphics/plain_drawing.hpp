#pragma once
// SKYREAVER_PLAIN_DRAWING=1 draws frames the straightforward way the cheaper passes stand in
// for (compressed textures everywhere, full-screen copies, bloom as its own pass): the
// reference the screenshot tests hold those passes against, and a way to tell whether a
// fault in the picture comes from them.
bool PlainDrawing();
