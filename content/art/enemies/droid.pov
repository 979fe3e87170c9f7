// DROID: a small round robot on two bird legs, facing right: an egg-shaped body with a
// visor band, one lamp eye, a stub antenna and a little blaster arm. All one light grey
// material: the game tints the picture by the droid's colour. 16 frames of its walk (the
// near foot forward at 0, the far one at 8), feet on the cell's floor.
#include "studio.inc"
#include "enemies_a.inc"
// The floor the feet stand on, just inside the cell's bottom edge; the walker is seen
// level (only turned about the vertical), so a planted foot stays on the same row.
#declare Floor = -ViewSize / 2 + 0.07;
#declare HipY = Floor + 0.52;
#declare Thigh = 0.28;
#declare Shin = 0.3;

#declare Shell = Plates(1, rgb 0.95, 0.5, 0.2)
#declare Smooth = Paint(1, rgb 0.9, 0.5)
#declare Dark = Paint(1, rgb 0.3, 0.6)
#declare Eye = Emitter(1, rgb 1, 1.2)

#declare Body = union {
  sphere { 0, 1 scale <0.36, 0.4, 0.34> texture { Shell } }
  // the visor band round the front and the eye in it
  intersection {
    sphere { 0, 1 scale <0.375, 0.415, 0.355> }
    box { <0.05, 0.02, -1>, <1, 0.2, 1> }
    texture { Dark }
  }
  sphere { <0.32, 0.11, -0.1>, 0.06 texture { Eye } }
  // antenna
  cylinder { <-0.08, 0.36, 0>, <-0.16, 0.56, 0>, 0.02 texture { Dark } }
  sphere { <-0.16, 0.57, 0>, 0.045 texture { Smooth } }
  // a band round the waist and the blaster arm on the near side
  torus { 0.35, 0.03 scale <1, 1, 0.95> translate y * -0.12 texture { Dark } }
  sphere { <0.02, -0.04, -0.34>, 0.09 texture { Smooth } }
  cylinder { <0.02, -0.06, -0.36>, <0.34, -0.12, -0.38>, 0.05 texture { Smooth } }
  cylinder { <0.3, -0.115, -0.38>, <0.42, -0.13, -0.38>, 0.035 texture { Dark } }
}

// A bird leg: the knee bends back; a round foot pad.
#macro Leg(Hip, Foot)
  #local Knee = EnKnee(Hip, Foot + y * 0.06, Thigh, Shin, -1);
  union {
    object { EnStrut(Hip, Knee, 0.06) texture { Smooth } }
    object { EnStrut(Knee, Foot + y * 0.06, 0.05) texture { Dark } }
    intersection {
      sphere { 0, 1 scale <0.13, 0.08, 0.1> }
      plane { -y, 0 }
      translate Foot + x * 0.03
      texture { Smooth }
    }
  }
#end

#macro Sprite(Frame)
  #local P = Frame / 16 * 2 * pi;
  #local Bob = 0.03 * cos(2 * P);
  union {
    object { Body scale 1.1 rotate z * (2 * sin(2 * P)) translate y * (HipY + 0.34 + Bob) }
    #for (S, -1, 1, 2)
      #local Q = P + (S > 0 ? pi : 0);
      #local Hip = <-0.02, HipY + Bob, 0.15 * S>;
      Leg(Hip, <0.22 * cos(Q), Floor + 0.12 * max(0, -sin(Q)), 0.15 * S>)
    #end
    rotate y * 20
  }
#end
Sheet()
