// FALLING ROCK: one heavy boulder for the front layer: dark, many-faceted stone, its top
// left face catching the key light dimly and its edge the cool rim, no bright colour.
// It fills the cell's height, as rocks stack 60 of their 64 pixels apart.
#include "studio.inc"
#include "enemies_a.inc"

#declare Stone = texture {
  #switch (Pass)
    #case (0)
      pigment { granite scale 0.6 color_map { [0 rgb <0.05, 0.048, 0.05>] [0.6 rgb <0.09, 0.085, 0.085>]
                                               [1 rgb <0.14, 0.13, 0.125>] } }
      normal { granite 0.25 scale 0.3 }
      finish { ambient 0 diffuse 0.9 specular 0.08 roughness 0.05 }
    #break
    #else Paint(1, rgb 0.1, 0)
  #end
}

#declare Boulder = intersection {
  sphere { 0, 0.95 scale <1, 0.94, 0.92> }
  #declare R = seed(23);
  #for (I, 0, 21)
    #local N = vnormalize(<rand(R) - 0.5, rand(R) - 0.5, rand(R) - 0.5>);
    plane { N, 0.72 + 0.16 * rand(R) }
  #end
  texture { Stone }
}

#macro Sprite(Frame)
  object { Boulder rotate <12, 20, 0> }
#end
Sheet()
