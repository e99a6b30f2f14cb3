#pragma once
#include "SystemValue.h"

#include <QStringList>
#include <QUndoCommand>

#include <vector>

class QuorrelAppDelegate;

// A change that can be put back. Undo and redo first look whether the value is still what the
// program left there and write only then; otherwise they say so, write nothing, and the step is
// dropped from the stack (marked obsolete), so that no later undo acts on a stale picture.
class UndoableChange : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    void undo() final;
    void redo() final;
    // Undoes or redoes now; false when refused.
    bool apply(bool undoing);

protected:
    // Checks that the value is `undoing ? after : before` and writes the other one; false when
    // the check failed, in which case nothing was written.
    virtual bool put(bool undoing) = 0;

private:
    bool pushed_ = false; // the first redo is the push itself: the change is already made
};

// `key` of `domain` went from `before` (as read just before the change) to `after` (as written).
class SystemValueChange : public UndoableChange {
public:
    SystemValueChange(QuorrelAppDelegate* controller, const QString& domain, const QString& key, const SystemValue& before,
                      const SystemValue& after, const QString& name, QUndoCommand* parent = nullptr);

protected:
    bool put(bool undoing) override;

private:
    QuorrelAppDelegate* controller_;
    QString domain_;
    QString key_;
    SystemValue before_;
    SystemValue after_;
};

// The saved combinations before and after an add, a removal or a fallback change, with the entry
// selected before and after. They are the program's own settings, so the check compares the list
// stored in its own defaults.
class PreferredLocalesChange : public UndoableChange {
public:
    PreferredLocalesChange(QuorrelAppDelegate* controller, const QStringList& before, int selectedBefore,
                           const QStringList& after, int selectedAfter, const QString& name, QUndoCommand* parent = nullptr);

protected:
    bool put(bool undoing) override;

private:
    QuorrelAppDelegate* controller_;
    QStringList before_;
    QStringList after_;
    int selectedBefore_;
    int selectedAfter_;
};

// The changes of one user action, undone together (last first) and redone together. Its parts are
// made with the group as their parent.
class ChangeGroup : public UndoableChange {
public:
    using UndoableChange::UndoableChange;
    void add(UndoableChange* part) { parts_.push_back(part); }
    std::size_t size() const { return parts_.size(); }
    UndoableChange* first() const { return parts_.front(); }

protected:
    bool put(bool undoing) override;

private:
    std::vector<UndoableChange*> parts_;
};
