#pragma once

#include <QtGlobal>
#include <optional>

class QEvent;
class QFocusEvent;

// What the calculator's boxes report to their window, shared by EditBox and
// MemoBox. The window reacts to a key before the box processes it and never
// consumes it, and to the box gaining the focus as the user moves it, not to
// the focus merely coming back when the window or a menu gives it back.
namespace boxevents {

constexpr quint16 enterKey = 13;
constexpr quint16 escapeKey = 27;

// The virtual key code of a key going down, or nothing for any other event.
// Tab and Shift+Tab move the focus, so they are no key presses in the box.
std::optional<quint16> keyDownCode(const QEvent *event);

class FocusTracker
{
public:
    // Whether this focus-in is the user entering the box.
    bool entering(const QFocusEvent *event);
    void leaving(const QFocusEvent *event);

private:
    bool away_ = false;
};

} // namespace boxevents
