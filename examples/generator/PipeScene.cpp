#include "PipeScene.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNearest = 0.22;

struct Projection
{
    double dK = 1.0; // screen radius at one metre
    double dCamera = 0.0;
    double dLead = 1.2; // the counter point lies this far ahead of the lens
    double dFeatureLead = 1.2;
    double dDiameter = 0.3;

    // Depth of pipe geometry (joints, manholes, water) and of recorded features.
    double dz(double dPosition) const { return dPosition - dCamera + dLead; }
    double dzf(double dPosition) const { return dPosition - dCamera + dFeatureLead; }
    double radius(double dDz) const { return dK / dDz; }
    // Normalised depth: pipes of every size look alike at the same dzn.
    double dzn(double dDz) const { return dDz * 0.3 / dDiameter; }
    QPointF wall(double dClock, double dDz, double dRadius = 1.0) const
    {
        const double a = -kPi / 2 + dClock * kPi / 6;
        const double r = radius(dDz) * dRadius;
        return {std::cos(a) * r, std::sin(a) * r};
    }
};

double brightness(double dDzn)
{
    return std::clamp(std::pow(1.5 / (0.55 + dDzn), 1.2), 0.0, 1.1);
}

QColor shade(const QColor &c, double dFactor, int iAlpha = 255)
{
    return QColor(std::clamp(int(c.red() * dFactor), 0, 255), std::clamp(int(c.green() * dFactor), 0, 255),
                  std::clamp(int(c.blue() * dFactor), 0, 255), iAlpha);
}

double rnd(QRandomGenerator &rng, double dFrom, double dTo)
{
    return dFrom + (dTo - dFrom) * rng.generateDouble();
}

// Clock positions from..to running clockwise; a single position spans +-1 h.
void clockRange(const SceneFeature &f, double &dFrom, double &dTo)
{
    if (f.iClockFrom <= 0) {
        dFrom = 11;
        dTo = 13;
    } else if (f.iClockTo <= 0) {
        dFrom = f.iClockFrom - 0.8;
        dTo = f.iClockFrom + 0.8;
    } else {
        dFrom = f.iClockFrom;
        dTo = f.iClockTo < f.iClockFrom ? f.iClockTo + 12 : f.iClockTo;
    }
}

void drawWall(QPainter &p, const ScenePipe &pipe, const Projection &proj, const QSize &size)
{
    const double dNear = 0.2 * pipe.dDiameter / 0.3;
    QRadialGradient gradient(QPointF(0, 0), proj.radius(dNear));
    gradient.setColorAt(0.0, Qt::black);
    static const double aDzn[] = {40, 30, 20, 14, 10, 7, 5, 4, 3, 2.5, 2, 1.6, 1.3, 1.0, 0.8, 0.6, 0.45, 0.3, 0.2};
    for (double dzn : aDzn)
        gradient.setColorAt(0.2 / dzn, shade(pipe.cWall, brightness(dzn)));
    p.fillRect(QRectF(-size.width() * 4, -size.height() * 4, size.width() * 8, size.height() * 8), gradient);
}

void drawTexture(QPainter &p, const ScenePipe &pipe, const Projection &proj)
{
    QRandomGenerator rng(pipe.uiSeed);
    const int iCount = int((pipe.dEnd - pipe.dStart) * 3) + 10;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < iCount; ++i) {
        const double dPos = rnd(rng, pipe.dStart, pipe.dEnd);
        const double dClock = rnd(rng, 0, 12);
        const double dSize = rnd(rng, 0.02, 0.08);
        const bool bDark = rng.bounded(3) != 0;
        const double dz = proj.dz(dPos);
        if (dz < kNearest || dz > 25 * pipe.dDiameter / 0.3)
            continue;
        const QPointF c = proj.wall(dClock, dz, 0.99);
        const double r = proj.radius(dz) * dSize;
        p.setBrush(shade(pipe.cWall, brightness(proj.dzn(dz)) * (bDark ? 0.6 : 1.25), 70));
        p.drawEllipse(c, r * 1.6, r);
    }
}

void drawJoints(QPainter &p, const ScenePipe &pipe, const Projection &proj)
{
    p.setBrush(Qt::NoBrush);
    const bool bMasonry = pipe.dJointSpacing <= 0.0;
    const double dSpacing = bMasonry ? 0.25 : pipe.dJointSpacing;
    const double dFar = 40.0 * pipe.dDiameter / 0.3;
    for (double dPos = std::ceil(pipe.dStart / dSpacing) * dSpacing; dPos < pipe.dEnd; dPos += dSpacing) {
        const double dz = proj.dz(dPos);
        if (dz < kNearest || dz > dFar)
            continue;
        const double b = brightness(proj.dzn(dz));
        const double r = proj.radius(dz);
        p.setPen(QPen(shade(pipe.cWall, b * (bMasonry ? 0.7 : 0.45), bMasonry ? 60 : 230),
                      std::max(1.0, r * (bMasonry ? 0.008 : 0.022))));
        p.drawEllipse(QPointF(0, 0), r, r);
        if (!bMasonry) {
            p.setPen(QPen(shade(pipe.cWall, b * 1.25, 160), std::max(1.0, r * 0.01)));
            p.drawEllipse(QPointF(0, 0), r * 1.015, r * 1.015);
        }
    }
}

void drawWater(QPainter &p, const ScenePipe &pipe, const Projection &proj)
{
    const double dzA = std::max(kNearest * 0.8, proj.dz(pipe.dStart));
    const double dzB = std::min(proj.dz(pipe.dEnd), 80.0);
    if (dzB <= dzA)
        return;
    const double y0 = 1.0 - 2.0 * pipe.dWaterLevel;
    const double w0 = std::sqrt(std::max(0.0, 1.0 - y0 * y0));
    const double rA = proj.radius(dzA), rB = proj.radius(dzB);
    const double aRight = std::atan2(y0, w0), aLeft = kPi - aRight;
    QPainterPath path;
    path.moveTo(-w0 * rA, y0 * rA);
    for (int i = 0; i <= 24; ++i) {
        const double a = aLeft - (aLeft - aRight) * i / 24.0;
        path.lineTo(std::cos(a) * rA, std::sin(a) * rA);
    }
    path.lineTo(w0 * rB, y0 * rB);
    path.lineTo(-w0 * rB, y0 * rB);
    path.closeSubpath();
    QLinearGradient gradient(QPointF(0, y0 * rB), QPointF(0, y0 * rA));
    gradient.setColorAt(0.0, QColor(10, 10, 7));
    gradient.setColorAt(0.3, QColor(62, 58, 38));
    gradient.setColorAt(1.0, QColor(128, 118, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPath(path);
    // Reflections of the camera light on the moving water.
    QRandomGenerator rng(pipe.uiSeed + 7);
    p.setPen(QPen(QColor(210, 210, 190, 70), std::max(1.0, rA * 0.004)));
    for (int i = 0; i < 14; ++i) {
        const double dz = rnd(rng, dzA * 1.2, std::min(dzB, dzA * 6));
        const double x = rnd(rng, -0.5, 0.5) * w0;
        const double r = proj.radius(dz);
        p.drawLine(QPointF((x - 0.08) * r, y0 * r), QPointF((x + 0.08) * r, y0 * r));
    }
}

void drawEndManhole(QPainter &p, const ScenePipe &pipe, const Projection &proj)
{
    const double dz = proj.dz(pipe.dEnd);
    if (dz < kNearest || dz > 80)
        return;
    const double r = proj.radius(dz);
    const double b = brightness(proj.dzn(dz)) * 0.9;
    QRadialGradient gradient(QPointF(0, -r * 0.2), r * 1.1);
    gradient.setColorAt(0.0, shade(QColor(185, 182, 172), b * 1.2));
    gradient.setColorAt(1.0, shade(QColor(120, 118, 110), b));
    p.setPen(QPen(shade(pipe.cWall, b * 0.4), std::max(1.0, r * 0.05)));
    p.setBrush(gradient);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Open channel through the manhole and the opposite outlet.
    p.setPen(Qt::NoPen);
    p.setBrush(shade(QColor(70, 68, 50), b));
    p.drawChord(QRectF(-r * 0.55, -r * 0.1, r * 1.1, r * 1.1), 180 * 16, 180 * 16);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(QPointF(0, r * 0.35), r * 0.28, r * 0.22);
}

void drawStartManhole(QPainter &p, const ScenePipe &pipe, const Projection &proj, const QSize &size)
{
    const double dz = proj.dz(pipe.dStart);
    if (dz < kNearest)
        return;
    const double r = proj.radius(dz);
    const double b = brightness(proj.dzn(dz) * 0.8);
    QPainterPath path;
    path.addRect(QRectF(-size.width() * 4, -size.height() * 4, size.width() * 8, size.height() * 8));
    path.addEllipse(QPointF(0, 0), r, r);
    path.setFillRule(Qt::OddEvenFill);
    QRadialGradient gradient(QPointF(0, 0), r * 3);
    gradient.setColorAt(0.3, shade(QColor(160, 158, 150), b));
    gradient.setColorAt(1.0, shade(QColor(95, 93, 88), b));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPath(path);
    // Benching below the pipe entrance and the rim of the entrance.
    p.setBrush(shade(QColor(110, 106, 96), b));
    p.drawRect(QRectF(-r * 4, r * 0.95, r * 8, r * 4));
    p.setBrush(shade(QColor(60, 58, 45), b));
    p.drawRect(QRectF(-r * 0.6, r * 0.92, r * 1.2, r * 4));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(QColor(200, 198, 190), b), std::max(1.0, r * 0.05)));
    p.drawEllipse(QPointF(0, 0), r, r);
}

void drawCrackLine(QPainter &p, const QPolygonF &points, double dWidth)
{
    p.setPen(QPen(QColor(20, 18, 16, 235), dWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points);
}

void drawCrack(QPainter &p, const SceneFeature &f, const Projection &proj, QRandomGenerator &rng)
{
    const double dz = proj.dzf(f.dPosition);
    const double dWidth = std::max(1.2, proj.radius(dz) * 0.012);
    double dFrom, dTo;
    clockRange(f, dFrom, dTo);
    auto longitudinal = [&](double dClock, double dStart, double dLength) {
        QPolygonF points;
        for (int i = 0; i <= 16; ++i) {
            const double dzi = std::max(kNearest, dz + dStart + dLength * i / 16.0);
            dClock += rnd(rng, -0.06, 0.06);
            points << proj.wall(dClock, dzi, 0.995);
        }
        drawCrackLine(p, points, dWidth);
    };
    auto circumferential = [&](double dA, double dB, double dAt) {
        QPolygonF points;
        for (int i = 0; i <= 28; ++i)
            points << proj.wall(dA + (dB - dA) * i / 28.0, std::max(kNearest, dz + dAt + rnd(rng, -0.015, 0.015)),
                                rnd(rng, 0.99, 1.0));
        drawCrackLine(p, points, dWidth);
    };
    if (f.sChar2 == "B") {
        circumferential(dFrom, dTo, 0.0);
    } else if (f.sChar2 == "C") {
        longitudinal(dFrom + 0.5, -0.3, 0.8);
        longitudinal((dFrom + dTo) / 2, -0.2, 1.0);
        longitudinal(dTo - 0.5, -0.4, 0.7);
        circumferential(dFrom, dTo, -0.1);
        circumferential(dFrom + 0.5, dTo - 0.3, 0.35);
    } else {
        longitudinal(f.iClockFrom > 0 ? f.iClockFrom : 12, -0.3, 0.9);
    }
}

void drawSurfaceDamage(QPainter &p, const SceneFeature &f, const ScenePipe &pipe, const Projection &proj,
                       QRandomGenerator &rng)
{
    double dFrom, dTo;
    clockRange(f, dFrom, dTo);
    const double dz0 = proj.dzf(f.dPosition);
    p.setPen(Qt::NoPen);
    const bool bMortar = f.sCode == "BAE";
    for (int i = 0; i < 170; ++i) {
        const double dz = std::max(kNearest, dz0 + rnd(rng, -0.25, 0.35));
        const QPointF c = proj.wall(rnd(rng, dFrom, dTo), dz, rnd(rng, 0.97, 1.0));
        const double r = proj.radius(dz) * rnd(rng, 0.008, 0.022);
        const double b = brightness(proj.dzn(dz));
        QColor colour = bMortar ? QColor(30, 22, 20) : (rng.bounded(2) ? QColor(205, 196, 175) : QColor(70, 66, 58));
        p.setBrush(shade(colour, b * 1.1, 220));
        p.drawEllipse(c, r * 1.4, r);
    }
    (void)pipe;
}

void drawJointDefect(QPainter &p, const SceneFeature &f, const ScenePipe &pipe, const Projection &proj)
{
    const double dz = proj.dzf(f.dPosition);
    const double r = proj.radius(dz);
    const double b = brightness(proj.dzn(dz));
    p.setBrush(Qt::NoBrush);
    if (f.sCode == "BAI") {
        double dFrom, dTo;
        clockRange(f, dFrom, dTo);
        QPolygonF ring;
        for (int i = 0; i <= 24; ++i) {
            const double t = i / 24.0;
            ring << proj.wall(dFrom + (dTo - dFrom) * t, dz, 0.96 - 0.07 * std::sin(kPi * t));
        }
        p.setPen(QPen(QColor(12, 12, 12), std::max(2.0, r * 0.045), Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(ring);
        return;
    }
    p.setPen(QPen(QColor(8, 8, 8, 235), std::max(2.0, r * 0.045)));
    p.drawEllipse(QPointF(0, 0), r, r);
    const double dShift = f.sChar1 == "B" ? r * 0.05 : 0.0;
    p.setPen(QPen(shade(pipe.cWall, b * 1.3), std::max(1.0, r * 0.018)));
    p.drawEllipse(QPointF(dShift, -dShift * 0.5), r * 0.975, r * 0.975);
}

void drawRoots(QPainter &p, const SceneFeature &f, const Projection &proj, QRandomGenerator &rng)
{
    double dFrom, dTo;
    clockRange(f, dFrom, dTo);
    const double dz = proj.dzf(f.dPosition);
    const double r = proj.radius(dz);
    const double b = std::min(1.0, brightness(proj.dzn(dz)) * 1.2);
    const bool bMass = f.sChar1 == "C";
    const int iStrands = bMass ? 46 : 16;
    if (bMass) {
        p.setPen(Qt::NoPen);
        p.setBrush(shade(QColor(120, 92, 55), b, 230));
        QPolygonF blob;
        for (int i = 0; i <= 20; ++i) {
            const double t = i / 20.0;
            blob << proj.wall(dFrom + (dTo - dFrom) * t, dz, 1.0 - 0.35 * std::sin(kPi * t) * rnd(rng, 0.8, 1.1));
        }
        p.drawPolygon(blob);
    }
    for (int i = 0; i < iStrands; ++i) {
        const QPointF base = proj.wall(rnd(rng, dFrom, dTo), dz + rnd(rng, -0.04, 0.04), 0.99);
        const double dReach = rnd(rng, 0.2, bMass ? 0.75 : 0.5);
        const QPointF end = base * (1.0 - dReach) + QPointF(rnd(rng, -0.15, 0.15) * r, rnd(rng, 0.05, 0.45) * r);
        const QPointF c1 = base * (1.0 - dReach * 0.3) + QPointF(rnd(rng, -0.1, 0.1) * r, 0.05 * r);
        const QPointF c2 = end + QPointF(rnd(rng, -0.1, 0.1) * r, -0.12 * r);
        QPainterPath path(base);
        path.cubicTo(c1, c2, end);
        const QColor colour = rng.bounded(3) ? QColor(176, 138, 86) : QColor(120, 84, 44);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(shade(colour, b, 235), std::max(1.0, r * rnd(rng, 0.005, bMass ? 0.02 : 0.012)), Qt::SolidLine,
                      Qt::RoundCap));
        p.drawPath(path);
    }
}

void drawInfiltration(QPainter &p, const SceneFeature &f, const Projection &proj, QRandomGenerator &rng)
{
    const double dz = proj.dzf(f.dPosition);
    const double r = proj.radius(dz);
    const double dClock = f.iClockFrom > 0 ? f.iClockFrom : 12;
    const int iStreaks = f.sChar1 == "C" ? 9 : f.sChar1 == "B" ? 6 : 4;
    const double dWidth = std::max(1.0, r * (f.sChar1 == "C" ? 0.016 : 0.007));
    for (int i = 0; i < iStreaks; ++i) {
        const double dStart = dClock + rnd(rng, -0.4, 0.4);
        const double dReach = rnd(rng, 0.12, f.sChar1 == "C" ? 0.45 : 0.3);
        QPolygonF line;
        for (int k = 0; k <= 12; ++k) {
            const double t = k / 12.0 * dReach;
            const double dC = dStart + (6.0 - dStart) * t; // runs down the wall
            line << proj.wall(dC, dz + 0.01 * k, 0.995);
        }
        const int iAlpha = int(190 * std::min(1.0, brightness(proj.dzn(dz))));
        p.setPen(QPen(QColor(215, 228, 235, iAlpha), dWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(line);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 245, 250, iAlpha));
        p.drawEllipse(line.last(), dWidth * 1.3, dWidth * 1.8);
    }
}

void drawDeposits(QPainter &p, const SceneFeature &f, const Projection &proj, QRandomGenerator &rng)
{
    const double dz1 = std::max(kNearest, proj.dzf(f.dPosition) - 0.35);
    const double dz2 = proj.dzf(f.dPosition) + 0.9;
    const double dSpread = f.sChar1 == "B" ? 1.7 : 1.3;
    QPolygonF mound;
    for (int i = 0; i <= 12; ++i)
        mound << proj.wall(6 - dSpread + 2 * dSpread * i / 12.0, dz1, 0.97 - 0.1 * std::sin(kPi * i / 12.0));
    for (int i = 12; i >= 0; --i)
        mound << proj.wall(6 - dSpread + 2 * dSpread * i / 12.0, dz2, 0.9);
    const double b = std::min(1.0, brightness(proj.dzn(dz1)) * 1.1);
    QLinearGradient gradient(mound.boundingRect().topLeft(), mound.boundingRect().bottomLeft());
    gradient.setColorAt(0.0, shade(QColor(120, 100, 70), b * 0.6));
    gradient.setColorAt(1.0, shade(QColor(165, 140, 98), b));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPolygon(mound);
    for (int i = 0; i < 60; ++i) {
        const double dz = rnd(rng, dz1, dz2);
        const QPointF c = proj.wall(rnd(rng, 6 - dSpread * 0.8, 6 + dSpread * 0.8), dz, 0.93);
        const double r = proj.radius(dz) * rnd(rng, 0.006, f.sChar1 == "B" ? 0.03 : 0.012);
        p.setBrush(shade(rng.bounded(2) ? QColor(90, 80, 62) : QColor(190, 170, 130), brightness(proj.dzn(dz))));
        p.drawEllipse(c, r, r * 0.7);
    }
}

void drawConnection(QPainter &p, const SceneFeature &f, const Projection &proj)
{
    const double dz = proj.dzf(f.dPosition);
    const double r = proj.radius(dz);
    const double dClock = f.iClockFrom > 0 ? f.iClockFrom : 2;
    const QPointF c = proj.wall(dClock, dz, 0.985);
    const double a = (-90 + dClock * 30);
    p.save();
    p.translate(c);
    p.rotate(a);
    const QRectF hole(-r * 0.1, -r * 0.19, r * 0.2, r * 0.38);
    if (f.sChar2 == "B") {
        p.setBrush(QColor(135, 134, 128));
    } else {
        QRadialGradient gradient(QPointF(r * 0.02, 0), r * 0.2);
        gradient.setColorAt(0.0, Qt::black);
        gradient.setColorAt(1.0, QColor(45, 40, 35));
        p.setBrush(gradient);
    }
    p.setPen(QPen(QColor(215, 210, 195), std::max(1.0, r * 0.012)));
    p.drawEllipse(hole);
    p.restore();
}

void drawObstacle(QPainter &p, const SceneFeature &f, const Projection &proj, QRandomGenerator &rng)
{
    const double dz = proj.dzf(f.dPosition) + 0.6;
    const double r = proj.radius(dz);
    QPolygonF stone;
    for (int i = 0; i < 14; ++i) {
        const double a = 2 * kPi * i / 14.0;
        const double dR = r * rnd(rng, 0.38, 0.55);
        stone << QPointF(std::cos(a) * dR * 1.2 - r * 0.1, std::sin(a) * dR * 0.8 + r * 0.42);
    }
    QLinearGradient gradient(QPointF(0, 0), QPointF(0, r));
    gradient.setColorAt(0.0, QColor(175, 165, 145));
    gradient.setColorAt(1.0, QColor(70, 62, 50));
    p.setPen(QPen(QColor(40, 36, 30), std::max(1.0, r * 0.015)));
    p.setBrush(gradient);
    p.drawPolygon(stone);
    p.setPen(QPen(QColor(60, 55, 45), std::max(1.0, r * 0.01)));
    p.drawLine(QPointF(-r * 0.3, r * 0.3), QPointF(r * 0.2, r * 0.55));
}

void drawFeature(QPainter &p, const SceneFeature &f, const ScenePipe &pipe, const Projection &proj)
{
    QRandomGenerator rng(f.uiSeed);
    if (f.sCode == "BAB")
        drawCrack(p, f, proj, rng);
    else if (f.sCode == "BAF" || f.sCode == "BAE")
        drawSurfaceDamage(p, f, pipe, proj, rng);
    else if (f.sCode == "BAJ" || f.sCode == "BAI")
        drawJointDefect(p, f, pipe, proj);
    else if (f.sCode == "BBA")
        drawRoots(p, f, proj, rng);
    else if (f.sCode == "BBF")
        drawInfiltration(p, f, proj, rng);
    else if (f.sCode == "BBC")
        drawDeposits(p, f, proj, rng);
    else if (f.sCode == "BCA")
        drawConnection(p, f, proj);
    else if (f.sCode == "BDC")
        drawObstacle(p, f, proj, rng);
}

void drawOutlinedText(QPainter &p, const QPointF &at, const QString &sText, const QFont &font)
{
    QPainterPath path;
    path.addText(at, font, sText);
    p.setPen(
        QPen(QColor(0, 0, 0, 220), std::max(2.0, font.pixelSize() / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 235));
    p.drawPath(path);
}

void drawOsd(QPainter &p, const SceneView &view)
{
    const int W = view.size.width(), H = view.size.height();
    QFont font("DejaVu Sans Mono");
    font.setBold(true);
    font.setPixelSize(std::max(8, H / 26));
    const QFontMetricsF fm(font);
    const double dLine = fm.height();
    const double dMargin = H / 30.0;
    for (int i = 0; i < view.osdTopLeft.size(); ++i)
        drawOutlinedText(p, QPointF(dMargin, dMargin + fm.ascent() + i * dLine), view.osdTopLeft.at(i), font);
    for (int i = 0; i < view.osdTopRight.size(); ++i) {
        const QString &s = view.osdTopRight.at(i);
        drawOutlinedText(p, QPointF(W - dMargin - fm.horizontalAdvance(s), dMargin + fm.ascent() + i * dLine), s, font);
    }
    if (!view.sCaption.isEmpty())
        drawOutlinedText(p, QPointF(dMargin, H - dMargin - dLine * 1.6), view.sCaption, font);
    QFont big = font;
    big.setPixelSize(int(font.pixelSize() * 1.5));
    const QFontMetricsF fmBig(big);
    drawOutlinedText(p, QPointF(W - dMargin - fmBig.horizontalAdvance(view.sCounter), H - dMargin), view.sCounter, big);
}

Projection makeProjection(const ScenePipe &pipe, const SceneView &view)
{
    // Depths scale with the diameter so that pipes of every size fill the
    // picture alike.
    const double dScale = pipe.dDiameter / 0.3;
    Projection proj;
    // A tall profile (egg shape) is fitted by its height.
    proj.dK = view.size.height() * 0.5 * view.dZoom * dScale / std::max(1.0, pipe.dAspect);
    proj.dCamera = view.dCamera;
    proj.dLead = view.dLead * dScale;
    proj.dFeatureLead = proj.dLead;
    proj.dDiameter = pipe.dDiameter;
    return proj;
}

} // namespace

QPointF featureOffset(const ScenePipe &pipe, const SceneView &view, const SceneFeature &feature)
{
    SceneView plain = view;
    plain.dZoom = 1.0;
    const Projection proj = makeProjection(pipe, plain);
    double dz = proj.dzf(feature.dPosition);
    if (dz < kNearest)
        dz = kNearest;
    if (feature.sCode == "BBC" || feature.sCode == "BDC")
        return proj.wall(6, dz + 0.4, 0.6);
    if (feature.iClockFrom <= 0)
        return QPointF(0, 0);
    double dFrom, dTo;
    clockRange(feature, dFrom, dTo);
    return proj.wall((dFrom + dTo) / 2, dz, 0.8);
}

QImage renderScene(const ScenePipe &pipe, const SceneView &view)
{
    QImage image(view.size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Projection proj = makeProjection(pipe, view);

    p.save();
    p.translate(view.size.width() / 2.0 + view.focusShift.x(), view.size.height() * 0.47 + view.focusShift.y());
    p.scale(1.0, pipe.dAspect);
    drawWall(p, pipe, proj, view.size);
    drawTexture(p, pipe, proj);
    drawJoints(p, pipe, proj);
    drawWater(p, pipe, proj);
    drawEndManhole(p, pipe, proj);
    QList<SceneFeature> visible;
    for (const SceneFeature &f : pipe.features) {
        const double dz = proj.dzf(f.dPosition);
        if (dz > kNearest + 0.05 && dz < 30.0 * pipe.dDiameter / 0.3 && f.dPosition <= pipe.dEnd + 0.01)
            visible << f;
    }
    std::sort(visible.begin(), visible.end(),
              [](const SceneFeature &a, const SceneFeature &b) { return a.dPosition > b.dPosition; });
    for (const SceneFeature &f : visible)
        drawFeature(p, f, pipe, proj);
    drawStartManhole(p, pipe, proj, view.size);
    p.restore();

    // Lens fall-off towards the corners.
    QRadialGradient vignette(QPointF(view.size.width() / 2.0, view.size.height() / 2.0), view.size.width() * 0.7);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.fillRect(image.rect(), vignette);
    drawOsd(p, view);
    return image;
}
