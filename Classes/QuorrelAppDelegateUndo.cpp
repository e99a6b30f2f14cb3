// Undo and redo of the changes the program makes, and the status line that says what became of them.
#include "QuorrelAppDelegate.h"

#include "DefaultKeys.h"
#include "MyRunUsrCommands.h"
#include "UndoableChanges.h"
#include "platform/host/UserDefaults.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QUndoStack>

static const QString kDefaults = QStringLiteral("/usr/bin/defaults");
static const QString kGlobalDomain = QStringLiteral(".GlobalPreferences");
static const QString kAppleLanguages = QStringLiteral("AppleLanguages");

static QString readKey(const QString& domain, const QString& key)
{
    return domain + QChar(0x1f) + key;
}

std::optional<QString> QuorrelAppDelegate::readDefaults(const QString& domain, const QString& key)
{
    int exitStatus = -1;
    const std::optional<QString> output = MyRunUsrCommands::runUsrBinAndRead({QStringLiteral("read"), domain, key}, kDefaults, nullptr, &exitStatus);
    ReadRecord& record = lastReads_[readKey(domain, key)];
    // The same answer as last time is taken apart once: a long list is read three times a refresh.
    if (!(record.serial > 0 && record.output == output && record.exitStatus == exitStatus))
        record.value = SystemValue::fromRead(output, exitStatus);
    record.serial = ++readSerial_;
    record.output = output;
    record.exitStatus = exitStatus;
    return output;
}

SystemValue QuorrelAppDelegate::readSystemValue(const QString& domain, const QString& key)
{
    (void)readDefaults(domain, key);
    return lastReadValue(domain, key);
}

SystemValue QuorrelAppDelegate::lastReadValue(const QString& domain, const QString& key) const
{
    return lastReads_.value(readKey(domain, key)).value;
}

void QuorrelAppDelegate::startSystemWrite(const QString& domain, const QString& key, const SystemValue& value,
                                          const SystemValue& previous)
{
    const QStringList arguments = value.writeArguments(domain, key);
    if (arguments.isEmpty())
        return;
    if (domain != kGlobalDomain) {
        // An application's own languages: awaited and read again, as the area does after a change;
        // the refresh that follows an undo does not read them.
        (void)MyRunUsrCommands::runUsrBinAndRead(arguments, kDefaults);
        rereadApplication(domain);
        return;
    }
    MyRunUsrCommands::runUsrBin(arguments, kDefaults);
    noteWrite(domain, key, value, previous);
}

void QuorrelAppDelegate::noteWrite(const QString& domain, const QString& key, const SystemValue& value,
                                   const SystemValue& previous)
{
    // The primary language is what applications show; they take it when they are reopened.
    const bool primaryChanged = domain == kGlobalDomain && key == kAppleLanguages
        && value.kind() == SystemValue::Kind::Array && previous.kind() == SystemValue::Kind::Array
        && value.items().value(0) != previous.items().value(0);
    writtenValues_.append({domain, key, value, readSerial_, primaryChanged});
}

QString QuorrelAppDelegate::settingName(const QString& domain, const QString& key) const
{
    if (domain == kGlobalDomain && key == kAppleLanguages)
        return QCoreApplication::translate("QuorrelAppDelegate", "Language Order");
    if (domain == kGlobalDomain && key == QLatin1String("AppleLocale"))
        return QCoreApplication::translate("QuorrelAppDelegate", "Region");
    if (key == kAppleLanguages)
        return QCoreApplication::translate("QuorrelAppDelegate", "Languages of %1").arg(domain);
    return key;
}

QString QuorrelAppDelegate::savedCombinationsName()
{
    return QCoreApplication::translate("QuorrelAppDelegate", "Saved Combinations");
}

void QuorrelAppDelegate::recordSystemChange(const QString& domain, const QString& key, const SystemValue& before,
                                            const SystemValue& after, const QString& name)
{
    // A value not read whole cannot be put back; a write that changed nothing needs no undo.
    if (!before.isKnown() || !after.isKnown() || before == after)
        return;
    const QString text = name.isEmpty() ? settingName(domain, key) : name;
    recordChange(new SystemValueChange(this, domain, key, before, after, text, openGroup_), openGroup_);
}

void QuorrelAppDelegate::recordPreferredLocalesChange(const QStringList& before, int selectedBefore, const QString& name)
{
    if (before == myPreferredLocales)
        return;
    recordChange(new PreferredLocalesChange(this, before, selectedBefore, myPreferredLocales,
                                            outlets.preferredLocalesMenu->indexOfSelectedItem(), name, openGroup_),
                 openGroup_);
}

void QuorrelAppDelegate::recordChange(UndoableChange* change, ChangeGroup* group)
{
    if (group)
        group->add(change); // the group owns it already, as its parent
    else
        undoStack_->push(change);
}

QuorrelAppDelegate::ChangeScope::ChangeScope(QuorrelAppDelegate* controller, const QString& name)
    : controller_(controller)
{
    if (controller_->scopeDepth_++ > 0)
        return;
    controller_->clearStatus();
    controller_->openGroup_ = new ChangeGroup(name);
}

QuorrelAppDelegate::ChangeScope::~ChangeScope()
{
    if (--controller_->scopeDepth_ > 0)
        return;
    ChangeGroup* group = std::exchange(controller_->openGroup_, nullptr);
    if (group->size() == 0) {
        delete group;
    } else {
        if (group->size() == 1)
            group->setText(group->first()->text());
        controller_->undoStack_->push(group);
    }
    controller_->reportWhatTheSystemShows();
}

void QuorrelAppDelegate::undo(QObject*)
{
    if (!undoStack_->canUndo() || scopeDepth_ > 0)
        return;
    clearStatus();
    undoStack_->undo();
    updateUI();
    reportWhatTheSystemShows();
}

void QuorrelAppDelegate::redo(QObject*)
{
    if (!undoStack_->canRedo() || scopeDepth_ > 0)
        return;
    clearStatus();
    undoStack_->redo();
    // A refused redo drops its step without any signal of the stack.
    updateUndoActions();
    updateUI();
    reportWhatTheSystemShows();
}

// Compares each value written during the action with what the refresh after it read, when it read
// that key: no read is added for this.
void QuorrelAppDelegate::reportWhatTheSystemShows()
{
    const QList<WrittenValue> written = std::exchange(writtenValues_, {});
    for (const WrittenValue& w : written) {
        const ReadRecord read = lastReads_.value(readKey(w.domain, w.key));
        if (read.serial <= w.serial || !read.value.isKnown())
            continue;
        if (read.value != w.value)
            reportStatus(QCoreApplication::translate("QuorrelAppDelegate", "%1: the system shows another value than the one set.").arg(settingName(w.domain, w.key)));
        else if (w.primaryLanguageChanged)
            reportStatus(QCoreApplication::translate("QuorrelAppDelegate", "Applications show the new primary language after they are reopened."));
    }
}

void QuorrelAppDelegate::reportChangedElsewhere(const QString& setting, bool undoing)
{
    reportStatus(undoing ? QCoreApplication::translate("QuorrelAppDelegate", "%1 was changed elsewhere; not undone.").arg(setting)
                         : QCoreApplication::translate("QuorrelAppDelegate", "%1 was changed elsewhere; not redone.").arg(setting));
}

void QuorrelAppDelegate::reportStatus(const QString& sentence)
{
    QLabel* line = outlets.statusLine;
    if (!line)
        return;
    QStringList sentences = line->text().isEmpty() ? QStringList() : line->text().split(QLatin1Char('\n'));
    if (sentences.contains(sentence))
        return;
    sentences.append(sentence);
    line->setText(sentences.join(QLatin1Char('\n')));
}

void QuorrelAppDelegate::clearStatus()
{
    if (outlets.statusLine)
        outlets.statusLine->clear();
}

void QuorrelAppDelegate::updateUndoActions()
{
    if (outlets.undoAction) {
        outlets.undoAction->setEnabled(undoStack_->canUndo());
        outlets.undoAction->setText(undoStack_->canUndo() ? QCoreApplication::translate("QuorrelAppDelegate", "Undo %1").arg(undoStack_->undoText()) : QCoreApplication::translate("QuorrelAppDelegate", "Undo"));
    }
    if (outlets.redoAction) {
        outlets.redoAction->setEnabled(undoStack_->canRedo());
        outlets.redoAction->setText(undoStack_->canRedo() ? QCoreApplication::translate("QuorrelAppDelegate", "Redo %1").arg(undoStack_->redoText()) : QCoreApplication::translate("QuorrelAppDelegate", "Redo"));
    }
}

QStringList QuorrelAppDelegate::storedPreferredLocales() const
{
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.synchronize();
    return defaults.stringArrayForKey(kPreferredLocalesKey).value_or(QStringList());
}

void QuorrelAppDelegate::showPreferredLocales(const QStringList& entries, int selected)
{
    myPreferredLocales = entries;
    rebuildPreferredLocalesMenu();
    PopUpButton* menu = outlets.preferredLocalesMenu;
    const bool hasEntries = !entries.isEmpty();
    menu->setEnabled(hasEntries);
    if (hasEntries)
        menu->selectItemAtIndex(qBound(0, selected, int(entries.size()) - 1));
    outlets.removePreferredLocale.setEnabled(hasEntries);
    outlets.removePreferredLocale.setHidden(!hasEntries);
    storePreferredLocales(true);
}
