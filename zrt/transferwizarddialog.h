#pragma once

#include <QDialog>
#include <QList>
#include <QUrl>

namespace Zarnet {

// The wizard's window: what is to be copied, and where to.
class TransferWizardDialog : public QDialog
{
    Q_OBJECT
public:
    TransferWizardDialog(const QList<QUrl> &urls, unsigned deviceId, QWidget *parent = nullptr);
};

} // namespace Zarnet
