#pragma once

#include "ui/IPrintoutSettingsDialog.h"
#include "ui_PrintoutSettingsDialog.h"

#include "report/ReportJobBuilder.h"

#include <QDialog>

#include <functional>
#include <memory>

class QPrinter;
class QProgressBar;
struct ReportJob;
struct ReportProgress;

// The modal dialog in which the user picks the sections, their order, the
// report parts and the photo mode, and then writes the PDF, previews the
// pages on screen or prints them: all three paint the same pages through
// the same report run. One dialog per process, created on first use as a
// child of the main window.
class CPrintoutSettingsDialog : public QDialog, private Ui_PrintoutSettingsDialog, public IPrintoutSettingsDialog
{
    Q_OBJECT

public:
    // Asks for the output file: parent, caption, proposed name, filter.
    using SaveFileNameProvider = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    // Lets the user choose a printer and its settings; false when cancelled.
    using PrintDialogProvider = std::function<bool(QPrinter &, QWidget *)>;
    // Shows the pages on screen: calls paint for the printer of the preview
    // as often as the preview needs its pages, and returns when it closes.
    using PreviewProvider = std::function<void(QPrinter &, QWidget *, const std::function<void(QPrinter *)> &paint)>;

    explicit CPrintoutSettingsDialog(QWidget *parent = nullptr);
    ~CPrintoutSettingsDialog() override;

    // The process-wide dialog; created on the first call as a child of
    // cMainWindow and kept until the process ends.
    static IPrintoutSettingsDialog *instance(QWidget *cMainWindow);
    static CPrintoutSettingsDialog *existingInstance();

    void showPrintoutSettings(const CCorvaneProject &cProject, const CInspectionStandard &cStandard,
                              const PrintoutLayout &cLayout, const CDamageClassList &cDamageClasses,
                              const QString &sLogoImagePath, const QString &sLogoTextPath) override;

    // Stores what the report is made of; showPrintoutSettings does this first.
    void setReportData(const CCorvaneProject &cProject, const CInspectionStandard &cStandard,
                       const PrintoutLayout &cLayout, const CDamageClassList &cDamageClasses,
                       const QString &sLogoImagePath, const QString &sLogoTextPath);
    // Resets every choice and lists the project's sections (done on each opening).
    void prepare();
    // The choices of the controls as the report job builder takes them.
    ReportChoices currentChoices() const;
    QString outputFileName() const { return m_sOutputFileName; }
    bool isBusy() const { return m_bBusy; }

    // Tests replace the save-file dialog, the print dialog and the preview.
    void setSaveFileNameProvider(SaveFileNameProvider provider) { m_saveFileNameProvider = std::move(provider); }
    void setPrintDialogProvider(PrintDialogProvider provider) { m_printDialogProvider = std::move(provider); }
    void setPreviewProvider(PreviewProvider provider) { m_previewProvider = std::move(provider); }

signals:
    // A report has been written to that file.
    void reportWritten(const QString &sFileName);

public slots:
    void oncbSelectAllSectionsToggled(bool bChecked);
    void onlwSectionsItemChanged(QListWidgetItem *cItem);
    void onbtnMoveSectionDownClicked(bool bChecked = false);
    void onbtnMoveSectionUpClicked(bool bChecked = false);
    void onbtnCreateReportClicked(bool bChecked = false);
    void onbtnPreviewClicked(bool bChecked = false);
    void onbtnPrintClicked(bool bChecked = false);
    void onbtnCloseClicked(bool bChecked = false);

private:
    std::unique_ptr<ReportJob> buildJob() const;
    void setBusy(bool bBusy);
    void showProgress(const ReportProgress &cProgress);
    void warnOutputInProject();
    void moveCurrentRow(int iDelta);

    const CCorvaneProject *m_cProject = nullptr;
    const CInspectionStandard *m_cStandard = nullptr;
    const PrintoutLayout *m_cLayout = nullptr;
    const CDamageClassList *m_cDamageClasses = nullptr;
    QString m_sLogoImagePath;
    QString m_sLogoTextPath;
    QString m_sOutputFileName;

    QProgressBar *m_cProgressBar = nullptr;
    bool m_bBusy = false;
    SaveFileNameProvider m_saveFileNameProvider;
    PrintDialogProvider m_printDialogProvider;
    PreviewProvider m_previewProvider;
};
