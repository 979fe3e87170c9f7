// The power-ups, one scene for all: `Kind` 0..8 as the game numbers them. Each spins once
// round over its 32 frames and its light pulses twice. The seven orb weapons share a
// steel ring and differ by the colour and shape of the crystal inside it:
//   0 laser, blue: a long diamond      1 arc, cyan: a lightning bolt
//   2 bio, green: a cluster of cells   3 trawler, orange: a three-pronged claw
//   4 plasma, purple: an orb in two rings   5 magma, red: a spiked ball
//   6 boomer, yellow: a boomerang
// 7 is a gun pod and 8 a missile, in steel with cyan and amber lights. What emits light is
// also drawn alone in the emission pass, which makes the kinds' glow sheets.
#include "studio.inc"
#ifndef (Kind) #declare Kind = 0; #end
#declare Hues = array[9] { rgb <0.3, 0.5, 1>, rgb <0.3, 0.9, 1>, rgb <0.5, 1, 0.25>, rgb <1, 0.55, 0.1>,
                           rgb <0.7, 0.35, 1>, rgb <1, 0.2, 0.12>, rgb <1, 0.85, 0.2>, rgb <0.3, 0.85, 1>,
                           rgb <1, 0.6, 0.15> };
#declare Hue = Hues[Kind];
#declare Steel = Plates(1, rgb 0.42, 0.6, 0.08)
#declare DarkSteel = Paint(1, rgb <0.16, 0.18, 0.22>, 0.6)

#macro Crystal(Frame, Light)
  #local Glow = Emitter(1, Hue, Light)
  #switch (Kind)
    #case (0)
      union {
        prism { linear_spline -0.05, 0.05, 5, <0.3, 0>, <0, 0.12>, <-0.3, 0>, <0, -0.12>, <0.3, 0> rotate x * 90 }
        prism { linear_spline -0.05, 0.05, 5, <0.3, 0>, <0, 0.12>, <-0.3, 0>, <0, -0.12>, <0.3, 0> }
        texture { Glow }
      }
    #break
    #case (1)
      prism { linear_spline -0.05, 0.05, 7, <0.08, 0.3>, <-0.12, -0.02>, <0.02, -0.02>, <-0.08, -0.3>,
              <0.14, 0.04>, <0.0, 0.04>, <0.08, 0.3> rotate x * -90 texture { Glow } }
    #break
    #case (2)
      blob { threshold 0.5
        #for (I, 0, 4)
          sphere { <0.12 * cos(I * 72 * pi / 180 + Frame / 32 * 4 * pi),
                    0.12 * sin(I * 72 * pi / 180 + Frame / 32 * 4 * pi), 0.05 * sin(I * 2.1)>, 0.15, 1 }
        #end
        texture { Glow } }
    #break
    #case (3)
      union {
        sphere { 0, 0.09 }
        #for (I, 0, 2)
          intersection { torus { 0.16, 0.035 rotate x * 90 } box { <0, -1, -1>, <1, 1, 1> }
                         translate x * -0.16 rotate z * (I * 120) translate <0.1 * cos(I * 120 * pi / 180), 0.1 * sin(I * 120 * pi / 180), 0> }
        #end
        texture { Glow } }
    #break
    #case (4)
      union {
        sphere { 0, 0.13 texture { Glow } }
        torus { 0.23, 0.025 rotate x * 90 rotate y * 30 texture { Glow } }
        torus { 0.23, 0.025 rotate x * 90 rotate y * -30 texture { Glow } }
      }
    #break
    #case (5)
      union {
        sphere { 0, 0.13 }
        #for (I, 0, 7)
          cone { 0, 0.06, <0.27, 0, 0>, 0 rotate z * (I * 45) rotate x * (mod(I, 2) * 40 - 20) }
        #end
        texture { Glow } }
    #break
    #else
      union {
        box { <-0.04, -0.04, -0.035>, <0.3, 0.04, 0.035> rotate z * 50 }
        box { <-0.04, -0.04, -0.035>, <0.3, 0.04, 0.035> rotate z * -50 }
        sphere { 0, 0.055 }
        translate x * -0.08
        texture { Glow } }
  #end
#end

#macro Sprite(Frame)
  #local Turn = Frame / 32 * 360;
  #local Light = 1.0 + 0.25 * cos(Frame / 32 * 4 * pi);
  union {
    #if (Kind < 7)
      object { Crystal(Frame, Light) rotate y * Turn }
      sphere { 0, 0.05 Emitter(1, rgb 1, 1.4) }
      torus { 0.34, 0.03 rotate x * 90 rotate y * -Turn rotate x * 25 texture { Steel } }
      #for (I, 0, 3)
        sphere { <0.34, 0, 0>, 0.045 rotate z * (I * 90) rotate y * -Turn rotate x * 25 texture { DarkSteel } }
      #end
    #else
      #if (Kind = 7)
        union {
          sphere { 0, 0.17 scale <1.3, 1, 1> texture { Steel } }
          cylinder { <0.14, 0, 0>, <0.36, 0, 0>, 0.04 texture { DarkSteel } }
          #for (I, 0, 2)
            box { <-0.26, 0.11, -0.015>, <-0.02, 0.28, 0.015> rotate x * I * 120 texture { DarkSteel } }
          #end
          sphere { <0.16, 0.06, 0>, 0.055 Emitter(1, rgb <0.45, 0.9, 1>, Light) }
          sphere { <-0.24, 0, 0>, 0.06 Emitter(1, rgb <0.45, 0.9, 1>, Light) }
          rotate x * Turn
          rotate z * 20
        }
      #else
        union {
          cylinder { <-0.28, 0, 0>, <0.18, 0, 0>, 0.07 texture { Steel } }
          cone { <0.18, 0, 0>, 0.07, <0.36, 0, 0>, 0 Paint(1, rgb <0.6, 0.12, 0.08>, 0.5) }
          #for (I, 0, 3)
            prism { linear_spline -0.012, 0.012, 4, <-0.28, 0.06>, <-0.14, 0.06>, <-0.3, 0.18>, <-0.28, 0.06>
                    rotate x * -90 rotate x * (I * 90) texture { DarkSteel } }
          #end
          sphere { 0, 0.06 scale <1.6, 1, 1> translate x * -0.31 Emitter(1, Hue, Light) }
          rotate x * Turn
          rotate z * 35
        }
      #end
    #end
  }
#end
Sheet()
