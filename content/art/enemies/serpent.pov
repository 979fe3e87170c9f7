// SERPENT: a segmented steel serpent seen from above, heading right; `Part` 0 the head,
// 1 a body segment, 2 the tail. The game turns every piece to its heading, so each is
// mirror-alike about its long axis and reads the same whichever way it is turned. Segments
// are drawn about 27 picture pixels apart (20 of its 48), so a segment is a rounded armour
// shell longer than that, with dark ball joints at both ends that fill the gaps on a bend.
// Steel plates, amber bands and fins; the head an arrowhead with red eyes, amber-tipped
// mandibles and a glowing throat.
#include "studio.inc"
#include "enemies_a.inc"
#ifndef (Part) #declare Part = 1; #end
#declare Radius = 0.42;

#declare Armour = Plates(1, rgb <0.34, 0.38, 0.44>, 0.7, 0.18)
#declare Band = Paint(1, EnAmberHue * 0.9, 0.5)

// Swept-back fins on both flanks, Length long, standing out Height from the shell.
#macro Fins(X, Length, Height)
  #for (S, -1, 1, 2)
    prism { linear_spline -0.035, 0.035, 4, <X, Radius * 0.7>, <X - Length, Radius * 0.7>,
            <X - Length * 0.95, Radius + Height>, <X, Radius * 0.7>
            rotate x * -90 scale <1, S, 1> texture { EnAmber } }
  #end
#end

#declare Segment = union {
  // the shell: a rounded drum of plates with a bright band round its middle and a spine
  intersection {
    sphere { 0, 1 scale <0.6, Radius, Radius> }
    box { <-0.5, -1, -1>, <0.5, 1, 1> }
    texture { Armour }
  }
  cylinder { <-0.06, 0, 0>, <0.06, 0, 0>, Radius + 0.02 texture { Band } }
  // the joints: dark balls that fill the gaps between neighbours on a bend
  sphere { <0.5, 0, 0>, Radius * 0.72 texture { EnJoint } }
  sphere { <-0.5, 0, 0>, Radius * 0.72 texture { EnJoint } }
  Fins(0.3, 0.5, 0.2)
  sphere { <0.0, 0, -Radius - 0.01>, 0.05 texture { EnLampAmber } }
}

#declare SkullOutline = array[10] { <-0.62, -0.4>, <-0.2, -0.6>, <0.3, -0.5>, <0.72, -0.2>, <0.8, -0.06>,
                                    <0.8, 0.06>, <0.72, 0.2>, <0.3, 0.5>, <-0.2, 0.6>, <-0.62, 0.4> }
#declare SkullDepth = array[6] { <-0.62, -0.36>, <0.1, -0.36>, <0.8, -0.1>, <0.8, 0.1>, <0.1, 0.3>,
                                 <-0.62, 0.36> }
#declare Head = union {
  // the skull: a roof of two facets over the arrowhead outline, an amber keel on its ridge
  intersection {
    EnHull(SkullOutline, SkullDepth)
    plane { <0, 0.55, -1>, 0.28 }
    plane { <0, -0.55, -1>, 0.28 }
    texture { Armour }
  }
  box { <-0.6, -0.03, -0.5>, <0.3, 0.03, 0> texture { EnAmber } }
  #for (S, -1, 1, 2)
    sphere { 0, 1 scale <0.13, 0.075, 0.08> rotate z * 30 * S translate <0.36, 0.33 * S, -0.12> texture { EnLampRed } }
    // a mandible curving forward and in, its tip hot amber
    union {
      cone { <0.5, 0.36 * S, 0>, 0.08, <0.82, 0.3 * S, 0>, 0.05 }
      cone { <0.82, 0.3 * S, 0>, 0.05, <0.95, 0.12 * S, 0>, 0.0 }
      sphere { <0.82, 0.3 * S, 0>, 0.05 }
      texture { EnSteelLight }
    }
    cone { <0.86, 0.24 * S, 0>, 0.035, <0.95, 0.12 * S, 0>, 0.0 texture { EnFire } }
  #end
  sphere { <0.84, 0, 0>, 0.09 texture { EnLampAmber } }
  Fins(-0.3, 0.36, 0.24)
  cylinder { <-0.66, 0, 0>, <-0.54, 0, 0>, Radius + 0.04 texture { Band } }
  sphere { <-0.72, 0, 0>, Radius * 0.72 texture { EnJoint } }
  scale <0.9, 1.06, 1>
  translate x * 0.02
}

#declare Tail = union {
  intersection {
    sphere { 0, 1 scale <0.9, Radius, Radius> }
    box { <-1, -1, -1>, <0.45, 1, 1> }
    texture { Armour }
  }
  // tapering to a hot stinger
  cone { <-0.6, 0, 0>, 0.2, <-0.92, 0, 0>, 0.0 texture { EnGunmetal } }
  cone { <-0.8, 0, 0>, 0.08, <-0.93, 0, 0>, 0.0 texture { EnFire } }
  cylinder { <0.0, 0, 0>, <0.1, 0, 0>, Radius + 0.02 texture { Band } }
  sphere { <0.48, 0, 0>, Radius * 0.72 texture { EnJoint } }
  Fins(-0.2, 0.55, 0.16)
  translate x * 0.04
}

#macro Sprite(Frame)
  #switch (Part)
    #case (0) object { Head } #break
    #case (1) object { Segment } #break
    #else object { Tail }
  #end
#end
Sheet()
