#pragma once

#include "wizard/destinationstore.h"
#include "wizard/removablevolumes.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace Zarnet {

// Asks where a device's files go: one of the mounted removable volumes (with
// a folder on it), or any folder.
class DestinationDialog : public QDialog
{
    Q_OBJECT
public:
    DestinationDialog(const QString &deviceName, const QString &note, QWidget *parent = nullptr);

    // The choice, as it is to be remembered; kind None when nothing usable.
    DestinationStore::Destination destination() const;
    // How a folder is remembered: on its removable volume when it is on one.
    static DestinationStore::Destination destinationOf(const QString &folder);
    void setFolder(const QString &folder);
    // Why the videos cannot be written into folder (gone, read-only, full,
    // refused); empty when they can.
    static QString writeProblem(const QString &folder);
    QString problemShown() const;

public slots:
    void accept() override;
    QListWidget *volumeList() const { return m_volumes; }

private:
    void chooseFolder();
    void volumeChosen();

    QVector<RemovableVolumes::Volume> m_mounted;
    QListWidget *m_volumes;
    QLineEdit *m_folder;
    QLabel *m_problem;
};

} // namespace Zarnet
