#include "ui/CMediaPlayer.h"

#include "app/units/Units.h"
#include "ui/CMultimediaPlaybackControl.h"
#include "ui/IPlaybackControl.h"

#include <QDir>
#include <QSignalBlocker>
#include <QTimerEvent>

#include <cmath>
#include <limits>

namespace {

const int g_iPositionTimerMs = 500;
// Below this the picture and the message are too small to be of use.
const QSize g_cMinimumPictureSize(160, 120);

// Non-finite or negative positions count as the start.
double finitePosition(double dSeconds)
{
    return (std::isfinite(dSeconds) && dSeconds > 0.0) ? dSeconds : 0.0;
}

// Sixtieths of a second on the slider, kept within the int range.
int sliderValueOf(double dSeconds)
{
    const double dValue = std::trunc(finitePosition(dSeconds) * 60.0);
    if (dValue >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(dValue);
}

} // namespace

CMediaPlayer::CMediaPlayer(QWidget *parent) : QWidget(parent)
{
    setupUi(this);

    connect(sslPosition, &QSlider::valueChanged, this, &CMediaPlayer::onSliderValueChanged);
    connect(btnPlayPause, &QPushButton::clicked, this, &CMediaPlayer::onbtnPlayPauseClicked);
    connect(btnSkipBackward, &QPushButton::clicked, this, &CMediaPlayer::onbtnSkipBackwardClicked);
    connect(btnSkipForward, &QPushButton::clicked, this, &CMediaPlayer::onbtnSkipForwardClicked);
    connect(btnSaveFrame, &QPushButton::clicked, this, &CMediaPlayer::onbtnSaveFrameClicked);

    setPlaybackControl(CMultimediaPlaybackControl::create(this));
}

CMediaPlayer::~CMediaPlayer() = default;

void CMediaPlayer::setPlaybackControl(std::unique_ptr<IPlaybackControl> cControl)
{
    stopTimer();
    QWidget *cOldDisplay = m_cVideoDisplay;
    m_cVideoDisplay = nullptr;
    m_cControl = std::move(cControl);
    if (cOldDisplay && (!m_cControl || m_cControl->videoWidget() != cOldDisplay))
        delete cOldDisplay;

    m_bControlError = !m_cControl;
    if (m_cControl && m_cControl->videoWidget()) {
        m_cVideoDisplay = m_cControl->videoWidget();
        m_cVideoDisplay->setParent(this);
    } else {
        m_cVideoDisplay = new QWidget(this);
    }
    m_cVideoDisplay->setObjectName(QStringLiteral("vwVideoDisplay"));
    // The picture takes the message label's place and fills the player.
    m_cVideoDisplay->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_cVideoDisplay->setMinimumSize(g_cMinimumPictureSize);
    glPlayer->addWidget(m_cVideoDisplay, 0, 0, 1, 2);

    if (m_bControlError)
        lblPlayerMessage->setText(QStringLiteral("Windows Media Player Error"));
    else
        lblPlayerMessage->clear();

    if (m_cControl) {
        m_cControl->setShowControls(false);
        m_cControl->setAutoStart(false);
        m_cControl->setAutoSize(false);
        m_cControl->setAllowChangeDisplaySize(true);
        m_cControl->setDisplay(4);
    }

    showMessageInsteadOfPicture();

    if (m_cControl) {
        IPlaybackControl *cControl = m_cControl.get();
        connect(cControl, &IPlaybackControl::PlayStateChange, this, &CMediaPlayer::onPlayStateChange);
        connect(cControl, &IPlaybackControl::ReadyStateChange, this, &CMediaPlayer::onReadyStateChange);
        connect(cControl, &IPlaybackControl::PositionChange, this, &CMediaPlayer::onPositionChange);
        connect(cControl, &IPlaybackControl::EndOfStream, this, &CMediaPlayer::onEndOfStream);
        connect(cControl, &IPlaybackControl::exception, this, &CMediaPlayer::onException);
        connect(sslPosition, &QSlider::sliderPressed, cControl, &IPlaybackControl::Pause);
    }
}

void CMediaPlayer::showMessageInsteadOfPicture()
{
    m_cVideoDisplay->hide();
    lblPlayerMessage->show();
    m_bMessageShown = true;
}

void CMediaPlayer::controlStop()
{
    if (m_cControl)
        m_cControl->Stop();
}

void CMediaPlayer::controlPlay()
{
    if (m_cControl)
        m_cControl->Play();
}

void CMediaPlayer::controlPause()
{
    if (m_cControl)
        m_cControl->Pause();
}

void CMediaPlayer::controlSetFileName(const QString &sFileName)
{
    if (m_cControl)
        m_cControl->setFileName(sFileName);
}

void CMediaPlayer::controlSetShowControls(bool bShow)
{
    if (m_cControl)
        m_cControl->setShowControls(bShow);
}

void CMediaPlayer::controlSetPosition(double dSeconds)
{
    if (m_cControl)
        m_cControl->setCurrentPosition(dSeconds);
}

void CMediaPlayer::resetPlayer()
{
    m_playlist.clear();
    m_sCurrentMediaFile.clear();
    m_iPlaylistIndex = -1;
    controlStop();
    controlSetFileName(QString());
    controlSetShowControls(false);
    showPosition(0.0);
    if (!m_bControlError)
        lblPlayerMessage->clear();
    showMessageInsteadOfPicture();
    setEnabled(false);
}

void CMediaPlayer::pausePlayback()
{
    controlPause();
}

void CMediaPlayer::setPlaylist(const QStringList &cPlaylist)
{
    m_playlist = cPlaylist;
    m_sCurrentMediaFile.clear();
    m_iPlaylistIndex = -1;
    controlStop();
    controlSetFileName(QString());
    controlSetShowControls(false);
}

int CMediaPlayer::playlistIndexOf(const QString &sMediaFile) const
{
    if (m_iPlaylistIndex >= 0 && m_iPlaylistIndex < m_playlist.size() && m_playlist.at(m_iPlaylistIndex) == sMediaFile)
        return m_iPlaylistIndex;
    return m_playlist.indexOf(sMediaFile);
}

void CMediaPlayer::loadMedia(const QString &cMediaFile, uint uiHours, uint uiMinutes, uint uiSeconds)
{
    const int iIndex = playlistIndexOf(cMediaFile);
    // In doubles: hours of a hostile project file must not overflow.
    const double dSeconds =
        static_cast<double>(uiHours) * 3600.0 + static_cast<double>(uiMinutes) * 60.0 + static_cast<double>(uiSeconds);
    loadMediaAt(cMediaFile, dSeconds, uiHours, uiMinutes, uiSeconds, iIndex);
}

void CMediaPlayer::loadMediaAt(const QString &cMediaFile, double dSeconds, uint uiHours, uint uiMinutes, uint uiSeconds,
                               int iPlaylistIndex)
{
    if (cMediaFile != m_sCurrentMediaFile) {
        emit mediaFileChanged(cMediaFile);
        m_sCurrentMediaFile = cMediaFile;
        controlStop();
        controlSetFileName(QDir::toNativeSeparators(cMediaFile));
        controlSetShowControls(false);
        controlPlay();
    }
    m_iPlaylistIndex = iPlaylistIndex;
    controlSetPosition(dSeconds);
    // Show the target at once: until the control reports, slider and time
    // text would otherwise still stand at the previous video's position.
    showPosition(dSeconds);
    emit mediaTimeIndexChanged(uiHours, uiMinutes, uiSeconds);
}

void CMediaPlayer::onPlayStateChange(int /*iOldState*/, int iNewState)
{
    btnPlayPause->setText(iNewState == 2 ? tr("Pause") : tr("Play"));
    if (iNewState == 0)
        stopTimer();
    else if (iNewState == 2 && m_iTimerId == 0)
        m_iTimerId = startTimer(g_iPositionTimerMs);
}

void CMediaPlayer::stopTimer()
{
    if (m_iTimerId != 0)
        killTimer(m_iTimerId);
    m_iTimerId = 0;
}

void CMediaPlayer::onReadyStateChange(int iReadyState)
{
    if (iReadyState != 4 || !m_cControl)
        return;
    const double dDuration = finitePosition(m_cControl->duration());
    {
        // A shorter video clamps the slider; that must not seek the new
        // video (to its end, which would skip it).
        const QSignalBlocker cBlocker(sslPosition);
        sslPosition->setRange(0, sliderValueOf(dDuration));
    }
    showPosition(m_cControl->currentPosition());
    if (!isEnabled())
        setEnabled(true);
    if (m_bMessageShown) {
        lblPlayerMessage->clear();
        lblPlayerMessage->hide();
        m_cVideoDisplay->show();
        m_bMessageShown = false;
    }
}

void CMediaPlayer::timerEvent(QTimerEvent *cEvent)
{
    if (m_iTimerId != 0 && cEvent->timerId() == m_iTimerId) {
        if (m_cControl)
            updatePosition(m_cControl->currentPosition());
        return;
    }
    QWidget::timerEvent(cEvent);
}

void CMediaPlayer::onPositionChange(double /*dOldPos*/, double dNewPos)
{
    updatePosition(dNewPos);
}

void CMediaPlayer::updatePosition(double dPosition)
{
    uint uiHours = 0;
    uint uiMinutes = 0;
    uint uiSeconds = 0;
    showPosition(dPosition, uiHours, uiMinutes, uiSeconds);
    emit mediaTimeIndexChanged(uiHours, uiMinutes, uiSeconds);
}

void CMediaPlayer::showPosition(double dPosition)
{
    uint uiHours = 0;
    uint uiMinutes = 0;
    uint uiSeconds = 0;
    showPosition(dPosition, uiHours, uiMinutes, uiSeconds);
}

void CMediaPlayer::showPosition(double dPosition, uint &uiHours, uint &uiMinutes, uint &uiSeconds)
{
    const double dSeconds = finitePosition(dPosition);
    {
        const QSignalBlocker cBlocker(sslPosition);
        sslPosition->setValue(sliderValueOf(dSeconds));
    }
    const double dWhole = std::trunc(dSeconds);
    const double dMaxHours = static_cast<double>(std::numeric_limits<uint>::max());
    uiHours = static_cast<uint>(std::min(std::floor(dWhole / 3600.0), dMaxHours));
    uiMinutes = static_cast<uint>(std::fmod(std::floor(dWhole / 60.0), 60.0));
    uiSeconds = static_cast<uint>(std::fmod(dWhole, 60.0));
    lblTimeIndex->setText(formatTimeIndex(uiHours, uiMinutes, uiSeconds));
}

void CMediaPlayer::onSliderValueChanged(int iNewValue)
{
    const QSignalBlocker cBlocker(sslPosition);
    controlSetPosition(static_cast<double>(iNewValue) / 60.0);
}

void CMediaPlayer::onbtnPlayPauseClicked(bool /*bChecked*/)
{
    togglePlayback();
}

void CMediaPlayer::togglePlayback()
{
    // Keyboard shortcuts reach here while the player is disabled, too.
    if (!m_cControl || !isEnabled())
        return;
    const int iState = m_cControl->playState();
    if (iState == 0 || iState == 1)
        m_cControl->Play();
    else if (iState == 2)
        m_cControl->Pause();
}

void CMediaPlayer::skipTo(int iTarget)
{
    if (iTarget < 0 || iTarget >= m_playlist.size())
        return;
    const QString sTarget = m_playlist.at(iTarget);
    const bool bSameFile = sTarget == m_sCurrentMediaFile;
    loadMediaAt(sTarget, 0.0, 0, 0, 0, iTarget);
    // The same file named again in the playlist only seeks; start it, too,
    // so that the playlist plays on through that entry.
    if (bSameFile)
        controlPlay();
}

void CMediaPlayer::onbtnSkipBackwardClicked(bool /*bChecked*/)
{
    const int iIndex = playlistIndexOf(m_sCurrentMediaFile);
    const int iCount = static_cast<int>(m_playlist.size());
    skipTo(iIndex != 0 ? iIndex - 1 : iCount - 1);
}

void CMediaPlayer::onbtnSkipForwardClicked(bool /*bChecked*/)
{
    const int iIndex = playlistIndexOf(m_sCurrentMediaFile);
    const int iCount = static_cast<int>(m_playlist.size());
    skipTo(iIndex == iCount - 1 ? 0 : iIndex + 1);
}

void CMediaPlayer::onEndOfStream(int iResult)
{
    if (iResult == 0)
        onbtnSkipForwardClicked();
}

void CMediaPlayer::onException(int /*iCode*/, const QString & /*cSource*/, const QString & /*cDisc*/,
                               const QString & /*cHelp*/)
{
    if (!m_cControl)
        return;
    const QString sDescription = m_cControl->errorDescription().trimmed();
    if (sDescription.isEmpty())
        return;
    lblPlayerMessage->setText(sDescription);
    controlStop();
    showMessageInsteadOfPicture();
}

void CMediaPlayer::seekBy(double dSeconds)
{
    if (!m_cControl || !isEnabled() || m_sCurrentMediaFile.isEmpty())
        return;
    double dTarget = std::max(0.0, finitePosition(m_cControl->currentPosition()) + dSeconds);
    const double dDuration = finitePosition(m_cControl->duration());
    if (dDuration > 0.0)
        dTarget = std::min(dTarget, dDuration);
    m_cControl->setCurrentPosition(dTarget);
    updatePosition(dTarget);
}

double CMediaPlayer::currentPosition() const
{
    return m_cControl ? finitePosition(m_cControl->currentPosition()) : 0.0;
}

QImage CMediaPlayer::currentFrame() const
{
    if (!m_cControl || m_sCurrentMediaFile.isEmpty() || m_bMessageShown)
        return QImage();
    return m_cControl->currentFrame();
}

void CMediaPlayer::onbtnSaveFrameClicked(bool /*bChecked*/)
{
    emit saveFrameRequested();
}
