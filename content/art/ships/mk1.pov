// Mk I: a compact arrow fighter. Delta wings, one engine, a bubble canopy forward.
#include "studio.inc"
#declare Hull = Plates(1, rgb 0.52, 0.5, 0.42)
#declare Trim = Paint(2, rgb 0.5, 0.7)
#declare Canopy = Glass(3, rgb 0.4)
#declare Engine = Emitter(3, rgb 1, 1.1)

#declare Ship = union {
  // fuselage: a lathe along x, flattened a little
  sor { 7, <0.0, -1.0>, <0.02, -0.95>, <0.16, -0.45>, <0.21, 0.1>, <0.2, 0.6>, <0.16, 0.85>, <0.0, 0.9>
        sturm rotate z * -90 scale <1, 0.8, 1> texture { Hull } }
  // canopy
  sphere { 0, 1 scale <0.32, 0.12, 0.1> translate <0.28, 0.13, 0> texture { Canopy } }
  // delta wings
  prism { linear_spline -0.025, 0.025, 4, <0.35, 0>, <-0.62, 0.92>, <-0.78, 0.92>, <-0.7, 0> texture { Hull } }
  prism { linear_spline -0.025, 0.025, 4, <0.35, 0>, <-0.62, -0.92>, <-0.78, -0.92>, <-0.7, 0> texture { Hull } }
  // wingtip fins
  box { <-0.8, -0.12, 0.88>, <-0.5, 0.16, 0.94> texture { Trim } }
  box { <-0.8, -0.12, -0.94>, <-0.5, 0.16, -0.88> texture { Trim } }
  // tail fin
  prism { linear_spline -0.02, 0.02, 4, <-0.35, 0.1>, <-0.78, 0.45>, <-0.88, 0.45>, <-0.8, 0.1>
    rotate x * -90 texture { Trim } }
  // engine
  cylinder { <-0.92, 0, 0>, <-0.6, 0, 0>, 0.15 scale <1, 0.8, 1> texture { Trim } }
  disc { <-0.925, 0, 0>, <-1, 0, 0>, 0.12 scale <1, 0.8, 1> texture { Engine } }
  // cannon
  cylinder { <0.5, -0.07, 0>, <1.05, -0.07, 0>, 0.025 texture { Trim } }
}
#include "ship_rig.inc"
