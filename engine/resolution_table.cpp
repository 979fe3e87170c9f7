#include "engine/resolution_table.hpp"

#include <cstring>

int FindResolutionLabel(const char* label)
{
    for (size_t i = 0; i < ResolutionTable.size(); ++i)
        if (std::strcmp(ResolutionTable[i].label, label) == 0)
            return static_cast<int>(i);
    return -1;
}
