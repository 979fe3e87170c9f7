// The bug: a beetle seen from above, head to the right. Its hazard-orange wing cases lift a
// little and the smoky hind wings flicker out beneath them, one beat over the 8 frames.
// The game spins it, so it is lit from the viewer with a cool rim all round (SpinLit)
// rather than from the upper left: no turn shows a light coming from the wrong side.
#include "studio.inc"
#include "enemies_b.inc"

#declare Spots = union {
  cylinder { <0.06, 0.2, -1>, <0.06, 0.2, 1>, 0.07 }
  cylinder { <-0.24, 0.28, -1>, <-0.24, 0.28, 1>, 0.08 }
  cylinder { <-0.5, 0.14, -1>, <-0.5, 0.14, 1>, 0.065 }
}
#declare Shell = Coat(pigment { object { Spots color Hazard * 0.95 color rgb <0.03, 0.02, 0.02> } }, 0.55, 0)
#declare Dark = Paint(1, rgb <0.035, 0.03, 0.03>, 0.3)
#declare Horn = Paint(1, rgb <0.3, 0.22, 0.14>, 0.6)

// One wing case (the left, y > 0) opened by Open degrees; the pair mirrors it.
#macro WingCase(Open)
  intersection {
    sphere { 0, 1 scale <0.52, 0.44, 0.3> translate <-0.2, 0, 0> }
    plane { z, 0.02 }
    plane { -y, 0 }
    texture { Shell }
    translate x * -0.3 rotate z * -Open translate x * 0.3 rotate x * -Open * 0.5
  }
#end

// A hind wing spreading from under the case, swept back by Sweep degrees and turned on its
// length by Twist.
#macro HindWing(Sweep, Twist)
  sphere { 0, 1 scale <0.15, 0.42, 0.01> rotate y * Twist translate <0, 0.38, 0> rotate z * Sweep translate <0.2, 0.08, 0.04>
           Membrane(rgb <0.45, 0.3, 0.16>, 0.55, 0.05, 0.05) }
#end

#macro Leg(X, Y, Spread)
  #local Knee = <X + 0.14 * Spread, Y + 0.44, 0.02>;
  #local Foot = Knee + <0.22 * Spread, 0.17, 0.02>;
  union {
    cylinder { <X, 0.12, 0.04>, Knee, 0.045 }
    sphere { Knee, 0.05 }
    cone { Knee, 0.045, Foot, 0.022 }
    texture { Dark }
  }
#end

#macro Sprite(Frame)
  #local T = Frame / 8 * 2 * pi;
  #local Open = 4 + 3 * sin(T + 0.9);
  #local Beat = 32 * sin(T);
  #local Twist = 25 * cos(T);             // the wing turns on its length: out and back differ
  SpinLit(union {
    #for (S, -1, 1, 2)
      union {
        HindWing(22 + Beat, Twist)
        Leg(0.36, 0.05, 1)
        Leg(0.12, 0.05, 0.1)
        Leg(-0.12, 0.05, -1)
        // antenna
        sphere_sweep { cubic_spline 4, <0.62, 0.05, -0.05>, 0.026, <0.72, 0.1, -0.08>, 0.026,
                       <0.82, 0.24, -0.08>, 0.024, <0.84, 0.34, -0.05>, 0.024 texture { Dark } }
        sphere { <0.83, 0.3, -0.08>, 0.045 texture { Dark } }
        // mandible
        intersection { torus { 0.12, 0.035 rotate x * 90 } plane { -y, 0 } plane { -x, 0 }
                       translate <0.7, 0.03, -0.04> texture { Horn } }
        WingCase(Open)
        scale <1, S, 1>
      }
    #end
    // the thorax shield and the head, with two amber eyes
    intersection { sphere { 0, 1 scale <0.2, 0.33, 0.22> translate x * 0.3 } plane { z, 0.02 } texture { Dark } }
    sphere { 0, 1 scale <0.13, 0.17, 0.12> translate <0.56, 0, -0.02> texture { Dark } }
    #for (S, -1, 1, 2)
      sphere { <0.62, 0.12 * S, -0.06>, 0.035 Emitter(1, Amber, 1.1) }
    #end
    // the body beneath the cases
    sphere { 0, 1 scale <0.5, 0.3, 0.2> translate x * -0.1 texture { Dark } }
    translate x * -0.08
  })
#end
Sheet()
