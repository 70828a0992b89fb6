// The calculator driven as a user drives it: keys and clicks on the real
// window. The suite runs under a German locale (see CMakeLists.txt), which
// writes a decimal comma, to show that numbers still read and write with a
// point.
#include "formprobe.h"

#include <QApplication>
#include <QSignalSpy>

#include <clocale>

namespace {

QString trimmedMemo(QPlainTextEdit *memo)
{
    return memo->toPlainText().trimmed();
}

} // namespace

class CalculatorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsEmptyInCelsiusAndTorr();
    void forwardCalculation();
    void inverseCalculation();
    void memoEnterAddsItsLineBreakAfterCommitting();
    void entries_data();
    void entries();
    void computedTemperatureCanBeCommitted();
    void escapeAbandonsTheEntry();
    void newPressureRecomputes();
    void everyKeyClearsTheFlags_data();
    void everyKeyClearsTheFlags();
    void tabMovesOnAndKeepsTheFlag();
    void shiftTabMovesBack();
    void unitToggles();
    void fahrenheitAndKilopascal();
    void hugePasteIsNeverCommitted_data();
    void hugePasteIsNeverCommitted();
    void temperatureFlagsNeverBothSet();
    void reactivationRunsNoHandler();
    void sameTextChangesNothing();

private:
    FormProbe *w = nullptr;
    void commit(QWidget *box, const QString &text);
    void click(QWidget *widget);
};

void CalculatorTest::initTestCase()
{
    if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de")))
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
}

void CalculatorTest::init()
{
    w = new FormProbe;
}

void CalculatorTest::cleanup()
{
    delete w;
    w = nullptr;
}

void CalculatorTest::click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

// Types a new entry into the box and presses Enter: into an empty box the
// user clicks (entering empties it), in the box with the focus the user
// selects what is there and types over it.
void CalculatorTest::commit(QWidget *box, const QString &text)
{
    if (box->hasFocus())
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    else
        click(box);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void CalculatorTest::startsEmptyInCelsiusAndTorr()
{
    QVERIFY(w->tempEdit()->hasFocus());
    QCOMPARE(w->tempEdit()->text(), QString());
    QCOMPARE(w->aetMemo()->toPlainText(), QString());
    QCOMPARE(w->tempUnits()->text(), QStringLiteral("°C"));
    QCOMPARE(w->pressureUnits()->text(), QStringLiteral("Torr"));
    QCOMPARE(w->aetUnits()->text(), QStringLiteral("°C"));
    QVERIFY(!w->tempValid() && !w->pressureValid() && !w->aetValid());
    QCOMPARE(w->tempValue(), -1.0);
    QCOMPARE(w->pressureValue(), -1.0);
}

void CalculatorTest::forwardCalculation()
{
    QTest::keyClicks(w->tempEdit(), QStringLiteral("150"));
    QTest::keyClick(w->tempEdit(), Qt::Key_Enter); // the keypad's Enter commits too
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  150.0"));
    QVERIFY(w->tempValid());
    QCOMPARE(w->aetMemo()->toPlainText(), QString());

    commit(w->pressureEdit(), QStringLiteral("10"));
    QCOMPARE(w->pressureEdit()->text(), QStringLiteral("   10.0"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  150.0"));
}

void CalculatorTest::inverseCalculation()
{
    commit(w->pressureEdit(), QStringLiteral("10"));
    commit(w->tempEdit(), QStringLiteral("150"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));

    click(w->aetMemo());
    QCOMPARE(w->aetMemo()->toPlainText(), QString());
    QCOMPARE(w->tempEdit()->text(), QString());
    QVERIFY(!w->tempValid());

    commit(w->aetMemo(), QStringLiteral("400"));
    QVERIFY(w->aetValid());
    QCOMPARE(w->tempValue(), 400.0);
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  243.8"));
    QVERIFY(!w->tempValid()); // a computed temperature is no entry

    commit(w->aetMemo(), QStringLiteral("0"));
    commit(w->pressureEdit(), QStringLiteral("0.01"));
    QCOMPARE(w->tempEdit()->text(), QStringLiteral(" -133.7")); // shown although below the entry range
}

// The memo processes Enter after the commit, so its line break lands at the
// caret, which the new text put at the start.
void CalculatorTest::memoEnterAddsItsLineBreakAfterCommitting()
{
    commit(w->aetMemo(), QStringLiteral("400"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("\n  400.0"));

    // A second Enter trims that break away and commits the same value.
    QTest::keyClick(w->aetMemo(), Qt::Key_Return);
    QVERIFY(w->aetValid());
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("\n  400.0"));
}

void CalculatorTest::entries_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("committed");
    QTest::addColumn<QString>("shown");

    const QString temp = QStringLiteral("TempEdit");
    const QString pressure = QStringLiteral("PressureEdit");
    const QString aet = QStringLiteral("AET_Memo");
    QTest::newRow("below 0 C") << temp << QStringLiteral("-5") << true << QStringLiteral("    0.0");
    QTest::newRow("above 500 C") << temp << QStringLiteral("600") << true << QStringLiteral("  500.0");
    QTest::newRow("minus zero") << temp << QStringLiteral("-0") << true << QStringLiteral("    0.0");
    QTest::newRow("halfway to even") << temp << QStringLiteral("100.25") << true << QStringLiteral("  100.2");
    QTest::newRow("blanks around") << temp << QStringLiteral("  150  ") << true << QStringLiteral("  150.0");
    QTest::newRow("AET above 500 C") << aet << QStringLiteral("501") << true << QStringLiteral("  500.0");
    QTest::newRow("0 Torr") << pressure << QStringLiteral("0") << true << QStringLiteral("  0.010");
    QTest::newRow("800 Torr") << pressure << QStringLiteral("800") << true << QStringLiteral("  760.0");
    QTest::newRow("0.99 Torr") << pressure << QStringLiteral("0.99") << true << QStringLiteral("  0.990");
    QTest::newRow("1 Torr") << pressure << QStringLiteral("1") << true << QStringLiteral("    1.0");
    QTest::newRow("0.9996 Torr") << pressure << QStringLiteral("0.9996") << true << QStringLiteral("  1.000");
    QTest::newRow("0.0625 Torr") << pressure << QStringLiteral(".0625") << true << QStringLiteral("  0.062");
    QTest::newRow("inner blank") << temp << QStringLiteral("  1 50") << false << QStringLiteral("1 50");
    QTest::newRow("empty") << temp << QString() << false << QString();
    QTest::newRow("decimal comma") << temp << QStringLiteral("21,5") << false << QStringLiteral("21,5");
    QTest::newRow("exponent") << pressure << QStringLiteral("1e3") << false << QStringLiteral("1e3");
    QTest::newRow("plus sign") << aet << QStringLiteral("+5") << false << QStringLiteral("+5");
    QTest::newRow("letters") << aet << QStringLiteral(" abc ") << false << QStringLiteral("abc");
    QTest::newRow("longest number that fits") << temp << QStringLiteral("150.") + QString(59, u'0') << true
                                              << QStringLiteral("  150.0");
    QTest::newRow("one digit too long") << temp << QStringLiteral("150.") + QString(60, u'0') << false
                                        << QStringLiteral("150.") + QString(60, u'0');
}

void CalculatorTest::entries()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, committed);
    QFETCH(QString, shown);

    QWidget *target = w->control(box.toLatin1().constData());
    commit(target, typed);
    const bool isPressure = box == QLatin1String("PressureEdit");
    const bool isAet = box == QLatin1String("AET_Memo");
    QCOMPARE(isPressure ? w->pressureValid() : isAet ? w->aetValid() : w->tempValid(), committed);
    const QString text = isAet ? trimmedMemo(w->aetMemo()) : qobject_cast<QLineEdit *>(target)->text();
    QCOMPARE(text, isAet ? shown.trimmed() : shown);
}

void CalculatorTest::computedTemperatureCanBeCommitted()
{
    commit(w->pressureEdit(), QStringLiteral("100"));
    commit(w->aetMemo(), QStringLiteral("250"));
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  176.0"));

    // Enter commits the rounded text, and the forward result follows from it.
    click(w->tempEdit()); // entering empties it: put the text back by typing
    commit(w->tempEdit(), QStringLiteral("  176.0"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  249.9"));
    QVERIFY(w->tempValid() && !w->aetValid());
}

void CalculatorTest::escapeAbandonsTheEntry()
{
    commit(w->tempEdit(), QStringLiteral("150"));
    commit(w->pressureEdit(), QStringLiteral("10"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));

    // In the pressure box: text and old result stay, the pressure is gone.
    QTest::keyClick(w->pressureEdit(), Qt::Key_Escape);
    QCOMPARE(w->pressureEdit()->text(), QStringLiteral("   10.0"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));
    QVERIFY(!w->pressureValid());
    QTest::keyClick(w->pressureEdit(), Qt::Key_Return);
    QVERIFY(w->pressureValid());

    // In the temperature box: its text stays, the result goes, nothing is computed.
    click(w->tempEdit());
    commit(w->tempEdit(), QStringLiteral("150"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));
    QTest::keyClick(w->tempEdit(), Qt::Key_Escape, Qt::ShiftModifier);
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  150.0"));
    QCOMPARE(w->aetMemo()->toPlainText(), QString());
    QVERIFY(!w->tempValid());
}

void CalculatorTest::newPressureRecomputes()
{
    commit(w->tempEdit(), QStringLiteral("150"));
    commit(w->pressureEdit(), QStringLiteral("10"));
    QTest::keyClick(w->pressureEdit(), Qt::Key_Backspace);
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1")); // stays until the next Enter
    QVERIFY(!w->pressureValid());

    w->pressureEdit()->selectAll();
    QTest::keyClicks(w->pressureEdit(), QStringLiteral("2"));
    QTest::keyClick(w->pressureEdit(), Qt::Key_Return);
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  330.2")); // 2 Torr takes the low-pressure pair
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  150.0"));
}

void CalculatorTest::everyKeyClearsTheFlags_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << int(Qt::ControlModifier);
    QTest::newRow("Alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier);
    QTest::newRow("F10") << int(Qt::Key_F10) << 0;
    QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier);
}

// Any key in a temperature box clears both temperature flags and empties the
// other temperature box; in the pressure box it clears only the pressure.
void CalculatorTest::everyKeyClearsTheFlags()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    // Alt may take the focus to the menu bar: Esc brings it back.
    const auto press = [&](QWidget *box) {
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (!box->hasFocus())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(box->hasFocus());
    };

    commit(w->tempEdit(), QStringLiteral("150"));
    commit(w->pressureEdit(), QStringLiteral("10"));
    press(w->pressureEdit());
    QVERIFY(!w->pressureValid());
    QVERIFY(w->tempValid());
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));

    commit(w->pressureEdit(), QStringLiteral("10"));
    commit(w->tempEdit(), QStringLiteral("150"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));
    press(w->tempEdit());
    QVERIFY(!w->tempValid());
    QCOMPARE(w->aetMemo()->toPlainText(), QString());

    commit(w->aetMemo(), QStringLiteral("400"));
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  243.8"));
    press(w->aetMemo());
    QVERIFY(!w->aetValid());
    QCOMPARE(w->tempEdit()->text(), QString());
}

void CalculatorTest::tabMovesOnAndKeepsTheFlag()
{
    QTest::keyClicks(w->tempEdit(), QStringLiteral("150"));
    QTest::keyClick(w->tempEdit(), Qt::Key_Return);
    QTest::keyClick(w->tempEdit(), Qt::Key_Tab);
    QVERIFY(w->pressureEdit()->hasFocus());
    QVERIFY(w->tempValid());
    QTest::keyClicks(w->pressureEdit(), QStringLiteral("10"));
    QTest::keyClick(w->pressureEdit(), Qt::Key_Return);
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));

    // Into the AET box (entering it empties it and the temperature), commit
    // there, and Tab leaves the memo without a line break.
    QTest::keyClick(w->pressureEdit(), Qt::Key_Tab);
    QVERIFY(w->aetMemo()->hasFocus());
    QCOMPARE(w->tempEdit()->text(), QString());
    QTest::keyClicks(w->aetMemo(), QStringLiteral("400"));
    QTest::keyClick(w->aetMemo(), Qt::Key_Return);
    QTest::keyClick(w->aetMemo(), Qt::Key_Tab);
    QVERIFY(w->control("Memo1")->hasFocus());
    QVERIFY(w->aetValid());
    QCOMPARE(trimmedMemo(w->aetMemo()), QStringLiteral("400.0"));
    QVERIFY(!w->aetMemo()->toPlainText().contains(u'\t'));
}

void CalculatorTest::shiftTabMovesBack()
{
    commit(w->pressureEdit(), QStringLiteral("10"));
    commit(w->aetMemo(), QStringLiteral("400"));
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  243.8"));
    QTest::keyClick(w->aetMemo(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(w->pressureEdit()->hasFocus());
    QVERIFY(!w->aetValid()); // the Shift press itself is a key in the memo
    QCOMPARE(w->pressureEdit()->text(), QString()); // entered: emptied
    QTest::keyClick(w->pressureEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(w->tempEdit()->hasFocus());
    QCOMPARE(w->tempEdit()->text(), QString());
}

void CalculatorTest::unitToggles()
{
    commit(w->tempEdit(), QStringLiteral("150"));
    commit(w->pressureEdit(), QStringLiteral("10"));

    click(w->aetUnits());
    QCOMPARE(w->tempUnits()->text(), QStringLiteral("°F"));
    QCOMPARE(w->aetUnits()->text(), QStringLiteral("°F"));
    QCOMPARE(w->pressureUnits()->text(), QStringLiteral("Torr"));
    QVERIFY(!w->inCelsius());
    QVERIFY(!w->tempValid() && !w->pressureValid() && !w->aetValid());
    for (const QString &text : {w->tempEdit()->text(), w->pressureEdit()->text(), w->aetMemo()->toPlainText()})
        QCOMPARE(text, QString());

    click(w->pressureUnits());
    QCOMPARE(w->pressureUnits()->text(), QStringLiteral("kPa"));
    click(w->tempUnits());
    click(w->pressureUnits());
    QCOMPARE(w->tempUnits()->text(), QStringLiteral("°C"));
    QCOMPARE(w->pressureUnits()->text(), QStringLiteral("Torr"));
    QVERIFY(w->inCelsius() && w->inTorr());

    // A press that is released outside the label is no click.
    QTest::mousePress(w->tempUnits(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w->tempUnits(), Qt::LeftButton, {}, QPoint(-20, 5));
    QVERIFY(w->inCelsius());
}

void CalculatorTest::fahrenheitAndKilopascal()
{
    click(w->tempUnits());
    commit(w->tempEdit(), QStringLiteral("302"));
    commit(w->pressureEdit(), QStringLiteral("10"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  552.4"));

    commit(w->aetMemo(), QStringLiteral("1000"));
    QCOMPARE(trimmedMemo(w->aetMemo()), QStringLiteral("932.0"));
    commit(w->aetMemo(), QStringLiteral("0"));
    QCOMPARE(trimmedMemo(w->aetMemo()), QStringLiteral("32.0"));
    QCOMPARE(w->tempEdit()->text(), QStringLiteral(" -107.9")); // 0 C at 10 Torr is -77.7 C

    click(w->tempUnits());
    click(w->pressureUnits());
    commit(w->pressureEdit(), QStringLiteral("200"));
    QCOMPARE(w->pressureEdit()->text(), QStringLiteral("  101.3"));
    QCOMPARE(w->pressureValue(), 101.306);
    commit(w->tempEdit(), QStringLiteral("100"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  100.1"));
    commit(w->pressureEdit(), QStringLiteral("0.002332"));
    QCOMPARE(w->pressureEdit()->text(), QStringLiteral("  0.002"));
    QCOMPARE(w->pressureValue(), 0.002);
}

void CalculatorTest::hugePasteIsNeverCommitted_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("temperature") << QStringLiteral("TempEdit");
    QTest::newRow("pressure") << QStringLiteral("PressureEdit");
    QTest::newRow("AET") << QStringLiteral("AET_Memo");
}

// A megabyte of digits would read as a number if it were cut to the buffer.
void CalculatorTest::hugePasteIsNeverCommitted()
{
    QFETCH(QString, box);
    QWidget *target = w->control(box.toLatin1().constData());
    click(target);
    const QString digits(1 << 20, u'7');
    if (auto *edit = qobject_cast<QLineEdit *>(target))
        edit->insert(digits);
    else
        qobject_cast<QPlainTextEdit *>(target)->insertPlainText(digits);
    QTest::keyClick(target, Qt::Key_Return);
    QVERIFY(!w->tempValid() && !w->pressureValid() && !w->aetValid());
    QCOMPARE(w->tempValue(), -1.0);
    QCOMPARE(w->pressureValue(), -1.0);
}

void CalculatorTest::temperatureFlagsNeverBothSet()
{
    commit(w->pressureEdit(), QStringLiteral("10"));
    commit(w->tempEdit(), QStringLiteral("150"));
    QVERIFY(w->tempValid() && !w->aetValid());
    commit(w->aetMemo(), QStringLiteral("400"));
    QVERIFY(!w->tempValid() && w->aetValid());
    commit(w->tempEdit(), QStringLiteral("150"));
    QVERIFY(w->tempValid() && !w->aetValid());
    commit(w->tempEdit(), QStringLiteral("x"));
    QVERIFY(!w->tempValid() && !w->aetValid());
}

// Switching to another program and back runs neither the activation nor the
// focus handler again.
void CalculatorTest::reactivationRunsNoHandler()
{
    click(w->tempUnits());
    commit(w->tempEdit(), QStringLiteral("302"));

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!w->form.isActiveWindow());
    w->form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w->form));

    QVERIFY(w->tempEdit()->hasFocus());
    QVERIFY(!w->inCelsius());
    QVERIFY(w->tempValid());
    QCOMPARE(w->tempEdit()->text(), QStringLiteral("  302.0"));
}

// A recomputed result equal to the one shown leaves its box alone.
void CalculatorTest::sameTextChangesNothing()
{
    commit(w->tempEdit(), QStringLiteral("150"));
    commit(w->pressureEdit(), QStringLiteral("10"));
    QSignalSpy aetChanges(w->aetMemo(), &QPlainTextEdit::textChanged);
    QSignalSpy tempChanges(w->tempEdit(), &QLineEdit::textChanged);
    commit(w->pressureEdit(), QStringLiteral("10.0"));
    QCOMPARE(w->aetMemo()->toPlainText(), QStringLiteral("  289.1"));
    QCOMPARE(aetChanges.count(), 0);
    QCOMPARE(tempChanges.count(), 0);
}

QTEST_MAIN(CalculatorTest)
#include "tst_calculator.moc"
