#include "ApplicationChooser.h"

#include "platform/Bundle.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

static QString localized(const char* key, const char* value)
{
    return bundle::localizedStringForKey(QString::fromLatin1(key), QString::fromUtf8(value), QStringLiteral("Localizable"));
}

ApplicationChooser::ApplicationChooser(const QList<QPair<QString, QString>>& bundles, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(localized(QT_TRANSLATE_NOOP("Localizable", "AddApplicationTitle"), "Add Application"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(localized(QT_TRANSLATE_NOOP("Localizable", "AddApplicationPrompt"),
                                        "Choose an application to give languages of its own:"),
                              this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    list_->setObjectName(QStringLiteral("applicationChoices"));
    list_->setAccessibleName(windowTitle());
    for (const auto& [name, identifier] : bundles) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 — %2").arg(name, identifier), list_);
        item->setData(Qt::UserRole, name);
        item->setData(Qt::UserRole + 1, identifier);
    }
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(localized(QT_TRANSLATE_NOOP("Localizable", "AddApplicationButton"), "Add"));
    ok->setEnabled(false);
    layout->addWidget(buttons);
    connect(list_, &QListWidget::currentRowChanged, ok, [ok](int row) { ok->setEnabled(row >= 0); });
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, [this] {
        if (const QListWidgetItem* item = list_->currentItem())
            emit chosen(item->data(Qt::UserRole).toString(), item->data(Qt::UserRole + 1).toString());
    });
}
