#include "WidgetLookup.h"
#include "ui/CMediaPlayer.h"
#include "ui/IPlaybackControl.h"

#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The containers field systems record in, played through the real Qt
// Multimedia back end. Each clip is made at test time with GStreamer's own
// encoders: three seconds of test picture.
class tst_VideoFormats : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cDir;
    QString m_sLaunch;

    // Makes a clip of three seconds; empty with the reason in sWhy when an
    // element is missing.
    QString makeClip(const QString &sFileName, const QString &sElements, QString &sWhy)
    {
        const QString sPath = m_cDir.filePath(sFileName);
        if (QFileInfo(sPath).size() > 0)
            return sPath;
        // One argument per token; the launcher escapes blanks inside each.
        QStringList cArguments({QStringLiteral("-q")});
        cArguments << QStringLiteral("videotestsrc num-buffers=75 ! video/x-raw,width=160,height=120,framerate=25/1 "
                                     "! videoconvert ! %1 ! filesink")
                          .arg(sElements)
                          .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                   << QStringLiteral("location=") + sPath;
        QProcess cLaunch;
        cLaunch.start(m_sLaunch, cArguments);
        if (!cLaunch.waitForFinished(30000) || cLaunch.exitCode() != 0 || QFileInfo(sPath).size() == 0) {
            sWhy = QString::fromLocal8Bit(cLaunch.readAllStandardError()).trimmed();
            return QString();
        }
        return sPath;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_cDir.isValid());
        m_sLaunch = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
        if (m_sLaunch.isEmpty())
            QSKIP("gst-launch-1.0 (gstreamer1.0-tools) is not installed");
        CMediaPlayer cPlayer;
        if (cPlayer.controlError())
            QSKIP("no multimedia back end");
    }

    void playsAndSeeks_data()
    {
        QTest::addColumn<QString>("sFileName");
        QTest::addColumn<QString>("sEncoder");
        QTest::addRow("MPEG-TS with H.264") << "clip.ts"
                                            << "x264enc ! h264parse ! mpegtsmux";
        QTest::addRow("MPEG-PS with MPEG-2") << "clip.mpg"
                                             << "mpeg2enc format=3 ! mplex format=3";
        QTest::addRow("AVI with MPEG-4") << "clip.avi"
                                         << "avenc_mpeg4 ! avimux";
        QTest::addRow("MP4 with H.264") << "clip.mp4"
                                        << "x264enc ! h264parse ! mp4mux";
        QTest::addRow("MOV with H.264") << "clip.mov"
                                        << "x264enc ! h264parse ! qtmux";
        QTest::addRow("WMV (ASF)") << "clip.wmv"
                                   << "avenc_wmv2 ! asfmux";
        QTest::addRow("MKV with H.264") << "clip.mkv"
                                        << "x264enc ! h264parse ! matroskamux";
        QTest::addRow("WebM with VP8") << "clip.webm"
                                       << "vp8enc deadline=1 ! webmmux";
    }

    // Loaded at one second and paused at once (as a photo tab does), the
    // clip shows the picture there; played, it goes on from there.
    void playsAndSeeks()
    {
        QFETCH(QString, sFileName);
        QFETCH(QString, sEncoder);
        QString sWhy;
        const QString sClip = makeClip(sFileName, sEncoder, sWhy);
        if (sClip.isEmpty())
            QSKIP(qPrintable(QStringLiteral("cannot make the clip with \"%1\": %2").arg(sEncoder, sWhy)));

        CMediaPlayer cPlayer;
        cPlayer.resize(371, 373);
        cPlayer.show();
        QLabel *cMessage = child<QLabel>(cPlayer, "lblPlayerMessage");
        IPlaybackControl *cControl = cPlayer.playbackControl();
        cPlayer.loadMedia(sClip, 0, 0, 1);
        cPlayer.pausePlayback();
        QTRY_VERIFY_WITH_TIMEOUT(!cPlayer.videoDisplay()->isHidden() || !cMessage->text().isEmpty(), 10000);
        QVERIFY2(cMessage->text().isEmpty(), qPrintable(cMessage->text()));
        QVERIFY2(std::abs(cControl->duration() - 3.0) < 0.3, qPrintable(QString::number(cControl->duration())));
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(cControl->currentPosition() - 1.0) < 0.1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!cPlayer.currentFrame().isNull(), 5000);
        QCOMPARE(cControl->playState(), 1);

        cPlayer.togglePlayback();
        QTRY_COMPARE_WITH_TIMEOUT(cControl->playState(), 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(cControl->currentPosition() > 1.3, 5000);
        QVERIFY2(cMessage->text().isEmpty(), qPrintable(cMessage->text()));
    }

    // What cannot be played says which file and what is wrong with it, not
    // the back end's own words.
    void unplayableFileIsNamed_data()
    {
        QTest::addColumn<QByteArray>("cContent");
        QTest::addColumn<QString>("sExpected");
        QTest::addRow("missing") << QByteArray() << "was not found";
        QTest::addRow("not a video") << QByteArray(20000, '\x5a') << "cannot be played: it is damaged";
    }

    void unplayableFileIsNamed()
    {
        QFETCH(QByteArray, cContent);
        QFETCH(QString, sExpected);
        const QString sPath = m_cDir.filePath(QStringLiteral("S7 - S8.mpg"));
        QFile::remove(sPath);
        if (!cContent.isEmpty()) {
            QFile cFile(sPath);
            QVERIFY(cFile.open(QIODevice::WriteOnly));
            cFile.write(cContent);
        }
        CMediaPlayer cPlayer;
        QLabel *cMessage = child<QLabel>(cPlayer, "lblPlayerMessage");
        cPlayer.loadMedia(sPath, 0, 0, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!cMessage->text().isEmpty(), 10000);
        const QString sText = cMessage->text();
        QVERIFY2(sText.contains(QStringLiteral("S7 - S8.mpg")), qPrintable(sText));
        QVERIFY2(sText.contains(sExpected), qPrintable(sText));
        QVERIFY2(!sText.contains(QStringLiteral("GStreamer error")), qPrintable(sText));
        QVERIFY(cPlayer.videoDisplay()->isHidden());
    }

    // Without the demultiplexer of a container the message says which
    // plugin is missing. Run in a child process of this test, as the plugin
    // can only be switched off before the back end starts.
    void missingPluginIsNamed()
    {
        const QString sClip = qEnvironmentVariable("CORVANE_TEST_CLIP_WITHOUT_PLUGIN");
        if (!sClip.isEmpty()) {
            CMediaPlayer cPlayer;
            QLabel *cMessage = child<QLabel>(cPlayer, "lblPlayerMessage");
            cPlayer.loadMedia(sClip, 0, 0, 0);
            QTRY_VERIFY_WITH_TIMEOUT(!cMessage->text().isEmpty(), 10000);
            const QString sText = cMessage->text();
            QVERIFY2(sText.startsWith(QStringLiteral("The video \"S1 - S2.ts\" cannot be played: no GStreamer plugin "
                                                     "for its format (")),
                     qPrintable(sText));
            QVERIFY2(sText.contains(QStringLiteral("\"bad\"")), qPrintable(sText));
            return;
        }
        QString sWhy;
        const QString sMade =
            makeClip(QStringLiteral("clip.ts"), QStringLiteral("x264enc ! h264parse ! mpegtsmux"), sWhy);
        if (sMade.isEmpty())
            QSKIP(qPrintable(QStringLiteral("cannot make an MPEG-TS clip: ") + sWhy));
        const QString sClipCopy = m_cDir.filePath(QStringLiteral("S1 - S2.ts"));
        QFile::remove(sClipCopy);
        QVERIFY(QFile::copy(sMade, sClipCopy));
        QProcess cChild;
        QProcessEnvironment cEnvironment = QProcessEnvironment::systemEnvironment();
        cEnvironment.insert(QStringLiteral("GST_PLUGIN_FEATURE_RANK"), QStringLiteral("tsdemux:NONE"));
        cEnvironment.insert(QStringLiteral("CORVANE_TEST_CLIP_WITHOUT_PLUGIN"), sClipCopy);
        cChild.setProcessEnvironment(cEnvironment);
        cChild.setProcessChannelMode(QProcess::MergedChannels);
        cChild.start(QCoreApplication::applicationFilePath(), {QStringLiteral("missingPluginIsNamed")});
        QVERIFY(cChild.waitForFinished(60000));
        const QByteArray cOutput = cChild.readAll();
        QVERIFY2(cChild.exitStatus() == QProcess::NormalExit && cChild.exitCode() == 0, cOutput.constData());
        QVERIFY2(cOutput.contains("PASS   : tst_VideoFormats::missingPluginIsNamed()"), cOutput.constData());
    }
};

QTEST_MAIN(tst_VideoFormats)
#include "tst_videoformats.moc"
