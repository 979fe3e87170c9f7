// Mk II: a heavier twin-boom ship. A short crew pod between two long engine booms joined by
// a broad wing, gun barrels out of the booms' noses, an H tail of twin fins and a bar.
#include "studio.inc"
#include "ship_parts.inc"

#declare PodSide = array[8] { <0.82, -0.02>, <0.55, 0.1>, <0.2, 0.21>, <-0.35, 0.21>, <-0.6, 0.12>,
                              <-0.6, -0.15>, <0.0, -0.19>, <0.55, -0.12> }
#declare PodPlan = array[5] { <0.82, 0>, <0.4, 0.17>, <-0.6, 0.19>, <-0.6, -0.19>, <0.4, -0.17> }
#declare BoomSide = array[5] { <0.72, 0>, <0.48, 0.14>, <-0.95, 0.15>, <-0.95, -0.15>, <0.48, -0.14> }
#declare BoomPlan = array[5] { <0.72, 0>, <0.45, 0.14>, <-0.95, 0.14>, <-0.95, -0.14>, <0.45, -0.14> }
#declare WingPlan = array[4] { <0.32, -0.5>, <0.32, 0.5>, <-0.42, 0.5>, <-0.42, -0.5> }
#declare EdgePlan = array[4] { <0.32, -0.5>, <0.32, 0.5>, <0.2, 0.5>, <0.2, -0.5> }
#declare TwinFin = array[4] { <-0.5, 0.12>, <-0.8, 0.46>, <-0.98, 0.46>, <-0.93, 0.12> }
#declare Boom = union {
  object { Hull(BoomSide, BoomPlan) texture { Primary } }
  intersection { object { Hull(BoomSide, BoomPlan) scale <1, 1.05, 1.05> } box { <0.42, -1, -1>, <0.52, 1, 1> }
                 texture { Secondary } }
  cylinder { <0.5, -0.02, 0>, <0.98, -0.02, 0>, 0.03 texture { Metal } }
  object { Fin(TwinFin, 0.045, 0) texture { Secondary } }
  Engine(<-1.0, 0, 0>, 0.12, 0.24, Secondary, CockpitLight)
  sphere { <0.1, 0.15, 0>, 0.03 texture { CockpitLight } }
}

#declare Ship = union {
  object { Hull(PodSide, PodPlan) texture { Primary } }
  object { Canopy(<0.2, 0.16, 0>, <0.32, 0.14, 0.12>) texture { CockpitGlass } }
  object { Wing(WingPlan, 0.08, -0.03) texture { Primary } }
  object { Wing(EdgePlan, 0.09, -0.03) texture { Secondary } }
  object { Boom translate z * 0.42 }
  object { Boom translate z * -0.42 }
  box { <-0.97, 0.4, -0.44>, <-0.84, 0.45, 0.44> texture { Secondary } }
  Engine(<-0.66, 0, 0>, 0.09, 0.2, Secondary, CockpitLight)
}
#include "ship_rig.inc"
