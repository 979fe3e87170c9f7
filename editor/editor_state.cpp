#include "editor/editor_state.hpp"

#include "world/entity.hpp"

EditorState::EditorState() = default;
EditorState::~EditorState() = default;
