// BUTTERFLY: a mechanical moth, facing right: a steel thorax and a segmented tail, a sensor
// head with red eyes and swept antennae, and two pairs of big wings of dark red panels in
// steel frames, each with amber lamps like a moth's eye spots. Seen a little from above, so
// the wings show both raised and spread. Over the 16 frames the wings beat once (up at 0,
// fully down at 8); the lamps are the glow sheet.
#include "studio.inc"
#include "enemies_a.inc"

#declare ForePlan = array[7] { <0.24, 0.0>, <0.4, 0.32>, <0.3, 0.7>, <0.1, 0.88>, <-0.12, 0.82>,
                               <-0.2, 0.5>, <-0.06, 0.04> }
#declare HindPlan = array[6] { <-0.02, 0.0>, <-0.1, 0.42>, <-0.34, 0.62>, <-0.58, 0.5>, <-0.56, 0.22>,
                               <-0.3, 0.0> }
#declare ForeRibs = array[3] { <0.34, 0.5>, <0.16, 0.84>, <-0.14, 0.68> }
#declare HindRibs = array[2] { <-0.3, 0.6>, <-0.56, 0.38> }

#declare Panel = Paint(1, rgb <0.4, 0.045, 0.025>, 0.25)
#declare Frame = Paint(1, rgb <0.36, 0.4, 0.46>, 0.7)

// A wing built upright in the x-y plane, its root on the body's axis: a steel frame plate
// with a thicker red panel a little inside its outline, so a rim of frame shows round it.
#macro Wing(Plan, Ribs, Root, Lamp1, Lamp2)
  #local N = dimension_size(Plan, 1);
  #local C = <0, 0, 0>;
  #for (I, 0, N - 1) #local C = C + <Plan[I].x, Plan[I].y, 0> / N; #end
  union {
    object { EnPlate(Plan, 0.016) texture { Frame } }
    object { EnPlate(Plan, 0.032) texture { Panel } translate -C scale <0.9, 0.9, 1> translate C }
    #for (I, 0, dimension_size(Ribs, 1) - 1)
      cylinder { <Root.x, Root.y, 0>, <Ribs[I].x, Ribs[I].y, 0>, 0.018 texture { Frame } }
    #end
    // the eye spots: an amber disc round a hot lamp, on both faces
    cylinder { <Lamp1.x, Lamp1.y, -0.022>, <Lamp1.x, Lamp1.y, 0.022>, 0.085 texture { EnAmber } }
    sphere { <Lamp1.x, Lamp1.y, 0>, 0.045 scale <1, 1, 0.7> texture { EnLampAmber } }
    #if (Lamp2.y > 0)
      sphere { <Lamp2.x, Lamp2.y, 0>, 0.032 scale <1, 1, 0.9> texture { EnLampAmber } }
    #end
  }
#end

#declare ForeWing = Wing(ForePlan, ForeRibs, <0.1, 0>, <0.14, 0.56>, <-0.06, 0.3>)
#declare HindWing = Wing(HindPlan, HindRibs, <-0.15, 0>, <-0.36, 0.36>, <0, -1>)

#declare Body = union {
  // thorax and the segmented tail
  sphere { 0, 1 scale <0.3, 0.22, 0.21> translate x * 0.08 texture { EnSteel } }
  #for (I, 0, 4)
    sphere { 0, 1 scale <0.11, 0.15 - I * 0.02, 0.14 - I * 0.019> translate <-0.2 - I * 0.12, -0.02 * I, 0>
             #if (mod(I, 2)) texture { EnGunmetal } #else texture { EnSteelPlain } #end }
  #end
  cone { <-0.68, -0.08, 0>, 0.04, <-0.8, -0.1, 0>, 0.0 texture { EnFire } }
  // head: a sensor dome with two red eyes and swept antennae
  sphere { 0, 1 scale <0.12, 0.12, 0.13> translate <0.36, 0.03, 0> texture { EnGunmetal } }
  #for (S, -1, 1, 2)
    sphere { <0.42, 0.06, 0.08 * S>, 0.05 texture { EnLampRed } }
    union {
      cylinder { <0.4, 0.12, 0.05 * S>, <0.62, 0.36, 0.14 * S>, 0.012 }
      cylinder { <0.62, 0.36, 0.14 * S>, <0.76, 0.34, 0.2 * S>, 0.01 }
      #for (T, 0.25, 0.85, 0.2)
        cylinder { <0.4, 0.12, 0.05 * S> + T * <0.22, 0.24, 0.09 * S>,
                   <0.4, 0.12, 0.05 * S> + T * <0.22, 0.24, 0.09 * S> + <0.05, -0.04, 0>, 0.008 }
      #end
      texture { Frame }
    }
  #end
  // the wing hinge
  cylinder { <-0.16, 0.1, 0>, <0.24, 0.1, 0>, 0.05 texture { EnAmber } }
}

#macro Sprite(Frame)
  #local Beat = 58 - 46 * cos(Frame / 16 * 2 * pi);
  union {
    object { Body }
    #for (S, -1, 1, 2)
      union {
        object { ForeWing scale <1, 0.84, 1> }
        object { HindWing scale <1, 0.84, 1> rotate x * 8 * S }
        translate y * 0.1
        rotate x * Beat * S
      }
    #end
    rotate x * -30
    rotate y * 12
    rotate z * 4
    translate y * -0.13
  }
#end
Sheet()
