#include "graphics/shader_programs.hpp"

#include "core/log.hpp"
#include "core/process_flags.hpp"

#include <GL/glew.h>

const char* const SharedVertexSource = R"(
void main()
{
    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;
    gl_FrontColor = gl_Color;
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_TexCoord[1] = gl_MultiTexCoord1;
}
)";

namespace {

#define RECT_EXTENSION "#extension GL_ARB_texture_rectangle : enable\n"

const ShaderProgramSource table[ShaderProgramCount] = {
    {ShaderProgram::PassThrough, "pass through", false, R"(
void main()
{
    gl_FragColor = gl_Color;
}
)"},
    {ShaderProgram::PassThroughTexture, "pass through & texture", false, R"(
uniform sampler2D texUnit0;
void main()
{
    gl_FragColor = gl_Color * texture2D(texUnit0, gl_TexCoord[0].st);
}
)"},
    {ShaderProgram::PassThroughRectangle, "pass through rectangle", true, RECT_EXTENSION R"(
uniform sampler2DRect texUnit0;
void main()
{
    gl_FragColor = gl_Color * texture2DRect(texUnit0, gl_TexCoord[0].st);
}
)"},
    {ShaderProgram::ScanlineRectangle, "scanline rectangle", true, RECT_EXTENSION R"(
uniform sampler2DRect texUnit0;
uniform float scan;
void main()
{
    gl_FragColor = gl_Color * texture2DRect(texUnit0, gl_TexCoord[0].st) * mod(gl_TexCoord[0].t, scan);
}
)"},
    {ShaderProgram::ToGreyscale, "to greyscale", true, RECT_EXTENSION R"(
uniform sampler2DRect texUnit0;
uniform float amount;
void main()
{
    vec4 texel = texture2DRect(texUnit0, gl_TexCoord[0].st);
    float grey = (texel.r + texel.g + texel.b) * 0.3;
    gl_FragColor = mix(texel, vec4(grey, grey, grey, texel.a), amount) * gl_Color;
}
)"},
    {ShaderProgram::ToGreyTexture, "to grey texture", false, R"(
uniform sampler2D texUnit0;
uniform float amount;
void main()
{
    vec4 texel = texture2D(texUnit0, gl_TexCoord[0].st);
    float grey = (texel.r + texel.g + texel.b) * 0.3;
    gl_FragColor = mix(texel, vec4(grey, grey, grey, texel.a), amount) * gl_Color;
}
)"},
    {ShaderProgram::Shockwave, "shockwave", true, RECT_EXTENSION R"(
uniform sampler2DRect texUnit0;
uniform sampler2D texUnit1;
uniform float intensity;
void main()
{
    vec2 offset = (texture2D(texUnit1, gl_TexCoord[1].st).xy * 2.0 - 1.0) * intensity;
    gl_FragColor = gl_Color * texture2DRect(texUnit0, gl_TexCoord[0].st - offset);
}
)"},
    {ShaderProgram::WaterRipple, "water ripple", true, RECT_EXTENSION R"(
uniform sampler2DRect texUnit0;
uniform sampler2D texUnit1;
void main()
{
    vec2 offset = (texture2D(texUnit1, gl_TexCoord[1].st).xy * 2.0 - 1.0) * 5.0;
    gl_FragColor = gl_Color * texture2DRect(texUnit0, gl_TexCoord[0].st - offset);
}
)"},
    {ShaderProgram::WaveDistortion, "wave distortion", false, R"(
uniform sampler2D texUnit0;
uniform sampler2D texUnit1;
void main()
{
    vec2 offset = (texture2D(texUnit1, gl_TexCoord[1].st).xy * 2.0 - 1.0) * 0.02;
    gl_FragColor = gl_Color * texture2D(texUnit0, gl_TexCoord[0].st - offset);
}
)"},
    {ShaderProgram::DamageDistortion, "damage distortion", false, R"(
uniform sampler2D texUnit0;
uniform sampler2D texUnit1;
void main()
{
    vec2 offset = (texture2D(texUnit1, gl_TexCoord[1].st).xy * 2.0 - 1.0) * 0.02;
    float alpha = texture2D(texUnit0, gl_TexCoord[0].st - offset).a;
    gl_FragColor = gl_Color * vec4(1.0, 1.0, 0.0, 1.0) * alpha;
}
)"},
    {ShaderProgram::DamageFlash, "damage flash", false, R"(
uniform sampler2D texUnit0;
void main()
{
    gl_FragColor = gl_Color * vec4(1.0, 1.0, 0.0, 1.0) * texture2D(texUnit0, gl_TexCoord[0].st).a;
}
)"},
    {ShaderProgram::Saturation, "saturation", false, R"(
uniform sampler2D texUnit0;
uniform float saturation;
void main()
{
    vec4 texel = texture2D(texUnit0, gl_TexCoord[0].st);
    gl_FragColor = vec4(texel.rgb * gl_Color.rgb * saturation, texel.a);
}
)"},
    {ShaderProgram::TwoAlpha, "two alpha", false, R"(
uniform sampler2D texUnit0;
uniform sampler2D texUnit1;
uniform float alpha;
void main()
{
    vec4 texel = texture2D(texUnit0, gl_TexCoord[0].st);
    float mask = texture2D(texUnit1, gl_TexCoord[1].st).r;
    gl_FragColor = vec4(texel.rgb, texel.a * (1.0 - mask * alpha)) * gl_Color;
}
)"},
    {ShaderProgram::RedMask, "red mask", false, R"(
uniform sampler2D texUnit0;
uniform float alpha;
void main()
{
    gl_FragColor = gl_Color * vec4(0.0, 0.0, 0.0, texture2D(texUnit0, gl_TexCoord[0].st).r + alpha);
}
)"},
};

#undef RECT_EXTENSION

bool BuildOne(ShaderSet& shaders, const ShaderProgramSource& entry)
{
    Log& log = GameLog();
    log.Write("   >>Creating Fragment program.\n");
    const int fragment = shaders.CompileShader(entry.fragment, ShaderSet::Type::Fragment);
    if (fragment == 0)
        return false;
    log.Write("   >>Ok.\n");
    log.Write("   >>Creating Vertex program.\n");
    const int vertex = shaders.CompileShader(SharedVertexSource, ShaderSet::Type::Vertex);
    if (vertex == 0)
        return false;
    log.Write("   >>Ok.\n");
    const int program = shaders.CreateProgram();
    shaders.Attach(fragment);
    shaders.Attach(vertex);
    log.Write("   >>Attempting to link program.\n");
    if (!shaders.Link())
        return false;
    log.Write("   >>Ok.\n");
    shaders.SetProgramId(entry.program, program);
    shaders.UseProgram(0);
    return true;
}

} // namespace

const ShaderProgramSource* ShaderProgramTable() { return table; }

bool BuildShaders(ShaderSet& shaders)
{
    GameLog().Write("\n[Compilling Shaders]\n");
    for (const ShaderProgramSource& entry : table) {
        if (entry.needsTargets && LowSpecMode)
            continue;
        GameLog().Write(std::string("Compilling shader: ") + entry.logName + ".\n");
        if (!BuildOne(shaders, entry))
            return false;
    }
    // Every program is linked: the driver may drop its compiler's working state.
    if (glReleaseShaderCompiler)
        glReleaseShaderCompiler();
    GameLog().Write("Complete...\n\n");
    return true;
}
