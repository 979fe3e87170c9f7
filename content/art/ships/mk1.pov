// Mk I: a compact arrow fighter. A faceted dart of a hull, delta wings with trimmed leading
// edges, a swept tail fin, a bubble canopy forward and one engine.
#include "studio.inc"
#include "ship_parts.inc"

#declare Side = array[8] { <1.02, -0.03>, <0.6, 0.08>, <0.3, 0.16>, <-0.45, 0.2>, <-0.84, 0.16>,
                           <-0.84, -0.14>, <-0.3, -0.19>, <0.45, -0.11> }
#declare Plan = array[7] { <1.02, 0>, <0.4, 0.13>, <-0.2, 0.21>, <-0.84, 0.22>, <-0.84, -0.22>,
                           <-0.2, -0.21>, <0.4, -0.13> }
#declare WingPlan = array[4] { <0.28, 0.12>, <-0.5, 0.84>, <-0.72, 0.84>, <-0.66, 0.12> }
#declare EdgePlan = array[4] { <0.28, 0.12>, <-0.5, 0.84>, <-0.56, 0.84>, <0.16, 0.12> }
#declare TailFin = array[4] { <-0.32, 0.12>, <-0.72, 0.52>, <-0.88, 0.52>, <-0.8, 0.1> }
#declare Keel = array[4] { <-0.45, -0.12>, <-0.74, -0.3>, <-0.84, -0.3>, <-0.82, -0.1> }

#declare Ship = union {
  object { Hull(Side, Plan) texture { Primary } }
  // a trim band behind the nose
  intersection { object { Hull(Side, Plan) scale <1, 1.06, 1.06> } box { <0.5, -1, -1>, <0.6, 1, 1> }
                 texture { Secondary } }
  object { Canopy(<0.26, 0.12, 0>, <0.38, 0.16, 0.12>) texture { CockpitGlass } }
  #for (S, -1, 1, 2)
    union {
      object { Wing(WingPlan, 0.05, -0.04) texture { Primary } }
      object { Wing(EdgePlan, 0.062, -0.04) texture { Secondary } }
      sphere { <-0.62, -0.04, 0.84>, 0.04 texture { CockpitLight } }
      scale <1, 1, S>
    }
  #end
  object { Fin(TailFin, 0.045, 0) texture { Secondary } }
  object { Fin(Keel, 0.04, 0) texture { Secondary } }
  Engine(<-0.98, 0, 0>, 0.13, 0.3, Secondary, CockpitLight)
  cylinder { <0.45, -0.08, 0>, <1.1, -0.08, 0>, 0.022 texture { Metal } }
}
#include "ship_rig.inc"
