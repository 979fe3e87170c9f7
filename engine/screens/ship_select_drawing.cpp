// The ship selection screen as the player sees it: a drifting star field over the backdrop
// and a grid, the tinted ship preview on the left with its colour sliders beside it, the
// ship's description on the right, the missile, gun pod and orb pod panels below.
#include "engine/engine.hpp"
#include "core/screen_size.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "engine/screens/ship_select_drawing.hpp"
#include "player/ship_select_menu.hpp"
#include "game/ship_select_pictures.hpp"
#include "player/ship_texts.hpp"
#include "player/ship_type.hpp"
#include "engine/play/stage_drawing.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// Where things sit on the 640 x 480 view.
constexpr float PreviewLeft = 14.0f, PreviewTop = 66.0f, PreviewSize = 240.0f;
constexpr float ColourLeft = 268.0f, ColourRight = 404.0f;
constexpr float ColourSetY = 74.0f, FirstChannelY = 106.0f, ChannelSpacing = 50.0f;
constexpr float SliderOffset = 20.0f, SliderHeight = 14.0f;

struct Panel {
    float left, top, right, bottom;
};
constexpr Panel ShipPanel = {440.0f, 50.0f, 636.0f, 166.0f};
constexpr Panel MissilePanel = {440.0f, 170.0f, 636.0f, 300.0f};
constexpr Panel ColourPanel = {262.0f, 66.0f, 410.0f, 306.0f};
constexpr Panel OrbPanel = {6.0f, 342.0f, 404.0f, 436.0f};
constexpr Panel GunPanel = {410.0f, 342.0f, 636.0f, 436.0f};

uint32_t Picture(Engine& engine, const std::string& name)
{
    return engine.screenPictures.Get(name);
}

void SetHighlight(BitmapFont& font, const Engine& engine, bool selected)
{
    if (selected)
        font.SetColour(1.0f, engine.menuPulse.value, 0.0f, 1.0f);
    else
        font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
}

// A dark glass pane with a thin cyan rim, so text stays readable over the moving stars.
void DrawPanel(const Panel& p, bool selected)
{
    FillRect(p.left, p.top, p.right, p.bottom, 0.02f, 0.05f, 0.09f, 0.72f);
    const float a = selected ? 0.9f : 0.45f;
    FillRect(p.left, p.top, p.right, p.top + 1.0f, 0.3f, 0.8f, 1.0f, a);
    FillRect(p.left, p.bottom - 1.0f, p.right, p.bottom, 0.3f, 0.8f, 1.0f, a * 0.6f);
    FillRect(p.left, p.top, p.left + 1.0f, p.bottom, 0.3f, 0.8f, 1.0f, a * 0.6f);
    FillRect(p.right - 1.0f, p.top, p.right, p.bottom, 0.3f, 0.8f, 1.0f, a * 0.6f);
}


// The backdrop slides a tenth as fast as the stars; mirrored so it never shows a seam.
void DrawBackdrop(Engine& engine, float cameraX)
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
    BindTexture(GL_TEXTURE_2D, Picture(engine, SelectBackdropPicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    SetTextureWrap(GL_MIRRORED_REPEAT, GL_CLAMP_TO_EDGE);
    const float u = cameraX * 0.1f / 1024.0f;
    DrawTexturedQuad(-191.5f, -15.5f, 832.5f, 496.5f, u, 0.0f, u + 1.0f, 1.0f);
    SetTextureWrap(GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
    glDisable(GL_TEXTURE_2D);
}

// The fractional part, for a low-discrepancy scatter that needs no random numbers: drawing
// must not draw from the game's generator.
float Fraction(float v)
{
    return v - std::floor(v);
}

// Three depths of stars from the star sheet, the nearest moving with the camera.
void DrawStars(Engine& engine, float cameraX)
{
    struct Depth {
        float speed;
        int firstCell;
        int cells;
        float size;
        float alpha;
        int count;
    };
    static constexpr Depth Depths[] = {
        {0.25f, 0, 3, 10.0f, 0.55f, 60},
        {0.55f, 2, 3, 16.0f, 0.75f, 34},
        {1.0f, 5, 3, 24.0f, 0.95f, 14},
    };
    constexpr float Wrap = 680.0f; // a little wider than the view, so stars leave before they wrap
    const float cellU = 1.0f / float(StarCells);
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    BindTexture(GL_TEXTURE_2D, Picture(engine, StarSheetPicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    int seed = 1;
    for (const Depth& depth : Depths) {
        glColor4f(1.0f, 1.0f, 1.0f, depth.alpha);
        for (int i = 0; i < depth.count; ++i, ++seed) {
            const float baseX = Fraction(float(seed) * 0.6180339f) * Wrap;
            const float y = Fraction(float(seed) * 0.7548777f + 0.31f) * ScreenHeight;
            const float x = Fraction((baseX - cameraX * depth.speed) / Wrap) * Wrap - 20.0f;
            const int cell = depth.firstCell + seed % depth.cells;
            const float half = depth.size * (0.75f + 0.25f * Fraction(float(seed) * 0.5698403f)) * 0.5f;
            const float u = float(cell) * cellU;
            DrawTexturedQuad(x - half, y - half, x + half, y + half, u, 0.0f, u + cellU, 1.0f);
        }
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

// The grid scrolls with the camera too, at half the speed of the nearest stars.
void DrawGrid(Engine& engine, float cameraX)
{
    constexpr float Tile = 64.0f;
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    BindTexture(GL_TEXTURE_2D, Picture(engine, SelectGridPicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    SetTextureWrap(GL_REPEAT, GL_REPEAT);
    const float u = cameraX * 0.5f / Tile;
    DrawTexturedQuad(0.0f, 0.0f, ScreenWidth, ScreenHeight, u, 0.0f, u + ScreenWidth / Tile, ScreenHeight / Tile);
    SetTextureWrap(GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

// The three layers of the chosen ship, each tinted with its colour set through the saturation
// program; a locked ship is a black silhouette. The picture keeps its proportions inside the
// preview square, whatever its size.
void DrawPreview(Engine& engine, float phase)
{
    const bool locked = !ShipUnlocked(engine.ship.ShipType, engine.cheats.bonusShips);
    const float bob = std::sin(phase / 32.0f * 2.0f * std::numbers::pi_v<float>) * 3.0f;
    ShaderSet& shaders = ShellShaders(engine);
    shaders.Use(ShaderProgram::Saturation);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (int layer = 0; layer < PreviewLayers; ++layer) {
        const uint32_t texture = Picture(engine, PreviewPicture(engine.ship.ShipType, layer));
        BindTexture(GL_TEXTURE_2D, texture);
        SetTextureFilter(GL_LINEAR, GL_LINEAR);
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        const float aspect = width > 0 && height > 0 ? float(width) / float(height) : 1.0f;
        const float w = aspect >= 1.0f ? PreviewSize : PreviewSize * aspect;
        const float h = aspect >= 1.0f ? PreviewSize / aspect : PreviewSize;
        const float left = PreviewLeft + (PreviewSize - w) * 0.5f;
        const float top = PreviewTop + (PreviewSize - h) * 0.5f + bob;
        const ShipColour& c = engine.ship.colours[static_cast<size_t>(layer)];
        if (locked) {
            glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
            shaders.SetFloat("saturation", 1.0f);
        } else {
            glColor4f(c.red, c.green, c.blue, 1.0f);
            shaders.SetFloat("saturation", c.saturation);
        }
        DrawTexturedQuad(left, top, left + w, top + h);
    }
    shaders.UseProgram(0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

// A track with its lit share and the knob from the interface sheet (cell 6).
void DrawSlider(Engine& engine, float y, float share, bool selected)
{
    const float left = ColourLeft, right = ColourRight;
    const float lit = left + (right - left) * std::clamp(share, 0.0f, 1.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    BindTexture(GL_TEXTURE_2D, Picture(engine, SliderPicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    DrawTexturedQuad(left, y, right, y + SliderHeight);
    BindTexture(GL_TEXTURE_2D, Picture(engine, SliderLitPicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    DrawTexturedQuad(left, y, lit, y + SliderHeight, 0.0f, 0.0f, std::clamp(share, 0.0f, 1.0f), 1.0f);
    BindTexture(GL_TEXTURE_2D, Picture(engine, InterfacePicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    constexpr float Cell = 1.0f / 16.0f;
    if (selected)
        glColor4f(1.0f, 0.6f + 0.4f * engine.menuPulse.value, 0.3f, 1.0f);
    DrawTexturedQuad(lit - 8.0f, y - 1.0f, lit + 8.0f, y + SliderHeight + 1.0f, 6.0f * Cell, 0.0f, 7.0f * Cell, Cell);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

// A cell of the weapon panel sheet (4 x 4 cells) centred at (x, y).
void DrawWeaponIcon(Engine& engine, int row, int column, float x, float y, float size)
{
    constexpr float Cell = 1.0f / float(WeaponPanelColumns);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    BindTexture(GL_TEXTURE_2D, Picture(engine, WeaponPanelPicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    const float half = size * 0.5f;
    DrawTexturedQuad(x - half, y - half, x + half, y + half, float(column) * Cell, float(row) * Cell,
                    float(column + 1) * Cell, float(row + 1) * Cell);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

// A line of half-size text from x, narrowed when it would run past `right`: the longest
// descriptions are wider than their panel at the full width of the face.
void DrawFitted(BitmapFont& font, const char* text, float x, float y, float right)
{
    font.SetScale(0.5f, 0.5f);
    const float width = font.TextWidth(text);
    if (width > right - x && width > 0.0f)
        font.SetScale(0.5f * (right - x) / width, 0.5f);
    font.DrawText(text, x, y);
    font.SetScale(0.5f, 0.5f);
}

void DrawShipTexts(Engine& engine, BitmapFont& font)
{
    const ChoiceText& text = ShipTextOf(engine.ship.ShipType);
    font.SetAlignment(TextAlignment::Left);
    font.SetScale(0.75f, 0.75f);
    SetHighlight(font, engine, engine.menuSelection == ShipRow);
    font.DrawText(text.name, 455.0f, 60.0f);
    // The descriptions in the narrower small face.
    BitmapFont& small = engine.secondFont;
    small.SetAlignment(TextAlignment::Left);
    small.SetColour(0.8f, 0.9f, 1.0f, 1.0f);
    float y = 92.0f;
    for (const char* line : text.lines) {
        DrawFitted(small, line, 465.0f, y, ShipPanel.right - 4.0f);
        y += 20.0f;
    }
}

void DrawColourTexts(Engine& engine, BitmapFont& font)
{
    const int32_t set = engine.shipSelect.colourSet;
    font.SetAlignment(TextAlignment::Centre);
    font.SetScale(0.75f, 0.75f);
    SetHighlight(font, engine, engine.menuSelection == ColourSetRow);
    char name[32];
    std::snprintf(name, sizeof name, "< %s >", ColourSetName(set));
    font.DrawText(name, (ColourLeft + ColourRight) * 0.5f, ColourSetY);

    static const char* const Labels[] = {"RED", "GREEN", "BLUE", "SATURATION"};
    for (int32_t row = RedRow; row <= SaturationRow; ++row) {
        const float y = FirstChannelY + ChannelSpacing * float(row);
        const bool selected = engine.menuSelection == row;
        const float value = *ChannelOf(engine.ship, set, row);
        char number[16];
        std::snprintf(number, sizeof number, "%.1f", double(value));
        font.SetScale(0.5f, 0.5f);
        SetHighlight(font, engine, selected);
        font.SetAlignment(TextAlignment::Left);
        font.DrawText(Labels[row], ColourLeft, y);
        font.SetAlignment(TextAlignment::Right);
        font.DrawText(number, ColourRight, y);
        // The saturation slider shows half its value, so its whole range fits the track.
        const float share = row == SaturationRow ? value * 0.5f : value / ChannelLimit(row);
        DrawSlider(engine, y + SliderOffset, share, selected);
    }
}

void DrawWeapons(Engine& engine, BitmapFont& font)
{
    const int32_t shipType = engine.ship.ShipType;
    const int missileCell = shipType == Id(ShipType::MkII) ? 1 : shipType == Id(ShipType::MkIII) ? 2 : 0;
    DrawWeaponIcon(engine, 0, missileCell, 538.0f, 232.0f, 80.0f);
    font.SetAlignment(TextAlignment::Left);
    font.SetScale(0.5f, 0.5f);
    font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    font.DrawText("MISSILE TYPE", 470.0f, 175.0f);
    font.SetAlignment(TextAlignment::Centre);
    font.SetColour(0.8f, 0.9f, 1.0f, 1.0f);
    font.DrawText(MissileNameOf(shipType), 530.0f, 280.0f);

    const int32_t gunPod = std::clamp(engine.ship.gunPodType, 0, 2);
    const int32_t orbPod = std::clamp(engine.ship.orbPodType, 0, 2);
    DrawWeaponIcon(engine, 1, gunPod, 600.0f, 372.0f, 56.0f);
    DrawWeaponIcon(engine, 2, orbPod, 50.0f, 378.0f, 60.0f);

    const ChoiceText& gun = GunPodTextOf(gunPod);
    const ChoiceText& orb = OrbPodTextOf(orbPod);
    font.SetAlignment(TextAlignment::Left);
    font.SetScale(0.75f, 0.75f);
    SetHighlight(font, engine, engine.menuSelection == GunPodRow);
    font.DrawText("GUNPOD TYPE", 415.0f, 350.0f);
    SetHighlight(font, engine, engine.menuSelection == OrbPodRow);
    font.DrawText("ORBPOD TYPE", 100.0f, 350.0f);

    font.SetScale(0.5f, 0.5f);
    SetHighlight(font, engine, engine.menuSelection == GunPodRow);
    font.DrawText(gun.name, 415.0f, 380.0f);
    SetHighlight(font, engine, engine.menuSelection == OrbPodRow);
    font.DrawText(orb.name, 100.0f, 380.0f);
    font.SetColour(0.8f, 0.9f, 1.0f, 1.0f);
    const float gunY[] = {400.0f, 415.0f};
    for (size_t i = 0; i < gun.lines.size() && i < 2; ++i)
        font.DrawText(gun.lines[i], 415.0f, gunY[i]);
    for (size_t i = 0; i < orb.lines.size(); ++i)
        font.DrawText(orb.lines[i], i == 0 ? 100.0f : 15.0f, i == 0 ? 400.0f : 415.0f + 15.0f * float(i - 1));
}

} // namespace

void ShowShipSelectLoading(Engine& engine)
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    DrawProgressFrame(engine, "Loading...");
}

void Engine::RenderShipSelect(float fraction)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    const float cameraX = Lerp(world.camera.x, world.previousCamera.x, fraction);
    const float phase = shipSelect.phase;

    DrawBackdrop(*this, cameraX);
    DrawStars(*this, cameraX);
    DrawGrid(*this, cameraX);

    DrawPanel(ShipPanel, menuSelection == ShipRow);
    DrawPanel(MissilePanel, false);
    DrawPanel(ColourPanel, menuSelection >= ColourSetRow && menuSelection <= SaturationRow);
    DrawPanel(OrbPanel, menuSelection == OrbPodRow);
    DrawPanel(GunPanel, menuSelection == GunPodRow);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    BindTexture(GL_TEXTURE_2D, Picture(*this, ChooseYourFatePicture));
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    DrawTexturedQuad(8.0f, 6.0f, 392.0f, 54.0f);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);

    DrawPreview(*this, phase);

    BitmapFont& font = ShellFont(*this);
    DrawShipTexts(*this, font);
    DrawColourTexts(*this, font);
    DrawWeapons(*this, font);

    const bool locked = !ShipUnlocked(ship.ShipType, cheats.bonusShips);
    font.SetAlignment(TextAlignment::Centre);
    if (locked) {
        // Says why FIRE does nothing here.
        font.SetScale(0.75f, 0.75f);
        font.SetColour(1.0f, 0.35f, 0.25f, 0.65f + 0.35f * menuPulse.value);
        font.DrawText("LOCKED", PreviewLeft + PreviewSize * 0.5f, PreviewTop + PreviewSize * 0.5f - 12.0f);
    }
    font.SetScale(0.75f, 0.75f);
    if (locked)
        font.SetColour(0.45f, 0.45f, 0.5f, 1.0f);
    else
        font.SetColour(1.0f, 1.0f, 1.0f, 0.65f + 0.35f * menuPulse.value);
    font.DrawText("PRESS FIRE TO LAUNCH", ScreenCentreX, 445.0f);
    DrawFades();
}
