#pragma once
#include <QDialog>
#include <QList>
#include <QPair>

class QListWidget;

// The sheet that offers the applications found, each by its name and bundle identifier.
class ApplicationChooser : public QDialog {
    Q_OBJECT
public:
    // `bundles`: name and bundle identifier of each application, in the order to list them.
    ApplicationChooser(const QList<QPair<QString, QString>>& bundles, QWidget* parent);
    QListWidget* list() const { return list_; }

signals:
    void chosen(const QString& name, const QString& bundleIdentifier);

private:
    QListWidget* list_;
};
