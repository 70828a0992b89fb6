#include "formwindow.h"

#include <QEvent>

void FormWindow::setControlVisible(QWidget *control, bool visible)
{
    // Qt would pass the focus of a control being hidden on to the next one in
    // the tab order, which would run that box's focus handler.
    if (!visible && control->hasFocus())
        setFocus(Qt::OtherFocusReason);
    control->setVisible(visible);
}

bool FormWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Without a window manager (a bare X server) nobody activates a new
        // window, and the calculator would never start.
        if (!activated_)
            activateWindow();
        break;
    case QEvent::WindowActivate:
        if (!activated_) {
            activated_ = true;
            emit firstActivated();
        }
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}
