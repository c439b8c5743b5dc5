#include "dialogs/NameKeyFilter.h"

#include <windows.h>

namespace {

constexpr char kEnter = 13;
constexpr char kEscape = 27;
constexpr char kBackspace = 8;

// The value the beep of a refused key is sounded with.
constexpr UINT kBeep = 1;

bool IsNameCharacter(char key)
{
    return key == kBackspace || key == ' ' || key == '-' || key == '.' || (key >= '0' && key <= '9') || key == '@' ||
           (key >= 'A' && key <= 'Z') || key == '_' || (key >= 'a' && key <= 'z') || key == '~';
}

} // namespace

void FilterNameKey(char& key, const std::function<void()>& ok, const std::function<void()>& cancel)
{
    if (key == kEnter) {
        key = 0;
        ok();
    } else if (key == kEscape) {
        key = 0;
        cancel();
    } else if (!IsNameCharacter(key)) {
        key = 0;
        MessageBeep(kBeep);
    }
}
