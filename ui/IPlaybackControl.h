#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class QWidget;

// What the video player needs of a playback back end: the properties,
// methods and events of the classic media player control, so that any back
// end (Qt Multimedia, a scripted fake in the tests) can take its place.
// Play states: 0 stopped, 1 paused, 2 playing. Ready state 4: file loaded.
class IPlaybackControl : public QObject
{
    Q_OBJECT
public:
    explicit IPlaybackControl(QObject *parent = nullptr) : QObject(parent) {}
    ~IPlaybackControl() override = default;

    // The widget that shows the picture (object name "vwVideoDisplay").
    virtual QWidget *videoWidget() const = 0;

    virtual void setShowControls(bool bShow) = 0;
    virtual void setAutoStart(bool bAutoStart) = 0;
    virtual void setAutoSize(bool bAutoSize) = 0;
    virtual void setAllowChangeDisplaySize(bool bAllow) = 0;
    virtual void setDisplay(int iDisplay) = 0;
    // Native separators; an empty name unloads.
    virtual void setFileName(const QString &sFileName) = 0;
    // Seconds; writing seeks.
    virtual double currentPosition() const = 0;
    virtual void setCurrentPosition(double dSeconds) = 0;
    virtual double duration() const = 0;
    virtual int playState() const = 0;
    virtual QString errorDescription() const = 0;
    // The picture on show; null when there is none.
    virtual QImage currentFrame() const = 0;

public slots:
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;

signals:
    void PlayStateChange(int iOldState, int iNewState);
    void ReadyStateChange(int iReadyState);
    void PositionChange(double dOldPos, double dNewPos);
    void EndOfStream(int iResult);
    // A call into the control failed; the description is in errorDescription().
    void exception(int iCode, const QString &cSource, const QString &cDisc, const QString &cHelp);
};
