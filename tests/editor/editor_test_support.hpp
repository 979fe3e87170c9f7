#pragma once
// A detached engine in a scratch copy of the run directory (its stage files copied, never
// linked, so a save cannot reach the shipped ones), headless, with the log captured; and
// button presses fed to the editor one tick at a time.
#include "engine/engine.hpp"
#include "support/game_run.hpp"

#include <filesystem>
#include <string>

namespace editor_testing {

// A scratch run directory whose Maps folder is a copy.
class EditorScratch : public testing_support::ScratchDir {
public:
    explicit EditorScratch(const std::string& tag);
};

class EditorEngine {
public:
    EditorEngine();
    ~EditorEngine();
    EditorEngine(const EditorEngine&) = delete;
    EditorEngine& operator=(const EditorEngine&) = delete;

    // One editor tick, then the buttons advance.
    void Tick();
    // The button goes down for one tick and up again (two ticks in all).
    void Press(InputButton& button);
    // The button stays down for `ticks` ticks (the first is the press), then goes up.
    void Hold(InputButton& button, int ticks);
    void PressTimes(InputButton& button, int times);
    std::string LogText() const;
    InputState& Input() { return engine.input; }

    EditorScratch dir{"editor"};
    Engine engine{Engine::Detached{}};

private:
    std::filesystem::path previousDir_;
    bool wasHeadless_ = false;
    bool wasDemo_ = false;
};

} // namespace editor_testing
