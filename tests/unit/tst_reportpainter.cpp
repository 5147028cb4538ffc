#include "PdfText.h"
#include "TestHelpers.h"
#include "report/ReportPrinter.h"
#include "report/items/CCustomPrintoutItem.h"
#include "report/items/PrintoutPage.h"
#include "report/paint/CReportPainter.h"
#include "report/paint/LabelPlacer.h"
#include "report/paint/PageGeometry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Records when it is painted and when it dies, to check the print order.
class CProbeItem : public CCustomPrintoutItem
{
public:
    CProbeItem(QStringList *pLog, const QString &sName) : m_pLog(pLog), m_sName(sName) {}
    ~CProbeItem() override { m_pLog->append(QStringLiteral("free ") + m_sName); }
    int height() const override { return 0; }
    void paint(CReportPainter &cPainter) const override
    {
        m_pLog->append(QStringLiteral("paint ") + m_sName);
        cPainter.drawText(QPoint(0, 1000), m_sName);
    }

private:
    QStringList *m_pLog;
    QString m_sName;
};
} // namespace

class TestReportPainter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cDir;
    std::unique_ptr<QPdfWriter> m_pPrinter;
    std::unique_ptr<CReportPainter> m_pPainter;

    // A painter on a real PDF device: every measurement depends on it.
    void beginPainter(int iPointSize)
    {
        m_pPrinter = createReportPrinter(m_cDir.filePath(QStringLiteral("measure.pdf")), QString(), QString());
        m_pPainter = std::make_unique<CReportPainter>();
        QVERIFY(beginReportPainter(*m_pPainter, *m_pPrinter));
        QFont cFont = m_pPainter->font();
        cFont.setPointSize(iPointSize);
        m_pPainter->setFont(cFont);
    }

    int width(const QString &sText) const { return m_pPainter->textWidth(sText); }

private slots:
    void initTestCase() { QVERIFY(m_cDir.isValid()); }
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        beginPainter(20);
    }
    void cleanup()
    {
        if (m_pPainter && m_pPainter->isActive())
            m_pPainter->end();
        m_pPainter.reset();
        m_pPrinter.reset();
    }

    void arialResolvesToAMetricCompatibleFont()
    {
        QCOMPARE(m_pPainter->font().family(), QStringLiteral("Arial"));
        // Point size 20 prints at 20 * 1200 / 2540 = 9.4 pt, i.e. the line
        // is about 9.4 / 72 inch = 3.3 mm = 330 logical units high.
        const int iLine = m_pPainter->lineHeight();
        QVERIFY2(iLine > 300 && iLine < 420, qPrintable(QString::number(iLine)));
    }

    // A label takes its first candidate that keeps the gap to everything
    // placed before; one that fits nowhere gives way.
    void labelPlacer_data()
    {
        QTest::addColumn<QList<QRect>>("placed");
        QTest::addColumn<int>("iGap");
        QTest::addColumn<QList<QRect>>("candidates");
        QTest::addColumn<int>("iExpected");
        const QRect cValue(0, 0, 100, 20);
        QTest::addRow("nothing in the way") << QList<QRect>{} << 0 << QList<QRect>{QRect(5, 5, 10, 10)} << 0;
        QTest::addRow("overlap: next candidate")
            << QList<QRect>{cValue} << 0 << QList<QRect>{QRect(90, 0, 50, 20), QRect(100, 0, 50, 20)} << 1;
        QTest::addRow("touching edges are apart")
            << QList<QRect>{cValue} << 0 << QList<QRect>{QRect(100, 0, 50, 20)} << 0;
        QTest::addRow("closer than the gap collides")
            << QList<QRect>{cValue} << 10 << QList<QRect>{QRect(105, 0, 50, 20), QRect(110, 0, 50, 20)} << 1;
        QTest::addRow("no candidate fits: gives way")
            << QList<QRect>{cValue} << 0 << QList<QRect>{QRect(50, 5, 10, 10), QRect(0, 0, 1, 1)} << -1;
        QTest::addRow("no candidates") << QList<QRect>{cValue} << 0 << QList<QRect>{} << -1;
        QTest::addRow("later label against the earlier of two")
            << QList<QRect>{cValue, QRect(200, 0, 100, 20)} << 0
            << QList<QRect>{QRect(250, 10, 10, 10), QRect(150, 0, 40, 20)} << 1;
    }
    void labelPlacer()
    {
        QFETCH(QList<QRect>, placed);
        QFETCH(int, iGap);
        QFETCH(QList<QRect>, candidates);
        QFETCH(int, iExpected);
        LabelPlacer cPlacer(iGap);
        for (const QRect &cRect : placed)
            QCOMPARE(cPlacer.place({cRect}), 0);
        QCOMPARE(cPlacer.place(candidates), iExpected);
        // What was taken blocks later labels; what gave way does not.
        QCOMPARE(cPlacer.taken().size(), placed.size() + (iExpected >= 0 ? 1 : 0));
        if (iExpected >= 0)
            QVERIFY(cPlacer.collides(candidates.at(iExpected)));
    }

    void takeLine_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<QString>("sWidthOf");
        QTest::addColumn<QString>("sExpected");
        QTest::addRow("whole text fits") << "Hello world"
                                         << "Hello world"
                                         << "Hello world";
        QTest::addRow("break after last space") << "Hello world"
                                                << "Hello wor"
                                                << "Hello ";
        QTest::addRow("no space: after last fitting character") << "Abcdefghij"
                                                                << "Abcde"
                                                                << "Abcde";
        QTest::addRow("single character wider than width") << "Wide"
                                                           << ""
                                                           << "W";
        QTest::addRow("carriage return ends the line") << "ab\r\nabcdefgh"
                                                       << "abc"
                                                       << "ab\r";
        QTest::addRow("line feed alone forms a line") << "\nabcdefgh"
                                                      << "abc"
                                                      << "\n";
        QTest::addRow("several lines that all fit stay together") << "ab\ncd"
                                                                  << "abcdefgh"
                                                                  << "ab\ncd";
        QTest::addRow("empty text") << ""
                                    << "abc"
                                    << "";
        // Addresses break after their punctuation before inside a word.
        QTest::addRow("e-mail address after the at sign") << "entwaesserung@ostrelbach.example"
                                                          << "entwaesserung@ostrelb"
                                                          << "entwaesserung@";
        QTest::addRow("web address after the last slash that fits") << "www.example.org/kanal/bericht"
                                                                    << "www.example.org/kanal/be"
                                                                    << "www.example.org/kanal/";
        QTest::addRow("after a hyphen") << "Kanaltechnik-Buettner"
                                        << "Kanaltechnik-Bue"
                                        << "Kanaltechnik-";
        QTest::addRow("after an underscore") << "INC_0003_final"
                                             << "INC_0003_fi"
                                             << "INC_0003_";
        QTest::addRow("after a full stop") << "ostrelbach.example"
                                           << "ostrelbach.exa"
                                           << "ostrelbach.";
        QTest::addRow("a space still comes first") << "Mail: info@kanal.example"
                                                   << "Mail: info@kanal.ex"
                                                   << "Mail: ";
        QTest::addRow("a leading slash is no break") << "/abcdefgh"
                                                     << "/abc"
                                                     << "/abc";
    }
    void takeLine()
    {
        QFETCH(QString, sText);
        QFETCH(QString, sWidthOf);
        QFETCH(QString, sExpected);
        QCOMPARE(m_pPainter->takeLine(sText, width(sWidthOf)), sExpected);
    }

    void wrapText_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<QString>("sWidthOf");
        QTest::addColumn<QString>("sExpected");
        QTest::addRow("two lines at a space") << "xx xx xx xx"
                                              << "xx xx x"
                                              << "xx xx \nxx xx";
        QTest::addRow("break character kept, line feed added") << "ab\r\nabcdefgh"
                                                               << "abc"
                                                               << "ab\r\n\n\nabc\ndef\ngh";
        QTest::addRow("long word broken by characters") << "abcdefgh"
                                                        << "abc"
                                                        << "abc\ndef\ngh";
        QTest::addRow("empty text wraps to empty text") << ""
                                                        << "abc"
                                                        << "";
        QTest::addRow("zero width: one character per line") << "abc"
                                                            << ""
                                                            << "a\nb\nc";
        QTest::addRow("e-mail address in a narrow cell") << "entwaesserung@ostrelbach.example"
                                                         << "entwaesserung@ostrelbac"
                                                         << "entwaesserung@\nostrelbach.example";
    }
    void wrapText()
    {
        QFETCH(QString, sText);
        QFETCH(QString, sWidthOf);
        QFETCH(QString, sExpected);
        QCOMPARE(m_pPainter->wrapText(sText, width(sWidthOf)), sExpected);
    }

    void truncateToHeight_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<QString>("sHeightOf");
        QTest::addColumn<QString>("sExpected");
        const QString sThree = QStringLiteral("first line\nsecond line\nthird line");
        QTest::addRow("keeps the lines that fit") << sThree << "first line\nsecond line"
                                                  << "first line\nsecond l...";
        QTest::addRow("lower than one line keeps the first") << sThree << ""
                                                             << "first l...";
        QTest::addRow("fitting text still gets the ellipsis")
            << sThree << sThree << "first line\nsecond line\nthird l...";
        QTest::addRow("short text") << "ab"
                                    << ""
                                    << "...";
    }
    void truncateToHeight()
    {
        QFETCH(QString, sText);
        QFETCH(QString, sHeightOf);
        QFETCH(QString, sExpected);
        const int iHeight = sHeightOf.isEmpty() ? 1 : m_pPainter->textHeight(sHeightOf);
        QCOMPARE(m_pPainter->truncateToHeight(sText, iHeight), sExpected);
    }

    void fitText_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<int>("iLines"); // rectangle height in lines at size 20
        QTest::addColumn<int>("iExpectedSize");
        QTest::addColumn<bool>("bTruncated");
        QTest::addRow("fits at own size, not enlarged") << "Short text" << 1 << 20 << false;
        QTest::addRow("too high: wrapped again at 12") << "one two three four five six seven" << 2 << 12 << false;
        QTest::addRow("too high even at 12: cut with ellipsis")
            << QString(40, QLatin1Char('w')).append(" end ").repeated(20) << 1 << 12 << true;
    }
    void fitText()
    {
        QFETCH(QString, sText);
        QFETCH(int, iLines);
        QFETCH(int, iExpectedSize);
        QFETCH(bool, bTruncated);
        const int iWidth = width(QStringLiteral("one two three"));
        const int iHeight = m_pPainter->textHeight(QStringLiteral("Ag\n").repeated(iLines).chopped(1));
        int iSize = 0;
        const QString sResult = m_pPainter->fitText(sText, iWidth, iHeight, &iSize);
        QCOMPARE(iSize, iExpectedSize);
        QCOMPARE(sResult.endsWith(QLatin1String("...")), bTruncated);
        // The caller's font stays as it was.
        QCOMPARE(m_pPainter->font().pointSize(), 20);
        if (!bTruncated) {
            QFont cFont = m_pPainter->font();
            cFont.setPointSize(iSize);
            m_pPainter->setFont(cFont);
            QVERIFY(m_pPainter->textHeight(sResult) <= iHeight);
        }
    }

    void hostileTextsFitQuickly_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<int>("iWidth");
        QTest::addColumn<int>("iHeight");
        QTest::addRow("5000-character name in a node label") << QString(5000, QLatin1Char('N')) << 800 << 500;
        QTest::addRow("5000 characters in a zero rectangle") << QString(5000, QLatin1Char('N')) << 0 << 0;
        QTest::addRow("negative rectangle") << QStringLiteral("a b c d e f") << -500 << -500;
        QTest::addRow("a megabyte of lines") << QStringLiteral("line of text\n").repeated(80000) << 5000 << 2000;
        QTest::addRow("many short lines, then a long one")
            << QStringLiteral("ab\n").repeated(20000) + QString(3000, 'x') << 3000 << 2000;
        QTest::addRow("100,000 characters without a break") << QString(100000, QLatin1Char('m')) << 1 << 100000;
    }
    void hostileTextsFitQuickly()
    {
        QFETCH(QString, sText);
        QFETCH(int, iWidth);
        QFETCH(int, iHeight);
        QElapsedTimer cTimer;
        cTimer.start();
        int iSize = 0;
        const QString sResult = m_pPainter->fitText(sText, iWidth, iHeight, &iSize);
        QVERIFY2(cTimer.elapsed() < 10000 * TestHelpers::timeFactor(), qPrintable(QString::number(cTimer.elapsed())));
        QVERIFY(sResult.endsWith(QLatin1String("...")));
        m_pPainter->drawFittedText(QRect(0, 0, iWidth, iHeight), sText, Qt::AlignLeft);
        QVERIFY2(cTimer.elapsed() < 20000 * TestHelpers::timeFactor(), qPrintable(QString::number(cTimer.elapsed())));
    }

    void fitFontSize_data()
    {
        QTest::addColumn<int>("iHeightAtSize"); // 0: a rectangle 1 unit high
        QTest::addColumn<int>("iExpected");
        QTest::addRow("room for the largest") << 40 << 25;
        QTest::addRow("exactly the height of size 18") << 18 << 18;
        QTest::addRow("nothing fits: 12") << 0 << 12;
    }
    void fitFontSize()
    {
        QFETCH(int, iHeightAtSize);
        QFETCH(int, iExpected);
        const QString sText = QStringLiteral("Logo text\nsecond line");
        int iHeight = 1;
        if (iHeightAtSize > 0) {
            m_pPainter->save();
            QFont cFont = m_pPainter->font();
            cFont.setPointSize(iHeightAtSize);
            m_pPainter->setFont(cFont);
            iHeight = m_pPainter->textHeight(sText);
            m_pPainter->restore();
        }
        QCOMPARE(m_pPainter->fitFontSize(QRect(0, 0, 5000, iHeight), sText), iExpected);
        QCOMPARE(m_pPainter->font().pointSize(), 20);
    }

    void paperByLocale_data()
    {
        QTest::addColumn<QLocale>("cLocale");
        QTest::addColumn<int>("iPageHeight");
        QTest::addColumn<QRect>("cWindow");
        QTest::addColumn<QString>("sPaper");
        QTest::addRow("Germany: A4") << QLocale(QLocale::German, QLocale::Germany) << 27700 << QRect(0, 0, 21000, 29700)
                                     << "(A4)";
        QTest::addRow("United States: Letter")
            << QLocale(QLocale::English, QLocale::UnitedStates) << 25940 << QRect(0, 0, 21500, 27900) << "(letter)";
        QTest::addRow("United Kingdom: A4")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << 27700 << QRect(0, 0, 21000, 29700) << "(A4)";
    }
    void paperByLocale()
    {
        QFETCH(QLocale, cLocale);
        QFETCH(int, iPageHeight);
        QFETCH(QRect, cWindow);
        QFETCH(QString, sPaper);
        cleanup();
        QLocale::setDefault(cLocale);
        QCOMPARE(pageRectangle(), QRect(2000, 1000, 18000, iPageHeight));

        const QString sPath = m_cDir.filePath(QStringLiteral("paper.pdf"));
        auto pPrinter = createReportPrinter(sPath, QStringLiteral("Ostrel Kanal GmbH"), QStringLiteral("Demo Project"));
        CReportPainter cPainter;
        QVERIFY(beginReportPainter(cPainter, *pPrinter));
        QCOMPARE(cPainter.window(), cWindow);
        QCOMPARE(cPainter.viewport(), QRect(QPoint(0, 0), QSize(pPrinter->width(), pPrinter->height())));
        QCOMPARE(cPainter.pen().color(), QColor(76, 76, 76));
        cPainter.drawText(QPoint(3000, 3000), QStringLiteral("Paper check"));
        PrintoutPageList cNoPages;
        QVERIFY(printPages(cPainter, *pPrinter, cNoPages));

        QVERIFY2(PdfText::infoValue(sPath, QStringLiteral("Page size")).contains(sPaper),
                 qPrintable(PdfText::info(sPath)));
        QCOMPARE(PdfText::infoValue(sPath, QStringLiteral("Creator")), QStringLiteral("Ostrel Kanal GmbH"));
        QCOMPARE(PdfText::infoValue(sPath, QStringLiteral("Title")), QStringLiteral("Demo Project"));
        QVERIFY(PdfText::fonts(sPath).contains(QLatin1String("LiberationSans")));
    }

    void unwritableOutputIsReported_data()
    {
        QTest::addColumn<QString>("sPath");
        QTest::addRow("missing directory") << m_cDir.filePath(QStringLiteral("no/such/dir/report.pdf"));
        QTest::addRow("directory in the file's place") << m_cDir.path();
    }
    void unwritableOutputIsReported()
    {
        QFETCH(QString, sPath);
        auto pPrinter = createReportPrinter(sPath, QString(), QString());
        CReportPainter cPainter;
        QVERIFY(!beginReportPainter(cPainter, *pPrinter));
        QVERIFY(!cPainter.isActive());
        QStringList cLog;
        PrintoutPageList cPages;
        cPages.push_back(std::make_unique<PrintoutPage>());
        cPages.back()->addItem(std::make_unique<CProbeItem>(&cLog, QStringLiteral("p1")));
        QVERIFY(!printPages(cPainter, *pPrinter, cPages));
        QVERIFY(cPages.empty());
        QCOMPARE(cLog, QStringList{QStringLiteral("free p1")});
    }

    void pagesArePaintedInOrderAndFreedOneByOne()
    {
        cleanup();
        const QString sPath = m_cDir.filePath(QStringLiteral("pages.pdf"));
        auto pPrinter = createReportPrinter(sPath, QString(), QString());
        CReportPainter cPainter;
        QVERIFY(beginReportPainter(cPainter, *pPrinter));
        QStringList cLog;
        PrintoutPageList cPages;
        for (const char *pName : {"first", "second", "third"}) {
            auto pPage = std::make_unique<PrintoutPage>();
            pPage->addItem(std::make_unique<CProbeItem>(&cLog, QString::fromLatin1(pName)));
            cPages.push_back(std::move(pPage));
        }
        QVERIFY(printPages(cPainter, *pPrinter, cPages));
        QVERIFY(!cPainter.isActive());
        QCOMPARE(cLog, QStringList(
                           {"paint first", "free first", "paint second", "free second", "paint third", "free third"}));
        QCOMPARE(PdfText::pageCount(sPath), 3);
        const QStringList cTexts = PdfText::pageTexts(sPath);
        QCOMPARE(cTexts.size(), 3);
        QVERIFY(cTexts.at(1).contains(QLatin1String("second")));
    }

    void bodyAreaStartsBelowTheHeader()
    {
        PrintoutPage cPage;
        QCOMPARE(bodyArea(cPage), QRect(0, 500, 18000, 27700));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(bodyArea(cPage), QRect(0, 500, 18000, 25940));
    }

    void settingAHeaderOrFooterReplacesTheOldOne()
    {
        QStringList cLog;
        PrintoutPage cPage;
        cPage.setFooter(std::make_unique<CProbeItem>(&cLog, QStringLiteral("old")));
        cPage.setFooter(std::make_unique<CProbeItem>(&cLog, QStringLiteral("new")));
        QCOMPARE(cLog, QStringList{QStringLiteral("free old")});
    }
};

QTEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
