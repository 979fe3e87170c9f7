#pragma once
// The player's side of play carried along when the clock jumps and the world moves under the
// camera: the ship with its tail, orb and pods, and both shot lists, hit circles included, so
// that what is on screen keeps its screen position and the jump tick's collisions happen
// where the pictures are.
class Player;
struct ShotLists;

void ShiftPlayerSide(Player& player, ShotLists& shots, float dx, float dy);
