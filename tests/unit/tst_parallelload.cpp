#include "StorageTestSupport.h"

#include "metadata/CInspectionStandard.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/PrintoutLayout.h"
#include "storage/CBasePersistenceFacade.h"
#include "storage/CProjectOpenProgress.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/ICatalogDataLoader.h"
#include "storage/IProjectCatalogData.h"
#include "storage/StorageErrors.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

using namespace StorageTestSupport;

namespace {
class StubCatalogData : public IProjectCatalogData
{
public:
    const CInspectionStandard *inspectionStandard() const override { return &m_standard; }
    const PrintoutLayout *printoutLayout() const override { return &m_layout; }
    const CDamageClassList *damageClassList() const override { return &m_damageClasses; }

private:
    CInspectionStandard m_standard;
    PrintoutLayout m_layout;
    CDamageClassList m_damageClasses;
};

class StubCatalogLoader : public ICatalogDataLoader
{
public:
    std::unique_ptr<IProjectCatalogData> loadCatalogData(const QString &) const override
    {
        return std::make_unique<StubCatalogData>();
    }
};

std::unique_ptr<CBasePersistenceFacade> newFacade(int iThreads)
{
    auto cFacade = std::make_unique<CBasePersistenceFacade>(std::make_unique<StubCatalogLoader>());
    cFacade->setLoadThreadCount(iThreads);
    return cFacade;
}

// Counts what it is told and cancels once iCancelAt files are read (never
// when negative). Called from several threads at once.
class CountingObserver : public IProjectOpenObserver
{
public:
    explicit CountingObserver(int iCancelAt = -1) : m_iCancelAt(iCancelAt) {}
    void filesRead(int iRead, int iTotal) override
    {
        ++iCalls;
        int iSeen = iHighest.load();
        while (iRead > iSeen && !iHighest.compare_exchange_weak(iSeen, iRead)) {
        }
        if (iTotal != 0)
            iLastTotal = iTotal;
        if (iRead < 1 || (iTotal != 0 && iRead > iTotal))
            bInconsistent = true;
    }
    bool isCanceled() const override { return m_iCancelAt >= 0 && iHighest.load() >= m_iCancelAt; }

    std::atomic<int> iCalls{0};
    std::atomic<int> iHighest{0};
    std::atomic<int> iLastTotal{0};
    std::atomic<bool> bInconsistent{false};

private:
    int m_iCancelAt;
};

// A project that exercises every order the loader must keep: unsorted and
// duplicate section ids ("3" and "03"), duplicate event ids, many events at
// one position, a missing and a damaged event file, quoted and escaped
// texts, non-ASCII values and repeated properties.
QString writeAwkwardProject(const QString &sDirectory)
{
    QRandomGenerator cRandom(20240611);
    ProjectWriter::CProjectDirectoryWriter cWriter(sDirectory);
    ProjectWriter::ProjectFile cFile;
    cFile.sName = QStringLiteral("Parallel");
    cFile.sCatalog = QStringLiteral("ANY");
    cFile.client.append({3, QStringLiteral("Client street"), QStringLiteral("C")});
    if (!cWriter.writeProjectFile(cFile))
        return QString();
    const QStringList texts{QStringLiteral("Crack, longitudinal"), QStringLiteral("Root \"intrusion\""),
                            QStringLiteral("Abzweig ölig"), QStringLiteral("Joint|offset|large"), QString()};
    for (int iSection = 40; iSection >= 1; --iSection) {
        ProjectWriter::Section cSection;
        cSection.iId = iSection;
        cSection.sName = QStringLiteral("Section %1").arg(iSection);
        cSection.videoFiles << QStringLiteral("s%1.mpg").arg(iSection);
        cSection.properties = {{4, QStringLiteral("D"), QStringLiteral("in")},
                               {4, QStringLiteral("dup"), QString()},
                               {6, QStringLiteral("300"), QString()}};
        const int iEvents = static_cast<int>(cRandom.bounded(0, 60));
        for (int e = 0; e < iEvents; ++e) {
            ProjectWriter::Event cEvent;
            cEvent.iId = static_cast<int>(cRandom.bounded(1, 30));    // duplicates on purpose
            cEvent.dMeterValue = double(cRandom.bounded(0, 8)) * 0.5; // many ties
            cEvent.sText = texts.at(static_cast<int>(cRandom.bounded(0, texts.size())));
            cEvent.sAbbreviation = QStringLiteral("BA%1").arg(QChar(u'A' + int(cRandom.bounded(0, 4))));
            cEvent.sImageFile = QStringLiteral("%1_%2.jpg").arg(iSection).arg(e);
            cEvent.sVideoFile = cSection.videoFiles.first();
            cEvent.iVideoSecond = e % 60;
            cEvent.properties = {{200001, QString::number(cRandom.bounded(0, 6)), QString()},
                                 {1, QStringLiteral("v%1").arg(e), QStringLiteral("c,%1").arg(e)},
                                 {1, QStringLiteral("second"), QString()}};
            cSection.events.append(cEvent);
        }
        if (!cWriter.addSection(cSection))
            return QString();
    }
    if (!cWriter.finish())
        return QString();
    // A second group for section 3, a section whose event file is missing
    // and a damaged event file.
    QFile cSegments(sDirectory + QStringLiteral("/segments.dat"));
    if (!cSegments.open(QIODevice::Append))
        return QString();
    cSegments.write("\n[03]\nname=Zero three\n\n[77]\nname=No events\n");
    cSegments.close();
    if (!writeFile(sDirectory + QStringLiteral("/12.evtdat"),
                   QByteArray("[5]\ntext=\"unterminated\nmetervalue=abc\n\xff\xfe[6\nproperty\\size=2000000000\n"
                              "property\\1999999999\\id=7\n[7]\ntext=caf\xe9\nmetervalue=1e3\n")))
        return QString();
    return sDirectory;
}
} // namespace

class TestParallelLoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameProjectWhateverTheThreads_data();
    void sameProjectWhateverTheThreads();
    void progressCountsEveryFile();
    void cancelLeavesNothingOpen_data();
    void cancelLeavesNothingOpen();

private:
    QTemporaryDir m_cTmp;
    QString m_sProject;
    QString m_sReference; // the project loaded on one thread
};

void TestParallelLoad::initTestCase()
{
    QVERIFY(m_cTmp.isValid());
    m_sProject = writeAwkwardProject(m_cTmp.filePath(QStringLiteral("project")));
    QVERIFY(!m_sProject.isEmpty());
    auto cFacade = newFacade(1);
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(cFacade->openProject(m_sProject, cData), 0);
    m_sReference = dumpProject(cData->corvaneProject());
    QCOMPARE(cData->corvaneProject()->sectionCount(), 42);
    QVERIFY(cFacade->closeProject(cData) == 0);
}

void TestParallelLoad::sameProjectWhateverTheThreads_data()
{
    QTest::addColumn<int>("iThreads");
    QTest::addColumn<bool>("bObserved");
    QTest::addRow("one thread, observed") << 1 << true;
    QTest::addRow("two threads") << 2 << false;
    QTest::addRow("three threads, observed") << 3 << true;
    QTest::addRow("eight threads") << 8 << false;
    QTest::addRow("more threads than files") << 64 << true;
    QTest::addRow("one per core") << 0 << false;
}

void TestParallelLoad::sameProjectWhateverTheThreads()
{
    QFETCH(int, iThreads);
    QFETCH(bool, bObserved);
    auto cFacade = newFacade(iThreads);
    // Several rounds, so that different interleavings get their chance.
    for (int iRound = 0; iRound < 5; ++iRound) {
        CountingObserver cObserver;
        CProjectRuntimeData *cData = nullptr;
        QCOMPARE(cFacade->openProject(m_sProject, cData, bObserved ? &cObserver : nullptr), 0);
        QCOMPARE(dumpProject(cData->corvaneProject()), m_sReference);
        QCOMPARE(cFacade->closeProject(cData), 0);
    }
}

void TestParallelLoad::progressCountsEveryFile()
{
    auto cFacade = newFacade(4);
    CProjectOpenProgress cProgress;
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(cFacade->openProject(m_sProject, cData, &cProgress), 0);
    // project.dat, segments.dat and 42 event files (one missing counts too).
    QCOMPARE(cProgress.total(), 44);
    QCOMPARE(cProgress.read(), 44);
    QVERIFY(!cProgress.isCanceled());
    QCOMPARE(cFacade->closeProject(cData), 0);

    CountingObserver cObserver;
    QCOMPARE(cFacade->openProject(m_sProject, cData, &cObserver), 0);
    QCOMPARE(cObserver.iCalls.load(), 44);
    QCOMPARE(cObserver.iLastTotal.load(), 44);
    QVERIFY(!cObserver.bInconsistent);
    QCOMPARE(cFacade->closeProject(cData), 0);
}

void TestParallelLoad::cancelLeavesNothingOpen_data()
{
    QTest::addColumn<int>("iThreads");
    QTest::addColumn<int>("iCancelAt");
    QTest::addRow("after the project file") << 1 << 1;
    QTest::addRow("after the section file") << 2 << 2;
    QTest::addRow("among the event files, one thread") << 1 << 10;
    QTest::addRow("among the event files, many threads") << 8 << 10;
    QTest::addRow("at the last file") << 4 << 44;
}

void TestParallelLoad::cancelLeavesNothingOpen()
{
    QFETCH(int, iThreads);
    QFETCH(int, iCancelAt);
    auto cFacade = newFacade(iThreads);
    CountingObserver cObserver(iCancelAt);
    CProjectRuntimeData *cData = reinterpret_cast<CProjectRuntimeData *>(0x1);
    QCOMPARE(cFacade->openProject(m_sProject, cData, &cObserver), int(StorageError::OpenCanceled));
    QCOMPARE(cData, nullptr);
    QCOMPARE(cFacade->openProjectCount(), 0);
    // Reading stops soon: at most one file per thread after the cancel.
    QVERIFY2(cObserver.iHighest.load() <= iCancelAt + std::max(iThreads, 1),
             qPrintable(QString::number(cObserver.iHighest.load())));
    // The same directory opens afterwards, whole.
    QCOMPARE(cFacade->openProject(m_sProject, cData), 0);
    QCOMPARE(dumpProject(cData->corvaneProject()), m_sReference);
    QCOMPARE(cFacade->closeProject(cData), 0);
}

QTEST_GUILESS_MAIN(TestParallelLoad)
#include "tst_parallelload.moc"
