#include "StorageTestSupport.h"
#include "TestHelpers.h"

#include "app/CApplicationContext.h"
#include "metadata/CInspectionStandard.h"
#include "model/CBaseProject.h"
#include "model/CCorvaneProject.h"
#include "report/layout/CDamageClassList.h"
#include "report/layout/LayoutRecords.h"
#include "report/layout/PrintoutLayout.h"
#include "storage/CBasePersistenceFacade.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"
#include "storage/ICatalogDataLoader.h"
#include "storage/IProjectCatalogData.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace StorageTestSupport;

namespace {
// Catalog data that counts its destructions.
class StubCatalogData : public IProjectCatalogData
{
public:
    explicit StubCatalogData(int &iDestroyed) : m_iDestroyed(iDestroyed) {}
    ~StubCatalogData() override { ++m_iDestroyed; }
    const CInspectionStandard *inspectionStandard() const override { return &m_standard; }
    const PrintoutLayout *printoutLayout() const override { return &m_layout; }
    const CDamageClassList *damageClassList() const override { return &m_damageClasses; }

private:
    int &m_iDestroyed;
    CInspectionStandard m_standard;
    PrintoutLayout m_layout;
    CDamageClassList m_damageClasses;
};

// Records the standard names it is asked for and answers with stub data or
// with nothing.
class StubCatalogLoader : public ICatalogDataLoader
{
public:
    StubCatalogLoader(bool bLoads, int &iDestroyed) : m_bLoads(bLoads), m_iDestroyed(iDestroyed) {}
    std::unique_ptr<IProjectCatalogData> loadCatalogData(const QString &sInspectionStandard) const override
    {
        asked << sInspectionStandard;
        if (!m_bLoads)
            return nullptr;
        auto cData = std::make_unique<StubCatalogData>(m_iDestroyed);
        cLast = cData.get();
        return cData;
    }

    mutable QStringList asked;
    mutable const StubCatalogData *cLast = nullptr;

private:
    bool m_bLoads;
    int &m_iDestroyed;
};
} // namespace

class TestFacade : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openCodes_data();
    void openCodes();
    void openValidProject();
    void alreadyOpen();
    void closeUnknown();
    void severalOpenAtOnce();
    void withoutApplicationContext();
    void catalogLoaderSeam_data();
    void catalogLoaderSeam();
    void currentProjectSlot();

private:
    static QString installation() { return TestHelpers::fixturesDir() + QStringLiteral("/installation"); }
    static QString validProject() { return TestHelpers::fixturesDir() + QStringLiteral("/projects/valid"); }
    CBasePersistenceFacade *facade() const
    {
        return static_cast<CBasePersistenceFacade *>(CApplicationContext::instance()->persistenceFacade());
    }
};

void TestFacade::init()
{
    CApplicationContext::setInstance(new CApplicationContext(installation(), QStringLiteral("en_US")));
}

void TestFacade::cleanup()
{
    CApplicationContext::destroyInstance();
}

void TestFacade::openCodes_data()
{
    QTest::addColumn<QByteArray>("projectDat");
    QTest::addColumn<int>("iCode");
    QTest::addColumn<bool>("bInspectionData");

    QTest::addRow("no project file") << QByteArray() << 8 << false;
    QTest::addRow("version 5") << projectFile(QStringLiteral("P"), true, 5) << 8 << false;
    QTest::addRow("version 2, empty name") << projectFile(QString(), true, 2) << 3 << false;
    QTest::addRow("valid, catalog of the registry") << projectFile(QStringLiteral("P")) << 0 << true;
    QTest::addRow("catalog not registered")
        << projectFile(QStringLiteral("P"), true, 3, QStringLiteral("NO-SUCH-CATALOG")) << 4 << false;
    QTest::addRow("catalog name differs in case")
        << projectFile(QStringLiteral("P"), true, 3, QStringLiteral("fixture-cat")) << 4 << false;
    QTest::addRow("catalog disabled") << projectFile(QStringLiteral("P"), true, 3, QStringLiteral("DISABLED-CAT")) << 4
                                      << false;
    QTest::addRow("standard file missing")
        << projectFile(QStringLiteral("P"), true, 3, QStringLiteral("NO-STANDARD")) << 4 << false;
    QTest::addRow("standard without groups")
        << projectFile(QStringLiteral("P"), true, 3, QStringLiteral("EMPTY-STANDARD")) << 4 << false;
    QTest::addRow("printout data missing")
        << projectFile(QStringLiteral("P"), true, 3, QStringLiteral("NO-PRINTOUT-DATA")) << 4 << false;
    QTest::addRow("layout with too many groups")
        << projectFile(QStringLiteral("P"), true, 3, QStringLiteral("BAD-LAYOUT")) << 4 << false;
    QTest::addRow("plain project, unknown catalog")
        << projectFile(QStringLiteral("P"), false, 1, QStringLiteral("NO-SUCH-CATALOG")) << 0 << false;
}

void TestFacade::openCodes()
{
    QFETCH(QByteArray, projectDat);
    QFETCH(int, iCode);
    QFETCH(bool, bInspectionData);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    if (!projectDat.isNull())
        QVERIFY(writeFile(tmp.path() + QStringLiteral("/project.dat"), projectDat));
    QVERIFY(writeFile(tmp.path() + QStringLiteral("/segments.dat"), "[1]\nname=S-1\n"));
    const QStringList before = snapshot(tmp.path());

    CProjectRuntimeData *cData = reinterpret_cast<CProjectRuntimeData *>(0x1);
    QCOMPARE(facade()->openProject(tmp.path(), cData), iCode);
    QCOMPARE(snapshot(tmp.path()), before);
    if (iCode != 0) {
        QVERIFY(!cData);
        QCOMPARE(facade()->openProjectCount(), 0);
        return;
    }
    QVERIFY(cData);
    QCOMPARE(facade()->openProjectCount(), 1);
    QCOMPARE(cData->hasInspectionData(), bInspectionData);
    QCOMPARE(cData->corvaneProject() != nullptr, bInspectionData);
    QCOMPARE(cData->inspectionStandard() != nullptr, bInspectionData);
    QCOMPARE(cData->printoutLayout() != nullptr, bInspectionData);
    QCOMPARE(cData->damageClassList() != nullptr, bInspectionData);
    // A plain project never reads segments.dat.
    QCOMPARE(cData->corvaneProject() ? cData->corvaneProject()->sectionCount() : 0, bInspectionData ? 1 : 0);
    QCOMPARE(facade()->closeProject(cData), 0);
    QCOMPARE(facade()->openProjectCount(), 0);
    QCOMPARE(snapshot(tmp.path()), before);
}

void TestFacade::openValidProject()
{
    const QStringList before = snapshot(validProject());
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(facade()->openProject(validProject(), cData), 0);
    QVERIFY(cData);
    const CCorvaneProject *cProject = cData->corvaneProject();
    QVERIFY(cProject);
    QCOMPARE(static_cast<const CBaseProject *>(cProject), cData->project());
    QCOMPARE(cProject->directory(), validProject() + QLatin1Char('/'));
    QCOMPARE(cProject->sectionCount(), 3);
    QCOMPARE(cData->inspectionStandard()->textDelimiter(), QStringLiteral("|"));
    QCOMPARE(cData->inspectionStandard()->damageClassCount(), 3);
    QCOMPARE(cData->damageClassList()->damageClassText(QStringLiteral("1")), QStringLiteral("Minor defect"));
    QCOMPARE(cData->printoutLayout()->eventPosIndicator()->width3(), 900);
    QCOMPARE(facade()->closeProject(cData), 0);
    QCOMPARE(snapshot(validProject()), before);
}

void TestFacade::alreadyOpen()
{
    const QString sWithSlash = validProject() + QLatin1Char('/');
    CProjectRuntimeData *cFirst = nullptr;
    QCOMPARE(facade()->openProject(sWithSlash, cFirst), 0);
    CProjectRuntimeData *cSecond = cFirst;
    QCOMPARE(facade()->openProject(sWithSlash, cSecond), 6);
    QVERIFY(!cSecond);
    QCOMPARE(facade()->openProjectCount(), 1);
    // The comparison is on the text: without the slash it is another path.
    QCOMPARE(facade()->openProject(validProject(), cSecond), 0);
    QCOMPARE(facade()->openProjectCount(), 2);
    QCOMPARE(facade()->closeProject(cFirst), 0);
    // The second copy keeps the directory text with its slash open.
    QCOMPARE(facade()->openProject(sWithSlash, cFirst), 6);
    QCOMPARE(facade()->closeProject(cSecond), 0);
    QCOMPARE(facade()->openProject(sWithSlash, cFirst), 0);
    // Left open: the facade's destruction in cleanup() closes it.
}

void TestFacade::closeUnknown()
{
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(facade()->openProject(validProject(), cData), 0);
    QCOMPARE(facade()->closeProject(nullptr), 1);
    // A live runtime data of the same project that the table does not hold.
    CProjectRuntimeData foreign(cData->project(), nullptr);
    QCOMPARE(facade()->closeProject(&foreign), 1);
    QCOMPARE(facade()->openProjectCount(), 1);
    QCOMPARE(cData->corvaneProject()->sectionCount(), 3);
    QCOMPARE(facade()->closeProject(cData), 0);
    // Closing twice is answered, not acted on.
    QCOMPARE(facade()->closeProject(cData), 1);
}

void TestFacade::severalOpenAtOnce()
{
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.path() + QStringLiteral("/project.dat"), projectFile(QStringLiteral("Plain"), false)));
    CProjectRuntimeData *cA = nullptr;
    CProjectRuntimeData *cB = nullptr;
    QCOMPARE(facade()->openProject(validProject(), cA), 0);
    QCOMPARE(facade()->openProject(tmp.path(), cB), 0);
    QVERIFY(cA != cB);
    QCOMPARE(facade()->closeProject(cA), 0);
    QCOMPARE(cB->project()->name(), QStringLiteral("Plain"));
    QCOMPARE(facade()->closeProject(cB), 0);
}

void TestFacade::withoutApplicationContext()
{
    // A facade of its own with no context: no registry, so a project with
    // inspection data cannot be loaded, while a plain one can.
    CApplicationContext::destroyInstance();
    CBasePersistenceFacade facade;
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(facade.openProject(validProject(), cData), 4);
    QVERIFY(!cData);
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.path() + QStringLiteral("/project.dat"), projectFile(QStringLiteral("Plain"), false)));
    QCOMPARE(facade.openProject(tmp.path(), cData), 0);
    QVERIFY(cData && !cData->hasInspectionData());
    // Left open on purpose: the facade's destructor must release it.
}

// A facade with a stub catalog loader: what the loader gives is what the
// runtime data hands out and owns; no catalog data means code 4.
void TestFacade::catalogLoaderSeam_data()
{
    QTest::addColumn<bool>("bExtended");
    QTest::addColumn<bool>("bLoads");
    QTest::addColumn<int>("iCode");
    QTest::addColumn<QStringList>("asked");
    QTest::addRow("catalog data loads") << true << true << 0 << QStringList{"STUB-CAT"};
    QTest::addRow("catalog data does not load") << true << false << 4 << QStringList{"STUB-CAT"};
    QTest::addRow("plain project asks for nothing") << false << true << 0 << QStringList();
}

void TestFacade::catalogLoaderSeam()
{
    QFETCH(bool, bExtended);
    QFETCH(bool, bLoads);
    QFETCH(int, iCode);
    QFETCH(QStringList, asked);

    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.path() + QStringLiteral("/project.dat"),
                      projectFile(QStringLiteral("P"), bExtended, 3, QStringLiteral("STUB-CAT"))));
    int iDestroyed = 0;
    auto cOwnedLoader = std::make_unique<StubCatalogLoader>(bLoads, iDestroyed);
    const StubCatalogLoader *cLoader = cOwnedLoader.get();
    {
        CBasePersistenceFacade facade(std::move(cOwnedLoader));
        CProjectRuntimeData *cData = nullptr;
        QCOMPARE(facade.openProject(tmp.path(), cData), iCode);
        QCOMPARE(cLoader->asked, asked);
        QCOMPARE(facade.openProjectCount(), iCode == 0 ? 1 : 0);
        QCOMPARE(cData != nullptr, iCode == 0);
        if (cData && bExtended) {
            QCOMPARE(cData->inspectionStandard(), cLoader->cLast->inspectionStandard());
            QCOMPARE(cData->printoutLayout(), cLoader->cLast->printoutLayout());
            QCOMPARE(cData->damageClassList(), cLoader->cLast->damageClassList());
            QCOMPARE(facade.closeProject(cData), 0);
            QCOMPARE(iDestroyed, 1);
        } else if (cData) {
            QVERIFY(!cData->inspectionStandard() && !cData->printoutLayout() && !cData->damageClassList());
        }
    }
    QCOMPARE(iDestroyed, bExtended && bLoads ? 1 : 0);
}

void TestFacade::currentProjectSlot()
{
    QVERIFY(!currentRuntimeData());
    CProjectRuntimeData *cData = nullptr;
    QCOMPARE(facade()->openProject(validProject(), cData), 0);
    setCurrentRuntimeData(cData);
    QCOMPARE(currentRuntimeData(), cData);
    setCurrentRuntimeData(nullptr);
    QVERIFY(!currentRuntimeData());
    QCOMPARE(facade()->closeProject(cData), 0);
}

QTEST_GUILESS_MAIN(TestFacade)
#include "tst_facade.moc"
