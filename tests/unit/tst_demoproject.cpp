#include "TestHelpers.h"

#include "app/CApplicationContext.h"
#include "metadata/CInclinationData.h"
#include "metadata/CInclinationHeader.h"
#include "metadata/CInclinationProfile.h"
#include "metadata/CInspectionStandard.h"
#include "model/CCorvaneProject.h"
#include "model/CEventList.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "report/layout/CDamageClassList.h"
#include "storage/CIniReader.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/IPersistenceFacade.h"
#include "storage/ProjectDirectory.h"

#include <QColor>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>

// The bundled demo project is what a first-time user opens: it must load
// through the real storage layer with the real demo catalog, every file it
// names must exist and be usable, and it must keep showing the cases the
// viewer and the report have to handle.
class TestDemoProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void opensWithItsCatalog();
    void textsAreDecoded();
    void coversTheViewer_data();
    void coversTheViewer();
    void sectionsAreNotWrittenInOrder();
    void videosMatchTheirEvents();
    void photosAreRealPictures();
    void eventsAreCodedForTheCatalog();
    void inclinationFiles_data();
    void inclinationFiles();
    void reportLogo();
    void directoryIsSmallAndComplete();
    void iniValuesAreQuoted_data();
    void iniValuesAreQuoted();

private:
    QString dir() const { return TestHelpers::demoProjectDir() + QLatin1Char('/'); }
    const CCorvaneProject *project() const { return m_cRuntime ? m_cRuntime->corvaneProject() : nullptr; }
    QList<const CInspectionSegment *> sections() const;
    QList<const CInspectionEvent *> allEvents() const;

    CProjectRuntimeData *m_cRuntime = nullptr;
    int m_iOpenCode = -1;
};

namespace {

// A picture that is more than a flat colour: sampled grey values must spread.
bool hasContent(const QImage &image)
{
    if (image.isNull())
        return false;
    int iMin = 255, iMax = 0;
    QSet<int> values;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int iGrey = qGray(image.pixel(image.width() * (2 * x + 1) / 32, image.height() * (2 * y + 1) / 24));
            iMin = qMin(iMin, iGrey);
            iMax = qMax(iMax, iGrey);
            values.insert(iGrey / 8);
        }
    }
    return iMax - iMin > 40 && values.size() >= 6;
}

// Duration in seconds of a WebM file, from the Duration element of its
// segment information; -1 when the file is not WebM or carries none.
double webmDuration(const QString &sPath)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(64 * 1024);
    if (!head.startsWith(QByteArray::fromHex("1a45dfa3")) || !head.contains("webm"))
        return -1;
    const qsizetype iInfo = head.indexOf(QByteArray::fromHex("1549a966"));
    if (iInfo < 0)
        return -1;
    const QByteArray info = head.mid(iInfo, 512);
    double dScaleNs = 1000000.0;
    const qsizetype iScale = info.indexOf(QByteArray::fromHex("2ad7b1"));
    if (iScale >= 0 && iScale + 4 < info.size()) {
        const int iBytes = uchar(info.at(iScale + 3)) & 0x0f;
        quint64 uiScale = 0;
        for (int i = 0; i < iBytes && iScale + 4 + i < info.size(); ++i)
            uiScale = (uiScale << 8) | uchar(info.at(iScale + 4 + i));
        if (uiScale > 0)
            dScaleNs = double(uiScale);
    }
    const qsizetype iDuration = info.indexOf(QByteArray::fromHex("4489"));
    if (iDuration < 0 || iDuration + 3 >= info.size())
        return -1;
    const uchar ucSize = uchar(info.at(iDuration + 2));
    const char *pData = info.constData() + iDuration + 3;
    double dTicks = -1;
    if (ucSize == 0x88 && iDuration + 11 <= info.size()) {
        const quint64 uiBits = qFromBigEndian<quint64>(pData);
        std::memcpy(&dTicks, &uiBits, sizeof dTicks);
    } else if (ucSize == 0x84 && iDuration + 7 <= info.size()) {
        const quint32 uiBits = qFromBigEndian<quint32>(pData);
        float fTicks = 0;
        std::memcpy(&fTicks, &uiBits, sizeof fTicks);
        dTicks = fTicks;
    }
    return dTicks < 0 ? -1 : dTicks * dScaleNs / 1e9;
}

double sectionLength(const CInspectionSegment *cSection)
{
    return cSection->properties()->valueOf(9).toDouble();
}

bool isValidUtf8(const QByteArray &data)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString sText = decoder.decode(data);
    return !decoder.hasError() && !sText.contains(QChar(0xfffd));
}

} // namespace

QList<const CInspectionSegment *> TestDemoProject::sections() const
{
    QList<const CInspectionSegment *> list;
    if (project())
        for (int i = 0; i < project()->sectionCount(); ++i)
            list << project()->sectionAt(i);
    return list;
}

QList<const CInspectionEvent *> TestDemoProject::allEvents() const
{
    QList<const CInspectionEvent *> list;
    for (const CInspectionSegment *cSection : sections())
        for (int i = 0; i < cSection->events()->count(); ++i)
            list << cSection->events()->at(i);
    return list;
}

void TestDemoProject::initTestCase()
{
    QVERIFY2(QFileInfo(dir() + QStringLiteral("project.dat")).isFile(), qPrintable(dir()));
    CApplicationContext::setInstance(new CApplicationContext(TestHelpers::installDir(), QStringLiteral("en_US")));
    m_iOpenCode = CApplicationContext::instance()->persistenceFacade()->openProject(dir(), m_cRuntime);
}

void TestDemoProject::cleanupTestCase()
{
    if (m_cRuntime)
        CApplicationContext::instance()->persistenceFacade()->closeProject(m_cRuntime);
    m_cRuntime = nullptr;
    CApplicationContext::destroyInstance();
}

void TestDemoProject::opensWithItsCatalog()
{
    QCOMPARE(m_iOpenCode, 0);
    QVERIFY(m_cRuntime);
    QVERIFY(m_cRuntime->hasInspectionData());
    QVERIFY(m_cRuntime->inspectionStandard());
    QVERIFY(m_cRuntime->printoutLayout());
    QVERIFY(m_cRuntime->damageClassList());
    const CCorvaneProject *cProject = project();
    QVERIFY(cProject);
    QCOMPARE(cProject->version(), 3);
    QVERIFY(!cProject->name().isEmpty());
    QVERIFY(cProject->created().isValid());
    QVERIFY(cProject->lastModified().isValid());
    QVERIFY(cProject->created() <= cProject->lastModified());
    // The three address blocks are what the project information page prints.
    for (const CPropertyList *cAddress : {cProject->client(), cProject->officer(), cProject->contractor()}) {
        QVERIFY(!cAddress->valueOf(1).isEmpty());
        int iFilled = 0;
        for (int iId = 1; iId <= 10; ++iId)
            iFilled += cAddress->valueOf(iId).isEmpty() ? 0 : 1;
        QVERIFY2(iFilled >= 8, qPrintable(cAddress->valueOf(1)));
    }
}

void TestDemoProject::textsAreDecoded()
{
    QVERIFY(project());
    // Umlauts are written both raw and as \x escapes; after loading, neither
    // an escape, a quote, a doubled "@" nor a replacement character may be
    // left in any text.
    QStringList texts{project()->name()};
    for (const CPropertyList *cAddress : {project()->client(), project()->officer(), project()->contractor()})
        for (int iId = 1; iId <= 10; ++iId)
            texts << cAddress->valueOf(iId);
    for (const CInspectionSegment *cSection : sections()) {
        texts << cSection->name();
        for (int i = 0; i < cSection->properties()->count(); ++i) {
            const int iId = cSection->properties()->idAt(i);
            texts << cSection->properties()->valueOf(iId) << cSection->properties()->codeOf(iId);
        }
    }
    for (const CInspectionEvent *cEvent : allEvents()) {
        texts << cEvent->text() << cEvent->abbreviation();
        for (int i = 0; i < cEvent->properties()->count(); ++i)
            texts << cEvent->properties()->valueOf(cEvent->properties()->idAt(i));
    }
    int iNonAscii = 0;
    for (const QString &sText : std::as_const(texts)) {
        QVERIFY2(!sText.contains(QLatin1Char('\\')), qPrintable(sText));
        QVERIFY2(!sText.contains(QChar(0xfffd)), qPrintable(sText));
        QVERIFY2(!sText.startsWith(QLatin1Char('"')) && !sText.startsWith(QStringLiteral("@@")), qPrintable(sText));
        for (const QChar ch : sText) {
            QVERIFY2(ch.isPrint(), qPrintable(sText));
            if (ch.unicode() > 0x7f)
                ++iNonAscii;
        }
    }
    QVERIFY(iNonAscii > 0);

    // Both spellings really occur in the files.
    QFile segments(segmentsFilePath(dir()));
    QVERIFY(segments.open(QIODevice::ReadOnly));
    const QByteArray data = segments.readAll();
    QVERIFY(data.contains("\\x00"));
    QVERIFY(data.contains(QByteArray::fromHex("c3")));
}

enum class Coverage {
    NoEvents,
    ManyEvents,
    CrowdedEvents,
    AgainstFlow,
    SingleNegative,
    TwoVideos,
    FeetFile,
    MetreFile
};

void TestDemoProject::coversTheViewer_data()
{
    QTest::addColumn<int>("iCase");
    QTest::addRow("a section without events") << int(Coverage::NoEvents);
    QTest::addRow("a protocol over pages (45+ events)") << int(Coverage::ManyEvents);
    QTest::addRow("events closer than a table row") << int(Coverage::CrowdedEvents);
    QTest::addRow("an inspection against the flow") << int(Coverage::AgainstFlow);
    QTest::addRow("a single event at a negative position") << int(Coverage::SingleNegative);
    QTest::addRow("a section with two videos") << int(Coverage::TwoVideos);
    QTest::addRow("an inclination file in feet") << int(Coverage::FeetFile);
    QTest::addRow("an inclination file in metres") << int(Coverage::MetreFile);
}

void TestDemoProject::coversTheViewer()
{
    QFETCH(int, iCase);
    QVERIFY(m_cRuntime && m_cRuntime->inspectionStandard());
    const CInspectionStandard *cStandard = m_cRuntime->inspectionStandard();
    auto inclinationUnit = [this](const CInspectionSegment *cSection) {
        const std::unique_ptr<CInclinationData> cData =
            readInclinationFile(mediaFilePath(inclinationDirectory(dir()), cSection->inclinationFile()));
        return cData ? (cData->header().isInFeet() ? 2 : 1) : 0;
    };
    bool bFound = false;
    for (const CInspectionSegment *cSection : sections()) {
        const CEventList *cEvents = cSection->events();
        switch (Coverage(iCase)) {
        case Coverage::NoEvents: bFound |= cEvents->count() == 0; break;
        case Coverage::ManyEvents: bFound |= cEvents->count() >= 45; break;
        case Coverage::CrowdedEvents:
            for (int i = 1; i < cEvents->count(); ++i) {
                const float fGap = cEvents->at(i)->meterValue() - cEvents->at(i - 1)->meterValue();
                bFound |= fGap > 0.0f && fGap < 0.1f;
            }
            break;
        case Coverage::AgainstFlow:
            bFound |= cStandard->inspectionDirection(cSection) == CInspectionStandard::DirectionAgainst;
            break;
        case Coverage::SingleNegative: bFound |= cEvents->count() == 1 && cEvents->at(0)->meterValue() < 0.0f; break;
        case Coverage::TwoVideos: bFound |= cSection->videoFiles().size() >= 2; break;
        case Coverage::FeetFile:
            bFound |= !cSection->inclinationFile().isEmpty() && inclinationUnit(cSection) == 2;
            break;
        case Coverage::MetreFile:
            bFound |= !cSection->inclinationFile().isEmpty() && inclinationUnit(cSection) == 1;
            break;
        }
    }
    QVERIFY(bFound);
    // Every other section of the protocol is inspected in flow direction.
    if (Coverage(iCase) == Coverage::AgainstFlow) {
        for (const CInspectionSegment *cSection : sections())
            QVERIFY(cStandard->inspectionDirection(cSection) != CInspectionStandard::DirectionUnknown);
    }
}

void TestDemoProject::sectionsAreNotWrittenInOrder()
{
    // Loading must sort; the file keeps its sections in recording order,
    // which is neither numeric nor string order.
    QFile file(segmentsFilePath(dir()));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QList<int> ids;
    QStringList names;
    while (!file.atEnd()) {
        const QString sLine = QString::fromUtf8(file.readLine()).trimmed();
        if (sLine.startsWith(QLatin1Char('[')) && sLine.endsWith(QLatin1Char(']'))) {
            names << sLine.mid(1, sLine.size() - 2);
            ids << names.last().toInt();
        }
    }
    QVERIFY(ids.size() >= 6);
    QList<int> sortedIds = ids;
    std::sort(sortedIds.begin(), sortedIds.end());
    QStringList sortedNames = names;
    sortedNames.sort();
    QVERIFY(ids != sortedIds);
    QVERIFY(names != sortedNames);
    QCOMPARE(sections().size(), ids.size());
    for (int i = 0; i < sections().size(); ++i)
        QCOMPARE(sections().at(i)->id(), sortedIds.at(i));
}

void TestDemoProject::videosMatchTheirEvents()
{
    QVERIFY(project());
    const QString sVideos = videosDirectory(dir());
    for (const CInspectionSegment *cSection : sections()) {
        QVERIFY2(!cSection->videoFiles().isEmpty(), qPrintable(cSection->name()));
        QHash<QString, double> durations;
        for (const QString &sName : cSection->videoFiles()) {
            const QString sPath = mediaFilePath(sVideos, sName);
            const double dSeconds = webmDuration(sPath);
            QVERIFY2(dSeconds >= 3.0 && dSeconds <= 30.0, qPrintable(sPath + QStringLiteral(" %1").arg(dSeconds)));
            durations.insert(sName, dSeconds);
        }
        const double dLength = sectionLength(cSection);
        QVERIFY2(dLength > 0.0, qPrintable(cSection->name()));
        for (int i = 0; i < cSection->events()->count(); ++i) {
            const CInspectionEvent *cEvent = cSection->events()->at(i);
            const QString sWhere = cSection->name() + QStringLiteral(" @ ") + QString::number(cEvent->meterValue());
            // The event's video is one of its section's, and the time index
            // lies inside it, so the player can seek there.
            QVERIFY2(durations.contains(cEvent->videoFile()), qPrintable(sWhere));
            const unsigned int uiSecond =
                cEvent->videoHour() * 3600 + cEvent->videoMinute() * 60 + cEvent->videoSecond();
            QVERIFY2(uiSecond < durations.value(cEvent->videoFile()), qPrintable(sWhere));
            QVERIFY2(cEvent->meterValue() >= -2.0f && cEvent->meterValue() <= dLength + 0.01, qPrintable(sWhere));
        }
    }
}

void TestDemoProject::photosAreRealPictures()
{
    QVERIFY(project());
    const QString sPhotos = photosDirectory(dir());
    const QRegularExpression photoNumber(QStringLiteral("\\d{4}\\.jpg$"));
    int iWithPhoto = 0;
    const QList<const CInspectionEvent *> events = allEvents();
    for (const CInspectionEvent *cEvent : events) {
        if (!cEvent->imageFile().isEmpty())
            ++iWithPhoto;
        else
            QVERIFY(cEvent->imageFile2().isEmpty());
        for (const QString &sName : {cEvent->imageFile(), cEvent->imageFile2()}) {
            if (sName.isEmpty())
                continue;
            // The protocol prints the four digits before the extension.
            QVERIFY2(photoNumber.match(sName).hasMatch(), qPrintable(sName));
            const QImage image(mediaFilePath(sPhotos, sName));
            QVERIFY2(!image.isNull(), qPrintable(sName));
            QVERIFY2(image.width() >= 640 && image.height() >= 480, qPrintable(sName));
            QVERIFY2(hasContent(image), qPrintable(sName));
        }
    }
    QVERIFY(events.size() >= 60);
    QVERIFY2(iWithPhoto * 3 >= events.size() * 2, qPrintable(QString::number(iWithPhoto)));
}

void TestDemoProject::eventsAreCodedForTheCatalog()
{
    QVERIFY(m_cRuntime && m_cRuntime->inspectionStandard() && m_cRuntime->damageClassList());
    const CInspectionStandard *cStandard = m_cRuntime->inspectionStandard();
    QStringList classes;
    for (int i = 0; i < cStandard->damageClassCount(); ++i)
        classes << cStandard->damageClassAt(i);
    const QString sDelimiter = cStandard->textDelimiter();
    QVERIFY(!sDelimiter.isEmpty());
    const QRegularExpression code(QStringLiteral("^B[A-D][A-Z]$"));
    QSet<QString> usedClasses;
    for (const CInspectionEvent *cEvent : allEvents()) {
        const QString sWhere = cEvent->abbreviation() + QLatin1Char(' ') + cEvent->text();
        QVERIFY2(code.match(cEvent->abbreviation()).hasMatch(), qPrintable(sWhere));
        // Main text and detail, as the tree splits them.
        const QStringList parts = cEvent->text().split(sDelimiter);
        QVERIFY2(parts.size() == 2 && !parts.at(0).isEmpty() && !parts.at(1).isEmpty(), qPrintable(sWhere));
        QVERIFY2(cEvent->properties()->contains(200001), qPrintable(sWhere));
        const QString sClass = cEvent->properties()->valueOf(200001);
        QVERIFY2(classes.contains(sClass), qPrintable(sWhere + QStringLiteral(" class ") + sClass));
        QColor colour;
        QVERIFY2(m_cRuntime->damageClassList()->damageClassColour(sClass, &colour), qPrintable(sClass));
        usedClasses.insert(sClass);
    }
    // The legend and the row colours show a spread of classes.
    QVERIFY2(usedClasses.size() >= 5, qPrintable(QStringList(usedClasses.values()).join(QLatin1Char(','))));
}

void TestDemoProject::inclinationFiles_data()
{
    QTest::addColumn<int>("iSection");
    int iRows = 0;
    for (int i = 0; i < sections().size(); ++i) {
        if (sections().at(i)->inclinationFile().isEmpty())
            continue;
        QTest::addRow("%s", qPrintable(sections().at(i)->inclinationFile())) << i;
        ++iRows;
    }
    if (iRows == 0)
        QTest::addRow("no section names an inclination file") << -1;
}

void TestDemoProject::inclinationFiles()
{
    QFETCH(int, iSection);
    QVERIFY(iSection >= 0);
    const CInspectionSegment *cSection = sections().at(iSection);
    const QString sPath = mediaFilePath(inclinationDirectory(dir()), cSection->inclinationFile());
    const std::unique_ptr<CInclinationData> cData = readInclinationFile(sPath);
    QVERIFY2(cData, qPrintable(sPath));
    QVERIFY(cData->pointCount() >= 10);
    const InclinationPoints points = cData->points();
    // Distances arrive in metres whatever the file's unit: a feet file that
    // is not marked as such would end far beyond the section.
    // The measurement ends at the section's end: the chart's length is the
    // section's.
    QVERIFY2(std::abs(points.last().fX - sectionLength(cSection)) < 0.01,
             qPrintable(QStringLiteral("%1 vs %2").arg(points.last().fX).arg(sectionLength(cSection))));
    QCOMPARE(points.first().fX, 0.0f);
    // The measured fall agrees with the manhole altitudes, so the chart's
    // correction stays small. A section inspected against the flow was
    // measured from its end node (the standard names nodes upstream first).
    const CInspectionStandard *pStandard = m_cRuntime->inspectionStandard();
    const bool bFromEndNode = pStandard->usesDefaultNodeConvention() == 0
                              && pStandard->inspectionDirection(cSection) == CInspectionStandard::DirectionAgainst;
    const CInclinationProfile profile(pStandard, cSection, points, bFromEndNode);
    // The file's header names the manhole the measurement starts at and its
    // altitude: the section's node and manhole altitude of that end.
    const CInclinationHeader &cHeader = cData->header();
    const double dFeet = cHeader.field(CInclinationHeader::Unit) == QLatin1String("ft") ? 0.3048 : 1.0;
    const int iStartNode = bFromEndNode ? 2 : 1;
    QCOMPARE(cHeader.startManhole(), cSection->properties()->valueOf(iStartNode));
    QCOMPARE(cHeader.endManhole(), cSection->properties()->valueOf(3 - iStartNode));
    const float fStart =
        bFromEndNode ? pStandard->endManholeAltitude(cSection) : pStandard->startManholeAltitude(cSection);
    const float fEnd =
        bFromEndNode ? pStandard->startManholeAltitude(cSection) : pStandard->endManholeAltitude(cSection);
    QVERIFY(std::abs(cHeader.field(CInclinationHeader::StartAltitude).toDouble() * dFeet - fStart) < 0.005);
    QVERIFY(std::abs(cHeader.field(CInclinationHeader::EndAltitude).toDouble() * dFeet - fEnd) < 0.005);
    QVERIFY2(std::abs(profile.inclinationCorrection()) < 0.3f,
             qPrintable(QString::number(profile.inclinationCorrection())));
    QVERIFY(profile.pipeDiameter() > 0.0f);
}

void TestDemoProject::reportLogo()
{
    const QImage logo(dir() + QStringLiteral("logo.bmp"));
    QVERIFY(!logo.isNull());
    QVERIFY(logo.width() >= 100 && logo.height() >= 40);
    QVERIFY(logo.width() <= 4500 && logo.height() <= 1700);
    QVERIFY(hasContent(logo));
    QFile text(dir() + QStringLiteral("logo.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QByteArray data = text.readAll();
    QVERIFY(!data.trimmed().isEmpty());
    QVERIFY(isValidUtf8(data));
}

void TestDemoProject::directoryIsSmallAndComplete()
{
    QVERIFY(project());
    QSet<QString> referenced{QStringLiteral("project.dat"), QStringLiteral("segments.dat"), QStringLiteral("logo.bmp"),
                             QStringLiteral("logo.txt")};
    for (const CInspectionSegment *cSection : sections()) {
        referenced.insert(QStringLiteral("%1.evtdat").arg(cSection->id()));
        for (const QString &sName : cSection->videoFiles())
            referenced.insert(QStringLiteral("Videos/") + sName);
        if (!cSection->inclinationFile().isEmpty())
            referenced.insert(QStringLiteral("Inclination/") + cSection->inclinationFile());
        for (int i = 0; i < cSection->events()->count(); ++i) {
            const CInspectionEvent *cEvent = cSection->events()->at(i);
            for (const QString &sName : {cEvent->imageFile(), cEvent->imageFile2()})
                if (!sName.isEmpty())
                    referenced.insert(QStringLiteral("Photos/") + sName);
        }
    }
    // Nothing the viewer would not read, nothing it would miss, and small
    // enough to live in the repository.
    qint64 iTotal = 0;
    QSet<QString> present;
    QDirIterator it(dir(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        iTotal += info.size();
        present.insert(QDir(dir()).relativeFilePath(info.filePath()));
    }
    QCOMPARE(present - referenced, QSet<QString>());
    QCOMPARE(referenced - present, QSet<QString>());
    QVERIFY2(iTotal < 5 * 1024 * 1024, qPrintable(QString::number(iTotal)));
}

void TestDemoProject::iniValuesAreQuoted_data()
{
    QTest::addColumn<QString>("sFile");
    QTest::addRow("project.dat") << QStringLiteral("project.dat");
    QTest::addRow("segments.dat") << QStringLiteral("segments.dat");
    const QStringList eventFiles = QDir(dir()).entryList({QStringLiteral("*.evtdat")}, QDir::Files);
    for (const QString &sName : eventFiles)
        QTest::addRow("%s", qPrintable(sName)) << sName;
}

void TestDemoProject::iniValuesAreQuoted()
{
    QFETCH(QString, sFile);
    // The settings class splits an unquoted comma into a list and ends a
    // value at an unquoted semicolon: every such value must be quoted.
    QFile file(dir() + sFile);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray data = file.readAll();
    QVERIFY(isValidUtf8(data));
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty() || line.startsWith('['))
            continue;
        const qsizetype iEquals = line.indexOf('=');
        QVERIFY2(iEquals > 0, line.constData());
        const QByteArray value = line.mid(iEquals + 1);
        if (value.contains(',') || value.contains(';') || value.contains('='))
            QVERIFY2(value.startsWith('"') && value.endsWith('"'), line.constData());
    }
    // And the reading side agrees: no text value came back split.
    CIniReader reader(dir() + sFile);
    QVERIFY(reader.isReadable() || data.isEmpty());
    const QStringList groups = reader.childGroups();
    for (const QString &sGroup : groups) {
        reader.beginGroup(sGroup);
        const int iSize = reader.beginReadArray(QStringLiteral("property"));
        for (int i = 0; i < iSize; ++i) {
            reader.setArrayIndex(i);
            QVERIFY2(reader.value(QStringLiteral("value")).typeId() != QMetaType::QStringList, qPrintable(sGroup));
        }
        reader.endArray();
        if (reader.contains(QStringLiteral("text")))
            QVERIFY2(reader.value(QStringLiteral("text")).typeId() != QMetaType::QStringList, qPrintable(sGroup));
        reader.endGroup();
    }
}

QTEST_MAIN(TestDemoProject)
#include "tst_demoproject.moc"
