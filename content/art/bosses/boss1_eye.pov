// One of the hive heart's eyes, face on, filling its cell: an eyeball with a glowing iris
// under lids of chitin, from shut (frame 0) to wide open (3). The eleven eyes are one
// family told apart by `Iris` (0 amber, 1 red, 2 toxic green), `Lids` (0 almond: both lids
// part, 1 hooded: the upper lid lifts, 2 sideways: lids part left and right, 3 shutter:
// three lids draw back), `Pupil` (0 a slit, 1 round, 2 a bar) and `Tilt` (degrees).
#include "studio.inc"
#include "bosses_a.inc"
#ifndef (Iris) #declare Iris = 0; #end
#ifndef (Lids) #declare Lids = 0; #end
#ifndef (Pupil) #declare Pupil = 0; #end
#ifndef (Tilt) #declare Tilt = 0; #end

#declare Ball = 0.34;
#declare IrisHues = array[3] { <1, 0.5, 0.08>, <1, 0.1, 0.03>, <0.35, 1, 0.06> };
#declare Hue = rgb IrisHues[Iris];

// The eyeball: dark and wet, the iris burning round the pupil.
#declare Eyeball = union {
  sphere { 0, Ball BaSurface(pigment { rgb <0.09, 0.02, 0.03> }, normal { bumps 0.05 scale 0.05 }, 1.0, 0) }
  // the iris, a lens of light on the ball's front
  intersection {
    sphere { 0, Ball + 0.005 }
    cylinder { <0, 0, -1>, <0, 0, 0>, Ball * 0.72 }
    BaIris(Hue, Ball * 0.72, 1.5)
  }
  // the pupil
  #switch (Pupil)
    #case (0) sphere { 0, 1 scale <0.05, 0.2, 0.05> translate z * (0.035 - Ball) #break
    #case (1) sphere { 0, 1 scale <0.085, 0.085, 0.05> translate z * (0.035 - Ball) #break
    #else sphere { 0, 1 scale <0.2, 0.045, 0.05> translate z * (0.035 - Ball)
  #end
    texture { BaHollow } }
}

// A lid: a shell over the ball on the side of the plane through its centre that has
// turned `Angle` degrees away from shut about the axis across the eye.
#macro Lid(Angle)
  intersection {
    sphere { 0, Ball + 0.05 }
    sphere { 0, Ball + 0.012 inverse }
    plane { -y, 0 rotate x * Angle }
  }
#end

#declare LidSkin = BaCarapace(0.22, 0.15)
#declare LidEdge = BaFlesh;

// The lids at opening O (0 shut .. 1 wide).
#macro Lids_(O)
  union {
    #switch (Lids)
      #case (0)
        object { Lid(O * 62) texture { LidSkin } }
        object { Lid(O * 55) scale <1, -1, 1> texture { LidSkin } }
      #break
      #case (1)
        object { Lid(-20 + O * 85) texture { LidSkin } }
        object { Lid(20 + O * 25) scale <1, -1, 1> texture { LidSkin } }
      #break
      #case (2)
        object { Lid(O * 60) texture { LidSkin } rotate z * 90 }
        object { Lid(O * 60) scale <1, -1, 1> texture { LidSkin } rotate z * 90 }
      #break
      #else
        // three lids, each a third of the shell and a little over, drawn back to the rim
        #for (I, 0, 2)
          intersection {
            Lid(O * 62)
            plane { <cos(radians(62)), -sin(radians(62)), 0>, 0 }
            plane { <-cos(radians(62)), -sin(radians(62)), 0>, 0 }
            texture { LidSkin }
            scale 1 + I * 0.012
            rotate z * (I * 120)
          }
        #end
    #end
  }
#end

// The lids' own ring, where they meet the socket.
#declare EyeRing = torus { Ball + 0.05, 0.045 rotate x * 90 texture { BaFlesh } }

#macro Sprite(Frame)
  union {
    object { Eyeball }
    Lids_(Frame / 3)
    object { EyeRing }
    rotate z * Tilt
  }
#end
Sheet()
