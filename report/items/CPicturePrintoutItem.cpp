#include "report/items/CPicturePrintoutItem.h"

#include "model/CInspectionEvent.h"
#include "queries/CSharedTranslations.h"
#include "report/items/TableFilling.h"
#include "report/layout/LayoutTable.h"
#include "report/layout/PrintoutLayout.h"
#include "report/paint/CReportPainter.h"
#include "storage/ProjectDirectory.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {
const int kSmallFrameHeight = 6000;
const QSize kSmallPhotoPixels(610, 600);
const QSize kLargePhotoPixels(1020, 1000);

void addPlainCell(CTablePrintoutItemBase &cItem, const LayoutCell *pCell, const QString &sText)
{
    if (pCell)
        cItem.addCellItem(std::make_unique<CTableCellItem>(pCell, std::make_unique<CTableCellData>(sText)));
}

// Loads the photo no larger than the pixel bound, decoding a large photo
// at reduced size where the format allows, so memory stays bounded.
QImage loadScaledPhoto(const QString &sPath, const QSize &cBound)
{
    if (sPath.isEmpty())
        return QImage();
    QFile file;
    if (!openMediaFile(file, sPath))
        return QImage();
    QImageReader cReader(&file);
    const QSize cOriginal = cReader.size();
    if (cOriginal.isValid() && (cOriginal.width() > cBound.width() || cOriginal.height() > cBound.height()))
        cReader.setScaledSize(cOriginal.scaled(cBound, Qt::KeepAspectRatio));
    QImage cImage = cReader.read();
    if (cImage.isNull())
        return QImage();
    if (cImage.width() > cBound.width() || cImage.height() > cBound.height())
        cImage = cImage.scaled(cBound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return cImage;
}
} // namespace

CPicturePrintoutItem::CPicturePrintoutItem(const LayoutTable *pTable, const QRect &cPictureRect,
                                           const QString &sPhotoPath)
    : CTablePrintoutItem(pTable), m_cPictureRect(cPictureRect), m_sPhotoPath(sPhotoPath)
{
}

std::unique_ptr<CPicturePrintoutItem> CPicturePrintoutItem::create(const LayoutTable *pTable,
                                                                   const LayoutCellLinkRegistry &cRegistry,
                                                                   const CInspectionEvent *pEvent,
                                                                   const QString &sPhotoDirectory,
                                                                   const QString &sFileName, bool bThreePerPage,
                                                                   const CInspectionStandard *pStandard)
{
    QRect cPictureRect;
    if (const LayoutCell *pFirstCell = pTable ? pTable->cellAt(0, 0) : nullptr) {
        cPictureRect = bThreePerPage ? QRect(0, 0, pFirstCell->width(), pTable->height()) : pFirstCell->rect();
    }
    auto pItem = std::make_unique<CPicturePrintoutItem>(pTable, cPictureRect, mediaFilePath(sPhotoDirectory, sFileName));
    fillFromObject(*pItem, pTable, cRegistry, pEvent, false, pStandard);

    const QString sCaption = CSharedTranslations::instance()->caption(CSharedTranslations::CaptionPhotoFile);
    const int iRow = bThreePerPage ? 0 : 1;
    const int iColumn = bThreePerPage ? 2 : 0;
    if (pTable) {
        addPlainCell(*pItem, pTable->cellAt(iRow, iColumn), sCaption);
        addPlainCell(*pItem, pTable->cellAt(iRow, iColumn + 1), sFileName);
    }
    return pItem;
}

std::unique_ptr<CPicturePrintoutItem> CPicturePrintoutItem::create(const LayoutTable *pTable, const PrintoutLayout &cLayout,
                                                                   const CInspectionEvent *pEvent,
                                                                   const QString &sPhotoDirectory,
                                                                   const QString &sFileName, bool bThreePerPage,
                                                                   const CInspectionStandard *pStandard)
{
    return create(pTable, cLayout.cellLinks(), pEvent, sPhotoDirectory, sFileName, bThreePerPage, pStandard);
}

void CPicturePrintoutItem::paint(CReportPainter &cPainter) const
{
    CTablePrintoutItem::paint(cPainter);
    if (m_cPictureRect.width() <= 0 || m_cPictureRect.height() <= 0)
        return;

    // Loaded now and dropped right after drawing: pages are built long
    // before they are painted and must not hold their photos.
    const QSize cBound = m_cPictureRect.height() == kSmallFrameHeight ? kSmallPhotoPixels : kLargePhotoPixels;
    const QImage cPhoto = loadScaledPhoto(m_sPhotoPath, cBound);
    if (cPhoto.isNull())
        return;

    cPainter.save();
    applyPlacement(cPainter);
    cPainter.setClipRect(m_cPictureRect);
    // The photo fills the frame as far as its aspect ratio allows, centred.
    QRect cTarget(QPoint(0, 0), cPhoto.size().scaled(m_cPictureRect.size(), Qt::KeepAspectRatio));
    cTarget.moveCenter(m_cPictureRect.center());
    cPainter.drawImage(cTarget, cPhoto);
    cPainter.restore();
}
