#pragma once

#include "DemoContent.h"
#include "PipeScene.h"

#include <QString>

// Media files of the demo project: photos, videos, inclination measurements
// and the report logo.

bool writeJpeg(const QImage &image, const QString &sPath, int iQuality, QString *pError);

// Renders the camera run of one video (frames with QPainter) and encodes it
// to WebM/VP8 with gst-launch-1.0.
bool writeVideo(const ScenePipe &pipe, const DemoSection &section, const DemoVideo &video, const QString &sPath,
                QString *pError);

// Inclination measurement: header lines, "Values...", then distance;inclination.
bool writeInclination(const DemoSection &section, const QString &sCity, const QString &sPath, QString *pError);

bool writeLogo(const QString &sBmpPath, const QString &sTextPath, const QStringList &contractor, QString *pError);

// Counter position of the camera at a time of a video.
double cameraPosition(const DemoVideo &video, double dSeconds);
