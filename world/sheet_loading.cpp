#include "world/sheet_spec.hpp"
#include "graphics/texture_cache.hpp"

#include "world/play_context.hpp"
#include "graphics/sprite_sheet.hpp"

#include <GL/gl.h>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

uint32_t LoadPicture(const SheetSpec& picture)
{
    // Cells of 64 x 64 or less are small sprites: the pick-ups, the bugs and the like.
    const bool small = picture.columns > 0 && picture.rows > 0 && picture.width / picture.columns <= 64 &&
                       picture.height / picture.rows <= 64;
    return CurrentPlay().textures.Get(picture.file, picture.repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE, small);
}

bool LoadSheet(const SheetSpec& picture, SpriteSheet& sheet)
{
    const uint32_t texture = LoadPicture(picture);
    if (texture == 0)
        return false;
    sheet.Setup(texture, picture.columns, picture.rows, picture.width, picture.height);
    return true;
}
