// Butterfly: the stolen enemy craft. A segmented organic body, two great wing-like fins
// above and two smaller below, each veined, spread outward so they open as it banks;
// glowing eyes and antennae.
#include "studio.inc"
#include "ship_parts.inc"

#declare UpperWing = array[7] { <0.25, 0.08>, <0.1, 0.5>, <-0.2, 0.86>, <-0.55, 0.9>, <-0.72, 0.7>,
                                <-0.55, 0.35>, <-0.25, 0.1> }
#declare LowerWing = array[6] { <0.05, -0.08>, <-0.12, -0.45>, <-0.4, -0.66>, <-0.62, -0.6>,
                                <-0.55, -0.32>, <-0.3, -0.08> }
#macro Veins(Root, Tips)
  union {
    #for (I, 0, dimension_size(Tips, 1) - 1)
      cylinder { Root, <Tips[I].x, Tips[I].y, 0>, 0.018 }
    #end
    texture { Secondary }
  }
#end
#declare UpperTips = array[4] { <0.05, 0.55>, <-0.25, 0.82>, <-0.55, 0.86>, <-0.66, 0.66> }
#declare LowerTips = array[3] { <-0.14, -0.44>, <-0.42, -0.63>, <-0.58, -0.55> }
#declare WingPair = union {
  union {
    object { Fin(UpperWing, 0.03, 0) texture { Primary } }
    Veins(<0.0, 0.1, 0>, UpperTips)
    sphere { <-0.52, 0.78, 0>, 0.05 texture { CockpitLight } }
    rotate x * -28
  }
  union {
    object { Fin(LowerWing, 0.03, 0) texture { Primary } }
    Veins(<-0.1, -0.1, 0>, LowerTips)
    rotate x * 24
  }
}

#declare Ship = union {
  blob {
    threshold 0.5
    sphere { <0.78, 0.02, 0>, 0.2, 1 }
    sphere { <0.55, 0.03, 0>, 0.26, 1 }
    sphere { <0.25, 0.03, 0>, 0.3, 1 }
    sphere { <-0.05, 0.0, 0>, 0.3, 1 }
    sphere { <-0.35, -0.03, 0>, 0.26, 1 }
    sphere { <-0.62, -0.05, 0>, 0.2, 1 }
    sphere { <-0.82, -0.06, 0>, 0.13, 1 }
    scale <1, 0.82, 0.75>
    texture { Secondary }
  }
  // bands between the body's segments
  #for (X, -0.5, 0.6, 0.28)
    torus { 0.16, 0.022 rotate z * 90 scale <1, 0.85, 0.8> translate <X, 0, 0> texture { Primary } }
  #end
  object { WingPair }
  object { WingPair scale <1, 1, -1> }
  #for (S, -1, 1, 2)
    sphere { <0.8, 0.06, 0.075 * S>, 0.055 texture { CockpitLight } }
    cylinder { <0.82, 0.1, 0.04 * S>, <1.04, 0.3, 0.12 * S>, 0.014 texture { Secondary } }
    sphere { <1.04, 0.3, 0.12 * S>, 0.03 texture { CockpitLight } }
  #end
  sphere { <-0.9, -0.05, 0>, 0.06 texture { CockpitLight } }
}
#include "ship_rig.inc"
