#include "Controls.h"

#include <QAbstractButton>
#include <QVariant>
#include <QWidget>

int tagOf(const QObject* control)
{
    return control ? control->property("tag").toInt() : 0;
}

void Window::makeKeyAndOrderFront(QObject*)
{
    if (!widget_)
        return;
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::orderOut(QObject*)
{
    if (widget_)
        widget_->hide();
}

bool Window::isVisible() const
{
    return widget_ && widget_->isVisible();
}

void Button::setEnabled(bool enabled)
{
    if (button_)
        button_->setEnabled(enabled);
}

bool Button::isEnabled() const
{
    return button_ && button_->isEnabled();
}

void Button::setHidden(bool hidden)
{
    if (button_)
        button_->setHidden(hidden);
}

bool Button::isHidden() const
{
    return !button_ || button_->isHidden();
}

int Button::state() const
{
    return button_ && button_->isChecked() ? 1 : 0;
}

void Button::setState(int state)
{
    if (button_)
        button_->setChecked(state != 0);
}
