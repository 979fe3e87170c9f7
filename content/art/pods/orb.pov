// The orb pods, one scene for the three: `OrbType` 1 standard (a cyan core in a caged
// sphere), 2 arc (a violet core between two coil prongs), 3 EMP (a green core inside three
// spinning rings). Cells 0..5: the energy loop (the game's frame runs 0..6); cell 6: fully
// charged, the core white-hot; cell 7: the flash, the whole pod glowing white.
#include "studio.inc"
#ifndef (OrbType) #declare OrbType = 1; #end
#declare CoreColour = array[3] { rgb <0.3, 0.85, 1>, rgb <0.72, 0.45, 1>, rgb <0.55, 1, 0.3> };
#declare Hue = CoreColour[OrbType - 1];

#macro Sprite(Frame)
  #local Flash = (Frame = 7);
  #local Charged = (Frame >= 6);
  #local Pulse = (Charged ? 1.25 : 1 + 0.12 * sin(Frame / 6 * 2 * pi));
  #if (Flash)
    #local Shell = Emitter(1, rgb 1, 1.2)
  #else
    #local Shell = Plates(1, rgb 0.45, 0.6, 0.12)
  #end
  // A white-hot core inside a coloured glow.
  #local Core = Emitter(1, rgb 1, 1.3)
  #if (Charged)
    #local Glow = Haze(1, Hue * 0.5 + 0.5, 1.3, 0.35)
  #else
    #local Glow = Haze(1, Hue, 1.2, 0.45)
  #end
  union {
    sphere { 0, 0.075 * Pulse texture { Core } }
    sphere { 0, 0.15 * Pulse texture { Glow } }
    #switch (OrbType)
      #case (1)
        #for (I, 0, 3)
          torus { 0.27, 0.028 rotate x * 90 rotate y * (I * 45 + Frame * 15) texture { Shell } }
        #end
        torus { 0.27, 0.03 texture { Shell } }
      #break
      #case (2)
        #for (S, -1, 1, 2)
          cone { <0.18 * S, 0, 0>, 0.11, <0.4 * S, 0, 0>, 0.02 texture { Shell } }
          #for (R, 0, 2)
            torus { 0.07 - R * 0.017, 0.015 rotate z * 90 translate x * S * (0.22 + R * 0.06) texture { Shell } }
          #end
        #end
        torus { 0.22, 0.012 rotate x * 90 rotate x * Frame * 60 texture { Core } }
      #break
      #else
        #for (I, 0, 2)
          torus { 0.2 + I * 0.06, 0.022 rotate x * (60 + I * 40 + Frame * 30 * (I + 1)) rotate y * I * 60
                  texture { Shell } }
        #end
    #end
    rotate x * -20
  }
#end
Sheet()
