#include "core/lineprimitives.h"

#include <QTest>

class TestLinePrimitives : public QObject {
    Q_OBJECT

private slots:
    void extractAddress_data();
    void extractAddress();
    void domainOf_data();
    void domainOf();
    void lineDomain_data();
    void lineDomain();
};

void TestLinePrimitives::extractAddress_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("address");

    QTest::addRow("empty") << QByteArray() << QByteArray();
    QTest::addRow("blanks and tabs") << QByteArray(" \t  \t") << QByteArray();
    QTest::addRow("blanks around") << QByteArray("  ann@b.test  ") << QByteArray("ann@b.test");
    QTest::addRow("single character") << QByteArray("x") << QByteArray("x");
    QTest::addRow("name before") << QByteArray("Ann Lee ann@b.test") << QByteArray("ann@b.test");
    QTest::addRow("tab before") << QByteArray("Ann\tann@b.test") << QByteArray("ann@b.test");
    QTest::addRow("last token wins") << QByteArray("ann@b.test,Ann Lee") << QByteArray("Lee");
    QTest::addRow("comma list") << QByteArray("ann@b.test,bob@c.test") << QByteArray("bob@c.test");
    QTest::addRow("semicolon blank")
        << QByteArray("ann@b.test; bob@c.test") << QByteArray("bob@c.test");
    QTest::addRow("semicolon only")
        << QByteArray("ann@b.test;bob@c.test") << QByteArray("ann@b.test;bob@c.test");
    QTest::addRow("angle brackets") << QByteArray("Ann <ann@b.test>") << QByteArray("<ann@b.test>");
    QTest::addRow("comma last") << QByteArray("ann@b.test,") << QByteArray();
    QTest::addRow("comma first") << QByteArray(",ann@b.test") << QByteArray("ann@b.test");
    QTest::addRow("case untouched") << QByteArray("Ann@B.Test") << QByteArray("Ann@B.Test");
    QTest::addRow("NUL separates")
        << QByteArray("ann@b.test\0bob@c.test", 21) << QByteArray("bob@c.test");
    QTest::addRow("only codes 0 to 32 trimmed") << QByteArray("\x01\x1f"
                                                              "ann@b.test\r\x7f\x1f")
                                                << QByteArray("ann@b.test\r\x7f");
    QTest::addRow("control byte after a separator begins the token")
        << QByteArray("a \x01" "b") << QByteArray("\x01" "b");
    QTest::addRow("high bytes kept")
        << QByteArray("\xe9ric \xe9@b.test\xa0") << QByteArray("\xe9@b.test\xa0");
}

void TestLinePrimitives::extractAddress()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, address);
    QCOMPARE(ExtractAddress(line).toByteArray(), address);
}

void TestLinePrimitives::domainOf_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("domain");

    QTest::addRow("plain") << QByteArray("ann@b.test") << QByteArray("b.test");
    QTest::addRow("case kept") << QByteArray("Ann@B.Test") << QByteArray("B.Test");
    QTest::addRow("no at") << QByteArray("ann") << QByteArray("ann");
    QTest::addRow("at last") << QByteArray("ann@") << QByteArray();
    QTest::addRow("at first") << QByteArray("@b.test") << QByteArray("b.test");
    QTest::addRow("two ats") << QByteArray("a@b@c.test") << QByteArray("b@c.test");
    QTest::addRow("empty") << QByteArray() << QByteArray();
}

void TestLinePrimitives::domainOf()
{
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, domain);
    QCOMPARE(DomainOf(address).toByteArray(), domain);
}

void TestLinePrimitives::lineDomain_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("domain");

    QTest::addRow("name before") << QByteArray("Ann  a@b.example") << QByteArray("b.example");
    QTest::addRow("empty line") << QByteArray() << QByteArray();
    QTest::addRow("token ends in at") << QByteArray("ann@") << QByteArray();
    QTest::addRow("no at is its own domain") << QByteArray("john") << QByteArray("john");
    QTest::addRow("control byte after at trimmed") << QByteArray("ann@\x01"
                                                                 "b.test")
                                                   << QByteArray("b.test");
}

void TestLinePrimitives::lineDomain()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, domain);
    QCOMPARE(LineDomain(line).toByteArray(), domain);
}

QTEST_APPLESS_MAIN(TestLinePrimitives)
#include "tst_lineprimitives.moc"
