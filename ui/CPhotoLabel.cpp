#include "ui/CPhotoLabel.h"

#include <QPainter>

namespace {
const QSize g_cMinimumSize(160, 120);
}

CPhotoLabel::CPhotoLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CPhotoLabel::sizeHint() const
{
    return g_cMinimumSize * 2;
}

QSize CPhotoLabel::minimumSizeHint() const
{
    return g_cMinimumSize;
}

QRect CPhotoLabel::photoRect() const
{
    const QPixmap cPhoto = pixmap();
    const QRect cArea = contentsRect();
    if (cPhoto.isNull() || cArea.isEmpty())
        return QRect();
    QSize cSize = cPhoto.deviceIndependentSize().toSize();
    cSize.scale(cArea.size(), Qt::KeepAspectRatio);
    QRect cTarget(QPoint(), cSize);
    cTarget.moveCenter(cArea.center());
    return cTarget;
}

void CPhotoLabel::paintEvent(QPaintEvent *cEvent)
{
    const QPixmap cPhoto = pixmap();
    if (cPhoto.isNull()) {
        QLabel::paintEvent(cEvent);
        return;
    }
    QPainter cPainter(this);
    drawFrame(&cPainter);
    const QRect cTarget = photoRect();
    if (cTarget.isEmpty())
        return;
    const QSize cPixels = cTarget.size() * devicePixelRatio();
    // A new photo or a new size scales once; other repaints reuse the copy.
    if (cPhoto.cacheKey() != m_iScaledPhotoKey || m_cScaled.size() != cPixels) {
        m_cScaled = cPhoto.scaled(cPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_cScaled.setDevicePixelRatio(devicePixelRatio());
        m_iScaledPhotoKey = cPhoto.cacheKey();
    }
    cPainter.drawPixmap(cTarget.topLeft(), m_cScaled);
}
