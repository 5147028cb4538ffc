#pragma once

#include "report/items/CTablePrintoutItem.h"

#include <QRect>
#include <QString>

#include <memory>

class CInspectionEvent;
class CInspectionStandard;
class LayoutCellLinkRegistry;
class PrintoutLayout;

// A photo frame: a table with the photo drawn into its picture rectangle.
// The photo is loaded only while the item is painted, so building many
// pages does not hold their photos in memory.
class CPicturePrintoutItem : public CTablePrintoutItem
{
public:
    CPicturePrintoutItem(const LayoutTable *pTable, const QRect &cPictureRect, const QString &sPhotoPath);

    // The frame for one photo of the event: picture rectangle by the photo
    // mode, cells filled from the event (section property captions from the
    // standard), plus "Photo File" and the file name. A file name that could
    // leave the photo directory gives no photo.
    static std::unique_ptr<CPicturePrintoutItem> create(const LayoutTable *pTable, const LayoutCellLinkRegistry &cRegistry,
                                                        const CInspectionEvent *pEvent,
                                                        const QString &sPhotoDirectory,
                                                        const QString &sFileName, bool bThreePerPage,
                                                        const CInspectionStandard *pStandard);

    static std::unique_ptr<CPicturePrintoutItem> create(const LayoutTable *pTable, const PrintoutLayout &cLayout,
                                                        const CInspectionEvent *pEvent,
                                                        const QString &sPhotoDirectory,
                                                        const QString &sFileName, bool bThreePerPage,
                                                        const CInspectionStandard *pStandard);

    QRect pictureRect() const { return m_cPictureRect; }
    QString photoPath() const { return m_sPhotoPath; }
    void paint(CReportPainter &cPainter) const override;

private:
    QRect m_cPictureRect;
    QString m_sPhotoPath;
};
