#include "ending.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
std::vector<std::function<void()>>& cleanups()
{
    static std::vector<std::function<void()>> list;
    return list;
}

std::function<void()>& testEnd()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void endProgram(int status)
{
    if (testEnd()) {
        testEnd()();
        return;
    }
    for (const auto& cleanup : cleanups())
        cleanup();
    std::fflush(nullptr);
    std::_Exit(status);
}

void atProgramEnd(std::function<void()> cleanup)
{
    cleanups().push_back(std::move(cleanup));
}

void setEndProgramForTesting(std::function<void()> handler)
{
    testEnd() = std::move(handler);
}
