#pragma once

#include <QApplication>

#include <exception>

// The application object: it reports an exception that escapes an event
// handler in its standard error box and lets the program go on.
class Application : public QApplication
{
    Q_OBJECT

public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override;

    // The program file's name without folder and extension, the first
    // character as it is and the rest in lower case.
    static QString title(const QString &programPath);

    // The error box's text: the message and a full stop, always added.
    static QString reportText(const char *message);

    // Shows the standard error box, modal, and returns when it is closed.
    void showException(const std::exception &error);
};
