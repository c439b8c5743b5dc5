#include "ui/Timer.h"

#include "ui/Window.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {
// The live timers: a WM_TIMER's id is looked up here before it is trusted as an address.
std::vector<Timer*> g_timers;
} // namespace

// The timer's id is its own address, unique for as long as it lives.
Timer::Timer(Window& owner, UINT intervalMs) : owner_(owner), interval_(intervalMs)
{
    g_timers.push_back(this);
}

Timer::~Timer()
{
    Disable();
    std::erase(g_timers, this);
}

void Timer::Enable()
{
    if (SetTimer(owner_.Handle(), reinterpret_cast<UINT_PTR>(this), interval_, nullptr))
        enabled_ = true;
}

void Timer::Disable()
{
    if (enabled_ && owner_.Handle())
        KillTimer(owner_.Handle(), reinterpret_cast<UINT_PTR>(this));
    enabled_ = false;
}

Timer* Timer::FromId(UINT_PTR id)
{
    const auto found = std::find(g_timers.begin(), g_timers.end(), reinterpret_cast<Timer*>(id));
    return found == g_timers.end() ? nullptr : *found;
}

void Timer::Fire()
{
    if (enabled_ && OnTimer)
        OnTimer();
}

} // namespace ui
