// Mk III: a slender needle with forward-swept wings and a dorsal spine; the segmented tail
// ("GFX/Ship3Tail.tga") hangs from the glowing socket at its back.
#include "studio.inc"
#include "ship_parts.inc"

#declare Side = array[8] { <1.06, 0>, <0.55, 0.07>, <0.2, 0.13>, <-0.3, 0.15>, <-0.62, 0.09>,
                           <-0.62, -0.09>, <-0.2, -0.12>, <0.5, -0.06> }
#declare Plan = array[7] { <1.06, 0>, <0.5, 0.07>, <0.0, 0.13>, <-0.62, 0.11>, <-0.62, -0.11>,
                           <0.0, -0.13>, <0.5, -0.07> }
#declare WingPlan = array[4] { <-0.38, 0.1>, <-0.02, 0.66>, <-0.16, 0.66>, <-0.56, 0.1> }
#declare EdgePlan = array[4] { <-0.38, 0.1>, <-0.02, 0.66>, <-0.07, 0.66>, <-0.44, 0.1> }
#declare Canard = array[4] { <0.58, 0.05>, <0.42, 0.26>, <0.34, 0.26>, <0.4, 0.05> }
#declare Spine = array[4] { <0.12, 0.12>, <-0.5, 0.27>, <-0.64, 0.22>, <-0.6, 0.08> }

#declare Ship = union {
  object { Hull(Side, Plan) texture { Primary } }
  object { Canopy(<0.22, 0.1, 0>, <0.42, 0.1, 0.075>) texture { CockpitGlass } }
  #for (S, -1, 1, 2)
    union {
      object { Wing(WingPlan, 0.04, -0.03) texture { Primary } }
      object { Wing(EdgePlan, 0.05, -0.03) texture { Secondary } }
      object { Wing(Canard, 0.03, -0.02) texture { Secondary } }
      sphere { <-0.07, -0.03, 0.66>, 0.035 texture { CockpitLight } }
      Engine(<-0.62, -0.07, 0.15>, 0.065, 0.32, Secondary, CockpitLight)
      scale <1, 1, S>
    }
  #end
  object { Fin(Spine, 0.04, 0) texture { Secondary } }
  torus { 0.085, 0.03 rotate z * 90 translate x * -0.66 texture { Secondary } }
  sphere { <-0.7, 0, 0>, 0.065 texture { CockpitLight } }
  cylinder { <0.6, -0.05, 0>, <1.12, -0.05, 0>, 0.018 texture { Metal } }
}
#include "ship_rig.inc"
