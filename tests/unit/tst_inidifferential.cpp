#include "CSettingsIniReader.h"
#include "TestHelpers.h"

#include "storage/CIniReader.h"

#include <QDataStream>
#include <QDateTime>
#include <QDirIterator>
#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QSize>
#include <QStringDecoder>
#include <QTimeZone>
#include <QUrl>
#include <QtTest>

#include <functional>

// Every INI file of the tests and the installation, generated files full of
// INI quirks and damaged copies of the demo project, each read by CIniReader
// and by the settings class (CSettingsIniReader): every group, key, array
// and conversion must answer alike. The reference side reads a copy in which
// bytes that are not valid UTF-8 are written as the UTF-8 of their Latin-1
// character, which is how CIniReader reads them; "\," is the one remaining
// difference (CIniReader keeps the comma), tolerated where the input has it.
class TestIniDifferential : public QObject
{
    Q_OBJECT

private slots:
    void files_data();
    void files();
    void generated_data();
    void generated();
    void damaged_data();
    void damaged();
    void cleanupTestCase();

private:
    void compare(const QByteArray &data, CIniReader &ours);

    int m_iInputs = 0;
    qint64 m_iAnswers = 0;
};

namespace {
// ---- the reference side's input -------------------------------------------

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString sText = decoder(bytes);
    return !decoder.hasError() && !sText.isEmpty();
}

// Bytes that are not part of valid UTF-8, as the UTF-8 of their Latin-1
// character.
QByteArray latin1AsUtf8(const QByteArray &data)
{
    QByteArray result;
    for (qsizetype i = 0; i < data.size();) {
        const uchar lead = uchar(data.at(i));
        const qsizetype iLength = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 0;
        if (iLength == 1 || (iLength > 1 && i + iLength <= data.size() && isValidUtf8(data.sliced(i, iLength)))) {
            result += data.sliced(i, iLength);
            i += iLength;
        } else {
            result += QString(QChar(lead)).toUtf8();
            ++i;
        }
    }
    return result;
}

QString withoutCommas(QString sText)
{
    return sText.remove(u',');
}

QByteArray streamed(const QVariant &vValue)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << vValue;
    return bytes;
}

// ---- the lock-step walk ------------------------------------------------------

constexpr int kMaxDepth = 6;
constexpr int kMaxElements = 40;

struct Walk
{
    CIniReader &ours;
    CSettingsIniReader &reference;
    bool bCommaEscapes = false; // the input holds "\,"
    QStringList differences;
    qint64 iAnswers = 0;

    void differ(const QString &sWhere, const QString &sWhat, const QString &sOurs, const QString &sReference)
    {
        if (differences.size() < 12)
            differences << QStringLiteral("%1 %2: ours \"%3\", settings class \"%4\"")
                               .arg(sWhere, sWhat, sOurs.left(200), sReference.left(200));
    }

    template <typename T>
    void check(const QString &sWhere, const QString &sWhat, const T &ours, const T &reference)
    {
        ++iAnswers;
        if (ours == reference)
            return;
        if constexpr (std::is_same_v<T, QByteArray>)
            differ(sWhere, sWhat, QString::fromLatin1(ours.toHex()), QString::fromLatin1(reference.toHex()));
        else
            differ(sWhere, sWhat, QVariant::fromValue(ours).toString(), QVariant::fromValue(reference).toString());
    }

    void checkList(const QString &sWhere, const QString &sWhat, const QStringList &ours, const QStringList &reference)
    {
        ++iAnswers;
        if (ours != reference)
            differ(sWhere, sWhat, ours.join(u'|'), reference.join(u'|'));
    }

    void key(const QString &sWhere, const QString &sKey)
    {
        check(sWhere, QStringLiteral("contains"), ours.contains(sKey), reference.contains(sKey));
        if (sKey.isEmpty())
            return; // the settings class warns about an empty key
        const QVariant vOurs = ours.value(sKey);
        const QVariant vReference = reference.value(sKey);
        check(sWhere, QStringLiteral("type"), vOurs.userType(), vReference.userType());
        const QString sOurs = ours.text(sKey);
        const QString sReference = reference.text(sKey);
        if (bCommaEscapes && sOurs != sReference) {
            // The settings class drops an escaped comma; we keep it.
            check(sWhere, QStringLiteral("text without commas"), withoutCommas(sOurs), withoutCommas(sReference));
            return;
        }
        check(sWhere, QStringLiteral("text"), sOurs, sReference);
        check(sWhere, QStringLiteral("value"), streamed(vOurs), streamed(vReference));
        check(sWhere, QStringLiteral("int"), ours.toInt(sKey), reference.toInt(sKey));
        check(sWhere, QStringLiteral("uint"), ours.toUInt(sKey), reference.toUInt(sKey));
        check(sWhere, QStringLiteral("double"), ours.toDouble(sKey), reference.toDouble(sKey));
        check(sWhere, QStringLiteral("bool"), ours.toBool(sKey), reference.toBool(sKey));
        check(sWhere, QStringLiteral("date"), ours.toDate(sKey), reference.toDate(sKey));
    }

    void level(const QString &sWhere)
    {
        const QStringList keys = ours.childKeys();
        checkList(sWhere, QStringLiteral("child keys"), keys, reference.childKeys());
        for (const QString &sKey : keys)
            key(sWhere + u'/' + sKey, sKey);
        // Keys nobody wrote, and keys given with odd slashes.
        for (const QString &sKey : {QStringLiteral("no-such-key"), QStringLiteral("size"), QStringLiteral("/name/"),
                                    QStringLiteral("property//size"), QStringLiteral("1/value")})
            key(sWhere + u'/' + sKey, sKey);
    }

    void group(const QString &sWhere, int iDepth)
    {
        level(sWhere);
        const QStringList groups = ours.childGroups();
        checkList(sWhere, QStringLiteral("child groups"), groups, reference.childGroups());
        if (iDepth >= kMaxDepth)
            return;
        for (const QString &sGroup : groups) {
            if (sGroup.isEmpty())
                continue; // the same group again
            const QString sPath = sWhere + u'/' + sGroup;
            array(sPath, sGroup);
            ours.beginGroup(sGroup);
            reference.beginGroup(sGroup);
            group(sPath, iDepth + 1);
            ours.endGroup();
            reference.endGroup();
        }
    }

    void array(const QString &sWhere, const QString &sName)
    {
        const int iOurs = ours.beginReadArray(sName);
        const int iReference = reference.beginReadArray(sName);
        if (!bCommaEscapes || iOurs == iReference)
            check(sWhere, QStringLiteral("array size"), iOurs, iReference);
        for (int i = 0; i < std::min({iOurs, iReference, kMaxElements}); ++i) {
            ours.setArrayIndex(i);
            reference.setArrayIndex(i);
            const QString sElement = sWhere + QStringLiteral("[%1]").arg(i);
            level(sElement);
            checkList(sElement, QStringLiteral("child groups"), ours.childGroups(), reference.childGroups());
        }
        ours.endArray();
        reference.endArray();
    }
};

// ---- generated INI text --------------------------------------------------------

class QuirkGenerator
{
public:
    explicit QuirkGenerator(quint32 uSeed) : m_random(uSeed) {}

    QByteArray file()
    {
        QByteArray data;
        if (chance(10))
            data += "\xEF\xBB\xBF";
        if (chance(30))
            data += pick({" ", "\n", "\t", "; comment\n", ""});
        if (chance(50))
            keys(data, int(m_random.bounded(4)));
        const int iSections = int(m_random.bounded(7));
        for (int i = 0; i < iSections; ++i) {
            data += header();
            data += lineEnd();
            keys(data, int(m_random.bounded(8)));
            if (chance(30))
                array(data);
        }
        return data;
    }

private:
    bool chance(int iPercent) { return int(m_random.bounded(100)) < iPercent; }
    int number(int iBelow) { return int(m_random.bounded(iBelow)); }
    QByteArray pick(std::initializer_list<const char *> choices)
    {
        return QByteArray(*(choices.begin() + number(int(choices.size()))));
    }

    QByteArray lineEnd()
    {
        if (chance(80))
            return "\n";
        return pick({"\r\n", "\r", "\n\r", "\n\n", " ; trailing comment\n", "\t\n"});
    }

    QByteArray header()
    {
        QByteArray name;
        if (!m_groups.isEmpty() && chance(20)) {
            name = m_groups.at(number(int(m_groups.size())));
        } else {
            name = pick({"client",
                         "projectdata",
                         "12",
                         "03",
                         "3",
                         "Abc",
                         "abc",
                         "client/property/2",
                         "client\\property\\2",
                         "projectdata\\extra",
                         "General",
                         "general",
                         "%general",
                         "%General",
                         "%20x",
                         "a%U00E4b",
                         "M\xfcller",
                         "M\xc3\xbcller",
                         "",
                         "/",
                         "\\\\",
                         " spaced ",
                         "a]b",
                         "x=y",
                         "a;b",
                         "q\"uo",
                         "p%2Fq",
                         "p%zz",
                         "p%",
                         "12/property",
                         "CLIENT",
                         "z%U004"});
            m_groups << name;
        }
        if (chance(5))
            return "[" + name; // no closing bracket
        return pick({"[", "[", "[", " ["}) + name + "]" + (chance(10) ? pick({" x", " ; c", "\t"}) : QByteArray());
    }

    QByteArray key()
    {
        if (!m_keys.isEmpty() && chance(15))
            return m_keys.at(number(int(m_keys.size())));
        QByteArray sKey = pick({"name",
                                "text",
                                "value",
                                "id",
                                "code",
                                "size",
                                "Name",
                                "property\\1\\id",
                                "property/2/value",
                                "property\\size",
                                "property\\3\\code",
                                "%20k",
                                "k%U00E4",
                                "k%2",
                                "k%",
                                " padded ",
                                "a\\\\b",
                                "",
                                "k\xc3\xa9",
                                "k\xe9",
                                "sub\\key",
                                "sub/size",
                                "1\\value",
                                "videofile\\1\\name",
                                "a%5Cb",
                                "x%U0041%41",
                                "\"q=k\"",
                                "k\"",
                                "\xEF\xBB\xBFk"});
        m_keys << sKey;
        return sKey;
    }

    void keys(QByteArray &data, int iCount)
    {
        for (int i = 0; i < iCount; ++i) {
            if (chance(8))
                data += pick({"; a comment", "garbage line", "  ", "=", "[", "\\"}) + lineEnd();
            data += (chance(10) ? pick({" ", "\t"}) : QByteArray()) + key() + pick({"=", "=", " = ", "\t=", "=="})
                    + value() + lineEnd();
        }
    }

    void array(QByteArray &data)
    {
        const QByteArray name = pick({"property", "videofile", "rows", "class"});
        const int iElements = number(5);
        data += name + "\\size=" + pick({"0", "1", "2", "3", "5", "1000", "2000000000", "-1", "x", " 2 ", "1, 2"})
                + lineEnd();
        for (int i = 1; i <= iElements; ++i) {
            const int iNumber = chance(80) ? i : number(2000) + 1;
            data += name + "\\" + QByteArray::number(iNumber) + "\\" + pick({"id", "value", "name", "code"}) + "="
                    + value() + lineEnd();
        }
    }

    QByteArray value()
    {
        switch (number(12)) {
        case 0: return variantValue();
        case 1:
            return pick({"@Invalid()",
                         "@@x",
                         "@@",
                         "@",
                         "@ByteArray(abc)",
                         "@ByteArray(a\\x00b)",
                         "@Rect(1 2 3 4)",
                         "@Rect(1 2)3 4)",
                         "@Rect(1 2)",
                         "@Size(5 6)",
                         "@Point(-7 8)",
                         "@Point(x y)",
                         "@String(s)",
                         "@Unknown(x)",
                         "@Variant(",
                         "@DateTime()",
                         "@home",
                         "garden, @home",
                         "@@a, b",
                         "a, @Invalid()",
                         "@Rect(1 2 3 4), x",
                         "@Size(1 2), @@y"});
        case 2:
            return pick({"\"quoted, with comma\"", "\"a\" b", "a \"b\" c", "\"multi\nline\"", "\"x\\\"y\"",
                         "\"  pad  \"", "\"\"", "\"a;b\"", "\"a=b\"", "\"\r\n\"", "\"unterminated"});
        case 3:
            return pick({"\\t\\n\\\"\\\\", "\\a\\b\\f\\v\\r\\?\\'", "\\x41\\x00fc", "Pr\\x00fcf", "M\\x00fcnster",
                         "\\101\\0", "\\0", "\\08", "\\x", "\\xg", "\\q", "a \\ b", "\\x20", "a\\x20 ", "trail\\",
                         "\\777777"});
        case 4:
            return pick({"a, b, c", "a,b", "a ,b", " , ", ",", "a,", ",a", "\"a\", \"b\"", "a, \"b, c\"", "a\\,b",
                         "\"a\\,b\"", "x, a\\,b", "1\\,000"});
        case 5: return pick({"a;comment", "a ; b", ";", "a\\\nb", "a\\\r\nb", "a\\\rb", "a\\", "line1\\\n  line2"});
        case 6:
            return pick({"M\xfcllerstra\xdf"
                         "e",
                         "caf\xe9", "M\xc3\xbcller", "\xc3", "\xe2\x82", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xc0\xaf",
                         "\xEF\xBB\xBF"
                         "bom",
                         "\xef\xbf\xbe",
                         "a\xff"
                         "b"});
        case 7:
            return pick({"12", "-1", " 3.5 ", "1e400", "nan", "inf", "0x10", "+4", "2147483648", "4294967295", "true",
                         "false", "FALSE", "0", "2020-01-02", "2020-13-40", "  2021-05-06T07:08:09  "});
        case 8: return QByteArray(number(3), ' ') + "padded" + QByteArray(number(3), '\t');
        case 9: return "";
        default:
            return pick({"plain", "Crack, longitudinal", "S-2", "Main Street 1", "x=y", "a b", "\xc3\xa4\xc3\xb6"});
        }
    }

    QVariant plainVariant(int iDepth)
    {
        switch (number(iDepth < 3 ? 16 : 12)) {
        case 0: return int(m_random.generate());
        case 1: return double(m_random.generateDouble() * 1000.0);
        case 2: return QStringLiteral("t\u00e4xt, %1").arg(number(100));
        case 3: return QStringList{QStringLiteral("a"), QStringLiteral("b, c")};
        case 4: return QDate(2000 + number(30), 1 + number(12), 1 + number(28));
        case 5: return QTime(number(24), number(60), number(60));
        case 6: return QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC);
        case 7: return QRect(number(10), -number(10), number(100), number(100));
        case 8: return QByteArray("by\0tes", 6);
        case 9: return QVariant::fromValue(qlonglong(m_random.generate64()));
        case 10: return QUrl(QStringLiteral("https://example.org/a b"));
        case 11: return number(2) == 0;
        case 12:
        case 13: {
            QVariantList list;
            for (int i = number(4); i > 0; --i)
                list << plainVariant(iDepth + 1);
            return list;
        }
        default: {
            QVariantMap map;
            for (int i = number(3); i > 0; --i)
                map.insert(QStringLiteral("k%1").arg(i), plainVariant(iDepth + 1));
            return map;
        }
        }
    }

    QByteArray variantValue()
    {
        const bool bDateTime = chance(25);
        QVariant vValue = plainVariant(0);
        if (bDateTime) {
            const QDateTime stamps[] = {QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9), Qt::UTC),
                                        QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9), Qt::OffsetFromUTC, 3600),
                                        QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9), QTimeZone("Europe/Berlin")),
                                        QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9), Qt::LocalTime)};
            vValue = stamps[number(4)];
        }
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(bDateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            stream << vValue;
        }
        // Every byte as a two-digit hex escape: each ends at the next "\".
        QByteArray text = bDateTime ? "@DateTime(" : "@Variant(";
        for (const char ch : std::as_const(bytes))
            text += "\\x" + QByteArray::number(uchar(ch), 16).rightJustified(2, '0');
        return text + ")";
    }

    QRandomGenerator m_random;
    QList<QByteArray> m_groups;
    QList<QByteArray> m_keys;
};

// ---- damaged copies ----------------------------------------------------------

QByteArray damaged(QByteArray data, QRandomGenerator &random)
{
    static const char inserts[] = {'"', '\\', '[', ']', ',', '@', '%', ';', '=', '\n', '\r', '\0'};
    const int iDamages = 1 + int(random.bounded(5));
    for (int i = 0; i < iDamages && !data.isEmpty(); ++i) {
        const qsizetype iPos = qsizetype(random.bounded(quint32(data.size())));
        switch (random.bounded(6)) {
        case 0: data[iPos] = char(random.bounded(256)); break;
        case 1: data.truncate(iPos); break;
        case 2:
        case 3: data.insert(iPos, inserts[random.bounded(int(sizeof(inserts)))]); break;
        default: {
            QList<QByteArray> lines = data.split('\n');
            const qsizetype iLine = qsizetype(random.bounded(quint32(lines.size())));
            const qsizetype iOther = qsizetype(random.bounded(quint32(lines.size())));
            if (random.bounded(2) == 0)
                lines.insert(iOther, lines.at(iLine));
            else
                lines.swapItemsAt(iLine, iOther);
            data = lines.join('\n');
        }
        }
    }
    return data;
}

QStringList iniFiles()
{
    QStringList files;
    const QStringList roots = {TestHelpers::fixturesDir(), TestHelpers::demoProjectDir(),
                               TestHelpers::sourceDir() + QStringLiteral("/data/installation")};
    const QStringList suffixes = {QStringLiteral("dat"), QStringLiteral("evtdat"), QStringLiteral("lay"),
                                  QStringLiteral("pod"), QStringLiteral("std"),    QStringLiteral("txt"),
                                  QStringLiteral("inc")};
    for (const QString &sRoot : roots) {
        QDirIterator it(sRoot, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            if (suffixes.contains(info.suffix()))
                files << info.filePath();
        }
    }
    files.sort();
    return files;
}

QStringList demoFiles()
{
    QStringList files;
    QDirIterator it(TestHelpers::demoProjectDir(), {QStringLiteral("*.dat"), QStringLiteral("*.evtdat")}, QDir::Files);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QByteArray readAll(const QString &sPath)
{
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

constexpr int kGenerated = 400;
constexpr int kDamaged = 300;
} // namespace

void TestIniDifferential::compare(const QByteArray &data, CIniReader &ours)
{
    const std::unique_ptr<CSettingsIniReader> reference = CSettingsIniReader::fromData(latin1AsUtf8(data));
    QVERIFY(reference);
    Walk walk{ours, *reference, false, {}, 0};
    walk.bCommaEscapes = data.contains("\\,");
    walk.check(QStringLiteral("file"), QStringLiteral("readable"), ours.isReadable(), reference->isReadable());
    walk.group(QString(), 0);
    ++m_iInputs;
    m_iAnswers += walk.iAnswers;
    QVERIFY2(walk.differences.isEmpty(), qPrintable(walk.differences.join(u'\n')));
}

void TestIniDifferential::files_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = iniFiles();
    QVERIFY(files.size() > 40);
    for (const QString &sPath : files)
        QTest::newRow(qPrintable(QDir(TestHelpers::sourceDir()).relativeFilePath(sPath))) << sPath;
}

void TestIniDifferential::files()
{
    QFETCH(QString, path);
    CIniReader ours(path);
    compare(readAll(path), ours);
}

void TestIniDifferential::generated_data()
{
    QTest::addColumn<QByteArray>("data");
    for (int i = 0; i < kGenerated; ++i)
        QTest::addRow("seed %d", i) << QuirkGenerator(quint32(i) * 7919u + 17u).file();
}

void TestIniDifferential::generated()
{
    QFETCH(QByteArray, data);
    CIniReader ours = CIniReader::fromData(data);
    compare(data, ours);
}

void TestIniDifferential::damaged_data()
{
    QTest::addColumn<QByteArray>("data");
    const QStringList files = demoFiles();
    QVERIFY(!files.isEmpty());
    QList<QByteArray> contents;
    for (const QString &sPath : files)
        contents << readAll(sPath);
    QRandomGenerator random(20240611u);
    for (int i = 0; i < kDamaged; ++i) {
        const qsizetype iFile = qsizetype(random.bounded(quint32(files.size())));
        QTest::addRow("%s %d", qPrintable(QFileInfo(files.at(iFile)).fileName()), i)
            << ::damaged(contents.at(iFile), random);
    }
}

void TestIniDifferential::damaged()
{
    QFETCH(QByteArray, data);
    CIniReader ours = CIniReader::fromData(data);
    compare(data, ours);
}

void TestIniDifferential::cleanupTestCase()
{
    qInfo("compared %d inputs (%d generated, %d damaged, the rest files), %lld answers", m_iInputs, kGenerated,
          kDamaged, static_cast<long long>(m_iAnswers));
}

QTEST_GUILESS_MAIN(TestIniDifferential)
#include "tst_inidifferential.moc"
