#pragma once

#include <QList>

class QPushButton;

// Buttons of fixed width whose captions may not fit (a long translation, a
// wide desktop font) get a smaller font instead of a cut caption. Buttons
// given together get the same font, the one the longest caption needs, so
// that a pair of buttons side by side still looks like a pair.
void fitCaptionsToWidth(const QList<QPushButton *> &cButtons);

// The room a button of this width leaves for its caption.
int captionRoom(const QPushButton *cButton);
