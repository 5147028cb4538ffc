#pragma once

#include <QColor>
#include <QString>

#include <memory>

class PrintoutLayout;

// Reads a printout layout file. A file with more than 21 top-level groups is
// rejected (null); a missing or empty file gives a layout of zero sizes.
std::unique_ptr<PrintoutLayout> readPrintoutLayout(const QString &sPath);

// A colour value of a layout or printout data file: an unsigned 32-bit
// number with automatic base ("0x" hexadecimal, leading 0 octal, otherwise
// decimal) taken as 0xAARRGGBB; the alpha byte is ignored, so the colour is
// always opaque. Text that does not convert gives black.
QColor layoutColorFromText(const QString &sText);
