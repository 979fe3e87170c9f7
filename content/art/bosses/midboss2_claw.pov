// The cavern creature's gun claw, side on and facing left: a jointed arm of wine-dark
// armour from the right to a great pincer whose two jaws hold a glowing muzzle between
// their tips at the left, its front end. The game draws it over the body and mirrored
// below it, so it is lit from the viewer (BbSpinLit): no light or shade that only works
// one way up.
#include "studio.inc"
#include "bosses_b.inc"

#declare Muzzle = BbSurface(pigment { rgb <0.08, 0.03, 0.03> }, normal { dents 0.0 }, 0.5, 0)

// One jaw of the pincer, hinged at the origin and reaching left, curved towards -y at its tip.
#declare Jaw = union {
  intersection {
    sphere { 0, 1 scale <0.62, 0.22, 0.22> translate x * -0.5 }
    plane { -y, 0.02 }
    texture { BbCarapace }
  }
  cone { <-1.0, 0.05, 0>, 0.1, <-1.1, -0.1, 0>, 0.005 texture { BbRidge } }
  #for (I, 0, 3)
    cone { <-0.3 - I * 0.17, 0.0, 0>, 0.035, <-0.33 - I * 0.17, -0.08, 0>, 0.004 texture { BbRidge } }
  #end
}

#declare Claw = union {
  // the arm: three armoured segments from the right
  #for (I, 0, 2)
    sphere { 0, 1 scale <0.22, 0.2 - I * 0.02, 0.22> translate x * (0.9 - I * 0.25) texture { BbCarapace } }
    torus { 0.17 - I * 0.02, 0.025 rotate z * 90 translate x * (0.78 - I * 0.25) texture { BbRidge } }
  #end
  // the palm of the pincer with its gun barrel
  sphere { 0, 1 scale <0.45, 0.3, 0.3> translate x * 0.05 texture { BbCarapace } }
  intersection {
    sphere { 0, 1 scale <0.47, 0.32, 0.32> translate x * 0.05 }
    box { <-0.02, -1, -1>, <0.03, 1, 1> }
    texture { BbRidge }
  }
  cylinder { <-0.2, 0, 0>, <-0.78, 0, 0>, 0.09 texture { Muzzle } }
  torus { 0.09, 0.03 rotate z * 90 translate x * -0.76 texture { BbRidge } }
  // a charge glowing in the muzzle, held between the jaws
  sphere { 0, 0.1 scale <0.8, 1, 1> BbHeat(0.1, 1.5) translate x * -0.8 }
  // the jaws, open round the muzzle
  object { Jaw rotate z * -12 translate <-0.1, 0.13, 0> }
  object { Jaw scale <1, -1, 1> rotate z * 12 translate <-0.1, -0.13, 0> }
  // spines along the arm's back
  #for (I, 0, 2)
    cone { <0.35 + I * 0.25, 0.15, 0>, 0.05, <0.45 + I * 0.25, 0.32, 0>, 0.004 texture { BbRidge } }
  #end
}

#macro Sprite(Frame)
  BbSpinLit(object { Claw scale 0.9 translate x * 0.06 })
#end
Sheet()
