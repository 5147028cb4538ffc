#include "ui/CDataCoreObjectDisplayWidget.h"

#include "queries/CDataCoreObjectQuery.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

CDataCoreObjectDisplayWidget::CDataCoreObjectDisplayWidget(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(2);
    // The captions are read whole; the values take the rest.
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    // One line per row; a long value ends in "…" and shows whole as tool tip.
    setWordWrap(false);
    setSortingEnabled(false);
    setHeaderCaptions();

    auto *cCopy = new QAction(tr("Copy"), this);
    cCopy->setObjectName(QStringLiteral("actionCopyProperties"));
    cCopy->setShortcut(QKeySequence::Copy);
    cCopy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(cCopy, &QAction::triggered, this, &CDataCoreObjectDisplayWidget::copySelectedRows);
    addAction(cCopy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString CDataCoreObjectDisplayWidget::shortened(const QString &sText, qsizetype iMaxLength)
{
    if (sText.size() <= iMaxLength)
        return sText;
    QString sShort = sText.left(iMaxLength);
    if (sShort.back().isHighSurrogate())
        sShort.chop(1);
    return sShort + QChar(0x2026);
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

    // Selectable, so that rows can be copied; never editable.
    const Qt::ItemFlags eFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int i = 0; i < cCaptions.size(); ++i) {
        if (cCaptions.at(i).isEmpty())
            continue;
        const int iRow = rowCount();
        insertRow(iRow);
        auto *cCaptionItem = new QTableWidgetItem(cCaptions.at(i));
        cCaptionItem->setFlags(eFlags);
        // A value list shorter than the captions gives empty cells.
        const QString sValue = i < cValues.size() ? cValues.at(i) : QString();
        // A huge value (an observation text of megabytes) shows cut, so the
        // table stays quick; copying takes it whole.
        auto *cValueItem = new QTableWidgetItem(shortened(sValue, kMaxCellText));
        cValueItem->setData(Qt::UserRole, sValue);
        cValueItem->setFlags(eFlags);
        // A value too long for its column can still be read.
        cValueItem->setToolTip(shortened(sValue, kMaxToolTipText));
        setItem(iRow, 0, cCaptionItem);
        setItem(iRow, 1, cValueItem);
    }

    setHeaderCaptions();
}

QString CDataCoreObjectDisplayWidget::selectedRowsText() const
{
    QList<int> cRows;
    for (const QModelIndex &cIndex : selectionModel()->selectedIndexes()) {
        if (!cRows.contains(cIndex.row()))
            cRows.append(cIndex.row());
    }
    std::sort(cRows.begin(), cRows.end());
    QStringList cLines;
    for (const int iRow : cRows) {
        const QTableWidgetItem *cCaption = item(iRow, 0);
        const QTableWidgetItem *cValue = item(iRow, 1);
        cLines.append((cCaption ? cCaption->text() : QString()) + QLatin1Char('\t')
                      + (cValue ? cValue->data(Qt::UserRole).toString() : QString()));
    }
    return cLines.join(QLatin1Char('\n'));
}

void CDataCoreObjectDisplayWidget::copySelectedRows()
{
    const QString sText = selectedRowsText();
    if (!sText.isEmpty())
        QGuiApplication::clipboard()->setText(sText);
}

void CDataCoreObjectDisplayWidget::keyPressEvent(QKeyEvent *cEvent)
{
    if (cEvent->matches(QKeySequence::Copy)) {
        copySelectedRows();
        cEvent->accept();
        return;
    }
    QTableWidget::keyPressEvent(cEvent);
}
