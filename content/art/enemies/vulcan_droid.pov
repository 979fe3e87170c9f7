// VULCANDROID: a big hunched walker facing right, dark gunmetal with a hazard-striped belly,
// fire-edged shoulder plates and a red visor sunk between them, carrying a six-barrel
// rotary cannon on a mount over both shoulders (centred, so the turn ends in the mirror of
// the start). Knees bend forward, unlike the small droid's bird legs. `Sequence` 0: 16
// frames of its heavy walk, the barrels turning; 1: 8 frames of the turn from facing right
// (0) to facing left (7); 2: 8 frames of the squat from standing (0) to crouched with the
// gun raised (7). Feet on the cell's floor.
#include "studio.inc"
#include "enemies_a.inc"
#ifndef (Sequence) #declare Sequence = 0; #end
// The floor the feet stand on, just inside the cell's bottom edge; the walker is seen
// level (only turned about the vertical), so a planted foot stays on the same row.
#declare Floor = -ViewSize / 2 + 0.07;
#declare HipY = Floor + 0.66;
#declare Thigh = 0.38;
#declare Shin = 0.38;
// Turned a little toward the viewer, so the visor shows; the turn ends at the mirror image.
#declare Yaw = 22;

#declare Hull = Plates(1, rgb <0.14, 0.15, 0.17>, 0.7, 0.16)
#declare Trim = Paint(1, rgb <0.3, 0.32, 0.36>, 0.6)

#declare Torso = union {
  // a hunched wedge of armour, deeper at the shoulders
  intersection {
    object { EnBevelBox(<-0.4, -0.28, -0.34>, <0.36, 0.3, 0.34>, 0.1) }
    plane { <0.5, 1, 0>, 0.32 }
    texture { Hull }
  }
  // the head sunk between the shoulders: a visor slit
  object { EnBevelBox(<0.12, -0.02, -0.17>, <0.44, 0.2, 0.17>, 0.06) texture { Trim } }
  box { <0.3, 0.06, -0.13>, <0.45, 0.12, 0.13> texture { EnLampRed } }
  // shoulder plates with hot edges
  #for (S, -1, 1, 2)
    intersection {
      sphere { 0, 1 scale <0.3, 0.2, 0.12> }
      plane { -y, 0 }
      translate <-0.06, 0.12, 0.36 * S>
      texture { Trim }
    }
    torus { 1, 0.04 scale <0.3, 1, 0.2> translate <-0.06, 0.12, 0.38 * S> texture { EnFire } }
  #end
  // a hazard-striped belly plate
  intersection {
    object { EnBevelBox(<-0.41, -0.29, -0.35>, <0.37, 0.31, 0.35>, 0.1) }
    box { <0.0, -0.3, -0.4>, <0.5, -0.08, 0.4> }
    EnHazardStripes(EnHazardHue * 0.8, 0.12)
  }
}

// The rotary cannon, pointing right from its pivot; Spin turns the barrels.
#macro Cannon(Spin)
  union {
    cylinder { <-0.3, 0, 0>, <0.12, 0, 0>, 0.16 texture { Trim } }
    cylinder { <-0.24, 0, 0>, <-0.1, 0, 0>, 0.17 texture { EnFire } }
    union {
      #for (I, 0, 5)
        cylinder { <0.1, 0.08, 0>, <0.7, 0.08, 0>, 0.034 rotate x * (I * 60) }
      #end
      cylinder { <0.1, 0, 0>, <0.7, 0, 0>, 0.045 }
      torus { 0.09, 0.03 rotate z * 90 translate x * 0.25 }
      rotate x * Spin
      texture { EnGunmetal }
    }
    cylinder { <0.58, 0, 0>, <0.66, 0, 0>, 0.135 texture { EnSteelLight } }
    sphere { <-0.05, 0.17, -0.1>, 0.04 texture { EnLampAmber } }
  }
#end

// A leg: heavy thigh under a striped plate, a forward knee, a thick shin and a wide foot.
#macro Leg(Hip, Foot)
  #local Knee = EnKnee(Hip, Foot + y * 0.12, Thigh, Shin, 1);
  union {
    object { EnStrut(Hip, Knee, 0.12) texture { Trim } }
    object { EnStrut(Knee, Foot + y * 0.12, 0.1) texture { Hull } }
    sphere { Knee + x * 0.05, 0.12 texture { EnFire } }
    object { EnBevelBox(<-0.18, 0, -0.13>, <0.26, 0.13, 0.13>, 0.05) translate Foot texture { Trim } }
  }
#end

// The droid standing with its feet at FootA and FootB (x, lift), its hips Drop lower than
// standing height, the cannon raised by Raise degrees and the barrels turned by Spin.
#macro Droid(FootA, FootB, Drop, Bob, Raise, Spin)
  union {
    union {
      object { Torso }
      object { Cannon(Spin) rotate z * Raise translate <0.02, 0.42, 0> }
      cylinder { <0.02, 0.22, 0>, <0.02, 0.4, 0>, 0.1 texture { Trim } }
      rotate z * (-6 + Drop * 20)
      translate y * (HipY + 0.3 - Drop + Bob)
    }
    #for (S, -1, 1, 2)
      #local F = (S < 0 ? FootA : FootB);
      Leg(<0.0, HipY - Drop + Bob, 0.24 * S>, <F.x, Floor + F.y, 0.24 * S>)
    #end
  }
#end

#macro Sprite(Frame)
  union {
    #switch (Sequence)
      #case (0)
        #local P = Frame / 16 * 2 * pi;
        Droid(<0.26 * cos(P), 0.14 * max(0, -sin(P))>, <-0.26 * cos(P), 0.14 * max(0, sin(P))>,
              0, 0.035 * cos(2 * P), 0, Frame / 16 * 120)
      #break
      #case (1)
        // from three-quarters right to three-quarters left, turning through facing the viewer
        object { Droid(<0.08, 0>, <-0.08, 0>, 0, 0, 0, 0) rotate y * (Frame / 7 * (180 - 2 * Yaw)) }
      #break
      #else
        #local T = Frame / 7;
        #local S = T * T * (3 - 2 * T);
        Droid(<0.08 + 0.1 * S, 0>, <-0.08 - 0.04 * S, 0>, 0.26 * S, 0, 34 * S, 0)
    #end
    rotate y * Yaw
  }
#end
Sheet()
