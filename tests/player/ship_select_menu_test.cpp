// The ship selection screen's rows without a window: colour limits, wrapping, the locked
// Butterfly, and the screen's entry and exits on a detached engine.
#include "player/ship_select_menu.hpp"

#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "player/ship_texts.hpp"
#include "../input/input_test_support.hpp"

#include <gtest/gtest.h>

#include <vector>

using testing_support::TestInput;

namespace {

struct Menu {
    TestInput input;
    int32_t row = ShipRow;
    ShipSelectState screen;
    ShipSettings ship;
    bool bonusShips = false;

    // One tick with the keys going down together: step the menu, then let them go.
    ShipSelectStep Tick(std::initializer_list<KeyCode> keys)
    {
        for (KeyCode key : keys)
            input.OnKey(key, true);
        const ShipSelectStep step = StepShipSelectMenu(input, row, screen, ship, bonusShips);
        for (KeyCode key : keys)
            input.OnKey(key, false);
        input.AdvanceButtons();
        input.AdvanceButtons();
        return step;
    }
    void Repeat(KeyCode key, int times)
    {
        for (int i = 0; i < times; ++i)
            Tick({key});
    }
};

} // namespace

TEST(ShipSelectMenu, TheDefaultsAreARedHullWhiteTrimAndCyanCockpitAtDoubleSaturation)
{
    const ShipSettings ship;
    EXPECT_EQ(ship.ShipType, 0);
    EXPECT_EQ(ship.gunPodType, 0);
    EXPECT_EQ(ship.orbPodType, 0);
    const float expected[3][4] = {{1.0f, 0.2f, 0.2f, 2.0f}, {1.0f, 1.0f, 1.0f, 2.0f}, {0.0f, 0.7f, 1.0f, 2.0f}};
    for (size_t set = 0; set < 3; ++set) {
        const ShipColour& c = ship.colours[set];
        EXPECT_EQ((std::vector<float>{c.red, c.green, c.blue, c.saturation}),
                  (std::vector<float>(expected[set], expected[set] + 4)))
            << "set " << set;
    }
}

TEST(ShipSelectMenu, BlueAndSaturationRiseToTwoWhileRedAndGreenStopAtOne)
{
    Menu menu;
    menu.row = RedRow;
    menu.Repeat(Key::Right, 15);
    menu.row = GreenRow;
    menu.Repeat(Key::Right, 15);
    menu.row = BlueRow;
    menu.Repeat(Key::Right, 25);
    menu.row = SaturationRow;
    const ShipSelectStep atLimit = menu.Tick({Key::Right});
    const ShipColour& primary = menu.ship.colours[0];
    EXPECT_EQ(primary.red, 1.0f);
    EXPECT_EQ(primary.green, 1.0f);
    EXPECT_EQ(primary.blue, 2.0f);
    EXPECT_EQ(primary.saturation, 2.0f);
    EXPECT_TRUE(atLimit.moved) << "the move sound plays even when the value is at its limit";

    menu.Repeat(Key::Left, 25);
    EXPECT_EQ(primary.saturation, 0.0f) << "never below 0";
    menu.Tick({Key::Right});
    EXPECT_NEAR(primary.saturation, 0.1f, 1e-6f);
    EXPECT_EQ(menu.ship.colours[1].saturation, 2.0f) << "only the selected set changes";
}

TEST(ShipSelectMenu, TheColourRowsEditTheSelectedSet)
{
    Menu menu;
    menu.row = ColourSetRow;
    menu.Tick({Key::Right});
    EXPECT_EQ(menu.screen.colourSet, 1);
    menu.Tick({Key::Right});
    menu.Tick({Key::Down}); // to red
    EXPECT_EQ(menu.row, RedRow);
    menu.Repeat(Key::Right, 4);
    EXPECT_NEAR(menu.ship.colours[2].red, 0.4f, 1e-6f) << "cockpit red from 0";
    EXPECT_EQ(menu.ship.colours[0].red, 1.0f);
    EXPECT_EQ(menu.ship.colours[1].red, 1.0f);
    menu.row = ColourSetRow;
    menu.Tick({Key::Right});
    EXPECT_EQ(menu.screen.colourSet, 0) << "COCKPIT wraps to PRIMARY";
    menu.Tick({Key::Left});
    EXPECT_EQ(menu.screen.colourSet, 2) << "and back";
    EXPECT_STREQ(ColourSetName(menu.screen.colourSet), "COCKPIT");
}

TEST(ShipSelectMenu, RowsWrapFromFiveToMinusTwoAndBack)
{
    Menu menu;
    std::vector<int32_t> down;
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(menu.Tick({Key::Down}).moved);
        down.push_back(menu.row);
    }
    EXPECT_EQ(down, (std::vector<int32_t>{-1, 0, 1, 2, 3, 4, 5, -2}));
    std::vector<int32_t> up;
    for (int i = 0; i < 8; ++i) {
        menu.Tick({Key::Up});
        up.push_back(menu.row);
    }
    EXPECT_EQ(up, (std::vector<int32_t>{5, 4, 3, 2, 1, 0, -1, -2}));
    menu.row = 40; // a stray row from elsewhere starts over at the ship
    menu.Tick({Key::Down});
    EXPECT_EQ(menu.row, ColourSetRow);
}

TEST(ShipSelectMenu, ShipAndPodTypesWrapBothWays)
{
    Menu menu;
    menu.Tick({Key::Left});
    EXPECT_EQ(menu.ship.ShipType, 3);
    menu.Tick({Key::Right});
    EXPECT_EQ(menu.ship.ShipType, 0);
    menu.Repeat(Key::Right, 3);
    EXPECT_EQ(menu.ship.ShipType, 3);
    EXPECT_STREQ(ShipTextOf(menu.ship.ShipType).name, "BUTTERFLY");

    menu.row = GunPodRow;
    menu.Tick({Key::Left});
    EXPECT_EQ(menu.ship.gunPodType, 2);
    menu.Tick({Key::Right});
    EXPECT_EQ(menu.ship.gunPodType, 0);
    menu.row = OrbPodRow;
    menu.Repeat(Key::Right, 2);
    EXPECT_EQ(menu.ship.orbPodType, 2);
    menu.Tick({Key::Right});
    EXPECT_EQ(menu.ship.orbPodType, 0);
    menu.Tick({Key::Left});
    EXPECT_EQ(menu.ship.orbPodType, 2);
    EXPECT_EQ(menu.ship.gunPodType, 0) << "each pod row keeps to its own setting";
    EXPECT_EQ(menu.ship.ShipType, 3);
}

TEST(ShipSelectMenu, TheButterflyIsLockedWithoutTheCheatButEscapeStillLeaves)
{
    Menu menu;
    menu.ship.ShipType = Id(ShipType::Butterfly);
    const ShipSelectStep locked = menu.Tick({Key::Return});
    EXPECT_FALSE(locked.launch);
    EXPECT_FALSE(locked.leave);
    EXPECT_TRUE(menu.Tick({Key::Escape}).leave);

    menu.bonusShips = true;
    EXPECT_TRUE(menu.Tick({Key::Return}).launch);
    menu.bonusShips = false;
    menu.ship.ShipType = 2;
    EXPECT_TRUE(menu.Tick({Key::Z}).launch) << "FIRE's key launches too";
}

TEST(ShipSelectMenu, LeavingEndsTheTickSoALaunchCannotFollowIt)
{
    Menu menu;
    const ShipSelectStep both = menu.Tick({Key::Escape, Key::Return, Key::Right});
    EXPECT_TRUE(both.leave);
    EXPECT_FALSE(both.launch);
    EXPECT_EQ(menu.ship.ShipType, 0) << "nothing else acted";
}

TEST(ShipSelectMenu, TextsFollowTheChoicesAndStrayValuesReadAsTheFirst)
{
    EXPECT_STREQ(MissileNameOf(0), "HOMING MISSILE");
    EXPECT_STREQ(MissileNameOf(1), "AIR-TO-GROUND MISSILE");
    EXPECT_STREQ(MissileNameOf(2), "CLUSTER MISSILE");
    EXPECT_STREQ(MissileNameOf(3), "HOMING MISSILE");
    EXPECT_EQ(ShipTextOf(2).lines.size(), 4u);
    EXPECT_STREQ(ShipTextOf(2).lines[0], "DEFENSIVE TAIL SHIELDS SOME ATTACKS");
    EXPECT_STREQ(GunPodTextOf(2).lines[1], "MAXIMUM OF 3 PODS.");
    EXPECT_STREQ(OrbPodTextOf(1).name, "ARC ORBPOD");
    EXPECT_STREQ(ShipTextOf(9).name, "PTYPE: Mk I");
    EXPECT_STREQ(OrbPodTextOf(-1).name, "STANDARD ORBPOD");
}

namespace {

// A detached engine on the ship selection screen, headless: pictures are looked for only.
class ShipSelectScreen : public ::testing::Test {
protected:
    ShipSelectScreen() : wasHeadless_(Automation().headless) { Automation().headless = true; }
    ~ShipSelectScreen() override { Automation().headless = wasHeadless_; }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            (engine.*engine.updateOp)();
            engine.input.AdvanceButtons();
        }
    }
    void Press(InputButton& button) { button.Set(true); }

    Engine engine{Engine::Detached{}};

private:
    bool wasHeadless_;
};

} // namespace

TEST_F(ShipSelectScreen, FireHeldFromTheTitleDoesNotLaunch)
{
    // The title's choice: the key is down and still held while the screen is entered.
    Press(engine.input.FIRE);
    Press(engine.input.Select);
    engine.menuSelection = 2;
    engine.shipSelect.colourSet = 2;
    engine.EnterShipSelect();
    EXPECT_EQ(engine.state, ShipSelect);
    EXPECT_EQ(engine.menuSelection, ShipRow);
    EXPECT_EQ(engine.shipSelect.colourSet, 0);
    EXPECT_TRUE(engine.acceptInput);
    EXPECT_EQ(engine.input.Select.state, ButtonState::Idle);
    EXPECT_EQ(engine.input.FIRE.state, ButtonState::Idle);

    Tick(60);
    EXPECT_EQ(engine.state, ShipSelect);
    EXPECT_TRUE(engine.acceptInput) << "no fade toward play was started";
    EXPECT_EQ(engine.fades.size(), 0u) << "only the fade in ran, and it is over";
    EXPECT_FLOAT_EQ(engine.world.camera.x, 60 * 1.75f) << "the background drifts meanwhile";
    EXPECT_FLOAT_EQ(engine.world.previousCamera.x, 59 * 1.75f);
}

TEST_F(ShipSelectScreen, SelectFadesForTwentyFiveTicksIntoStartGame)
{
    engine.EnterShipSelect();
    Tick(30);
    Press(engine.input.Select);
    Tick();
    EXPECT_FALSE(engine.acceptInput);
    ASSERT_EQ(engine.fades.size(), 1u);
    EXPECT_EQ(engine.fades[0].duration, 25);
    EXPECT_EQ(engine.fades[0].onDone, &Engine::StartGame);
    EXPECT_EQ(engine.fades[0].toColour, FadeBlack);

    Press(engine.input.Escape);
    Tick();
    EXPECT_EQ(engine.fades.size(), 1u) << "a second press during the fade does nothing";
}

TEST_F(ShipSelectScreen, EscapeFadesBackToTheTitleEvenOnALockedShip)
{
    engine.ship.ShipType = Id(ShipType::Butterfly);
    engine.EnterShipSelect();
    Tick(30);
    Press(engine.input.Select);
    Tick();
    EXPECT_TRUE(engine.acceptInput);
    EXPECT_TRUE(engine.fades.empty());
    Press(engine.input.Escape);
    Tick();
    ASSERT_EQ(engine.fades.size(), 1u);
    EXPECT_EQ(engine.fades[0].onDone, &Engine::EnterTitle);
    EXPECT_FALSE(engine.acceptInput);
}
