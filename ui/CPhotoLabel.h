#pragma once

#include <QLabel>
#include <QPixmap>

// A photo label that fills its area with the photo at the photo's own
// aspect ratio, centred, however large the label grows or shrinks. The
// label keeps the photo as loaded (pixmap()); only the drawing is scaled.
class CPhotoLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CPhotoLabel(QWidget *parent = nullptr);

    // Where the photo is drawn inside the label; empty without a photo.
    QRect photoRect() const;

    // Small, so that a large photo never forces the window to grow.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *cEvent) override;

private:
    // The last scaled copy, so repaints at the same size do not scale again.
    QPixmap m_cScaled;
    qint64 m_iScaledPhotoKey = 0;
};
