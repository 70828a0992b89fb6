#pragma once

#include <QMainWindow>

// A top-level window with the activation behaviour the calculator is built
// on: firstActivated() is emitted once, when the window first becomes active
// and before any of its controls receives the focus; later activations (the
// user switching to another program and back) emit nothing.
class FormWindow : public QMainWindow
{
    Q_OBJECT

public:
    using QMainWindow::QMainWindow;

    // Shows or hides a control. A hidden control that had the focus leaves
    // it with the window itself, so no other control is entered.
    void setControlVisible(QWidget *control, bool visible);

signals:
    void firstActivated();

protected:
    bool event(QEvent *event) override;

private:
    bool activated_ = false;
};
