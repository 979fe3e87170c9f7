#include "graphics/bloom_present.hpp"

#include "core/process_flags.hpp"
#include "graphics/plain_drawing.hpp"
#include "graphics/shader_programs.hpp"

#include <string>

namespace {

// The bloom pass draws the scene enlarged by a pixel at each edge (its texture coordinates
// inset by one) times 0.75, blended as source times source colour onto the scene; size is the
// target's size in pixels.
const char* const BloomSource = R"(#extension GL_ARB_texture_rectangle : enable
uniform sampler2DRect texUnit0;
uniform vec2 size;
uniform float scan;
vec4 To8Bit(vec4 value) { return floor(value * 255.0 + 0.5) / 255.0; }
vec4 Bloomed(vec2 at)
{
    vec4 scene = texture2DRect(texUnit0, at);
    vec4 glow = To8Bit(texture2DRect(texUnit0, 1.0 + at * (size - 2.0) / size) * vec4(0.75, 0.75, 0.75, 1.0));
    return min(scene + To8Bit(glow * glow), 1.0);
}
)";

const char* const PresentSource = R"(
void main()
{
    gl_FragColor = gl_Color * Bloomed(gl_TexCoord[0].st);
}
)";

const char* const ScanlinePresentSource = R"(
void main()
{
    gl_FragColor = gl_Color * Bloomed(gl_TexCoord[0].st) * mod(gl_TexCoord[0].t, scan);
}
)";

bool BuildOne(ShaderSet& shaders, ShaderProgram program, const char* main)
{
    const int fragment = shaders.CompileShader(std::string(BloomSource) + main, ShaderSet::Type::Fragment);
    const int vertex = fragment ? shaders.CompileShader(SharedVertexSource, ShaderSet::Type::Vertex) : 0;
    if (!vertex)
        return false;
    const int id = shaders.CreateProgram();
    shaders.Attach(fragment);
    shaders.Attach(vertex);
    if (!shaders.Link())
        return false;
    shaders.SetProgramId(program, id);
    return true;
}

} // namespace

void BuildBloomPresentPrograms(ShaderSet& shaders)
{
    if (LowSpecMode || !ShadersEnabled)
        return;
    if (!BuildOne(shaders, ShaderProgram::BloomPresent, PresentSource) ||
        !BuildOne(shaders, ShaderProgram::BloomScanlinePresent, ScanlinePresentSource)) {
        shaders.SetProgramId(ShaderProgram::BloomPresent, 0);
        shaders.SetProgramId(ShaderProgram::BloomScanlinePresent, 0);
    }
    shaders.UseProgram(0);
}

bool BloomInPresent(const ShaderSet& shaders)
{
    return ShadersEnabled && !LowSpecMode && !PlainDrawing() && shaders.ProgramId(ShaderProgram::BloomPresent) != 0 &&
           shaders.ProgramId(ShaderProgram::BloomScanlinePresent) != 0;
}
