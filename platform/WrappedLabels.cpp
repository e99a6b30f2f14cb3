#include "WrappedLabels.h"

#include <QEvent>
#include <QLabel>

namespace {

class WrappedHeight : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            if (auto* label = qobject_cast<QLabel*>(watched))
                label->setMinimumHeight(qMax(0, label->heightForWidth(label->width()))); // -1 while empty
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void keepWrappedLabelsWhole(QWidget* window)
{
    auto* filter = new WrappedHeight(window);
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->wordWrap())
            label->installEventFilter(filter);
}
