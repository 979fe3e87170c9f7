#include "core/process_flags.hpp"

bool LowSpecMode = false;
bool ShadersEnabled = true;
float TickLength = DefaultTickLength;
