#include "ui/CProjectTreeView.h"

#include "app/units/Units.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"

#include <QSignalBlocker>

namespace {

QTreeWidgetItem *newItem(const QString &sText, int iKind, const void *pObject)
{
    auto *cItem = new QTreeWidgetItem();
    cItem->setText(0, sText);
    cItem->setData(0, Qt::UserRole, iKind);
    cItem->setData(0, Qt::UserRole + 1, QVariant::fromValue(const_cast<void *>(pObject)));
    return cItem;
}

} // namespace

CProjectTreeView::CProjectTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
}

QString CProjectTreeView::eventItemText(const CInspectionEvent &cEvent, const QString &sTextDelimiter)
{
    QString sText = cEvent.text();
    // An empty delimiter would be "found" at position 0 and cut every text
    // to nothing, so it leaves the text whole.
    if (!sTextDelimiter.isEmpty()) {
        const int iPos = static_cast<int>(sText.indexOf(sTextDelimiter, 0, Qt::CaseSensitive));
        if (iPos >= 0)
            sText.truncate(iPos);
    }
    return formatLength(cEvent.meterValue()) + QLatin1Char(' ') + sText;
}

void CProjectTreeView::setProject(const CCorvaneProject *cProject, const QString &sTextDelimiter)
{
    m_sTextDelimiter = sTextDelimiter;
    const QSignalBlocker cBlocker(this);
    clear();
    if (cProject) {
        QTreeWidgetItem *cProjectItem = newItem(cProject->name(), ItemProject, cProject);
        addTopLevelItem(cProjectItem);
        for (int iSection = 0; iSection < cProject->sectionCount(); ++iSection) {
            const CInspectionSegment *cSection = cProject->sectionAt(iSection);
            if (!cSection)
                continue;
            QTreeWidgetItem *cSectionItem = newItem(cSection->name(), ItemSection, cSection);
            cProjectItem->addChild(cSectionItem);
            const CEventList *cEvents = cSection->events();
            QList<QTreeWidgetItem *> cEventItems;
            cEventItems.reserve(cEvents->count());
            for (int iEvent = 0; iEvent < cEvents->count(); ++iEvent) {
                const CInspectionEvent *cEvent = cEvents->at(iEvent);
                if (cEvent)
                    cEventItems.append(newItem(eventItemText(*cEvent, m_sTextDelimiter), ItemEvent, cEvent));
            }
            cSectionItem->addChildren(cEventItems);
        }
        cProjectItem->setExpanded(true);
    }
}

void CProjectTreeView::currentChanged(const QModelIndex &cCurrentIndex, const QModelIndex &cPreviousIndex)
{
    QTreeWidget::currentChanged(cCurrentIndex, cPreviousIndex);
    if (signalsBlocked())
        return;
    const QVariant cKind = cCurrentIndex.data(Qt::UserRole);
    const QVariant cAddress = cCurrentIndex.data(Qt::UserRole + 1);
    if (!cKind.isValid() || !cAddress.isValid())
        return;
    const void *pObject = cAddress.value<void *>();
    if (!pObject)
        return;
    switch (cKind.toInt()) {
    case ItemProject:
        emit onProjectSelected(*static_cast<const CCorvaneProject *>(pObject));
        break;
    case ItemSection:
        emit onSectionSelected(*static_cast<const CInspectionSegment *>(pObject));
        break;
    case ItemEvent:
        emit onEventSelected(*static_cast<const CInspectionEvent *>(pObject));
        break;
    default:
        break;
    }
}
