#pragma once
// Editable entity properties. Each entity class declares its properties once, as a table of
// PropertyDecl (name, kind, member); DescribeProperties, LoadProperties and SaveProperties
// all read that table, so the editor's list and the file order cannot drift apart. The
// table is in the editor's order; entries that are not stored (derived values, the "Record
// Pattern" action) or not listed are marked so.
#include "core/log.hpp"
#include "core/data_file.hpp"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

enum class PropertyKind : int32_t { Integer = 0, Float = 1, Flag = 2, Action = 3 };

// One property as the editor sees it: a pointer into the entity's own field. Owns no value.
struct EntityProperty {
    uint8_t* boolValue = nullptr;
    float* floatValue = nullptr;
    int32_t* intValue = nullptr;
    char name[32] = {};
    int32_t kind = 0;
    // What the loader accepts of an integer: the editor keeps it inside, so that nothing an
    // author saves is refused when the stage is read again.
    int32_t minValue = INT32_MIN;
    int32_t maxValue = INT32_MAX;
};

template <class T>
struct PropertyDecl {
    const char* name = "";
    PropertyKind kind = PropertyKind::Integer;
    int32_t T::*intMember = nullptr;
    float T::*floatMember = nullptr;
    uint8_t T::*flagMember = nullptr; // flags and actions
    bool stored = true; // written to and read from the stage entity file
    bool listed = true; // shown by the editor
    // Integers outside this range fail the load: later code uses them as an index or size.
    int32_t minValue = INT32_MIN;
    int32_t maxValue = INT32_MAX;
};

template <class T>
void DescribeDeclared(std::span<const PropertyDecl<T>> table, T& entity, std::vector<EntityProperty>& list)
{
    for (const PropertyDecl<T>& decl : table) {
        if (!decl.listed)
            continue;
        EntityProperty property;
        std::snprintf(property.name, sizeof property.name, "%s", decl.name);
        property.kind = static_cast<int32_t>(decl.kind);
        switch (decl.kind) {
        case PropertyKind::Integer:
            property.intValue = &(entity.*decl.intMember);
            property.minValue = decl.minValue;
            property.maxValue = decl.maxValue;
            break;
        case PropertyKind::Float: property.floatValue = &(entity.*decl.floatMember); break;
        case PropertyKind::Flag:
        case PropertyKind::Action: property.boolValue = &(entity.*decl.flagMember); break;
        }
        list.push_back(property);
    }
}

template <class T>
bool LoadDeclared(std::span<const PropertyDecl<T>> table, T& entity, DataFile& file)
{
    for (const PropertyDecl<T>& decl : table) {
        if (!decl.stored)
            continue;
        switch (decl.kind) {
        case PropertyKind::Integer: {
            int32_t value = 0;
            if (!file.ReadI32(value))
                return false;
            if (value < decl.minValue || value > decl.maxValue) {
                GameLog().Writef("%s: property \"%s\" is %i, outside %i..%i.\n", file.Path().c_str(), decl.name,
                                 value, decl.minValue, decl.maxValue);
                return false;
            }
            entity.*decl.intMember = value;
            break;
        }
        case PropertyKind::Float:
            if (!file.ReadF32(entity.*decl.floatMember))
                return false;
            break;
        case PropertyKind::Flag:
        case PropertyKind::Action:
            if (!file.ReadU8(entity.*decl.flagMember))
                return false;
            break;
        }
    }
    return true;
}

template <class T>
bool SaveDeclared(std::span<const PropertyDecl<T>> table, const T& entity, DataFile& file)
{
    for (const PropertyDecl<T>& decl : table) {
        if (!decl.stored)
            continue;
        bool written = false;
        switch (decl.kind) {
        case PropertyKind::Integer: written = file.WriteI32(entity.*decl.intMember); break;
        case PropertyKind::Float: written = file.WriteF32(entity.*decl.floatMember); break;
        case PropertyKind::Flag:
        case PropertyKind::Action: written = file.WriteU8(entity.*decl.flagMember); break;
        }
        if (!written)
            return false;
    }
    return true;
}
