#include "ProgressIndicator.h"

#include <QPainter>

static constexpr int kSpokes = 12;

ProgressIndicator::ProgressIndicator(QWidget* parent) : QWidget(parent)
{
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kSpokes;
        update();
    });
}

void ProgressIndicator::startAnimation(QObject*)
{
    timer_.start();
    // Painted at once: the work that follows may finish before the event loop next turns.
    if (isVisible())
        repaint();
}

void ProgressIndicator::stopAnimation(QObject*)
{
    timer_.stop();
}

QSize ProgressIndicator::sizeHint() const
{
    return {20, 20};
}

void ProgressIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / 20.0, side / 20.0);
    QColor color = palette().color(QPalette::WindowText);
    for (int i = 0; i < kSpokes; ++i) {
        color.setAlphaF(0.15 + 0.85 * ((i + kSpokes - step_) % kSpokes) / double(kSpokes - 1));
        painter.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -4.5), QPointF(0, -8.5));
        painter.rotate(360.0 / kSpokes);
    }
}
