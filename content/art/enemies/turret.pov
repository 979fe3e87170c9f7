// The floor guns: `Heavy` 0 the turret (a steel ball mount on a low plinth, one long
// barrel, an amber sensor eye) and 1 the super turret (a striped plinth with a pedestal,
// a red armoured drum and twin barrels with muzzle brakes). Frame F aims the barrel from
// pointing left (0) through straight up (15, 16) to pointing right (31); the plinth stands
// on the bottom of the cell.
#include "studio.inc"
#include "enemies_a.inc"
#ifndef (Heavy) #declare Heavy = 0; #end
// Seen a little from above: the floor is set so that the plinth's front edge, after the
// tilt, rests just inside the cell's bottom edge; the barrel's pivot stands above it.
#declare Tilt = 14;
#declare Reach = (Heavy ? 0.4 : 0.62);
#declare Floor = (-ViewSize / 2 + 0.06 + Reach * sin(radians(Tilt))) / cos(radians(Tilt));
#declare PivotY = Floor + (Heavy ? 0.62 : 0.42);

#declare Plinth = union {
  #if (Heavy)
    box { <-0.92, 0, -0.4>, <0.92, 0.13, 0.4> EnHazardStripes(EnAmberHue * 0.9, 0.16) }
    prism { linear_spline -0.34, 0.34, 5, <-0.8, 0.12>, <0.8, 0.12>, <0.56, 0.32>, <-0.56, 0.32>, <-0.8, 0.12>
            rotate x * -90 texture { EnGunmetal } }
    cylinder { <0, 0.3, 0>, <0, 0.5, 0>, 0.3 texture { EnSteel } }
    #for (S, -1, 1, 2)
      sphere { <0.68 * S, 0.2, -0.3>, 0.04 texture { EnSteelLight } }
    #end
  #else
    cone { <0, 0, 0>, 0.62, <0, 0.18, 0>, 0.46 texture { EnSteel } }
    cylinder { <0, 0.17, 0>, <0, 0.23, 0>, 0.44 texture { EnAmber } }
    #for (I, 0, 5)
      sphere { <0.53, 0.08, 0>, 0.035 rotate y * (I * 60 + 30) texture { EnSteelLight } }
    #end
  #end
  translate y * Floor
}

// The part that turns with the aim, built pointing right (+x) about the pivot.
#declare Gun = union {
  #if (Heavy)
    // the drum turns on its axle (z); the breech and twin barrels stand out of it
    cylinder { <0, 0, -0.3>, <0, 0, 0.3>, 0.4 texture { EnRed } }
    cylinder { <0, 0, -0.32>, <0, 0, 0.32>, 0.3 texture { EnGunmetal } }
    torus { 0.35, 0.03 rotate x * 90 translate z * -0.3 texture { EnAmber } }
    box { <0.1, -0.24, -0.22>, <0.52, 0.24, 0.22> texture { EnGunmetal } }
    box { <-0.5, -0.16, -0.2>, <-0.2, 0.16, 0.2> texture { EnRed } }
    #for (S, -1, 1, 2)
      cylinder { <0.4, 0.12 * S, 0>, <0.95, 0.12 * S, 0>, 0.07 texture { EnGunmetal } }
      cylinder { <0.8, 0.12 * S, 0>, <0.94, 0.12 * S, 0>, 0.095 texture { EnSteelPlain } }
    #end
    sphere { <0, 0, -0.31>, 0.07 texture { EnLampRed } }
  #else
    sphere { 0, 0.38 texture { EnSteel } }
    // the sensor eye that looks where the barrel points
    sphere { <0.2, -0.13, -0.27>, 0.055 texture { EnLampAmber } }
    cylinder { <0.2, 0, 0>, <0.92, 0, 0>, 0.075 texture { EnGunmetal } }
    cylinder { <0.3, 0, 0>, <0.5, 0, 0>, 0.1 texture { EnSteelPlain } }
    cylinder { <0.84, 0, 0>, <0.93, 0, 0>, 0.095 texture { EnSteelLight } }
  #end
}

#macro Sprite(Frame)
  #local Aim = 180 - Frame * 180 / 31;
  union {
    object { Plinth }
    object { Gun rotate z * Aim translate y * PivotY }
    rotate x * -Tilt
  }
#end
Sheet()
