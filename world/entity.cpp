#include "world/entity.hpp"

#include "world/play_context.hpp"
#include "core/log.hpp"
#include "core/data_file.hpp"
#include "world/water_contact.hpp"

#include <cmath>
#include <numbers>

Entity::Entity() : placeCircles(&Entity::PlaceCirclesTranslated) {}

bool Entity::LayerCamera(float& cameraX, float& cameraY) const
{
    if (layer < 1 || layer > 4)
        return false;
    const StageWorld& world = CurrentPlay().world;
    const CameraPoint camera = LayerCameraOf(world.camera, layer);
    cameraX = camera.x;
    cameraY = camera.y;
    return true;
}

void Entity::Update()
{
    hitFlash = 0;
    prevX = x;
    prevY = y;
    prevAngle = angle;
    if (!CurrentPlay().paused)
        Think();
    if (float cx = 0.0f, cy = 0.0f; LayerCamera(cx, cy))
        UpdateActivation(cx, cy);
    (this->*placeCircles)(circles);
    ++age;
    CheckWater();
}

void Entity::TakeDamage(float amount)
{
    hitFlash = 3;
    health -= amount;
    if (health <= 0.0f)
        Destroyed();
}

void Entity::UpdateActivation(float cx, float cy)
{
    if (!active) {
        if (cx - 64.0f < x && x < cx + 704.0f && cy - 64.0f < y && y < cy + 544.0f)
            active = 1;
    } else if (x < cx - 64.0f || x > cx + 704.0f || y < cy - 64.0f || y > cy + 544.0f) {
        active = 0;
        health = -1.0f;
    }
    if (x < cx - 128.0f || x > cx + 768.0f || y < cy - 128.0f || y > cy + 608.0f) {
        active = 0;
        health = -1.0f;
    }
}

bool Entity::HitTest(std::vector<Circle> others)
{
    if (others.empty())
        return false;
    return AnyCirclesOverlap(others, circles);
}

bool Entity::Load(DataFile& file)
{
    GameLog().Write(">>Loading Entity.\n");
    if (!file.ReadF32(x) || !file.ReadF32(y))
        return false;
    prevX = x;
    prevY = y;
    return LoadProperties(file);
}

bool Entity::Save(DataFile& file)
{
    if (!file.WriteF32(x) || !file.WriteF32(y))
        return false;
    return SaveProperties(file);
}

bool Entity::GetTargetPoint(float& outX, float& outY)
{
    outX = x;
    outY = y;
    return true;
}

void Entity::CheckWater()
{
    if (CurrentPlay().stateTicks < 100 || circles.empty() || age % 10 != 1)
        return;
    inWater = 0;
    for (const Rect& water : CurrentPlay().world.water) {
        for (const Circle& circle : circles) {
            if (CircleTouchesWater(circle, water))
                inWater = 1;
            if (CircleTouchesWaterSurface(circle, water))
                EmitWaterSplash(circle.x, water.top + 4.0f);
        }
    }
}

void Entity::PlaceCirclesTranslated(std::vector<Circle>& list)
{
    for (Circle& circle : list) {
        circle.x = x + circle.offsetX;
        circle.y = y + circle.offsetY;
    }
}

void Entity::PlaceCirclesRotated(std::vector<Circle>& list)
{
    const double radians = angle * (std::numbers::pi / 180.0);
    const float c = static_cast<float>(std::cos(radians));
    const float s = static_cast<float>(std::sin(radians));
    for (Circle& circle : list) {
        circle.x = x - circle.offsetX * c - circle.offsetY * s;
        circle.y = y - circle.offsetX * s + circle.offsetY * c;
    }
}
