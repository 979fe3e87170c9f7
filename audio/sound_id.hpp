#pragma once
// Every sound effect by its sample-table index: the one table of sound ids. The names say
// what the game plays each for; the files are in audio/sample_table.cpp.
enum class SoundId : int {
    LargeExplosion = 0,  // the large enemies' deaths, a broken tile block
    BossExplosion = 1,   // bosses, mid-bosses and the ship's death
    Explosion = 2,       // most enemy deaths
    SmallExplosion = 3,  // nothing plays it
    Cannon = 4,          // the ship's and the orb's cannon
    ForceCharge = 5,     // the ship's force charging (stopped on release)
    Force = 6,           // a force burst
    PodZap = 7,          // nothing plays it
    NewPod = 8,
    PodFire = 9,
    Plasma = 10,
    Magma = 11,
    Laser = 12,
    Arc = 13,
    Bio = 14,
    Missile = 15,
    Boomer = 16,
    SpeedChange = 17,
    WeakPoint = 18,      // a boss's weak point hit
    Spawn = 19,          // the ship flies in
    OrbField = 20,       // the orb field's; nothing plays it (a stage build still stops it)
    ExplosionChain = 21,
    FullForce = 22,      // a force burst at full charge
    Claw = 23,
    PowerUp = 24,
    OrbDock = 25,
    OrbLaunch = 26,
    EmpBolt = 27,        // the EMP bolt's, looping; nothing plays it (a stage build still stops it)
    Deflection = 28,     // a shot deflected by the orb
    ArcCrackle = 29,     // nothing plays it
    Trawler = 30,
    Detonation = 31,
    MenuMove = 32,
    MenuSelect = 33,
};

constexpr int SoundIndex(SoundId id) { return static_cast<int>(id); }
