#include "memobox.h"

namespace {
const QString lineBreak = QStringLiteral("\n");
const QString crLf = QStringLiteral("\r\n");
} // namespace

QString MemoBox::boxText() const
{
    return toPlainText().replace(lineBreak, crLf);
}

void MemoBox::setBoxText(const QString &text)
{
    if (text != boxText())
        setPlainText(QString(text).replace(crLf, lineBreak));
}

void MemoBox::notifyKeyDown(quint16 &key, Qt::KeyboardModifiers shift)
{
    emit keyDown(this, key, shift);
}

void MemoBox::notifyEntered()
{
    emit entered();
}
