#include "ui/CProjectTreeView.h"

#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "ui/CProjectTreeModel.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

CProjectTreeView::CProjectTreeView(QWidget *parent)
    : QTreeView(parent), m_cModel(new CProjectTreeModel(this)), m_cSearchBar(new QWidget(this)),
      m_cSearch(new QLineEdit(m_cSearchBar)), m_cDamageClass(new QComboBox(m_cSearchBar)),
      m_cMatches(new QLabel(m_cSearch))
{
    setModel(m_cModel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    // Every row is one line: the view need not measure 100,000 of them.
    setUniformRowHeights(true);

    // The search bar sits above the rows, inside the tree's frame.
    m_cSearchBar->setObjectName(QStringLiteral("wgtSearchBar"));
    m_cSearchBar->setAutoFillBackground(true);
    // The field gets a line of its own, so that text and count fit even
    // in a narrow pane; the damage class goes below it.
    auto *cLayout = new QVBoxLayout(m_cSearchBar);
    cLayout->setContentsMargins(2, 2, 2, 2);
    cLayout->setSpacing(2);
    m_cSearch->setObjectName(QStringLiteral("leSearch"));
    m_cDamageClass->setObjectName(QStringLiteral("cmbDamageClass"));
    m_cDamageClass->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_cDamageClass->hide();
    m_cMatches->setObjectName(QStringLiteral("lblMatches"));
    m_cMatches->setForegroundRole(QPalette::PlaceholderText);
    m_cMatches->setAttribute(Qt::WA_TransparentForMouseEvents);
    cLayout->addWidget(m_cSearch);
    cLayout->addWidget(m_cDamageClass, 0, Qt::AlignLeft);
    m_cSearch->installEventFilter(this);

    const struct
    {
        const char *pszName;
        QKeySequence cKeys;
        void (CProjectTreeView::*slot)();
    } actions[] = {
        {"actionFind", QKeySequence(Qt::CTRL | Qt::Key_F), &CProjectTreeView::onactionFindTriggered},
        {"actionFindNext", QKeySequence(Qt::Key_F3), &CProjectTreeView::onactionFindNextTriggered},
        {"actionFindPrevious", QKeySequence(Qt::SHIFT | Qt::Key_F3), &CProjectTreeView::onactionFindPreviousTriggered}};
    for (const auto &action : actions) {
        auto *cAction = new QAction(this);
        cAction->setObjectName(QLatin1String(action.pszName));
        cAction->setShortcut(action.cKeys);
        // Anywhere in the window, as long as the tree is there.
        cAction->setShortcutContext(Qt::WindowShortcut);
        connect(cAction, &QAction::triggered, this, action.slot);
        addAction(cAction);
    }
    connect(m_cSearch, &QLineEdit::textChanged, this, &CProjectTreeView::onleSearchTextChanged);
    connect(m_cSearch, &QLineEdit::returnPressed, this, &CProjectTreeView::onactionFindNextTriggered);
    connect(m_cDamageClass, &QComboBox::currentIndexChanged, this,
            &CProjectTreeView::oncmbDamageClassCurrentIndexChanged);
    retranslate();
}

CProjectTreeView::~CProjectTreeView() = default;

QString CProjectTreeView::eventItemText(const CInspectionEvent &cEvent, const QString &sTextDelimiter)
{
    return CProjectTreeModel::eventItemText(cEvent, sTextDelimiter);
}

QString CProjectTreeView::textDelimiter() const
{
    return m_cModel->textDelimiter();
}

void CProjectTreeView::setProject(const CCorvaneProject *cProject, const QString &sTextDelimiter)
{
    const QSignalBlocker cBlocker(this);
    m_bApplyingSearch = true;
    m_cSearch->clear();
    m_cDamageClass->setCurrentIndex(0);
    m_bApplyingSearch = false;
    m_cModel->setProject(cProject, sTextDelimiter);
    // The project item opens; its sections stay closed.
    if (cProject)
        expand(m_cModel->index(0, 0));
    updateMatchesText();
}

void CProjectTreeView::setDamageClasses(const QStringList &classes)
{
    m_bApplyingSearch = true;
    m_cModel->setDamageClasses(classes);
    m_cDamageClass->clear();
    m_cDamageClass->addItem(QString());
    for (const QString &sClass : classes)
        m_cDamageClass->addItem(QString(), sClass);
    m_cDamageClass->setVisible(!classes.isEmpty());
    m_bApplyingSearch = false;
    retranslate();
    applySearch();
}

void CProjectTreeView::retranslate()
{
    m_cSearch->setPlaceholderText(tr("Find observations"));
    m_cSearch->setToolTip(tr("Shows only the observations whose code, text or position contain this text "
                             "(Ctrl+F). Enter or F3 goes to the next match, Escape clears."));
    m_cDamageClass->setToolTip(tr("Shows only observations of this damage class or a higher one."));
    // Short, so the search field keeps the room: "DC" is the report's
    // abbreviation for damage class.
    if (m_cDamageClass->count() > 0)
        m_cDamageClass->setItemText(0, tr("DC: all"));
    for (int i = 1; i < m_cDamageClass->count(); ++i)
        m_cDamageClass->setItemText(i, tr("DC \u2265 %1").arg(m_cDamageClass->itemData(i).toString()));
    updateMatchesText();
}

void CProjectTreeView::changeEvent(QEvent *cEvent)
{
    if (cEvent->type() == QEvent::LanguageChange)
        retranslate();
    QTreeView::changeEvent(cEvent);
}

void CProjectTreeView::setSearch(const QString &sText, int iMinimumClass)
{
    m_bApplyingSearch = true;
    m_cSearch->setText(sText);
    m_cDamageClass->setCurrentIndex(std::clamp(iMinimumClass + 1, 0, std::max(0, m_cDamageClass->count() - 1)));
    m_bApplyingSearch = false;
    applySearch();
}

QString CProjectTreeView::matchesText() const
{
    return m_cMatches->text();
}

void CProjectTreeView::onleSearchTextChanged(const QString & /*sText*/)
{
    applySearch();
}

void CProjectTreeView::oncmbDamageClassCurrentIndexChanged(int /*iIndex*/)
{
    applySearch();
}

void CProjectTreeView::applySearch()
{
    if (m_bApplyingSearch)
        return;
    const CDataCoreObject *cCurrent = CProjectTreeModel::objectOf(currentIndex());
    {
        // The current item goes and comes back; that is no new selection.
        const QSignalBlocker cBlocker(this);
        m_cModel->setFilter(m_cSearch->text(), m_cDamageClass->currentIndex() - 1);
        if (m_cModel->isFiltered())
            expandAll();
        else
            expand(m_cModel->index(0, 0));
        const QModelIndex cRestored = m_cModel->indexOf(cCurrent);
        if (cRestored.isValid()) {
            for (QModelIndex cParent = cRestored.parent(); cParent.isValid(); cParent = cParent.parent())
                expand(cParent);
            selectionModel()->setCurrentIndex(cRestored, QItemSelectionModel::ClearAndSelect);
            scrollTo(cRestored);
        }
    }
    updateMatchesText();
}

void CProjectTreeView::updateMatchesText()
{
    const QLocale cLocale;
    m_cMatches->setText(
        m_cModel->isFiltered()
            ? tr("%1 of %2").arg(cLocale.toString(m_cModel->matchCount()), cLocale.toString(m_cModel->eventCount()))
            : QString());
    // The count sits at the right end of the field, where no text runs.
    const int iWidth = m_cMatches->text().isEmpty() ? 0 : m_cMatches->sizeHint().width();
    m_cSearch->setTextMargins(0, 0, iWidth > 0 ? iWidth + 4 : 0, 0);
    m_cMatches->setGeometry(m_cSearch->width() - iWidth - 6, 0, iWidth, m_cSearch->height());
}

void CProjectTreeView::onactionFindTriggered()
{
    m_cSearch->setFocus(Qt::ShortcutFocusReason);
    m_cSearch->selectAll();
}

void CProjectTreeView::onactionFindNextTriggered()
{
    goToMatch(true);
}

void CProjectTreeView::onactionFindPreviousTriggered()
{
    goToMatch(false);
}

void CProjectTreeView::goToMatch(bool bForward)
{
    const QModelIndex cNext = m_cModel->nextMatch(currentIndex(), bForward);
    if (!cNext.isValid())
        return;
    expand(cNext.parent());
    setCurrentIndex(cNext);
    scrollTo(cNext);
}

bool CProjectTreeView::eventFilter(QObject *cWatched, QEvent *cEvent)
{
    if (cWatched == m_cSearch) {
        if (cEvent->type() == QEvent::Resize)
            updateMatchesText();
        if (cEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(cEvent)->key() == Qt::Key_Escape) {
            // Escape clears the search; in an empty field it hands over to
            // the tree.
            if (m_cSearch->text().isEmpty() && m_cDamageClass->currentIndex() <= 0)
                setFocus(Qt::OtherFocusReason);
            else
                setSearch(QString(), -1);
            return true;
        }
    }
    return QTreeView::eventFilter(cWatched, cEvent);
}

void CProjectTreeView::updateGeometries()
{
    QTreeView::updateGeometries();
    const int iHeight = m_cSearchBar->sizeHint().height();
    setViewportMargins(0, iHeight, 0, 0);
    const QRect cViewport = viewport()->geometry();
    m_cSearchBar->setGeometry(cViewport.left(), cViewport.top() - iHeight, cViewport.width(), iHeight);
}

void CProjectTreeView::currentChanged(const QModelIndex &cCurrentIndex, const QModelIndex &cPreviousIndex)
{
    QTreeView::currentChanged(cCurrentIndex, cPreviousIndex);
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
    case ItemProject: emit onProjectSelected(*static_cast<const CCorvaneProject *>(pObject)); break;
    case ItemSection: emit onSectionSelected(*static_cast<const CInspectionSegment *>(pObject)); break;
    case ItemEvent: emit onEventSelected(*static_cast<const CInspectionEvent *>(pObject)); break;
    default: break;
    }
}
