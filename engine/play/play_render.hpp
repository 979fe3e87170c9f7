#pragma once
// The frame of play without the fades: what play shows each frame, and what the high-score
// table is drawn over once play has stopped.
class Engine;

// With the heads-up display on top when asked (play itself draws it after the fades).
void DrawPlayScene(Engine& engine, float fraction, bool withHud);
