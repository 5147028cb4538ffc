// Writes the bundled demo project: project.dat, segments.dat, one event file
// per section, photos, videos, inclination files and the report logo.
// Usage: demo-media <output directory>
#include "DemoContent.h"
#include "IniFileWriter.h"
#include "MediaFiles.h"
#include "PipeScene.h"

#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString decimal(double dValue, int iDigits = 2)
{
    return QString::number(dValue, 'f', iDigits);
}

ScenePipe scenePipe(const DemoSection &section)
{
    ScenePipe pipe;
    pipe.dDiameter = section.iWidthMm / 1000.0;
    pipe.dAspect = double(section.iHeightMm) / section.iWidthMm;
    pipe.cWall = section.cWall;
    pipe.dJointSpacing = section.dJointSpacing;
    pipe.dStart = 0.0;
    pipe.dEnd = section.dLength;
    pipe.dWaterLevel = section.dWaterLevel;
    pipe.uiSeed = quint32(section.iId * 7919);
    for (const DemoEvent &event : section.events) {
        SceneFeature f;
        f.sCode = event.sCode;
        f.sChar1 = event.sChar1;
        f.sChar2 = event.sChar2;
        f.dPosition = event.dPosition;
        f.iClockFrom = event.iClockFrom;
        f.iClockTo = event.iClockTo;
        f.uiSeed = quint32(section.iId * 1000 + event.iId);
        pipe.features << f;
    }
    return pipe;
}

// Photo names end in a four-digit number, which the report prints as the
// photo number; the video time index is where the camera passes the event.
void planMedia(DemoProject &project)
{
    int iPhoto = 1;
    for (DemoSection &section : project.sections) {
        std::vector<DemoEvent *> byPosition;
        for (DemoEvent &event : section.events)
            byPosition.push_back(&event);
        std::stable_sort(byPosition.begin(), byPosition.end(),
                         [](const DemoEvent *a, const DemoEvent *b) { return a->dPosition < b->dPosition; });
        for (DemoEvent *event : byPosition) {
            if (event->iPhotoCount >= 1)
                event->sImage1 = QString("%1_%2.jpg").arg(section.iId).arg(iPhoto++, 4, 10, QChar('0'));
            if (event->iPhotoCount >= 2)
                event->sImage2 = QString("%1_%2.jpg").arg(section.iId).arg(iPhoto++, 4, 10, QChar('0'));
            const DemoVideo *pVideo = &section.videos.first();
            for (const DemoVideo &video : section.videos) {
                if (event->dPosition >= std::min(video.dFrom, video.dTo) - 1e-6
                    && event->dPosition <= std::max(video.dFrom, video.dTo) + 1e-6) {
                    pVideo = &video;
                    break;
                }
            }
            event->sVideo = pVideo->sFile;
            const double dSpan = pVideo->dTo - pVideo->dFrom;
            const double t = dSpan == 0.0 ? 0.0 : (event->dPosition - pVideo->dFrom) / dSpan * pVideo->dTravelSeconds;
            event->iVideoSecond = std::clamp(int(std::floor(t)), 0, int(pVideo->dSeconds) - 1);
        }
    }
}

QStringList osdTitle(const DemoSection &section)
{
    return {QString("%1 > %2  DN%3 %4")
                .arg(section.sStartNode, section.sEndNode)
                .arg(section.iWidthMm)
                .arg(section.sMaterialCode),
            section.sStreet.toUpper()};
}

bool writePhotos(const DemoProject &project, const QString &sPhotoDir, QString *pError)
{
    for (const DemoSection &section : project.sections) {
        const ScenePipe pipe = scenePipe(section);
        const QString sDate = QDate::fromString(section.sDate, Qt::ISODate).toString("dd.MM.yyyy");
        const QTime start = QTime::fromString(section.sTime, "hh:mm");
        for (int i = 0; i < int(section.events.size()); ++i) {
            const DemoEvent &event = section.events.at(i);
            if (event.sImage1.isEmpty())
                continue;
            SceneView view;
            view.size = QSize(640, 480);
            view.dCamera = event.dPosition;
            view.osdTopLeft = osdTitle(section);
            view.osdTopRight << sDate << start.addSecs(60 * i + 17 * event.iId).toString("hh:mm:ss");
            view.sCounter = decimal(event.dPosition) + " m";
            view.sCaption = event.sCode + "  " + event.sText.section('|', 0, 0);
            if (!writeJpeg(renderScene(pipe, view), sPhotoDir + event.sImage1, 72, pError))
                return false;
            if (event.sImage2.isEmpty())
                continue;
            // Second photo: the camera head turned towards the defect and zoomed.
            view.dZoom = 2.2;
            const QPointF offset = featureOffset(pipe, view, pipe.features.at(i));
            view.focusShift = QPointF(std::clamp(-offset.x() * 2.2 * 0.85, -420.0, 420.0),
                                      std::clamp(-offset.y() * pipe.dAspect * 2.2 * 0.85, -330.0, 330.0));
            view.osdTopRight[1] = start.addSecs(60 * i + 17 * event.iId + 25).toString("hh:mm:ss");
            view.sCaption = event.sCode + "  ZOOM 2.2x";
            if (!writeJpeg(renderScene(pipe, view), sPhotoDir + event.sImage2, 72, pError))
                return false;
        }
    }
    return true;
}

using Element = QList<QPair<QString, QVariant>>;

Element property(int iId, const QString &sValue, const QString &sCode = QString())
{
    return {{"id", iId}, {"value", sValue}, {"code", sCode}};
}

QList<Element> addressBlock(const QStringList &values)
{
    QList<Element> elements;
    for (int i = 0; i < values.size(); ++i)
        elements << property(i + 1, values.at(i));
    return elements;
}

bool writeProjectFile(const DemoProject &project, const QString &sPath, QString *pError)
{
    IniFileWriter ini;
    ini.beginGroup("projectfile");
    ini.setValue("version", 3);
    ini.beginGroup("projectdata");
    ini.setValue("name", project.sName);
    ini.setValue("inspectionstandard", project.sStandard);
    ini.setValue("extendedproject", true);
    ini.setValue("created", "2024-04-15");            // ISO text ...
    ini.setValue("lastmodified", QDate(2024, 4, 19)); // ... and the settings class's own date value
    ini.beginGroup("client");
    ini.setArray("property", addressBlock(project.client));
    ini.beginGroup("officer");
    ini.setArray("property", addressBlock(project.officer));
    ini.beginGroup("contractor", true);
    ini.setArray("property", addressBlock(project.contractor));
    return ini.write(sPath, pError);
}

bool writeSegmentsFile(const DemoProject &project, const QString &sPath, QString *pError)
{
    IniFileWriter ini;
    for (const DemoSection &s : project.sections) {
        ini.beginGroup(QString::number(s.iId), s.bEscapeSegmentGroup);
        ini.setValue("name", s.sName);
        QList<Element> props{
            // The standard names nodes upstream first ("U-D"), so a section
            // inspected against the flow starts at its node 2.
            property(1, s.bAgainstFlow ? s.sEndNode : s.sStartNode),
            property(2, s.bAgainstFlow ? s.sStartNode : s.sEndNode),
            property(3, QString::number(s.iId)),
            property(4, s.bAgainstFlow ? "Against flow direction" : "In flow direction", s.bAgainstFlow ? "U" : "D"),
            property(5, s.sShape, s.sShapeCode),
            property(6, QString::number(s.iWidthMm)),
            property(7, QString::number(s.iHeightMm)),
            property(8, s.sMaterial, s.sMaterialCode),
            property(9, decimal(s.dLength)),
        };
        if (s.dJointSpacing > 0)
            props << property(10, decimal(s.dJointSpacing));
        props << property(13, s.sLocation, s.sLocationCode) << property(18, s.sDate) << property(19, s.sTime)
              << property(20, s.sOperator) << property(21, "OS-KT 214") << property(22, "Orion 3.0 pan/tilt, zoom")
              << property(23, s.sWeather, s.sWeatherCode) << property(24, s.sPurpose, s.sPurposeCode)
              << property(29, s.sStreet) << property(30, project.sCity) << property(31, s.sDistrict)
              << property(35, QString::number(s.iYear)) << property(36, s.sUse, s.sUseCode) << property(40, s.sRemarks)
              << property(42, decimal(1.80 + 0.07 * (s.iId % 9))) << property(43, decimal(1.95 + 0.05 * (s.iId % 7)));
        const bool bAbandoned = s.events.size() == 1 && s.events.front().sCode == "BDC";
        int iWorst = 0;
        for (const DemoEvent &e : s.events)
            iWorst = std::max(iWorst, e.iDamageClass);
        props << property(48, decimal(bAbandoned ? 0.0 : s.dLength))
              << property(49, bAbandoned ? "Yes" : "No", bAbandoned ? "Y" : "N");
        if (bAbandoned)
            props << property(50, "Obstacle", "C");
        // The manhole altitudes belong to the nodes, in the nodes' order.
        props << property(54, QString::number(iWorst))
              << property(61, decimal(s.bAgainstFlow ? s.dEndAltitude : s.dStartAltitude))
              << property(62, decimal(s.bAgainstFlow ? s.dStartAltitude : s.dEndAltitude))
              << property(75, QString("%1 %").arg(qRound(s.dWaterLevel * 100)));
        ini.setArray("property", props);
        ini.setValue("inclinationfile", s.sInclinationFile);
        QList<Element> videos;
        for (const DemoVideo &v : s.videos)
            videos << Element{{"name", v.sFile}};
        ini.setArray("videofile", videos);
    }
    return ini.write(sPath, pError);
}

bool writeEventFile(const DemoSection &s, const QString &sPath, QString *pError)
{
    IniFileWriter ini;
    for (const DemoEvent &e : s.events) {
        ini.beginGroup(QString::number(e.iId), s.bEscapeEventFile);
        ini.setValue("text", e.sText);
        ini.setValue("abbreviation", e.sCode);
        ini.setValue("imagefile", e.sImage1);
        ini.setValue("imagefile2", e.sImage2);
        ini.setValue("videofile", e.sVideo);
        ini.setValue("metervalue", e.dPosition);
        ini.setValue("video-hour", 0);
        ini.setValue("video-minute", e.iVideoSecond / 60);
        ini.setValue("video-second", e.iVideoSecond % 60);
        QList<Element> props;
        const QString sChar1 = characterisationValue(e.sCode, e.sChar1, e.sChar2, 1);
        const QString sChar2 = characterisationValue(e.sCode, e.sChar1, e.sChar2, 2);
        if (!sChar1.isEmpty())
            props << property(1, sChar1, e.sChar1);
        if (!sChar2.isEmpty())
            props << property(2, sChar2, e.sChar2);
        if (!e.sQuantity.isEmpty())
            props << property(3, e.sQuantity);
        if (e.iClockFrom > 0)
            props << property(5, QString::number(e.iClockFrom));
        if (e.iClockTo > 0)
            props << property(6, QString::number(e.iClockTo));
        if (!e.sRemark.isEmpty())
            props << property(8, e.sRemark);
        props << property(200001, QString::number(e.iDamageClass), QString::number(e.iDamageClass));
        ini.setArray("property", props);
    }
    return ini.write(sPath, pError);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        err() << "usage: demo-media <output directory>\n";
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".") || !out.mkpath("Photos") || !out.mkpath("Videos") || !out.mkpath("Inclination")) {
        err() << "cannot create the output directories\n";
        return 1;
    }
    const QString sDir = out.absolutePath() + '/';

    DemoProject project = buildDemoProject();
    planMedia(project);

    QString sError;
    bool bOk = writeProjectFile(project, sDir + "project.dat", &sError)
               && writeSegmentsFile(project, sDir + "segments.dat", &sError);
    for (const DemoSection &s : project.sections) {
        if (!bOk)
            break;
        bOk = writeEventFile(s, sDir + QString("%1.evtdat").arg(s.iId), &sError);
        if (bOk && !s.sInclinationFile.isEmpty())
            bOk = writeInclination(s, project.sCity, sDir + "Inclination/" + s.sInclinationFile, &sError);
        for (const DemoVideo &v : s.videos) {
            if (bOk)
                bOk = writeVideo(scenePipe(s), s, v, sDir + "Videos/" + v.sFile, &sError);
        }
    }
    bOk = bOk && writePhotos(project, sDir + "Photos/", &sError)
          && writeLogo(sDir + "logo.bmp", sDir + "logo.txt", project.contractor, &sError);
    if (!bOk) {
        err() << "demo-media: " << sError << '\n';
        return 1;
    }

    QTextStream summary(stdout);
    for (const DemoSection &s : project.sections) {
        summary << "section " << s.iId << " (" << s.sName << "): " << s.events.size() << " events, " << s.videos.size()
                << " video(s)";
        if (!s.sInclinationFile.isEmpty())
            summary << ", inclination " << s.sInclinationFile << (s.bInclinationFeet ? " (ft)" : " (m)");
        summary << '\n';
    }
    return 0;
}
