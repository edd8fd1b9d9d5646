#pragma once

#include <QColor>
#include <QString>

// Where a recognition shows its outcome: the frame round the drawing and the label that names the
// recognised program. The gesture overlay implements it.
class RecognitionDisplay {
public:
    virtual ~RecognitionDisplay() = default;
    virtual void setFrameColour(const QColor& colour) = 0;
    virtual void setLabelCaption(const QString& caption) = 0;
    virtual bool isLabelVisible() const = 0;
    virtual void setLabelVisible(bool visible) = 0;
};
