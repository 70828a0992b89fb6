#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture from the resources stretched over the whole box, aspect
// ratio not kept. The pictures are far larger than the box, so the box keeps
// only a copy at the size it is shown at (in device pixels), made when it is
// first painted and again when its size or the screen's scale changes.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QString picture() const;
    void setPicture(const QString &resourcePath);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString resourcePath_;
    QImage shown_;
};
