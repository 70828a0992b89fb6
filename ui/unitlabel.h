#pragma once

#include <QLabel>

// A label that is clicked like a button: pressed and released over it with
// the left mouse button.
class UnitLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};
