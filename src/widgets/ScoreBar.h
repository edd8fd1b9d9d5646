#pragma once

#include <QWidget>

// A vertical progress bar from 0 to 100 holding a single-precision value. Like a progress bar it
// refuses a value outside its range and keeps the one it had.
class ScoreBar : public QWidget {
    Q_OBJECT

public:
    static constexpr float minimum = 0.0f;
    static constexpr float maximum = 100.0f;

    explicit ScoreBar(QWidget* parent = nullptr);

    float value() const { return m_value; }
    // False, and nothing changes, when the value lies outside 0 to 100.
    bool setValue(float value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float m_value = 0.0f;
};
