#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QStringList>

#include <vector>

class CCorvaneProject;
class CDataCoreObject;
class CInspectionEvent;
class CInspectionSegment;

// The open project as a three-level item model for the project tree: the
// project, its sections, each section's events. Nothing is copied from the
// project; rows are worked out from it on demand, so a project of 100,000
// events is shown at once. Each index points at its data object; the item
// kind (0 project, 1 section, 2 event) is in Qt::UserRole and the object's
// address in Qt::UserRole + 1.
//
// A filter keeps only the events whose code, text or position contain a
// search text (ignoring case) and whose damage class is at least a given
// one; sections without such events are left out. Damage classes rank by
// their order in the inspection standard: a later class counts as higher.
class CProjectTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum ItemKind { ItemProject = 0, ItemSection = 1, ItemEvent = 2 };
    enum Roles { KindRole = Qt::UserRole, ObjectRole = Qt::UserRole + 1 };
    // Longest event text an item shows; longer ones end in "…".
    static constexpr int kMaxItemText = 200;

    explicit CProjectTreeModel(QObject *parent = nullptr);
    ~CProjectTreeModel() override;

    // Null empties the model; the filter is dropped.
    void setProject(const CCorvaneProject *cProject, const QString &sTextDelimiter);
    const CCorvaneProject *project() const { return m_cProject; }
    QString textDelimiter() const { return m_sTextDelimiter; }
    // The damage classes in the standard's order.
    void setDamageClasses(const QStringList &classes);
    QStringList damageClasses() const { return m_damageClasses; }

    // An empty text and a negative class index show everything.
    void setFilter(const QString &sText, int iMinimumClass);
    bool isFiltered() const { return m_bFiltered; }
    QString filterText() const { return m_sFilterText; }
    int minimumClass() const { return m_iMinimumClass; }
    // Events shown, and events in the project.
    int matchCount() const { return m_iMatches; }
    int eventCount() const { return m_iEvents; }
    // The event shown after (or before) the index in the tree's order,
    // wrapping round; invalid when no event is shown.
    QModelIndex nextMatch(const QModelIndex &cFrom, bool bForward = true) const;

    // The index of an object, invalid when it is not shown.
    QModelIndex indexOf(const CDataCoreObject *cObject) const;
    static const CDataCoreObject *objectOf(const QModelIndex &cIndex);
    // The CDataCoreObject kind of an index (1 project, 2 section, 3 event),
    // 0 for none.
    static int kindOf(const QModelIndex &cIndex);

    // Position, one blank, the text before the first delimiter (the whole
    // text when the delimiter is empty), at most kMaxItemText characters of
    // it. Only the shown part of a long text is looked at.
    static QString eventItemText(const CInspectionEvent &cEvent, const QString &sTextDelimiter);
    // The damage class of an event as the report prints it: the code of its
    // damage class property, else the value.
    static QString damageClassOf(const CInspectionEvent &cEvent);

    QModelIndex index(int iRow, int iColumn, const QModelIndex &cParent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &cIndex) const override;
    int rowCount(const QModelIndex &cParent = QModelIndex()) const override;
    int columnCount(const QModelIndex &cParent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &cParent = QModelIndex()) const override;
    QVariant data(const QModelIndex &cIndex, int iRole = Qt::DisplayRole) const override;
    QVariant headerData(int iSection, Qt::Orientation eOrientation, int iRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &cIndex) const override;

private:
    QModelIndex indexFor(int iRow, const CDataCoreObject *cObject, int iKind) const;
    const CInspectionSegment *sectionAtRow(int iRow) const;
    int sectionIndexOf(const CInspectionSegment *cSection) const;
    // Shown rows of a section (by its index in the project) and the event
    // index behind a row.
    int eventRows(int iSection) const;
    int eventAt(int iSection, int iRow) const;
    int eventRowOf(int iSection, int iEvent) const;
    // Whether a text contains the search text, by the text's data.
    using TextMemo = QHash<const QChar *, bool>;
    bool matches(int iSection, int iEvent, const QString &sText, bool bPosition, TextMemo &memo) const;
    const QString &positionText(int iSection, int iEvent) const;
    int damageRank(int iSection, int iEvent) const;

    const CCorvaneProject *m_cProject = nullptr;
    QString m_sTextDelimiter;
    QStringList m_damageClasses;
    QHash<const CInspectionSegment *, int> m_sectionIndexes;
    std::vector<int> m_firstEvent; // per section, its first event's number
    int m_iEvents = 0;

    bool m_bFiltered = false;
    QString m_sFilterText;
    int m_iMinimumClass = -1;
    int m_iMatches = 0;
    std::vector<int> m_shownSections;   // section indexes, in order
    std::vector<int> m_sectionRows;     // per section, its row or -1
    std::vector<int> m_shownEvents;     // event indexes, section by section
    std::vector<int> m_shownEventBegin; // per section, into m_shownEvents

    // Made on first use, per event number.
    mutable std::vector<QString> m_positionTexts;
    mutable std::vector<qint16> m_damageRanks;
};
