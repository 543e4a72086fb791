#include "core/apperror.h"
#include "core/wholenumber.h"

#include <QTest>

class TestWholeNumber : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void notANumberMessage();
    void errorBoxFullStop_data();
    void errorBoxFullStop();
};

void TestWholeNumber::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::addRow("digits") << "100" << true << 100;
    QTest::addRow("plus sign") << "+7" << true << 7;
    QTest::addRow("minus sign") << "-3" << true << -3;
    QTest::addRow("leading zeros") << "007" << true << 7;
    QTest::addRow("largest") << "2147483647" << true << 2147483647;
    QTest::addRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::addRow("too large") << "2147483648" << false << 0;
    QTest::addRow("far too large") << "99999999999999999999" << false << 0;
    QTest::addRow("empty") << "" << false << 0;
    QTest::addRow("sign alone") << "-" << false << 0;
    QTest::addRow("blank before") << " 5" << false << 0;
    QTest::addRow("blank after") << "5 " << false << 0;
    QTest::addRow("letters") << "ten" << false << 0;
    QTest::addRow("decimal point") << "1.5" << false << 0;
    QTest::addRow("hexadecimal") << "0x10" << false << 0;
    QTest::addRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false << 0;
}

void TestWholeNumber::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> parsed = parseWholeNumber(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestWholeNumber::notANumberMessage()
{
    try {
        requireWholeNumber("12a");
        QFAIL("12a was taken as a number");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), "'12a' is not a valid integer value");
    }
}

void TestWholeNumber::errorBoxFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::addRow("letter last") << "Cannot open file a.txt"
                                 << "Cannot open file a.txt.";
    QTest::addRow("quote last") << "'x' is not a valid integer value"
                                << "'x' is not a valid integer value.";
    QTest::addRow("full stop last") << "Done."
                                    << "Done.";
    QTest::addRow("bracket before the stop") << "name (x)"
                                             << "name (x)";
    QTest::addRow("slash after the stop") << "Cannot create file /tmp/"
                                          << "Cannot create file /tmp/.";
    QTest::addRow("empty") << ""
                           << "";
}

void TestWholeNumber::errorBoxFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorBoxText(message), shown);
}

QTEST_APPLESS_MAIN(TestWholeNumber)
#include "tst_wholenumber.moc"
