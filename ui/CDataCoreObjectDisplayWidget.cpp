#include "ui/CDataCoreObjectDisplayWidget.h"

#include "queries/CDataCoreObjectQuery.h"

#include <QHeaderView>

CDataCoreObjectDisplayWidget::CDataCoreObjectDisplayWidget(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(2);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    setSortingEnabled(false);
    setHeaderCaptions();
}

void CDataCoreObjectDisplayWidget::setHeaderCaptions()
{
    setHorizontalHeaderLabels({tr("Property"), tr("Value")});
}

void CDataCoreObjectDisplayWidget::setObject(const CDataCoreObject *cObject)
{
    m_cObject = cObject;
    refresh();
}

void CDataCoreObjectDisplayWidget::refresh()
{
    clear();
    setRowCount(0);

    QStringList cCaptions;
    QStringList cValues;
    if (m_cObject) {
        const std::unique_ptr<CDataCoreObjectQuery> cQuery = createQuery(m_cObject);
        if (cQuery) {
            cCaptions = cQuery->fieldCaptions();
            cValues = cQuery->fieldValues();
        }
    }

    const Qt::ItemFlags eFlags = Qt::ItemIsEnabled;
    for (int i = 0; i < cCaptions.size(); ++i) {
        if (cCaptions.at(i).isEmpty())
            continue;
        const int iRow = rowCount();
        insertRow(iRow);
        auto *cCaptionItem = new QTableWidgetItem(cCaptions.at(i));
        cCaptionItem->setFlags(eFlags);
        // A value list shorter than the captions gives empty cells.
        auto *cValueItem = new QTableWidgetItem(i < cValues.size() ? cValues.at(i) : QString());
        cValueItem->setFlags(eFlags);
        setItem(iRow, 0, cCaptionItem);
        setItem(iRow, 1, cValueItem);
    }

    setHeaderCaptions();
}
