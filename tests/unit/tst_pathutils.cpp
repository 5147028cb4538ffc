#include "storage/PathUtils.h"
#include "storage/ProjectDirectory.h"
#include "storage/StorageErrors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestPathUtils : public QObject
{
    Q_OBJECT

private slots:
    void trailingSlash_data();
    void trailingSlash();
    void components_data();
    void components();
    void validFileName_data();
    void validFileName();
    void directoryExists();
    void mediaDirectories_data();
    void mediaDirectories();
    void mediaFilePath_data();
    void mediaFilePath();
    void mediaFilePathRefusesSpecialFiles();
    void accessResultMapping();
};

void TestPathUtils::trailingSlash_data()
{
    QTest::addColumn<QString>("sPath");
    QTest::addColumn<QString>("sEnsured");
    QTest::addColumn<QString>("sRemoved");
    QTest::addRow("empty") << ""
                           << ""
                           << "";
    QTest::addRow("plain") << "C:/data"
                           << "C:/data/"
                           << "C:/data";
    QTest::addRow("with slash") << "C:/data/"
                                << "C:/data/"
                                << "C:/data";
    QTest::addRow("two slashes") << "a//"
                                 << "a//"
                                 << "a/";
    QTest::addRow("root") << "/"
                          << "/"
                          << "";
}

void TestPathUtils::trailingSlash()
{
    QFETCH(QString, sPath);
    QFETCH(QString, sEnsured);
    QFETCH(QString, sRemoved);
    QString sText = sPath;
    ensureTrailingSlash(sText);
    QCOMPARE(sText, sEnsured);
    sText = sPath;
    removeTrailingSlash(sText);
    QCOMPARE(sText, sRemoved);
}

void TestPathUtils::components_data()
{
    QTest::addColumn<QString>("sPath");
    QTest::addColumn<QString>("sLast");
    QTest::addColumn<QString>("sFileName");
    QTest::addColumn<QString>("sDirectory");
    QTest::addColumn<QString>("sParent");
    QTest::addRow("file") << "a/b/project.dat"
                          << "project.dat"
                          << "project.dat"
                          << "a/b/"
                          << "a/b/";
    QTest::addRow("dir with slash") << "a/b/"
                                    << "b"
                                    << ""
                                    << "a/b/"
                                    << "a/";
    QTest::addRow("dir without slash") << "a/b"
                                       << "b"
                                       << "b"
                                       << "a/"
                                       << "a/";
    QTest::addRow("bare name") << "name"
                               << "name"
                               << "name"
                               << "name/"
                               << "name/";
    QTest::addRow("empty") << ""
                           << ""
                           << ""
                           << ""
                           << "";
    QTest::addRow("absolute") << "/x"
                              << "x"
                              << "x"
                              << "/"
                              << "/";
    QTest::addRow("backslash is no separator") << "a\\b"
                                               << "a\\b"
                                               << "a\\b"
                                               << "a\\b/"
                                               << "a\\b/";
}

void TestPathUtils::components()
{
    QFETCH(QString, sPath);
    QFETCH(QString, sLast);
    QFETCH(QString, sFileName);
    QFETCH(QString, sDirectory);
    QFETCH(QString, sParent);
    QCOMPARE(lastPathComponent(sPath), sLast);
    QCOMPARE(fileNameOfPath(sPath), sFileName);
    QCOMPARE(directoryOfPath(sPath), sDirectory);
    QCOMPARE(parentDirectoryOf(sPath), sParent);
}

void TestPathUtils::validFileName_data()
{
    QTest::addColumn<QString>("sText");
    QTest::addColumn<QString>("sExpected");
    QTest::addRow("empty") << ""
                           << "_";
    QTest::addRow("blank, colon, dot") << " my:report."
                                       << "_my_report_";
    QTest::addRow("umlaut") << QString::fromUtf8("Müll") << "M_ll";
    QTest::addRow("tab") << "a\tb"
                         << "a_b";
    QTest::addRow("outside latin-1") << QString::fromUtf8("a\u20acb") << "a_b";
    QTest::addRow("all forbidden") << "/?%*:|\"<>@\\"
                                   << "___________";
    QTest::addRow("leading dot only once") << "..x"
                                           << "_.x";
    QTest::addRow("single blank") << " "
                                  << "_";
    QTest::addRow("plain stays") << "Report 2024-01-05 (A)"
                                 << "Report 2024-01-05 (A)";
    QTest::addRow("DEL stays") << "a\x7f"
                                  "b"
                               << "a\x7f"
                                  "b";
}

void TestPathUtils::validFileName()
{
    QFETCH(QString, sText);
    QFETCH(QString, sExpected);
    const QString sResult = ::validFileName(sText);
    QCOMPARE(sResult, sExpected);
    QCOMPARE(sResult.size(), qMax<qsizetype>(1, sText.size()));
}

void TestPathUtils::directoryExists()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString sBase = tmp.path();
    QVERIFY(QDir(sBase).mkdir(QStringLiteral("proj")));
    QFile file(sBase + QStringLiteral("/plainfile"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QVERIFY(::directoryExists(sBase + QStringLiteral("/Proj"), false));
    QVERIFY(::directoryExists(sBase + QStringLiteral("/PROJ/"), false));
    QVERIFY(::directoryExists(sBase + QStringLiteral("/proj"), true));
    QVERIFY(!::directoryExists(sBase + QStringLiteral("/missing"), false));
    // A regular file of that name is no directory.
    QVERIFY(!::directoryExists(sBase + QStringLiteral("/plainfile"), false));
    QVERIFY(!::directoryExists(sBase + QStringLiteral("/plainfile"), true));
    QVERIFY(!::directoryExists(QString(), false));
    QVERIFY(!::directoryExists(QString(), true));

    QVERIFY(pathExists(sBase + QStringLiteral("/plainfile")));
    QVERIFY(pathExists(sBase + QStringLiteral("/proj")));
    QVERIFY(!pathExists(sBase + QStringLiteral("/missing")));
    QVERIFY(!pathExists(QString()));
}

void TestPathUtils::mediaDirectories_data()
{
    QTest::addColumn<QString>("sProject");
    QTest::addColumn<QString>("sPhotos");
    QTest::addColumn<QString>("sVideos");
    QTest::addColumn<QString>("sInclination");
    QTest::addRow("empty") << ""
                           << ""
                           << ""
                           << "";
    QTest::addRow("with slash") << "/p/"
                                << "/p/Photos/"
                                << "/p/Videos/"
                                << "/p/Inclination/";
    QTest::addRow("without slash") << "/p"
                                   << "/p/Photos/"
                                   << "/p/Videos/"
                                   << "/p/Inclination/";
}

void TestPathUtils::mediaDirectories()
{
    QFETCH(QString, sProject);
    QFETCH(QString, sPhotos);
    QFETCH(QString, sVideos);
    QFETCH(QString, sInclination);
    QCOMPARE(photosDirectory(sProject), sPhotos);
    QCOMPARE(videosDirectory(sProject), sVideos);
    QCOMPARE(inclinationDirectory(sProject), sInclination);
    QCOMPARE(projectFilePath(sProject),
             sProject.isEmpty() ? QStringLiteral("project.dat") : QStringLiteral("/p/project.dat"));
}

void TestPathUtils::mediaFilePath_data()
{
    QTest::addColumn<QString>("sName");
    QTest::addColumn<QString>("sExpected");
    QTest::addRow("bare name") << "1-2.jpg"
                               << "/p/Photos/1-2.jpg";
    QTest::addRow("name with blanks and dots") << "a b..c.jpg"
                                               << "/p/Photos/a b..c.jpg";
    QTest::addRow("empty") << ""
                           << "";
    QTest::addRow("dot") << "."
                         << "";
    QTest::addRow("dot dot") << ".."
                             << "";
    QTest::addRow("parent escape") << "../project.dat"
                                   << "";
    QTest::addRow("absolute") << "/etc/passwd"
                              << "";
    QTest::addRow("sub directory") << "sub/x.jpg"
                                   << "";
    QTest::addRow("backslash") << "..\\x.jpg"
                               << "";
    QTest::addRow("nul") << QString(QStringLiteral("x.jpg") + QChar(0) + QStringLiteral("y")) << "";
}

void TestPathUtils::mediaFilePath()
{
    QFETCH(QString, sName);
    QFETCH(QString, sExpected);
    QCOMPARE(::mediaFilePath(photosDirectory(QStringLiteral("/p")), sName), sExpected);
    // No media directory: no path either, never a name relative to the
    // working directory.
    QCOMPARE(::mediaFilePath(QString(), sName), QString());
}

void TestPathUtils::mediaFilePathRefusesSpecialFiles()
{
    QTemporaryDir dir;
    const QString sMedia = dir.path() + QStringLiteral("/Photos/");
    QVERIFY(QDir().mkpath(sMedia + QStringLiteral("folder.jpg")));
    QVERIFY(::mkfifo(QFile::encodeName(sMedia + QStringLiteral("pipe.jpg")).constData(), 0600) == 0);
    QFile regular(sMedia + QStringLiteral("photo.jpg"));
    QVERIFY(regular.open(QIODevice::WriteOnly));
    regular.close();
    QCOMPARE(::mediaFilePath(sMedia, QStringLiteral("pipe.jpg")), QString());
    QCOMPARE(::mediaFilePath(sMedia, QStringLiteral("folder.jpg")), QString());
    QCOMPARE(::mediaFilePath(sMedia, QStringLiteral("photo.jpg")), sMedia + QStringLiteral("photo.jpg"));
    QCOMPARE(::mediaFilePath(sMedia, QStringLiteral("missing.jpg")), sMedia + QStringLiteral("missing.jpg"));
}

void TestPathUtils::accessResultMapping()
{
    QCOMPARE(storageCodeOfAccessResult(ProjectAccess::Ok), 0);
    QCOMPARE(storageCodeOfAccessResult(ProjectAccess::NoDirectory), 2);
    QCOMPARE(storageCodeOfAccessResult(ProjectAccess::NoProjectName), 3);
    QCOMPARE(storageCodeOfAccessResult(ProjectAccess::UnsupportedVersion), 8);
    QCOMPARE(storageCodeOfAccessResult(42), 1);
}

QTEST_GUILESS_MAIN(TestPathUtils)
#include "tst_pathutils.moc"
