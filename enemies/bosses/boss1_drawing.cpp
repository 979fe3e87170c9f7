#include "enemies/bosses/boss1.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"

void Boss1::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float bx = x;
    const float by = y + sway;
    DrawEnemyCell(*this, body, 0,
                  {bx + BossSheets::Boss1CentreX, by, BossSheets::Boss1Half, BossSheets::Boss1Half});
    for (size_t i = 0; i < eyePictures.size(); ++i) {
        const BossSheets::EyePlace& eye = BossSheets::EyePlaces[i];
        DrawEnemyCell(*this, eyePictures[i], eyeFrames[i], {bx + eye.x, by + eye.y, eye.half, eye.half});
    }
    const float half = BossSheets::ValveHalf;
    DrawEnemyCell(*this, valveSheet, eyeFrames[Valve],
                  {bx + BossSheets::ValveX, by + BossSheets::ValveY, half, half});
    const int mouthCell = BossSheets::MouthFirstCell + static_cast<int>(mouthFrame / 8.0f) % 4;
    DrawEnemyCell(*this, valveSheet, mouthCell, {bx + BossSheets::MouthX, by + BossSheets::MouthY, half, half});
    for (ArmTemplate& arm : arms)
        if (arm->recording)
            arm->Draw(interpolation, pass);
}
