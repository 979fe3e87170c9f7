#include "world/furniture/water_fall.hpp"

#include "core/screen_size.hpp"
#include "world/play_context.hpp"
#include "world/player_contact.hpp"
#include "world/water_contact.hpp"

namespace {

const PropertyDecl<WaterFall> Declared[] = {
    {.name = "SIZE", .kind = PropertyKind::Float, .floatMember = &WaterFall::fallHeight},
    {.name = "X OFFSET", .kind = PropertyKind::Float, .floatMember = &WaterFall::offsetX},
    {.name = "Y OFFSET", .kind = PropertyKind::Float, .floatMember = &WaterFall::offsetY},
    {.name = "WIDTH", .kind = PropertyKind::Float, .floatMember = &WaterFall::fallWidth},
};

} // namespace

WaterFall::WaterFall()
{
    keepOnRestart = 1;
    drawOrder = 10;
    active = 0;
}

std::span<const PropertyDecl<WaterFall>> WaterFall::Properties() { return Declared; }

bool WaterFall::LoadResources()
{
    picture = LoadPicture(Picture);
    if (picture == 0)
        return false;
    normalMap = LoadPicture(NormalMap);
    return normalMap != 0;
}

void WaterFall::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    health = 1.0f;
    phase = prevPhase = 0.0f;
    splashCounter = 0;
    active = 0;
}

Rect WaterFall::Curtain() const { return RectFromSize(fallWidth, fallHeight, x + offsetX, y + offsetY); }

void WaterFall::UpdateActivation(float cx, float cy)
{
    const Rect onScreen = RectFromSize(fallWidth, fallHeight, x + offsetX - cx, y + offsetY - cy);
    const Rect screen = RectFromSize(ScreenWidth, ScreenHeight, ScreenCentreX, ScreenCentreY);
    active = RectsOverlap(onScreen, screen) ? 1 : 0;
    if (onScreen.right < screen.left)
        health = -1.0f;
}

void WaterFall::Think()
{
    prevPhase = phase;
    phase += PhaseStep;
    if (++splashCounter >= SplashEvery) {
        splashCounter = 0;
        const float foot = y + fallHeight / 2.0f;
        const float middle = x + offsetX + 15.0f;
        EmitWaterSplash(middle - fallWidth / 3.0f, foot);
        EmitWaterSplash(middle, foot);
        EmitWaterSplash(middle + fallWidth / 3.0f, foot);
    }
    PlayerContact* player = CurrentPlay().world.player;
    float shipX = 0.0f, shipY = 0.0f;
    if (player && player->ShipPosition(shipX, shipY) && PointInRect(Curtain(), shipX, shipY))
        player->PushShip(0.0f, Push);
}

void WaterFall::DescribeProperties(std::vector<EntityProperty>& list)
{
    DescribeDeclared(Properties(), *this, list);
}

bool WaterFall::LoadProperties(DataFile& file) { return LoadDeclared(Properties(), *this, file); }

bool WaterFall::SaveProperties(DataFile& file) { return SaveDeclared(Properties(), *this, file); }
