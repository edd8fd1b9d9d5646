#pragma once

#include "recognition/GestureDecision.h"

#include <QString>

// Where a recognition shows its outcome: the frame round the drawing turns green or red, and the
// label names the recognised program. The gesture overlay implements it.
class RecognitionDisplay {
public:
    virtual ~RecognitionDisplay() = default;
    // caption: the label's text for an accepted drawing; nameShown: whether an accepted drawing
    // shows the label (otherwise it stays as it is). A rejected drawing hides the label.
    virtual void showDecision(const Decision& decision, const QString& caption, bool nameShown) = 0;
};
