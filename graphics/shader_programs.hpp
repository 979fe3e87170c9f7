#pragma once
// The sources of the game's fourteen GLSL programs and the start-up step that builds them.
#include "graphics/shader_set.hpp"

struct ShaderProgramSource {
    ShaderProgram program;
    const char* logName;
    bool needsTargets; // samples the rectangle render targets: skipped in LowSpecMode
    const char* fragment;
};

// Every program shares this vertex program.
extern const char* const SharedVertexSource;
// In build order.
const ShaderProgramSource* ShaderProgramTable();

// Builds the table in order into the set (with its log lines); the first failure stops it.
bool BuildShaders(ShaderSet& shaders);
