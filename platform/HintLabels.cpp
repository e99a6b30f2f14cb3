#include "HintLabels.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace hint_labels {
namespace {

double luminance(const QColor& color)
{
    auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// A little above 4.5, so that rounding to 8-bit channels never takes it below.
constexpr double kWanted = 4.6;

QColor readableGrey(const QColor& text, const QColor& background)
{
    QColor best = text;
    for (double share = 0.02; share <= 0.6; share += 0.02) {
        const QColor candidate = mixed(text, background, share);
        if (contrast(candidate, background) < kWanted)
            break;
        best = candidate;
    }
    return best;
}

class Keeper : public QObject {
public:
    explicit Keeper(QLabel* label) : QObject(label), label_(label) { label->installEventFilter(this); }

    void apply()
    {
        // The colours the label would have without its own: its parent's, else the application's.
        const QPalette inherited = label_->parentWidget() ? label_->parentWidget()->palette() : QPalette();
        const QColor grey = readableGrey(inherited.color(QPalette::WindowText), inherited.color(QPalette::Window));
        QPalette palette = label_->palette();
        if (palette.color(QPalette::WindowText) == grey)
            return;
        palette.setColor(QPalette::WindowText, grey);
        label_->setPalette(palette);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange
            || event->type() == QEvent::StyleChange)
            apply();
        return false;
    }

private:
    QLabel* label_;
};

} // namespace

void keepReadable(QLabel* label)
{
    (new Keeper(label))->apply();
}

} // namespace hint_labels
