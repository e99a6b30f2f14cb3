// Prints the accessibility tree that applications publish over AT-SPI, as a screen reader reads
// it: one line per object, "depth<TAB>role<TAB>name<TAB>description". Run it inside the same
// D-Bus session as the application. Usage: atspi_dump [MAX_OBJECTS]
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QList>
#include <QTextStream>

#include <cstdio>

// An object on the accessibility bus: its owner's bus name and its path.
struct ObjectRef {
    QString service;
    QDBusObjectPath path;
};
using ObjectRefs = QList<ObjectRef>;
Q_DECLARE_METATYPE(ObjectRef)

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectRef& ref)
{
    argument.beginStructure();
    argument << ref.service << ref.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectRef& ref)
{
    argument.beginStructure();
    argument >> ref.service >> ref.path;
    argument.endStructure();
    return argument;
}

namespace {

const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// One line per object, children after their parent; stops after `budget` objects.
void dump(const QDBusConnection& bus, const ObjectRef& ref, int depth, int& budget)
{
    if (budget-- <= 0 || depth > 64)
        return;
    QDBusInterface object(ref.service, ref.path.path(), kAccessible, bus);
    QDBusInterface properties(ref.service, ref.path.path(), QStringLiteral("org.freedesktop.DBus.Properties"), bus);
    const auto property = [&](const char* name) {
        const QDBusReply<QDBusVariant> reply = properties.call(QStringLiteral("Get"), kAccessible, QString::fromLatin1(name));
        return reply.isValid() ? reply.value().variant().toString() : QString();
    };
    const QDBusReply<QString> role = object.call(QStringLiteral("GetRoleName"));
    const auto clean = [](QString text) { return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')); };
    out() << depth << '\t' << (role.isValid() ? role.value() : QStringLiteral("?")) << '\t' << clean(property("Name"))
          << '\t' << clean(property("Description")) << '\n';

    const QDBusReply<ObjectRefs> children = object.call(QStringLiteral("GetChildren"));
    if (children.isValid())
        for (const ObjectRef& child : children.value())
            dump(bus, child, depth + 1, budget);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qDBusRegisterMetaType<ObjectRef>();
    qDBusRegisterMetaType<ObjectRefs>();
    int budget = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;

    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
                            QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid()) {
        std::fprintf(stderr, "atspi_dump: no accessibility bus: %s\n", qPrintable(address.error().message()));
        return 1;
    }
    const QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        std::fprintf(stderr, "atspi_dump: cannot connect to %s\n", qPrintable(address.value()));
        return 1;
    }
    dump(bus, {QStringLiteral("org.a11y.atspi.Registry"), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))}, 0,
         budget);
    out().flush();
    return 0;
}
