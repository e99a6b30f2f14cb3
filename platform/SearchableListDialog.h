#pragma once
// A sheet-like chooser: a filter field over a list, for picking one entry out of hundreds (every
// language, every region). Typing narrows the list; Return or a double-click chooses.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

struct SearchableEntry {
    QString identifier;      // what choosing it gives back, exactly as given
    QString title;           // the text shown
    QStringList searchTexts; // further texts the filter matches (other names, codes)
    bool enabled = true;     // shown, but not choosable (already present)
};

class SearchableListDialog : public QDialog {
    Q_OBJECT
public:
    SearchableListDialog(const QString& title, const QString& prompt, const QString& chooseButtonText,
                         const QList<SearchableEntry>& entries, QWidget* parent);

    QLineEdit* filterField() const { return filter_; }
    QListWidget* list() const { return list_; }
    // The identifier of the entry chosen; none until the dialog was accepted.
    std::optional<QString> chosenIdentifier() const { return chosen_; }
    // The identifiers the list shows for the present filter, in order.
    QStringList visibleIdentifiers() const;

    // A text folded for matching: without case and without accents ("Français" and "francais"
    // match, as do "Österreich" and "osterreich").
    static QString folded(const QString& text);

signals:
    void entryChosen(const QString& identifier);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter(const QString& text);
    void updateChooseButton();
    void chooseCurrent();
    QListWidgetItem* firstChoosableVisible() const;

    QLabel* prompt_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListWidget* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    std::optional<QString> chosen_;
};
