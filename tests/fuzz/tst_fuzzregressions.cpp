// Replays the fuzzing seeds and every input that once made a fuzzing
// program fail (tests/fuzz/regressions/<target>/) through the same entry
// points, without libFuzzer: a crash, a sanitizer report or a hang fails
// this test in every build.

#include "FuzzTargets.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

class TestFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void replay_data();
    void replay();
};

void TestFuzzRegressions::initTestCase()
{
    FuzzTargets::initialize();
}

void TestFuzzRegressions::replay_data()
{
    QTest::addColumn<QString>("sTarget");
    QTest::addColumn<QString>("sPath");
    const QString sRoot = QStringLiteral(CORVANE_SOURCE_DIR "/tests/fuzz/");
    int iRegressions = 0;
    for (const QString &sTarget : FuzzTargets::names()) {
        for (const QString &sFolder : {QStringLiteral("corpus/"), QStringLiteral("regressions/")}) {
            // projectdata reads the inputs of project.
            const QString sFiles = sTarget == QLatin1String("projectdata") ? QStringLiteral("project") : sTarget;
            QDirIterator it(sRoot + sFolder + sFiles, QDir::Files);
            while (it.hasNext()) {
                const QString sPath = it.next();
                if (sFolder.startsWith(QLatin1String("regressions")))
                    ++iRegressions;
                const QByteArray tag = (sTarget + QLatin1Char('/') + sFolder + it.fileName()).toUtf8();
                QTest::newRow(tag.constData()) << sTarget << sPath;
            }
        }
    }
    // The folders must be where this test looks: an empty replay proves nothing.
    QVERIFY(QDir(sRoot + QStringLiteral("corpus/ini")).exists());
    QVERIFY(iRegressions > 0);
}

void TestFuzzRegressions::replay()
{
    QFETCH(QString, sTarget);
    QFETCH(QString, sPath);
    QFile file(sPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(FuzzTargets::run(sTarget, file.readAll()));
}

QTEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
