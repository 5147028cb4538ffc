#include "report/layout/PrintoutLayoutReader.h"

#include "report/layout/PrintoutLayout.h"
#include "storage/CIniReader.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {
// Only the first four border entries describe sides of a cell.
constexpr int kMaxBorders = LayoutCell::kSideCount;
// Rows and cells that can never appear on a page are not read: a row whose
// top lies beyond the longest side of the largest paper (A4, 297 mm), and
// rows or cells beyond a count that a page could not tell apart (a border
// is 0.3 mm wide). A damaged file with a hundred thousand rows would
// otherwise cost time and memory on every page that prints the table.
constexpr int kMaxPageExtent = 29700;
constexpr int kMaxRows = 1000;
constexpr int kMaxCells = 1000;

QString key(const char *pKey)
{
    return QString::fromLatin1(pKey);
}

void readCell(CIniReader &cReader, LayoutRow &cRow, LayoutCellLinkRegistry &cLinks)
{
    LayoutCell *pCell = cRow.appendCell(cReader.toInt(key("width")));
    cLinks.add(pCell, cReader.toInt(key("id")), cReader.toInt(key("link-type")));
    pCell->setColor(layoutColorFromText(cReader.text(key("color"))));
    pCell->setFontSize(cReader.toInt(key("font-size")));
    pCell->setTextAlignment(cReader.toInt(key("text-alignment")));

    const int iBorders = qMin(cReader.beginReadArray(key("borders")), kMaxBorders);
    for (int k = 0; k < iBorders; ++k) {
        cReader.setArrayIndex(k);
        pCell->setBorder(k, cReader.toInt(key("width")), cReader.toInt(key("style")));
    }
    cReader.endArray();
}

std::unique_ptr<LayoutTable> readTable(CIniReader &cReader, LayoutCellLinkRegistry &cLinks)
{
    auto pTable = std::make_unique<LayoutTable>(cReader.toInt(key("width")));
    const int iRows = qMin(cReader.beginReadArray(key("rows")), kMaxRows);
    for (int i = 0; i < iRows && pTable->height() < kMaxPageExtent; ++i) {
        cReader.setArrayIndex(i);
        LayoutRow *pRow = pTable->appendRow(cReader.toInt(key("height")));
        const int iCells = qMin(cReader.beginReadArray(key("cells")), kMaxCells);
        for (int j = 0; j < iCells; ++j) {
            cReader.setArrayIndex(j);
            readCell(cReader, *pRow, cLinks);
        }
        cReader.endArray();
    }
    cReader.endArray();
    return pTable;
}

void readFooter(const CIniReader &cReader, PageFooterLayout &cFooter)
{
    cFooter.setRect(QRect(0, 0, qMax(0, cReader.toInt(key("width"))), qMax(0, cReader.toInt(key("height")))));
    cFooter.setTextPosition(QPoint(cReader.toInt(key("text-x")), cReader.toInt(key("text-y"))));
}

// The size is cut where the right or bottom edge would leave the int range,
// as table rows saturate.
QRect readRect(const CIniReader &cReader)
{
    const int iMax = std::numeric_limits<int>::max();
    const int iX = std::max(cReader.toInt(key("rect-x")), -iMax);
    const int iY = std::max(cReader.toInt(key("rect-y")), -iMax);
    const int iWidth = std::min(std::max(0, cReader.toInt(key("rect-width"))), iMax - std::max(0, iX));
    const int iHeight = std::min(std::max(0, cReader.toInt(key("rect-height"))), iMax - std::max(0, iY));
    return QRect(iX, iY, iWidth, iHeight);
}

void readGrid(const CIniReader &cReader, InclinationGridLayout &cGrid)
{
    cGrid.setRect(QRect(0, 0, qMax(0, cReader.toInt(key("width"))), qMax(0, cReader.toInt(key("height")))));
    // The border width key is spelled "gird" in every layout file.
    cGrid.setBorder(layoutColorFromText(cReader.text(key("grid-border-color"))),
                    cReader.toInt(key("grid-border-style")), cReader.toInt(key("gird-border-width")));
    cGrid.setLine(layoutColorFromText(cReader.text(key("grid-line-color"))), cReader.toInt(key("grid-line-style")),
                  cReader.toInt(key("grid-line-width")));
    cGrid.setFont(layoutColorFromText(cReader.text(key("grid-font-color"))), cReader.toInt(key("font-size")));
    cGrid.setSections(qMax(0, cReader.toInt(key("grid-x-sections"))), qMax(0, cReader.toInt(key("grid-y-sections"))));
    cGrid.setPlotRect(readRect(cReader));
}

void readPen(const CIniReader &cReader, GraphPenLayout &cPen)
{
    cPen.setColor(layoutColorFromText(cReader.text(key("color"))));
    cPen.setWidth(cReader.toInt(key("width")));
    cPen.setStyle(cReader.toInt(key("style")));
}
} // namespace

QColor layoutColorFromText(const QString &sText)
{
    bool bOk = false;
    const uint uiValue = sText.trimmed().toUInt(&bOk, 0);
    const QRgb rgb = bOk ? uiValue : 0u;
    return QColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

std::unique_ptr<PrintoutLayout> readPrintoutLayout(const QString &sPath)
{
    CIniReader cReader(sPath);
    if (cReader.childGroups().size() > PrintoutLayout::GroupCount)
        return nullptr;

    auto pLayout = std::make_unique<PrintoutLayout>();
    for (int iGroup = 0; iGroup < PrintoutLayout::GroupCount; ++iGroup) {
        cReader.beginGroup(PrintoutLayout::groupName(iGroup));
        if (PrintoutLayout::isTableGroup(iGroup)) {
            pLayout->setTable(iGroup, readTable(cReader, pLayout->cellLinks()));
        } else if (GraphPenLayout *pPen = pLayout->graphPen(iGroup)) {
            readPen(cReader, *pPen);
        } else {
            switch (iGroup) {
            case PrintoutLayout::PageFooter: readFooter(cReader, *pLayout->pageFooter()); break;
            case PrintoutLayout::EventPosIndicator:
                pLayout->eventPosIndicator()->setWidths(cReader.toInt(key("width1")), cReader.toInt(key("width2")),
                                                        cReader.toInt(key("width3")));
                break;
            case PrintoutLayout::SectionGraphic: {
                SectionGraphicLayout *pGraphic = pLayout->sectionGraphic();
                pGraphic->setCircleDiameter(cReader.toInt(key("circle-diameter")));
                pGraphic->setLineDistance(cReader.toInt(key("line-distance")));
                pGraphic->setMaxNodeTextWidth(cReader.toInt(key("max-node-text-width")));
                break;
            }
            case PrintoutLayout::InclinationGrid: readGrid(cReader, *pLayout->inclinationGrid()); break;
            case PrintoutLayout::InclinationLegend:
                pLayout->inclinationLegend()->setRect(readRect(cReader));
                pLayout->inclinationLegend()->setFontSize(cReader.toInt(key("font-size")));
                break;
            default: break;
            }
        }
        cReader.endGroup();
    }
    return pLayout;
}
