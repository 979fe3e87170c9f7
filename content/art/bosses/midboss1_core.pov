// The docks gunship's core, seen face on as it sits in the gunship's socket: a bolted
// bezel round a six-bladed shutter over a white-hot core. Frame F opens the shutter F
// thirds of the way: frame 0 is shut armour with only a dull red warning lamp lit, frame 3
// bares the core, and the bezel's lamps light up with it.
#include "studio.inc"
#include "bosses_b.inc"

#declare Bezel = BbSurface(pigment { rgb <0.3, 0.26, 0.14> }, normal { dents 0.0 }, 0.6, 0)
#declare Blade = BbSurface(pigment { rgb <0.14, 0.15, 0.16> }, normal { dents 0.0 }, 0.35, 0)
#declare BladeEdge = BbSurface(pigment { rgb <0.5, 0.5, 0.48> }, normal { dents 0.0 }, 0.5, 0)
#declare Steel = BbSurface(pigment { rgb <0.45, 0.47, 0.5> }, normal { dents 0.0 }, 0.9, 0)

#macro Core(Open)
  union {
    difference {
      cylinder { <0, 0, -0.3>, <0, 0, 0.2>, 1.08 }
      cylinder { <0, 0, -0.4>, <0, 0, 0.3>, 0.82 }
      torus { 1.08, 0.12 rotate x * 90 translate z * -0.3 }
      texture { Bezel }
    }
    #for (I, 0, 7)
      sphere { <0.95, 0, -0.3>, 0.06 rotate z * (I * 45 + 22.5) texture { Steel } }
      // lamps between the bolts: dull when shut, hot when open
      sphere { <0.95, 0, -0.28>, 0.05 rotate z * (I * 45)
               texture { pigment { rgb <1, 0.3 * Open, 0.03> } finish { ambient 0 diffuse 0.2 emission 0.25 + Open } } }
    #end
    object { BbIris(6, 0.84, 0.12, Open, Blade, BladeEdge) translate z * -0.12 }
    sphere { 0, 0.8 scale <1, 1, 0.25> translate z * 0.25 BbHeat(0.8, 1.5) }
  }
#end

#macro Sprite(Frame)
  object { Core(Frame / 3) }
#end
Sheet()
