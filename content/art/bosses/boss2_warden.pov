// The warden of the flooded caverns, seen face on: a coiled, ribbed shell in two whorls,
// cream banded with rust like a nautilus, with a crest of horn spikes along its outer
// whorl and a crown of tentacles and two burning eyes at its mouth on the left. In the
// hub of the coil an armoured iris sits over its core; frame F opens it F thirds of the
// way, so frame 0 is shut armour and frame 3 bares the white-hot core. The game spins the
// picture, so it is lit from the viewer (BbSpinLit) and every part reads at any angle.
#include "studio.inc"
#include "bosses_b.inc"

// The coil: a tube whose centre line runs out from the hub on a logarithmic spiral, as
// thick as Thick times its distance from the hub; each turn touches the one inside it.
#declare Thick = 0.3;
#declare Growth = ln((1 + Thick) / (1 - Thick)) / (2 * pi);
#declare MouthAngle = 196;   // where the coil ends, in degrees (180 is straight left)
#declare MouthRadius = 0.7;  // the centre line's distance from the hub there
#macro CoilRadius(Degrees) MouthRadius * exp(Growth * radians(Degrees - MouthAngle)) #end
#macro CoilPoint(Degrees) (CoilRadius(Degrees) * <cos(radians(Degrees)), sin(radians(Degrees)), 0>) #end

#declare ShellCream = rgb <0.5, 0.42, 0.3>;
#declare ShellRust = rgb <0.22, 0.055, 0.02>;
// Flame stripes across the whorls, waving as they run out, on a wet shell.
#declare Shell = BbSurface(pigment { radial frequency 10 rotate x * -90 warp { turbulence 0.12 }
                                     color_map { [0 ShellRust] [0.45 ShellRust * 1.4] [0.55 ShellCream * 0.75]
                                                 [0.85 ShellCream] [1 ShellRust] } },
                           normal { radial 0.0 }, 0.7, 0)
#declare Horn = BbSurface(pigment { rgb <0.05, 0.035, 0.03> }, normal { radial 0.0 }, 0.9, 0)
#declare HornBase = BbSurface(pigment { rgb <0.28, 0.2, 0.13> }, normal { radial 0.0 }, 0.6, 0)
// Flat armour faces the viewer's light square on: matt, or it would flash white all over.
#declare Armour = BbSurface(pigment { rgb <0.075, 0.07, 0.07> }, normal { dents 0.0 }, 0.0, 0)
#declare ArmourShell = BbSurface(pigment { rgb <0.1, 0.085, 0.08> }, normal { dents 0.0 }, 0.5, 0)
#declare ArmourEdge = BbSurface(pigment { rgb <0.5, 0.34, 0.2> }, normal { dents 0.0 }, 0.0, 0.0)
#declare Flesh = BbSurface(pigment { gradient x scale 0.12 color_map { [0 rgb <0.3, 0.03, 0.05>] [0.5 rgb <0.18, 0.015, 0.035>]
                                                                       [1 rgb <0.3, 0.03, 0.05>] } },
                           normal { radial 0.0 }, 0.8, 0)
#declare Maw = BbSurface(pigment { rgb <0.04, 0.004, 0.008> }, normal { radial 0.0 }, 0.2, 0.0)
#declare Lamp = Emitter(1, rgb <1, 0.38, 0.05>, 1.3)

#declare Coil = union {
  // the chambers: overlapping flattened balls along the spiral, close enough to make one
  // ribbed tube
  #for (I, 0, 44)
    #local D = MouthAngle - I * 16;
    #local R = CoilRadius(D);
    sphere { 0, 1 scale <R * Thick, R * Thick, R * Thick * 0.7> translate CoilPoint(D) }
  #end
  texture { Shell }
}
// Hooked black horns along the outer edge of the outer whorl, growing towards the mouth.
#declare Horns = union {
  #for (I, 0, 10)
    #local D = MouthAngle - 40 - I * 29;
    #local R = CoilRadius(D);
    #local L = R * (0.3 + 0.1 * mod(I, 2));
    #local W = R * Thick * 0.3;
    union {
      sphere { <0, R * (1 + Thick * 0.8), 0>, W * 1.1 texture { HornBase } }
      cone { <0, R * (1 + Thick * 0.8), 0>, W, <-L * 0.25, R * (1 + Thick) + L * 0.6, 0>, W * 0.45 }
      cone { <-L * 0.25, R * (1 + Thick) + L * 0.6, 0>, W * 0.45, <-L * 0.65, R * (1 + Thick) + L, 0>, 0.003 }
      sphere { <-L * 0.25, R * (1 + Thick) + L * 0.6, 0>, W * 0.45 }
      texture { Horn }
      rotate z * (D - 90)
    }
  #end
}
// A row of lamps in the seam between the two whorls, dimmer towards the hub.
#declare Lamps = union {
  #for (I, 2, 16)
    #local D = MouthAngle - I * 21;
    #local R = CoilRadius(D) * (1 - Thick * 0.95);
    sphere { 0, CoilRadius(D) * 0.045 scale <1, 1, 0.6>
             translate <R * cos(radians(D)), R * sin(radians(D)), -CoilRadius(D) * Thick * 0.15> }
  #end
  texture { Lamp }
}

// The mouth: the last chamber opened into a black maw facing down-left under an armoured
// hood with two burning eyes, and a crown of hooked tentacles curling out of it.
#declare MouthAt = CoilPoint(MouthAngle);
#declare MouthR = MouthRadius * Thick;
#declare Mouth = union {
  sphere { 0, 1 scale <MouthR * 1.25, MouthR * 1.1, MouthR * 0.8> translate MouthAt texture { ArmourShell } }
  sphere { 0, 1 scale <MouthR * 0.9, MouthR * 0.6, MouthR * 0.5> translate MouthAt + <-0.06, -0.1, -0.16> texture { Maw } }
  #for (E, 0, 1)
    #local At = MouthAt + <-0.13 + E * 0.17, 0.11 - E * 0.03, -MouthR * 0.75>;
    sphere { At, 0.07 texture { ArmourShell } }
    sphere { 0, 0.055 scale <1, 0.75, 1> BbHeat(0.055, 1.6) translate At + <0, 0, -0.03> }
  #end
  #for (T, 0, 8)
    #local P = array[7];
    #local W = array[7];
    #local Base = MouthAt + <-0.16 + T * 0.04, -0.1 - 0.015 * abs(T - 4), -0.1>;
    #local Dir = 212 + T * 10;   // fanned out from down-left towards down
    #local Curl = (T < 5 ? 1 : -1) * (7 + 4 * mod(T, 3));   // curling in under the mouth
    #local Q = Base;
    #for (K, 0, 6)
      #local P[K] = Q;
      #local W[K] = 0.05 * (1 - K / 7.5);
      #local Q = Q + (0.058 + 0.01 * mod(T, 3)) * <cos(radians(Dir + Curl * K)), sin(radians(Dir + Curl * K)), 0>;
    #end
    object { BbStrand(P, W) texture { Flesh rotate z * (Dir + 90) } }
    cone { P[6], W[6], P[6] + 0.05 * <cos(radians(Dir + Curl * 8)), sin(radians(Dir + Curl * 8)), 0>, 0.002 texture { Horn } }
  #end
}

// The hub: a riveted armour ring round an iris of eight blades, the core glowing under it.
#declare HubR = 0.32;
#macro Hub(Open)
  union {
    difference {
      cylinder { <0, 0, -0.16>, <0, 0, 0.05>, HubR * 1.22 }
      cylinder { <0, 0, -0.2>, <0, 0, 0.1>, HubR * 0.96 }
      torus { HubR * 1.2, 0.06 rotate x * 90 translate z * -0.16 }
      texture { ArmourShell }
    }
    torus { HubR * 1.0, 0.028 rotate x * 90 translate z * -0.15 texture { ArmourEdge } }
    #for (I, 0, 11)
      sphere { <HubR * 1.1, 0, -0.15>, 0.022 rotate z * (I * 30 + 15) texture { ArmourEdge } }
    #end
    object { BbIris(8, HubR, 0.07, Open, Armour, ArmourEdge) translate z * -0.07 }
    // the core: white-hot, seen through the iris as it opens
    sphere { 0, HubR * 0.95 scale <1, 1, 0.25> translate z * 0.1 BbHeat(HubR * 0.95, 1.5) }
  }
#end

#macro Sprite(Frame)
  BbSpinLit(union { object { Coil } object { Horns } object { Lamps } object { Mouth } object { Hub(Frame / 3) }
                    translate <0.04, 0.0, 0> })
#end
Sheet()
