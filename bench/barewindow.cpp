// The reference for the calculator's start-up time and memory: the least a
// Qt Widgets program with a main window shows, started the same way.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    // mapwatch finds the window by this title.
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setCentralWidget(new QLabel(QStringLiteral("Bare Qt window"), &window));
    window.show();
    return application.exec();
}
