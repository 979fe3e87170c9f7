// The editor's menus over the stage: main menu, manipulator, entity list, generator and
// entity properties, water rectangle. The highlighted row is yellow, the others white.
#include "engine/editor/editor_drawing.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "engine/engine.hpp"
#include "game/entity_registry.hpp"

#include <cstdio>
#include <string>

namespace {

constexpr float RowX = 60.0f;
constexpr float FirstRowY = 60.0f;

class MenuWriter {
public:
    MenuWriter(Engine& engine, const char* title) : font_(engine.mainFont), selection_(engine.editor.editorSelection)
    {
        DrawEditorPanel(50.0f, 20.0f, 590.0f, 460.0f);
        font_.SetScale(0.5f, 0.5f);
        font_.SetAlignment(TextAlignment::Left);
        font_.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        font_.DrawText(title, 150.0f, 35.0f);
    }
    void Row(int32_t row, const std::string& text, float y) const
    {
        if (row == selection_)
            font_.SetColour(1.0f, 1.0f, 0.0f, 1.0f);
        else
            font_.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        font_.DrawText(text, RowX, y);
    }
    void Heading(const char* text, float x, float y) const
    {
        font_.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        font_.DrawText(text, x, y);
    }

private:
    BitmapFont& font_;
    int32_t selection_;
};

template <class... Args>
std::string Format(const char* format, Args... args)
{
    char text[96];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

void DrawMainMenu(Engine& engine)
{
    const MenuWriter menu(engine, MainMenuTitle);
    for (size_t i = 0; i < MainMenuRows.size(); ++i)
        menu.Row(static_cast<int32_t>(i), MainMenuRows[i], FirstRowY + 15.0f * static_cast<float>(i));
}

void DrawManipulatorMenu(Engine& engine)
{
    const MenuWriter menu(engine, ManipulatorTitle);
    const ScrollManipulator& m = engine.editor.pendingManipulator;
    menu.Row(0, Format(ManipulatorLabels[0], static_cast<double>(m.accelerationX)), FirstRowY);
    menu.Row(1, Format(ManipulatorLabels[1], static_cast<double>(m.accelerationY)), FirstRowY + 20.0f);
    menu.Row(2, Format(ManipulatorLabels[2], static_cast<int>(m.accelerateTicks)), FirstRowY + 40.0f);
    menu.Row(ManipulatorDoneRow, DoneLabel, FirstRowY + 60.0f);
}

void DrawEntityTypeMenu(Engine& engine)
{
    const MenuWriter menu(engine, EntityTypeTitle);
    for (int32_t type = 0; type <= LastEditorEntityType; ++type)
        menu.Row(type, std::string(EntityTypeName(type)), FirstRowY + 10.0f * static_cast<float>(type));
}

std::string PropertyText(const EntityProperty& property)
{
    switch (static_cast<PropertyKind>(property.kind)) {
    case PropertyKind::Integer: return Format("%s: %i", property.name, property.intValue ? *property.intValue : 0);
    case PropertyKind::Float:
        return Format("%s: %.2f", property.name, static_cast<double>(property.floatValue ? *property.floatValue : 0.0f));
    case PropertyKind::Flag:
        return Format("%s: %i", property.name, property.boolValue ? static_cast<int>(*property.boolValue) : 0);
    case PropertyKind::Action: return property.name;
    }
    return property.name;
}

void DrawPropertiesMenu(Engine& engine)
{
    const EditorState& editor = engine.editor;
    const MenuWriter menu(engine, GeneratorTitle);
    const Generator& pending = editor.pendingGenerator;
    menu.Row(DelayRow, Format(DelayLabel, static_cast<int>(pending.delay)), FirstRowY);
    menu.Row(CountRow, Format(CountLabel, static_cast<int>(pending.count)), FirstRowY + 15.0f);
    menu.Row(PropertiesDoneRow, DoneLabel, FirstRowY + 30.0f);
    menu.Heading(PropertiesHeading, 150.0f, 110.0f);
    for (size_t i = 0; i < editor.properties.size(); ++i)
        menu.Row(FirstPropertyRow + static_cast<int32_t>(i), PropertyText(editor.properties[i]),
                 150.0f + 15.0f * static_cast<float>(i));
}

void DrawWaterMenu(Engine& engine)
{
    const MenuWriter menu(engine, WaterTitle);
    const Rect& water = engine.editor.pendingWater;
    const float values[4] = {water.halfWidth, water.halfHeight, water.centreX, water.centreY};
    for (int32_t row = 0; row < 4; ++row)
        menu.Row(row, Format(WaterLabels[static_cast<size_t>(row)], static_cast<double>(values[row])),
                 FirstRowY + 15.0f * static_cast<float>(row));
    menu.Row(WaterDoneRow, DoneLabel, FirstRowY + 60.0f);
}

} // namespace

void DrawEditorMenu(Engine& engine)
{
    switch (engine.editor.editorMode) {
    case MainMenuMode: DrawMainMenu(engine); break;
    case ManipulatorMode: DrawManipulatorMenu(engine); break;
    case EntityTypeMode: DrawEntityTypeMenu(engine); break;
    case PropertiesMode: DrawPropertiesMenu(engine); break;
    case WaterRectMode: DrawWaterMenu(engine); break;
    default: break;
    }
}
