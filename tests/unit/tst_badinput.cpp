#include "StorageTestSupport.h"
#include "TestHelpers.h"

#include "app/CApplicationContext.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "storage/CBasePersistenceFacade.h"
#include "storage/CProjectRuntimeData.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace StorageTestSupport;

// Damaged, hostile and odd project directories: each gives its code and
// sensible defaults, quickly, and leaves the directory as it was.
class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fixtures_data();
    void fixtures();
    void hugeSizes();
    void groupNames();
    void hugeTextValue();
    void unreadableFiles_data();
    void unreadableFiles();
    void manyGroups();

private:
    // Opens through the facade; checks the timing, the directory and that
    // no number is NaN or infinite. Leaves the project open in m_cData.
    int open(const QString &sDirectory);

    static QString fixture(const QString &sName)
    {
        return TestHelpers::fixturesDir() + QStringLiteral("/projects/") + sName;
    }
    CBasePersistenceFacade *facade() const
    {
        return static_cast<CBasePersistenceFacade *>(CApplicationContext::instance()->persistenceFacade());
    }

    CProjectRuntimeData *m_cData = nullptr;
};

void TestBadInput::init()
{
    CApplicationContext::setInstance(
        new CApplicationContext(TestHelpers::fixturesDir() + QStringLiteral("/installation"), QStringLiteral("en_US")));
    m_cData = nullptr;
}

void TestBadInput::cleanup()
{
    CApplicationContext::destroyInstance();
    m_cData = nullptr;
}

int TestBadInput::open(const QString &sDirectory)
{
    const QStringList before = snapshot(sDirectory);
    QElapsedTimer timer;
    timer.start();
    const int iCode = facade()->openProject(sDirectory, m_cData);
    const qint64 iMs = timer.elapsed();
    if (iMs > 20000)
        qWarning("opening %s took %lld ms", qPrintable(sDirectory), static_cast<long long>(iMs));
    if (snapshot(sDirectory) != before)
        return -1;
    if (m_cData && m_cData->corvaneProject()) {
        const CCorvaneProject *cProject = m_cData->corvaneProject();
        for (int s = 0; s < cProject->sectionCount(); ++s) {
            const CEventList *cEvents = cProject->sectionAt(s)->events();
            for (int e = 0; e < cEvents->count(); ++e) {
                if (!std::isfinite(cEvents->at(e)->meterValue()))
                    return -2;
            }
        }
    }
    return iCode;
}

void TestBadInput::fixtures_data()
{
    QTest::addColumn<QString>("sFixture");
    QTest::addColumn<int>("iCode");
    QTest::addColumn<int>("iSections");
    QTest::addRow("truncated files") << "truncated" << 0 << 2;
    QTest::addRow("binary garbage in section and event files") << "garbage" << 0 << -1;
    QTest::addRow("binary garbage project file") << "garbage-projectfile" << 8 << 0;
    QTest::addRow("project file is a directory") << "projectdat-is-directory" << 8 << 0;
    QTest::addRow("huge array sizes") << "huge-sizes" << 0 << 3;
    QTest::addRow("non-numeric group names") << "non-numeric-groups" << 0 << 4;
    QTest::addRow("duplicate ids") << "duplicate-ids" << 0 << 2;
}

void TestBadInput::fixtures()
{
    QFETCH(QString, sFixture);
    QFETCH(int, iCode);
    QFETCH(int, iSections);
    QCOMPARE(open(fixture(sFixture)), iCode);
    QCOMPARE(m_cData != nullptr, iCode == 0);
    if (iCode != 0)
        return;
    QVERIFY(m_cData->corvaneProject());
    if (iSections >= 0)
        QCOMPARE(m_cData->corvaneProject()->sectionCount(), iSections);
    if (sFixture == QLatin1String("truncated")) {
        const QString sDump = dumpProject(m_cData->corvaneProject());
        QVERIFY2(sDump.startsWith(QStringLiteral("S 1 'S-1' incl='' videos=[] props={6=300|}\n"
                                                 "  E 1 m=1.5 'Complete event'")),
                 qPrintable(sDump));
        // The second section lost its truncated property value, not itself.
        QCOMPARE(m_cData->corvaneProject()->sectionAt(1)->name(), QStringLiteral("S-2"));
        QCOMPARE(m_cData->corvaneProject()->sectionAt(1)->properties()->valueOf(6), QString());
    }
    if (sFixture == QLatin1String("duplicate-ids")) {
        // "03" and "3" both are section 3 and both read 3.evtdat; events
        // "1" and "01" are both kept.
        const CCorvaneProject *cProject = m_cData->corvaneProject();
        for (int s = 0; s < 2; ++s) {
            QCOMPARE(cProject->sectionAt(s)->id(), 3);
            QCOMPARE(cProject->sectionAt(s)->events()->count(), 3);
        }
    }
    QCOMPARE(facade()->closeProject(m_cData), 0);
}

void TestBadInput::hugeSizes()
{
    QCOMPARE(open(fixture(QStringLiteral("huge-sizes"))), 0);
    const CCorvaneProject *cProject = m_cData->corvaneProject();
    QCOMPARE(cProject->client()->valueOf(1), QStringLiteral("Client one"));
    QCOMPARE(cProject->client()->valueOf(2), QStringLiteral("Client two"));
    // A negative size reads no element.
    QCOMPARE(cProject->officer()->valueOf(1), QString());
    QCOMPARE(propertiesText(cProject->sectionAt(0)->properties()), QStringLiteral("1=first|; 2=second|"));
    QCOMPARE(cProject->sectionAt(0)->videoFiles(), QStringList{QStringLiteral("one.mpg")});
    QCOMPARE(cProject->sectionAt(1)->properties()->count(), 0);
    QCOMPARE(cProject->sectionAt(1)->videoFiles(), QStringList());
    // Only element 2000000000 exists: it is read, the empty ones before it are not.
    QCOMPARE(propertiesText(cProject->sectionAt(2)->properties()), QStringLiteral("9=far away|"));
    QCOMPARE(propertiesText(cProject->sectionAt(0)->events()->at(0)->properties()), QStringLiteral("200001=3|"));
}

void TestBadInput::groupNames()
{
    QCOMPARE(open(fixture(QStringLiteral("non-numeric-groups"))), 0);
    const CCorvaneProject *cProject = m_cData->corvaneProject();
    // [General] holds top-level keys, not a section; the rest are sorted by
    // id, the non-numeric ones with id 0 reading 0.evtdat.
    QStringList sections;
    for (int s = 0; s < cProject->sectionCount(); ++s) {
        const CInspectionSegment *cSection = cProject->sectionAt(s);
        sections
            << QStringLiteral("%1:%2:%3").arg(cSection->id()).arg(cSection->name()).arg(cSection->events()->count());
    }
    QCOMPARE(sections.first(), QStringLiteral("-5:minus five:1"));
    sections.removeFirst();
    sections.sort();
    QCOMPARE(sections, (QStringList{QStringLiteral("0:escaped A:2"), QStringLiteral("0:letters:2"),
                                    QStringLiteral("0:twelve-x:2")}));
    const CEventList *cEvents = cProject->sectionAt(1)->events();
    QCOMPARE(cEvents->at(0)->id(), 7);
    QCOMPARE(cEvents->at(1)->id(), 0);
    QCOMPARE(cEvents->at(1)->text(), QStringLiteral("non-numeric event"));
}

void TestBadInput::hugeTextValue()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(writeFile(tmp.filePath(QStringLiteral("project.dat")), projectFile(QStringLiteral("Big"))));
    QVERIFY(writeFile(tmp.filePath(QStringLiteral("segments.dat")), "[1]\nname=S-1\n"));
    QByteArray big = "[1]\nmetervalue=2\ntext=";
    const QByteArray chunk = "Crack along the crown, with roots;";
    big.reserve(10 * 1024 * 1024 + 64);
    while (big.size() < 10 * 1024 * 1024)
        big += chunk;
    big += "\nabbreviation=BAB\n\n[2]\nmetervalue=1\ntext=after the big one\n";
    QVERIFY(writeFile(tmp.filePath(QStringLiteral("1.evtdat")), big));
    QCOMPARE(open(tmp.path()), 0);
    const CEventList *cEvents = m_cData->corvaneProject()->sectionAt(0)->events();
    QCOMPARE(cEvents->count(), 2);
    // The ";" of the first chunk starts a comment; the unquoted commas are joined.
    QCOMPARE(cEvents->at(1)->text(), QStringLiteral("Crack along the crown, with roots"));
    QCOMPARE(cEvents->at(1)->abbreviation(), QStringLiteral("BAB"));
    QCOMPARE(cEvents->at(0)->text(), QStringLiteral("after the big one"));

    // The same text quoted is kept whole.
    big.replace(";", ".");
    QVERIFY(writeFile(tmp.filePath(QStringLiteral("1.evtdat")), big));
    QCOMPARE(facade()->closeProject(m_cData), 0);
    QCOMPARE(open(tmp.path()), 0);
    QVERIFY(m_cData->corvaneProject()->sectionAt(0)->events()->at(1)->text().size() > 10 * 1000 * 1000);
}

void TestBadInput::unreadableFiles_data()
{
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<int>("iCode");
    QTest::addRow("project.dat") << "project.dat" << 8;
    QTest::addRow("segments.dat") << "segments.dat" << 0;
    QTest::addRow("event file") << "12.evtdat" << 0;
}

void TestBadInput::unreadableFiles()
{
    QFETCH(QString, sFile);
    QFETCH(int, iCode);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString sSource = fixture(QStringLiteral("valid"));
    for (const QString &sName : {QStringLiteral("project.dat"), QStringLiteral("segments.dat"),
                                 QStringLiteral("12.evtdat"), QStringLiteral("3.evtdat")})
        QVERIFY(QFile::copy(sSource + QLatin1Char('/') + sName, tmp.filePath(sName)));
    QFile file(tmp.filePath(sFile));
    QVERIFY(file.setPermissions(QFileDevice::Permissions()));
    // Tests may run as root, which reads the file anyway: then the project
    // opens fully. Either way there is no crash and a sensible code.
    QFile probe(tmp.filePath(sFile));
    const bool bReadable = probe.open(QIODevice::ReadOnly);
    probe.close();
    const int iResult = open(tmp.path());
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(iResult, bReadable ? 0 : iCode);
    if (iResult == 0) {
        const CCorvaneProject *cProject = m_cData->corvaneProject();
        const int iSections = (!bReadable && sFile == QLatin1String("segments.dat")) ? 0 : 3;
        QCOMPARE(cProject->sectionCount(), iSections);
        if (iSections == 3) {
            const int iEvents = (!bReadable && sFile == QLatin1String("12.evtdat")) ? 0 : 4;
            QCOMPARE(cProject->sectionAt(2)->events()->count(), iEvents);
        }
    }
}

void TestBadInput::manyGroups()
{
    // Many small sections and events: loading stays quick (no quadratic loop
    // over the settings file per group).
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(writeFile(tmp.filePath(QStringLiteral("project.dat")), projectFile(QStringLiteral("Many"))));
    QByteArray segments;
    QByteArray events;
    for (int i = 1; i <= 3000; ++i) {
        segments +=
            "[" + QByteArray::number(i) + "]\nname=S\nproperty\\1\\id=1\nproperty\\1\\value=v\nproperty\\size=1\n";
        events += "[" + QByteArray::number(i) + "]\nmetervalue=" + QByteArray::number(i) + "\ntext=t\n";
    }
    QVERIFY(writeFile(tmp.filePath(QStringLiteral("segments.dat")), segments));
    QVERIFY(writeFile(tmp.filePath(QStringLiteral("1.evtdat")), events));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(open(tmp.path()), 0);
    QVERIFY2(timer.elapsed() < 30000 * TestHelpers::timeFactor(), qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(m_cData->corvaneProject()->sectionCount(), 3000);
    QCOMPARE(m_cData->corvaneProject()->sectionAt(0)->events()->count(), 3000);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
