// Reads stay inside their directory and reports stay outside the project:
// links, climbing names, pipes and hard links, on a real directory tree.

#include "TestHelpers.h"
#include "report/ReportOutput.h"
#include "storage/CIniReader.h"
#include "storage/ContainedFile.h"
#include "storage/PathUtils.h"
#include "storage/ProjectDirectory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestContainment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openFileInside_data();
    void openFileInside();
    void mediaFilePathStaysInProject_data();
    void mediaFilePathStaysInProject();
    void nameStaysInside_data();
    void nameStaysInside();
    void reportOutput_data();
    void reportOutput();
    void outputCompleteness_data();
    void outputCompleteness();
    void openingIntoProjectIsRefused();
    void undecodableNames();

private:
    // <root>/project (with Photos/), <root>/outside, and <root>/link -> project.
    QString project() const { return m_dir.filePath(QStringLiteral("project")); }
    QString outside() const { return m_dir.filePath(QStringLiteral("outside")); }
    QTemporaryDir m_dir;
};

void TestContainment::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString p = project();
    const QString o = outside();
    QVERIFY(TestHelpers::writeFile(p + QStringLiteral("/segments.dat"), "[1]\nname=inside\n"));
    QVERIFY(TestHelpers::writeFile(p + QStringLiteral("/Photos/a.jpg"), "jpeg"));
    QVERIFY(TestHelpers::writeFile(o + QStringLiteral("/secret.dat"), "[1]\nname=outside\n"));
    QVERIFY(QDir().mkpath(o + QStringLiteral("/Photos")));
    QVERIFY(TestHelpers::writeFile(o + QStringLiteral("/Photos/b.jpg"), "jpeg"));
    QVERIFY(QFile::link(p + QStringLiteral("/segments.dat"), p + QStringLiteral("/inner-link.dat")));
    QVERIFY(QFile::link(QStringLiteral("segments.dat"), p + QStringLiteral("/relative-link.dat")));
    QVERIFY(QFile::link(o + QStringLiteral("/secret.dat"), p + QStringLiteral("/outer-link.dat")));
    QVERIFY(QFile::link(QStringLiteral("../outside/secret.dat"), p + QStringLiteral("/relative-outer-link.dat")));
    QVERIFY(QFile::link(o + QStringLiteral("/Photos"), p + QStringLiteral("/LinkedPhotos")));
    QVERIFY(QFile::link(p + QStringLiteral("/loop-b"), p + QStringLiteral("/loop-a")));
    QVERIFY(QFile::link(p + QStringLiteral("/loop-a"), p + QStringLiteral("/loop-b")));
    QVERIFY(QFile::link(p, m_dir.filePath(QStringLiteral("link"))));
    QCOMPARE(::mkfifo(QFile::encodeName(p + QStringLiteral("/pipe.dat")).constData(), 0600), 0);
    QCOMPARE(::mkfifo(QFile::encodeName(p + QStringLiteral("/Photos/pipe.jpg")).constData(), 0600), 0);
    QVERIFY(QFile::link(o + QStringLiteral("/Photos/b.jpg"), p + QStringLiteral("/Photos/out.jpg")));
    QVERIFY(QFile::link(o + QStringLiteral("/Photos/none.jpg"), p + QStringLiteral("/Photos/dangling.jpg")));
}

void TestContainment::openFileInside_data()
{
    QTest::addColumn<QString>("sDirectory"); // relative to the temporary root
    QTest::addColumn<QString>("sPath");
    QTest::addColumn<bool>("bOpens");
    QTest::newRow("a plain file") << "project"
                                  << "project/segments.dat" << true;
    QTest::newRow("a link to a file inside") << "project"
                                             << "project/inner-link.dat" << true;
    QTest::newRow("a relative link inside") << "project"
                                            << "project/relative-link.dat" << true;
    QTest::newRow("the project reached through a link") << "link"
                                                        << "link/segments.dat" << true;
    QTest::newRow("a file named through the project link") << "project"
                                                           << "link/segments.dat" << true;
    QTest::newRow("a link to a file outside") << "project"
                                              << "project/outer-link.dat" << false;
    QTest::newRow("a relative link outside") << "project"
                                             << "project/relative-outer-link.dat" << false;
    QTest::newRow("a linked directory outside") << "project"
                                                << "project/LinkedPhotos/b.jpg" << false;
    QTest::newRow("a path climbing out") << "project"
                                         << "project/../outside/secret.dat" << false;
    QTest::newRow("a file outside") << "project"
                                    << "outside/secret.dat" << false;
    QTest::newRow("the directory itself") << "project"
                                          << "project" << false;
    QTest::newRow("a directory") << "project"
                                 << "project/Photos" << false;
    QTest::newRow("a pipe (must not block)") << "project"
                                             << "project/pipe.dat" << false;
    QTest::newRow("a missing file") << "project"
                                    << "project/none.dat" << false;
    QTest::newRow("links in a circle") << "project"
                                       << "project/loop-a" << false;
    QTest::newRow("no directory: any regular file") << ""
                                                    << "outside/secret.dat" << true;
    QTest::newRow("no directory: still no pipe") << ""
                                                 << "project/pipe.dat" << false;
}

void TestContainment::openFileInside()
{
    QFETCH(QString, sDirectory);
    QFETCH(QString, sPath);
    QFETCH(bool, bOpens);
    const QString sFullDirectory = sDirectory.isEmpty() ? QString() : m_dir.filePath(sDirectory);
    const QString sFullPath = m_dir.filePath(sPath);
    QFile file;
    QCOMPARE(::openFileInside(file, sFullDirectory, sFullPath), bOpens);
    QCOMPARE(file.isOpen(), bOpens);
    if (bOpens)
        QVERIFY(!file.readAll().isEmpty());
    // The INI reader of project files answers the same.
    const CIniReader reader(sFullPath, sFullDirectory);
    QCOMPARE(reader.isReadable(), bOpens);
    if (!sDirectory.isEmpty())
        QCOMPARE(liesInside(sFullDirectory, sFullPath),
                 bOpens || sPath.endsWith(QLatin1String("pipe.dat")) || sPath == QLatin1String("project/Photos"));
}

void TestContainment::mediaFilePathStaysInProject_data()
{
    QTest::addColumn<QString>("sMediaDirectory"); // relative to the project
    QTest::addColumn<QString>("sName");
    QTest::addColumn<bool>("bKept");
    QTest::newRow("a photo") << "Photos"
                             << "a.jpg" << true;
    QTest::newRow("a missing photo") << "Photos"
                                     << "missing.jpg" << true;
    QTest::newRow("a linked media directory") << "LinkedPhotos"
                                              << "b.jpg" << false;
    QTest::newRow("a name with a slash") << "Photos"
                                         << "../segments.dat" << false;
    QTest::newRow("a pipe") << "Photos"
                            << "pipe.jpg" << false;
    QTest::newRow("a link outside") << "Photos"
                                    << "out.jpg" << false;
    QTest::newRow("a dangling link") << "Photos"
                                     << "dangling.jpg" << false;
}

void TestContainment::mediaFilePathStaysInProject()
{
    QFETCH(QString, sMediaDirectory);
    QFETCH(QString, sName);
    QFETCH(bool, bKept);
    const QString sDirectory = QDir::cleanPath(project() + QLatin1Char('/') + sMediaDirectory) + QLatin1Char('/');
    const QString sPath = mediaFilePath(sDirectory, sName);
    QCOMPARE(!sPath.isEmpty(), bKept);
    if (bKept && QFile::exists(sPath)) {
        QFile file;
        QVERIFY(openMediaFile(file, sPath));
    }
}

void TestContainment::nameStaysInside_data()
{
    QTest::addColumn<QString>("sName");
    QTest::addColumn<bool>("bInside");
    QTest::newRow("a bare name") << "Catalog.std" << true;
    QTest::newRow("a sub-folder") << "de/Catalog.std" << true;
    QTest::newRow("down and up again") << "de/../Catalog.std" << true;
    QTest::newRow("one up") << "../Catalog.std" << false;
    QTest::newRow("two up") << "../../outside/Catalog.std" << false;
    QTest::newRow("down, then out") << "de/../../Catalog.std" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("backslash") << "..\\Catalog.std" << false;
    QTest::newRow("the folder itself") << "." << false;
    QTest::newRow("empty") << "" << false;
}

void TestContainment::nameStaysInside()
{
    QFETCH(QString, sName);
    QFETCH(bool, bInside);
    QCOMPARE(::nameStaysInside(QStringLiteral("/opt/corvane/CatalogBaseData/"), sName), bInside);
}

void TestContainment::reportOutput_data()
{
    QTest::addColumn<QString>("sOutput"); // relative to the temporary root
    QTest::addColumn<int>("iCheck");
    const int iUsable = int(ReportOutputCheck::Usable);
    const int iInside = int(ReportOutputCheck::InsideProject);
    QTest::newRow("beside the project") << "report.pdf" << iUsable;
    QTest::newRow("in another directory") << "outside/report.pdf" << iUsable;
    QTest::newRow("a project file") << "project/segments.dat" << iInside;
    QTest::newRow("a new file in the project") << "project/report.pdf" << iInside;
    QTest::newRow("a new file in a media directory") << "project/Photos/report.pdf" << iInside;
    QTest::newRow("climbing back in") << "outside/../project/report.pdf" << iInside;
    QTest::newRow("through the project link") << "link/report.pdf" << iInside;
    QTest::newRow("a link to a project file") << "to-segments.pdf" << iInside;
    QTest::newRow("a dangling link into the project") << "to-new.pdf" << iInside;
    QTest::newRow("a link to a link into the project") << "to-link.pdf" << iInside;
    QTest::newRow("a hard link to a project file") << "hard.pdf" << iInside;
    QTest::newRow("a linked directory's file") << "project/LinkedPhotos/report.pdf" << iUsable;
    QTest::newRow("the project directory") << "project" << int(ReportOutputCheck::IsDirectory);
    QTest::newRow("a directory elsewhere") << "outside" << int(ReportOutputCheck::IsDirectory);
}

void TestContainment::reportOutput()
{
    QFETCH(QString, sOutput);
    QFETCH(int, iCheck);
    const QString p = project();
    if (!QFileInfo::exists(m_dir.filePath(QStringLiteral("hard.pdf")))) {
        QVERIFY(QFile::link(p + QStringLiteral("/segments.dat"), m_dir.filePath(QStringLiteral("to-segments.pdf"))));
        QVERIFY(QFile::link(p + QStringLiteral("/new.pdf"), m_dir.filePath(QStringLiteral("to-new.pdf"))));
        QVERIFY(
            QFile::link(m_dir.filePath(QStringLiteral("to-new.pdf")), m_dir.filePath(QStringLiteral("to-link.pdf"))));
        QCOMPARE(::link(QFile::encodeName(p + QStringLiteral("/segments.dat")).constData(),
                        QFile::encodeName(m_dir.filePath(QStringLiteral("hard.pdf"))).constData()),
                 0);
    }
    QCOMPARE(int(checkReportOutput(m_dir.filePath(sOutput), p)), iCheck);
    // The project named through its link or with a trailing "/" is the same project.
    QCOMPARE(int(checkReportOutput(m_dir.filePath(sOutput), m_dir.filePath(QStringLiteral("link/")))), iCheck);
}

void TestContainment::outputCompleteness_data()
{
    QTest::addColumn<QString>("sPath");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("bComplete");
    QTest::newRow("a file") << m_dir.filePath(QStringLiteral("written.pdf")) << QByteArray("%PDF") << true;
    QTest::newRow("an empty file") << m_dir.filePath(QStringLiteral("empty.pdf")) << QByteArray() << false;
    QTest::newRow("a device that takes all") << "/dev/null" << QByteArray("%PDF") << true;
    QTest::newRow("a full device") << "/dev/full" << QByteArray("%PDF") << false;
}

// The run's own file tells whether every byte arrived; a regular file
// that was there before is cut only by the open for the report.
void TestContainment::outputCompleteness()
{
    QFETCH(QString, sPath);
    QFETCH(QByteArray, data);
    QFETCH(bool, bComplete);
    if (sPath.startsWith(m_dir.path()))
        QVERIFY(TestHelpers::writeFile(sPath, "old contents, longer than the new ones"));
    QFile file(sPath);
    QCOMPARE(int(openReportOutput(file, project())), int(ReportOutputCheck::Usable));
    QCOMPARE(file.write(data), data.size());
    QCOMPARE(finishReportOutput(file), bComplete);
    if (sPath.startsWith(m_dir.path())) {
        QFile written(sPath);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), data);
    }
}

void TestContainment::openingIntoProjectIsRefused()
{
    // A project file named through a link: refused without cutting it.
    const QString sLink = m_dir.filePath(QStringLiteral("late-link.pdf"));
    QVERIFY(QFile::link(project() + QStringLiteral("/segments.dat"), sLink));
    QFile file(sLink);
    QCOMPARE(int(openReportOutput(file, project())), int(ReportOutputCheck::InsideProject));
    QVERIFY(!file.isOpen());
    QFile segments(project() + QStringLiteral("/segments.dat"));
    QVERIFY(segments.open(QIODevice::ReadOnly));
    QCOMPARE(segments.readAll(), QByteArray("[1]\nname=inside\n"));
}

void TestContainment::undecodableNames()
{
    // Invalid UTF-8 decodes to U+FFFD: such a name cannot be opened again.
    const QString sDecoded = QFile::decodeName(QFile::encodeName(m_dir.path()) + "/proj\xff");
    QVERIFY(sDecoded.contains(QChar::ReplacementCharacter));
    QVERIFY(hasUndecodableName(sDecoded));
    // A name that really holds U+FFFD exists as it is spelled.
    const QString sReal = m_dir.filePath(QStringLiteral("real") + QChar(QChar::ReplacementCharacter));
    QVERIFY(QDir().mkpath(sReal));
    QVERIFY(!hasUndecodableName(sReal));
    QVERIFY(!hasUndecodableName(project()));
}

QTEST_MAIN(TestContainment)
#include "tst_containment.moc"
