#include "graphics/shader_set.hpp"

#include "core/log.hpp"
#include "core/process_flags.hpp"
#include "graphics/gl_draw.hpp"

#include <GL/glew.h>

namespace {

std::string InfoLog(GLuint object, bool program)
{
    GLint length = 0;
    if (program)
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    else
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length), '\0');
    GLsizei written = 0;
    if (program)
        glGetProgramInfoLog(object, length, &written, text.data());
    else
        glGetShaderInfoLog(object, length, &written, text.data());
    text.resize(static_cast<size_t>(written > 0 ? written : 0));
    return text;
}

} // namespace

ShaderSet::~ShaderSet() { Clear(); }

void ShaderSet::Clear()
{
    if (!programs_.empty() || !shaders_.empty()) {
        glUseProgram(0);
        for (const Object& program : programs_)
            glDeleteProgram(program.handle);
        for (const Object& shader : shaders_)
            glDeleteShader(shader.handle);
    }
    programs_.clear();
    shaders_.clear();
    current_ = -1;
    idCounter_ = 0;
    programIds_ = {};
}

int ShaderSet::CompileShader(const std::string& source, Type type)
{
    if (source.empty()) {
        GameLog().Write("No data to create shader!\n");
        return 0;
    }
    const GLuint shader = glCreateShader(type == Type::Vertex ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER);
    const GLchar* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        GameLog().Write("Failed To Compile Shader!\n");
        GameLog().Write(InfoLog(shader, false));
        GameLog().Write("\n");
        glDeleteShader(shader);
        return 0;
    }
    shaders_.push_back({shader, ++idCounter_});
    return idCounter_;
}

int ShaderSet::CreateProgram()
{
    programs_.push_back({glCreateProgram(), ++idCounter_});
    current_ = static_cast<int>(programs_.size()) - 1;
    return idCounter_;
}

void ShaderSet::Attach(int shaderId)
{
    if (current_ < 0)
        return;
    for (const Object& shader : shaders_)
        if (shader.id == shaderId)
            glAttachShader(programs_[current_].handle, shader.handle);
}

bool ShaderSet::Link()
{
    if (current_ < 0)
        return false;
    const GLuint handle = programs_[current_].handle;
    glLinkProgram(handle);
    GLint linked = GL_FALSE;
    glGetProgramiv(handle, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        GameLog().Write("Failed to Link Program!\n");
        GameLog().Write(InfoLog(handle, true));
        return false;
    }
    // A linked program no longer needs its shader objects; deleting them lets the driver
    // free their compiled form, which otherwise stays for the whole run.
    GLuint attached[8];
    GLsizei count = 0;
    glGetAttachedShaders(handle, 8, &count, attached);
    for (GLsizei i = 0; i < count; ++i) {
        glDetachShader(handle, attached[i]);
        glDeleteShader(attached[i]);
        std::erase_if(shaders_, [&](const Object& shader) { return shader.handle == attached[i]; });
    }
    return true;
}

void ShaderSet::UseProgram(int id)
{
    if (!ShadersEnabled)
        return;
    current_ = -1;
    if (id != 0) {
        for (size_t i = 0; i < programs_.size(); ++i) {
            if (programs_[i].id == id) {
                current_ = static_cast<int>(i);
                break;
            }
        }
    }
    glUseProgram(current_ >= 0 ? programs_[current_].handle : 0);
    CheckGLError();
}

int ShaderSet::Location(const char* name) const
{
    if (!ShadersEnabled || current_ < 0)
        return -1;
    return glGetUniformLocation(programs_[current_].handle, name);
}

void ShaderSet::SetFloat(const char* name, float value)
{
    if (const int location = Location(name); location != -1)
        glUniform1f(location, value);
}

void ShaderSet::SetVec2(const char* name, float x, float y)
{
    if (const int location = Location(name); location != -1)
        glUniform2f(location, x, y);
}

void ShaderSet::BindSampler(const char* name, int unit, uint32_t texture, unsigned target)
{
    if (ShadersEnabled) {
        const int location = Location(name);
        if (location == -1)
            return;
        glUniform1i(location, unit);
    }
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(target, texture);
}

void ShaderSet::SetSampler(const char* name, int unit, uint32_t texture)
{
    BindSampler(name, unit, texture, GL_TEXTURE_2D);
}

void ShaderSet::SetSamplerRect(const char* name, int unit, uint32_t texture)
{
    BindSampler(name, unit, texture, GL_TEXTURE_RECTANGLE_ARB);
}
