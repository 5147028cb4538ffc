#include "ui/SaveFileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString askSaveFileName(QWidget *cParent, const QString &sCaption, const QString &sProposed, const QString &sFilter,
                        const QString &sDefaultSuffix)
{
    QFileDialog cDialog(cParent, sCaption, sProposed, sFilter);
    cDialog.setAcceptMode(QFileDialog::AcceptSave);
    cDialog.setFileMode(QFileDialog::AnyFile);
    cDialog.setDefaultSuffix(sDefaultSuffix);
    if (cDialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList cFiles = cDialog.selectedFiles();
    return cFiles.isEmpty() ? QString() : cFiles.first();
}

QString fileNameWithSuffix(const QString &sFileName, const QString &sSuffix)
{
    if (sFileName.isEmpty() || sFileName.endsWith(sSuffix, Qt::CaseInsensitive))
        return sFileName;
    return sFileName + sSuffix;
}

QString completeSaveFileName(QWidget *cParent, const QString &sChosen, const QString &sSuffix)
{
    const QString sFileName = fileNameWithSuffix(sChosen, sSuffix);
    if (sFileName == sChosen || !QFileInfo::exists(sFileName))
        return sFileName;
    const QMessageBox::StandardButton eAnswer = QMessageBox::question(
        cParent, QCoreApplication::translate("SaveFileNames", "Replace File"),
        QCoreApplication::translate("SaveFileNames", "\"%1\" already exists.\nDo you want to replace it?")
            .arg(QDir::toNativeSeparators(sFileName)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return eAnswer == QMessageBox::Yes ? sFileName : QString();
}
