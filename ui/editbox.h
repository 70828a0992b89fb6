#pragma once

#include "notifyingbox.h"

#include <QLineEdit>

// The one-line entry box.
class EditBox : public NotifyingBox<QLineEdit>
{
    Q_OBJECT

public:
    using NotifyingBox::NotifyingBox;

    QString boxText() const override;
    void setBoxText(const QString &text) override;

signals:
    void keyDown(QObject *sender, quint16 &key, Qt::KeyboardModifiers shift);
    void entered();

protected:
    void notifyKeyDown(quint16 &key, Qt::KeyboardModifiers shift) override;
    void notifyEntered() override;
};
