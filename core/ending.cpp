#include "ending.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::function<void()>& beforeEnd()
{
    static std::function<void()> cleanup;
    return cleanup;
}

std::function<void()>& testEnd()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void endProgram()
{
    if (testEnd()) {
        testEnd()();
        return;
    }
    if (beforeEnd())
        beforeEnd()();
    std::fflush(nullptr);
    std::_Exit(0);
}

void setBeforeEnd(std::function<void()> cleanup)
{
    beforeEnd() = std::move(cleanup);
}

void setEndProgramForTesting(std::function<void()> handler)
{
    testEnd() = std::move(handler);
}
