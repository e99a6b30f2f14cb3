#pragma once
// The stand-in for NSApplication: activation changes, the last window closing, termination and
// the application's help, reported to one delegate.
#include "NotificationCenter.h"

#include <QObject>
#include <QPointer>

class QApplication;
#include <QTextBrowser>

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    virtual void applicationWillBecomeActive(const Notification& notification) = 0;
    virtual void applicationWillResignActive(const Notification& notification) = 0;
    virtual bool applicationShouldTerminateAfterLastWindowClosed(QObject* application) = 0;
    virtual void applicationWillTerminate(const Notification& notification) = 0;
};

class Application : public QObject {
public:
    // Wires `app` to the delegate: quitting on the last window closing is the delegate's decision.
    Application(QApplication& app, ApplicationDelegate* delegate);
    ~Application() override;

    static Application* shared(); // NSApp; null while none exists

    bool isActive() const { return active_; }
    // Shows the application's help in a help window of its own.
    void showHelp(QObject* sender);
    QTextBrowser* helpWindow() const { return helpWindow_; }

    // What the platform reports, callable directly where the platform reports nothing (offscreen).
    void becomeActive();
    void resignActive();
    void lastWindowClosed();
    void postLocaleChange(); // after any wait under way

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QApplication& app_;
    ApplicationDelegate* delegate_;
    bool active_ = false;
    QPointer<QTextBrowser> helpWindow_;
    void* localeNotice_ = nullptr; // the system's locale-change subscription, where it has one
};

// NSApplicationMain: makes the application, lets `loadMainInterface` create the controller and its
// window, and runs the event loop.
int ApplicationMain(int argc, char** argv, ApplicationDelegate* (*loadMainInterface)(QApplication& app));
