// The hive heart's valve and mouth, face on, one unit 100 screen pixels (a cell is drawn
// 80). Frames 0..3 the valve: eight armour petals drawn back from a white-hot core (0),
// closing through 1 and 2 to a shut dome (3). Frames 4..7 the mouth: four hooked mandibles
// round a throat, from at rest (4) to gaping (7) on a throat burning ever hotter.
#include "studio.inc"
#include "bosses_a.inc"

#declare Rim = 0.3;

// The armoured ring both sit in, bolted all round.
#declare Ring = union {
  torus { Rim, 0.055 rotate x * 90 texture { BaChitin } }
  #for (I, 0, 7)
    sphere { <Rim, 0, -0.045>, 0.026 rotate z * (I * 45 + 22.5) texture { BaGunmetal } }
  #end
}

// One petal of the valve: a sector of a shallow dome, its outer end painted with hazard.
#declare PetalShape = intersection {
  sphere { <0, 0, 0.42>, 0.46 }
  sphere { <0, 0, 0.42>, 0.43 inverse }
  prism { linear_spline -1, 1, 4, <0, 0>, <0.4, -0.19>, <0.4, 0.19>, <0, 0> rotate x * -90 }
}
#declare Petal = union {
  object { PetalShape texture { BaChitin } }
  object { PetalShape clipped_by { plane { -x, -0.21 } } scale 1.004 texture { BaHazard } }
}

#macro Valve(Open)
  #local Core = 0.21;
  union {
    object { Ring }
    // the petals slide back and turn together as the sphincter opens
    intersection {
      union {
        #for (I, 0, 7)
          object { Petal translate <Open * Core, 0, -0.003 * mod(I, 2)> rotate z * (I * 45 + Open * 30) }
        #end
      }
      cylinder { <0, 0, -1>, <0, 0, 1>, Rim - 0.01 }
    }
    // the core behind them: white-hot inside an amber halo
    sphere { <0, 0, 0.3>, Core * 1.05 BaCore(Core * 1.05, 1.6) }
    disc { <0, 0, 0.32>, -z, Rim BaThroat(Rim, 0.5) }
    // its light on the petals' edges, fading as they close
    #if (Open > 0)
      light_source { <0, 0, 0.06> colour BaAmber * 2.5 * Open fade_distance 0.15 fade_power 2 shadowless }
    #end
  }
#end

// The mouth: a fleshy lip round four mandibles that spread as it gapes, ringed with
// teeth, over a throat that burns hotter the wider it opens.
#declare Mandible = union {
  intersection {
    sphere { <0, 0, 0.4>, 0.45 }
    sphere { <0, 0, 0.4>, 0.42 inverse }
    prism { linear_spline -1, 1, 5, <0.0, 0>, <0.3, -0.31>, <0.34, 0>, <0.3, 0.31>, <0.0, 0> rotate x * -90 }
    texture { BaChitin }
  }
  // a fang at its tip, hooked inward
  cone { <0.1, 0, -0.04>, 0.05, <-0.01, 0, -0.07>, 0 texture { BaChitinLight } }
  // a ridge down its middle
  cylinder { <0.06, 0, -0.045>, <0.28, 0, 0.03>, 0.02 texture { BaFlesh } }
}

#macro Mouth(Gape)
  union {
    object { Ring }
    torus { Rim - 0.055, 0.04 rotate x * 90 translate z * -0.01 texture { BaFlesh } }
    #for (I, 0, 11)
      cone { <Rim - 0.08, 0, -0.02>, 0.018, <Rim - 0.15, 0, -0.03>, 0 rotate z * (I * 30 + 15)
             texture { BaChitinLight } }
    #end
    intersection {
      union {
        #for (I, 0, 3)
          object { Mandible translate <0.02 + Gape * 0.1, 0, 0> rotate z * (I * 90 + 45 - Gape * 25) }
        #end
      }
      cylinder { <0, 0, -1>, <0, 0, 1>, Rim - 0.02 }
    }
    disc { <0, 0, 0.1>, -z, Rim - 0.03 BaThroat((Rim - 0.03) * (0.55 + 0.45 * Gape), 0.4 + 1.6 * Gape) }
    #if (Gape > 0)
      light_source { <0, 0, -0.02> colour BaFire * 1.5 * Gape fade_distance 0.15 fade_power 2 shadowless }
    #end
  }
#end

#macro Sprite(Frame)
  #if (Frame < 4)
    Valve(1 - Frame / 3)
  #else
    Mouth((Frame - 4) / 3)
  #end
#end
Sheet()
