#pragma once

#include "ui_MediaPlayer.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <memory>

class IPlaybackControl;

// The video tab: plays the project's videos through a playback control,
// seeks to the time index of an event, shows the position as slider and
// text, and steps through the project's playlist.
class CMediaPlayer : public QWidget, public Ui_MediaPlayer
{
    Q_OBJECT
public:
    explicit CMediaPlayer(QWidget *parent = nullptr);
    ~CMediaPlayer() override;

    void resetPlayer();
    void pausePlayback();
    void setPlaylist(const QStringList &cPlaylist);
    void loadMedia(const QString &cMediaFile, uint uiHours, uint uiMinutes, uint uiSeconds);
    // Plays when paused or stopped, pauses when playing (the Play button).
    void togglePlayback();
    // Moves the position by the given seconds, within the loaded video.
    void seekBy(double dSeconds);
    // The picture on show, null when no video shows one.
    QImage currentFrame() const;
    // Seconds into the loaded video.
    double currentPosition() const;

    // Replaces the playback control (null: as if it could not be created).
    // The constructor installs the Qt Multimedia one; tests install a fake.
    void setPlaybackControl(std::unique_ptr<IPlaybackControl> cControl);
    IPlaybackControl *playbackControl() const { return m_cControl.get(); }
    QWidget *videoDisplay() const { return m_cVideoDisplay; }
    bool controlError() const { return m_bControlError; }
    QString currentMediaFile() const { return m_sCurrentMediaFile; }
    QStringList playlist() const { return m_playlist; }
    int currentPlaylistIndex() const { return m_iPlaylistIndex; }
    bool positionTimerRunning() const { return m_iTimerId != 0; }

signals:
    void mediaTimeIndexChanged(uint uiHours, uint uiMinutes, uint uiSeconds);
    void mediaFileChanged(const QString &cMediaFile);
    // The user asked to save the picture on show.
    void saveFrameRequested();

public slots:
    void onPlayStateChange(int iOldState, int iNewState);
    void onReadyStateChange(int iReadyState);
    void onPositionChange(double dOldPos, double dNewPos);
    void onEndOfStream(int iResult);
    void onException(int iCode, const QString &cSource, const QString &cDisc, const QString &cHelp);
    void onSliderValueChanged(int iNewValue);
    void onbtnPlayPauseClicked(bool bChecked = false);
    void onbtnSkipBackwardClicked(bool bChecked = false);
    void onbtnSkipForwardClicked(bool bChecked = false);
    void onbtnSaveFrameClicked(bool bChecked = false);

protected:
    void timerEvent(QTimerEvent *cEvent) override;

private:
    void showMessageInsteadOfPicture();
    void updatePosition(double dPosition);
    // Puts the position on the slider and the time text without seeking;
    // returns hours, minutes and seconds as shown.
    void showPosition(double dPosition, uint &uiHours, uint &uiMinutes, uint &uiSeconds);
    void showPosition(double dPosition);
    void stopTimer();
    void skipTo(int iTarget);
    void loadMediaAt(const QString &cMediaFile, double dSeconds, uint uiHours, uint uiMinutes, uint uiSeconds,
                     int iPlaylistIndex);
    // The loaded playlist entry when it names the file, else the file's
    // first entry; -1 when the playlist does not name it.
    int playlistIndexOf(const QString &sMediaFile) const;
    // Calls into the control; without a control they have no effect.
    void controlStop();
    void controlPlay();
    void controlPause();
    void controlSetFileName(const QString &sFileName);
    void controlSetShowControls(bool bShow);
    void controlSetPosition(double dSeconds);
    bool m_bControlError = false;
    QString m_sCurrentMediaFile;
    QStringList m_playlist;
    int m_iTimerId = 0;
    // Entry of the playlist that is loaded, so that a playlist naming the
    // same file twice still advances through every entry; -1 when unknown.
    int m_iPlaylistIndex = -1;
    bool m_bMessageShown = true;
    QWidget *m_cVideoDisplay = nullptr;
    std::unique_ptr<IPlaybackControl> m_cControl;
};
