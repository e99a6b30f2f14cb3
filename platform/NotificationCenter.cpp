#include "NotificationCenter.h"

#include <algorithm>
#include <memory>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const void* observer, const QString& name, Handler handler)
{
    registrations_.push_back({observer, name, std::move(handler), std::make_shared<bool>(true)});
}

void NotificationCenter::removeObserver(const void* observer)
{
    auto gone = std::remove_if(registrations_.begin(), registrations_.end(), [&](const Registration& r) {
        if (r.observer != observer)
            return false;
        *r.alive = false;
        return true;
    });
    registrations_.erase(gone, registrations_.end());
}

void NotificationCenter::postNotificationName(const QString& name, const void* object)
{
    // Handlers may post again or remove observers while we deliver: work on a snapshot and skip
    // registrations removed meanwhile.
    std::vector<Registration> targets;
    for (const Registration& r : registrations_)
        if (r.name == name)
            targets.push_back(r);
    const Notification notification{name, object};
    for (const Registration& r : targets)
        if (*r.alive)
            r.handler(notification);
}
