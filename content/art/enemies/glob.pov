// The glob a globsack releases: a small blob of toxic jelly around a glowing nucleus, its
// outline wobbling through 16 frames (every lobe swings a whole number of times, so frame
// 15 flows back into 0). Smooth and round on purpose: nothing about it is a spike.
#include "studio.inc"
#include "enemies_b.inc"

// The jelly's shape at phase T, scaled by S (the inner body is a smaller copy).
#macro GlobShape(T, S)
  blob {
    threshold 0.5
    #for (I, 0, 4)
      #local A = I * 72 * pi / 180 + 0.4;
      #local R = 0.13 + 0.06 * sin(T * (1 + mod(I, 2)) + I * 1.7);
      sphere { <R * cos(A), R * sin(A), 0.04 * sin(T + I)>, 0.27 * S, 1 }
    #end
    sphere { 0, 0.22 * S, 1 }
    scale <1 + 0.07 * sin(2 * T), 1 - 0.07 * sin(2 * T), 1>
  }
#end

#macro Sprite(Frame)
  #local T = Frame / 16 * 2 * pi;
  union {
    object { GlobShape(T, 1) Membrane(Toxic * 0.9, 0.45, 0.18, 0.7) }
    object { GlobShape(T + 0.8, 0.72) Paint(1, rgb <0.1, 0.22, 0.03>, 0.1) }
    // the nucleus, and two bubbles drifting round it
    sphere { <0.04 * cos(T), 0.04 * sin(T), -0.16>, 0.075 Emitter(1, rgb <0.85, 1, 0.5>, 1.2) }
    sphere { <0.04 * cos(T), 0.04 * sin(T), -0.15>, 0.12 Haze(1, Toxic, 0.8, 0.5) }
    #for (I, 0, 1)
      sphere { <0.2 * cos(T + I * pi + 1), 0.16 * sin(T + I * pi + 1), -0.2>, 0.035
               Membrane(rgb <0.8, 1, 0.6>, 0.2, 0.5, 0.7) }
    #end
    // violet stains under the skin: flesh, not light
    #for (I, 0, 2)
      sphere { <0.19 * cos(I * 2.1 - T + 2), 0.19 * sin(I * 2.1 - T + 2), -0.06>, 0.06
               Paint(1, Violet * 0.4, 0.2) }
    #end
  }
#end
Sheet()
