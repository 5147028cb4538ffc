// The project tree's search on 100,000 observations: the time from a
// keystroke in the search field until the tree has filtered, expanded what
// matches and painted, offscreen. Baseline in the same run: one plain pass
// over all observation texts looking for the same text, the least any
// filter must do. Target: every keystroke within 100 ms.
//   bench_treefilter [--sections N] [--events N] [--rounds N]
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "ui/CProjectTreeModel.h"
#include "ui/CProjectTreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

namespace {
const char *const kTexts[] = {"Crack, longitudinal",      "Crack, circumferential",
                              "Fracture, multiple",       "Deformation, vertical",
                              "Root intrusion, fine",     "Root mass",
                              "Infiltration, seeping",    "Deposits, attached encrustation",
                              "Joint displaced, medium",  "Connection defective",
                              "Surface damage, spalling", "Obstacle, brick",
                              "Start node|Manhole",       "Water level 10 %",
                              "Change of material"};
const char *const kCodes[] = {"BAB", "BAC", "BAA", "BBA", "BBB", "BDE", "BAJ", "BAH", "BAF", "BDB", "BCA", "AED"};

std::unique_ptr<CCorvaneProject> makeProject(int iSections, int iEvents)
{
    auto cProject = std::make_unique<CCorvaneProject>(new CPropertyList, new CPropertyList, new CPropertyList);
    cProject->setName(QStringLiteral("Search benchmark"));
    // Shared texts, as the project reader shares the recurring texts of a
    // file.
    QStringList texts;
    for (const char *pszText : kTexts)
        texts << QString::fromLatin1(pszText);
    QStringList codes;
    for (const char *pszCode : kCodes)
        codes << QString::fromLatin1(pszCode);
    CPropertyList::Builder cBuilder;
    for (int s = 1; s <= iSections; ++s) {
        auto *cSection = new CInspectionSegment(cProject.get(), new CPropertyList, s);
        cSection->setName(QStringLiteral("Section %1").arg(s));
        for (int e = 0; e < iEvents; ++e) {
            const int n = s * 7919 + e * 104729;
            cBuilder.clear();
            cBuilder.append(200001, QString::number(n % 6), QString());
            auto *cProperties = new CPropertyList;
            cProperties->assign(cBuilder);
            auto *cEvent = new CInspectionEvent(cSection, cProperties, s * 1000 + e);
            cEvent->setMeterValue(float(e) * 0.37f);
            cEvent->setText(texts.at(n % texts.size()));
            cEvent->setAbbreviation(codes.at(n % codes.size()));
            cSection->addEvent(cEvent);
        }
        cProject->addSection(cSection);
    }
    cProject->sortSections();
    return cProject;
}

int plainPass(const CCorvaneProject &cProject, const QString &sText)
{
    int iFound = 0;
    for (int s = 0; s < cProject.sectionCount(); ++s) {
        const CEventList *cEvents = cProject.sectionAt(s)->events();
        for (int e = 0; e < cEvents->count(); ++e)
            iFound += cEvents->at(e)->text().contains(sText, Qt::CaseInsensitive) ? 1 : 0;
    }
    return iFound;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    int iSections = 1000;
    int iEvents = 100;
    int iRounds = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--sections"))
            iSections = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--events"))
            iEvents = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--rounds"))
            iRounds = std::max(1, args.at(i + 1).toInt());
    }
    const auto cProject = makeProject(iSections, iEvents);
    CProjectTreeView cTree;
    cTree.resize(320, 900);
    cTree.setDamageClasses({"0", "1", "2", "3", "4", "5"});
    cTree.setProject(cProject.get(), QStringLiteral("|"));
    cTree.show();
    QCoreApplication::processEvents();
    auto *cField = cTree.findChild<QLineEdit *>(QStringLiteral("leSearch"));

    // What a user types, keystroke by keystroke; "#n" sets the minimum
    // damage class, "<" erases a character, "" clears.
    const QStringList keys{"c", "r", "a", "c", "k", "<",  "<",   "<", "<", "<", "1", "2", ".",  "5",
                           "",  "r", "o", "o", "t", "#3", "#-1", "",  "B", "A", "C", "",  "#5", "#-1"};
    qint64 iWorst = 0;
    qint64 iTotal = 0;
    int iStrokes = 0;
    qint64 iBaselineWorst = 0;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        QString sText;
        int iClass = -1;
        for (const QString &sKey : keys) {
            if (sKey.isEmpty())
                sText.clear();
            else if (sKey == QLatin1String("<"))
                sText.chop(1);
            else if (sKey.startsWith(QLatin1Char('#')))
                iClass = sKey.mid(1).toInt();
            else
                sText += sKey;
            QElapsedTimer timer;
            timer.start();
            if (sKey.startsWith(QLatin1Char('#')))
                cTree.setSearch(sText, iClass);
            else
                cField->setText(sText); // as typing does: textChanged filters
            QCoreApplication::processEvents();
            cTree.viewport()->repaint();
            const qint64 iMs = timer.elapsed();
            QElapsedTimer baseline;
            baseline.start();
            const int iFound = plainPass(*cProject, sText.trimmed());
            iBaselineWorst = std::max(iBaselineWorst, baseline.elapsed());
            if (iRound == 0 || iRound == iRounds - 1)
                std::printf("%d %-6s -> %-16s %7s: %4lld ms (plain text pass finds %d)\n", iRound + 1,
                            qPrintable(sKey.isEmpty() ? QStringLiteral("clear") : sKey),
                            qPrintable(QLatin1Char('"') + sText + QLatin1Char('"')
                                       + (iClass >= 0 ? QStringLiteral(" DC>=%1").arg(iClass) : QString())),
                            qPrintable(cTree.matchesText()), static_cast<long long>(iMs), iFound);
            iWorst = std::max(iWorst, iMs);
            iTotal += iMs;
            ++iStrokes;
        }
    }
    std::printf("%d observations, %d keystrokes over %d rounds\n", cTree.treeModel()->eventCount(), iStrokes, iRounds);
    std::printf("keystroke: worst %lld ms, mean %.1f ms (target 100 ms: %s)\n", static_cast<long long>(iWorst),
                double(iTotal) / iStrokes, iWorst <= 100 ? "met" : "missed");
    std::printf("plain text pass: worst %lld ms; worst keystroke / worst plain pass: %.2f\n",
                static_cast<long long>(iBaselineWorst), double(iWorst) / double(std::max<qint64>(1, iBaselineWorst)));
    return 0;
}
