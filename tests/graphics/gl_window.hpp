#pragma once
// One SDL OpenGL window of 640 x 480 for the graphics tests that read pixels back, opened
// once per suite, with the log written into a scratch directory.
#include "support/game_run.hpp"

#include <GL/glew.h>
#include <gtest/gtest.h>
#include <array>
#include <memory>
#include <string>

class GraphicsGL : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // RGBA of a window pixel, y counted from the top.
    static std::array<int, 4> Pixel(int x, int y);
    // Log text written since the last call.
    static std::string NewLog();
    // A solid untextured quad in logical units.
    static void Quad(float left, float top, float right, float bottom, float r, float g, float b, float z = 0.0f);
    static const testing_support::ScratchDir& Dir() { return *dir_; }

private:
    static inline bool open_ = false;
    static inline std::unique_ptr<testing_support::ScratchDir> dir_;
    static inline std::string previousDir_;
    static inline size_t logMark_ = 0;
    bool savedLowSpec_ = false;
    bool savedShaders_ = true;
};
