#pragma once

#include <QObject>
#include <QString>

// A child of a form by its object name; a missing one ends the test run,
// as every later step would only dereference null.
template <class T>
T *child(QObject &cParent, const char *pName)
{
    T *cChild = cParent.findChild<T *>(QLatin1String(pName));
    if (!cChild)
        qFatal("no child %s", pName);
    return cChild;
}
