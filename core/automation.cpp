#include "core/automation.hpp"

AutomationOptions& Automation()
{
    static AutomationOptions options;
    return options;
}
