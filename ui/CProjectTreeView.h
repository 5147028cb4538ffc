#pragma once

#include <QString>
#include <QTreeView>

class CCorvaneProject;
class CDataCoreObject;
class CInspectionEvent;
class CInspectionSegment;
class CProjectTreeModel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;

// The open project as a tree of project, sections and events, shown
// through CProjectTreeModel: items carry their kind (0 project, 1 section,
// 2 event) in Qt::UserRole and the data object's address in Qt::UserRole +
// 1; they do not own the objects.
//
// Above the tree a search field filters the observations as one types
// (Ctrl+F goes there): by code, text or position, and by a minimum damage
// class. The field says how many of how many observations match; Enter and
// F3 go to the next match (Shift+F3 the previous one), Escape clears.
class CProjectTreeView : public QTreeView
{
    Q_OBJECT
public:
    enum ItemKind { ItemProject = 0, ItemSection = 1, ItemEvent = 2 };

    explicit CProjectTreeView(QWidget *parent = nullptr);
    ~CProjectTreeView() override;

    // Rebuilds the tree without sending selection signals; null empties it.
    // The search is cleared.
    void setProject(const CCorvaneProject *cProject, const QString &sTextDelimiter);
    QString textDelimiter() const;
    // The inspection standard's damage classes, in its order, for the
    // minimum damage class of the search.
    void setDamageClasses(const QStringList &classes);
    CProjectTreeModel *treeModel() const { return m_cModel; }

    // The item text of an event: position, one blank, the text before the
    // first delimiter (the whole text when the delimiter is empty), cut to
    // CProjectTreeModel::kMaxItemText characters.
    static QString eventItemText(const CInspectionEvent &cEvent, const QString &sTextDelimiter);

    // The search: text, minimum damage class (-1 for any) and the text the
    // field shows about the matches.
    void setSearch(const QString &sText, int iMinimumClass = -1);
    QString matchesText() const;

public slots:
    void onactionFindTriggered();
    void onactionFindNextTriggered();
    void onactionFindPreviousTriggered();
    void onleSearchTextChanged(const QString &sText);
    void oncmbDamageClassCurrentIndexChanged(int iIndex);

signals:
    void onProjectSelected(const CCorvaneProject &cProject);
    void onSectionSelected(const CInspectionSegment &cSection);
    void onEventSelected(const CInspectionEvent &cEvent);

protected slots:
    void currentChanged(const QModelIndex &cCurrentIndex, const QModelIndex &cPreviousIndex) override;
    void updateGeometries() override;

protected:
    bool eventFilter(QObject *cWatched, QEvent *cEvent) override;
    void changeEvent(QEvent *cEvent) override;

private:
    void applySearch();
    void goToMatch(bool bForward);
    void retranslate();
    void updateMatchesText();

    CProjectTreeModel *m_cModel;
    QWidget *m_cSearchBar;
    QLineEdit *m_cSearch;
    QComboBox *m_cDamageClass;
    QLabel *m_cMatches;
    bool m_bApplyingSearch = false;
};
