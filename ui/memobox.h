#pragma once

#include "notifyingbox.h"

#include <QPlainTextEdit>

// The multi-line entry box. Its text reads with CR LF between lines, as the
// entry rules expect of a multi-line text.
class MemoBox : public NotifyingBox<QPlainTextEdit>
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
