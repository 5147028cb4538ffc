#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>

// Draws what a sewer CCTV camera sees: the pipe in perspective with its
// joints, the flow, the manholes at both ends, the recorded defects, and the
// on-screen text of the camera system.

struct SceneFeature
{
    QString sCode, sChar1, sChar2;
    double dPosition = 0.0;
    int iClockFrom = 0, iClockTo = 0;
    quint32 uiSeed = 1;
};

struct ScenePipe
{
    double dDiameter = 0.3; // metres
    double dAspect = 1.0;   // height / width
    QColor cWall;
    double dJointSpacing = 2.5; // 0: masonry
    double dStart = 0.0, dEnd = 10.0;
    double dWaterLevel = 0.08;
    QList<SceneFeature> features;
    quint32 uiSeed = 1;
};

struct SceneView
{
    QSize size{640, 480};
    double dCamera = 0.0; // counter value
    double dLead = 1.2;   // the counter refers to a point this far ahead
    double dZoom = 1.0;
    QPointF focusShift; // shift of the vanishing point in pixels
    QStringList osdTopLeft, osdTopRight;
    QString sCounter;
    QString sCaption;
};

QImage renderScene(const ScenePipe &pipe, const SceneView &view);

// Screen point (relative to the vanishing point at zoom 1) of a feature seen
// from the given camera position; used to aim close-ups.
QPointF featureOffset(const ScenePipe &pipe, const SceneView &view, const SceneFeature &feature);
