// Insect1: a wasp seen from above and a little from the side, head to the right. It is
// built standing (x forward, y its back, z its flanks) and tilted toward the viewer. Its
// two pairs of wings beat three times over the 31 frames and its striped abdomen pulses
// once, so the last frame flows into the first.
#include "studio.inc"
#include "enemies_b.inc"

#declare Chitin = Paint(1, rgb <0.05, 0.04, 0.035>, 0.6)
#declare Bands = Coat(pigment { gradient x color_map { [0 Amber * 0.95] [0.55 Amber * 0.95] [0.6 rgb 0.025] [1 rgb 0.025] }
                                scale 0.17 translate x * 0.02 }, 0.6, 0)
#declare ThoraxMarks = Coat(pigment { gradient z color_map { [0 rgb 0.04] [0.8 rgb 0.04] [0.85 Amber * 0.8] [1 Amber * 0.8] }
                                      scale 0.2 translate z * -0.1 }, 0.6, 0)
#declare WingSkin = Membrane(rgb <0.6, 0.55, 0.75>, 0.66, 0.04, 0.5)

// One wing on the +z flank: Length long, swept back by Sweep degrees, raised by Stroke.
#macro Wing(Length, Width, Sweep, Stroke)
  union {
    sphere { 0, 1 scale <Width, 0.008, Length / 2> translate z * Length / 2 }
    // the leading vein
    cylinder { <Width * 0.6, 0, 0.02>, <Width * 0.3, 0, Length * 0.92>, 0.012 texture { Chitin } }
    texture { WingSkin }
    rotate y * -Sweep
    rotate x * -Stroke
  }
#end

#macro Leg(X, Z, Reach)
  #local Knee = <X + Reach * 0.14, -0.18, Z * 2.2>;
  #local Foot = Knee + <-0.2 + Reach * 0.12, -0.12, Z * 0.6>;
  union {
    cylinder { <X, -0.06, Z>, Knee, 0.025 }
    sphere { Knee, 0.028 }
    cone { Knee, 0.025, Foot, 0.012 }
    texture { Chitin }
  }
#end

#macro Sprite(Frame)
  #local Beat = sin(Frame / 31 * 3 * 2 * pi);
  #local Breath = 1 + 0.05 * sin(Frame / 31 * 2 * pi);
  union {
    // head: two big hazard eyes, mandibles, antennae
    sphere { 0, 1 scale <0.14, 0.15, 0.18> translate x * 0.5 texture { Chitin } }
    #for (S, -1, 1, 2)
      sphere { 0, 1 scale <0.09, 0.11, 0.06> translate <0.53, 0.03, 0.14 * S> Emitter(1, Hazard * 0.8, 0.9) }
      cone { <0.6, -0.06, 0.06 * S>, 0.035, <0.72, -0.1, 0.0>, 0.006 texture { Chitin } }
      sphere_sweep { cubic_spline 4, <0.5, 0.1, 0.05 * S>, 0.018, <0.56, 0.14, 0.08 * S>, 0.016,
                     <0.68, 0.2, 0.16 * S>, 0.014, <0.8, 0.16, 0.24 * S>, 0.012 texture { Chitin } }
    #end
    // thorax with amber marks, the waist and the banded abdomen with its sting
    sphere { 0, 1 scale <0.22, 0.18, 0.17> translate x * 0.2 texture { ThoraxMarks } }
    cylinder { <-0.12, 0, 0>, <0.04, 0, 0>, 0.045 texture { Chitin } }
    blob {
      threshold 0.5
      sphere { <-0.16, 0, 0>, 0.3, 1 }
      sphere { <-0.38, -0.02, 0>, 0.38 * Breath, 1 }
      sphere { <-0.62, -0.06, 0>, 0.3 * Breath, 1 }
      sphere { <-0.82, -0.1, 0>, 0.17, 1 }
      scale <1, 0.95, 1>
      texture { Bands }
    }
    cone { <-0.86, -0.11, 0>, 0.04, <-1.04, -0.15, 0>, 0.0 texture { Chitin } }
    #for (S, -1, 1, 2)
      union {
        Leg(0.28, 0.06, 1)
        Leg(0.18, 0.07, 0)
        Leg(0.08, 0.06, -1)
        // hind wing under the fore wing, beating a little behind it
        object { Wing(0.5, 0.1, 40 + 8 * Beat, 38 * Beat - 5) translate <0.08, 0.12, 0.05> }
        object { Wing(0.72, 0.14, 24 + 10 * Beat, 42 * Beat) translate <0.2, 0.14, 0.06> }
        scale <1, 1, S>
      }
    #end
    translate x * 0.08
    rotate x * -62
  }
#end
Sheet()
