#include "ui/CProjectTreeModel.h"

#include "app/units/Units.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "queries/CEventObjectQuery.h"
#include "queries/FieldIds.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kDamageClassProperty = 200001;

bool hasDigit(const QString &sText)
{
    return std::any_of(sText.cbegin(), sText.cend(), [](QChar ch) { return ch.isDigit(); });
}
} // namespace

CProjectTreeModel::CProjectTreeModel(QObject *parent) : QAbstractItemModel(parent)
{
}

CProjectTreeModel::~CProjectTreeModel() = default;

void CProjectTreeModel::setProject(const CCorvaneProject *cProject, const QString &sTextDelimiter)
{
    beginResetModel();
    m_cProject = cProject;
    m_sTextDelimiter = sTextDelimiter;
    m_sectionIndexes.clear();
    m_firstEvent.clear();
    m_iEvents = 0;
    m_positionTexts = std::vector<QString>();
    m_damageRanks = std::vector<qint16>();
    if (m_cProject) {
        const int iSections = m_cProject->sectionCount();
        m_sectionIndexes.reserve(iSections);
        m_firstEvent.reserve(static_cast<size_t>(iSections));
        for (int s = 0; s < iSections; ++s) {
            const CInspectionSegment *cSection = m_cProject->sectionAt(s);
            m_sectionIndexes.insert(cSection, s);
            m_firstEvent.push_back(m_iEvents);
            m_iEvents += cSection->events()->count();
        }
    }
    m_bFiltered = false;
    m_sFilterText.clear();
    m_iMinimumClass = -1;
    m_iMatches = m_iEvents;
    m_shownSections.clear();
    m_sectionRows.clear();
    m_shownEvents.clear();
    m_shownEventBegin.clear();
    endResetModel();
}

void CProjectTreeModel::setDamageClasses(const QStringList &classes)
{
    m_damageClasses = classes;
    m_damageRanks = std::vector<qint16>();
    if (m_iMinimumClass >= m_damageClasses.size())
        setFilter(m_sFilterText, -1);
}

void CProjectTreeModel::setFilter(const QString &sText, int iMinimumClass)
{
    const QString sNeedle = sText.trimmed();
    beginResetModel();
    m_sFilterText = sNeedle;
    m_iMinimumClass = iMinimumClass >= 0 && iMinimumClass < m_damageClasses.size() ? iMinimumClass : -1;
    m_bFiltered = m_cProject && (!sNeedle.isEmpty() || m_iMinimumClass >= 0);
    m_shownSections.clear();
    m_sectionRows.clear();
    m_shownEvents.clear();
    m_shownEventBegin.clear();
    m_iMatches = m_iEvents;
    if (m_bFiltered) {
        // Positions as the tree shows them ("12.50 m"); a text without a
        // digit would match at most their unit, which tells nothing.
        const bool bPosition = hasDigit(sNeedle);
        // Texts and codes recur (the reader shares equal ones): each is
        // searched once per filter.
        TextMemo memo;
        const int iSections = m_cProject->sectionCount();
        m_sectionRows.assign(static_cast<size_t>(iSections), -1);
        m_shownEventBegin.reserve(static_cast<size_t>(iSections) + 1);
        for (int s = 0; s < iSections; ++s) {
            m_shownEventBegin.push_back(static_cast<int>(m_shownEvents.size()));
            const int iCount = m_cProject->sectionAt(s)->events()->count();
            for (int e = 0; e < iCount; ++e) {
                if (matches(s, e, sNeedle, bPosition, memo))
                    m_shownEvents.push_back(e);
            }
            if (static_cast<int>(m_shownEvents.size()) > m_shownEventBegin.back()) {
                m_sectionRows[static_cast<size_t>(s)] = static_cast<int>(m_shownSections.size());
                m_shownSections.push_back(s);
            }
        }
        m_shownEventBegin.push_back(static_cast<int>(m_shownEvents.size()));
        m_iMatches = static_cast<int>(m_shownEvents.size());
    }
    endResetModel();
}

bool CProjectTreeModel::matches(int iSection, int iEvent, const QString &sText, bool bPosition, TextMemo &memo) const
{
    if (m_iMinimumClass >= 0 && damageRank(iSection, iEvent) < m_iMinimumClass)
        return false;
    if (sText.isEmpty())
        return true;
    const CInspectionEvent *cEvent = m_cProject->sectionAt(iSection)->events()->at(iEvent);
    const auto contains = [&memo, &sText](const QString &sHaystack) {
        if (sHaystack.isEmpty())
            return false;
        const auto it = memo.constFind(sHaystack.constData());
        if (it != memo.constEnd())
            return it.value();
        const bool bFound = sHaystack.contains(sText, Qt::CaseInsensitive);
        memo.insert(sHaystack.constData(), bFound);
        return bFound;
    };
    return contains(cEvent->abbreviation()) || contains(cEvent->text())
           || (bPosition && contains(positionText(iSection, iEvent)));
}

const QString &CProjectTreeModel::positionText(int iSection, int iEvent) const
{
    if (m_positionTexts.empty()) {
        // Events share positions: each one is formatted once.
        QHash<quint32, QString> formatted; // by the float's bits: -0 is not 0
        static_assert(sizeof(float) == sizeof(quint32));
        m_positionTexts.reserve(static_cast<size_t>(m_iEvents));
        for (int s = 0; s < m_cProject->sectionCount(); ++s) {
            const CEventList *cEvents = m_cProject->sectionAt(s)->events();
            for (int e = 0; e < cEvents->count(); ++e) {
                const float fMetres = cEvents->at(e)->meterValue();
                quint32 uBits = 0;
                std::memcpy(&uBits, &fMetres, sizeof(uBits));
                auto it = formatted.find(uBits);
                if (it == formatted.end())
                    it = formatted.insert(uBits, formatLength(fMetres));
                m_positionTexts.push_back(it.value());
            }
        }
    }
    return m_positionTexts[static_cast<size_t>(m_firstEvent[static_cast<size_t>(iSection)] + iEvent)];
}

int CProjectTreeModel::damageRank(int iSection, int iEvent) const
{
    if (m_damageRanks.empty()) {
        m_damageRanks.reserve(static_cast<size_t>(m_iEvents));
        for (int s = 0; s < m_cProject->sectionCount(); ++s) {
            const CEventList *cEvents = m_cProject->sectionAt(s)->events();
            for (int e = 0; e < cEvents->count(); ++e)
                m_damageRanks.push_back(static_cast<qint16>(
                    std::min<qsizetype>(m_damageClasses.indexOf(damageClassOf(*cEvents->at(e))), 0x7fff)));
        }
    }
    return m_damageRanks[static_cast<size_t>(m_firstEvent[static_cast<size_t>(iSection)] + iEvent)];
}

QString CProjectTreeModel::damageClassOf(const CInspectionEvent &cEvent)
{
    const CEventObjectQuery cQuery(&cEvent);
    const int iField = FieldIds::eventPropertyField(kDamageClassProperty);
    const QString sCode = cQuery.fieldCode(iField);
    return sCode.isEmpty() ? cQuery.fieldValue(iField) : sCode;
}

QString CProjectTreeModel::eventItemText(const CInspectionEvent &cEvent, const QString &sTextDelimiter)
{
    const QString sText = cEvent.text();
    QStringView sShown(sText);
    // An empty delimiter would be "found" at position 0 and cut every text
    // to nothing, so it leaves the text whole.
    if (!sTextDelimiter.isEmpty()) {
        const QStringView sSearched = sShown.first(std::min(sShown.size(), kMaxItemText + sTextDelimiter.size()));
        const qsizetype iPos = sSearched.indexOf(sTextDelimiter, 0, Qt::CaseSensitive);
        if (iPos >= 0)
            sShown = sShown.first(iPos);
    }
    const bool bCut = sShown.size() > kMaxItemText;
    if (bCut) {
        sShown = sShown.first(kMaxItemText);
        if (sShown.back().isHighSurrogate())
            sShown.chop(1);
    }
    QString sItem = formatLength(cEvent.meterValue());
    sItem += QLatin1Char(' ');
    sItem += sShown;
    if (bCut)
        sItem += QChar(0x2026);
    return sItem;
}

const CInspectionSegment *CProjectTreeModel::sectionAtRow(int iRow) const
{
    if (!m_cProject || iRow < 0)
        return nullptr;
    if (!m_bFiltered)
        return m_cProject->sectionAt(iRow);
    if (iRow >= static_cast<int>(m_shownSections.size()))
        return nullptr;
    return m_cProject->sectionAt(m_shownSections[static_cast<size_t>(iRow)]);
}

int CProjectTreeModel::sectionIndexOf(const CInspectionSegment *cSection) const
{
    return m_sectionIndexes.value(cSection, -1);
}

int CProjectTreeModel::eventRows(int iSection) const
{
    if (iSection < 0)
        return 0;
    if (!m_bFiltered)
        return m_cProject->sectionAt(iSection)->events()->count();
    const auto uSection = static_cast<size_t>(iSection);
    return m_shownEventBegin[uSection + 1] - m_shownEventBegin[uSection];
}

int CProjectTreeModel::eventAt(int iSection, int iRow) const
{
    if (!m_bFiltered)
        return iRow;
    return m_shownEvents[static_cast<size_t>(m_shownEventBegin[static_cast<size_t>(iSection)] + iRow)];
}

int CProjectTreeModel::eventRowOf(int iSection, int iEvent) const
{
    if (!m_bFiltered)
        return iEvent;
    const auto begin = m_shownEvents.begin() + m_shownEventBegin[static_cast<size_t>(iSection)];
    const auto end = m_shownEvents.begin() + m_shownEventBegin[static_cast<size_t>(iSection) + 1];
    const auto it = std::lower_bound(begin, end, iEvent);
    return it != end && *it == iEvent ? static_cast<int>(it - begin) : -1;
}

// An index carries its object's address with the object's kind in the low
// bits, which the alignment of the objects leaves free: the view asks for
// kinds and flags of 100,000 items and need not touch the objects for it.
QModelIndex CProjectTreeModel::indexFor(int iRow, const CDataCoreObject *cObject, int iKind) const
{
    static_assert(alignof(CDataCoreObject) >= 4, "two bits for the kind");
    return createIndex(iRow, 0, reinterpret_cast<quintptr>(cObject) | quintptr(iKind));
}

int CProjectTreeModel::kindOf(const QModelIndex &cIndex)
{
    return cIndex.isValid() ? int(cIndex.internalId() & 3u) : 0;
}

const CDataCoreObject *CProjectTreeModel::objectOf(const QModelIndex &cIndex)
{
    return cIndex.isValid() ? reinterpret_cast<const CDataCoreObject *>(cIndex.internalId() & ~quintptr(3)) : nullptr;
}

QModelIndex CProjectTreeModel::index(int iRow, int iColumn, const QModelIndex &cParent) const
{
    if (!m_cProject || iColumn != 0 || iRow < 0)
        return QModelIndex();
    switch (kindOf(cParent)) {
    case 0: return iRow == 0 ? indexFor(0, m_cProject, CDataCoreObject::KindProject) : QModelIndex();
    case CDataCoreObject::KindProject: {
        const CInspectionSegment *cSection = sectionAtRow(iRow);
        return cSection ? indexFor(iRow, cSection, CDataCoreObject::KindSection) : QModelIndex();
    }
    case CDataCoreObject::KindSection: {
        const auto *cSection = static_cast<const CInspectionSegment *>(objectOf(cParent));
        const int iSection = sectionIndexOf(cSection);
        if (iSection < 0 || iRow >= eventRows(iSection))
            return QModelIndex();
        const CInspectionEvent *cEvent = cSection->events()->at(eventAt(iSection, iRow));
        return cEvent ? indexFor(iRow, cEvent, CDataCoreObject::KindEvent) : QModelIndex();
    }
    default: return QModelIndex();
    }
}

QModelIndex CProjectTreeModel::parent(const QModelIndex &cIndex) const
{
    if (!m_cProject)
        return QModelIndex();
    switch (kindOf(cIndex)) {
    case CDataCoreObject::KindSection: return indexFor(0, m_cProject, CDataCoreObject::KindProject);
    case CDataCoreObject::KindEvent: {
        const CInspectionSegment *cSection = static_cast<const CInspectionEvent *>(objectOf(cIndex))->section();
        const int iSection = sectionIndexOf(cSection);
        if (iSection < 0)
            return QModelIndex();
        const int iRow = m_bFiltered ? m_sectionRows[static_cast<size_t>(iSection)] : iSection;
        return indexFor(iRow, cSection, CDataCoreObject::KindSection);
    }
    default: return QModelIndex();
    }
}

int CProjectTreeModel::rowCount(const QModelIndex &cParent) const
{
    if (!m_cProject || cParent.column() > 0)
        return 0;
    switch (kindOf(cParent)) {
    case 0: return 1;
    case CDataCoreObject::KindProject:
        return m_bFiltered ? static_cast<int>(m_shownSections.size()) : m_cProject->sectionCount();
    case CDataCoreObject::KindSection:
        return eventRows(sectionIndexOf(static_cast<const CInspectionSegment *>(objectOf(cParent))));
    default: return 0;
    }
}

int CProjectTreeModel::columnCount(const QModelIndex & /*cParent*/) const
{
    return 1;
}

bool CProjectTreeModel::hasChildren(const QModelIndex &cParent) const
{
    return kindOf(cParent) != CDataCoreObject::KindEvent && rowCount(cParent) > 0;
}

QVariant CProjectTreeModel::data(const QModelIndex &cIndex, int iRole) const
{
    const CDataCoreObject *cObject = objectOf(cIndex);
    if (!cObject)
        return QVariant();
    const int iKind = kindOf(cIndex);
    switch (iRole) {
    case Qt::DisplayRole:
        switch (iKind) {
        case CDataCoreObject::KindProject: return static_cast<const CCorvaneProject *>(cObject)->name();
        case CDataCoreObject::KindSection: return static_cast<const CInspectionSegment *>(cObject)->name();
        default: return eventItemText(*static_cast<const CInspectionEvent *>(cObject), m_sTextDelimiter);
        }
    case KindRole:
        switch (iKind) {
        case CDataCoreObject::KindProject: return int(ItemProject);
        case CDataCoreObject::KindSection: return int(ItemSection);
        default: return int(ItemEvent);
        }
    case ObjectRole: return QVariant::fromValue(const_cast<void *>(static_cast<const void *>(cObject)));
    default: return QVariant();
    }
}

QVariant CProjectTreeModel::headerData(int iSection, Qt::Orientation eOrientation, int iRole) const
{
    // The tree's single column, whose caption the hidden header never shows.
    if (iSection == 0 && eOrientation == Qt::Horizontal && iRole == Qt::DisplayRole)
        return QStringLiteral("1");
    return QVariant();
}

Qt::ItemFlags CProjectTreeModel::flags(const QModelIndex &cIndex) const
{
    const int iKind = kindOf(cIndex);
    if (iKind == 0)
        return Qt::NoItemFlags;
    // Said of events, so that expanding the whole tree does not note
    // 100,000 of them as expanded.
    if (iKind == CDataCoreObject::KindEvent)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QModelIndex CProjectTreeModel::indexOf(const CDataCoreObject *cObject) const
{
    if (!cObject || !m_cProject)
        return QModelIndex();
    if (cObject == m_cProject)
        return index(0, 0);
    const CInspectionSegment *cSection = nullptr;
    int iEvent = -1;
    if (cObject->kind() == CDataCoreObject::KindSection) {
        cSection = static_cast<const CInspectionSegment *>(cObject);
    } else if (cObject->kind() == CDataCoreObject::KindEvent) {
        const auto *cEvent = static_cast<const CInspectionEvent *>(cObject);
        cSection = cEvent->section();
        const CEventList *cEvents = cSection ? cSection->events() : nullptr;
        for (int e = 0; cEvents && e < cEvents->count() && iEvent < 0; ++e) {
            if (cEvents->at(e) == cEvent)
                iEvent = e;
        }
        if (iEvent < 0)
            return QModelIndex();
    }
    const int iSection = sectionIndexOf(cSection);
    if (iSection < 0)
        return QModelIndex();
    const int iSectionRow = m_bFiltered ? m_sectionRows[static_cast<size_t>(iSection)] : iSection;
    if (iSectionRow < 0)
        return QModelIndex();
    const QModelIndex cSectionIndex = index(iSectionRow, 0, index(0, 0));
    if (iEvent < 0)
        return cSectionIndex;
    const int iEventRow = eventRowOf(iSection, iEvent);
    return iEventRow < 0 ? QModelIndex() : index(iEventRow, 0, cSectionIndex);
}

QModelIndex CProjectTreeModel::nextMatch(const QModelIndex &cFrom, bool bForward) const
{
    const QModelIndex cProjectIndex = index(0, 0);
    const int iSections = rowCount(cProjectIndex);
    if (iSections == 0)
        return QModelIndex();
    // Where to start: a section row and an event row in it, where -1 is
    // before its first event and the event count after its last.
    int iSectionRow = bForward ? 0 : iSections - 1;
    int iEventRow = -1;
    bool bFromProject = true;
    const int iKind = kindOf(cFrom);
    if (iKind == CDataCoreObject::KindSection) {
        iSectionRow = cFrom.row();
        iEventRow = bForward ? -1 : 0;
        bFromProject = false;
    } else if (iKind == CDataCoreObject::KindEvent) {
        iSectionRow = cFrom.parent().row();
        iEventRow = cFrom.row();
        bFromProject = false;
    }
    if (bFromProject && !bForward)
        iEventRow = rowCount(index(iSectionRow, 0, cProjectIndex));
    for (int iStep = 0; iStep <= iSections; ++iStep) {
        const int iRow = ((bForward ? iSectionRow + iStep : iSectionRow - iStep) % iSections + iSections) % iSections;
        const QModelIndex cSectionIndex = index(iRow, 0, cProjectIndex);
        const int iRows = rowCount(cSectionIndex);
        const int iCandidate = bForward ? (iStep == 0 ? iEventRow + 1 : 0) : (iStep == 0 ? iEventRow - 1 : iRows - 1);
        if (iCandidate >= 0 && iCandidate < iRows)
            return index(iCandidate, 0, cSectionIndex);
    }
    return QModelIndex();
}
