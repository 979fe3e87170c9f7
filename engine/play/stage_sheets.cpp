#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "graphics/texture_loading.hpp"
#include "engine/play/stage_loading.hpp"

#include <GL/glew.h>
#include <string>

namespace {

// Stand-in texture names for headless runs, where nothing is uploaded.
constexpr uint32_t HeadlessNear = 1;
constexpr uint32_t HeadlessFar = 2;

uint32_t LoadTileSheetTexture(const std::string& name, uint32_t standIn)
{
    if (Automation().headless)
        return CheckImageFile(name) ? standIn : 0;
    return LoadTexture(name, GL_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
}

} // namespace

bool LoadStageSheets(Engine& engine)
{
    const std::string stem = "GFX/Stage" + std::to_string(engine.stageIndex);
    const uint32_t nearTexture = LoadTileSheetTexture(stem + "_Near.tga", HeadlessNear);
    if (nearTexture == 0)
        return false;
    engine.world.nearSheet.Setup(nearTexture, 32, 32, 1024, 1024);
    const uint32_t farTexture = LoadTileSheetTexture(stem + "_Far.tga", HeadlessFar);
    if (farTexture == 0)
        return false;
    engine.world.farSheet.Setup(farTexture, 32, 32, 1024, 1024);
    // A new sheet may be given the name of the one it replaces.
    engine.farLayerCache.Forget();
    return true;
}

void ReleaseStageSheets(Engine& engine)
{
    for (SpriteSheet* sheet : {&engine.world.nearSheet, &engine.world.farSheet}) {
        if (sheet->texture != 0 && !Automation().headless) {
            const GLuint texture = sheet->texture;
            glDeleteTextures(1, &texture);
        }
        *sheet = SpriteSheet();
    }
}
