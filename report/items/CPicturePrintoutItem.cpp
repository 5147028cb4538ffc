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
#include <QThreadPool>

namespace {
const int kSmallFrameHeight = 6000;
const QSize kSmallPhotoPixels(610, 600);
const QSize kLargePhotoPixels(1020, 1000);

void addPlainCell(CTablePrintoutItemBase &cItem, const LayoutCell *pCell, const QString &sText)
{
    if (pCell)
        cItem.addCellItem(std::make_unique<CTableCellItem>(pCell, std::make_unique<CTableCellData>(sText)));
}
} // namespace

CPicturePrintoutItem::CPicturePrintoutItem(const LayoutTable *pTable, const QRect &cPictureRect,
                                           const QString &sPhotoPath)
    : CTablePrintoutItem(pTable), m_cPictureRect(cPictureRect), m_sPhotoPath(sPhotoPath)
{
}

std::unique_ptr<CPicturePrintoutItem> CPicturePrintoutItem::create(
    const LayoutTable *pTable, const LayoutCellLinkRegistry &cRegistry, const CInspectionEvent *pEvent,
    const QString &sPhotoDirectory, const QString &sFileName, bool bThreePerPage, const CInspectionStandard *pStandard)
{
    auto pItem = std::make_unique<CPicturePrintoutItem>(pTable, pictureRectOf(pTable, bThreePerPage),
                                                        mediaFilePath(sPhotoDirectory, sFileName));
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

std::unique_ptr<CPicturePrintoutItem> CPicturePrintoutItem::create(
    const LayoutTable *pTable, const PrintoutLayout &cLayout, const CInspectionEvent *pEvent,
    const QString &sPhotoDirectory, const QString &sFileName, bool bThreePerPage, const CInspectionStandard *pStandard)
{
    return create(pTable, cLayout.cellLinks(), pEvent, sPhotoDirectory, sFileName, bThreePerPage, pStandard);
}

QRect CPicturePrintoutItem::pictureRectOf(const LayoutTable *pTable, bool bThreePerPage)
{
    const LayoutCell *pFirstCell = pTable ? pTable->cellAt(0, 0) : nullptr;
    if (!pFirstCell)
        return QRect();
    return bThreePerPage ? QRect(0, 0, pFirstCell->width(), pTable->height()) : pFirstCell->rect();
}

QSize CPicturePrintoutItem::photoPixelBound(const QRect &cPictureRect)
{
    return cPictureRect.height() == kSmallFrameHeight ? kSmallPhotoPixels : kLargePhotoPixels;
}

QImage CPicturePrintoutItem::loadPhoto(const QString &sPath, const QSize &cBound)
{
    if (sPath.isEmpty() || cBound.isEmpty())
        return QImage();
    // Only a regular file inside the project is read, never through a link
    // that leads out of it.
    QFile file;
    if (!openMediaFile(file, sPath))
        return QImage();
    QImageReader cReader(&file);
    const QSize cOriginal = cReader.size();
    QSize cTarget = cOriginal;
    if (cOriginal.isValid() && (cOriginal.width() > cBound.width() || cOriginal.height() > cBound.height())) {
        cTarget = cOriginal.scaled(cBound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        // A JPEG decodes fastest at a half, a quarter or an eighth of its
        // size; other sizes take longer than a full decode. Decode at the
        // smallest such size that is still at least the printed size, then
        // scale smoothly the rest of the way.
        int iDivisor = 1;
        while (iDivisor < 8 && cOriginal.width() / (2 * iDivisor) >= cTarget.width()
               && cOriginal.height() / (2 * iDivisor) >= cTarget.height())
            iDivisor *= 2;
        if (iDivisor > 1)
            cReader.setScaledSize(QSize(cOriginal.width() / iDivisor, cOriginal.height() / iDivisor));
    }
    QImage cImage = cReader.read();
    if (cImage.isNull())
        return QImage();
    if (cImage.width() > cBound.width() || cImage.height() > cBound.height())
        cImage = cImage.scaled(cBound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return cImage;
}

void CPicturePrintoutItem::prefetchPhoto(QThreadPool &cPool) const
{
    if (m_prefetchedPhoto.valid() || m_cPictureRect.width() <= 0 || m_cPictureRect.height() <= 0)
        return;
    // The task owns what it needs: the item may be gone when it ends.
    auto pPromise = std::make_shared<std::promise<QImage>>();
    m_prefetchedPhoto = pPromise->get_future();
    cPool.start([pPromise, sPath = m_sPhotoPath, cBound = photoPixelBound()] {
        pPromise->set_value(loadPhoto(sPath, cBound));
    });
}

void CPicturePrintoutItem::paint(CReportPainter &cPainter) const
{
    CTablePrintoutItem::paint(cPainter);
    if (m_cPictureRect.width() <= 0 || m_cPictureRect.height() <= 0)
        return;

    // Dropped right after drawing: pages are built long before they are
    // painted and must not hold their photos.
    const QImage cPhoto =
        m_prefetchedPhoto.valid() ? m_prefetchedPhoto.get() : loadPhoto(m_sPhotoPath, photoPixelBound());
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
