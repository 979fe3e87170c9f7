#pragma once
// GLSL shader objects and programs, addressed by small ids handed out in creation order
// (shaders and programs share one counter). Every operation respects ShadersEnabled.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The game's fourteen programs, in build order (the numbers callers know them by), then the
// programs of the cheaper passes (graphics/bloom_present), built after them.
enum class ShaderProgram {
    PassThrough = 1,
    PassThroughTexture,
    PassThroughRectangle,
    ScanlineRectangle,
    ToGreyscale,
    ToGreyTexture,
    Shockwave,
    WaterRipple,
    WaveDistortion,
    DamageDistortion,
    DamageFlash,
    Saturation,
    TwoAlpha,
    RedMask,
    BloomPresent,
    BloomScanlinePresent,
};
constexpr int ShaderProgramCount = 14;
constexpr int AllShaderProgramCount = 16;

class ShaderSet {
public:
    enum class Type { Vertex, Fragment };
    struct Object {
        uint32_t handle = 0;
        int id = 0;
    };

    ShaderSet() = default;
    ~ShaderSet();
    ShaderSet(const ShaderSet&) = delete;
    ShaderSet& operator=(const ShaderSet&) = delete;

    // 0 on failure (logged with the driver's text).
    int CompileShader(const std::string& source, Type type);
    // Creates a program object and makes it current.
    int CreateProgram();
    void Attach(int shaderId);
    bool Link();
    // 0, or an id that is not a program, returns to the fixed pipeline.
    void UseProgram(int id);
    void SetFloat(const char* name, float value);
    void SetVec2(const char* name, float x, float y);
    // Binds the texture on the unit and points the sampler at it. With shaders on this needs a
    // current program holding the sampler; with shaders off it only binds.
    void SetSampler(const char* name, int unit, uint32_t texture);
    void SetSamplerRect(const char* name, int unit, uint32_t texture);

    // The id a built game program received; 0 when it was skipped or not built.
    int ProgramId(ShaderProgram program) const { return programIds_[static_cast<int>(program)]; }
    void SetProgramId(ShaderProgram program, int id) { programIds_[static_cast<int>(program)] = id; }
    // UseProgram of a game program; a skipped one means the fixed pipeline.
    void Use(ShaderProgram program) { UseProgram(ProgramId(program)); }

    // Deletes every object and program; ids start again at 1.
    void Clear();

    int CurrentProgramId() const { return current_ >= 0 ? programs_[current_].id : 0; }
    size_t ShaderCount() const { return shaders_.size(); }
    size_t ProgramCount() const { return programs_.size(); }

private:
    int Location(const char* name) const;
    void BindSampler(const char* name, int unit, uint32_t texture, unsigned target);

    int idCounter_ = 0;
    std::vector<Object> shaders_;
    std::vector<Object> programs_;
    std::array<int, AllShaderProgramCount + 1> programIds_{};
    int current_ = -1; // index into programs_, -1 for the fixed pipeline
};
