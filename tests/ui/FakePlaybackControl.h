#pragma once

#include "ui/IPlaybackControl.h"

#include <QStringList>
#include <QWidget>

// A scripted playback control: records every call in a log, answers the
// property reads from fields the test sets, and sends the control's events
// when the test asks (or, for Play/Pause/Stop, as the real control would).
// No Q_OBJECT: it only overrides and emits what the interface declares.
class FakePlaybackControl : public IPlaybackControl
{
public:
    explicit FakePlaybackControl(QWidget *cDisplayParent) : m_cVideo(new QWidget(cDisplayParent)) {}

    QWidget *videoWidget() const override { return m_cVideo; }
    void setShowControls(bool bShow) override { log(QStringLiteral("ShowControls=%1").arg(bShow)); }
    void setAutoStart(bool bAuto) override { log(QStringLiteral("AutoStart=%1").arg(bAuto)); }
    void setAutoSize(bool bAuto) override { log(QStringLiteral("AutoSize=%1").arg(bAuto)); }
    void setAllowChangeDisplaySize(bool bAllow) override
    {
        log(QStringLiteral("AllowChangeDisplaySize=%1").arg(bAllow));
    }
    void setDisplay(int iDisplay) override { log(QStringLiteral("Display=%1").arg(iDisplay)); }
    void setFileName(const QString &sFileName) override
    {
        sFile = sFileName;
        log(QStringLiteral("FileName=") + sFileName);
    }
    double currentPosition() const override { return dPosition; }
    void setCurrentPosition(double dSeconds) override
    {
        dPosition = dSeconds;
        log(QStringLiteral("Position=%1").arg(dSeconds));
    }
    double duration() const override { return dDuration; }
    int playState() const override { return iPlayState; }
    QString errorDescription() const override { return sError; }
    QImage currentFrame() const override { return cFrame; }

    void Play() override
    {
        log(QStringLiteral("Play"));
        changeState(2);
    }
    void Pause() override
    {
        log(QStringLiteral("Pause"));
        changeState(1);
    }
    void Stop() override
    {
        log(QStringLiteral("Stop"));
        changeState(0);
    }

    // Script helpers.
    void changeState(int iNew)
    {
        const int iOld = iPlayState;
        iPlayState = iNew;
        if (bEmitStateChanges && iOld != iNew)
            emit PlayStateChange(iOld, iNew);
    }
    void becomeReady(double dLength, int iReadyState = 4)
    {
        dDuration = dLength;
        emit ReadyStateChange(iReadyState);
    }
    void jumpTo(double dNew)
    {
        const double dOld = dPosition;
        dPosition = dNew;
        emit PositionChange(dOld, dNew);
    }
    void endOfStream(int iResult = 0) { emit EndOfStream(iResult); }
    void fail(const QString &sDescription)
    {
        sError = sDescription;
        emit exception(0x1234, QStringLiteral("fake"), QStringLiteral("ignored"), QString());
    }
    void log(const QString &sEntry) { calls.append(sEntry); }

    QStringList calls;
    QString sFile;
    QString sError;
    QImage cFrame;
    double dPosition = 0.0;
    double dDuration = 0.0;
    int iPlayState = 0;
    bool bEmitStateChanges = true;

private:
    QWidget *m_cVideo;
};
