// The gun pod ("bit"): a small drone with a forward barrel, a lit eye and three fins,
// rolling a third of a turn over frames 0..14 (the game's frame runs 0..15 and wraps at
// 15). Cell 15 is its arrival flash: the same drone glowing white.
#include "studio.inc"
#macro Sprite(Frame)
  #local Flash = (Frame = 15);
  #if (Flash)
    #local Body = Emitter(1, rgb 1, 1.2)
    #local Trim = texture { Body }
  #else
    #local Body = Plates(1, rgb 0.4, 0.6, 0.1)
    #local Trim = Paint(1, rgb <0.22, 0.26, 0.32>, 0.5)
  #end
  #local Eye = Emitter(1, rgb <0.45, 0.9, 1>, 1.2)
  union {
    sphere { 0, 0.16 scale <1.35, 1, 1> texture { Body } }
    cylinder { <0.12, 0, 0>, <0.34, 0, 0>, 0.035 texture { Trim } }
    torus { 0.13, 0.03 rotate z * 90 translate x * -0.04 texture { Trim } }
    #for (I, 0, 2)
      box { <-0.24, 0.1, -0.015>, <-0.02, 0.27, 0.015> rotate x * (I * 120 + mod(Frame, 15) / 15 * 120)
            texture { Trim } }
    #end
    sphere { <0.15, 0.05, 0>, 0.05 rotate x * mod(Frame, 15) / 15 * 120 texture { Eye } }
    sphere { <-0.22, 0, 0>, 0.05 texture { Eye } }
    rotate x * -18
  }
#end
Sheet()
