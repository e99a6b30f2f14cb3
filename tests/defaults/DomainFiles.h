#pragma once
// A temporary HOME with the paths of its domains' files, for the tests of the verbs.
#include "DefaultsTool.h"
#include "tests/support/TestHome.h"

#include "platform/host/PlistVariant.h"
#include "plist/PlistStore.h"

#include <gtest/gtest.h>

#include <QVariant>

class DomainFiles : public ::testing::Test {
protected:
    QString preferences() const { return home_.path(QStringLiteral("Library/Preferences")); }
    QString plistPath(const QString& domain) const { return preferences() + '/' + domain + QStringLiteral(".plist"); }
    QString byHostPath(const QString& domain) const
    {
        return preferences() + QStringLiteral("/ByHost/") + domain + '.' + kHost + QStringLiteral(".plist");
    }

    // What the store holds for a key of a file, through the loader the program uses.
    QVariant storedIn(const QString& path, const QString& key) const
    {
        const auto loaded = plist_store::load(path.toStdString());
        if (loaded.status != plist_store::LoadStatus::Ok)
            return {};
        return plist_variant::toVariant(plist_dict_get_item(loaded.dict.get(), key.toUtf8().constData()));
    }
    QVariant stored(const QString& domain, const QString& key) const { return storedIn(plistPath(domain), key); }

    // The sandbox's host identifier, fixed for the tests (see DomainName.h).
    static constexpr const char* kHost = "0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9";

    DomainFiles() { home_.env().set("QUORREL_HOST_UUID", kHost); }

    TestHome home_;
};
