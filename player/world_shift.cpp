#include "player/world_shift.hpp"

#include "player/player.hpp"
#include "player/shot.hpp"
#include "world/stage_world.hpp"

void ShiftPlayerSide(Player& player, ShotLists& shots, float dx, float dy)
{
    ShiftEntity(player, dx, dy);
    ShiftEntity(player.orb, dx, dy);
    for (GunPod& pod : player.pods)
        ShiftEntity(pod, dx, dy);
    for (TailSegment& segment : player.tail) {
        segment.x -= dx;
        segment.y -= dy;
        segment.prevX -= dx;
        segment.prevY -= dy;
    }
    for (ShotList* list : {&shots.playerShots, &shots.enemyShots})
        for (Shot& shot : *list) {
            shot.x -= dx;
            shot.y -= dy;
            shot.prevX -= dx;
            shot.prevY -= dy;
            ShiftCircles(shot.circles, dx, dy);
        }
}
