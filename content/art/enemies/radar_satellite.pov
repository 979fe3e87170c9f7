// The radar satellite: a foil-wrapped body between two solar wings, with a big dish on the
// right. The dish scans in a cone: tilted off its axis, it circles once over the 15 frames
// (frame 15 would be frame 0 again), its feed struts and the lamp at their focus turning
// with it; the body's beacon blinks once per loop.
#include "studio.inc"
#include "enemies_b.inc"

#declare Foil = Skin(pigment { rgb <0.75, 0.42, 0.08> }, normal { crackle 0.5 scale 0.06 }, 0.9)
#declare Frame_ = Paint(1, rgb <0.3, 0.32, 0.36>, 0.6)
#declare Cells = Paint(1, rgb <0.13, 0.08, 0.24>, 1.0)
// The dish's face is turned from the key light; a faint glow keeps its rings readable.
#declare DishFace = Coat(pigment { onion color_map { [0 rgb 0.5] [0.85 rgb 0.5] [0.87 Amber * 0.5] [1 Amber * 0.5] }
                                   scale 0.12 }, 0.4, 0.3)
#declare DishBack = Paint(1, rgb <0.2, 0.22, 0.26>, 0.5)
#declare Trim = Paint(1, Amber * 0.8, 0.6)

#declare DishR = 0.9;           // the radius of the sphere the dish is cut from
#declare DishRim = 0.56;        // the dish's own radius
#declare DishDepth = DishR - sqrt(DishR * DishR - DishRim * DishRim);

// One solar wing along +y: a boom and a panel of cells framed in metal and amber.
#declare SolarWing = union {
  cylinder { <0, 0.18, 0>, <0, 0.4, 0>, 0.035 texture { Frame_ } }
  box { <-0.26, 0.38, -0.018>, <0.26, 0.94, 0.018> texture { Cells } }
  #for (I, 0, 4)
    box { <-0.27, 0.37 + I * 0.14, -0.025>, <0.27, 0.39 + I * 0.14, 0.025> texture { Frame_ } }
  #end
  box { <-0.015, 0.37, -0.025>, <0.015, 0.95, 0.025> texture { Frame_ } }
  box { <-0.27, 0.37, -0.025>, <-0.245, 0.95, 0.025> texture { Trim } }
  box { <0.245, 0.37, -0.025>, <0.27, 0.95, 0.025> texture { Trim } }
}

// The dish, opening toward +x from its bottom at the origin, with its feed.
#macro Dish(Spin)
  union {
    intersection {
      difference { sphere { <DishR, 0, 0>, DishR texture { DishBack } }
                   sphere { <DishR, 0, 0>, DishR - 0.035 texture { DishFace } } }
      plane { x, DishDepth texture { DishBack } }
    }
    torus { DishRim, 0.025 rotate z * 90 translate x * DishDepth texture { Trim } }
    union {
      #for (I, 0, 2)
        cylinder { <DishDepth, DishRim * 0.95, 0>, <0.5, 0, 0>, 0.016 rotate x * I * 120 }
      #end
      // a mark on the rim, so the spin shows even where the dish is round
      box { <DishDepth - 0.06, DishRim - 0.07, -0.06>, <DishDepth + 0.03, DishRim + 0.05, 0.06> }
      rotate x * Spin
      texture { Frame_ }
    }
    cone { <0.46, 0, 0>, 0.035, <0.56, 0, 0>, 0.06 texture { Frame_ } }
    sphere { <0.56, 0, 0>, 0.045 Emitter(1, Hazard, 1.2) }
    cylinder { <-0.2, 0, 0>, <0.02, 0, 0>, 0.07 texture { Frame_ } }
  }
#end

#macro Sprite(Frame)
  #local Spin = Frame / 15 * 360;
  #local Blink = (Frame < 2 ? 1.3 : 0.25);
  union {
    // the body: an octagonal foil drum with a dark band
    intersection {
      box { <-0.62, -0.24, -0.24>, <-0.1, 0.24, 0.24> }
      box { <-0.62, -0.24, -0.24>, <-0.1, 0.24, 0.24> rotate x * 45 }
      texture { Foil }
    }
    cylinder { <-0.42, 0, 0>, <-0.34, 0, 0>, 0.3 texture { DishBack } }
    cylinder { <-0.66, 0, 0>, <-0.6, 0, 0>, 0.17 texture { Frame_ } }
    sphere { <-0.38, 0.31, 0>, 0.04 Emitter(1, Hazard, Blink) }
    object { SolarWing translate x * -0.36 }
    object { SolarWing scale <1, -1, 1> translate x * -0.36 }
    object { Dish(Spin) rotate z * 13 rotate x * Spin translate x * 0.06 }
    rotate y * 30 rotate x * -14
    translate x * 0.08
  }
#end
Sheet()
