#include "MediaFiles.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTime>

#include <cmath>

namespace {
constexpr int kVideoWidth = 320;
constexpr int kVideoHeight = 240;
constexpr int kFramesPerSecond = 12;
} // namespace

bool writeJpeg(const QImage &image, const QString &sPath, int iQuality, QString *pError)
{
    QImageWriter writer(sPath, "jpeg");
    writer.setQuality(iQuality);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image)) {
        *pError = sPath + ": " + writer.errorString();
        return false;
    }
    return true;
}

double cameraPosition(const DemoVideo &video, double dSeconds)
{
    const double t = std::clamp(dSeconds / video.dTravelSeconds, 0.0, 1.0);
    return video.dFrom + (video.dTo - video.dFrom) * t;
}

bool writeVideo(const ScenePipe &pipe, const DemoSection &section, const DemoVideo &video, const QString &sPath,
                QString *pError)
{
    QTemporaryDir frames;
    if (!frames.isValid()) {
        *pError = "no temporary directory";
        return false;
    }
    const int iFrames = int(std::lround(video.dSeconds * kFramesPerSecond));
    const QTime start = QTime::fromString(section.sTime, "hh:mm");
    const QString sDate = QDate::fromString(section.sDate, Qt::ISODate).toString("dd.MM.yyyy");
    for (int i = 0; i < iFrames; ++i) {
        const double t = double(i) / kFramesPerSecond;
        SceneView view;
        view.size = QSize(kVideoWidth, kVideoHeight);
        view.dCamera = cameraPosition(video, t);
        view.osdTopLeft << QString("%1 > %2").arg(section.sStartNode, section.sEndNode) << section.sStreet.toUpper();
        view.osdTopRight << sDate << start.addSecs(int(t)).toString("hh:mm:ss");
        view.sCounter = QString::number(view.dCamera, 'f', 2) + " m";
        // Name the observation while the camera passes it, as the operator's
        // system does.
        for (const DemoEvent &event : section.events)
            if (std::abs(event.dPosition - view.dCamera) < 0.35)
                view.sCaption = event.sCode;
        const QImage frame = renderScene(pipe, view);
        if (!writeJpeg(frame, frames.filePath(QString("frame%1.jpg").arg(i, 4, 10, QChar('0'))), 92, pError))
            return false;
    }
    const QStringList args{"-q",
                           "multifilesrc",
                           "location=" + frames.filePath("frame%04d.jpg"),
                           "index=0",
                           QString("caps=image/jpeg,framerate=(fraction)%1/1").arg(kFramesPerSecond),
                           "!",
                           "jpegdec",
                           "!",
                           "videoconvert",
                           "!",
                           "vp8enc",
                           "target-bitrate=160000",
                           QString("keyframe-max-dist=%1").arg(kFramesPerSecond),
                           "deadline=1",
                           "cpu-used=4",
                           "!",
                           "webmmux",
                           "!",
                           "filesink",
                           "location=" + sPath};
    QProcess gst;
    gst.start("gst-launch-1.0", args);
    if (!gst.waitForFinished(120000) || gst.exitStatus() != QProcess::NormalExit || gst.exitCode() != 0) {
        *pError = sPath + ": gst-launch-1.0 failed: " + QString::fromLocal8Bit(gst.readAllStandardError());
        return false;
    }
    if (!QFileInfo(sPath).isFile() || QFileInfo(sPath).size() < 1000) {
        *pError = sPath + ": no video written";
        return false;
    }
    return true;
}

bool writeInclination(const DemoSection &section, const QString &sCity, const QString &sPath, QString *pError)
{
    // Measured every half metre (metres) or every two feet; the pipe sags a
    // little between the manholes, as old sewers do.
    const bool bFeet = section.bInclinationFeet;
    const double dToUnit = bFeet ? 1.0 / 0.3048 : 1.0;
    const double dLength = section.dLength * dToUnit;
    const double dStep = bFeet ? 2.0 : 0.5;
    const double dSlope = (section.dEndAltitude - section.dStartAltitude) / section.dLength * 100.0;
    const QString sEol = bFeet ? "\n" : "\r\n";
    QString sText;
    QTextStream out(&sText);
    out << "Date:" << section.sDate << sEol << "Visa:KB" << sEol << "Location:" << sCity << sEol
        << "Street:" << section.sStreet << sEol << "Start ManHole:" << section.sStartNode << sEol
        << "End ManHole:" << section.sEndNode << sEol << "Unit:" << (bFeet ? "ft" : "m") << sEol
        << "Start Altitude:" << QString::number(section.dStartAltitude * dToUnit, 'f', 2) << sEol
        << "End Altitude:" << QString::number(section.dEndAltitude * dToUnit, 'f', 2) << sEol << "Start Offset:0.00"
        << sEol << "End Length:" << QString::number(dLength, 'f', 2) << sEol << "Pipe Shape:" << section.sShape << sEol
        << "Pipe Height:" << section.iHeightMm << sEol << "Pipe Width:" << section.iWidthMm << sEol << "Class A:0.5"
        << sEol << "Class B:1.0" << sEol << "Class C:2.0" << sEol << "Scale Alt:1:20" << sEol << "Scale Pos:1:250"
        << sEol << "Values..." << sEol;
    // The carriage measures from the manhole where the inspection starts
    // (Start ManHole) to the other one, the last value at the section's end.
    QList<double> distances;
    for (double d = 0.0; d < dLength - 0.005; d += dStep)
        distances << d;
    distances << dLength;
    for (const double d : distances) {
        const double x = d / dLength;
        const double dIncl = dSlope + 0.45 * std::sin(2 * 3.14159265 * x * 1.5) + 0.07 * std::sin(d * 2.3);
        out << QString::number(d, 'f', 2) << ';' << QString::number(dIncl, 'f', 2) << sEol;
    }
    out.flush();
    QFile file(sPath);
    const QByteArray data = sText.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        *pError = "cannot write " + sPath;
        return false;
    }
    return true;
}

bool writeLogo(const QString &sBmpPath, const QString &sTextPath, const QStringList &contractor, QString *pError)
{
    QImage logo(400, 120, QImage::Format_RGB888);
    logo.fill(Qt::white);
    {
        QPainter p(&logo);
        p.setRenderHint(QPainter::Antialiasing);
        // A pipe cross-section with a camera eye, the firm's sign.
        p.setPen(QPen(QColor(0, 82, 147), 9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(60, 60), 42, 42);
        QRadialGradient lens(QPointF(56, 56), 22);
        lens.setColorAt(0.0, QColor(120, 200, 255));
        lens.setColorAt(1.0, QColor(0, 60, 110));
        p.setPen(Qt::NoPen);
        p.setBrush(lens);
        p.drawEllipse(QPointF(60, 60), 18, 18);
        p.setBrush(QColor(0, 150, 70));
        p.drawChord(QRectF(18, 18, 84, 84), 200 * 16, 140 * 16);
        QFont name("DejaVu Sans");
        name.setBold(true);
        name.setPixelSize(30);
        p.setPen(QColor(0, 82, 147));
        p.setFont(name);
        p.drawText(QRectF(118, 18, 280, 40), Qt::AlignLeft | Qt::AlignVCenter, "Kanaltechnik");
        name.setPixelSize(24);
        p.setFont(name);
        p.setPen(QColor(0, 150, 70));
        p.drawText(QRectF(118, 56, 280, 32), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Büttner GmbH"));
        QFont small("DejaVu Sans");
        small.setPixelSize(13);
        p.setFont(small);
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRectF(118, 88, 280, 22), Qt::AlignLeft | Qt::AlignVCenter, "TV-Inspektion seit 1987");
    }
    if (!logo.save(sBmpPath, "BMP")) {
        *pError = "cannot write " + sBmpPath;
        return false;
    }
    const QString sText = contractor.value(0) + '\n' + contractor.value(4) + '\n' + contractor.value(5) + '\n' + "Tel. "
                          + contractor.value(6) + '\n' + contractor.value(9) + '\n';
    QFile file(sTextPath);
    const QByteArray data = sText.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        *pError = "cannot write " + sTextPath;
        return false;
    }
    return true;
}
