// Seeded random sequences of what a user can do to the window: keys, clicks,
// menu choices, Ok and timer ticks, with the window's invariants checked
// after every event. A failure names its seed and the events that led to it.
#include "formprobe.h"

#include "entryrules.h"

#include <QAction>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

namespace {

// Letters without n, a, i or f, so that "nan" or "inf" can only come from a
// formatted number.
const QString typedCharacters = QStringLiteral("0123456789-.xqz ");

struct Key {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const Key specialKeys[] = {
    {"Enter", Qt::Key_Return, {}},   {"Esc", Qt::Key_Escape, {}},
    {"Backspace", Qt::Key_Backspace, {}}, {"Tab", Qt::Key_Tab, {}},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier}, {"Alt", Qt::Key_Alt, Qt::AltModifier},
    {"Left", Qt::Key_Left, {}},
};

const char *const clickable[] = {"TempEdit", "PressureEdit", "AET_Memo", "TempUnitsLabel", "PressureUnitsLabel",
                                 "AET_UnitsLabel", "OkButton"};
const char *const menuItems[] = {"Instructions1", "About1"};
const char *const rightHandArea[] = {"Image1", "Image2", "Image3", "InstructionsMemo", "AboutMemo"};

int sequenceCount()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("AET_RANDOM_SEQUENCES", &ok);
    return ok ? count : 2000;
}

} // namespace

class RandomEventsTest : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHold();

private:
    FormProbe *w = nullptr;
    QStringList events;
    void act(QRandomGenerator &random);
    QString violation();
};

// One random event, recorded in events.
void RandomEventsTest::act(QRandomGenerator &random)
{
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &w->form;
    const int kind = random.bounded(100);
    if (kind < 30) {
        const QChar c = typedCharacters.at(random.bounded(typedCharacters.size()));
        events << QStringLiteral("type '%1'").arg(c);
        QTest::keyClicks(focus, QString(c));
    } else if (kind < 50) {
        // A whole number and Enter, as most entries are, from far below to
        // far above every range.
        const QString number = QString::number((random.bounded(4000.0) - 2000.0) / std::pow(10, random.bounded(5)), 'f',
                                               random.bounded(5));
        events << QStringLiteral("type '%1' Enter").arg(number);
        QTest::keyClicks(focus, number);
        QTest::keyClick(focus, Qt::Key_Return);
    } else if (kind < 80) {
        const Key &key = specialKeys[random.bounded(int(std::size(specialKeys)))];
        events << QLatin1String(key.name);
        QTest::keyClick(focus, key.key, key.modifiers);
    } else if (kind < 92) {
        const char *name = clickable[random.bounded(int(std::size(clickable)))];
        QWidget *target = w->control(name);
        events << QStringLiteral("click %1").arg(QLatin1String(name));
        if (target->isVisible())
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
    } else if (kind < 96) {
        const char *name = menuItems[random.bounded(int(std::size(menuItems)))];
        events << QStringLiteral("menu %1").arg(QLatin1String(name));
        w->control<QAction>(name)->trigger();
    } else {
        events << QStringLiteral("tick");
        auto *timer = w->control<QTimer>("Timer1");
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }
}

// What is wrong with the window now, or nothing.
QString RandomEventsTest::violation()
{
    if (w->tempValid() && w->aetValid())
        return QStringLiteral("temperature and AET both committed");

    const auto outside = [](double value, const entryrules::Range &range) {
        return !(value >= range.lowerReplacement && value <= range.upper);
    };
    if ((w->tempValid() || w->aetValid()) && outside(w->tempValue(), entryrules::temperatureRange(w->inCelsius())))
        return QStringLiteral("temperature %1 outside its range").arg(w->tempValue());
    if (w->pressureValid() && outside(w->pressureValue(), entryrules::pressureRange(w->inTorr())))
        return QStringLiteral("pressure %1 outside its range").arg(w->pressureValue());

    static const QRegularExpression formatted(QStringLiteral("^ +-?[0-9]+\\.[0-9]+$"));
    static const QRegularExpression typed(QStringLiteral("^[0-9.xqz \\n-]*$"));
    for (const QString &text : {w->tempEdit()->text(), w->pressureEdit()->text(), w->aetMemo()->toPlainText()}) {
        if (text.contains(QLatin1String("nan")) || text.contains(QLatin1String("inf")))
            return QStringLiteral("box shows '%1'").arg(text);
        if (!formatted.match(text.trimmed().prepend(u' ')).hasMatch() && !typed.match(text).hasMatch())
            return QStringLiteral("box shows '%1', neither typed nor formatted").arg(text);
    }

    int shown = 0;
    for (const char *name : rightHandArea)
        shown += w->control(name)->isVisible();
    if (shown != 1)
        return QStringLiteral("%1 pictures and panels show").arg(shown);
    const bool panel = w->control("InstructionsMemo")->isVisible() || w->control("AboutMemo")->isVisible();
    if (w->control("OkButton")->isVisible() != panel)
        return QStringLiteral("Ok button without a panel, or a panel without it");
    return {};
}

void RandomEventsTest::invariantsHold()
{
    constexpr int eventsPerSequence = 200;
    const int sequences = sequenceCount();
    for (int seed = 1; seed <= sequences; ++seed) {
        FormProbe probe;
        w = &probe;
        events.clear();
        QRandomGenerator random(seed);
        for (int i = 0; i < eventsPerSequence; ++i) {
            act(random);
            const QString wrong = violation();
            if (!wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1: %2 after: %3").arg(seed).arg(wrong, events.join(u", "))));
        }
    }
    w = nullptr;
}

QTEST_MAIN(RandomEventsTest)
#include "tst_randomevents.moc"
