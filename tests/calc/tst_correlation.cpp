#include "correlation.h"

#include <QTest>

#include <cmath>

class CorrelationTest : public QObject
{
    Q_OBJECT

private slots:
    void aetFromActual_data();
    void aetFromActual();
    void actualFromAet_data();
    void actualFromAet();
    void roundTrip_data();
    void roundTrip();
};

void CorrelationTest::aetFromActual_data()
{
    QTest::addColumn<double>("actual");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("aet");

    QTest::newRow("boiling water at 760 Torr") << 100.0 << 760.0 << 100.13;
    QTest::newRow("0 C at 760 Torr") << 0.0 << 760.0 << 0.10;
    QTest::newRow("150 C at 10 Torr") << 150.0 << 10.0 << 289.10;
    QTest::newRow("exactly 2 Torr takes the low-pressure pair") << 150.0 << 2.0 << 330.21;
    QTest::newRow("just above 2 Torr takes the other pair") << 150.0 << 2.0001 << 330.33;
    QTest::newRow("200 C at the lowest pressure") << 200.0 << 0.01 << 513.92;
    QTest::newRow("500 C at the lowest pressure") << 500.0 << 0.01 << 859.10;
    QTest::newRow("250 C at 50 Torr") << 250.0 << 50.0 << 355.65;
}

void CorrelationTest::aetFromActual()
{
    QFETCH(double, actual);
    QFETCH(double, pressure);
    QFETCH(double, aet);
    QVERIFY2(std::abs(correlation::aetFromActual(actual, pressure) - aet) < 0.005,
             qPrintable(QString::number(correlation::aetFromActual(actual, pressure), 'f', 6)));
}

void CorrelationTest::actualFromAet_data()
{
    QTest::addColumn<double>("aet");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("actual");

    QTest::newRow("400 C at 10 Torr") << 400.0 << 10.0 << 243.77;
    QTest::newRow("far below 0 C, not limited") << 0.0 << 0.01 << -133.72;
    QTest::newRow("355.65 C at 50 Torr") << 355.65 << 50.0 << 250.00;
    QTest::newRow("0.1 C at 760 Torr is just below zero") << 0.1 << 760.0 << -0.0046;
}

void CorrelationTest::actualFromAet()
{
    QFETCH(double, aet);
    QFETCH(double, pressure);
    QFETCH(double, actual);
    QVERIFY2(std::abs(correlation::actualFromAet(aet, pressure) - actual) < 0.005,
             qPrintable(QString::number(correlation::actualFromAet(aet, pressure), 'f', 6)));
}

void CorrelationTest::roundTrip_data()
{
    QTest::addColumn<double>("pressure");
    for (double p : {0.01, 0.0175, 0.5, 1.999, 2.0, 2.0001, 10.0, 50.0, 759.997612, 760.0})
        QTest::addRow("%g Torr", p) << p;
}

// Each direction undoes the other over the whole entry range.
void CorrelationTest::roundTrip()
{
    QFETCH(double, pressure);
    for (double t = 0.0; t <= 500.0; t += 0.25) {
        const double back = correlation::actualFromAet(correlation::aetFromActual(t, pressure), pressure);
        QVERIFY2(std::abs(back - t) <= 1e-12, qPrintable(QStringLiteral("%1 C came back as %2").arg(t).arg(back, 0, 'g', 17)));
        const double aetBack = correlation::aetFromActual(correlation::actualFromAet(t, pressure), pressure);
        QVERIFY2(std::abs(aetBack - t) <= 1e-12, qPrintable(QStringLiteral("AET %1 C came back as %2").arg(t).arg(aetBack, 0, 'g', 17)));
    }
}

QTEST_GUILESS_MAIN(CorrelationTest)
#include "tst_correlation.moc"
