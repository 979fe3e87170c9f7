// The stage video panel drawn into a window and read back: where its picture lands, how
// large it is, and which way round each flip turns it.
#include "engine/engine.hpp"
#include "graphics/gl_window.hpp"
#include "graphics/shader_programs.hpp"
#include "graphics/video_test_clips.hpp"
#include "world/world_test_support.hpp"
#include "world/furniture/video_entity.hpp"

#include <filesystem>

namespace {

// The clip's quadrant greys as the decoder gives them back in RGB.
constexpr int TopLeft = 27, TopRight = 97, BottomLeft = 167, BottomRight = 237;

class VideoPanelDrawing : public GraphicsGL {
protected:
    void SetUp() override
    {
        GraphicsGL::SetUp();
        if (IsSkipped())
            return;
        // A folder of our own: the fixture's Videos/ is the shared content.
        const std::filesystem::path own = Dir().Path() / "videopanel";
        std::filesystem::create_directories(own / "Videos");
        std::filesystem::current_path(own);
        if (!std::filesystem::exists("Videos/Mars4.avi")) {
            ASSERT_TRUE(video_test::MakeQuadrantClip("Videos/Mars4.avi", 512, 2));
        }
        engine_ = std::make_unique<Engine>(Engine::Detached{});
        ASSERT_TRUE(BuildShaders(engine_->shaders));
    }
    void TearDown() override
    {
        engine_.reset();
        GraphicsGL::TearDown();
    }

    // The grey (red channel) at the centre of each quadrant of a panel drawn at the origin.
    std::array<int, 4> Quadrants(uint8_t flipHorizontal, uint8_t flipVertical)
    {
        VideoEntity panel;
        EXPECT_TRUE(panel.LoadResources());
        panel.Spawn(0.0f, 0.0f);
        panel.flipHorizontal = flipHorizontal;
        panel.flipVertical = flipVertical;
        glClear(GL_COLOR_BUFFER_BIT);
        panel.Draw(0.0f, 0);
        return {Pixel(120, 120)[0], Pixel(360, 120)[0], Pixel(120, 360)[0], Pixel(360, 360)[0]};
    }

    std::unique_ptr<Engine> engine_;
};

void ExpectGreys(const std::array<int, 4>& seen, const std::array<int, 4>& wanted)
{
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(seen[i], wanted[i], 10) << "quadrant " << i;
}

TEST_F(VideoPanelDrawing, ThePictureFillsSixteenTilesFromTheTopLeftCorner)
{
    ExpectGreys(Quadrants(0, 0), {TopLeft, TopRight, BottomLeft, BottomRight});
    EXPECT_NEAR(Pixel(477, 477)[0], BottomRight, 10);
    EXPECT_EQ(Pixel(482, 240)[0], 0) << "512 texels draw 480 pixels wide";
    EXPECT_EQ(Pixel(240, 482)[0], 0);
    EXPECT_EQ(engine_->shaders.CurrentProgramId(), 0) << "back to the fixed pipeline";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(VideoPanelDrawing, EachFlipMirrorsItsAxisAndBothTurnThePictureRound)
{
    ExpectGreys(Quadrants(1, 0), {TopRight, TopLeft, BottomRight, BottomLeft});
    ExpectGreys(Quadrants(0, 1), {BottomLeft, BottomRight, TopLeft, TopRight});
    ExpectGreys(Quadrants(1, 1), {BottomRight, BottomLeft, TopRight, TopLeft});
}

TEST_F(VideoPanelDrawing, APanelWithoutAClipAndTheLaterPassDrawNothing)
{
    VideoEntity blank;
    blank.videoIndex = 4;
    ASSERT_TRUE(blank.LoadResources());
    blank.Draw(0.0f, 0);
    VideoEntity panel;
    ASSERT_TRUE(panel.LoadResources());
    panel.Draw(0.0f, 1);
    EXPECT_EQ(Pixel(240, 240)[0], 0);
}

} // namespace

namespace {

// An entity that counts the passes it is drawn with.
class CountedDraw : public world_testing::ProbeEntity {
public:
    std::unique_ptr<Entity> Clone() const override { return std::make_unique<CountedDraw>(*this); }
    void Draw(float, int pass) override { passes.push_back(pass); }
    std::vector<int> passes;
};

} // namespace

// While the editor records a pattern, the recorded entity, outside the layer lists, is drawn
// once, with pass 0, after the late pass of its own layer, on the back and front layers too.
TEST_F(VideoPanelDrawing, TheEntityBeingRecordedIsDrawnLastOnItsOwnLayer)
{
    for (const int layer : {1, 2, 4}) {
        auto recorded = std::make_shared<CountedDraw>();
        EditorState& editor = engine_->editor;
        editor.recordingPattern = true;
        editor.recordedLayer = layer;
        editor.recordedEntity = recorded;
        for (const int drawn : {1, 2, 4}) {
            engine_->DrawLayer(drawn, 1.0f, 1, true);
            engine_->DrawLayer(drawn, 1.0f, 1, false);
        }
        EXPECT_EQ(recorded->passes, std::vector<int>{0}) << "layer " << layer;
        editor.recordingPattern = false;
        engine_->DrawLayer(layer, 1.0f, 0, false);
        EXPECT_EQ(recorded->passes.size(), 1u) << "not once the recording is over";
    }
}
