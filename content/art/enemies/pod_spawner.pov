// POD SPAWNER: a seed pod, its nose to the right: five bronze husk plates round a glowing
// amber core that shows through the seams, a hard pointed nose and a tuft of hooked spines
// at the back. Over the 15 frames it spins two fifths of a turn about its long axis, which
// brings the five plates back where they started, so the loop is seamless.
#include "studio.inc"
#include "enemies_a.inc"

#declare Husk = Plates(1, rgb <0.24, 0.1, 0.035>, 0.5, 0.16)
#declare Rib = Paint(1, rgb <0.5, 0.34, 0.18>, 0.6)
#declare Core = Emitter(1, rgb <1, 0.5, 0.1>, 1.2)
#declare Pod = union {
  sphere { 0, 1 scale <0.6, 0.3, 0.3> texture { Core } }
  #for (I, 0, 4)
    // a plate: the shell within a wedge of 54 degrees (so seams of 18 open between them)
    intersection {
      sphere { 0, 1 scale <0.66, 0.36, 0.36> }
      plane { <0, -0.454, 0.891>, 0 }
      plane { <0, -0.454, -0.891>, 0 }
      texture { Husk }
      rotate x * (I * 72)
    }
    // a ridge down the middle of the plate
    intersection {
      sphere { 0, 1 scale <0.68, 0.38, 0.38> }
      box { <-1, 0, -0.03>, <1, 1, 0.03> }
      texture { Rib }
      rotate x * (I * 72)
    }
  #end
  // the nose and the tuft of spines
  cone { <0.5, 0, 0>, 0.16, <0.86, 0, 0>, 0 texture { Rib } }
  cone { <0.76, 0, 0>, 0.06, <0.88, 0, 0>, 0 texture { EnFire } }
  #for (I, 0, 4)
    union {
      cylinder { <-0.5, 0, 0>, <-0.76, 0.2, 0>, 0.03 }
      cone { <-0.76, 0.2, 0>, 0.03, <-0.72, 0.3, 0>, 0 }
      rotate x * (I * 72 + 36)
      texture { Rib }
    }
  #end
}

#macro Sprite(Frame)
  object { Pod rotate x * (Frame / 15 * 144) rotate y * 24 rotate z * 6 }
#end
Sheet()
