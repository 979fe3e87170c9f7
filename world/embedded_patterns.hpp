#pragma once
// An entity that carries pattern entities of its own inside its stored record (the first
// boss's arms): the stage text tools reach their patterns through this.
#include <cstddef>

class ControlEntity;

class EmbeddedPatterns {
public:
    virtual ~EmbeddedPatterns() = default;
    virtual size_t EmbeddedCount() const = 0;
    virtual ControlEntity* Embedded(size_t index) = 0;
};
