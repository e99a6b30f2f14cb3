#pragma once
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// A named in-process notification; `object` identifies the poster and is never dereferenced here.
struct Notification {
    QString name;
    const void* object = nullptr;
};

// The stand-in for NSNotificationCenter: synchronous delivery, inside the post, on the posting
// thread, to every observer of the name whatever the sender.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    void addObserver(const void* observer, const QString& name, Handler handler);
    // Drops every registration of `observer`.
    void removeObserver(const void* observer);
    void postNotificationName(const QString& name, const void* object);

private:
    struct Registration {
        const void* observer;
        QString name;
        Handler handler;
        std::shared_ptr<bool> alive;
    };
    std::vector<Registration> registrations_;
};

// Posted by the platform layer when the user's current locale changes.
inline const QString kCurrentLocaleDidChangeNotification = QStringLiteral("NSCurrentLocaleDidChangeNotification");
