// The growth: a lumpy mass of dark flesh, veined, with glowing pores sunk in its surface.
// One picture; the game pulses it by scaling.
#include "studio.inc"
#include "enemies_b.inc"

// Dark crimson flesh under a net of hot veins.
#declare Flesh = Skin(pigment { marble turbulence 1.3 octaves 4 scale 0.7
                                color_map { [0 rgb <0.44, 0.035, 0.07>] [0.4 rgb <0.25, 0.018, 0.07>]
                                            [0.45 rgb <0.17, 0.008, 0.08>] [0.5 rgb <0.95, 0.14, 0.02>]
                                            [0.55 rgb <0.17, 0.008, 0.08>] [1 rgb <0.44, 0.035, 0.07>] } },
                      normal { bumps 0.3 scale 0.07 }, 0.18)
#declare PoreLip = Skin(pigment { rgb <0.08, 0.01, 0.02> }, normal { bumps 0.2 scale 0.05 }, 0.2)

#declare Mass = blob {
  threshold 0.5
  sphere { <0, 0, 0>, 0.8, 1 }
  #declare Lumps = array[10] { <0.45, 0.42, -0.1>, <-0.48, 0.34, -0.12>, <0.02, -0.55, -0.1>, <0.56, -0.3, 0>,
                               <-0.52, -0.4, 0>, <-0.08, 0.6, 0>, <0.7, 0.06, 0>, <-0.7, -0.02, 0>,
                               <0.12, 0.08, -0.4>, <-0.25, -0.15, -0.35> }
  #declare Sizes = array[10] { 0.62, 0.6, 0.62, 0.52, 0.56, 0.52, 0.44, 0.46, 0.55, 0.45 }
  #for (I, 0, 9)
    sphere { Lumps[I], Sizes[I], 1.3 }
  #end
  scale <1, 0.92, 0.8>
}

// Pores where rays from the viewer meet the surface: a dark lip round a glowing hole.
#declare PoreAt = array[11] { <0.1, 0.15>, <-0.35, 0.4>, <0.42, 0.45>, <-0.5, -0.1>, <0.35, -0.35>,
                              <-0.18, -0.48>, <0.6, 0.05>, <-0.1, 0.6>, <0.05, -0.18>, <-0.62, 0.2>,
                              <0.22, -0.62> }
#macro Pores()
  union {
    #for (I, 0, 10)
      #local N = <0, 0, 0>;
      #local P = trace(Mass, <PoreAt[I].u, PoreAt[I].v, -5>, z, N);
      #if (vlength(N) > 0)
        #local R = 0.05 + 0.025 * mod(I, 3);
        #local Hot = (mod(I, 4) = 0 ? <1, 0.85, 0.4> : <1, 0.43, 0.05>);
        union {
          torus { R * 1.2, R * 0.55 rotate x * 90 texture { PoreLip } }
          sphere { 0, R * 0.95 scale <1, 1, 0.5> Emitter(1, rgb Hot, 1.15) }
          Facing(N)
          translate P
        }
      #end
    #end
  }
#end

#macro Sprite(Frame)
  union {
    object { Mass texture { Flesh } }
    Pores()
  }
#end
Sheet()
