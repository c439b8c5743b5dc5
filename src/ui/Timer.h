// A window timer owned as an object: SetTimer when enabled, KillTimer when disabled or destroyed.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Window;

class Timer {
public:
    Timer(Window& owner, UINT intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void Enable();
    void Disable();
    bool IsEnabled() const { return enabled_; }

    std::function<void()> OnTimer;

    // The timer behind a WM_TIMER's id, or null.
    static Timer* FromId(UINT_PTR id);
    void Fire();

private:
    Window& owner_;
    UINT interval_;
    bool enabled_ = false;
};

} // namespace ui
