// The glow every orb-weapon power-up wears: a faint warm centre and a ring of light that
// swells and fades twice over the 32 frames, kept dim enough that the weapon's own colour
// still reads through it. Only the emission pass is used.
#include "studio.inc"
#macro Sprite(Frame)
  #local Phase = mod(Frame, 16) / 16;
  union {
    sphere { 0, 0.05 Emitter(1, rgb 0.3, 1) }
    torus { 0.2 + 0.16 * Phase, 0.02 rotate x * 90 Emitter(1, rgb 0.4 * (1 - Phase), 1) }
  }
#end
Sheet()
