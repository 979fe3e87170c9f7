// The graboid, a burrowing worm in ochre armour: cell 0 its head, the mouth to the right
// opened into three toothed jaws round a red maw; cell 1 one ring of its body. Seen from
// the side and a little from the front so the mouth shows; the ring is round about the
// body's axis so it reads the same at every turn along the body.
#include "studio.inc"
#include "enemies_b.inc"

#declare Armour = Skin(pigment { granite scale 0.9 color_map { [0 rgb <0.5, 0.3, 0.12>] [0.6 rgb <0.38, 0.22, 0.09>]
                                                               [1 rgb <0.24, 0.13, 0.05>] } },
                       normal { granite 0.25 scale 0.3 }, 0.25)
#declare Flesh = Skin(pigment { rgb <0.5, 0.05, 0.05> }, normal { bumps 0.3 scale 0.06 }, 0.5)
#declare Maw = Coat(pigment { rgb <0.3, 0.01, 0.02> }, 0.3, 0.3)
#declare Tooth = Paint(1, Bone, 0.6)

// One jaw: a pointed toothed plate hinged at the origin, lying along +x, its armoured outer
// face up (+y) and its red inner face with a row of teeth down, swung open by Open degrees.
#macro Jaw(Open)
  union {
    intersection {
      sphere { 0, 1 scale <0.7, 0.2, 0.36> translate x * 0.45 }
      sphere { 0, 1 scale <0.9, 0.6, 0.32> translate <0.2, 0, 0> }
      plane { -y, 0.0 texture { Flesh } }
      texture { Armour }
    }
    #for (I, 0, 3)
      #local X = 0.22 + I * 0.2;
      #local Z = 0.26 * (1 - X / 1.15) * (mod(I, 2) * 2 - 1);
      cone { <X, 0, Z>, 0.055, <X + 0.04, -0.2 + I * 0.02, Z * 0.8>, 0.0 texture { Tooth } }
    #end
    cone { <0.98, 0, 0>, 0.05, <1.1, -0.16, 0>, 0.0 texture { Tooth } }
    rotate z * Open
  }
#end

#declare Head = union {
  #for (I, 0, 2)
    #local R = 0.7 - I * 0.07;
    sphere { 0, 1 scale <0.26, R, R> translate x * (-0.75 + I * 0.36) texture { Armour } }
  #end
  sphere { 0, 1 scale <0.55, 0.56, 0.56> translate x * -0.45 texture { Flesh } }
  torus { 0.46, 0.1 rotate z * 90 translate x * 0.18 texture { Flesh } }
  cone { <0.0, 0, 0>, 0.48, <0.3, 0, 0>, 0.25 texture { Maw } }
  #for (I, 0, 2)
    object { Jaw(34) translate y * 0.42 translate x * 0.16 rotate x * (I * 120 - 20) }
  #end
}

// A ring: three armour plates round a red core, as long as it is thick, so rings packed
// along the body close up into one worm.
#declare Ring = union {
  #for (I, 0, 2)
    sphere { 0, 1 scale <0.3, 0.8 + 0.04 * (I = 1), 0.8 + 0.04 * (I = 1)> translate x * (-0.5 + I * 0.5) texture { Armour } }
  #end
  sphere { 0, 1 scale <0.78, 0.68, 0.68> texture { Flesh } }
  // blunt knobs on the middle plate's crest
  #for (I, 0, 5)
    sphere { <0, 0.83, 0>, 0.09 scale <1.5, 1, 1> rotate x * (I * 60 + 30) texture { Armour } }
  #end
}

#macro Sprite(Frame)
  #if (Frame = 0)
    object { Head translate x * -0.05 rotate y * 22 rotate x * -8 }
  #else
    object { Ring rotate x * -8 }
  #end
#end
Sheet()
