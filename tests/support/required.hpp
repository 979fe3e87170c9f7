#pragma once
// For tests that need something the machine may lack (a display, generated content, a
// build-time tool). Run by hand they skip; under CI (CI=true) or `make test`
// (SKYREAVER_STRICT_TESTS=1) the missing piece is a failure, so a broken display or a
// missing tool can never turn into a green run.
#include <gtest/gtest.h>

namespace testing_support {

// True when a missing prerequisite must fail the test instead of skipping it.
bool PrerequisitesRequired();

} // namespace testing_support

#define SKIP_UNLESS_REQUIRED(reason)                            \
    do {                                                        \
        if (::testing_support::PrerequisitesRequired())         \
            GTEST_FAIL() << "required but missing: " << reason; \
        else                                                    \
            GTEST_SKIP() << reason;                             \
    } while (0)
