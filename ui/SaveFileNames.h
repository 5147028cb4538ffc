#pragma once

#include <QString>

class QWidget;

// Asks for a file to write with the toolkit's save dialog, which adds
// sDefaultSuffix (without ".") to a name typed without any suffix and asks
// before replacing an existing file. Empty when cancelled.
QString askSaveFileName(QWidget *cParent, const QString &sCaption, const QString &sProposed, const QString &sFilter,
                        const QString &sDefaultSuffix);

// The name with sSuffix (".pdf") appended unless it already ends with it,
// in any case.
QString fileNameWithSuffix(const QString &sFileName, const QString &sSuffix);

// The name from a save dialog made to end with sSuffix. When that adds the
// suffix and a file of the new name exists, which the dialog did not ask
// about, the user is asked before it is replaced; declining gives an empty
// text. An empty name stays empty.
QString completeSaveFileName(QWidget *cParent, const QString &sChosen, const QString &sSuffix);
