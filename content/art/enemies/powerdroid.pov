// POWERDROID: a stout two-legged walker facing right (turned a little toward the viewer):
// a squat bevelled body with a red visor and a hazard-striped chest, carrying a glowing
// amber power cell in a cage on its back. `Flying` 0: 16 frames of its walk (the near
// foot forward at 0, the far one at 8; the feet on the cell's floor); 1: 16 frames of
// flight, legs tucked under the body and two jets firing down and back, flickering. Only
// the jets are emission (the fly glow); the cell and visor light only the lit picture.
#include "studio.inc"
#include "enemies_a.inc"
#ifndef (Flying) #declare Flying = 0; #end
// The floor the feet stand on, just inside the cell's bottom edge; the walker is seen
// level (only turned about the vertical), so a planted foot stays on the same row.
#declare Floor = -ViewSize / 2 + 0.07;
#declare HipY = Floor + 0.56;
#declare Thigh = 0.32;
#declare Shin = 0.32;
#declare Turn = 28;

#declare CellGlass = EnSelfLit(rgb <1, 0.42, 0.06>, 1.1)
#declare CellCore = EnSelfLit(rgb <1, 0.9, 0.6>, 1.5)

#declare Torso = union {
  // the body: a rounded block, hazard stripes on the chest, a visor slot in front
  object { EnBevelBox(<-0.42, -0.32, -0.34>, <0.42, 0.3, 0.34>, 0.17) texture { EnSteel } }
  // a hazard-striped chest plate and an amber band round the waist
  object { EnBevelBox(<0.3, -0.26, -0.26>, <0.46, 0.02, 0.26>, 0.04) EnHazardStripes(EnAmberHue * 0.9, 0.12) }
  box { <-0.44, -0.2, -0.3>, <0.44, -0.14, 0.3> texture { EnAmber } }
  box { <-0.38, -0.2, -0.36>, <0.38, -0.14, 0.36> texture { EnAmber } }
  object { EnBevelBox(<0.1, 0.08, -0.22>, <0.46, 0.3, 0.22>, 0.06) texture { EnGunmetal } }
  box { <0.38, 0.15, -0.17>, <0.51, 0.21, 0.17> EnSelfLit(rgb <1, 0.12, 0.05>, 1.4) }
  // hip joints
  #for (S, -1, 1, 2)
    cylinder { <0, -0.24, 0.3 * S>, <0, -0.24, 0.38 * S>, 0.14 texture { EnGunmetal } }
  #end
  // the power cell in its cage on the back: a glass tube round a hot core
  union {
    cylinder { <0, -0.24, 0>, <0, 0.32, 0>, 0.19 texture { CellGlass } }
    cylinder { <0, -0.18, 0>, <0, 0.26, 0>, 0.08 texture { CellCore } }
    #for (Y, -0.08, 0.2, 0.14)
      cylinder { <0, Y - 0.025, 0>, <0, Y + 0.025, 0>, 0.2 texture { EnGunmetal } }
    #end
    cylinder { <0, -0.32, 0>, <0, -0.22, 0>, 0.23 texture { EnGunmetal } }
    cylinder { <0, 0.3, 0>, <0, 0.4, 0>, 0.23 texture { EnGunmetal } }
    cylinder { <0, 0.4, 0>, <0, 0.47, 0>, 0.07 texture { EnSteelPlain } }
    #for (I, 0, 4)
      cylinder { <0.21, -0.24, 0>, <0.21, 0.32, 0>, 0.03 rotate y * (I * 72 + 20) texture { EnSteelPlain } }
    #end
    rotate z * 16
    translate <-0.42, 0.3, 0>
  }
  // a stub gun under the chin
  cylinder { <0.2, -0.2, 0>, <0.6, -0.22, 0>, 0.065 texture { EnGunmetal } }
  cylinder { <0.5, -0.22, 0>, <0.62, -0.225, 0>, 0.08 texture { EnSteelPlain } }
}

// One leg from the hip to a foot: a thick thigh, a knee guard, a shin and a broad foot.
#macro Leg(Hip, Foot)
  #local Knee = EnKnee(Hip, Foot + y * 0.1, Thigh, Shin, 1);
  union {
    object { EnStrut(Hip, Knee, 0.11) texture { EnSteelPlain } }
    object { EnStrut(Knee, Foot + y * 0.1, 0.085) texture { EnGunmetal } }
    sphere { Knee + x * 0.03, 0.12 texture { EnAmber } }
    object { EnBevelBox(<-0.16, 0, -0.12>, <0.24, 0.1, 0.12>, 0.04) translate Foot texture { EnSteel } }
  }
#end

// A jet: a hot core in a flame of amber light, pointing along Direction from Mouth.
#macro Jet(Mouth, Direction, Length)
  #local D = vnormalize(Direction);
  union {
    cone { Mouth - D * 0.12, 0.1, Mouth, 0.13 texture { EnGunmetal } }
    cone { Mouth, 0.08, Mouth + D * Length, 0.0 Emitter(1, rgb <1, 0.92, 0.7>, 1.4) }
    cone { Mouth - D * 0.01, 0.12, Mouth + D * Length * 1.8, 0.0 Haze(1, rgb <1, 0.42, 0.06>, 1.3, 0.3) }
  }
#end

#macro Sprite(Frame)
  #local P = Frame / 16 * 2 * pi;
  union {
    #if (Flying)
      union {
        object { Torso }
        #for (S, -1, 1, 2)
          #local Hip = <-0.04, -0.22, 0.2 * S>;
          Leg(Hip, Hip + <-0.12, -0.28, 0>)
          #local Flicker = 0.05 * sin(3 * P + S) + 0.035 * sin(5 * P + 2 * S);
          Jet(<-0.2, -0.5, 0.2 * S>, <-0.5, -1, 0>, 0.24 + Flicker)
        #end
        rotate z * -6
        translate y * (HipY + 0.38 + 0.03 * sin(P))
      }
    #else
      #local Bob = 0.03 * cos(2 * P);
      object { Torso translate y * (HipY + 0.3 + Bob) }
      #for (S, -1, 1, 2)
        #local Q = P + (S > 0 ? pi : 0);
        #local Hip = <0.0, HipY + Bob, 0.2 * S>;
        #local Foot = <0.28 * cos(Q), Floor + 0.12 * max(0, -sin(Q)), 0.2 * S>;
        Leg(Hip, Foot)
      #end
    #end
    rotate y * Turn
  }
#end
Sheet()
