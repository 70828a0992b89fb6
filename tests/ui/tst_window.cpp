// The window as a whole: its description, the menu, the information panels
// and the picture rotation, driven by real clicks, keys and timer ticks.
#include "formprobe.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace {

const char *const rightHandArea[] = {"Image1", "Image2", "Image3", "InstructionsMemo", "AboutMemo", "OkButton"};

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyControlIsVisibleBeforeActivation();
    void description();
    void accessibleNames();
    void scrollsWhenSmallerThanItsContent();
    void tabOrder_data();
    void tabOrder();
    void panels_data();
    void panels();
    void pictureRotation();
    void ticksWhilePanelIsOpen();
    void focusRestsOnTheWindowAfterOk();
    void exitClosesTheWindow();

private:
    FormProbe *w = nullptr;
    void choose(const char *menu, const char *item);
    void tick();
    QStringList shownOnTheRight();
};

void WindowTest::init()
{
    // A handler bound to a signal that does not exist is only a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("connect|signal|slot"),
                                            QRegularExpression::CaseInsensitiveOption));
    w = new FormProbe;
}

void WindowTest::cleanup()
{
    delete w;
    w = nullptr;
}

// Opens a menu of the menu bar with the mouse and clicks one of its items.
void WindowTest::choose(const char *menu, const char *item)
{
    auto *bar = w->control<QMenuBar>("MainMenu1");
    auto *popup = w->control<QMenu>(menu);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(popup->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    auto *action = w->control<QAction>(item);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(action).center());
    QTRY_VERIFY(!popup->isVisible());
}

// One tick of the ten-second timer, without waiting ten seconds.
void WindowTest::tick()
{
    auto *timer = w->control<QTimer>("Timer1");
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

QStringList WindowTest::shownOnTheRight()
{
    QStringList shown;
    for (const char *name : rightHandArea) {
        if (w->control(name)->isVisible())
            shown << QLatin1String(name);
    }
    return shown;
}

void WindowTest::everyControlIsVisibleBeforeActivation()
{
    TAET_Form unshown;
    const QList<QWidget *> controls =
        unshown.findChild<QWidget *>(QStringLiteral("ClientArea"))->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 16);
    for (QWidget *control : controls)
        QVERIFY2(!control->isHidden(), qPrintable(control->objectName()));

    QCOMPARE(shownOnTheRight(), QStringList{QStringLiteral("Image3")});
    QCOMPARE(w->pictureStep(), 3);
}

void WindowTest::description()
{
    QCOMPARE(w->form.windowTitle(), QStringLiteral("Quentara Tevarin 1.0"));
    QVERIFY(!w->form.windowIcon().isNull());
    QCOMPARE(w->form.pos(), QPoint(5, 7));

    const QStringList hinted{QStringLiteral("TempUnitsLabel"), QStringLiteral("PressureUnitsLabel"),
                             QStringLiteral("AET_UnitsLabel")};
    for (QWidget *control : w->form.findChildren<QWidget *>()) {
        const bool unit = hinted.contains(control->objectName());
        QCOMPARE(control->toolTip(), unit ? QStringLiteral("Click to change") : QString());
    }

    const auto lines = [this](const char *memo) {
        return w->control<QPlainTextEdit>(memo)->toPlainText().split(u'\n');
    };
    QCOMPARE(lines("Memo1").size(), 7);
    QCOMPARE(lines("InstructionsMemo").size(), 15);
    QCOMPARE(lines("InstructionsMemo").first(), QStringLiteral("This program is a useful utility when "));
    QCOMPARE(lines("AboutMemo").size(), 25);
    QCOMPARE(lines("AboutMemo").at(18), QStringLiteral(" "));
    QCOMPARE(w->control<QPushButton>("OkButton")->text(), QStringLiteral("Ok"));
    QVERIFY(!w->control<QPushButton>("OkButton")->autoDefault());

    QCOMPARE(w->control<QAction>("Exit1")->text(), QStringLiteral("E&xit"));
    QCOMPARE(w->control<QMenu>("Help1")->title(), QStringLiteral("&Help"));
    QCOMPARE(w->control<QTimer>("Timer1")->interval(), 10'000);
    QVERIFY(w->control<QTimer>("Timer1")->isActive());

    QCOMPARE(w->tempEdit()->font().pixelSize(), 19);
    QCOMPARE(w->control("TempLabel")->font().pixelSize(), 11);
    QVERIFY(w->control("TempLabel")->font().bold());
    QCOMPARE(QFontInfo(w->tempEdit()->font()).family(), QStringLiteral("Liberation Sans"));
}

void WindowTest::accessibleNames()
{
    QCOMPARE(QAccessible::queryAccessibleInterface(w->tempEdit())->text(QAccessible::Name),
             QStringLiteral("Actual Temperature"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->pressureEdit())->text(QAccessible::Name),
             QStringLiteral("Pressure"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->aetMemo())->text(QAccessible::Name),
             QStringLiteral("Atmospheric Equivalent Temperature"));
    QTest::mouseClick(w->pressureUnits(), Qt::LeftButton);
    QCOMPARE(QAccessible::queryAccessibleInterface(w->pressureUnits())->text(QAccessible::Name),
             QStringLiteral("kPa"));
}

void WindowTest::scrollsWhenSmallerThanItsContent()
{
    auto *scroll = w->control<QScrollArea>("ScrollBox");
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    w->form.resize(300, 250);
    QTRY_VERIFY(scroll->horizontalScrollBar()->isVisible());
    QVERIFY(scroll->verticalScrollBar()->isVisible());
}

void WindowTest::tabOrder_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("order");

    const QStringList boxes{QStringLiteral("TempEdit"), QStringLiteral("PressureEdit"), QStringLiteral("AET_Memo"),
                            QStringLiteral("Memo1")};
    QTest::newRow("instructions") << QStringLiteral("Instructions1")
                                  << boxes + QStringList{QStringLiteral("InstructionsMemo"), QStringLiteral("OkButton")};
    QTest::newRow("about") << QStringLiteral("About1")
                           << boxes + QStringList{QStringLiteral("OkButton"), QStringLiteral("AboutMemo")};
    QTest::newRow("pictures") << QString() << boxes;
}

// Tab walks the visible controls in order and comes back round.
void WindowTest::tabOrder()
{
    QFETCH(QString, panel);
    QFETCH(QStringList, order);
    if (!panel.isEmpty())
        choose("Help1", panel.toLatin1().constData());
    w->tempEdit()->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i <= order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order + QStringList{order.first()});
}

void WindowTest::panels_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("shown");

    const QString instructions = QStringLiteral("Instructions1");
    const QString about = QStringLiteral("About1");
    const QString ok = QStringLiteral("Ok");
    const QStringList instructionsPanel{QStringLiteral("InstructionsMemo"), QStringLiteral("OkButton")};
    const QStringList aboutPanel{QStringLiteral("AboutMemo"), QStringLiteral("OkButton")};
    const QStringList firstPicture{QStringLiteral("Image3")};

    QTest::newRow("instructions") << QStringList{instructions} << instructionsPanel;
    QTest::newRow("about") << QStringList{about} << aboutPanel;
    QTest::newRow("instructions, then about") << QStringList{instructions, about} << aboutPanel;
    QTest::newRow("about, then instructions") << QStringList{about, instructions} << instructionsPanel;
    QTest::newRow("instructions twice") << QStringList{instructions, instructions} << instructionsPanel;
    QTest::newRow("instructions, Ok") << QStringList{instructions, ok} << firstPicture;
    QTest::newRow("about, Ok") << QStringList{about, ok} << firstPicture;
    QTest::newRow("Ok, then about") << QStringList{instructions, ok, about} << aboutPanel;
}

void WindowTest::panels()
{
    QFETCH(QStringList, choices);
    QFETCH(QStringList, shown);
    tick(); // leave the first picture, so that Ok visibly returns to it
    for (const QString &choice : choices) {
        if (choice == QLatin1String("Ok"))
            QTest::mouseClick(w->control("OkButton"), Qt::LeftButton);
        else
            choose("Help1", choice.toLatin1().constData());
    }
    QCOMPARE(shownOnTheRight(), shown);
}

void WindowTest::pictureRotation()
{
    QStringList seen{shownOnTheRight()};
    for (int i = 0; i < 4; ++i) {
        tick();
        seen << shownOnTheRight();
    }
    QCOMPARE(seen, (QStringList{QStringLiteral("Image3"), QStringLiteral("Image2"), QStringLiteral("Image1"),
                                QStringLiteral("Image3"), QStringLiteral("Image2")}));
}

void WindowTest::ticksWhilePanelIsOpen()
{
    tick();
    QCOMPARE(w->pictureStep(), 2);
    choose("Help1", "About1");
    tick();
    tick();
    QCOMPARE(shownOnTheRight(), (QStringList{QStringLiteral("AboutMemo"), QStringLiteral("OkButton")}));
    QCOMPARE(w->pictureStep(), 2);

    QTest::mouseClick(w->control("OkButton"), Qt::LeftButton);
    QCOMPARE(shownOnTheRight(), QStringList{QStringLiteral("Image3")});
    QCOMPARE(w->pictureStep(), 3);
    QVERIFY(w->control<QTimer>("Timer1")->isActive());
    tick();
    QCOMPARE(shownOnTheRight(), QStringList{QStringLiteral("Image2")});
}

// Ok hides the button that has the focus: the focus stays with the window,
// keys reach no box, and Tab enters the temperature box.
void WindowTest::focusRestsOnTheWindowAfterOk()
{
    QTest::keyClicks(w->tempEdit(), QStringLiteral("150"));
    QTest::keyClick(w->tempEdit(), Qt::Key_Return);
    choose("Help1", "Instructions1");
    QTest::mouseClick(w->control("OkButton"), Qt::LeftButton);

    QCOMPARE(QApplication::focusWidget(), &w->form);
    QTest::keyClicks(&w->form, QStringLiteral("99"));
    QTest::keyClick(&w->form, Qt::Key_Return);
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  150.0"));
    QVERIFY(w->tempValid());

    QTest::keyClick(&w->form, Qt::Key_Tab);
    QVERIFY(w->tempEdit()->hasFocus());
    QCOMPARE(w->tempEdit()->text(), QString());
    QVERIFY(!w->tempValid());

    // The same when a menu choice hides the panel memo that has the focus.
    choose("Help1", "About1");
    w->control("AboutMemo")->setFocus(Qt::MouseFocusReason);
    choose("Help1", "Instructions1");
    QCOMPARE(QApplication::focusWidget(), &w->form);
}

void WindowTest::exitClosesTheWindow()
{
    choose("File1", "Exit1");
    QVERIFY(!w->form.isVisible());
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
