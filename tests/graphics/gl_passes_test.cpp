// Shader programs, render targets and the full-screen passes, checked by reading pixels back.
#include "core/log.hpp"
#include "core/process_flags.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/gl_window.hpp"
#include "graphics/post_passes.hpp"
#include "graphics/render_targets.hpp"
#include "graphics/shader_programs.hpp"

#include <cmath>

namespace {

std::string ExpectedBuildLog(bool lowSpec)
{
    std::string log = "\n[Compilling Shaders]\n";
    for (int i = 0; i < ShaderProgramCount; ++i) {
        const ShaderProgramSource& entry = ShaderProgramTable()[i];
        if (lowSpec && entry.needsTargets)
            continue;
        log += std::string("Compilling shader: ") + entry.logName + ".\n";
        log += "   >>Creating Fragment program.\n   >>Ok.\n   >>Creating Vertex program.\n   >>Ok.\n"
               "   >>Attempting to link program.\n   >>Ok.\n";
    }
    return log + "Complete...\n\n";
}

// Shaders and targets ready, drawing going into a target.
class PostEffects : public GraphicsGL {
protected:
    void SetUp() override
    {
        GraphicsGL::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(BuildShaders(shaders));
        ASSERT_TRUE(targets.Create(640, 480));
        NewLog();
    }
    // Into a target: black, then the caller's drawing.
    void BeginScene()
    {
        targets.Swap(shaders, false);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        SetProjection(640.0f, 480.0f);
    }
    ShaderSet shaders;
    RenderTargets targets;
};


} // namespace

TEST_F(GraphicsGL, EveryProgramCompilesWithTheExactLogLines)
{
    ShaderSet shaders;
    ASSERT_TRUE(BuildShaders(shaders));
    EXPECT_EQ(NewLog(), ExpectedBuildLog(false));
    EXPECT_EQ(shaders.ProgramCount(), 14u);
    // Linking releases the shader objects: only the programs stay.
    EXPECT_EQ(shaders.ShaderCount(), 0u);
    // Fragment, vertex, program: every third id is a program.
    EXPECT_EQ(shaders.ProgramId(ShaderProgram::PassThrough), 3);
    EXPECT_EQ(shaders.ProgramId(ShaderProgram::RedMask), 42);
    EXPECT_EQ(shaders.CurrentProgramId(), 0);
}

TEST_F(GraphicsGL, LowSpecBuildSkipsTheProgramsThatNeedTargets)
{
    LowSpecMode = true;
    ShaderSet shaders;
    ASSERT_TRUE(BuildShaders(shaders));
    EXPECT_EQ(NewLog(), ExpectedBuildLog(true));
    EXPECT_EQ(shaders.ProgramCount(), 9u);
    for (ShaderProgram skipped : {ShaderProgram::PassThroughRectangle, ShaderProgram::ScanlineRectangle,
                                  ShaderProgram::ToGreyscale, ShaderProgram::Shockwave, ShaderProgram::WaterRipple})
        EXPECT_EQ(shaders.ProgramId(skipped), 0);
    EXPECT_EQ(shaders.ProgramId(ShaderProgram::ToGreyTexture), 9);
}

TEST_F(GraphicsGL, BadShaderSourcesFailWithTheirLogLines)
{
    ShaderSet shaders;
    EXPECT_EQ(shaders.CompileShader("", ShaderSet::Type::Fragment), 0);
    EXPECT_EQ(NewLog(), "No data to create shader!\n");
    EXPECT_EQ(shaders.CompileShader("void main() { this is not glsl }", ShaderSet::Type::Fragment), 0);
    const std::string log = NewLog();
    EXPECT_EQ(log.rfind("Failed To Compile Shader!\n", 0), 0u) << log;
    EXPECT_GT(log.size(), std::string("Failed To Compile Shader!\n\n").size()) << "the driver's text follows";
    EXPECT_EQ(log.back(), '\n');
    EXPECT_EQ(shaders.ShaderCount(), 0u);
    // Ids are only handed out on success.
    EXPECT_EQ(shaders.CompileShader(SharedVertexSource, ShaderSet::Type::Vertex), 1);
}

TEST_F(GraphicsGL, UnknownProgramIdFallsBackToTheFixedPipeline)
{
    ShaderSet shaders;
    ASSERT_TRUE(BuildShaders(shaders));
    shaders.Use(ShaderProgram::Saturation);
    EXPECT_EQ(shaders.CurrentProgramId(), shaders.ProgramId(ShaderProgram::Saturation));
    shaders.UseProgram(1000);
    EXPECT_EQ(shaders.CurrentProgramId(), 0);
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);
}

TEST_F(GraphicsGL, SamplerBindsItsTextureWithShadersOffButNotForAMissingUniform)
{
    GLuint textures[2];
    glGenTextures(2, textures);
    auto boundOnUnit1 = [] {
        glActiveTexture(GL_TEXTURE1);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glBindTexture(GL_TEXTURE_2D, 0);
        glActiveTexture(GL_TEXTURE0);
        return static_cast<GLuint>(bound);
    };
    ShaderSet shaders;
    ASSERT_TRUE(BuildShaders(shaders));
    shaders.Use(ShaderProgram::PassThroughTexture);
    shaders.SetSampler("texUnit1", 1, textures[0]); // this program has no texUnit1
    EXPECT_EQ(boundOnUnit1(), 0u);
    shaders.Use(ShaderProgram::TwoAlpha);
    shaders.SetSampler("texUnit1", 1, textures[0]);
    EXPECT_EQ(boundOnUnit1(), textures[0]);
    shaders.UseProgram(0);

    ShadersEnabled = false;
    shaders.SetSampler("texUnit1", 1, textures[1]);
    EXPECT_EQ(boundOnUnit1(), textures[1]);
    glDeleteTextures(2, textures);
}

TEST_F(GraphicsGL, ProjectionMapsTheZeroPlaneOntoTheWindowAndDepthWithPerspective)
{
    Quad(100, 50, 110, 60, 1, 0, 0);
    EXPECT_EQ(Pixel(100, 50)[0], 255);
    EXPECT_EQ(Pixel(109, 59)[0], 255);
    EXPECT_EQ(Pixel(111, 50)[0], 0);
    EXPECT_EQ(Pixel(99, 50)[0], 0);
    // The far plane draws at two thirds of the size about the top-left corner.
    Quad(300, 300, 330, 330, 0, 1, 0, -0.5f);
    EXPECT_EQ(Pixel(201, 201)[1], 255);
    EXPECT_EQ(Pixel(218, 218)[1], 255);
    EXPECT_EQ(Pixel(222, 210)[1], 0);
    EXPECT_EQ(Pixel(301, 301)[1], 0);
}

TEST_F(PostEffects, RenderTargetsLogTheirStep)
{
    RenderTargets more;
    EXPECT_TRUE(more.Create(640, 480));
    EXPECT_EQ(NewLog(), "\n[Initializing Frame Buffers]\nComplete...\n\n");
    EXPECT_TRUE(more.Created());
    EXPECT_FALSE(more.current);
    LowSpecMode = true;
    RenderTargets none;
    EXPECT_TRUE(none.Create(640, 480));
    EXPECT_EQ(NewLog(), "\n[Initializing Frame Buffers]\nDisabled for low spec!\n");
    EXPECT_FALSE(none.Created());
}

TEST_F(PostEffects, PresentShowsTheSceneUnchangedWithoutScanLines)
{
    BeginScene();
    Quad(0, 0, 320, 480, 1, 0, 0);
    Quad(320, 0, 640, 480, 0, 0, 1);
    Present(shaders, targets, false, false, false);
    EXPECT_EQ(Pixel(10, 10), (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(Pixel(630, 470)[2], 255);
    EXPECT_EQ(Pixel(630, 470)[0], 0);
}

TEST_F(PostEffects, GreyscaleAtFullAmountTurnsASaturatedQuadGrey)
{
    BeginScene();
    Quad(0, 0, 640, 480, 1, 0, 0);
    PostPass(shaders, targets, true, 1.0f, false);
    Present(shaders, targets, false, false, false);
    const auto p = Pixel(320, 240);
    EXPECT_NEAR(p[0], 77, 2); // (1 + 0 + 0) * 0.3
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
}

TEST_F(PostEffects, GreyscaleAmountZeroKeepsTheColours)
{
    BeginScene();
    Quad(0, 0, 640, 480, 1, 0, 0);
    PostPass(shaders, targets, true, 0.0f, false);
    Present(shaders, targets, false, false, false);
    EXPECT_EQ(Pixel(320, 240)[0], 255);
    EXPECT_EQ(Pixel(320, 240)[1], 0);
}

TEST_F(PostEffects, ScanLinesWeightRowsByTheirRowModuloThreeInAWindow)
{
    for (bool fullscreen : {false, true}) {
        BeginScene();
        Quad(0, 0, 640, 480, 0.2f, 0.2f, 0.2f);
        Present(shaders, targets, true, fullscreen, false);
        const float scan = fullscreen ? 2.0f : 3.0f;
        for (int row = 0; row < 6; ++row) {
            // Target rows count from the bottom; the weight is mod(row centre, scan).
            const int windowY = 479 - row;
            const float weight = std::fmod(row + 0.5f, scan);
            EXPECT_NEAR(Pixel(100, windowY)[0], std::min(255.0f, 0.2f * 255.0f * weight), 3.0f)
                << "row " << row << " fullscreen " << fullscreen;
        }
    }
}

TEST_F(PostEffects, BloomBrightensBrightPartsAndSpreadsThemByAPixel)
{
    BeginScene();
    // Near the left edge the one-pixel enlargement moves the block one pixel outwards.
    Quad(2, 100, 60, 200, 0.6f, 0.6f, 0.6f);
    Present(shaders, targets, false, false, false);
    const int before = Pixel(30, 150)[0];
    EXPECT_EQ(Pixel(1, 150)[0], 0);
    PostPass(shaders, targets, false, 0.0f, true);
    Present(shaders, targets, false, false, true);
    // Source weighted by its own colour: (0.75 x 0.6) squared is added.
    EXPECT_NEAR(Pixel(30, 150)[0], before + 0.45f * 0.45f * 255.0f, 4.0f);
    EXPECT_GT(Pixel(1, 150)[0], 40) << "spread beyond the block's edge";
    EXPECT_EQ(Pixel(300, 300)[0], 0) << "black stays black";
}

TEST_F(PostEffects, TwoCopyingSwapsLeaveTheImageUnchanged)
{
    BeginScene();
    glBegin(GL_QUADS);
    glColor3f(1, 0, 0);
    glVertex2f(0, 0);
    glColor3f(0, 1, 0);
    glVertex2f(640, 0);
    glColor3f(0, 0, 1);
    glVertex2f(640, 480);
    glColor3f(1, 1, 1);
    glVertex2f(0, 480);
    glEnd();
    Present(shaders, targets, false, false, false);
    std::vector<unsigned char> first(640 * 480 * 4), second(640 * 480 * 4);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, first.data());
    const bool drawnInto = targets.current;
    targets.Swap(shaders, true);
    EXPECT_NE(targets.current, drawnInto);
    targets.Swap(shaders, true);
    EXPECT_EQ(targets.current, drawnInto);
    Present(shaders, targets, false, false, false);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, second.data());
    EXPECT_TRUE(first == second);
}

TEST_F(PostEffects, ShockwaveShiftsTheImageInsideItsSquareOnly)
{
    // A map of (1, 0.5): every sample moves by (intensity, 0) target pixels.
    GLuint map = 0;
    glGenTextures(1, &map);
    glBindTexture(GL_TEXTURE_2D, map);
    const unsigned char texel[4 * 4] = {255, 128, 0, 255, 255, 128, 0, 255, 255, 128, 0, 255, 255, 128, 0, 255};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    BeginScene();
    Quad(0, 0, 320, 480, 1, 1, 1); // white left half, edge at x = 320
    ShockwavePass(shaders, targets, {{320.0f, 100.0f, 10.0f, 50.0f}}, map);
    Present(shaders, targets, false, false, false);
    EXPECT_EQ(Pixel(325, 100)[0], 255) << "the edge moved right inside the square";
    EXPECT_EQ(Pixel(335, 100)[0], 0);
    EXPECT_EQ(Pixel(325, 300)[0], 0) << "outside the square nothing moved";
    EXPECT_EQ(Pixel(315, 300)[0], 255);
    glDeleteTextures(1, &map);
}

TEST_F(PostEffects, LowSpecDrawsStraightToTheWindowAndEveryPassIsANoOp)
{
    LowSpecMode = true;
    BindWindowFrameBuffer();
    glClear(GL_COLOR_BUFFER_BIT);
    targets.Swap(shaders, false);
    Quad(0, 0, 640, 480, 1, 0, 0);
    targets.Swap(shaders, true);
    ShockwavePass(shaders, targets, {{320, 240, 10, 100}}, 0);
    PostPass(shaders, targets, true, 1.0f, true);
    Present(shaders, targets, true, false, false);
    GLint frameBuffer = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &frameBuffer);
    EXPECT_EQ(static_cast<uint32_t>(frameBuffer), WindowFrameBuffer());
    for (int y : {0, 1, 2, 240})
        EXPECT_EQ(Pixel(320, y), (std::array<int, 4>{255, 0, 0, 255})) << y;
}

TEST_F(PostEffects, WaterTintsItsRectangleInEveryMode)
{
    for (bool lowSpec : {false, true}) {
        LowSpecMode = lowSpec;
        BindWindowFrameBuffer();
        if (!lowSpec)
            BeginScene();
        glClear(GL_COLOR_BUFFER_BIT);
        WaterPass(shaders, targets, {{100, 200, 300, 400}}, 0.0f, 0, 0);
        if (!lowSpec)
            Present(shaders, targets, false, false, false);
        const auto inside = Pixel(200, 390);
        EXPECT_EQ(inside[0], 0) << lowSpec;
        EXPECT_GT(inside[2], 40) << lowSpec;
        EXPECT_EQ(Pixel(50, 390)[2], 0) << lowSpec;
    }
}
