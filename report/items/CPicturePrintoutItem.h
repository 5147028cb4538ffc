#pragma once

#include "report/items/CTablePrintoutItem.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <future>
#include <memory>

class CInspectionEvent;
class QThreadPool;
class CInspectionStandard;
class LayoutCellLinkRegistry;
class PrintoutLayout;

// A photo frame: a table with the photo drawn into its picture rectangle.
// The photo is read when the page is about to be painted (on a worker
// thread when the printing asks for it ahead) and dropped once drawn, so
// building many pages does not hold their photos in memory.
class CPicturePrintoutItem : public CTablePrintoutItem
{
public:
    CPicturePrintoutItem(const LayoutTable *pTable, const QRect &cPictureRect, const QString &sPhotoPath);

    // The frame for one photo of the event: picture rectangle by the photo
    // mode, cells filled from the event (section property captions from the
    // standard), plus "Photo File" and the file name. A file name that could
    // leave the photo directory gives no photo.
    static std::unique_ptr<CPicturePrintoutItem> create(const LayoutTable *pTable,
                                                        const LayoutCellLinkRegistry &cRegistry,
                                                        const CInspectionEvent *pEvent, const QString &sPhotoDirectory,
                                                        const QString &sFileName, bool bThreePerPage,
                                                        const CInspectionStandard *pStandard);

    static std::unique_ptr<CPicturePrintoutItem> create(const LayoutTable *pTable, const PrintoutLayout &cLayout,
                                                        const CInspectionEvent *pEvent, const QString &sPhotoDirectory,
                                                        const QString &sFileName, bool bThreePerPage,
                                                        const CInspectionStandard *pStandard);

    // The picture rectangle of a frame on the table: for three photos per
    // page the first cell's width and the table's height, else the first
    // cell. Empty when the table has no first cell.
    static QRect pictureRectOf(const LayoutTable *pTable, bool bThreePerPage);
    // The pixels a photo is printed with in a picture rectangle: within
    // 610 x 600 in a frame 6000 high (60 mm), else within 1020 x 1000.
    static QSize photoPixelBound(const QRect &cPictureRect);
    // The photo at the size it prints: no larger than the bound, aspect
    // ratio kept, smoothly scaled; decoded at a reduced size where the format
    // does that quickly. A null image when it cannot be read.
    static QImage loadPhoto(const QString &sPath, const QSize &cBound);

    QRect pictureRect() const { return m_cPictureRect; }
    QString photoPath() const { return m_sPhotoPath; }
    QSize photoPixelBound() const { return photoPixelBound(m_cPictureRect); }

    // Starts reading the photo on the pool; painting then takes the result
    // (waiting for it if need be) instead of reading the file itself.
    void prefetchPhoto(QThreadPool &cPool) const;
    void paint(CReportPainter &cPainter) const override;

private:
    QRect m_cPictureRect;
    QString m_sPhotoPath;
    // The photo being read ahead; taken (and so released) when painted.
    mutable std::future<QImage> m_prefetchedPhoto;
};
