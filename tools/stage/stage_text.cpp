#include "tools/stage/stage_text.hpp"
#include "engine/engine.hpp"

#include "world/embedded_patterns.hpp"
#include "world/control_entity.hpp"
#include "core/data_file.hpp"
#include "world/entity.hpp"
#include "game/entity_registry.hpp"
#include "world/stage_world.hpp"
#include "world/unlisted_properties.hpp"

#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

// The nine controls of a pattern line, in the control block's order.
constexpr std::array<uint8_t ControlBlock::*, 9> PatternOrder = {
    &ControlBlock::LEFT, &ControlBlock::RIGHT,   &ControlBlock::UP,        &ControlBlock::DOWN,  &ControlBlock::FIRE,
    &ControlBlock::FIRE2, &ControlBlock::SPEEDUP, &ControlBlock::SPEEDDOWN, &ControlBlock::FIRE3,
};
// Button states by their value: just pressed, held, idle, just released.
constexpr std::array<char, 4> StateLetters = {'p', 'h', '-', 'r'};

enum class Section { None, Scroll, Layer, Water };

struct Token {
    std::string text;
    bool quoted = false;
};

bool Tokenise(std::string_view line, std::vector<Token>& tokens, std::string& problem)
{
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const size_t end = line.find('"', i + 1);
            if (end == std::string_view::npos) {
                problem = "a quoted name is not closed";
                return false;
            }
            tokens.push_back({std::string(line.substr(i + 1, end - i - 1)), true});
            i = end + 1;
        } else {
            size_t end = i;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r' &&
                   line[end] != '#')
                ++end;
            tokens.push_back({std::string(line.substr(i, end - i)), false});
            i = end;
        }
    }
    return true;
}

bool ParseFloat(const std::string& text, float& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    // A NaN is written as its bits, so its payload survives.
    if (text.rfind("nan:0x", 0) == 0) {
        errno = 0;
        const unsigned long long bits = std::strtoull(text.c_str() + 6, &end, 16);
        if (*end != '\0' || errno == ERANGE || bits > 0xFFFFFFFFull || text.size() == 6)
            return false;
        value = std::bit_cast<float>(static_cast<uint32_t>(bits));
        return true;
    }
    errno = 0;
    const float parsed = std::strtof(text.c_str(), &end);
    // Underflow to a subnormal is exact enough to keep; overflow is a mistake.
    if (*end != '\0' || (errno == ERANGE && std::isinf(parsed)))
        return false;
    value = parsed;
    return true;
}

bool ParseInt(const std::string& text, long long low, long long high, long long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool ParseI32(const std::string& text, int32_t& value)
{
    long long v = 0;
    if (!ParseInt(text, INT32_MIN, INT32_MAX, v))
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

bool ParseU32(const std::string& text, uint32_t& value)
{
    long long v = 0;
    if (!ParseInt(text, 0, UINT32_MAX, v))
        return false;
    value = static_cast<uint32_t>(v);
    return true;
}

bool ParseState(const std::string& text, uint8_t& value)
{
    if (text.size() == 1) {
        for (size_t i = 0; i < StateLetters.size(); ++i) {
            if (text[0] == StateLetters[i]) {
                value = static_cast<uint8_t>(i);
                return true;
            }
        }
    }
    long long v = 0;
    if (!ParseInt(text, 0, 255, v))
        return false;
    value = static_cast<uint8_t>(v);
    return true;
}

class Reader {
public:
    Reader(const std::string& sourceName, StageWorld& world) : source_(sourceName), world_(world) {}

    bool Line(int number, const std::vector<Token>& tokens, std::string& error);
    bool Finish(std::string& error);

private:
    bool Fail(std::string& error, const std::string& message)
    {
        error = source_ + ":" + std::to_string(lineNumber_) + ": " + message;
        return false;
    }
    bool SectionLine(const std::vector<Token>& tokens, std::string& error);
    bool ScrollLine(const std::vector<Token>& tokens, std::string& error);
    bool WaterLine(const std::vector<Token>& tokens, std::string& error);
    bool GeneratorLine(const std::vector<Token>& tokens, std::string& error);
    bool TemplateLine(const std::vector<Token>& tokens, std::string& error);
    bool PatternLine(const std::vector<Token>& tokens, std::string& error);
    bool ArmLine(const std::vector<Token>& tokens, std::string& error);
    // A pattern record from the tick and nine states starting at tokens[first].
    bool ParseRecord(const std::vector<Token>& tokens, size_t first, ControlRecord& record, std::string& error);
    bool PropertyLine(const std::vector<Token>& tokens, std::string& error);
    bool SetProperty(Entity& entity, int32_t type, const std::vector<Token>& tokens, size_t first,
                     std::string& error);

    std::string source_;
    StageWorld& world_;
    int lineNumber_ = 0;
    Section section_ = Section::None;
    int layer_ = 0;
    Generator* generator_ = nullptr;
};

namespace {

// Whether the game will read the template back: a value it rejects at load (a door's size,
// a tile type out of range) is reported at the line that set it, not when the stage later
// fails to load. Without a scratch file to try it in, the value is let through.
bool LoadsBack(Entity& entity, int32_t type)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("skyreaver_stage_" + std::to_string(::getpid()) + ".probe");
    DataFile out;
    if (!out.Open(path.string(), "wb") || !entity.Save(out)) {
        std::filesystem::remove(path);
        return true;
    }
    DataFile in;
    std::unique_ptr<Entity> fresh = CreateEntity(type);
    const bool loads = in.Open(path.string(), "rb") && fresh && fresh->Load(in);
    std::filesystem::remove(path);
    return loads;
}

} // namespace

bool Reader::Line(int number, const std::vector<Token>& tokens, std::string& error)
{
    lineNumber_ = number;
    if (tokens.empty())
        return true;
    const Token& first = tokens[0];
    if (!first.quoted && first.text.size() > 1 && first.text.front() == '[')
        return SectionLine(tokens, error);
    switch (section_) {
    case Section::None: return Fail(error, "a line before the first section");
    case Section::Scroll: return ScrollLine(tokens, error);
    case Section::Water: return WaterLine(tokens, error);
    case Section::Layer:
        if (!first.quoted && first.text == "generator")
            return GeneratorLine(tokens, error);
        if (!generator_)
            return Fail(error, "expected a generator line");
        if (!first.quoted && first.text == "template")
            return TemplateLine(tokens, error);
        if (!first.quoted && first.text == "pattern")
            return PatternLine(tokens, error);
        if (!first.quoted && first.text == "arm")
            return ArmLine(tokens, error);
        return PropertyLine(tokens, error);
    }
    return true;
}

bool Reader::SectionLine(const std::vector<Token>& tokens, std::string& error)
{
    generator_ = nullptr;
    std::string name = tokens[0].text;
    for (size_t i = 1; i < tokens.size(); ++i)
        name += " " + tokens[i].text;
    if (name == "[scroll]") {
        section_ = Section::Scroll;
    } else if (name == "[water]") {
        section_ = Section::Water;
    } else if (name.size() == 9 && name.rfind("[layer ", 0) == 0 && name[7] >= '1' && name[7] <= '4' &&
               name[8] == ']') {
        section_ = Section::Layer;
        layer_ = name[7] - '0';
    } else {
        return Fail(error, "unknown section " + name + " (expected [scroll], [layer 1..4] or [water])");
    }
    return true;
}

bool Reader::ScrollLine(const std::vector<Token>& tokens, std::string& error)
{
    // start x y vx vy [ax ay accelerate-ticks]
    if (tokens.size() != 5 && tokens.size() != 8)
        return Fail(error, "a scroll line is: start x y vx vy [ax ay accelerate-ticks]");
    ScrollManipulator m;
    bool ok = ParseU32(tokens[0].text, m.startTime) && ParseFloat(tokens[1].text, m.positionX) &&
              ParseFloat(tokens[2].text, m.positionY) && ParseFloat(tokens[3].text, m.velocityX) &&
              ParseFloat(tokens[4].text, m.velocityY);
    if (ok && tokens.size() == 8)
        ok = ParseFloat(tokens[5].text, m.accelerationX) && ParseFloat(tokens[6].text, m.accelerationY) &&
             ParseI32(tokens[7].text, m.accelerateTicks);
    if (!ok)
        return Fail(error, "a scroll value is not a number");
    world_.scrollManipulators.push_back(m);
    return true;
}

bool Reader::WaterLine(const std::vector<Token>& tokens, std::string& error)
{
    // centre-x centre-y half-width half-height
    float cx = 0, cy = 0, hw = 0, hh = 0;
    if (tokens.size() != 4 || !ParseFloat(tokens[0].text, cx) || !ParseFloat(tokens[1].text, cy) ||
        !ParseFloat(tokens[2].text, hw) || !ParseFloat(tokens[3].text, hh))
        return Fail(error, "a water line is: centre-x centre-y half-width half-height");
    world_.water.push_back(RectFromHalfSize(hw, hh, cx, cy));
    return true;
}

bool Reader::GeneratorLine(const std::vector<Token>& tokens, std::string& error)
{
    // generator "NAME"|id time T at X Y delay D count N [layer L]
    if (tokens.size() < 2)
        return Fail(error, "a generator needs an entity type");
    int32_t type = -1;
    const Token& typeToken = tokens[1];
    if (!typeToken.quoted) {
        if (!ParseI32(typeToken.text, type))
            return Fail(error, "bad type id " + typeToken.text + " (names are quoted)");
    } else {
        type = EntityTypeByName(typeToken.text);
        if (type < 0)
            return Fail(error, "no entity type is named \"" + typeToken.text + "\"");
    }
    Generator generator;
    generator.type = type;
    generator.layer = layer_;
    bool haveTime = false, haveAt = false;
    for (size_t i = 2; i < tokens.size(); ++i) {
        const std::string& key = tokens[i].text;
        const auto need = [&](size_t n) { return i + n < tokens.size(); };
        bool ok = true;
        if (key == "time" && need(1)) {
            ok = ParseU32(tokens[++i].text, generator.timeIndex);
            haveTime = true;
        } else if (key == "at" && need(2)) {
            ok = ParseFloat(tokens[i + 1].text, generator.x) && ParseFloat(tokens[i + 2].text, generator.y);
            i += 2;
            haveAt = true;
        } else if (key == "delay" && need(1)) {
            ok = ParseU32(tokens[++i].text, generator.delay);
        } else if (key == "count" && need(1)) {
            ok = ParseI32(tokens[++i].text, generator.count);
        } else if (key == "layer" && need(1)) {
            ok = ParseI32(tokens[++i].text, generator.layer) && generator.layer >= 1 && generator.layer <= 4;
        } else {
            return Fail(error, "unexpected \"" + key + "\" in a generator line");
        }
        if (!ok)
            return Fail(error, "bad value after \"" + key + "\"");
    }
    if (!haveTime || !haveAt)
        return Fail(error, "a generator needs \"time T\" and \"at X Y\"");
    // Classes that remember when they were placed (a door's open time) take the generator's
    // time, as if the designer had placed them at that moment.
    if (TheEngine)
        TheEngine->stateTicks = generator.timeIndex;
    std::unique_ptr<Entity> made = CreateEntity(type);
    if (!made)
        return Fail(error, "entity type " + std::to_string(type) + " has no class yet");
    made->x = made->prevX = generator.x;
    made->y = made->prevY = generator.y;
    generator.tickCounter = generator.delay;
    generator.templateEntity = std::move(made);
    auto& list = world_.generators[static_cast<size_t>(layer_ - 1)];
    list.push_back(std::move(generator));
    generator_ = &list.back();
    return true;
}

bool Reader::TemplateLine(const std::vector<Token>& tokens, std::string& error)
{
    Entity& entity = *generator_->templateEntity;
    if (tokens.size() != 4 || tokens[1].text != "at" || !ParseFloat(tokens[2].text, entity.x) ||
        !ParseFloat(tokens[3].text, entity.y))
        return Fail(error, "a template line is: template at X Y");
    entity.prevX = entity.x;
    entity.prevY = entity.y;
    return true;
}

bool Reader::ParseRecord(const std::vector<Token>& tokens, size_t first, ControlRecord& record, std::string& error)
{
    if (tokens.size() != first + 10 || !ParseU32(tokens[first].text, record.tick))
        return Fail(error, "a pattern is: pattern TICK and nine states (p h - r)");
    for (size_t i = 0; i < PatternOrder.size(); ++i)
        if (!ParseState(tokens[first + 1 + i].text, record.controls.*PatternOrder[i]))
            return Fail(error, "bad control state \"" + tokens[first + 1 + i].text + "\"");
    return true;
}

bool Reader::PatternLine(const std::vector<Token>& tokens, std::string& error)
{
    auto* control = dynamic_cast<ControlEntity*>(generator_->templateEntity.get());
    if (!control)
        return Fail(error, "this entity type has no control pattern");
    ControlRecord record;
    if (!ParseRecord(tokens, 1, record, error))
        return false;
    control->pattern.push_back(record);
    return true;
}

// arm N pattern TICK and nine states, arm N at X Y, arm N "Name" = value: the pattern, the
// stored position and the properties of an entity carried inside the generator's template.
bool Reader::ArmLine(const std::vector<Token>& tokens, std::string& error)
{
    auto* holder = dynamic_cast<EmbeddedPatterns*>(generator_->templateEntity.get());
    if (!holder)
        return Fail(error, "this entity type carries no arms");
    long long index = 0;
    if (tokens.size() < 3 || !ParseInt(tokens[1].text, 0, static_cast<long long>(holder->EmbeddedCount()) - 1, index))
        return Fail(error, "an arm line is: arm N pattern TICK and nine states, arm N at X Y or arm N \"Name\" = "
                           "value, N from 0 to " +
                               std::to_string(holder->EmbeddedCount() - 1));
    ControlEntity& arm = *holder->Embedded(static_cast<size_t>(index));
    if (tokens[2].quoted)
        return SetProperty(arm, -1, tokens, 2, error);
    if (tokens[2].text == "at") {
        if (tokens.size() != 5 || !ParseFloat(tokens[3].text, arm.x) || !ParseFloat(tokens[4].text, arm.y))
            return Fail(error, "an arm's place is: arm N at X Y");
        arm.prevX = arm.x;
        arm.prevY = arm.y;
        return true;
    }
    if (tokens[2].text != "pattern")
        return Fail(error, "an arm line is: arm N pattern, arm N at or arm N \"Name\" = value");
    ControlRecord record;
    if (!ParseRecord(tokens, 3, record, error))
        return false;
    arm.pattern.push_back(record);
    return true;
}

bool Reader::PropertyLine(const std::vector<Token>& tokens, std::string& error)
{
    return SetProperty(*generator_->templateEntity, generator_->type, tokens, 0, error);
}

// "Name" = value at tokens[first]: the entity's property set, and checked by loading it back
// when the entity is the template of a generator of `type` (-1 for an embedded entity).
bool Reader::SetProperty(Entity& entity, int32_t type, const std::vector<Token>& tokens, size_t first,
                         std::string& error)
{
    if (tokens.size() != first + 3 || !tokens[first].quoted || tokens[first + 1].text != "=")
        return Fail(error, "a property line is: \"Name\" = value");
    const std::string& name = tokens[first].text;
    std::vector<EntityProperty> properties;
    entity.DescribeProperties(properties);
    DescribeUnlistedProperties(entity, properties);
    for (const EntityProperty& property : properties) {
        if (name != property.name)
            continue;
        const std::string& value = tokens[first + 2].text;
        bool ok = false;
        switch (static_cast<PropertyKind>(property.kind)) {
        case PropertyKind::Integer: ok = ParseI32(value, *property.intValue); break;
        case PropertyKind::Float: ok = ParseFloat(value, *property.floatValue); break;
        case PropertyKind::Flag:
        case PropertyKind::Action: {
            long long flag = 0;
            ok = ParseInt(value, 0, 255, flag);
            if (ok)
                *property.boolValue = static_cast<uint8_t>(flag);
            break;
        }
        }
        if (!ok)
            return Fail(error, "bad value for \"" + name + "\"");
        if (type >= 0 && !LoadsBack(entity, type))
            return Fail(error, "\"" + name + "\" = " + value + " is outside what the game accepts");
        return true;
    }
    return Fail(error, "\"" + name + "\" is not a property of this entity type");
}

void WritePattern(std::ostringstream& out, const std::string& lead, const std::deque<ControlRecord>& pattern)
{
    for (const ControlRecord& record : pattern) {
        out << lead << " " << record.tick;
        for (uint8_t ControlBlock::*member : PatternOrder) {
            const uint8_t state = record.controls.*member;
            out << " ";
            if (state < StateLetters.size())
                out << StateLetters[state];
            else
                out << static_cast<int>(state);
        }
        out << "\n";
    }
}

// An embedded entity: its place and the properties that differ from a fresh one's, then its
// pattern, so that a file the editor saved comes back from text byte for byte.
void WriteArm(std::ostringstream& out, const std::string& lead, ControlEntity& arm)
{
    if (arm.x != 0.0f || arm.y != 0.0f)
        out << lead << " at " << FloatText(arm.x) << " " << FloatText(arm.y) << "\n";
    std::vector<EntityProperty> properties;
    arm.DescribeProperties(properties);
    for (const EntityProperty& property : properties) {
        switch (static_cast<PropertyKind>(property.kind)) {
        case PropertyKind::Integer:
            if (*property.intValue != 0)
                out << lead << " \"" << property.name << "\" = " << *property.intValue << "\n";
            break;
        case PropertyKind::Float:
            if (*property.floatValue != 0.0f)
                out << lead << " \"" << property.name << "\" = " << FloatText(*property.floatValue) << "\n";
            break;
        case PropertyKind::Flag:
            if (*property.boolValue != 0)
                out << lead << " \"" << property.name << "\" = " << static_cast<int>(*property.boolValue) << "\n";
            break;
        case PropertyKind::Action: break; // never stored
        }
    }
    WritePattern(out, lead + " pattern", arm.pattern);
}

void WriteGenerator(std::ostringstream& out, const Generator& generator, int sectionLayer)
{
    const std::string_view name = EntityTypeName(generator.type);
    out << "generator ";
    if (name.empty())
        out << generator.type;
    else
        out << "\"" << name << "\"";
    out << " time " << generator.timeIndex << " at " << FloatText(generator.x) << " " << FloatText(generator.y)
        << " delay " << generator.delay << " count " << generator.count;
    if (generator.layer != sectionLayer)
        out << " layer " << generator.layer;
    out << "\n";
    Entity* entity = generator.templateEntity.get();
    if (!entity)
        return;
    if (entity->x != generator.x || entity->y != generator.y)
        out << "  template at " << FloatText(entity->x) << " " << FloatText(entity->y) << "\n";
    std::vector<EntityProperty> properties;
    entity->DescribeProperties(properties);
    DescribeUnlistedProperties(*entity, properties);
    for (const EntityProperty& property : properties) {
        out << "  \"" << property.name << "\" = ";
        switch (static_cast<PropertyKind>(property.kind)) {
        case PropertyKind::Integer: out << *property.intValue; break;
        case PropertyKind::Float: out << FloatText(*property.floatValue); break;
        case PropertyKind::Flag:
        case PropertyKind::Action: out << static_cast<int>(*property.boolValue); break;
        }
        out << "\n";
    }
    if (const auto* control = dynamic_cast<const ControlEntity*>(entity))
        WritePattern(out, "  pattern", control->pattern);
    if (auto* holder = dynamic_cast<EmbeddedPatterns*>(entity))
        for (size_t i = 0; i < holder->EmbeddedCount(); ++i)
            WriteArm(out, "  arm " + std::to_string(i), *holder->Embedded(i));
}

} // namespace

std::string FloatText(float value)
{
    char text[48];
    if (std::isnan(value)) {
        std::snprintf(text, sizeof text, "nan:0x%08x", std::bit_cast<uint32_t>(value));
        return text;
    }
    if (value == std::trunc(value) && std::fabs(value) < 1.0e9f && !(value == 0.0f && std::signbit(value))) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
        return text;
    }
    for (int precision = 1; precision <= 9; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            return text;
    }
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

bool ReadStageText(const std::string& text, const std::string& sourceName, StageWorld& world, std::string& error)
{
    Reader reader(sourceName, world);
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<Token> tokens;
        std::string problem;
        if (!Tokenise(line, tokens, problem)) {
            error = sourceName + ":" + std::to_string(number) + ": " + problem;
            return false;
        }
        if (!reader.Line(number, tokens, error))
            return false;
    }
    return true;
}

std::string WriteStageText(const StageWorld& world)
{
    std::ostringstream out;
    out << "# Stage entities: see docs/stages.md.\n\n";
    out << "[scroll]\n# start  x  y  vx  vy  [ax  ay  accelerate-ticks]\n";
    for (const ScrollManipulator& m : world.scrollManipulators) {
        out << m.startTime << " " << FloatText(m.positionX) << " " << FloatText(m.positionY) << " "
            << FloatText(m.velocityX) << " " << FloatText(m.velocityY);
        if (m.accelerationX != 0.0f || m.accelerationY != 0.0f || m.accelerateTicks != 0 ||
            std::signbit(m.accelerationX) || std::signbit(m.accelerationY))
            out << " " << FloatText(m.accelerationX) << " " << FloatText(m.accelerationY) << " "
                << m.accelerateTicks;
        out << "\n";
    }
    for (size_t layer = 0; layer < world.generators.size(); ++layer) {
        out << "\n[layer " << layer + 1 << "]\n";
        for (const Generator& generator : world.generators[layer])
            WriteGenerator(out, generator, static_cast<int>(layer + 1));
    }
    out << "\n[water]\n# centre-x  centre-y  half-width  half-height\n";
    for (const Rect& water : world.water)
        out << FloatText(water.centreX) << " " << FloatText(water.centreY) << " " << FloatText(water.halfWidth) << " "
            << FloatText(water.halfHeight) << "\n";
    return out.str();
}
