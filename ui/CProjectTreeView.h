#pragma once

#include <QString>
#include <QTreeWidget>

class CCorvaneProject;
class CInspectionEvent;
class CInspectionSegment;

// The open project as a tree of project, sections and events. Items carry
// their kind (0 project, 1 section, 2 event) in Qt::UserRole and the data
// object's address in Qt::UserRole + 1; they do not own the objects.
class CProjectTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    enum ItemKind { ItemProject = 0, ItemSection = 1, ItemEvent = 2 };

    explicit CProjectTreeView(QWidget *parent = nullptr);

    // Rebuilds the tree without sending selection signals; null empties it.
    void setProject(const CCorvaneProject *cProject, const QString &sTextDelimiter);
    QString textDelimiter() const { return m_sTextDelimiter; }

    // The item text of an event: position, one blank, the text before the
    // first delimiter (the whole text when the delimiter is empty).
    static QString eventItemText(const CInspectionEvent &cEvent, const QString &sTextDelimiter);

signals:
    void onProjectSelected(const CCorvaneProject &cProject);
    void onSectionSelected(const CInspectionSegment &cSection);
    void onEventSelected(const CInspectionEvent &cEvent);

protected slots:
    void currentChanged(const QModelIndex &cCurrentIndex, const QModelIndex &cPreviousIndex) override;

private:
    QString m_sTextDelimiter;
};
