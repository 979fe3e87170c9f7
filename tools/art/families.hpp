#pragma once
// Every generator, by family; generator.cpp maps the "kind" words onto them.
#include "tools/art/generator.hpp"

// Distortion and utility maps (fx_maps.cpp).
Image ShockWaveMap(ArtContext&);
Image WaveDistortionMap(ArtContext&);
Image WaterMap(ArtContext&);
Image WaterSurface(ArtContext&);
Image CheckerPicture(ArtContext&);
Image BarsPicture(ArtContext&);

// Shots and their light (shots.cpp).
Image BulletSheet(ArtContext&);
Image BulletSplash(ArtContext&);
Image BeamSheet(ArtContext&);

// Explosions and particles (blasts.cpp).
Image ExplosionSheet(ArtContext&);
Image ExplosionRingSheet(ArtContext&);
Image ParticleSheet(ArtContext&);
Image ForceChargeSheet(ArtContext&);

// Heads-up display and interface (hud.cpp).
Image SpeedometerSheet(ArtContext&);
Image HudBeamOrb(ArtContext&);
Image InterfaceSheet(ArtContext&);
Image PressIcons(ArtContext&);
Image WarningBanner(ArtContext&);

// Shell screens (shell.cpp).
Image SpaceBackdrop(ArtContext&);
Image TitleLogo(ArtContext&);
Image StudioLogo(ArtContext&);
Image BannerPicture(ArtContext&);
Image IconPicture(ArtContext&);

// Stage furniture and title cards (scenery.cpp).
Image MachineAnimation(ArtContext&);
Image BrokenBlock(ArtContext&);
Image DoorSegments(ArtContext&);
Image WaterFallPicture(ArtContext&);
Image WaterFallNormalMap(ArtContext&);
Image CheckPointMarker(ArtContext&);
Image TitleCard(ArtContext&);

// The ship selection screen (select_screen.cpp).
Image GridTile(ArtContext&);
Image SliderPicture(ArtContext&);
Image BannerText(ArtContext&);
Image StarSprites(ArtContext&);
Image WeaponIcons(ArtContext&);
