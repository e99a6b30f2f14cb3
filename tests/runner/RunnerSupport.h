#pragma once
// What the runner tests look at from outside: this process's descriptors, children and memory.
#include "tests/support/ProcessStats.h"
#include "tests/support/ScopedReadLimits.h"
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

#include <QString>

#include <sys/types.h>
#include <vector>

// The tiny tool the tests start (runner_probe.cpp).
QString probePath();

// Waits (running the event loop) until children started by earlier tests have been reaped, so
// that counts taken by the next test start from nothing.
bool settlePendingChildren();

// Each runner test starts with no child of an earlier test still pending, in a temporary HOME.
class RunnerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(settlePendingChildren()); }
    TestHome home;
};

// Points one of this process's descriptors somewhere else for the life of the object.
class RedirectedDescriptor {
public:
    RedirectedDescriptor(int fd, int replacement);
    RedirectedDescriptor(const RedirectedDescriptor&) = delete;
    RedirectedDescriptor& operator=(const RedirectedDescriptor&) = delete;
    ~RedirectedDescriptor();

private:
    int fd_;
    int saved_;
};
