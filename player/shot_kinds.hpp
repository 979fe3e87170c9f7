#pragma once
// Every kind of shot: the values of each kind (hit circle, strength, hit rule, size, sheet
// cell) and its motion. A kind is the set of operations FireShot installs; callers name one
// of the constants below.
#include "player/shot.hpp"

namespace shots {

// The ship, its orb and pods.
extern const ShotKind Cannon;
extern const ShotKind ForceBurst; // power (1, 2, 3 or 48) preset as the strength
extern const ShotKind Claw;       // number 0..3 preset as the frame
extern const ShotKind ExhaustBlast;
extern const ShotKind HomingMissile;
extern const ShotKind AirToGroundMissile;
extern const ShotKind ClusterMissile;
extern const ShotKind OrbShot;
extern const ShotKind PodShot;
extern const ShotKind Magma; // angle in degrees preset as the frame
extern const ShotKind Laser;
extern const ShotKind Arc;
extern const ShotKind Bio; // heading preset as the frame, spin as the strength
extern const ShotKind Trawler;
extern const ShotKind Boomer;
extern const ShotKind OrbField;
extern const ShotKind EmpBolt;
extern const ShotKind DetonationBlast;
extern const ShotKind SpeedChangeFlash;
extern const ShotKind DebrisSpark; // style 0 green, 1 blue, 2 orange preset as the frame

// The enemies and bosses.
extern const ShotKind EnemyBullet;
extern const ShotKind MidBossBullet; // the enemy bullet, leaving in a green flare
extern const ShotKind HeavyShot;
extern const ShotKind StrongShot;
extern const ShotKind SmallShot;
extern const ShotKind AcceleratingShot;
extern const ShotKind PiercingShot;
extern const ShotKind WideShot;
extern const ShotKind BigFlame;
extern const ShotKind HeavyFlame;
extern const ShotKind WeakShot;

} // namespace shots
