#pragma once

#include "boxevents.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QString>

// Read and replace a box's whole text; replacing it with the same text
// changes nothing (caret, selection and undo stay).
class BoxText
{
public:
    virtual QString boxText() const = 0;
    virtual void setBoxText(const QString &text) = 0;

protected:
    ~BoxText() = default;
};

// A text widget that tells its window of every key before it processes the
// key itself, and of the user entering it. Subclasses turn the two
// notifications into signals.
template <class Widget>
class NotifyingBox : public Widget, public BoxText
{
public:
    using Widget::Widget;

protected:
    virtual void notifyKeyDown(quint16 &key, Qt::KeyboardModifiers shift) = 0;
    virtual void notifyEntered() = 0;

    bool event(QEvent *event) override
    {
        if (auto key = boxevents::keyDownCode(event))
            notifyKeyDown(*key, static_cast<QKeyEvent *>(event)->modifiers());
        return Widget::event(event);
    }

    void focusInEvent(QFocusEvent *event) override
    {
        Widget::focusInEvent(event);
        if (focus_.entering(event))
            notifyEntered();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        focus_.leaving(event);
        Widget::focusOutEvent(event);
    }

private:
    boxevents::FocusTracker focus_;
};
