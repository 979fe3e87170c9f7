#pragma once
// Runs a test without a window for its lifetime: pictures and videos are looked for but
// never decoded into textures, so classes that load as they are created need no GL context
// and no image library.
#include "core/automation.hpp"

namespace testing_support {

class HeadlessScope {
public:
    HeadlessScope() : was_(Automation().headless) { Automation().headless = true; }
    ~HeadlessScope() { Automation().headless = was_; }
    HeadlessScope(const HeadlessScope&) = delete;
    HeadlessScope& operator=(const HeadlessScope&) = delete;

private:
    bool was_;
};

} // namespace testing_support
