// The retro thruster: a fixed armoured gun pod, nose and gun to the right, held in place by a
// collar of eight retro rockets burning outward and a little forward. Over the 16 frames the
// collar turns by one rocket's spacing (so frame 15 flows into 0) while the flames flicker.
#include "studio.inc"
#include "enemies_b.inc"

#declare Armour = Plates(1, rgb <0.46, 0.5, 0.56>, 0.55, 0.14)
#declare ArmourDark = Paint(1, rgb <0.09, 0.1, 0.12>, 0.4)
#declare Stripes = Coat(pigment { gradient x + y color_map { [0 Amber * 0.9] [0.5 Amber * 0.9] [0.5 rgb 0.02] [1 rgb 0.02] }
                                  scale 0.14 }, 0.5, 0)
#declare Gun = Paint(1, rgb 0.12, 0.8)

// A flame along +y from the origin, Length long.
#macro Flame(Length)
  union {
    sphere { 0, 1 scale <0.09, Length * 0.55, 0.09> translate y * Length * 0.45 }
    sphere { 0, 0.085 }
    Plume(Length, 1.3)
  }
#end

#macro Sprite(Frame)
  #local Turn = Frame / 16 * 45;
  union {
    // the hull: an armoured octagonal body, a hazard-striped nose ring and a sensor eye
    intersection {
      cylinder { <-0.62, 0, 0>, <0.32, 0, 0>, 0.32 }
      box { <-1, -0.3, -0.3>, <1, 0.3, 0.3> rotate x * 45 }
      box { <-1, -0.3, -0.3>, <1, 0.3, 0.3> }
      texture { Armour }
    }
    box { <-0.7, -0.2, -0.2>, <-0.6, 0.2, 0.2> rotate x * 45 texture { ArmourDark } }
    cone { <0.32, 0, 0>, 0.3, <0.52, 0, 0>, 0.18 texture { Stripes } }
    sphere { 0, 0.18 scale <0.5, 1, 1> translate x * 0.52 texture { Armour } }
    sphere { <0.4, 0.13, -0.2>, 0.045 Emitter(1, Hazard, 1.2) }
    // the gun with its muzzle brake
    cylinder { <0.55, 0, 0>, <0.96, 0, 0>, 0.08 texture { Gun } }
    cylinder { <0.84, 0, 0>, <0.98, 0, 0>, 0.105 texture { ArmourDark } }
    // the rocket collar: eight nozzles round a heavy ring
    union {
      cylinder { <-0.08, 0, 0>, <0.08, 0, 0>, 0.44 texture { Armour } }
      torus { 0.44, 0.05 rotate z * 90 texture { ArmourDark } }
      #for (I, 0, 7)
        // Each flame flickers along one track shared by the whole collar, offset by a
        // turn's worth of frames per rocket: after the turn, rocket I takes over exactly
        // where rocket I + 1 began.
        #local U = (I * 16 + Frame) / 128 * 2 * pi;
        #local Flicker = 0.78 + 0.14 * sin(U * 19) + 0.08 * sin(U * 43 + 1);
        union {
          cone { <0, 0.4, 0>, 0.08, <0, 0.55, 0>, 0.1 texture { ArmourDark } }
          object { Flame(0.42 * Flicker) translate y * 0.53 }
          rotate z * -20
          rotate x * (I * 45 + Turn + 22.5)
        }
      #end
      translate x * -0.3
    }
    translate x * -0.09
    rotate x * -22 rotate y * -12
  }
#end
Sheet()
