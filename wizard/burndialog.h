#pragma once

#include "transfer/transferrequest.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace Zarnet {

class ToolRun;

// Asks what a disc is for: the player (DVD Player first), the disc's size,
// where the image is kept and, when a burner is found, whether to burn it.
class BurnDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BurnDialog(QWidget *parent = nullptr);
    ~BurnDialog() override;

    int type() const;
    DiscSize disc() const;
    QString isoPath() const;
    void setIsoPath(const QString &path);
    // The drive to burn to ("/dev/sr0"), or empty to keep the image only.
    QString drive() const;
    // Offers a drive by the address xorriso takes; the first one offered is
    // chosen. "stdio:/path" is a file that stands in for a blank disc.
    void addDrive(const QString &address, const QString &model);

private:
    void listDrives();

    QComboBox *m_type;
    QComboBox *m_disc;
    QComboBox *m_drive;
    QLineEdit *m_iso;
    ToolRun *m_devices = nullptr;
};

} // namespace Zarnet
