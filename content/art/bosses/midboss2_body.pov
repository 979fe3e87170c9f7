// The cavern creature's body, side on and facing left: a ribbed, wine-dark bell of armour
// with bone ridges, a lure on a stalk arching over its brow and a fringe of feelers under
// it, and one great eye in its middle behind two armoured lids. Frame F opens the lids F
// thirds of the way: frame 0 shows a shut seam, frame 3 the eye open and burning.
#include "studio.inc"
#include "bosses_b.inc"

#declare EyeR = 0.42;
#declare EyeAt = <-0.08, 0, -0.4>;
#declare Flesh = BbSurface(pigment { rgb <0.35, 0.05, 0.07> }, normal { dents 0.0 }, 0.7, 0)
#declare Lid = BbSurface(pigment { gradient y scale 0.2 color_map { [0 rgb <0.2, 0.04, 0.07>] [0.85 rgb <0.2, 0.04, 0.07>]
                                                                  [0.9 rgb <0.55, 0.48, 0.35>] [1 rgb <0.55, 0.48, 0.35>] } },
                         normal { dents 0.0 }, 0.8, 0)

// One lid: the upper half of a shell over the eye, swung up by Angle degrees.
#macro EyeLid(Angle)
  intersection {
    sphere { 0, EyeR * 1.1 }
    sphere { 0, EyeR * 1.02 inverse }
    plane { -y, 0 }
    texture { Lid }
    rotate x * Angle
  }
#end

#declare Bell = union {
  // the bell: a dome towards the front, ribbed with bone bands
  difference {
    intersection {
      sphere { 0, 1 scale <0.95, 0.82, 0.62> translate x * 0.08 }
      plane { x, 0.95 }
    }
    sphere { EyeAt, EyeR * 1.15 }
    texture { BbCarapace }
  }
  #for (I, 0, 2)
    intersection {
      sphere { 0, 1 scale <0.97, 0.84, 0.64> translate x * 0.08 }
      box { <0.42 + I * 0.16, -1, -1>, <0.46 + I * 0.16, 1, 1> }
      texture { BbRidge }
    }
  #end
  // a bone brow and cheek plate round the socket
  difference {
    torus { EyeR * 1.2, 0.06 rotate x * 90 }
    plane { x, -0.1 rotate z * 30 inverse }
    texture { BbRidge }
    translate EyeAt + <0, 0, -0.02>
  }
  // the back: a frill of plates
  #for (I, 0, 6)
    intersection {
      sphere { 0, 1 scale <0.35, 0.14, 0.3> }
      plane { -x, 0 }
      texture { BbCarapace }
      translate x * 0.82
      rotate z * (I * 26 - 78)
      translate x * 0.1
    }
  #end
  // the socket round the eye
  // feelers under the jaw
  #for (T, 0, 4)
    #local P = array[5];
    #local W = array[5];
    #local Q = <-0.6 + T * 0.22, -0.62 + 0.04 * abs(T - 2), -0.2>;
    #for (K, 0, 4)
      #local P[K] = Q;
      #local W[K] = 0.05 * (1 - K / 5.5);
      #local Q = Q + 0.08 * <sin(radians(20 * (T - 2) + 12 * K)) * (T < 2 ? -1 : 1), -1, 0>;
    #end
    object { BbStrand(P, W) texture { Flesh } }
  #end
  // the lure: a stalk arching forward over the brow to a glowing bulb
  #local P = array[6] { <0.1, 0.7, -0.1>, <-0.1, 0.92, -0.12>, <-0.38, 1.0, -0.14>, <-0.62, 0.94, -0.15>,
                        <-0.78, 0.8, -0.16>, <-0.84, 0.66, -0.16> };
  #local W = array[6] { 0.07, 0.055, 0.045, 0.035, 0.03, 0.025 };
  object { BbStrand(P, W) texture { BbCarapace } }
  sphere { 0, 0.11 BbHeat(0.11, 1.4) translate <-0.86, 0.57, -0.16> }
}

#macro Body(Open)
  #local Angle = 80 * Open;
  union {
    object { Bell }
    union {
      sphere { 0, EyeR BbHeat(EyeR, 1.5) }
      // a dark slit pupil in the burning eye
      sphere { 0, EyeR * 1.01 scale <0.12, 0.72, 1.015> texture { pigment { rgb 0.02 } finish { ambient 0 diffuse 0.3 } } }
      object { EyeLid(Angle) }
      object { EyeLid(Angle) scale <1, -1, 1> }
      translate EyeAt
    }
  }
#end

#macro Sprite(Frame)
  object { Body(Frame / 3) rotate y * -10 scale 0.9 }
#end
Sheet()
