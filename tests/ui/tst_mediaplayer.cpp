#include "FakePlaybackControl.h"
#include "TestHelpers.h"
#include "WidgetLookup.h"
#include "ui/CMediaPlayer.h"
#include "ui/CMultimediaPlaybackControl.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

class tst_MediaPlayer : public QObject
{
    Q_OBJECT

private:
    // A player with a fake control whose construction log is dropped.
    struct Rig
    {
        CMediaPlayer cPlayer;
        FakePlaybackControl *cFake = nullptr;
        Rig()
        {
            auto cControl = std::make_unique<FakePlaybackControl>(&cPlayer);
            cFake = cControl.get();
            cPlayer.setPlaybackControl(std::move(cControl));
            cFake->calls.clear();
        }
    };

    static QString demoVideo()
    {
        const QString sOverride = qEnvironmentVariable("CORVANE_TEST_VIDEO");
        if (!sOverride.isEmpty())
            return sOverride;
        const QDir cVideos(TestHelpers::demoProjectDir() + QStringLiteral("/Videos"));
        const QStringList cFiles = cVideos.entryList(QDir::Files, QDir::Name);
        return cFiles.isEmpty() ? QString() : cVideos.filePath(cFiles.first());
    }

private slots:
    void constructionConfiguresControlAndShowsMessage()
    {
        CMediaPlayer cPlayer;
        auto cControl = std::make_unique<FakePlaybackControl>(&cPlayer);
        FakePlaybackControl *cFake = cControl.get();
        cPlayer.setPlaybackControl(std::move(cControl));
        QCOMPARE(cFake->calls,
                 QStringList({"ShowControls=0", "AutoStart=0", "AutoSize=0", "AllowChangeDisplaySize=1", "Display=4"}));
        QWidget *cDisplay = cPlayer.findChild<QWidget *>(QStringLiteral("vwVideoDisplay"));
        QVERIFY(cDisplay);
        QVERIFY(cDisplay->isHidden());
        QVERIFY(!child<QLabel>(cPlayer, "lblPlayerMessage")->isHidden());
        QVERIFY(!cPlayer.controlError());
    }

    void form_data()
    {
        QTest::addColumn<QString>("sName");
        QTest::addColumn<QString>("sClass");
        QTest::addColumn<QString>("sCaption");
        QTest::addRow("slider") << "sslPosition"
                                << "QSlider"
                                << "";
        QTest::addRow("time") << "lblTimeIndex"
                              << "QLabel"
                              << "00:00:00";
        QTest::addRow("skip backward") << "btnSkipBackward"
                                       << "QPushButton"
                                       << "< Skip";
        QTest::addRow("play") << "btnPlayPause"
                              << "QPushButton"
                              << "Play";
        QTest::addRow("skip forward") << "btnSkipForward"
                                      << "QPushButton"
                                      << "Skip >";
        QTest::addRow("save frame") << "btnSaveFrame"
                                    << "QPushButton"
                                    << "Save Frame...";
        QTest::addRow("message") << "lblPlayerMessage"
                                 << "QLabel"
                                 << "";
    }

    void form()
    {
        QFETCH(QString, sName);
        QFETCH(QString, sClass);
        QFETCH(QString, sCaption);
        Rig cRig;
        QCOMPARE(cRig.cPlayer.objectName(), QStringLiteral("MediaPlayer"));
        auto *cWidget = cRig.cPlayer.findChild<QWidget *>(sName);
        QVERIFY(cWidget);
        QCOMPARE(QString::fromLatin1(cWidget->metaObject()->className()), sClass);
        if (auto *cButton = qobject_cast<QPushButton *>(cWidget))
            QCOMPARE(cButton->text(), sCaption);
        if (auto *cLabel = qobject_cast<QLabel *>(cWidget)) {
            QCOMPARE(cLabel->text(), sCaption);
            QCOMPARE(cLabel->frameShape(), QFrame::Box);
            QCOMPARE(cLabel->frameShadow(), QFrame::Raised);
            QVERIFY(cLabel->alignment() & Qt::AlignHCenter);
        }
        if (auto *cSlider = qobject_cast<QSlider *>(cWidget))
            QCOMPARE(cSlider->orientation(), Qt::Horizontal);
    }

    void missingControlShowsErrorForTheWholeRun()
    {
        CMediaPlayer cPlayer;
        cPlayer.setPlaybackControl(nullptr);
        QVERIFY(cPlayer.controlError());
        QCOMPARE(child<QLabel>(cPlayer, "lblPlayerMessage")->text(), QStringLiteral("Windows Media Player Error"));
        cPlayer.setPlaylist({"/v/a.mpg", "/v/b.mpg"});
        cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 5);
        cPlayer.onbtnSkipForwardClicked();
        cPlayer.onbtnPlayPauseClicked();
        cPlayer.onException(1, {}, {}, {});
        cPlayer.pausePlayback();
        cPlayer.resetPlayer();
        QCOMPARE(child<QLabel>(cPlayer, "lblPlayerMessage")->text(), QStringLiteral("Windows Media Player Error"));
        QVERIFY(!child<QLabel>(cPlayer, "lblPlayerMessage")->isHidden());
        QVERIFY(cPlayer.videoDisplay()->isHidden());
    }

    void loadMedia_data()
    {
        QTest::addColumn<bool>("bResetBetween");
        QTest::addColumn<QString>("sSecond");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addColumn<int>("iFileSignals");

        QTest::addRow("same file only seeks") << false << "/v/a.mpg" << QStringList({"Position=65"}) << 1;
        QTest::addRow("other file loads and plays")
            << false << "/v/b.mpg"
            << QStringList({"Stop", "FileName=" + QDir::toNativeSeparators("/v/b.mpg"), "ShowControls=0", "Play",
                            "Position=65"})
            << 2;
        QTest::addRow("same file after reset loads anew")
            << true << "/v/a.mpg"
            << QStringList({"Stop", "FileName=" + QDir::toNativeSeparators("/v/a.mpg"), "ShowControls=0", "Play",
                            "Position=65"})
            << 2;
    }

    void loadMedia()
    {
        QFETCH(bool, bResetBetween);
        QFETCH(QString, sSecond);
        QFETCH(QStringList, expectedCalls);
        QFETCH(int, iFileSignals);

        Rig cRig;
        QSignalSpy cFileSpy(&cRig.cPlayer, &CMediaPlayer::mediaFileChanged);
        QSignalSpy cTimeSpy(&cRig.cPlayer, &CMediaPlayer::mediaTimeIndexChanged);
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 10);
        if (bResetBetween)
            cRig.cPlayer.resetPlayer();
        cRig.cFake->calls.clear();
        cTimeSpy.clear();
        cRig.cPlayer.loadMedia(sSecond, 0, 1, 5);
        QCOMPARE(cRig.cFake->calls, expectedCalls);
        QCOMPARE(cFileSpy.count(), iFileSignals);
        QCOMPARE(cFileSpy.last().at(0).toString(), sSecond);
        QCOMPARE(cTimeSpy.count(), 1);
        QCOMPARE(cTimeSpy.last(), QVariantList({0u, 1u, 5u}));
        QCOMPARE(cRig.cPlayer.currentMediaFile(), sSecond);
    }

    void hugeTimeIndexDoesNotOverflow()
    {
        Rig cRig;
        const uint uiMax = std::numeric_limits<uint>::max();
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), uiMax, uiMax, uiMax);
        const double dExpected = double(uiMax) * 3600.0 + double(uiMax) * 60.0 + double(uiMax);
        QCOMPARE(cRig.cFake->dPosition, dExpected);
        cRig.cPlayer.onPositionChange(0.0, dExpected);
        QCOMPARE(child<QSlider>(cRig.cPlayer, "sslPosition")->value(),
                 child<QSlider>(cRig.cPlayer, "sslPosition")->maximum());
    }

    void readyStateSwapsMessageForPicture()
    {
        Rig cRig;
        cRig.cPlayer.resetPlayer();
        QVERIFY(!cRig.cPlayer.isEnabled());
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 0);
        QVERIFY(!cRig.cPlayer.isEnabled());
        QVERIFY(cRig.cPlayer.videoDisplay()->isHidden());

        cRig.cFake->becomeReady(12.5, 3);
        QVERIFY(!cRig.cPlayer.isEnabled());
        QVERIFY(cRig.cPlayer.videoDisplay()->isHidden());

        // The player's tab need not be the visible one.
        cRig.cPlayer.hide();
        cRig.cFake->becomeReady(12.5);
        QVERIFY(cRig.cPlayer.isEnabled());
        QCOMPARE(child<QSlider>(cRig.cPlayer, "sslPosition")->maximum(), 750);
        QVERIFY(!cRig.cPlayer.videoDisplay()->isHidden());
        QVERIFY(child<QLabel>(cRig.cPlayer, "lblPlayerMessage")->isHidden());

        // Loading while ready leaves picture and enabled state as they are.
        cRig.cPlayer.loadMedia(QStringLiteral("/v/b.mpg"), 0, 0, 3);
        QVERIFY(cRig.cPlayer.isEnabled());
        QVERIFY(!cRig.cPlayer.videoDisplay()->isHidden());
    }

    void positionTimerFollowsPlayState()
    {
        Rig cRig;
        QVERIFY(!cRig.cPlayer.positionTimerRunning());
        cRig.cFake->Play();
        QVERIFY(cRig.cPlayer.positionTimerRunning());
        cRig.cFake->Pause();
        QVERIFY(cRig.cPlayer.positionTimerRunning());
        cRig.cFake->dPosition = 7.25;
        QSignalSpy cTimeSpy(&cRig.cPlayer, &CMediaPlayer::mediaTimeIndexChanged);
        QTRY_VERIFY_WITH_TIMEOUT(cTimeSpy.count() > 0, 2000);
        QCOMPARE(child<QLabel>(cRig.cPlayer, "lblTimeIndex")->text(), QStringLiteral("00:00:07"));
        cRig.cFake->Stop();
        QVERIFY(!cRig.cPlayer.positionTimerRunning());
        cTimeSpy.clear();
        QTest::qWait(700);
        QCOMPARE(cTimeSpy.count(), 0);
    }

    void positionUpdate_data()
    {
        QTest::addColumn<double>("dPosition");
        QTest::addColumn<QString>("sText");
        QTest::addColumn<int>("iSlider");
        QTest::addColumn<QVariantList>("signalArgs");

        QTest::addRow("start") << 0.0 << "00:00:00" << 0 << QVariantList({0u, 0u, 0u});
        QTest::addRow("one hour two minutes five") << 3725.5 << "01:02:05" << 223530 << QVariantList({1u, 2u, 5u});
        QTest::addRow("just below a minute") << 59.99 << "00:00:59" << 3599 << QVariantList({0u, 0u, 59u});
        QTest::addRow("more than a day") << 90061.0 << "25:01:01" << 5403660 << QVariantList({25u, 1u, 1u});
        QTest::addRow("negative") << -4.0 << "00:00:00" << 0 << QVariantList({0u, 0u, 0u});
        QTest::addRow("not a number") << std::nan("") << "00:00:00" << 0 << QVariantList({0u, 0u, 0u});
    }

    void positionUpdate()
    {
        QFETCH(double, dPosition);
        QFETCH(QString, sText);
        QFETCH(int, iSlider);
        QFETCH(QVariantList, signalArgs);

        Rig cRig;
        child<QSlider>(cRig.cPlayer, "sslPosition")->setRange(0, std::numeric_limits<int>::max());
        QSignalSpy cTimeSpy(&cRig.cPlayer, &CMediaPlayer::mediaTimeIndexChanged);
        cRig.cFake->jumpTo(dPosition);
        QCOMPARE(child<QLabel>(cRig.cPlayer, "lblTimeIndex")->text(), sText);
        QCOMPARE(child<QSlider>(cRig.cPlayer, "sslPosition")->value(), iSlider);
        QCOMPARE(cTimeSpy.count(), 1);
        QCOMPARE(cTimeSpy.first(), signalArgs);
        // Showing the position must not seek.
        QCOMPARE(cRig.cFake->calls, QStringList());
    }

    void sliderSeeksAndPressPauses()
    {
        Rig cRig;
        child<QSlider>(cRig.cPlayer, "sslPosition")->setRange(0, 6000);
        child<QSlider>(cRig.cPlayer, "sslPosition")->setValue(1530);
        QCOMPARE(cRig.cFake->calls, QStringList({"Position=25.5"}));
        cRig.cFake->calls.clear();
        child<QSlider>(cRig.cPlayer, "sslPosition")->setSliderDown(true);
        QCOMPARE(cRig.cFake->calls, QStringList({"Pause"}));
    }

    void playPauseButton_data()
    {
        QTest::addColumn<int>("iState");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addColumn<QString>("sCaption");
        QTest::addRow("stopped plays") << 0 << QStringList({"Play"}) << "Pause";
        QTest::addRow("paused resumes") << 1 << QStringList({"Play"}) << "Pause";
        QTest::addRow("playing pauses") << 2 << QStringList({"Pause"}) << "Play";
        QTest::addRow("negative state") << -1 << QStringList() << "Play";
        QTest::addRow("other state") << 3 << QStringList() << "Play";
    }

    // The button says what a click will do.
    void playPauseButton()
    {
        QFETCH(int, iState);
        QFETCH(QStringList, expectedCalls);
        QFETCH(QString, sCaption);
        Rig cRig;
        cRig.cFake->iPlayState = iState;
        QTest::mouseClick(child<QPushButton>(cRig.cPlayer, "btnPlayPause"), Qt::LeftButton);
        QCOMPARE(cRig.cFake->calls, expectedCalls);
        QCOMPARE(child<QPushButton>(cRig.cPlayer, "btnPlayPause")->text(), sCaption);
        cRig.cFake->Stop();
        QCOMPARE(child<QPushButton>(cRig.cPlayer, "btnPlayPause")->text(), QStringLiteral("Play"));
    }

    void skip_data()
    {
        QTest::addColumn<QStringList>("playlist");
        QTest::addColumn<QString>("sCurrent");
        QTest::addColumn<bool>("bForward");
        QTest::addColumn<QString>("sExpected");

        const QStringList cList({"/v/a.mpg", "/v/b.mpg", "/v/c.mpg"});
        QTest::addRow("forward from middle") << cList << "/v/b.mpg" << true << "/v/c.mpg";
        QTest::addRow("forward wraps after last") << cList << "/v/c.mpg" << true << "/v/a.mpg";
        QTest::addRow("backward from middle") << cList << "/v/b.mpg" << false << "/v/a.mpg";
        QTest::addRow("backward wraps before first") << cList << "/v/a.mpg" << false << "/v/c.mpg";
        QTest::addRow("forward from unknown starts first") << cList << "/v/x.mpg" << true << "/v/a.mpg";
        QTest::addRow("backward from unknown does nothing") << cList << "/v/x.mpg" << false << "/v/x.mpg";
        QTest::addRow("forward on empty playlist") << QStringList() << "/v/x.mpg" << true << "/v/x.mpg";
        QTest::addRow("backward on empty playlist") << QStringList() << "/v/x.mpg" << false << "/v/x.mpg";
        QTest::addRow("single entry forward") << QStringList({"/v/a.mpg"}) << "/v/a.mpg" << true << "/v/a.mpg";
    }

    void skip()
    {
        QFETCH(QStringList, playlist);
        QFETCH(QString, sCurrent);
        QFETCH(bool, bForward);
        QFETCH(QString, sExpected);

        Rig cRig;
        cRig.cPlayer.setPlaylist(playlist);
        cRig.cPlayer.loadMedia(sCurrent, 0, 2, 0);
        cRig.cFake->calls.clear();
        QSignalSpy cTimeSpy(&cRig.cPlayer, &CMediaPlayer::mediaTimeIndexChanged);
        QTest::mouseClick(bForward ? child<QPushButton>(cRig.cPlayer, "btnSkipForward")
                                   : child<QPushButton>(cRig.cPlayer, "btnSkipBackward"),
                          Qt::LeftButton);
        QCOMPARE(cRig.cPlayer.currentMediaFile(), sExpected);
        const bool bMoved = sExpected != sCurrent || playlist.size() == 1;
        QCOMPARE(cTimeSpy.count(), bMoved ? 1 : 0);
        if (bMoved) {
            QCOMPARE(cTimeSpy.first(), QVariantList({0u, 0u, 0u}));
            QVERIFY(cRig.cFake->calls.contains(QStringLiteral("Position=0")));
            QCOMPARE(cRig.cFake->iPlayState, 2);
        } else {
            QCOMPARE(cRig.cFake->calls, QStringList());
        }
    }

    void endOfStreamAdvancesThroughRepeatedEntries()
    {
        Rig cRig;
        const QStringList cList({"/v/a.mpg", "/v/a.mpg", "/v/b.mpg"});
        cRig.cPlayer.setPlaylist(cList);
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 30);
        QCOMPARE(cRig.cPlayer.currentPlaylistIndex(), 0);

        cRig.cFake->Stop(); // the control stops at the end
        cRig.cFake->calls.clear();
        cRig.cFake->endOfStream(0);
        QCOMPARE(cRig.cPlayer.currentPlaylistIndex(), 1);
        QCOMPARE(cRig.cFake->calls, QStringList({"Position=0", "Play"}));

        cRig.cFake->endOfStream(0);
        QCOMPARE(cRig.cPlayer.currentPlaylistIndex(), 2);
        QCOMPARE(cRig.cPlayer.currentMediaFile(), QStringLiteral("/v/b.mpg"));
        cRig.cFake->endOfStream(0);
        QCOMPARE(cRig.cPlayer.currentPlaylistIndex(), 0);
        QCOMPARE(cRig.cPlayer.currentMediaFile(), QStringLiteral("/v/a.mpg"));

        // Backward from the second entry goes to the first, not to the end.
        cRig.cFake->endOfStream(0);
        cRig.cPlayer.onbtnSkipBackwardClicked();
        QCOMPARE(cRig.cPlayer.currentPlaylistIndex(), 0);

        // Other results are ignored.
        cRig.cFake->calls.clear();
        cRig.cFake->endOfStream(1);
        QCOMPARE(cRig.cFake->calls, QStringList());
    }

    // A video shorter than the position shown before must not be seeked by
    // the slider clamping to its new range: that sent it to its end, and
    // the end of stream skipped it.
    void shorterVideoIsNotSeeked_data()
    {
        QTest::addColumn<bool>("bStalePositionBeforeReady");
        QTest::addColumn<bool>("bByEndOfStream");
        QTest::addRow("event chosen in the shorter video") << false << false;
        QTest::addRow("old position reported before ready") << true << false;
        QTest::addRow("next video after the end") << false << true;
        QTest::addRow("next video, old position before ready") << true << true;
    }

    void shorterVideoIsNotSeeked()
    {
        QFETCH(bool, bStalePositionBeforeReady);
        QFETCH(bool, bByEndOfStream);
        Rig cRig;
        QSlider *cSlider = child<QSlider>(cRig.cPlayer, "sslPosition");
        cRig.cPlayer.setPlaylist({"/v/long.mpg", "/v/short.mpg"});
        cRig.cPlayer.loadMedia(QStringLiteral("/v/long.mpg"), 0, 0, 0);
        cRig.cFake->becomeReady(60.0);
        cRig.cFake->jumpTo(7.0);
        QCOMPARE(cSlider->value(), 420);

        const uint uiSecond = bByEndOfStream ? 0 : 1;
        cRig.cFake->calls.clear();
        if (bByEndOfStream)
            cRig.cFake->endOfStream(0);
        else
            cRig.cPlayer.loadMedia(QStringLiteral("/v/short.mpg"), 0, 0, uiSecond);
        QCOMPARE(cRig.cFake->calls.filter(QStringLiteral("Position=")),
                 QStringList({QStringLiteral("Position=%1").arg(uiSecond)}));
        if (bStalePositionBeforeReady)
            cRig.cFake->jumpTo(7.0);
        cRig.cFake->dPosition = uiSecond;
        cRig.cFake->calls.clear();
        QSignalSpy cFileSpy(&cRig.cPlayer, &CMediaPlayer::mediaFileChanged);
        cRig.cFake->becomeReady(3.0);

        QCOMPARE(cRig.cFake->calls, QStringList());
        QCOMPARE(cFileSpy.count(), 0);
        QCOMPARE(cRig.cPlayer.currentMediaFile(), QStringLiteral("/v/short.mpg"));
        QCOMPARE(cSlider->maximum(), 180);
        QCOMPARE(cSlider->value(), int(uiSecond) * 60);
        QCOMPARE(child<QLabel>(cRig.cPlayer, "lblTimeIndex")->text(), QStringLiteral("00:00:0%1").arg(uiSecond));
    }

    // The slider steps whole seconds with the arrow keys, ten with the page keys.
    void sliderKeyboardSteps_data()
    {
        QTest::addColumn<int>("iKey");
        QTest::addColumn<QString>("sSeek");
        QTest::addRow("right") << int(Qt::Key_Right) << "Position=21";
        QTest::addRow("left") << int(Qt::Key_Left) << "Position=19";
        QTest::addRow("up") << int(Qt::Key_Up) << "Position=21";
        QTest::addRow("page up") << int(Qt::Key_PageUp) << "Position=30";
        QTest::addRow("page down") << int(Qt::Key_PageDown) << "Position=10";
    }

    void sliderKeyboardSteps()
    {
        QFETCH(int, iKey);
        QFETCH(QString, sSeek);
        Rig cRig;
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 0);
        cRig.cFake->becomeReady(60.0);
        cRig.cFake->jumpTo(20.0);
        cRig.cFake->calls.clear();
        QTest::keyClick(child<QSlider>(cRig.cPlayer, "sslPosition"), Qt::Key(iKey));
        QCOMPARE(cRig.cFake->calls, QStringList({sSeek}));
    }

    void seekBy_data()
    {
        QTest::addColumn<double>("dFrom");
        QTest::addColumn<double>("dBy");
        QTest::addColumn<double>("dExpected");
        QTest::addColumn<QString>("sText");
        QTest::addRow("forward") << 20.0 << 5.0 << 25.0 << "00:00:25";
        QTest::addRow("backward") << 20.0 << -5.0 << 15.0 << "00:00:15";
        QTest::addRow("not before the start") << 3.0 << -5.0 << 0.0 << "00:00:00";
        QTest::addRow("not beyond the end") << 58.0 << 5.0 << 60.0 << "00:01:00";
    }

    void seekBy()
    {
        QFETCH(double, dFrom);
        QFETCH(double, dBy);
        QFETCH(double, dExpected);
        QFETCH(QString, sText);
        Rig cRig;
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 0);
        cRig.cFake->becomeReady(60.0);
        cRig.cFake->jumpTo(dFrom);
        cRig.cFake->calls.clear();
        cRig.cPlayer.seekBy(dBy);
        QCOMPARE(cRig.cFake->calls, QStringList({QStringLiteral("Position=%1").arg(dExpected)}));
        QCOMPARE(child<QLabel>(cRig.cPlayer, "lblTimeIndex")->text(), sText);
    }

    void controlError_data()
    {
        QTest::addColumn<QString>("sDescription");
        QTest::addColumn<bool>("bShown");
        QTest::addRow("description is trimmed") << "  Resource not found.\n" << true;
        QTest::addRow("blank description is ignored") << " \t " << false;
        QTest::addRow("empty description is ignored") << "" << false;
    }

    void controlError()
    {
        QFETCH(QString, sDescription);
        QFETCH(bool, bShown);
        Rig cRig;
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 0);
        cRig.cFake->becomeReady(10.0);
        cRig.cFake->calls.clear();
        cRig.cFake->fail(sDescription);
        if (bShown) {
            QCOMPARE(child<QLabel>(cRig.cPlayer, "lblPlayerMessage")->text(), sDescription.trimmed());
            QCOMPARE(cRig.cFake->calls, QStringList({"Stop"}));
            QVERIFY(cRig.cPlayer.videoDisplay()->isHidden());
            QVERIFY(!child<QLabel>(cRig.cPlayer, "lblPlayerMessage")->isHidden());
            // The next file that becomes ready brings the picture back.
            cRig.cPlayer.loadMedia(QStringLiteral("/v/b.mpg"), 0, 0, 0);
            cRig.cFake->becomeReady(10.0);
            QVERIFY(!cRig.cPlayer.videoDisplay()->isHidden());
            QVERIFY(child<QLabel>(cRig.cPlayer, "lblPlayerMessage")->text().isEmpty());
        } else {
            QCOMPARE(cRig.cFake->calls, QStringList());
            QVERIFY(!cRig.cPlayer.videoDisplay()->isHidden());
        }
    }

    void setPlaylistForgetsCurrentFile()
    {
        Rig cRig;
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 0);
        cRig.cFake->becomeReady(10.0);
        cRig.cFake->calls.clear();
        cRig.cPlayer.setPlaylist({"/v/a.mpg"});
        QCOMPARE(cRig.cFake->calls, QStringList({"Stop", "FileName=", "ShowControls=0"}));
        QVERIFY(cRig.cPlayer.currentMediaFile().isEmpty());
        QVERIFY(cRig.cPlayer.isEnabled());
        QSignalSpy cFileSpy(&cRig.cPlayer, &CMediaPlayer::mediaFileChanged);
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 0);
        QCOMPARE(cFileSpy.count(), 1);
    }

    void resetPlayerEmptiesEverything()
    {
        Rig cRig;
        cRig.cPlayer.setPlaylist({"/v/a.mpg"});
        cRig.cPlayer.loadMedia(QStringLiteral("/v/a.mpg"), 0, 0, 0);
        cRig.cFake->becomeReady(10.0);
        cRig.cFake->jumpTo(65.0);
        cRig.cFake->calls.clear();
        cRig.cPlayer.resetPlayer();
        QCOMPARE(cRig.cFake->calls, QStringList({"Stop", "FileName=", "ShowControls=0"}));
        QVERIFY(cRig.cPlayer.playlist().isEmpty());
        QCOMPARE(child<QSlider>(cRig.cPlayer, "sslPosition")->value(), 0);
        QCOMPARE(child<QLabel>(cRig.cPlayer, "lblTimeIndex")->text(), QStringLiteral("00:00:00"));
        QVERIFY(!cRig.cPlayer.isEnabled());
        QVERIFY(cRig.cPlayer.videoDisplay()->isHidden());
        QVERIFY(!child<QLabel>(cRig.cPlayer, "lblPlayerMessage")->isHidden());
    }

    // The Qt Multimedia back end with real files.
    void realBackEndStartsAtTheTimeIndex()
    {
        const QString sVideo = demoVideo();
        if (sVideo.isEmpty() || !QFile::exists(sVideo))
            QSKIP("no demo video");
        CMediaPlayer cPlayer;
        if (cPlayer.controlError())
            QSKIP("no multimedia back end");
        cPlayer.resize(371, 373);
        cPlayer.show();
        cPlayer.loadMedia(sVideo, 0, 0, 2);
        QTRY_VERIFY_WITH_TIMEOUT(!cPlayer.videoDisplay()->isHidden()
                                     || !child<QLabel>(cPlayer, "lblPlayerMessage")->text().isEmpty(),
                                 10000);
        if (!child<QLabel>(cPlayer, "lblPlayerMessage")->text().isEmpty())
            QSKIP(qPrintable("the back end cannot play the video: "
                             + child<QLabel>(cPlayer, "lblPlayerMessage")->text()));
        IPlaybackControl *cControl = cPlayer.playbackControl();
        QTRY_COMPARE_WITH_TIMEOUT(cControl->playState(), 2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(cPlayer.positionTimerRunning(), 5000);
        QTest::qWait(1200);
        QVERIFY2(cControl->currentPosition() >= 2.0, qPrintable(QString::number(cControl->currentPosition())));
        QVERIFY(child<QLabel>(cPlayer, "lblTimeIndex")->text() >= QStringLiteral("00:00:02"));
        QVERIFY(cPlayer.isEnabled());
    }

    // A photo tab pauses right after the load; the position must still hold
    // once the media has loaded, and playing resumes from there.
    void realBackEndKeepsPositionWhenPausedEarly()
    {
        const QString sVideo = demoVideo();
        if (sVideo.isEmpty() || !QFile::exists(sVideo))
            QSKIP("no demo video");
        CMediaPlayer cPlayer;
        if (cPlayer.controlError())
            QSKIP("no multimedia back end");
        cPlayer.loadMedia(sVideo, 0, 0, 3);
        cPlayer.pausePlayback();
        IPlaybackControl *cControl = cPlayer.playbackControl();
        QTRY_VERIFY_WITH_TIMEOUT(cPlayer.isEnabled() || !child<QLabel>(cPlayer, "lblPlayerMessage")->text().isEmpty(),
                                 10000);
        if (!cPlayer.isEnabled())
            QSKIP("the back end cannot play the video");
        QTest::qWait(800);
        QCOMPARE(cControl->playState(), 1);
        QVERIFY2(cControl->currentPosition() >= 2.9, qPrintable(QString::number(cControl->currentPosition())));
        QTest::mouseClick(child<QPushButton>(cPlayer, "btnPlayPause"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(cControl->playState(), 2, 5000);
        QTest::qWait(700);
        QVERIFY2(cControl->currentPosition() >= 3.0, qPrintable(QString::number(cControl->currentPosition())));
    }

    void realBackEndReportsBadFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("bCreate");
        QTest::addRow("missing file") << QByteArray() << false;
        QTest::addRow("corrupt file") << QByteArray(4096, '\x5a') << true;
    }

    void realBackEndReportsBadFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, bCreate);
        CMediaPlayer cPlayer;
        if (cPlayer.controlError())
            QSKIP("no multimedia back end");
        QTemporaryDir cDir;
        const QString sPath = cDir.filePath(QStringLiteral("video.mpg"));
        if (bCreate) {
            QFile cFile(sPath);
            QVERIFY(cFile.open(QIODevice::WriteOnly));
            cFile.write(content);
        }
        cPlayer.loadMedia(sPath, 0, 0, 4);
        QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>(cPlayer, "lblPlayerMessage")->text().isEmpty(), 10000);
        QVERIFY(!child<QLabel>(cPlayer, "lblPlayerMessage")->isHidden());
        QVERIFY(cPlayer.videoDisplay()->isHidden());
    }

    void realBackEndClampsBeyondTheEnd()
    {
        const QString sVideo = demoVideo();
        if (sVideo.isEmpty() || !QFile::exists(sVideo))
            QSKIP("no demo video");
        CMediaPlayer cPlayer;
        if (cPlayer.controlError())
            QSKIP("no multimedia back end");
        cPlayer.loadMedia(sVideo, 5, 0, 0);
        QTRY_VERIFY_WITH_TIMEOUT(cPlayer.isEnabled() || !child<QLabel>(cPlayer, "lblPlayerMessage")->text().isEmpty(),
                                 10000);
        QTest::qWait(500);
        QVERIFY(cPlayer.playbackControl()->currentPosition() <= cPlayer.playbackControl()->duration() + 0.5);
    }
};

QTEST_MAIN(tst_MediaPlayer)
#include "tst_mediaplayer.moc"
