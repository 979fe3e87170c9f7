// One segment of the Mk III's tail: an armoured bead with three fins round a glowing core,
// rolling a third of a turn over frames 0..14 (the game's phase runs 0..15 and wraps at
// 15, so cell 15 repeats cell 0). Plain steel grey, so it reads white or tinted.
#include "studio.inc"
#declare Steel = Plates(1, rgb 0.42, 0.5, 0.09)
#declare Core = Emitter(3, rgb <0.55, 0.9, 1>, 1.0)
#declare FinPlate = Paint(2, rgb 0.3, 0.6)

#macro Sprite(Frame)
  union {
    sphere { 0, 0.11 scale <1.25, 1, 1> texture { Steel } }
    torus { 0.1, 0.025 rotate z * 90 translate x * 0.06 texture { FinPlate } }
    torus { 0.1, 0.025 rotate z * 90 translate x * -0.06 texture { FinPlate } }
    #for (I, 0, 2)
      box { <-0.08, 0.09, -0.012>, <0.06, 0.19, 0.012> rotate x * I * 120 texture { FinPlate } }
    #end
    sphere { <-0.01, 0, 0>, 0.06 scale <1, 1.5, 1.5> texture { Core } }
    rotate x * (mod(Frame, 15) / 15 * 120)
    rotate x * -18
  }
#end
Sheet()
