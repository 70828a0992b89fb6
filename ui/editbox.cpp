#include "editbox.h"

QString EditBox::boxText() const
{
    return text();
}

void EditBox::setBoxText(const QString &text)
{
    if (text != this->text())
        setText(text);
}

void EditBox::notifyKeyDown(quint16 &key, Qt::KeyboardModifiers shift)
{
    emit keyDown(this, key, shift);
}

void EditBox::notifyEntered()
{
    emit entered();
}
