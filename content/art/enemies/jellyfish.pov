// The jellyfish: a see-through magenta bell with a hot core, a rim of stinging lights, four
// frilled mouth arms and six trailing tentacles. Its 32-frame swim: the bell squeezes
// hard over frames 12 to 16 (the stroke is cells 15 to 16), then slowly opens again while
// the tentacles, lagging behind, sway back; frame 31 flows into 0.
#include "studio.inc"
#include "enemies_b.inc"

#declare BellSkin = Membrane(rgb <0.9, 0.12, 0.6>, 0.42, 0.4, 0.8)
#declare ArmSkin = Emitter(1, rgb <0.95, 0.3, 0.7>, 0.55)
#declare Tentacle = Emitter(1, rgb <0.75, 0.25, 1>, 0.6)

// How far the bell is squeezed at frame F (0 open .. 1 squeezed): quick to close before
// 15.5, slow to open after it.
#macro Squeeze(F)
  #local D = mod(F - 15.5 + 48, 32) - 16;
  exp(-pow(D / (D < 0 ? 3 : 6.5), 2))
#end

#macro Sprite(Frame)
  #local C = Squeeze(Frame);
  #local Lag = Squeeze(Frame - 3);        // the tentacles follow the bell late
  #local R = 0.62 * (1 - 0.24 * C);
  #local H = 0.48 * (1 + 0.28 * C);
  #local Rim = R * 0.96;
  #local Sway = Frame / 32 * 2 * pi;
  union {
    // the bell: one see-through skin (a single surface keeps the trace cheap)
    intersection {
      sphere { 0, 1 scale <R, H, R> }
      plane { -y, 0 }
      texture { BellSkin }
    }
    // the core and its glow
    sphere { 0, 1 scale <0.1, 0.08, 0.1> * (1 + 0.25 * C) translate y * H * 0.45 Emitter(1, rgb <1, 0.85, 0.9>, 1.2) }
    sphere { 0, 1 scale <0.2, 0.15, 0.2> translate y * H * 0.42 Haze(1, Magenta, 0.9, 0.55) }
    // the rim and its stinging lights
    torus { Rim, 0.035 translate y * 0.005 texture { BellSkin } }
    #for (I, 0, 7)
      sphere { <Rim * cos(I * pi / 4 + 0.2), 0.01, Rim * sin(I * pi / 4 + 0.2)>, 0.04 Emitter(1, Amber, 1.2) }
    #end
    // four frilled mouth arms
    #for (I, 0, 3)
      #local A = I * pi / 2 + 0.6;
      #local Out = R * 0.25;
      #local P = array[6] {
        <0, 0.08, 0>,
        <Out * 0.4 * cos(A), -0.02, Out * 0.4 * sin(A)>,
        <Out * cos(A) + 0.04 * sin(Sway + I), -0.22, Out * sin(A)>,
        <Out * 1.2 * cos(A) + 0.06 * sin(Sway + I + 1), -0.4 - 0.08 * Lag, Out * 1.2 * sin(A)>,
        <Out * 1.1 * cos(A) + 0.07 * sin(Sway + I + 2), -0.55 - 0.1 * Lag, Out * 1.1 * sin(A)>,
        <Out * cos(A) + 0.05 * sin(Sway + I + 3), -0.65 - 0.1 * Lag, Out * sin(A)> }
      #local W = array[6] { 0.04, 0.055, 0.06, 0.045, 0.03, 0.018 }
      object { Strand(P, W) texture { ArmSkin } }
    #end
    // six tentacles hanging from the rim, waving down their length; squeezed, the bell
    // draws them in and they stream straight
    #for (I, 0, 5)
      #local A = I * pi / 3 + 0.3;
      #local Root = <Rim * cos(A), 0, Rim * sin(A)>;
      #local Wave = 0.1 * (1 - 0.6 * Lag);
      #local Len = 0.78 + 0.1 * Lag;
      #local P = array[5];
      #local W = array[5];
      #for (K, 0, 4)
        #local S = K / 4;
        #local P[K] = Root * (1 - S * (0.3 + 0.35 * Lag)) + <Wave * S * sin(Sway + I * 0.9 - S * 4), 0.03 - Len * S, 0>;
        #local W[K] = 0.034 - 0.02 * S;
      #end
      object { Strand(P, W) texture { Tentacle } }
    #end
    translate y * 0.28
    rotate x * -14
  }
#end
Sheet()
