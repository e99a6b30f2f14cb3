#include "UndoableChanges.h"

#include "QuorrelAppDelegate.h"

void UndoableChange::undo()
{
    if (!apply(true))
        setObsolete(true);
}

void UndoableChange::redo()
{
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    if (!apply(false))
        setObsolete(true);
}

bool UndoableChange::apply(bool undoing)
{
    return put(undoing);
}

SystemValueChange::SystemValueChange(QuorrelAppDelegate* controller, const QString& domain, const QString& key,
                                     const SystemValue& before, const SystemValue& after, const QString& name,
                                     QUndoCommand* parent)
    : UndoableChange(name, parent), controller_(controller), domain_(domain), key_(key), before_(before), after_(after)
{
}

bool SystemValueChange::put(bool undoing)
{
    const SystemValue& expected = undoing ? after_ : before_;
    const SystemValue& wanted = undoing ? before_ : after_;
    // Someone else may have changed the value since: the program never writes over that.
    const SystemValue current = controller_->readSystemValue(domain_, key_);
    if (current != expected) {
        controller_->reportChangedElsewhere(controller_->settingName(domain_, key_), undoing);
        return false;
    }
    controller_->startSystemWrite(domain_, key_, wanted, expected);
    return true;
}

PreferredLocalesChange::PreferredLocalesChange(QuorrelAppDelegate* controller, const QStringList& before,
                                               int selectedBefore, const QStringList& after, int selectedAfter,
                                               const QString& name, QUndoCommand* parent)
    : UndoableChange(name, parent), controller_(controller), before_(before), after_(after),
      selectedBefore_(selectedBefore), selectedAfter_(selectedAfter)
{
}

bool PreferredLocalesChange::put(bool undoing)
{
    const QStringList& expected = undoing ? after_ : before_;
    if (controller_->storedPreferredLocales() != expected || controller_->myPreferredLocales != expected) {
        controller_->reportChangedElsewhere(QuorrelAppDelegate::savedCombinationsName(), undoing);
        return false;
    }
    controller_->showPreferredLocales(undoing ? before_ : after_, undoing ? selectedBefore_ : selectedAfter_);
    return true;
}

bool ChangeGroup::put(bool undoing)
{
    bool any = false;
    if (undoing) {
        for (auto part = parts_.rbegin(); part != parts_.rend(); ++part)
            any = (*part)->apply(true) || any;
    } else {
        for (UndoableChange* part : parts_)
            any = part->apply(false) || any;
    }
    return any;
}
