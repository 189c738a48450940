// Waiting for a window's state in GoogleTest cases: the event loop runs until
// the condition holds or the time is up, and a time-out fails the test (Qt's
// own QTRY macros would only return from the test function, unreported).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vx::test {
// The bound of a wait for a state: generous, since a busy machine (or a
// sanitizer build) reaches states late, and a wait ends as soon as the state
// holds.
inline constexpr int kStateWaitMs = 30000;

// Runs the action on the modal window once it is up (the caller then opens
// it, and the action answers it).
inline void WhenModal(QObject* owner, std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(owner);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}
}  // namespace vx::test

#define VX_WAIT_TRUE(condition, ms)                                                \
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, ms)) \
        << "waited " << (ms) << " ms for " #condition

#define VX_WAIT_EQ(actual, expected, ms)                                   \
    do {                                                                   \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); }, ms); \
        ASSERT_EQ(actual, expected) << "after waiting " << (ms) << " ms";  \
    } while (0)
