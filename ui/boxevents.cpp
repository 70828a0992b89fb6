#include "boxevents.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace boxevents {
namespace {

bool isFocusMove(const QKeyEvent *key)
{
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    return tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

quint16 virtualKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return enterKey;
    case Qt::Key_Escape:
        return escapeKey;
    default:
        // Digits and letters keep their codes; no other key means anything
        // to the window.
        return key < 0x100 ? static_cast<quint16>(key) : 0;
    }
}

// The focus leaves and comes back with these without the user moving it.
bool isTemporary(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
}

} // namespace

std::optional<quint16> keyDownCode(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (isFocusMove(key))
        return std::nullopt;
    return virtualKey(key->key());
}

bool FocusTracker::entering(const QFocusEvent *event)
{
    const bool returning = away_ && isTemporary(event->reason());
    away_ = false;
    return !returning;
}

void FocusTracker::leaving(const QFocusEvent *event)
{
    away_ = isTemporary(event->reason());
}

} // namespace boxevents
