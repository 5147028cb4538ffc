#include "ui/CPrintoutSettingsDialog.h"

#include "metadata/CInspectionStandard.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionSegment.h"
#include "report/ReportOutput.h"
#include "report/ReportRun.h"
#include "storage/PathUtils.h"
#include "ui/ButtonCaptions.h"
#include "ui/ReportPrinting.h"
#include "ui/SaveFileNames.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QScreen>
#include <QSignalBlocker>

namespace {
QPointer<CPrintoutSettingsDialog> g_cDialog;

QString defaultSaveFileName(QWidget *cParent, const QString &sCaption, const QString &sProposed, const QString &sFilter)
{
    return askSaveFileName(cParent, sCaption, sProposed, sFilter, QStringLiteral("pdf"));
}

// The system's print dialog. The report prints all its pages on its own
// paper, so neither a page range nor a paper size is offered.
bool defaultPrintDialog(QPrinter &cPrinter, QWidget *cParent)
{
    QPrintDialog cDialog(&cPrinter, cParent);
    cDialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies);
    return cDialog.exec() == QDialog::Accepted;
}

void defaultPreview(QPrinter &cPrinter, QWidget *cParent, const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog cPreview(&cPrinter, cParent);
    cPreview.setWindowTitle(QCoreApplication::translate("CPrintoutSettingsDialog", "Report Preview"));
    QObject::connect(&cPreview, &QPrintPreviewDialog::paintRequested, &cPreview, paint);
    cPreview.resize(cParent ? cParent->window()->screen()->availableSize() * 3 / 4 : QSize(900, 700));
    cPreview.exec();
}

// Drops mouse and key input for a window while it lives. Input made while a
// report is written is held back by the toolkit, not discarded, and would
// otherwise act on the dialog once it is enabled again (close it, or start
// another report).
class CWindowInputBlocker : public QObject
{
public:
    explicit CWindowInputBlocker(QWidget *cWindow) : m_cWindow(cWindow) { qApp->installEventFilter(this); }
    ~CWindowInputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *cObject, QEvent *cEvent) override
    {
        if (!cEvent->isInputEvent() || !cObject->isWidgetType())
            return false;
        return static_cast<QWidget *>(cObject)->window() == m_cWindow;
    }

private:
    QWidget *m_cWindow;
};
} // namespace

CPrintoutSettingsDialog::CPrintoutSettingsDialog(QWidget *parent)
    : QDialog(parent), m_saveFileNameProvider(defaultSaveFileName), m_printDialogProvider(defaultPrintDialog),
      m_previewProvider(defaultPreview)
{
    setupUi(this);
    fitCaptionsToWidth({btnMoveSectionDown, btnMoveSectionUp});
    fitCaptionsToWidth({btnPreview, btnPrint, btnCreateReport, btnClose});
    // The current row stays clearly marked when the focus is elsewhere.
    QPalette cPalette = lwSections->palette();
    for (const QPalette::ColorRole eRole : {QPalette::Highlight, QPalette::HighlightedText})
        cPalette.setColor(QPalette::Inactive, eRole, cPalette.color(QPalette::Active, eRole));
    lwSections->setPalette(cPalette);
    // The progress bar takes the place of the preview and print buttons
    // while a report is written or printed.
    m_cProgressBar = new QProgressBar(this);
    m_cProgressBar->setObjectName(QStringLiteral("pbReportProgress"));
    m_cProgressBar->setGeometry(20, 414, 321, 23);
    m_cProgressBar->setTextVisible(true);
    m_cProgressBar->hide();

    connect(cbSelectAllSections, &QCheckBox::toggled, this, &CPrintoutSettingsDialog::oncbSelectAllSectionsToggled);
    connect(lwSections, &QListWidget::itemChanged, this, &CPrintoutSettingsDialog::onlwSectionsItemChanged);
    connect(btnMoveSectionDown, &QPushButton::clicked, this, &CPrintoutSettingsDialog::onbtnMoveSectionDownClicked);
    connect(btnMoveSectionUp, &QPushButton::clicked, this, &CPrintoutSettingsDialog::onbtnMoveSectionUpClicked);
    connect(btnCreateReport, &QPushButton::clicked, this, &CPrintoutSettingsDialog::onbtnCreateReportClicked);
    connect(btnPreview, &QPushButton::clicked, this, &CPrintoutSettingsDialog::onbtnPreviewClicked);
    connect(btnPrint, &QPushButton::clicked, this, &CPrintoutSettingsDialog::onbtnPrintClicked);
    connect(btnClose, &QPushButton::clicked, this, &CPrintoutSettingsDialog::onbtnCloseClicked);
}

CPrintoutSettingsDialog::~CPrintoutSettingsDialog() = default;

IPrintoutSettingsDialog *CPrintoutSettingsDialog::instance(QWidget *cMainWindow)
{
    if (!g_cDialog)
        g_cDialog = new CPrintoutSettingsDialog(cMainWindow);
    return g_cDialog.data();
}

CPrintoutSettingsDialog *CPrintoutSettingsDialog::existingInstance()
{
    return g_cDialog.data();
}

void CPrintoutSettingsDialog::showPrintoutSettings(const CCorvaneProject &cProject,
                                                   const CInspectionStandard &cStandard, const PrintoutLayout &cLayout,
                                                   const CDamageClassList &cDamageClasses,
                                                   const QString &sLogoImagePath, const QString &sLogoTextPath)
{
    setReportData(cProject, cStandard, cLayout, cDamageClasses, sLogoImagePath, sLogoTextPath);
    prepare();
    exec();
}

void CPrintoutSettingsDialog::setReportData(const CCorvaneProject &cProject, const CInspectionStandard &cStandard,
                                            const PrintoutLayout &cLayout, const CDamageClassList &cDamageClasses,
                                            const QString &sLogoImagePath, const QString &sLogoTextPath)
{
    m_cProject = &cProject;
    m_cStandard = &cStandard;
    m_cLayout = &cLayout;
    m_cDamageClasses = &cDamageClasses;
    m_sLogoImagePath = sLogoImagePath;
    m_sLogoTextPath = sLogoTextPath;
}

void CPrintoutSettingsDialog::prepare()
{
    m_sOutputFileName.clear();
    lwSections->clear();
    cbSelectAllSections->setChecked(true);

    const int iCount = m_cProject ? m_cProject->sectionCount() : 0;
    {
        // Filling the list is no user's choice of a row.
        const QSignalBlocker cBlocker(lwSections);
        for (int i = 0; i < iCount; ++i) {
            const CInspectionSegment *cSection = m_cProject->sectionAt(i);
            auto *cItem = new QListWidgetItem(cSection ? cSection->name() : QString(), lwSections);
            // Selectable so that the current row shows highlighted.
            cItem->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cItem->setCheckState(Qt::Checked);
            cItem->setData(Qt::UserRole, i);
        }
    }

    const bool bDamageClasses = m_cStandard && m_cStandard->damageClassCount() > 0;
    for (QCheckBox *cBox : {cbDamageInfo, cbLegendOfDamageClasses}) {
        cBox->setChecked(bDamageClasses);
        cBox->setVisible(bDamageClasses);
    }
    for (QCheckBox *cBox : {cbProjectInfo, cbSectionOverview, cbTableOfContents, cbSectionProtocol,
                            cbInclinationProtocol, cbInclinationGraph})
        cBox->setChecked(true);
    rbNoPhotos->setChecked(true);
}

ReportChoices CPrintoutSettingsDialog::currentChoices() const
{
    ReportChoices cChoices;
    cChoices.eSelection = ReportChoices::SectionsByIndex;
    for (int i = 0; i < lwSections->count(); ++i) {
        const QListWidgetItem *cItem = lwSections->item(i);
        if (cItem->checkState() == Qt::Checked)
            cChoices.sectionKeys.append(cItem->data(Qt::UserRole).toInt());
    }
    cChoices.bDamageInformation = cbDamageInfo->isChecked();
    cChoices.bDamageClassLegend = cbLegendOfDamageClasses->isChecked();
    cChoices.bProjectInformation = cbProjectInfo->isChecked();
    cChoices.bSectionOverview = cbSectionOverview->isChecked();
    cChoices.bTableOfContents = cbTableOfContents->isChecked();
    cChoices.iPhotosPerPage = rbOnePhotoPerPage->isChecked() ? 1 : (rbThreePhotosPerPage->isChecked() ? 3 : 0);
    cChoices.bSectionProtocol = cbSectionProtocol->isChecked();
    cChoices.bInclinationProtocol = cbInclinationProtocol->isChecked();
    cChoices.bInclinationGraph = cbInclinationGraph->isChecked();
    // The logo files always sit side by side in the start directory.
    if (!m_sLogoImagePath.isEmpty())
        cChoices.sLogoDirectory = directoryOfPath(m_sLogoImagePath);
    cChoices.sOutputFileName = m_sOutputFileName;
    return cChoices;
}

void CPrintoutSettingsDialog::oncbSelectAllSectionsToggled(bool bChecked)
{
    // Checking every row must not make the last one current.
    const QSignalBlocker cBlocker(lwSections);
    for (int i = 0; i < lwSections->count(); ++i)
        lwSections->item(i)->setCheckState(bChecked ? Qt::Checked : Qt::Unchecked);
}

void CPrintoutSettingsDialog::onlwSectionsItemChanged(QListWidgetItem *cItem)
{
    // Ticking a row's box makes it the row the move buttons act on.
    if (cItem && lwSections->currentItem() != cItem)
        lwSections->setCurrentItem(cItem);
}

void CPrintoutSettingsDialog::moveCurrentRow(int iDelta)
{
    const int iRow = lwSections->currentRow();
    const int iCount = lwSections->count();
    if (iRow < 0 || iCount == 0)
        return;
    // Moving past either end wraps around to the other one.
    const int iTarget = (iRow + iDelta + iCount) % iCount;
    QListWidgetItem *cItem = lwSections->takeItem(iRow);
    lwSections->insertItem(iTarget, cItem);
    lwSections->setCurrentRow(iTarget);
}

void CPrintoutSettingsDialog::onbtnMoveSectionDownClicked(bool)
{
    moveCurrentRow(1);
}

void CPrintoutSettingsDialog::onbtnMoveSectionUpClicked(bool)
{
    moveCurrentRow(-1);
}

void CPrintoutSettingsDialog::onbtnCloseClicked(bool)
{
    accept();
}

void CPrintoutSettingsDialog::onbtnCreateReportClicked(bool)
{
    if (!m_cProject)
        return;
    // Beside the project directory: the project itself is only read.
    const QString sProposed =
        parentDirectoryOf(m_cProject->directory()) + validFileName(m_cProject->name()) + QStringLiteral(".pdf");
    const QString sChosen =
        m_saveFileNameProvider(this, tr("Save report"), sProposed, QStringLiteral("PDF Documents (*.pdf)"));
    // A name typed without ".pdf" gets it (asking before that replaces a file).
    m_sOutputFileName = completeSaveFileName(this, sChosen, QStringLiteral(".pdf"));
    if (m_sOutputFileName.isEmpty())
        return;
    if (checkReportOutput(m_sOutputFileName, m_cProject->directory()) == ReportOutputCheck::InsideProject) {
        warnOutputInProject();
        return;
    }

    ReportResult eResult = ReportResult::IncompleteJob;
    {
        const CWindowInputBlocker cBlocker(this);
        setBusy(true);
        eResult = runReport(*buildJob(), [this](const ReportProgress &cProgress) { showProgress(cProgress); });
        setBusy(false);
    }

    // Never leave the user believing a report exists when it does not.
    if (eResult == ReportResult::OutputInProject) {
        warnOutputInProject();
        return;
    }
    if (eResult != ReportResult::Written) {
        QMessageBox::warning(
            this, tr("Create Report"),
            tr("The report could not be written to \"%1\".").arg(QDir::toNativeSeparators(m_sOutputFileName)));
        return;
    }
    emit reportWritten(m_sOutputFileName);
}

std::unique_ptr<ReportJob> CPrintoutSettingsDialog::buildJob() const
{
    return buildReportJob(currentChoices(), m_cProject, m_cLayout, m_cStandard, m_cDamageClasses);
}

void CPrintoutSettingsDialog::onbtnPreviewClicked(bool)
{
    if (!m_cProject)
        return;
    const std::unique_ptr<ReportJob> cJob = buildJob();
    const ReportDocumentInfo cInfo = reportDocumentInfo(*cJob);
    QPrinter cPrinter(QPrinter::HighResolution);
    setUpReportPrinter(cPrinter, cInfo);
    // The preview asks for its pages when it shows (and again after its own
    // page set-up): each time the report is painted anew on its printer,
    // with a progress window over the preview.
    const auto paint = [this, &cJob, &cInfo](QPrinter *pPrinter) {
        setUpReportPrinter(*pPrinter, cInfo);
        QProgressDialog cProgress(QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this);
        cProgress.setWindowTitle(tr("Processing - Please Wait..."));
        cProgress.setCancelButton(nullptr);
        cProgress.setMinimumDuration(0);
        cProgress.setWindowModality(Qt::WindowModal);
        runReportOn(*cJob, *pPrinter, [&cProgress](const ReportProgress &cStep) {
            if (cStep.eStep == ReportProgress::PagePrinted) {
                cProgress.setRange(0, qMax(1, cStep.iCount));
                cProgress.setValue(cStep.iCurrent);
                cProgress.setLabelText(tr("Printing page %1 of %2").arg(cStep.iCurrent).arg(cStep.iCount));
            } else {
                cProgress.setRange(0, 0);
                cProgress.setLabelText(tr("Building %1").arg(cStep.sPart));
            }
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    };
    m_previewProvider(cPrinter, this, paint);
}

void CPrintoutSettingsDialog::onbtnPrintClicked(bool)
{
    if (!m_cProject)
        return;
    const std::unique_ptr<ReportJob> cJob = buildJob();
    const ReportDocumentInfo cInfo = reportDocumentInfo(*cJob);
    QPrinter cPrinter(QPrinter::HighResolution);
    setUpReportPrinter(cPrinter, cInfo);
    if (!m_printDialogProvider(cPrinter, this))
        return;
    // Whatever paper the printer was set to, the report prints on its own.
    setUpReportPrinter(cPrinter, cInfo);
    ReportResult eResult = ReportResult::IncompleteJob;
    {
        const CWindowInputBlocker cBlocker(this);
        setBusy(true);
        eResult = runReportOn(*cJob, cPrinter, [this](const ReportProgress &cProgress) { showProgress(cProgress); });
        setBusy(false);
    }
    if (eResult != ReportResult::Written)
        QMessageBox::warning(this, tr("Print"), tr("The report could not be printed."));
}

void CPrintoutSettingsDialog::warnOutputInProject()
{
    QMessageBox::warning(this, tr("Create Report"),
                         tr("The report cannot be written to \"%1\": it lies in the project directory, which "
                            "this program only reads. Please choose a file outside the project directory.")
                             .arg(QDir::toNativeSeparators(m_sOutputFileName)));
}

void CPrintoutSettingsDialog::showProgress(const ReportProgress &cProgress)
{
    if (cProgress.eStep == ReportProgress::PagePrinted) {
        m_cProgressBar->setRange(0, qMax(1, cProgress.iCount));
        m_cProgressBar->setValue(cProgress.iCurrent);
        m_cProgressBar->setFormat(tr("Printing page %1 of %2").arg(cProgress.iCurrent).arg(cProgress.iCount));
    } else {
        // While parts are built the total is not known yet: a busy bar.
        m_cProgressBar->setRange(0, 0);
        m_cProgressBar->setFormat(tr("Building %1").arg(cProgress.sPart));
    }
    // Repaint, but take no user input while the report is written.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CPrintoutSettingsDialog::setBusy(bool bBusy)
{
    m_bBusy = bBusy;
    for (QWidget *cWidget :
         std::initializer_list<QWidget *>{cbSelectAllSections, lwSections, btnMoveSectionDown, btnMoveSectionUp,
                                          btnClose, btnCreateReport, btnPreview, btnPrint, gbPhotos, cbProjectInfo,
                                          cbTableOfContents, cbLegendOfDamageClasses, cbDamageInfo, cbSectionOverview})
        cWidget->setEnabled(!bBusy);
    setEnabled(!bBusy);
    setWindowTitle(bBusy ? tr("Processing - Please Wait...") : tr("Create Report"));
    btnPreview->setVisible(!bBusy);
    btnPrint->setVisible(!bBusy);
    m_cProgressBar->setVisible(bBusy);
    if (bBusy) {
        m_cProgressBar->setRange(0, 0);
        m_cProgressBar->setFormat(QString());
    }
    QCoreApplication::processEvents(bBusy ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
}
