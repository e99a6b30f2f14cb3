#pragma once
#include "Classes/MyRunUsrCommands.h"

// Other read limits for the life of the object, so that a test need not wait 10 s for a tool
// that stalls.
class ScopedReadLimits {
public:
    explicit ScopedReadLimits(const child_process::ReadLimits& limits) : saved_(MyRunUsrCommands::readLimits())
    {
        MyRunUsrCommands::readLimits() = limits;
    }
    ScopedReadLimits(const ScopedReadLimits&) = delete;
    ScopedReadLimits& operator=(const ScopedReadLimits&) = delete;
    ~ScopedReadLimits() { MyRunUsrCommands::readLimits() = saved_; }

private:
    child_process::ReadLimits saved_;
};
