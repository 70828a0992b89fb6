#include "entryrules.h"

#include <QTest>

#include <string>

using namespace entryrules;

class EntryRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void trimming_data();
    void trimming();
    void numeric_data();
    void numeric();
    void copyEntry_data();
    void copyEntry();
    void limits_data();
    void limits();
    void conversions();
    void formats_data();
    void formats();
    void formatsCutToTheBuffer();
};

void EntryRulesTest::trimming_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("blanks") << QStringLiteral("  150  ") << QStringLiteral("150");
    QTest::newRow("inner blank stays") << QStringLiteral("  1 50") << QStringLiteral("1 50");
    QTest::newRow("memo line breaks") << QStringLiteral("\r\n  400.0\r\n") << QStringLiteral("400.0");
    QTest::newRow("control characters") << QStringLiteral("\t\x01" "5\x1f") << QStringLiteral("5");
    QTest::newRow("no-break space is no blank") << QStringLiteral("\u00a05") << QStringLiteral("\u00a05");
    QTest::newRow("only blanks") << QStringLiteral(" \t ") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void EntryRulesTest::trimming()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    const std::u16string_view view(QStringView(text).utf16(), text.size());
    const std::u16string_view kept = entryrules::trimmed(view);
    QCOMPARE(QStringView(kept.data(), std::ssize(kept)).toString(), trimmed);
}

void EntryRulesTest::numeric_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("numeric");

    for (const char *yes : {"12", "-3.5", ".5", "5.", "-.5", "0", "-0", "007"})
        QTest::newRow(yes) << QByteArray(yes) << true;
    for (const char *no : {"", "-", ".", "+5", "1e3", "1,5", "1 2", "--1", "1-", "-1-", "1.2.3", "-.", "5a", "\xB0"})
        QTest::addRow("not '%s'", no) << QByteArray(no) << false;
}

void EntryRulesTest::numeric()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, numeric);
    QCOMPARE(isNumeric(text.constData()), numeric);
}

void EntryRulesTest::copyEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QByteArray>("copied");

    QTest::newRow("number") << QStringLiteral("150") << true << QByteArray("150");
    QTest::newRow("empty") << QString() << true << QByteArray();
    QTest::newRow("longest that fits") << QString(15, u'1') << true << QByteArray(15, '1');
    QTest::newRow("one too long") << QString(16, u'1') << false << QByteArray();
    QTest::newRow("a megabyte") << QString(1 << 20, u'9') << false << QByteArray();
    QTest::newRow("NUL inside") << QStringLiteral("1\u0000" "2") << false << QByteArray();
    QTest::newRow("Latin-1 degree sign") << QStringLiteral("5\u00b0") << true << QByteArray("5\xB0");
    QTest::newRow("beyond Latin-1") << QStringLiteral("\u0661\u0662") << true << QByteArray("??");
}

// A 16-byte buffer holds 15 characters and the terminator.
void EntryRulesTest::copyEntry()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(QByteArray, copied);
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    QCOMPARE(entryrules::copyEntry(std::u16string_view(QStringView(text).utf16(), text.size()), buffer, sizeof buffer), fits);
    QCOMPARE(QByteArray(buffer), copied);
}

void EntryRulesTest::limits_data()
{
    QTest::addColumn<bool>("temperature");
    QTest::addColumn<bool>("firstUnit"); // °C or Torr
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("limited");

    QTest::newRow("-5 C") << true << true << -5.0 << 0.0;
    QTest::newRow("-0 C is not below 0") << true << true << -0.0 << -0.0;
    QTest::newRow("600 C") << true << true << 600.0 << 500.0;
    QTest::newRow("500 C stays") << true << true << 500.0 << 500.0;
    QTest::newRow("0 F") << true << false << 0.0 << 32.0;
    QTest::newRow("1000 F") << true << false << 1000.0 << 932.0;
    QTest::newRow("0 Torr") << false << true << 0.0 << 0.01;
    QTest::newRow("0.01 Torr stays") << false << true << 0.01 << 0.01;
    QTest::newRow("800 Torr") << false << true << 800.0 << 760.0;
    QTest::newRow("200 kPa") << false << false << 200.0 << 101.306;
    QTest::newRow("below the kPa test value") << false << false << 0.00233297 << 0.002;
    QTest::newRow("the kPa test value stays") << false << false << 0.002332978 << 0.002332978;
    QTest::newRow("0 kPa") << false << false << 0.0 << 0.002;
}

void EntryRulesTest::limits()
{
    QFETCH(bool, temperature);
    QFETCH(bool, firstUnit);
    QFETCH(double, value);
    QFETCH(double, limited);
    const Range &range = temperature ? temperatureRange(firstUnit) : pressureRange(firstUnit);
    const double result = entryrules::limited(value, range);
    QCOMPARE(result, limited);
    QCOMPARE(std::signbit(result), std::signbit(limited));
}

void EntryRulesTest::conversions()
{
    QCOMPARE(toTorr(101.306, false), 759.997612);
    QCOMPARE(toTorr(10.0, true), 10.0);
    QCOMPARE(toCelsius(302.0, false), 150.0);
    QCOMPARE(toCelsius(212.0, true), 212.0);
    QCOMPARE(fromCelsius(100.0, false), 212.0);
    QCOMPARE(fromCelsius(100.0, true), 100.0);
    QCOMPARE(QByteArray(temperatureCaption(true)), QByteArray("\xB0" "C"));
    QCOMPARE(QByteArray(temperatureCaption(false)), QByteArray("\xB0" "F"));
    QCOMPARE(QByteArray(pressureCaption(true)), QByteArray("Torr"));
    QCOMPARE(QByteArray(pressureCaption(false)), QByteArray("kPa"));
}

void EntryRulesTest::formats_data()
{
    QTest::addColumn<bool>("pressure");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("temperature") << false << 150.0 << QByteArray("  150.0");
    QTest::newRow("negative result") << false << -133.72 << QByteArray(" -133.7");
    QTest::newRow("rounds to -0.0") << false << -0.004 << QByteArray("    0.0");
    QTest::newRow("negative zero") << false << -0.0 << QByteArray("    0.0");
    QTest::newRow("-0.06 keeps its sign") << false << -0.06 << QByteArray("   -0.1");
    QTest::newRow("halfway to even") << false << 100.25 << QByteArray("  100.2");
    QTest::newRow("wider than the field") << false << -1234567.0 << QByteArray(" -1234567.0");
    QTest::newRow("pressure of 10") << true << 10.0 << QByteArray("   10.0");
    QTest::newRow("pressure of 1") << true << 1.0 << QByteArray("    1.0");
    QTest::newRow("pressure below 1") << true << 0.5 << QByteArray("  0.500");
    QTest::newRow("0.99") << true << 0.99 << QByteArray("  0.990");
    QTest::newRow("0.9996 rounds up, stays below 1") << true << 0.9996 << QByteArray("  1.000");
    QTest::newRow("2.25 halfway to even") << true << 2.25 << QByteArray("    2.2");
    QTest::newRow("0.0625 halfway to even") << true << 0.0625 << QByteArray("  0.062");
    QTest::newRow("2.0001") << true << 2.0001 << QByteArray("    2.0");
    QTest::newRow("101.306 kPa") << true << 101.306 << QByteArray("  101.3");
    QTest::newRow("lowest kPa") << true << 0.002 << QByteArray("  0.002");
}

void EntryRulesTest::formats()
{
    QFETCH(bool, pressure);
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    char buffer[64];
    (pressure ? formatPressure : formatTemperature)(value, buffer, sizeof buffer);
    QCOMPARE(QByteArray(buffer), text);
}

void EntryRulesTest::formatsCutToTheBuffer()
{
    char buffer[5];
    formatTemperature(150.0, buffer, sizeof buffer);
    QCOMPARE(QByteArray(buffer), QByteArray("  15"));
}

QTEST_GUILESS_MAIN(EntryRulesTest)
#include "tst_entryrules.moc"
