#include "ui/CMultimediaPlaybackControl.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include <algorithm>
#include <cmath>

namespace {

const int g_iRetryIntervalMs = 50;
const int g_iMaxRetries = 100;
// How far the reported position may be off the target for a seek to count.
const double g_dSeekTolerance = 0.05;

int playStateOf(QMediaPlayer::PlaybackState eState)
{
    switch (eState) {
    case QMediaPlayer::PausedState: return 1;
    case QMediaPlayer::PlayingState: return 2;
    case QMediaPlayer::StoppedState: break;
    }
    return 0;
}

// GStreamer's text when no plugin can demultiplex or decode a stream.
const QString g_sMissingPluginText = QStringLiteral("Your GStreamer installation is missing a plug-in.");

bool isMediaType(const QMimeType &cType)
{
    const auto isMedia = [](const QString &sName) {
        return sName.startsWith(QLatin1String("video/")) || sName.startsWith(QLatin1String("audio/"));
    };
    if (isMedia(cType.name()))
        return true;
    const QStringList cAncestors = cType.allAncestors();
    return std::any_of(cAncestors.cbegin(), cAncestors.cend(), isMedia);
}

// Seconds into a bounded, finite, non-negative value.
double sanePosition(double dSeconds)
{
    if (!std::isfinite(dSeconds) || dSeconds < 0.0)
        return 0.0;
    return std::min(dSeconds, 1.0e9);
}

} // namespace

std::unique_ptr<IPlaybackControl> CMultimediaPlaybackControl::create(QWidget *cDisplayParent)
{
    auto cPlayer = std::make_unique<QMediaPlayer>();
    if (!cPlayer->isAvailable())
        return nullptr;
    return std::unique_ptr<IPlaybackControl>(new CMultimediaPlaybackControl(cDisplayParent, std::move(cPlayer)));
}

CMultimediaPlaybackControl::CMultimediaPlaybackControl(QWidget *cDisplayParent, std::unique_ptr<QMediaPlayer> cPlayer)
    : m_cPlayer(std::move(cPlayer))
{
    m_cAudioOutput = new QAudioOutput(m_cPlayer.get());
    m_cPlayer->setAudioOutput(m_cAudioOutput);
    m_cVideoWidget = new QVideoWidget(cDisplayParent);
    m_cVideoWidget->setObjectName(QStringLiteral("vwVideoDisplay"));
    m_cPlayer->setVideoOutput(m_cVideoWidget);

    connect(m_cPlayer.get(), &QMediaPlayer::mediaStatusChanged, this,
            &CMultimediaPlaybackControl::onMediaStatusChanged);
    connect(m_cPlayer.get(), &QMediaPlayer::playbackStateChanged, this,
            &CMultimediaPlaybackControl::onPlaybackStateChanged);
    connect(m_cPlayer.get(), &QMediaPlayer::errorOccurred, this, &CMultimediaPlaybackControl::onErrorOccurred);

    m_cRetryTimer.setSingleShot(true);
    m_cRetryTimer.setInterval(g_iRetryIntervalMs);
    connect(&m_cRetryTimer, &QTimer::timeout, this, &CMultimediaPlaybackControl::onRetryTimeout);
}

CMultimediaPlaybackControl::~CMultimediaPlaybackControl()
{
    // The video widget belongs to its parent widget; detach it first.
    if (m_cPlayer)
        m_cPlayer->setVideoOutput(nullptr);
}

QWidget *CMultimediaPlaybackControl::videoWidget() const
{
    return m_cVideoWidget;
}

QImage CMultimediaPlaybackControl::currentFrame() const
{
    const QVideoSink *cSink = m_cVideoWidget ? m_cVideoWidget->videoSink() : nullptr;
    if (!cSink || m_cPlayer->source().isEmpty())
        return QImage();
    // toImage() maps the frame itself; the sink's frame stays untouched.
    QVideoFrame cFrame = cSink->videoFrame();
    return cFrame.isValid() ? cFrame.toImage() : QImage();
}

void CMultimediaPlaybackControl::setFileName(const QString &sFileName)
{
    m_bReady = false;
    m_dPendingPosition = -1.0;
    m_cRetryTimer.stop();
    m_sErrorDescription.clear();
    m_bErrorReported = false;
    m_cPlayer->setSource(sFileName.isEmpty() ? QUrl() : QUrl::fromLocalFile(sFileName));
    if (m_bAutoStart && !sFileName.isEmpty())
        m_cPlayer->play();
}

double CMultimediaPlaybackControl::currentPosition() const
{
    if (m_dPendingPosition >= 0.0)
        return m_dPendingPosition;
    return static_cast<double>(m_cPlayer->position()) / 1000.0;
}

double CMultimediaPlaybackControl::duration() const
{
    return static_cast<double>(m_cPlayer->duration()) / 1000.0;
}

bool CMultimediaPlaybackControl::canSeekNow() const
{
    const QMediaPlayer::MediaStatus eStatus = m_cPlayer->mediaStatus();
    if (eStatus == QMediaPlayer::BufferedMedia)
        return true;
    return eStatus == QMediaPlayer::LoadedMedia && m_cPlayer->playbackState() == QMediaPlayer::PausedState;
}

void CMultimediaPlaybackControl::setCurrentPosition(double dSeconds)
{
    double dTarget = sanePosition(dSeconds);
    const double dDuration = duration();
    if (m_bReady && dDuration > 0.0 && dTarget > dDuration)
        dTarget = dDuration;
    if (m_cPlayer->source().isEmpty())
        return;
    m_iRetries = 0;
    if (canSeekNow())
        applyPosition(dTarget);
    else
        m_dPendingPosition = dTarget;
}

void CMultimediaPlaybackControl::applyPosition(double dSeconds)
{
    const double dOld = static_cast<double>(m_cPlayer->position()) / 1000.0;
    m_cPlayer->setPosition(static_cast<qint64>(std::llround(dSeconds * 1000.0)));
    const double dNow = static_cast<double>(m_cPlayer->position()) / 1000.0;
    if (std::abs(dNow - dSeconds) > g_dSeekTolerance && m_iRetries < g_iMaxRetries) {
        // Dropped: keep it pending and try again shortly.
        m_dPendingPosition = dSeconds;
        ++m_iRetries;
        m_cRetryTimer.start();
        return;
    }
    m_dPendingPosition = -1.0;
    m_iRetries = 0;
    m_cRetryTimer.stop();
    emit PositionChange(dOld, dSeconds);
}

void CMultimediaPlaybackControl::onRetryTimeout()
{
    if (m_dPendingPosition >= 0.0 && canSeekNow())
        applyPendingPosition();
}

void CMultimediaPlaybackControl::applyPendingPosition()
{
    if (m_dPendingPosition < 0.0)
        return;
    double dTarget = m_dPendingPosition;
    const double dDuration = duration();
    if (dDuration > 0.0 && dTarget > dDuration)
        dTarget = dDuration;
    applyPosition(dTarget);
}

void CMultimediaPlaybackControl::markReady()
{
    // Stopping after an error reports the media as loaded: it is not.
    if (m_bReady || m_bErrorReported)
        return;
    m_bReady = true;
    emit ReadyStateChange(4);
}

void CMultimediaPlaybackControl::onMediaStatusChanged(QMediaPlayer::MediaStatus eStatus)
{
    switch (eStatus) {
    case QMediaPlayer::LoadedMedia:
        markReady();
        if (m_cPlayer->playbackState() == QMediaPlayer::PausedState)
            applyPendingPosition();
        break;
    case QMediaPlayer::BufferedMedia:
        markReady();
        applyPendingPosition();
        break;
    case QMediaPlayer::EndOfMedia: emit EndOfStream(0); break;
    default: break;
    }
}

void CMultimediaPlaybackControl::onPlaybackStateChanged(QMediaPlayer::PlaybackState eState)
{
    const int iOld = m_iPlayState;
    m_iPlayState = playStateOf(eState);
    if (eState == QMediaPlayer::PausedState && m_cPlayer->mediaStatus() == QMediaPlayer::LoadedMedia)
        applyPendingPosition();
    if (iOld != m_iPlayState)
        emit PlayStateChange(iOld, m_iPlayState);
}

void CMultimediaPlaybackControl::onErrorOccurred(QMediaPlayer::Error eError, const QString &sErrorString)
{
    if (eError == QMediaPlayer::NoError || m_bErrorReported)
        return;
    m_bErrorReported = true;
    m_sErrorDescription = describeError(sErrorString);
    emit exception(static_cast<int>(eError), QStringLiteral("QMediaPlayer"), sErrorString, QString());
}

QString CMultimediaPlaybackControl::describeError(const QString &sBackEndText) const
{
    const QString sPath = m_cPlayer->source().toLocalFile();
    const QFileInfo cFile(sPath);
    const QString sName = cFile.fileName();
    if (!cFile.isFile())
        return tr("The video \"%1\" was not found.").arg(sName);
    if (!cFile.isReadable())
        return tr("The video \"%1\" cannot be read: access to it is denied.").arg(sName);

    const QMimeDatabase cTypes;
    const QMimeType cByContent = cTypes.mimeTypeForFile(sPath, QMimeDatabase::MatchContent);
    const QMimeType cByName = cTypes.mimeTypeForFile(sPath, QMimeDatabase::MatchExtension);
    if (!isMediaType(cByContent) && !isMediaType(cByName))
        return tr("The video \"%1\" cannot be played: it is damaged or no video at all.").arg(sName);

    const QString sFormat = isMediaType(cByContent) ? cByContent.comment() : cByName.comment();
    const QString sPlugins =
        tr("Inspection videos need the GStreamer plugin sets \"good\", \"bad\", \"ugly\" and \"libav\".");
    if (isMediaType(cByContent) && sBackEndText == g_sMissingPluginText)
        return tr("The video \"%1\" cannot be played: no GStreamer plugin for its format (%2) is installed.")
                   .arg(sName, sFormat)
               + QLatin1Char('\n') + sPlugins;
    return tr("The video \"%1\" cannot be played: it is damaged, or no GStreamer plugin for its format (%2) is "
              "installed.")
               .arg(sName, sFormat)
           + QLatin1Char('\n') + sPlugins;
}

void CMultimediaPlaybackControl::Play()
{
    if (!m_cPlayer->source().isEmpty())
        m_cPlayer->play();
}

void CMultimediaPlaybackControl::Pause()
{
    if (!m_cPlayer->source().isEmpty())
        m_cPlayer->pause();
}

void CMultimediaPlaybackControl::Stop()
{
    m_cPlayer->stop();
}
