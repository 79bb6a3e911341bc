#include "zrt/transferwizarddialog.h"

#include "zrt/transferwizard.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace Zarnet {

TransferWizardDialog::TransferWizardDialog(const QList<QUrl> &urls, unsigned deviceId, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TransferWizard"));
    setWindowTitle(tr("Transfer Wizard"));
    auto *layout = new QVBoxLayout(this);
    const QString target = deviceId == TransferWizard::BurnTarget ? tr("Burn to disc")
                                                                  : tr("Transfer to device %1").arg(deviceId);
    layout->addWidget(new QLabel(target, this));
    auto *missing = new QLabel(
        tr("The transfer wizard (kavo-transfer) is not installed, so these files cannot be transferred."),
        this);
    missing->setWordWrap(true);
    layout->addWidget(missing);
    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("TransferFiles"));
    for (const QUrl &url : urls)
        list->addItem(url.isLocalFile() ? url.toLocalFile() : TransferWizard::urlText(url));
    if (urls.isEmpty())
        list->addItem(tr("(choose files to add)"));
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 280);
}

} // namespace Zarnet
