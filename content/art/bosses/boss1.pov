// The hive heart of the docks, whole: a mass of chitin and flesh grown over the dock's end
// wall on the right, with a root along the ceiling and one along the floor that reach to
// the left edge and end in the openings the serpent arms leave from. The middle of its
// face holds the recesses of the valve and the mouth, its brow and jaw the sockets of
// eleven eyes; the game draws the valve, the mouth and the lidded eyes over them, and the
// middle-left of the picture stays open for the ship.
// One unit is 100 screen pixels; the boss's position is at (2.2, 0), y up. `At` turns the
// game's offsets (screen pixels from the boss, y down) into scene points.
#include "studio.inc"
#include "bosses_a.inc"

#macro At(DX, DY) <(DX + 220) / 100, -(DY) / 100, 0> #end

// Where the game draws the parts over the body (its offsets, in screen pixels).
#declare ValveAt = At(-69, 38);
#declare MouthAt = At(-99, -38);
#declare PartRadius = 0.4;
#declare ArmAt = array[3];
#declare ArmAt[0] = At(-33, 162);
#declare ArmAt[1] = At(-455, 224);
#declare ArmAt[2] = At(-470, -224);
#declare ArmOpening = array[3] { 0.16, 0.3, 0.29 };
#declare EyeAt = array[11] { <-190, -120, 20>, <-130, -175, 24>, <-40, -200, 28>, <40, -150, 22>,
                             <-10, -90, 30>, <50, -40, 20>, <20, 40, 26>, <50, 110, 22>,
                             <-40, 130, 24>, <-140, 140, 20>, <-200, 80, 18> };

// Blob components are given by the radius their surface reaches when alone.
#macro Lump(P, R) sphere { P, R * 1.414, 2 } #end
#macro Limb(A, B, R) cylinder { A, B, R * 1.414, 2 } #end

// A root: a chain of limbs through the points, thinning from R0 to R1.
#macro RootLimbs(Points, R0, R1)
  #local N = dimension_size(Points, 1);
  #for (I, 0, N - 2)
    Limb(Points[I], Points[I + 1], R0 + (R1 - R0) * I / (N - 2))
  #end
#end

#declare CeilingRoot = array[6] { <1.7, 2.72, 0.4>, <0.7, 2.66, 0.2>, <-0.4, 2.56, 0.1>, <-1.4, 2.44, 0.05>,
                                  <-2.1, 2.32, 0>, ArmAt[2] };
#declare FloorRoot = array[6] { <1.7, -2.72, 0.4>, <0.7, -2.66, 0.2>, <-0.3, -2.56, 0.1>, <-1.3, -2.44, 0.05>,
                                <-2.0, -2.32, 0>, ArmAt[1] };

#declare Lumps = blob {
  threshold 0.5
  // the heart, pressed against the wall
  Lump(<2.25, 0.1, 0.5>, 1.25)
  Lump(<2.45, 1.3, 0.4>, 0.95)
  Lump(<2.45, -1.1, 0.4>, 0.95)
  Lump(<2.35, 2.2, 0.5>, 0.8)
  Lump(<2.35, -2.2, 0.5>, 0.8)
  Lump(<2.5, 2.6, 0.5>, 0.45)
  Lump(<2.5, -2.6, 0.5>, 0.45)
  // the brow over the face, reaching forward
  Lump(<1.05, 1.45, 0.3>, 0.62)
  Lump(<0.45, 1.15, 0.2>, 0.38)
  Lump(<1.7, 1.85, 0.3>, 0.55)
  // the jaw under it
  Lump(<0.95, -1.2, 0.3>, 0.58)
  Lump(<0.35, -0.85, 0.2>, 0.34)
  Lump(<1.75, -1.55, 0.3>, 0.55)
  // the face between them, set back
  Lump(<1.45, 0.0, 0.4>, 0.62)
  // the roots, swelling where they leave the body and at their openings
  RootLimbs(CeilingRoot, 0.3, 0.2)
  RootLimbs(FloorRoot, 0.3, 0.2)
  Lump(<1.55, 2.55, 0.3>, 0.42)
  Lump(<1.55, -2.55, 0.3>, 0.42)
  Lump(ArmAt[1] + <0.05, 0, 0>, 0.36)
  Lump(ArmAt[2] + <0.05, 0, 0>, 0.34)
  Lump(ArmAt[0] + <0.05, -0.05, 0.1>, 0.3)
}
// Flattened where it meets the wall, and kept inside the picture.
#declare Mass = intersection {
  object { Lumps }
  box { <-3.1, -3.06, -5>, <2.98, 3.06, 5> }
}

// The end wall of the dock behind the heart: a plated bulkhead with hazard paint, the
// heart grown flat against it.
#declare Bulkhead = union {
  box { <2.96, -3.04, -0.7>, <3.12, 3.04, 1.4> texture { BaSteel } }
  #for (I, -3, 3)
    box { <2.93, I * 0.9 - 0.06, -0.75>, <3.12, I * 0.9 + 0.06, -0.6> texture { BaGunmetal } }
  #end
  box { <2.985, -3.0, -0.75>, <3.05, 3.0, -0.7> texture { BaHazard } }
}

// Pipes of the dock the heart has grown round, coming out of the wall into the flesh.
#declare Pipes = union {
  #for (I, 0, 2)
    #local Y0 = (I - 1) * 1.5 + 0.35;
    union {
      cylinder { <3.0, Y0, 0.2>, <2.6, Y0 + 0.05, -0.3>, 0.09 }
      torus { 0.1, 0.03 rotate z * 90 translate <2.85, Y0 + 0.02, 0.0> }
      texture { BaSteel }
    }
  #end
}

// Chitin bands round a root, each `Step` along it.
#macro RootBands(Points, R0, R1, Step)
  #local N = dimension_size(Points, 1);
  union {
    #for (I, 0, N - 2)
      #local A = Points[I];
      #local B = Points[I + 1];
      #local L = vlength(B - A);
      #local D = vnormalize(B - A);
      #local K = Step / 2;
      #while (K < L)
        #local R = (R0 + (R1 - R0) * (I + K / L) / (N - 2)) * 1.02;
        torus { R, 0.035 rotate z * (90 + degrees(atan2(D.y, D.x))) translate A + D * K }
        #local K = K + Step;
      #end
    #end
    texture { BaChitinLight }
  }
#end

// Spines along an edge, pointing out along `Out`.
#macro Spines(From, To, Count, Out, Length)
  union {
    #for (I, 0, Count - 1)
      #local P = From + (To - From) * (I + 0.5) / Count;
      #local L = Length * (0.75 + 0.5 * mod(I * 7, 3) / 2);
      union {
        cone { 0, 0.06, Out * L, 0 texture { BaChitinLight } }
        cone { Out * L * 0.65, 0.022, Out * L, 0 BaGlow(BaFire, 0.9) }
        translate P
      }
    #end
  }
#end

// A socket: a dark recess in a thick lip of chitin, facing out along the surface's normal.
#macro Socket(P, N, R)
  union {
    torus { R * 0.98, R * 0.26 rotate x * 90 scale <1, 1, 0.7> BaCarapace(0.09, 0.2) }
    torus { R * 0.8, R * 0.1 rotate x * 90 translate z * 0.03 texture { BaFlesh } }
    cylinder { <0, 0, -0.01>, <0, 0, 0.2>, R * 0.9 texture { BaHollow } }
    translate z * -R * 0.2
    BaFacing(N)
    translate P
  }
#end

// A collar for the valve or the mouth: a heavy ring round a deep recess.
#macro Collar(P, N)
  union {
    union {
      torus { PartRadius * 0.96, 0.07 rotate x * 90 texture { BaChitinLight } }
      torus { PartRadius * 1.1, 0.05 rotate x * 90 translate z * 0.04 texture { BaChitin } }
      #for (I, 0, 7)
        sphere { <PartRadius * 1.12, 0, -0.04>, 0.035 rotate z * (I * 45 + 22.5) texture { BaGunmetal } }
      #end
      cylinder { <0, 0, -0.02>, <0, 0, 0.3>, PartRadius * 0.92 texture { BaHollow } }
      translate z * -0.12
    }
    // raised out of the flesh on a mound of its own
    sphere { 0, 1 scale <PartRadius * 1.3, PartRadius * 1.3, 0.16> translate z * 0.04 BaCarapace(0.14, 0.25) }
    BaFacing(N)
    translate P
  }
#end

// An opening an arm leaves from: a flared lip round a throat with light deep inside.
#macro Opening(P, N, R)
  union {
    torus { R, R * 0.3 rotate x * 90 scale <1, 1, 0.7> texture { BaChitin } }
    #for (I, 0, 7)
      cone { <R * 0.95, 0, -R * 0.1>, R * 0.12, <R * 0.6, 0, -R * 0.2>, 0 rotate z * (I * 45 + 10) texture { BaChitinLight } }
    #end
    disc { <0, 0, -0.005>, -z, R * 0.85 BaThroat(R * 0.85, 1) }
    BaFacing(N)
    translate P
  }
#end

// Where a point the viewer sees sits on the mass, and which way the surface faces there,
// leaned towards the viewer so the parts read face on.
#macro Place(Thing, XY, Lean)
  #local N = <0, 0, 0>;
  #local P = BaSurfaceAt(Thing, XY.x, XY.y, N);
  #if (vlength(N) = 0)
    #local P = <XY.x, XY.y, 0>;
    #local N = -z;
  #end
  #declare PlacedNormal = vnormalize(N * (1 - Lean) + <0, 0, -1> * Lean);
  (P)
#end

#macro Sprite(Frame)
  union {
    object { Mass BaCarapace(0.42, 0.32) }
    object { Bulkhead }
    object { Pipes }
    RootBands(CeilingRoot, 0.3, 0.2, 0.32)
    RootBands(FloorRoot, 0.3, 0.2, 0.32)
    Spines(<2.0, 2.82, 0.2>, <-1.8, 2.74, 0>, 9, vnormalize(<-0.2, 1, -0.3>), 0.18)
    Spines(<2.0, -2.82, 0.2>, <-1.7, -2.74, 0>, 9, vnormalize(<-0.2, -1, -0.3>), 0.18)
    #declare Valve = Place(Mass, ValveAt, 0.8);
    Collar(Valve, PlacedNormal)
    #declare Mouth = Place(Mass, MouthAt, 0.8);
    Collar(Mouth, PlacedNormal)
    #for (I, 0, 10)
      #local E = EyeAt[I];
      #local P = Place(Mass, At(E.x, E.y), 0.85);
      Socket(P, PlacedNormal, E.z / 100)
    #end
    #for (I, 0, 2)
      #local P = Place(Mass, ArmAt[I], 0.5);
      Opening(P, PlacedNormal, ArmOpening[I])
    #end
  }
#end
Sheet()
