// The green serpent, one scene for its two pictures: `Piece` 0 the fanged head, 1 a body
// segment. Organic where the other serpent is machined: green scales over a pale banded
// belly, a row of fire-red dorsal spines, a frill of them behind the head, a hot amber eye
// and bone fangs in an open red mouth. Seen from the side and a little above, facing right.
// The segment is a capsule whose cross-section matches its neighbours', with one spine at
// its middle, so segments drawn every ~30 px along a curve read as one body with a spine
// row at an even pitch.
#include "studio.inc"
#include "enemies_b.inc"
#ifndef (Piece) #declare Piece = 0; #end

// Scales on the back and flanks, a pale belly with transverse plates underneath.
#declare Scales = pigment { crackle color_map { [0 rgb <0.03, 0.16, 0.03>] [0.05 rgb <0.03, 0.16, 0.03>]
                                                [0.12 rgb <0.1, 0.42, 0.06>] [1 rgb <0.16, 0.55, 0.08>] }
                            scale 0.085 }
#declare Belly = pigment { gradient x color_map { [0 rgb <0.32, 0.38, 0.1>] [0.8 rgb <0.5, 0.55, 0.18>]
                                                  [0.9 rgb <0.2, 0.22, 0.05>] [1 rgb <0.32, 0.38, 0.1>] }
                           scale 0.16 }
#declare SerpentSkin = Skin(pigment { gradient y pigment_map { [0 Belly] [0.36 Belly] [0.44 Scales] [1 Scales] }
                                      scale 1.2 translate y * -0.6 },
                            normal { crackle 0.3 scale 0.085 }, 0.22)
#declare Spine = Paint(1, rgb <0.7, 0.06, 0.02>, 0.5)
#declare Fang = Paint(1, Bone, 0.7)
#declare Mouth = Paint(1, rgb <0.03, 0.02, 0.01>, 0.2)

// A dorsal spine standing on the back at the origin, leaning back, Height tall.
#macro DorsalSpine(Height)
  cone { 0, 0.09, <-Height * 0.45, Height, 0>, 0.0 texture { Spine } }
#end

#declare Segment = union {
  union {
    cylinder { <-0.4, 0, 0>, <0.4, 0, 0>, 0.58 }
    sphere { <-0.4, 0, 0>, 0.58 }
    sphere { <0.4, 0, 0>, 0.58 }
    texture { SerpentSkin }
  }
  object { DorsalSpine(0.36) translate y * 0.52 }
}

// The head: the skull with the upper jaw lifted, the lower jaw dropped about the hinge, the
// red mouth and fangs between them, an eye under the brow and a frill of spines behind.
#declare Hinge = <-0.3, -0.06, 0>;
#declare Lift = 13;
#declare Drop = 20;
#declare Head = union {
  union {
    blob {
      threshold 0.5
      sphere { <-0.25, 0.1, 0>, 0.72, 1 }
      sphere { <0.2, 0.1, 0>, 0.56, 1 }
      sphere { <0.58, 0.06, 0>, 0.4, 1 }
      sphere { <0.86, 0.04, 0>, 0.24, 1 }
      sphere { <0.05, 0.3, 0>, 0.36, 0.6 }      // the brow
      scale <1, 0.85, 0.85>
      texture { SerpentSkin }
    }
    // upper fangs, hooked down out of the jaw
    #for (S, -1, 1, 2)
      cone { <0.74, 0.0, 0.12 * S>, 0.07, <0.71, -0.34, 0.12 * S>, 0.0 texture { Fang } }
      cone { <0.5, -0.02, 0.16 * S>, 0.04, <0.49, -0.17, 0.16 * S>, 0.0 texture { Fang } }
    #end
    // the eye under its brow, a nostril
    sphere { 0, 1 scale <0.1, 0.06, 0.05> rotate z * 12 translate <0.24, 0.26, -0.36> Emitter(1, Amber, 1.2) }
    sphere { 0, 1 scale <0.022, 0.055, 0.03> translate <0.25, 0.26, -0.4> texture { Spine } }
    sphere { <0.84, 0.15, -0.12>, 0.035 texture { Mouth } }
    translate -Hinge rotate z * Lift translate Hinge
  }
  // the lower jaw and its fangs
  union {
    blob {
      threshold 0.5
      sphere { <-0.15, -0.2, 0>, 0.62, 1 }
      sphere { <0.25, -0.2, 0>, 0.56, 1 }
      sphere { <0.6, -0.18, 0>, 0.42, 1 }
      sphere { <0.78, -0.16, 0>, 0.24, 1 }
      scale <1, 0.62, 0.9>
      texture { SerpentSkin }
    }
    #for (S, -1, 1, 2)
      cone { <0.64, -0.1, 0.12 * S>, 0.055, <0.67, 0.16, 0.12 * S>, 0.0 texture { Fang } }
    #end
    translate -Hinge rotate z * -Drop translate Hinge
  }
  // the mouth: the wedge between the jaws, glowing faintly red inside
  intersection {
    box { <-0.35, -0.7, -0.03>, <0.6, 0.7, 0.2> }
    plane { y, 0 translate y * -0.02 translate -Hinge rotate z * Lift translate Hinge }
    plane { -y, 0 translate y * -0.1 translate -Hinge rotate z * -Drop translate Hinge }
    Coat(pigment { rgb <0.4, 0.02, 0.03> }, 0.3, 0.25)
  }
  // the frill: spines fanning back from behind the skull
  #for (I, 0, 4)
    cone { 0, 0.08, <-0.52 + 0.05 * I, 0, 0>, 0.0 rotate z * (-46 + I * 24) translate <-0.5, 0.16, 0.05> texture { Spine } }
  #end
  translate x * -0.1
}

#macro Sprite(Frame)
  #if (Piece = 0)
    object { Head scale 1.06 rotate x * -18 }
  #else
    object { Segment rotate x * -18 }
  #end
#end
Sheet()
