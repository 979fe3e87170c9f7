// The globsack: a hanging sack of violet flesh, tied off at the top, its skin stretched over
// glowing toxic globs that bulge out of it. Over the 16 frames it throbs once (its lobes
// swelling one after another) and each glob pushes out and sinks back on its own beat, all
// whole cycles, so frame 15 flows into 0.
#include "studio.inc"
#include "enemies_b.inc"

#declare SackFlesh = Skin(pigment { marble turbulence 1.1 octaves 4 scale <0.8, 1.4, 0.8>
                                    color_map { [0 rgb <0.2, 0.05, 0.28>] [0.42 rgb <0.12, 0.025, 0.18>]
                                                [0.47 rgb <0.55, 0.16, 0.42>] [0.52 rgb <0.12, 0.025, 0.18>]
                                                [1 rgb <0.2, 0.05, 0.28>] } },
                         normal { bumps 0.25 scale 0.09 }, 0.3)
#declare Lip = Skin(pigment { rgb <0.3, 0.08, 0.3> }, normal { bumps 0.2 scale 0.05 }, 0.3)
// A glob under the skin: brightest where it faces the viewer, as if lit from inside.
#declare GlobJelly = Coat(pigment { gradient z color_map { [0 rgb <0.8, 1, 0.45>] [0.45 Toxic * 0.75] [1 Toxic * 0.25] }
                                    scale 2 translate z * -1 }, 0.8, 0.55)

#macro Sack(T)
  blob {
    threshold 0.5
    sphere { <0, -0.22, 0>, 1.05, 1 }
    #for (I, 0, 5)
      #local A = I * 60 + 30;
      #local Swell = 1 + 0.14 * sin(T - I * pi / 3);
      sphere { <0.48 * cos(radians(A)), -0.22 + 0.44 * sin(radians(A)), -0.05>, 0.62 * Swell, 1 }
    #end
    sphere { <0, 0.42, 0>, 0.5, 1 }
    sphere { <0, 0.62, 0>, 0.3, 1 }
    scale <1, 0.95, 0.8>
  }
#end

#declare GlobAt = array[10] { <0.14, -0.3>, <-0.4, 0.0>, <0.5, 0.16>, <-0.2, -0.68>, <0.44, -0.6>,
                              <-0.72, -0.4>, <0.78, -0.18>, <-0.08, 0.32>, <0.2, 0.08>, <-0.42, -0.36> }
#declare GlobSize = array[10] { 0.27, 0.2, 0.17, 0.16, 0.2, 0.12, 0.1, 0.12, 0.09, 0.11 }

#macro Sprite(Frame)
  #local T = Frame / 16 * 2 * pi;
  #local Body = object { Sack(T) }
  union {
    object { Body texture { SackFlesh } }
    #for (I, 0, 9)
      #local N = <0, 0, 0>;
      #local P = trace(Body, <GlobAt[I].u, GlobAt[I].v, -5>, z, N);
      #if (vlength(N) > 0)
        #local Push = 0.45 + 0.45 * sin(T * (1 + mod(I, 2)) + I * 2.3);
        #local R = GlobSize[I];
        union {
          sphere { <0, 0, R * (0.25 - 0.6 * Push)>, R texture { GlobJelly } }
          torus { R * 1.02, R * 0.22 rotate x * 90 translate z * -R * 0.05 texture { Lip } }
          Facing(N)
          translate P
        }
      #end
    #end
    // the knot at the top and its two loose ends
    torus { 0.16, 0.07 rotate z * 20 translate y * 0.74 texture { Lip } }
    #for (S, -1, 1, 2)
      #local Wave = 0.05 * sin(T + S);
      object { Strand(array[4] { <0.05 * S, 0.78, 0>, <0.18 * S, 0.9, 0>, <0.28 * S + Wave, 0.9, 0>, <0.34 * S + Wave, 0.82, 0> },
                      array[4] { 0.06, 0.05, 0.04, 0.025 }) texture { Lip } }
    #end
    translate y * -0.02
    scale <1 + 0.04 * sin(T), 1 - 0.03 * sin(T), 1>
  }
#end
Sheet()
