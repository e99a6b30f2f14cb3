#pragma once
#include <QTimer>
#include <QWidget>

// A spinning busy indicator (NSProgressIndicator's spinning style).
class ProgressIndicator : public QWidget {
public:
    explicit ProgressIndicator(QWidget* parent = nullptr);

    void startAnimation(QObject* sender);
    void stopAnimation(QObject* sender);
    bool isAnimating() const { return timer_.isActive(); }
    int frame() const { return step_; } // which spoke is brightest
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int step_ = 0;
};
