#include "editor/editor_test_support.hpp"

#include "engine/editor/editor_modes.hpp"
#include "core/automation.hpp"
#include "core/log.hpp"
#include "game/game_flow_globals.hpp"

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace editor_testing {

EditorScratch::EditorScratch(const std::string& tag) : ScratchDir(tag)
{
    const fs::path maps = Path() / "Maps";
    fs::remove(maps);
    fs::create_directory(maps);
    for (const auto& entry : fs::directory_iterator(fs::path(SKYREAVER_RUN_DIR) / "Maps"))
        fs::copy_file(entry.path(), maps / entry.path().filename());
}

EditorEngine::EditorEngine()
{
    previousDir_ = fs::current_path();
    fs::current_path(dir.Path());
    wasHeadless_ = Automation().headless;
    Automation().headless = true;
    wasDemo_ = demoMode;
    demoMode = false;
    GameLog().SetConsoleEcho(false);
    GameLog().SetEnabled(true);
    OpenEditor(engine);
}

EditorEngine::~EditorEngine()
{
    engine.CleanupStage();
    GameLog().SetEnabled(false);
    GameLog().SetConsoleEcho(true);
    demoMode = wasDemo_;
    Automation().headless = wasHeadless_;
    fs::current_path(previousDir_);
}

void EditorEngine::Tick()
{
    engine.UpdateEditor();
    engine.input.AdvanceButtons();
}

void EditorEngine::Press(InputButton& button) { Hold(button, 1); }

void EditorEngine::Hold(InputButton& button, int ticks)
{
    button.Set(true);
    for (int i = 0; i < ticks; ++i)
        Tick();
    button.Set(false);
    Tick();
}

void EditorEngine::PressTimes(InputButton& button, int times)
{
    for (int i = 0; i < times; ++i)
        Press(button);
}

std::string EditorEngine::LogText() const
{
    std::ifstream file(dir.Path() / GameLog().Path(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace editor_testing
