// The application object: its title, its error report, and an exception
// thrown while an event is handled, reported while the window goes on.
#include "application.h"

#include "../ui/formprobe.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <stdexcept>

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void title_data();
    void title();
    void reportText_data();
    void reportText();
    void exceptionInAHandlerIsReported();
};

void ApplicationTest::title_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");

    QTest::newRow("plain") << QStringLiteral("/usr/bin/tevarin") << QStringLiteral("tevarin");
    QTest::newRow("first character kept") << QStringLiteral("/opt/AetCalc") << QStringLiteral("Aetcalc");
    QTest::newRow("lower first character kept") << QStringLiteral("./aET") << QStringLiteral("aet");
    QTest::newRow("extension dropped") << QStringLiteral("C:/Programs/Project1.EXE") << QStringLiteral("Project1");
    QTest::newRow("only the last extension") << QStringLiteral("/a/b/My.Calc.bin") << QStringLiteral("My.calc");
}

void ApplicationTest::title()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(Application::title(path), title);
}

void ApplicationTest::reportText_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("Out of memory") << QStringLiteral("Out of memory.");
    QTest::newRow("already ends with a full stop") << QByteArray("Stop.") << QStringLiteral("Stop..");
    QTest::newRow("empty") << QByteArray() << QStringLiteral(".");
}

void ApplicationTest::reportText()
{
    QFETCH(QByteArray, message);
    QFETCH(QString, text);
    QCOMPARE(Application::reportText(message.constData()), text);
}

namespace {

// Throws from inside the event handling of the box it watches.
class Thrower : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2)
            throw std::runtime_error("Simulated failure");
        return false;
    }
};

} // namespace

void ApplicationTest::exceptionInAHandlerIsReported()
{
    FormProbe w;
    Thrower thrower;
    w.tempEdit()->installEventFilter(&thrower);

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        QCOMPARE(box->buttons().size(), 1);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::keyClick(w.tempEdit(), Qt::Key_F2);
    QCOMPARE(text, QStringLiteral("Simulated failure."));
    QCOMPARE(title, QStringLiteral("tst_application"));
    QCOMPARE(icon, QMessageBox::Critical);

    // The program goes on.
    QTest::keyClicks(w.tempEdit(), QStringLiteral("150"));
    QTest::keyClick(w.tempEdit(), Qt::Key_Return);
    QCOMPARE(w.tempEdit()->text(), QStringLiteral("  150.0"));
}

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
