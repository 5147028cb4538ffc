// Damaged language files: a file that is taken is one the translator can
// read without crashing; the shipped files are taken.

#include "TestHelpers.h"
#include "app/TranslationFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTranslator>

namespace {
QByteArray shipped(const char *pName)
{
    QFile file(TestHelpers::installDir() + QStringLiteral("/LanguageFiles/") + QLatin1String(pName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Looks up texts of several contexts through the toolkit's translator.
void translateSome(const QByteArray &data)
{
    QTranslator translator;
    if (!translator.load(reinterpret_cast<const uchar *>(data.constData()), static_cast<int>(data.size())))
        return;
    for (const char *pContext : {"CAppMainWindow", "CPrintoutTextTranslator", "CSharedTranslations", "MainWindow"}) {
        for (const char *pText : {"Error", "Page ", "Project Information", "File access error.", "&Open"})
            (void)translator.translate(pContext, pText);
    }
}
} // namespace

class TestTranslationFile : public QObject
{
    Q_OBJECT

private slots:
    void shippedFilesAreTaken_data();
    void shippedFilesAreTaken();
    void damagedFiles_data();
    void damagedFiles();
};

void TestTranslationFile::shippedFilesAreTaken_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("German") << shipped("corvane_de.qm");
    QTest::newRow("English") << shipped("corvane_en.qm");
}

void TestTranslationFile::shippedFilesAreTaken()
{
    QFETCH(QByteArray, data);
    QVERIFY(!data.isEmpty());
    QVERIFY(isWellFormedTranslation(data));
}

void TestTranslationFile::damagedFiles_data()
{
    QTest::addColumn<int>("iKind");
    QTest::newRow("truncated") << 0;
    QTest::newRow("garbage inserted") << 1;
    QTest::newRow("bytes flipped") << 2;
}

// Many damaged copies of the German file: those refused are never read;
// those taken translate without reading past their blocks (the sanitized
// build would report it).
void TestTranslationFile::damagedFiles()
{
    QFETCH(int, iKind);
    const QByteArray original = shipped("corvane_de.qm");
    QVERIFY(!original.isEmpty());
    QRandomGenerator random(0x7a11u + quint32(iKind));
    int iRefused = 0;
    for (int i = 0; i < 300; ++i) {
        QByteArray data = original;
        const int iAt = random.bounded(int(data.size()));
        if (iKind == 0) {
            data.truncate(iAt);
        } else if (iKind == 1) {
            QByteArray garbage(random.bounded(1, 64), Qt::Uninitialized);
            for (char &c : garbage)
                c = char(random.bounded(256));
            data.insert(iAt, garbage);
        } else {
            for (int j = 0; j < 4; ++j)
                data[random.bounded(int(data.size()))] = char(random.bounded(256));
        }
        if (isWellFormedTranslation(data))
            translateSome(data);
        else
            ++iRefused;
    }
    QVERIFY(iRefused > 0);
    QVERIFY(!isWellFormedTranslation(QByteArray()));
}

QTEST_MAIN(TestTranslationFile)
#include "tst_translationfile.moc"
