#pragma once

#include "ui/IPlaybackControl.h"

#include <QMediaPlayer>
#include <QTimer>

#include <memory>

class QAudioOutput;
class QVideoWidget;

// Playback on Qt Multimedia. Seeks before the pipeline has settled are lost
// by the back end, so a position written too early is kept and applied once
// the media is buffered (or paused while loaded).
class CMultimediaPlaybackControl : public IPlaybackControl
{
    Q_OBJECT
public:
    // Null when no multimedia back end is available. The video widget is
    // created as a child of cDisplayParent.
    static std::unique_ptr<IPlaybackControl> create(QWidget *cDisplayParent);
    ~CMultimediaPlaybackControl() override;

    QWidget *videoWidget() const override;
    void setShowControls(bool) override {}
    void setAutoStart(bool bAutoStart) override { m_bAutoStart = bAutoStart; }
    void setAutoSize(bool) override {}
    void setAllowChangeDisplaySize(bool) override {}
    void setDisplay(int) override {}
    void setFileName(const QString &sFileName) override;
    double currentPosition() const override;
    void setCurrentPosition(double dSeconds) override;
    double duration() const override;
    int playState() const override { return m_iPlayState; }
    QString errorDescription() const override { return m_sErrorDescription; }
    QImage currentFrame() const override;

public slots:
    void Play() override;
    void Pause() override;
    void Stop() override;

private:
    CMultimediaPlaybackControl(QWidget *cDisplayParent, std::unique_ptr<QMediaPlayer> cPlayer);
    // Announces the loaded file once per file.
    void markReady();
    void onMediaStatusChanged(QMediaPlayer::MediaStatus eStatus);
    void onPlaybackStateChanged(QMediaPlayer::PlaybackState eState);
    void onErrorOccurred(QMediaPlayer::Error eError, const QString &sErrorString);
    // What the user is told about a file the back end cannot play: the file
    // and what is wrong, instead of the back end's own words.
    QString describeError(const QString &sBackEndText) const;
    bool canSeekNow() const;
    void applyPosition(double dSeconds);
    void applyPendingPosition();
    void onRetryTimeout();

    std::unique_ptr<QMediaPlayer> m_cPlayer;
    QAudioOutput *m_cAudioOutput = nullptr;
    QVideoWidget *m_cVideoWidget = nullptr;
    double m_dPendingPosition = -1.0;
    // Right after loading the back end may drop a seek; it is repeated
    // until the position holds.
    QTimer m_cRetryTimer;
    int m_iRetries = 0;
    int m_iPlayState = 0;
    bool m_bReady = false;
    bool m_bAutoStart = false;
    QString m_sErrorDescription;
    // The back end follows its first error with vaguer ones; only the first
    // of a file is reported.
    bool m_bErrorReported = false;
};
