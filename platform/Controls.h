#pragma once
// Thin handles over Qt widgets with the AppKit operations the program uses. A handle does nothing
// when it holds no widget.
#include <QAbstractButton>
#include <QPointer>
#include <QString>
#include <QWidget>

// The `tag` of a control is its "tag" property (set in the .ui layouts); 0 when it has none.
int tagOf(const QObject* control);

class Window {
public:
    Window() = default;
    explicit Window(QWidget* widget) : widget_(widget) {}
    QWidget* widget() const { return widget_; }

    void makeKeyAndOrderFront(QObject* sender); // show, raise, take keyboard focus
    void orderOut(QObject* sender);             // hide without closing
    bool isVisible() const;

private:
    QPointer<QWidget> widget_;
};

// NSButton: push buttons and checkboxes alike.
class Button {
public:
    Button() = default;
    explicit Button(QAbstractButton* button) : button_(button) {}
    QAbstractButton* widget() const { return button_; }

    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setHidden(bool hidden);
    bool isHidden() const;
    int state() const; // 1 on, 0 off
    void setState(int state);

private:
    QPointer<QAbstractButton> button_;
};
