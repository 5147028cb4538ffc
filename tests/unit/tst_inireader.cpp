#include "CSettingsIniReader.h"
#include "TestHelpers.h"

#include "storage/CIniReader.h"
#include "storage/CProjectFileReader.h"
#include "storage/IniVariantStream.h"
#include "storage/StorageErrors.h"

#include <QDataStream>
#include <QDateTime>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

// The INI rules CIniReader follows, where it keeps data the settings class
// loses, and how it copes with hostile files. The differential test compares
// it with the settings class on many more inputs.
class TestIniReader : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void childGroupsSorted();
    void keptData_data();
    void keptData();
    void nestedHeaderKeepsProject();
    void variants_data();
    void variants();
    void hostileValues_data();
    void hostileValues();
    void manyKeys();
    void hugeArraySize();
    void unreadable_data();
    void unreadable();
};

namespace {
// The text of a key below a group, through CIniReader.
QString textOf(const QByteArray &data, const QString &sGroup, const QString &sKey)
{
    CIniReader reader = CIniReader::fromData(data);
    reader.beginGroup(sGroup);
    return reader.text(sKey);
}

QByteArray streamed(const QVariant &vValue, QDataStream::Version eVersion)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(eVersion);
    stream << vValue;
    return bytes;
}

QByteArray bigEndian(quint32 uValue)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << uValue;
    return bytes;
}

// A variant list nested iLevels deep around one integer, in stream form.
QByteArray nestedLists(int iLevels)
{
    QByteArray bytes;
    const QByteArray level = bigEndian(QMetaType::QVariantList) + bigEndian(1);
    bytes.reserve(iLevels * level.size() + 8);
    for (int i = 0; i < iLevels; ++i)
        bytes += level;
    return bytes + bigEndian(QMetaType::Int) + bigEndian(42);
}

// A "key=@Variant(...)" line with every byte hex-escaped.
QByteArray variantLine(const QByteArray &bytes, const char *pszForm = "@Variant(")
{
    QByteArray line = "k=";
    line += pszForm;
    line.reserve(line.size() + bytes.size() * 4 + 2);
    static const char digits[] = "0123456789abcdef";
    for (const char ch : bytes) {
        line += "\\x";
        line += digits[uchar(ch) >> 4];
        line += digits[uchar(ch) & 0xf];
    }
    return line + ")\nnext=fine\n";
}
} // namespace

void TestIniReader::rules_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("key before any group") << QByteArray("a=1\n[x]\nb=2\n") << QString() << "a"
                                          << "1";
    QTest::newRow("[General] holds top keys") << QByteArray("[General]\na=1\n") << QString() << "a"
                                              << "1";
    QTest::newRow("[%General] is a group") << QByteArray("[%General]\na=1\n") << "General"
                                           << "a"
                                           << "1";
    QTest::newRow("keys are case-sensitive") << QByteArray("Key=1\nkey=2\n") << QString() << "Key"
                                             << "1";
    QTest::newRow("backslash separates") << QByteArray("[g]\nsub\\k=v\n") << "g/sub"
                                         << "k"
                                         << "v";
    QTest::newRow("%20 in a key") << QByteArray("a%20b=v\n") << QString() << "a b"
                                  << "v";
    QTest::newRow("%U00E4 in a group") << QByteArray("[%U00E4]\nk=v\n") << QString::fromUtf8("\xc3\xa4") << "k"
                                       << "v";
    QTest::newRow("escapes") << QByteArray("k=\\\"q\\\" \\\\ \\t\n") << QString() << "k"
                             << "\"q\" \\ \t";
    QTest::newRow("greedy hex") << QByteArray("k=Pr\\x00fcf\n") << QString() << "k"
                                << QStringLiteral("Pr") + QChar(0x0fcf);
    QTest::newRow("octal") << QByteArray("k=\\101B\n") << QString() << "k"
                           << "AB";
    QTest::newRow("quotes span lines") << QByteArray("k=\"a\nb\"\nm=1\n") << QString() << "k"
                                       << "a\nb";
    QTest::newRow("comma list joined") << QByteArray("k=a, b ,c\n") << QString() << "k"
                                       << "a, b, c";
    QTest::newRow("comment") << QByteArray("k=a;b\n") << QString() << "k"
                             << "a";
    QTest::newRow("continued line") << QByteArray("k=a\\\n b\n") << QString() << "k"
                                    << "a b";
    QTest::newRow("@ByteArray") << QByteArray("k=@ByteArray(xyz)\n") << QString() << "k"
                                << "xyz";
    QTest::newRow("@@") << QByteArray("k=@@at\n") << QString() << "k"
                        << "@at";
    QTest::newRow("@Invalid()") << QByteArray("k=@Invalid()\n") << QString() << "k"
                                << "";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFk=v\n") << QString() << "k"
                                     << "v";
    QTest::newRow("CRLF") << QByteArray("[g]\r\nk=v\r\n") << "g"
                          << "k"
                          << "v";
    QTest::newRow("CR") << QByteArray("[g]\rk=v\r") << "g"
                        << "k"
                        << "v";
    QTest::newRow("trimmed") << QByteArray("  k  =   v  \t\n") << QString() << "k"
                             << "v";
    QTest::newRow("later key wins") << QByteArray("k=1\nk=2\n") << QString() << "k"
                                    << "2";
    QTest::newRow("duplicate group merged, first part") << QByteArray("[g]\na=1\n[h]\nb=2\n[g]\nc=3\n") << "g"
                                                        << "a"
                                                        << "1";
    QTest::newRow("duplicate group merged, second part") << QByteArray("[g]\na=1\n[h]\nb=2\n[g]\nc=3\n") << "g"
                                                         << "c"
                                                         << "3";
    QTest::newRow("longer group wins") << QByteArray("[a/b]\nc=2\n[a]\nb\\c=1\n") << "a/b"
                                       << "c"
                                       << "2";
}

void TestIniReader::rules()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(textOf(data, group, key), expected);
}

void TestIniReader::childGroupsSorted()
{
    CIniReader reader = CIniReader::fromData("[12]\nk=1\n[03]\nk=1\n[3]\nk=1\n[Abc]\nk=1\n[empty]\n");
    QCOMPARE(reader.childGroups(), QStringList({"03", "12", "3", "Abc"}));
}

// Where the settings class loses data and CIniReader keeps it; the last
// column shows what the settings class gives.
void TestIniReader::keptData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("settingsClass");

    const QByteArray client =
        "[client]\nproperty\\size=1\nproperty\\1\\value=Main Street\n[client/property/2]\nvalue=x\n";
    QTest::newRow("nested group header") << client << "client"
                                         << "property/size"
                                         << "1"
                                         << "";
    QTest::newRow("nested group header, backslash")
        << QByteArray("[projectdata]\nname=Demo\n[projectdata\\extra]\nk=1\n") << "projectdata"
        << "name"
        << "Demo"
        << "";
    QTest::newRow("list element with @") << QByteArray("k=garden, @home\n") << QString() << "k"
                                         << "garden, @home"
                                         << "";
    QTest::newRow("list elements with @ forms") << QByteArray("k=@@x, @Invalid(), @ByteArray(b)\n") << QString() << "k"
                                                << "@x, , b"
                                                << "";
    QTest::newRow("escaped comma") << QByteArray("k=a\\,b\n") << QString() << "k"
                                   << "a,b"
                                   << "ab";
    QTest::newRow("escaped comma in quotes") << QByteArray("k=\"a\\,b\"\n") << QString() << "k"
                                             << "a,b"
                                             << "ab";
    QTest::newRow("escaped comma in a list") << QByteArray("k=x, a\\,b\n") << QString() << "k"
                                             << "x, a,b"
                                             << "x, ab";
    QTest::newRow("Latin-1 value") << QByteArray("k=M\xfcllerstra\xdf"
                                                 "e\n")
                                   << QString() << "k"
                                   << QString::fromUtf8("M\xc3\xbcllerstra\xc3\x9f"
                                                        "e")
                                   << QStringLiteral("M\ufffdllerstra\ufffde");
    QTest::newRow("Latin-1 at the end") << QByteArray("k=caf\xe9\n") << QString() << "k"
                                        << QString::fromUtf8("caf\xc3\xa9") << "caf";
    QTest::newRow("Latin-1 key") << QByteArray("Stra\xdf"
                                               "e=1\n")
                                 << QString()
                                 << QString::fromUtf8("Stra\xc3\x9f"
                                                      "e")
                                 << "1"
                                 << "";
    QTest::newRow("Latin-1 group") << QByteArray("[M\xfcller]\nk=v\n") << QString::fromUtf8("M\xc3\xbcller") << "k"
                                   << "v"
                                   << "";
    QTest::newRow("UTF-8 as before") << QByteArray("k=M\xc3\xbcller\n") << QString() << "k"
                                     << QString::fromUtf8("M\xc3\xbcller") << QString::fromUtf8("M\xc3\xbcller");
}

void TestIniReader::keptData()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QFETCH(QString, settingsClass);
    QCOMPARE(textOf(data, group, key), expected);
    QCOMPARE(CSettingsIniReader::lazyText(data, group, key), settingsClass);
}

// A project whose project file has a nested group header beside its data
// group is read, with the client's address.
void TestIniReader::nestedHeaderKeepsProject()
{
    QTemporaryDir dir;
    QVERIFY(TestHelpers::writeFile(dir.filePath(QStringLiteral("project.dat")),
                                   "[projectfile]\nversion=3\n[projectdata]\nname=Demo\nextendedproject=true\n"
                                   "[projectdata\\extra]\nnote=1\n"));
    ProjectFileInfo info;
    QCOMPARE(CProjectFileReader(dir.path()).readProjectFile(info), int(ProjectAccess::Ok));
    QCOMPARE(info.sName, QStringLiteral("Demo"));
    QVERIFY(info.bExtended);
}

void TestIniReader::variants_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("type"); // of the value; UnknownType for an invalid one
    QTest::addColumn<QString>("text");

    const QByteArray list = streamed(QVariantList{1, QStringLiteral("two")}, QDataStream::Qt_4_0);
    QTest::newRow("number") << variantLine(streamed(42, QDataStream::Qt_4_0)) << int(QMetaType::Int) << "42";
    QTest::newRow("list") << variantLine(list) << int(QMetaType::QVariantList) << "1, two";
    QTest::newRow("string list") << variantLine(streamed(QStringList{"a", "b"}, QDataStream::Qt_4_0))
                                 << int(QMetaType::QStringList) << "a, b";
    QTest::newRow("date-time") << variantLine(
        streamed(QDateTime(QDate(2019, 5, 6), QTime(7, 8), Qt::UTC), QDataStream::Qt_5_6), "@DateTime(")
                               << int(QMetaType::QDateTime) << "2019-05-06T07:08:00.000Z";
    QTest::newRow("lists at the depth limit")
        << variantLine(nestedLists(IniVariantStream::kMaxDepth)) << int(QMetaType::QVariantList) << "";
    QTest::newRow("lists beyond the depth limit")
        << variantLine(nestedLists(IniVariantStream::kMaxDepth + 1)) << int(QMetaType::UnknownType) << "";
    QTest::newRow("100000 nested lists") << variantLine(nestedLists(100000)) << int(QMetaType::UnknownType) << "";
    QTest::newRow("truncated") << variantLine(list.first(list.size() - 3)) << int(QMetaType::UnknownType) << "";
    QTest::newRow("odd text length") << variantLine(bigEndian(QMetaType::QString) + bigEndian(3) + "abc")
                                     << int(QMetaType::UnknownType) << "";
    QTest::newRow("huge list count") << variantLine(bigEndian(QMetaType::QVariantList) + bigEndian(0xfffffff0u))
                                     << int(QMetaType::UnknownType) << "";
    QTest::newRow("huge text length") << variantLine(bigEndian(QMetaType::QString) + bigEndian(0x7ffffff0u))
                                      << int(QMetaType::UnknownType) << "";
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTest::newRow("image") << variantLine(streamed(image, QDataStream::Qt_4_0)) << int(QMetaType::UnknownType) << "";
    QTest::newRow("user type") << variantLine(bigEndian(127) + bigEndian(8) + QByteArray("QString\0", 8) + bigEndian(0))
                               << int(QMetaType::UnknownType) << "";
}

void TestIniReader::variants()
{
    QFETCH(QByteArray, data);
    QFETCH(int, type);
    QFETCH(QString, text);
    CIniReader reader = CIniReader::fromData(data);
    QCOMPARE(reader.value(QStringLiteral("k")).userType(), type);
    QCOMPARE(reader.text(QStringLiteral("k")), text);
    // The rest of the file is unaffected.
    QCOMPARE(reader.text(QStringLiteral("next")), QStringLiteral("fine"));
}

void TestIniReader::hostileValues_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("8 MB line") << QByteArray("k=" + QByteArray(8 << 20, 'x') + "\nnext=1\n") << "next"
                               << "1";
    QTest::newRow("NUL in a value") << QByteArray("k=a\0b\n", 6) << "k" << QString::fromLatin1("a\0b", 3);
    QTest::newRow("NUL in a key") << QByteArray("k\0x=v\n", 6) << QString::fromLatin1("k\0x", 3) << "v";
    QTest::newRow("unterminated quote") << QByteArray("k=\"abc\n[g]\nm=1\n") << "k"
                                        << "abc\n[g]\nm=1\n";
    QTest::newRow("backslash at the end") << QByteArray("k=abc\\") << "k"
                                          << "abc";
    QTest::newRow("hex escape at the end") << QByteArray("k=a\\x") << "k"
                                           << "a";
    QTest::newRow("octal escape at the end") << QByteArray("k=a\\0") << "k" << QString::fromLatin1("a\0", 2);
    QTest::newRow("unclosed group header") << QByteArray("[g\nk=v\n") << "g/k"
                                           << "v";
    QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF") << "k"
                                            << "";
    QTest::newRow("only stray bytes") << QByteArray("\xff\xfe\x80") << "k"
                                      << "";
}

void TestIniReader::hostileValues()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    CIniReader reader = CIniReader::fromData(data);
    QCOMPARE(reader.text(key), expected);
    if (data.startsWith("k=x"))
        QCOMPARE(reader.text(QStringLiteral("k")).size(), 8 << 20);
}

// A million keys: each one found, all listed once.
void TestIniReader::manyKeys()
{
    constexpr int kKeys = 1000000;
    QByteArray data;
    data.reserve(kKeys * 16);
    for (int i = 0; i < kKeys; ++i)
        data += "k" + QByteArray::number(i) + "=" + QByteArray::number(i % 97) + "\n";
    CIniReader reader = CIniReader::fromData(data);
    QCOMPARE(reader.childKeys().size(), kKeys);
    QCOMPARE(reader.toInt(QStringLiteral("k999999")), 999999 % 97);
    QCOMPARE(reader.toInt(QStringLiteral("k123456")), 123456 % 97);
    QVERIFY(!reader.contains(QStringLiteral("k1000000")));
}

// A size of two billion with two elements costs two iterations.
void TestIniReader::hugeArraySize()
{
    CIniReader reader = CIniReader::fromData("[g]\na\\size=2000000000\na\\1\\v=x\na\\2000000000\\v=y\n");
    reader.beginGroup(QStringLiteral("g"));
    QCOMPARE(reader.beginReadArray(QStringLiteral("a")), 2);
    reader.setArrayIndex(1);
    QCOMPARE(reader.text(QStringLiteral("v")), QStringLiteral("y"));
    reader.endArray();
    QCOMPARE(reader.text(QStringLiteral("a/1/v")), QStringLiteral("x"));
}

void TestIniReader::unreadable_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << QStringLiteral("/nonexistent/dir/file.dat");
    QTest::newRow("directory") << TestHelpers::fixturesDir();
    QTest::newRow("empty path") << QString();
}

void TestIniReader::unreadable()
{
    QFETCH(QString, path);
    CIniReader reader(path);
    QVERIFY(!reader.isReadable());
    QVERIFY(reader.childGroups().isEmpty());
    QVERIFY(reader.childKeys().isEmpty());
    QVERIFY(!reader.value(QStringLiteral("k")).isValid());
    QCOMPARE(reader.beginReadArray(QStringLiteral("property")), 0);
    reader.endArray();
    QVERIFY(!reader.contains(QStringLiteral("k")));
}

QTEST_GUILESS_MAIN(TestIniReader)
#include "tst_inireader.moc"
