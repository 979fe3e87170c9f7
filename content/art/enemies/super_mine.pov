// SUPER MINE: a dark steel ball of fourteen spikes split by a glowing seam, its red core
// showing through the seam and through eight ports. Over the 8 frames the ball turns a
// quarter round (which brings the spikes back where they started) and the core pulses
// once, so the last frame leads into the first.
#include "studio.inc"
#include "enemies_a.inc"
#declare Shell = 0.4;
#declare MineSkin = Paint(1, rgb <0.13, 0.14, 0.17>, 0.8)

#macro Spike(Direction)
  #local D = vnormalize(Direction);
  union {
    cone { D * (Shell - 0.05), 0.11, D * 0.78, 0.0 texture { EnSteelPlain } }
    cone { D * 0.66, 0.034, D * 0.8, 0.0 texture { EnFire } }
    cylinder { D * (Shell - 0.02), D * (Shell + 0.05), 0.12 texture { EnGunmetal } }
  }
#end

#macro Sprite(Frame)
  #local Phase = Frame / 8;
  #local Pulse = 0.5 - 0.5 * cos(Phase * 2 * pi);
  #local CoreLight = Emitter(1, rgb <1, 0.06 + 0.14 * Pulse, 0.03 + 0.05 * Pulse>, 0.45 + 1.1 * Pulse)
  union {
    difference {
      sphere { 0, Shell }
      box { <-1, -0.07, -1>, <1, 0.07, 1> }
      #for (I, 0, 7)
        cylinder { 0, vrotate(<1, (I < 4 ? 1 : -1), 0>, y * I * 90), 0.13 }
      #end
      texture { MineSkin }
    }
    sphere { 0, Shell - 0.07 texture { CoreLight } }
    sphere { 0, 0.1 + 0.1 * Pulse Emitter(1, rgb <1, 0.55, 0.35>, 0.8 + 0.8 * Pulse) }
    #for (I, 0, 3)
      Spike(vrotate(x, y * I * 90))
    #end
    Spike(y)
    Spike(-y)
    #for (I, 0, 7)
      Spike(vrotate(<1, (I < 4 ? 1 : -1), 1>, y * I * 90))
    #end
    rotate y * (Phase * 90)
    rotate x * -22
    rotate z * 8
  }
#end
Sheet()
