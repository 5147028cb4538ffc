#include "ui/CViewerSettings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The user's configuration, redirected to a temporary directory.
class tst_ViewerSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cConfig;
    QTemporaryDir m_cProjects;

    QString configFile() const
    {
        return m_cConfig.filePath(CViewerSettings::organizationName() + QLatin1Char('/')
                                  + CViewerSettings::applicationName() + QStringLiteral(".conf"));
    }
    QString project(const QString &sName) const { return m_cProjects.filePath(sName); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_cConfig.isValid() && m_cProjects.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_cConfig.path());
    }

    void init() { QFile::remove(configFile()); }

    void lastProjectIsFirst_data()
    {
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("none") << QStringList() << QStringList();
        QTest::addRow("newest first") << QStringList({"a", "b", "c"}) << QStringList({"c", "b", "a"});
        QTest::addRow("reopening moves up") << QStringList({"a", "b", "a"}) << QStringList({"a", "b"});
        QTest::addRow("same directory written differently")
            << QStringList({"a", "b/../a/", "./a"}) << QStringList({"a"});
        QTest::addRow("at most eight") << QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"})
                                       << QStringList({"10", "9", "8", "7", "6", "5", "4", "3"});
        QTest::addRow("empty names are ignored") << QStringList({"a", "", " "}) << QStringList({"a"});
    }

    void lastProjectIsFirst()
    {
        QFETCH(QStringList, opened);
        QFETCH(QStringList, expected);
        {
            CViewerSettings cSettings;
            for (const QString &sName : opened)
                cSettings.addRecentProject(sName.trimmed().isEmpty() ? sName : project(sName));
        }
        // A new run reads what the last one wrote.
        const CViewerSettings cSettings;
        QStringList cExpected;
        for (const QString &sName : expected)
            cExpected << QDir::cleanPath(project(sName));
        QCOMPARE(cSettings.recentProjects(), cExpected);
        QCOMPARE(cSettings.lastProjectDirectory(), cExpected.value(0));
        QVERIFY(QFile::exists(configFile()) || expected.isEmpty());
    }

    // A list edited by hand: relative, repeated, too many entries.
    void handEditedListIsCleanedUp()
    {
        QSettings cRaw(QSettings::NativeFormat, QSettings::UserScope, CViewerSettings::organizationName(),
                       CViewerSettings::applicationName());
        QStringList cStored({project("a"), project("a") + QStringLiteral("/"), QString()});
        for (int i = 0; i < 20; ++i)
            cStored << project(QString::number(i));
        cRaw.setValue(QStringLiteral("recentProjects"), cStored);
        cRaw.sync();
        const CViewerSettings cSettings;
        const QStringList cProjects = cSettings.recentProjects();
        QCOMPARE(cProjects.size(), CViewerSettings::iMaxRecentProjects);
        QCOMPARE(cProjects.first(), project("a"));
        QCOMPARE(cProjects.at(1), project("0"));
    }

    void windowStateRoundTrip()
    {
        {
            CViewerSettings cSettings;
            cSettings.setWindowGeometry(QByteArray("\x01\x02geometry", 10));
            cSettings.setSplitterState(QStringLiteral("horizontal"), QByteArray("h"));
            cSettings.setLastFrameDirectory(project("stills"));
        }
        const CViewerSettings cSettings;
        QCOMPARE(cSettings.windowGeometry(), QByteArray("\x01\x02geometry", 10));
        QCOMPARE(cSettings.splitterState(QStringLiteral("horizontal")), QByteArray("h"));
        QVERIFY(cSettings.splitterState(QStringLiteral("vertical")).isEmpty());
        QCOMPARE(cSettings.lastFrameDirectory(), project("stills"));
        // Nothing of it lands anywhere but in the configuration directory.
        QCOMPARE(QDir(m_cProjects.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_ViewerSettings)
#include "tst_viewersettings.moc"
