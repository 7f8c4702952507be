#include "core/integer.h"

#include <QtTest>

class TestInteger : public QObject
{
    Q_OBJECT
private slots:
    void arithmeticHoldsAtTheLimits_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("ordinary rise") << 5 << 1 << 6;
        QTest::newRow("rise onto the top") << 32766 << 1 << 32767;
        QTest::newRow("rise past the top") << 32767 << 1 << 32767;
        QTest::newRow("fall onto the bottom") << -32767 << -1 << -32768;
        QTest::newRow("fall past the bottom") << -32768 << -10 << -32768;
        QTest::newRow("huge jump up") << 0 << 2000000000 << 32767;
        QTest::newRow("huge jump down") << 0 << -2000000000 << -32768;
    }
    void arithmeticHoldsAtTheLimits()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, expected);
        Integer plus(start);
        plus += delta;
        QCOMPARE(int(plus), expected);
        Integer minus(start);
        minus -= -static_cast<long long>(delta);
        QCOMPARE(int(minus), expected);
    }

    void assignmentFromAWideValueSaturates()
    {
        QCOMPARE(int(Integer(70000)), 32767);
        QCOMPARE(int(Integer(-70000)), -32768);
        QCOMPARE(int(Integer(-3)), -3);
    }
};

QTEST_APPLESS_MAIN(TestInteger)
#include "test_integer.moc"
