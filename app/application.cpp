#include "application.h"

#include <QFileInfo>
#include <QMessageBox>

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showException(error);
        return false;
    }
}

QString Application::title(const QString &programPath)
{
    const QString name = QFileInfo(programPath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

QString Application::reportText(const char *message)
{
    return QString::fromLocal8Bit(message) + u'.';
}

void Application::showException(const std::exception &error)
{
    QMessageBox box(QMessageBox::Critical, title(applicationFilePath()), reportText(error.what()), QMessageBox::Ok);
    box.exec();
}
