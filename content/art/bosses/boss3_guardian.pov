// The guardian of the machine fortress, side on and facing left: an armoured hull round a
// white-hot core held out in a collar at its front, an upper and a lower armour shell
// hinged over it, a cannon above and below, a spinning gear on its flank and a block of
// vents at its back. Over the sixteen frames the shells swing open and shut on their
// pistons, the cannons recoil, the vents flare and the gear turns one tooth; every motion
// is periodic in the frame, so frame 15 runs on into frame 0. The core stays in sight in
// every frame, CoreX units (a hundred pixels each) left of the centre.
#include "studio.inc"
#include "bosses_b.inc"

#declare CoreX = -0.4;

#declare Hull = BbSurface(pigment { rgb <0.2, 0.21, 0.26> }, normal { dents 0.0 }, 0.5, 0)
#declare HullDark = BbSurface(pigment { rgb <0.07, 0.075, 0.1> }, normal { dents 0.0 }, 0.4, 0)
// Plated armour in two tones of blued steel, the panels parted by dark seams.
#declare Plate = BbSurface(pigment { gradient x scale 0.44
                                     color_map { [0 rgb <0.05, 0.05, 0.08>] [0.025 rgb <0.05, 0.05, 0.08>]
                                                 [0.04 rgb <0.3, 0.31, 0.4>] [0.5 rgb <0.26, 0.27, 0.36>]
                                                 [0.5 rgb <0.05, 0.05, 0.08>] [0.525 rgb <0.05, 0.05, 0.08>]
                                                 [0.54 rgb <0.2, 0.21, 0.29>] [1 rgb <0.18, 0.19, 0.26>] } },
                           normal { dents 0.0 }, 0.7, 0)
#declare Copper = BbSurface(pigment { rgb <0.55, 0.25, 0.1> }, normal { dents 0.0 }, 0.8, 0)
#declare Hazard = BbHazardStripes(0.05)
#declare Metal = BbSurface(pigment { rgb <0.5, 0.52, 0.56> }, normal { dents 0.0 }, 0.9, 0)
#declare Lamp = Emitter(1, rgb <1, 0.12, 0.03>, 1.4)

// The pulse of the vents and the cannons' recoil, 0..1 over the loop.
#macro Wave(T, Phase) (0.5 - 0.5 * cos(2 * pi * (T + Phase))) #end

// One armour shell, hinged at the origin and reaching forward (-x) over the core; its inside
// (towards -y) is dark with a glowing seam, its outside plated with a hazard-striped lip.
#declare Shell = union {
  intersection {
    cylinder { <0, 0, -0.42>, <0, 0, 0.42>, 1 scale <1.15, 0.4, 1> translate <-0.2, -0.12, 0> }
    plane { -y, 0.05 }
    plane { x, 0.2 }
    plane { <-1, 0.35, 0>, 1.1 }
    texture { Plate }
  }
  // the lip along its front edge
  intersection {
    cylinder { <0, 0, -0.43>, <0, 0, 0.43>, 1 scale <1.17, 0.42, 1> translate <-0.2, -0.12, 0> }
    plane { -y, 0.05 }
    plane { x, -0.8 }
    plane { <-1, 0.35, 0>, 1.12 }
    texture { Hazard }
  }
  // rivets along its ridge, and a row of warning lamps under them
  #for (I, 0, 4)
    sphere { <-0.1 - I * 0.17, 0.28 - 0.018 * I * I, -0.43>, 0.025 texture { Metal } }
  #end
  #for (I, 0, 2)
    sphere { <-0.2 - I * 0.17, 0.13 - 0.012 * I * I, -0.42>, 0.028 texture { Lamp } }
  #end
  box { <-1.05, -0.06, -0.3>, <0.1, 0.0, 0.3> texture { HullDark } }
}

// A piston from A to B: a fat cylinder from A, a polished rod into it from B.
#macro Piston(A, B)
  #local M = A + (B - A) * 0.55;
  union {
    cylinder { A, M, 0.05 texture { HullDark } }
    cylinder { M - (B - A) * 0.05, B, 0.03 texture { Metal } }
    sphere { A, 0.055 texture { Copper } }
    sphere { B, 0.045 texture { Copper } }
  }
#end

// A cannon along -x from the origin, its barrel pulled back by Recoil (0..1).
#macro Cannon(Recoil)
  union {
    box { <-0.1, -0.09, -0.12>, <0.3, 0.09, 0.12> texture { Hull } }
    box { <0.0, 0.07, -0.121>, <0.25, 0.09, 0.121> texture { Hazard } }
    union {
      cylinder { <-0.1, 0, 0>, <-0.62, 0, 0>, 0.045 }
      cylinder { <-0.5, 0, 0>, <-0.64, 0, 0>, 0.06 }
      cylinder { <-0.3, 0, 0>, <-0.34, 0, 0>, 0.06 }
      texture { Metal }
      translate x * Recoil * 0.12
    }
    cylinder { <0, 0, 0>, <-0.06, 0, 0>, 0.035 BbHeat(0.035, 0.3 + 1.2 * Recoil) translate x * (Recoil * 0.12 - 0.6) }
  }
#end

// The gear on the flank, turned by Turn degrees.
#macro Gear(Turn)
  union {
  union {
    cylinder { <0, 0, -0.08>, <0, 0, 0>, 0.2 }
    #for (I, 0, 7)
      box { <-0.04, 0.17, -0.07>, <0.04, 0.26, 0> rotate z * I * 45 }
    #end
    texture { Copper }
    rotate z * Turn
  }
  cylinder { <0, 0, -0.11>, <0, 0, 0>, 0.08 texture { HullDark } }
  cylinder { <0, 0, -0.12>, <0, 0, 0>, 0.035 texture { Lamp } }
  }
#end

#macro Machine(T)
  #local Open = Wave(T, 0);                     // the shells: 0 shut .. 1 open
  #local Angle = 4 + 22 * Open;
  #local Flare = Wave(T, 0.25);
  union {
    // the hull: a chamfered block with a ridge, behind the core
    intersection {
      box { <-0.3, -0.56, -0.4>, <0.9, 0.56, 0.4> }
      plane { <-1, 1, 0>, 0.48 }
      plane { <-1, -1, 0>, 0.48 }
      plane { <1, 1, 0>, 1.05 }
      plane { <1, -1, 0>, 1.05 }
      texture { Plate }
    }
    box { <-0.2, -0.14, -0.43>, <0.8, 0.14, -0.35> texture { HullDark } }
    box { <-0.15, -0.05, -0.44>, <0.75, 0.05, -0.42> texture { Hazard } }
    // the core held out in a copper collar, and the claws round it
    cylinder { <CoreX + 0.1, 0, 0>, <-0.2, 0, 0>, 0.22 texture { HullDark } }
    torus { 0.25, 0.06 rotate z * 90 translate x * (CoreX + 0.12) texture { Copper } }
    sphere { 0, 0.24 BbHeat(0.24, 1.5) translate x * CoreX }
    #for (I, 0, 3)
      union {
        cylinder { <CoreX + 0.14, 0.27, 0>, <CoreX - 0.02, 0.32, 0>, 0.035 }
        cone { <CoreX - 0.02, 0.32, 0>, 0.035, <CoreX - 0.16, 0.2, 0>, 0.005 }
        sphere { <CoreX - 0.02, 0.32, 0>, 0.035 }
        texture { Metal }
        rotate x * (I * 90 + 45)
      }
    #end
    // the shells and their pistons
    #for (S, -1, 1, 2)
      union {
        object { Shell rotate z * -Angle translate <0.45, 0.46, 0> }
        object { Piston(<0.75, 0.36, -0.3>, vrotate(<-0.4, 0.2, 0>, z * -Angle) + <0.45, 0.46, -0.3>) }
        object { Piston(<0.75, 0.36, 0.3>, vrotate(<-0.4, 0.2, 0>, z * -Angle) + <0.45, 0.46, 0.3>) }
        // the glow inside, bared as the shell lifts
        box { <-0.45, -0.01, -0.3>, <0.35, 0.01, 0.3> BbHeat(0.4, 0.4 + Open) translate <0.1, 0.5, 0> }
        // a cannon on the shoulder, the two recoiling half a loop apart
        object { Cannon(Wave(T, 0.1 + (S + 1) * 0.25)) translate <0.66, 0.8, -0.36> }
        scale <1, S, 1>
      }
    #end
    // the gear on the flank
    object { Gear(T * 45) translate <0.3, 0, -0.41> }
    // the vent block at the back: slats round a flaring fire
    difference {
      box { <0.8, -0.36, -0.32>, <1.16, 0.36, 0.32> }
      #for (I, 0, 4)
        box { <0.86, -0.31 + I * 0.135, -0.4>, <1.3, -0.235 + I * 0.135, 0.26> }
      #end
      texture { Hull }
    }
    box { <-0.17, -0.33, -0.22>, <0.2, 0.33, 0.22> BbHeat(0.24 + 0.1 * Flare, 0.5 + 0.9 * Flare) translate x * 0.98 }
    // red sensor lamps along the hull
    #for (I, 0, 2)
      sphere { <0.1 + I * 0.16, 0.3, -0.39>, 0.03 texture { Lamp } }
    #end
  }
#end

#macro Sprite(Frame)
  // turned about the core to show its face and the top of the hull; the core stays at (CoreX, 0)
  object { Machine(Frame / 16) translate x * -CoreX rotate y * -16 rotate x * 12 translate x * CoreX }
#end
Sheet()
