#include "editor/property_step.hpp"

#include <algorithm>

void StepProperty(const EntityProperty& property, int direction, bool fast)
{
    switch (static_cast<PropertyKind>(property.kind)) {
    case PropertyKind::Integer:
        if (property.intValue) {
            // Widened first: a step past either end of the int range must not wrap.
            const int64_t stepped = int64_t{*property.intValue} + direction * (fast ? 10 : 1);
            *property.intValue = static_cast<int32_t>(
                std::clamp<int64_t>(stepped, property.minValue, std::max(property.minValue, property.maxValue)));
        }
        break;
    case PropertyKind::Float:
        if (property.floatValue)
            *property.floatValue += static_cast<float>(direction) * (fast ? 1.0f : 0.01f);
        break;
    case PropertyKind::Flag:
        if (property.boolValue)
            *property.boolValue = direction > 0 ? 1 : 0;
        break;
    case PropertyKind::Action:
        break;
    }
}
