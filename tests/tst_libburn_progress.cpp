// The total-time estimate shown with a burn's progress: close to the truth
// at a steady rate, calm through a momentary stall, never below the time
// already spent.
#include "platform/linux/libburn_progress.h"

#include <QtTest>

#include <cmath>

using namespace pelimor::libburn;

class TestLibburnProgress : public QObject {
    Q_OBJECT
private slots:
    void steadyRateGivesTheTrueTotal_data();
    void steadyRateGivesTheTrueTotal();
    void aShortStallDoesNotMakeTheEstimateJump();
    void theEstimateIsNeverBelowTheElapsedTime();
    void aSlowerPhaseMovesTheEstimateGradually();
};

void TestLibburnProgress::steadyRateGivesTheTrueTotal_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint64>("total");
    QTest::newRow("CD at 24x, 700 MB") << 1800.0 << qint64(359'844);
    QTest::newRow("fast file, 1 GiB") << 60'000.0 << qint64(524'288);
}

void TestLibburnProgress::steadyRateGivesTheTrueTotal()
{
    QFETCH(double, rate);
    QFETCH(qint64, total);
    const double truth = static_cast<double>(total) / rate;
    TotalTimeEstimate estimate;
    for (double t = 0.0; t < truth; t += 0.1) {
        const auto done = static_cast<std::int64_t>(t * rate);
        const int shown = estimate.update(t, done, total);
        if (t >= 1.0)
            QVERIFY2(std::abs(shown - truth) <= 1.0, qPrintable(QStringLiteral("%1 at %2 s").arg(shown).arg(t)));
    }
}

void TestLibburnProgress::aShortStallDoesNotMakeTheEstimateJump()
{
    // 100 s of work at 1000 sectors a second, stalled for one second at
    // 30 s (a drive recalibrating, a slow spot on the disc).
    TotalTimeEstimate estimate;
    const std::int64_t total = 100'000;
    std::int64_t done = 0;
    int previous = -1;
    int largestStep = 0;
    for (double t = 0.0; done < total; t += 0.1) {
        if (t < 30.0 || t >= 31.0)
            done = std::min<std::int64_t>(total, done + 100);
        const int shown = estimate.update(t, done, total);
        if (previous >= 0 && t > 2.0)
            largestStep = std::max(largestStep, std::abs(shown - previous));
        previous = shown;
    }
    QVERIFY2(largestStep <= 3, qPrintable(QString::number(largestStep)));
}

void TestLibburnProgress::theEstimateIsNeverBelowTheElapsedTime()
{
    TotalTimeEstimate estimate;
    // Before any rate is known, after a long stall, and when all is done.
    QCOMPARE(estimate.update(0.0, 0, 1000), 0);
    QCOMPARE(estimate.update(3.7, 0, 1000), 3);
    for (double t = 3.8; t < 10.0; t += 0.1)
        QVERIFY(estimate.update(t, static_cast<std::int64_t>((t - 3.7) * 1000), 100'000) >= static_cast<int>(t));
    QCOMPARE(estimate.update(12.4, 100'000, 100'000), 12);
    for (double t = 12.5; t < 60.0; t += 0.5)
        QVERIFY(estimate.update(t, 100'000, 100'000) >= static_cast<int>(t));
}

void TestLibburnProgress::aSlowerPhaseMovesTheEstimateGradually()
{
    // Writing at 2000 sectors a second, then verifying at half that: the
    // estimate drifts to the new truth instead of leaping.
    TotalTimeEstimate estimate;
    const std::int64_t writeWork = 20'000, verifyWork = 20'000, total = writeWork + verifyWork;
    int previous = estimate.update(0.0, 0, total);
    int largestStep = 0;
    int last = 0;
    std::int64_t done = 0;
    for (double t = 0.1; done < total; t += 0.1) {
        done = std::min<std::int64_t>(total, done + (done < writeWork ? 200 : 100));
        last = estimate.update(t, done, total);
        if (t > 2.0)
            largestStep = std::max(largestStep, std::abs(last - previous));
        previous = last;
    }
    QVERIFY2(largestStep <= 2, qPrintable(QString::number(largestStep)));
    QVERIFY(std::abs(last - 30) <= 1);
}

QTEST_MAIN(TestLibburnProgress)
#include "tst_libburn_progress.moc"
