#pragma once

#include <QTableWidget>

class CDataCoreObject;

// Read-only table of caption and value of every field of one data object,
// with the texts supplied by the data object queries.
class CDataCoreObjectDisplayWidget : public QTableWidget
{
    Q_OBJECT
public:
    explicit CDataCoreObjectDisplayWidget(QWidget *parent = nullptr);

    // Null empties the table. The object is not owned and must stay alive
    // while it is shown.
    void setObject(const CDataCoreObject *cObject);
    const CDataCoreObject *object() const { return m_cObject; }
    void refresh();
    // The selected rows as lines of caption, tab, value, top to bottom.
    QString selectedRowsText() const;
    // Puts selectedRowsText() on the clipboard (Ctrl+C); nothing without a
    // selection. Values are copied whole, also where a cell shows them cut.
    void copySelectedRows();

    // Longest value a cell and its tool tip show; longer ones end in "…".
    static constexpr qsizetype kMaxCellText = 1000;
    static constexpr qsizetype kMaxToolTipText = 500;
    static QString shortened(const QString &sText, qsizetype iMaxLength);

protected:
    // The view's own Ctrl+C copies only the current cell; this copies rows.
    void keyPressEvent(QKeyEvent *cEvent) override;

private:
    void setHeaderCaptions();

    const CDataCoreObject *m_cObject = nullptr;
};
