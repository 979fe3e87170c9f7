// The docks gunship, side on and facing left: an armoured wedge of a hull with a round,
// empty socket in its middle (the game draws the core into it), a swept pylon up and one
// down to a heavy gun pod at each tip, a hundred pixels (one unit) above and below the
// centre, their barrels along the hull to the left, and two engines burning at its back.
#include "studio.inc"
#include "bosses_b.inc"

#declare Gunmetal = BbSurface(pigment { gradient x scale 0.24 color_map { [0 rgb <0.07, 0.08, 0.09>] [0.05 rgb <0.07, 0.08, 0.09>]
                                                                          [0.08 rgb <0.22, 0.23, 0.24>] [1 rgb <0.2, 0.21, 0.22>] } },
                              normal { dents 0.0 }, 0.6, 0)
#declare Olive = BbSurface(pigment { gradient x scale 0.3 color_map { [0 rgb <0.12, 0.1, 0.05>] [0.05 rgb <0.12, 0.1, 0.05>]
                                                                       [0.08 rgb <0.36, 0.3, 0.16>] [1 rgb <0.32, 0.27, 0.14>] } },
                           normal { dents 0.0 }, 0.5, 0)
#declare Dark = BbSurface(pigment { rgb <0.03, 0.03, 0.035> }, normal { dents 0.0 }, 0.3, 0)
#declare Hazard = BbHazardStripes(0.06)
#declare Steel = BbSurface(pigment { rgb <0.45, 0.47, 0.5> }, normal { dents 0.0 }, 0.9, 0)
#declare Lamp = Emitter(1, rgb <1, 0.12, 0.03>, 1.4)

// A gun pod along -x from its back at the origin: a fat nacelle, a long barrel with a
// cooling jacket and a hot muzzle.
#declare GunPod = union {
  intersection {
    sphere { 0, 1 scale <0.46, 0.085, 0.1> translate x * -0.1 }
    plane { x, 0.25 }
    texture { Gunmetal }
  }
  cylinder { <0.24, 0, 0>, <0.34, 0, 0>, 0.06 texture { Dark } }
  cylinder { <-0.4, 0, 0>, <-0.98, 0, 0>, 0.032 texture { Steel } }
  cylinder { <-0.5, 0, 0>, <-0.8, 0, 0>, 0.048 texture { Dark } }
  #for (I, 0, 4)
    cylinder { <-0.52 - I * 0.06, 0, 0>, <-0.545 - I * 0.06, 0, 0>, 0.055 texture { Steel } }
  #end
  cylinder { <-0.96, 0, 0>, <-1.0, 0, 0>, 0.045 texture { Steel } }
  cylinder { <0, 0, 0>, <-0.03, 0, 0>, 0.026 BbHeat(0.026, 1.3) translate x * -0.975 }
  box { <-0.3, 0.05, -0.101>, <0.05, 0.07, 0.101> texture { Hazard } }
  sphere { <-0.2, 0.0, -0.095>, 0.018 texture { Lamp } }
}

// A pylon from the hull up to the gun pod: a thick swept plate with a hazard edge.
#declare Pylon = union {
  prism { linear_sweep linear_spline -0.07, 0.07, 5,
          <-0.25, 0.25>, <0.45, 0.25>, <0.35, 1.0>, <-0.05, 1.0>, <-0.25, 0.25>
          rotate x * -90 texture { Olive } }
  prism { linear_sweep linear_spline -0.075, 0.075, 5,
          <-0.25, 0.25>, <-0.17, 0.25>, <0.03, 1.0>, <-0.05, 1.0>, <-0.25, 0.25>
          rotate x * -90 texture { Hazard } }
}

#declare Gunship = union {
  // the hull: a long wedge, its nose to the left
  intersection {
    sphere { 0, 1 scale <1.0, 0.44, 0.34> translate x * 0.05 }
    plane { <-1, 0.6, 0>, 0.62 }
    plane { <-1, -0.6, 0>, 0.62 }
    plane { x, 0.82 }
    // the socket's bore
    cylinder { <0, 0, -1>, <0, 0, 1>, 0.4 inverse }
    texture { Gunmetal }
  }
  // the socket: a heavy ring round a dark cup that the core fills
  difference {
    cylinder { <0, 0, -0.36>, <0, 0, 0.1>, 0.5 }
    cylinder { <0, 0, -0.4>, <0, 0, 0.2>, 0.38 }
    texture { Olive }
  }
  torus { 0.44, 0.03 rotate x * 90 translate z * -0.36 texture { Steel } }
  #for (I, 0, 7)
    sphere { <0.47, 0, -0.35>, 0.02 rotate z * (I * 45 + 22.5) texture { Steel } }
  #end
  cylinder { <0, 0, -0.1>, <0, 0, 0.1>, 0.39 texture { Dark } }
  // armour along the nose with a row of lamps, and a ram under it
  intersection {
    sphere { 0, 1 scale <0.7, 0.3, 0.36> translate x * -0.35 }
    plane { x, -0.42 }
    texture { Olive }
  }
  // a slit of red sensors across the nose
  intersection {
    sphere { 0, 1 scale <0.72, 0.31, 0.37> translate x * -0.35 }
    box { <-1.1, 0.03, -1>, <-0.5, 0.08, 1> }
    texture { Lamp }
  }
  // armour slabs over the pylons' roots
  #for (S, -1, 1, 2)
    intersection {
      sphere { 0, 1 scale <0.55, 0.3, 0.38> translate <0.2, 0.3, 0> }
      plane { -y, -0.3 }
      texture { Gunmetal }
      scale <1, S, 1>
    }
  #end
  // the pylons and guns, above and below
  #for (S, -1, 1, 2)
    union {
      object { Pylon }
      object { GunPod translate <0.25, 1.0, 0> }
      scale <1, S, 1>
    }
  #end
  // engines at the back
  #for (S, -1, 1, 2)
    union {
      cylinder { <0.6, 0.2, 0>, <0.98, 0.2, 0>, 0.13 texture { Gunmetal } }
      difference {
        cone { <0.9, 0.2, 0>, 0.14, <1.06, 0.2, 0>, 0.16 }
        cone { <0.92, 0.2, 0>, 0.1, <1.07, 0.2, 0>, 0.13 }
        texture { Dark }
      }
      // glowing intake slits along the engine, the heat showing through
      #for (K, 0, 3)
        box { <0.64 + K * 0.075, -0.09, -0.135>, <0.67 + K * 0.075, 0.09, 0> BbHeat(0.1, 1.1) translate y * 0.2 }
      #end
      cone { <1.0, 0.2, 0>, 0.11, <1.07, 0.2, 0>, 0.125 texture { Lamp } }
      scale <1, S, 1>
    }
  #end
}

#macro Sprite(Frame)
  object { Gunship rotate y * -10 }
#end
Sheet()
