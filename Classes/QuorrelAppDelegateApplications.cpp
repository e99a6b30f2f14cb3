// Applications with a language order of their own: the "AppleLanguages" of each application's
// domain, listed, reordered, added and removed through "/usr/bin/defaults" only.
//
// What each action starts:
//   listing:    defaults domains, then defaults read <domain> AppleLanguages for each domain
//   selecting:  nothing
//   moving:     defaults write <domain> AppleLanguages (a,b,…), awaited; defaults read <domain> AppleLanguages
//   adding:     defaults read <bundle>/Contents/Info CFBundleIdentifier for each application found;
//               for the one chosen defaults read <domain> AppleLanguages, and only when it has no
//               value, a write of the system's order, awaited, and a read
//   removing:   defaults delete <domain> AppleLanguages, awaited; defaults read <domain> AppleLanguages
// The full refresh of the window starts none of these.
#include "QuorrelAppDelegate.h"

#include "ApplicationChooser.h"
#include "LocaleRow.h"
#include "MyRunUsrCommands.h"
#include "platform/Bundle.h"

#include <QDir>
#include <QLabel>

using application_languages::LanguagesRead;

static const QString kDefaults = QStringLiteral("/usr/bin/defaults");
static const QString kAppleLanguages = QStringLiteral("AppleLanguages");
static const QString kApplicationName = QStringLiteral("applicationname");
static const QString kBundleIdentifier = QStringLiteral("bundleidentifier");

// The most bundles one offer reads: each is a launch of the tool.
static constexpr qsizetype kMaxBundles = 400;

static QString localized(const char* key, const char* value)
{
    return bundle::localizedStringForKey(QString::fromLatin1(key), QString::fromUtf8(value), QStringLiteral("Localizable"));
}

// A name for a domain the program found no bundle for: the last part of the identifier
// (com.apple.TextEdit gives TextEdit).
static QString nameOfDomain(const QString& domain)
{
    const QString last = domain.section(QLatin1Char('.'), -1);
    return last.isEmpty() ? domain : last;
}

LanguagesRead QuorrelAppDelegate::applicationLanguages(const QString& domain)
{
    if (!application_languages::isApplicationDomain(domain))
        return {LanguagesRead::Kind::Odd, {}};
    child_process::ReadEnd end = child_process::ReadEnd::EndOfFile;
    const std::optional<QString> output = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("read"), domain, kAppleLanguages}, kDefaults, &end);
    // A read cut short is never taken for the value, nor for its absence.
    if (end != child_process::ReadEnd::EndOfFile)
        return {LanguagesRead::Kind::Odd, {}};
    return application_languages::parseLanguages(output);
}

bool QuorrelAppDelegate::setApplicationLanguages(const QString& domain, const std::optional<QStringList>& languages)
{
    if (!application_languages::isApplicationDomain(domain))
        return false;
    QStringList arguments;
    if (languages) {
        const std::optional<QString> value = application_languages::arrayValue(*languages);
        if (!value)
            return false;
        arguments = {QStringLiteral("write"), domain, kAppleLanguages, *value};
    } else {
        arguments = {QStringLiteral("delete"), domain, kAppleLanguages};
    }
    // Awaited, so that the read that follows sees what the tool made of it.
    (void)MyRunUsrCommands::runUsrBinAndRead(arguments, kDefaults);
    // Undo puts back the order last read, or no order of its own; an odd value is never put back.
    SystemValue before = SystemValue::absent();
    for (const ApplicationEntry& entry : std::as_const(applications)) {
        if (entry.domain != domain)
            continue;
        before = entry.languages.kind == LanguagesRead::Kind::Order ? SystemValue::array(entry.languages.languages)
            : entry.languages.kind == LanguagesRead::Kind::Absent   ? SystemValue::absent()
                                                                    : SystemValue();
    }
    recordSystemChange(domain, kAppleLanguages, before, languages ? SystemValue::array(*languages) : SystemValue::absent());
    return true;
}

void QuorrelAppDelegate::listApplications(QObject*)
{
    const std::optional<QString> selected = selectedApplication();
    showProgress(true);
    child_process::ReadEnd end = child_process::ReadEnd::EndOfFile;
    std::optional<QString> output = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("domains")}, kDefaults, &end);
    if (end != child_process::ReadEnd::EndOfFile)
        output.reset();
    const application_languages::DomainList domains = application_languages::parseDomains(output);
    // Names learnt from the Applications folders stay.
    QHash<QString, QString> names;
    for (const ApplicationEntry& entry : std::as_const(applications))
        names.insert(entry.domain, entry.name);
    applications.clear();
    for (const QString& domain : domains.names) {
        const LanguagesRead read = applicationLanguages(domain);
        if (read.kind != LanguagesRead::Kind::Absent)
            applications.append({names.value(domain, nameOfDomain(domain)), domain, read});
    }
    applicationsListed_ = true;
    applicationsCut_ = domains.cut;
    showProgress(false);
    showApplications(selected.value_or(QString()));
}

std::optional<QString> QuorrelAppDelegate::selectedApplication() const
{
    const IndexSet rows = outlets.applications.applicationsTable->selectedRowIndexes();
    if (rows.empty() || *rows.begin() >= applications.size())
        return std::nullopt;
    return applications[*rows.begin()].domain;
}

void QuorrelAppDelegate::showApplications(const QString& domain)
{
    const ApplicationsOutlets& area = outlets.applications;
    applicationRows = std::make_shared<QVariantList>();
    qint64 selectedRow = -1;
    for (const ApplicationEntry& entry : std::as_const(applications)) {
        if (entry.domain == domain)
            selectedRow = applicationRows->size();
        applicationRows->append(QVariantMap{{kApplicationName, entry.name}, {kBundleIdentifier, entry.domain}});
    }
    applicationsTableData->setStoredData(applicationRows);
    area.applicationsTable->setDataSource(applicationsTableData.get());
    area.applicationsTable->reloadData();
    if (selectedRow >= 0)
        area.applicationsTable->selectRowIndexes({selectedRow}, false);
    showSelectedApplication();
}

void QuorrelAppDelegate::showSelectedApplication()
{
    ApplicationsOutlets& area = outlets.applications;
    const std::optional<QString> domain = selectedApplication();
    const ApplicationEntry* entry = nullptr;
    for (const ApplicationEntry& candidate : std::as_const(applications))
        if (domain && candidate.domain == *domain)
            entry = &candidate;

    const bool hasOrder = entry && entry->languages.kind == LanguagesRead::Kind::Order;
    // Named in the system's first language, as the main table names them: the user reads them.
    applicationLanguageRows = hasOrder ? languageRowsNamedIn(languages.value(0), entry->languages.languages)
                                       : std::make_shared<QVariantList>();
    applicationLanguagesTableData->setStoredData(applicationLanguageRows);
    area.applicationLanguagesTable->setDataSource(applicationLanguagesTableData.get());
    area.applicationLanguagesTable->reloadData();
    area.removeApplication.setEnabled(entry != nullptr);

    QString note;
    if (!applicationsListed_)
        note = localized(QT_TRANSLATE_NOOP("Localizable", "ApplicationsNotListed"),
                         "Click Refresh to list the applications that have languages of their own.");
    else if (entry && !hasOrder)
        note = localized(QT_TRANSLATE_NOOP("Localizable", "ApplicationLanguagesOdd"),
                         "This application's languages cannot be read; Quorrel leaves them as they are.");
    else if (applicationsCut_)
        note = localized(QT_TRANSLATE_NOOP("Localizable", "ApplicationsCut"),
                         "Only the first 1000 preference domains were read.");
    else if (applications.isEmpty())
        note = localized(QT_TRANSLATE_NOOP("Localizable", "ApplicationsNone"),
                         "No application has languages of its own.");
    if (area.note) {
        area.note->setText(note);
        area.note->setHidden(note.isEmpty());
    }
}

void QuorrelAppDelegate::rereadApplication(const QString& domain)
{
    const LanguagesRead read = applicationLanguages(domain);
    qsizetype index = -1;
    for (qsizetype i = 0; i < applications.size(); ++i)
        if (applications[i].domain == domain)
            index = i;
    if (read.kind == LanguagesRead::Kind::Absent) {
        if (index >= 0)
            applications.removeAt(index);
        showApplications(QString());
        return;
    }
    if (index >= 0)
        applications[index].languages = read;
    else // back through Undo after its removal
        applications.append({nameOfDomain(domain), domain, read});
    showApplications(domain);
}

void QuorrelAppDelegate::resortAndSetApplicationLanguages(const Notification&)
{
    const std::optional<QString> domain = selectedApplication();
    if (!domain)
        return;
    QStringList order;
    const SharedRows rows = applicationLanguagesTableData->storedData();
    for (const QVariant& row : rows ? *rows : QVariantList())
        order.append(LocaleRow::isodesignator(row));
    // Only an order read whole and well is ever written back: anything else is shown again as read.
    bool readWell = false;
    for (const ApplicationEntry& entry : std::as_const(applications))
        if (entry.domain == *domain)
            readWell = entry.languages.kind == LanguagesRead::Kind::Order && entry.languages.languages.size() == order.size();
    if (readWell && setApplicationLanguages(*domain, order))
        rereadApplication(*domain);
    else
        showApplications(*domain);
}

void QuorrelAppDelegate::removeApplication(QObject*)
{
    const std::optional<QString> domain = selectedApplication();
    if (domain && setApplicationLanguages(*domain, std::nullopt))
        rereadApplication(*domain);
}

QList<QPair<QString, QString>> QuorrelAppDelegate::applicationBundles() const
{
    QList<QPair<QString, QString>> found;
    QStringList folders = {QStringLiteral("/Applications"), QStringLiteral("/System/Applications"),
                           QDir::homePath() + QStringLiteral("/Applications")};
    folders.removeDuplicates();
    QSet<QString> seen;
    qsizetype reads = 0;
    for (const QString& folder : folders) {
        const QFileInfoList bundles = QDir(folder).entryInfoList({QStringLiteral("*.app")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& bundle : bundles) {
            if (reads++ >= kMaxBundles)
                return found;
            const std::optional<QString> identifier = application_languages::parseBundleIdentifier(MyRunUsrCommands::runUsrBinAndRead(
                {QStringLiteral("read"), bundle.absoluteFilePath() + QStringLiteral("/Contents/Info"), QStringLiteral("CFBundleIdentifier")},
                kDefaults));
            if (!identifier || seen.contains(*identifier))
                continue;
            seen.insert(*identifier);
            found.append({bundle.completeBaseName(), *identifier});
        }
    }
    return found;
}

void QuorrelAppDelegate::addApplication(QObject*)
{
    showProgress(true);
    const QList<QPair<QString, QString>> bundles = applicationBundles();
    showProgress(false);
    auto* chooser = new ApplicationChooser(bundles, outlets.window.widget());
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    // Queued: adopting reads and writes, and those waits turn the event loop, which must not delete
    // the closing sheet under its own click handler.
    QObject::connect(
        chooser, &ApplicationChooser::chosen, this,
        [this](const QString& name, const QString& domain) { adoptApplication(name, domain); }, Qt::QueuedConnection);
    chooser->open();
}

void QuorrelAppDelegate::adoptApplication(const QString& name, const QString& domain)
{
    // An application that already has an order of its own keeps it, even one the list has not
    // shown yet: it is read first and only selected.
    LanguagesRead read = applicationLanguages(domain);
    if (read.kind == LanguagesRead::Kind::Absent) {
        // The system's order as the last refresh read it; a row without an identifier means a
        // read that failed, and nothing is written then.
        QStringList order;
        for (const QVariant& row : languagesAndNames ? *languagesAndNames : QVariantList())
            order.append(LocaleRow::isodesignator(row));
        if (setApplicationLanguages(domain, order))
            read = applicationLanguages(domain);
    }
    applications.removeIf([&](const ApplicationEntry& entry) { return entry.domain == domain; });
    if (read.kind != LanguagesRead::Kind::Absent)
        applications.append({name, domain, read});
    showApplications(domain);
}
