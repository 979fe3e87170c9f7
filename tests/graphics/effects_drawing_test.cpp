// Drawing of the effect lists, read back from the window: ribbons, interpolated particles
// and tinted sparks land where and how they should.
#include "graphics/effects_drawing.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/gl_window.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/sprite_sheet.hpp"

#include <vector>

namespace {

class EffectsDrawing : public GraphicsGL {
protected:
    void SetUp() override
    {
        GraphicsGL::SetUp();
        if (IsSkipped())
            return;
        // A white texture stands in for every sheet: what shows is geometry and colour.
        const std::vector<unsigned char> white(64 * 256 * 4, 255);
        glGenTextures(1, &texture_);
        glBindTexture(GL_TEXTURE_2D, texture_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 256, 0, GL_RGBA, GL_UNSIGNED_BYTE, white.data());
        beams.Setup(texture_, 1, 8, 64, 256);
        particles.Setup(texture_, 8, 4, 512, 256);
        splash.Setup(texture_, 3, 1, 128, 32);
        bullets.Setup(texture_, 8, 16, 256, 512);
        glClear(GL_COLOR_BUFFER_BIT);
        SetProjection(640.0f, 480.0f);
    }
    void TearDown() override
    {
        if (texture_)
            glDeleteTextures(1, &texture_);
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        GraphicsGL::TearDown();
    }
    GLuint texture_ = 0;
    SpriteSheet beams, particles, splash, bullets;
};

TEST_F(EffectsDrawing, ATrailIsARibbonAsWideAsItsBeamCellAndOnePointDrawsNothing)
{
    Effects effects;
    const TrailColour red{1, 0, 0, 1};
    Trail trail = StartTrail(100.0f, 100.0f, 2, red, red, 30, 0, 1.0f);
    AddTrail(effects, trail); // one point
    MoveTrailEmitter(trail, 300.0f, 100.0f);
    TickTrail(trail, 0.0f, 0.0f);
    ASSERT_EQ(trail.points.size(), 2u);
    trail.startColour = trail.endColour = TrailColour{0, 1, 0, 1};
    for (TrailPoint& p : trail.points) {
        p.red = 0.0f;
        p.green = 1.0f;
    }
    AddTrail(effects, trail);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawTrails(effects, 1.0f, beams);
    EXPECT_EQ(Pixel(200, 100)[1], 255);
    EXPECT_EQ(Pixel(200, 112)[1], 255) << "half of a 32-pixel cell";
    EXPECT_EQ(Pixel(200, 120)[1], 0);
    EXPECT_EQ(Pixel(100, 100)[0], 0) << "the one-point trail drew nothing";
}

TEST_F(EffectsDrawing, ParticlesDrawAtTheirInterpolatedPositionInTheirColour)
{
    Effects effects;
    AddEmitter(effects, EmitterKind::ShotSpark, 0.0f, 0.0f);
    EffectEmitter& emitter = effects.effectEmitters[0];
    EffectParticle p;
    p.prevX = 100.0f;
    p.x = 200.0f;
    p.y = p.prevY = 240.0f;
    p.halfWidth = p.halfHeight = 8.0f;
    p.red = 0.0f;
    p.green = 0.0f;
    p.blue = 1.0f;
    emitter.particles.push_back(p);
    DrawEmitters(effects, 0.25f, particles);
    EXPECT_EQ(Pixel(125, 240)[2], 255);
    EXPECT_EQ(Pixel(200, 240)[2], 0);
}

TEST_F(EffectsDrawing, ImpactSparksAreTintedByStyle)
{
    Effects effects;
    AddImpactSpark(effects, 300.0f, 200.0f, 3, 16.0f);
    ShaderSet shaders;
    DrawImpactSparks(effects, shaders, splash, bullets);
    const auto magenta = Pixel(300, 200);
    EXPECT_EQ(magenta[0], 255);
    EXPECT_EQ(magenta[1], 0);
    EXPECT_EQ(magenta[2], 255);
    EXPECT_EQ(Pixel(320, 200)[0], 0) << "a 32-pixel quad";
}

TEST_F(EffectsDrawing, ASplashSparkStepsThroughFourFramesOfItsPicture)
{
    // Four 32-pixel frames: red, green, blue, white.
    const unsigned char colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    std::vector<unsigned char> pixels(128 * 32 * 4);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 128; ++x)
            for (int c = 0; c < 4; ++c)
                pixels[(size_t(y) * 128 + size_t(x)) * 4 + size_t(c)] = c < 3 ? colours[x / 32][c] : 255;
    GLuint frames = 0;
    glGenTextures(1, &frames);
    glBindTexture(GL_TEXTURE_2D, frames);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 128, 32, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    splash.Setup(frames, 3, 1, 128, 32);
    ShaderSet shaders;
    Effects effects;
    AddImpactSpark(effects, 100.0f, 100.0f, 0, 16.0f);
    AddImpactSpark(effects, 300.0f, 100.0f, 0, 16.0f);
    effects.impactSparks[0].age = 1.5f;
    effects.impactSparks[1].age = 3.5f;
    DrawImpactSparks(effects, shaders, splash, bullets);
    EXPECT_EQ(Pixel(100, 100), (std::array<int, 4>{0, 255, 0, 255}));
    EXPECT_EQ(Pixel(300, 100), (std::array<int, 4>{255, 255, 255, 255})) << "the fourth frame";
    glDeleteTextures(1, &frames);
}

} // namespace
