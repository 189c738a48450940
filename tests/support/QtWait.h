// Waiting for a window's state in GoogleTest cases: the event loop runs until
// the condition holds or the time is up, and a time-out fails the test (Qt's
// own QTRY macros would only return from the test function, unreported).
#pragma once

#include <gtest/gtest.h>

#include <QTest>

namespace vx::test {
// The bound of a wait for a state: generous, since a busy machine (or a
// sanitizer build) reaches states late, and a wait ends as soon as the state
// holds.
inline constexpr int kStateWaitMs = 30000;
}  // namespace vx::test

#define VX_WAIT_TRUE(condition, ms)                                                \
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, ms)) \
        << "waited " << (ms) << " ms for " #condition

#define VX_WAIT_EQ(actual, expected, ms)                                   \
    do {                                                                   \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); }, ms); \
        ASSERT_EQ(actual, expected) << "after waiting " << (ms) << " ms";  \
    } while (0)
