#include "support/required.hpp"

#include <cstdlib>
#include <string>

namespace testing_support {

bool PrerequisitesRequired()
{
    for (const char* name : {"CI", "SKYREAVER_STRICT_TESTS"}) {
        const char* value = std::getenv(name);
        if (value && *value && std::string(value) != "0" && std::string(value) != "false")
            return true;
    }
    return false;
}

} // namespace testing_support
