#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class PlayerWindow;
class QDialog;
class QMenu;
class QProcess;
class QThread;
class QToolButton;

// A scripted walk through the player and its Kavo To Go pane, for machines
// without a display: every step prints a line and leaves a picture behind.
// It uses only what a person would: the player's menus and buttons, the
// pane's widgets by name, its dialogs by title, and drops onto a device.
class PlayerTour : public QObject
{
    Q_OBJECT

public:
    PlayerTour(PlayerWindow *window, const QString &folder, QObject *parent = nullptr);
    ~PlayerTour() override;

    // Before the plug-in loads: a fresh profile under <folder>/profile (so
    // the user's own devices and settings stay untouched), a transfer log,
    // and a few sample videos under <folder>/media. False with a reason.
    static bool prepare(const QString &folder, QString *mediaFolder, QString *error);

    // Runs the steps in order and stops at the first that fails; 0 when all passed.
    int run();

private:
    struct Answer
    {
        int id = 0;
        QString what;
        std::function<bool()> task; // true once done
        bool optional = false;
        bool started = false;
        QElapsedTimer clock;
    };

    bool step(const QString &title, bool (PlayerTour::*body)());
    bool fail(const QString &why);
    bool waitFor(const std::function<bool()> &condition, int timeoutMs = 0);
    // Answers come in order while the tour is blocked in a modal run.
    void answer(const QString &what, std::function<bool()> task, bool optional = false);
    void tick();
    bool answered(int timeoutMs = 0);
    void dropAnswers();
    bool shoot(const QString &name, QWidget *only = nullptr);
    QString picture(const QString &name) const;

    QToolButton *button(const QString &item) const;
    QWidget *pane() const;
    QList<QWidget *> deviceWidgets() const;
    QWidget *deviceNamed(const QString &name) const;
    static QString deviceName(QWidget *device);
    QDialog *dialogTitled(const QString &title) const;
    // The wizard's pictures of one kind ("wizard", "burn"), oldest first.
    QStringList wizardPictures(const QString &kind, const QString &what) const;
    // Waits for the next wizard of that kind to end; its pictures join the tour's.
    bool awaitWizard(const QString &kind, int summariesBefore, const QString &name);
    // Each file in folder, as ffprobe reads it; false when one does not read.
    bool probeOutputs(const QString &folder, int expected);
    // Sets the device's destination as the user would have at its first transfer.
    bool rememberDestination(unsigned deviceId);
    bool listDiscImage(const QString &iso);
    QStringList newTransfers();
    // Waits for the hand-off and checks the call the wizard got (the last logged one).
    bool wizardGot(const QString &expected, const QString &whenNoWizard);
    // Queue the answer first, then open the menu: the menu runs modally.
    void chooseInDeviceMenu(const QString &entry);
    void openDeviceMenu(QWidget *device);
    bool chooseFromTransferMenu(QMenu *menu, const QString &deviceName, unsigned *deviceId);
    void selectLibraryRows(const QList<int> &rows);
    QString libraryUrl(int row) const;

    bool startPlayer();
    bool playVideo();
    bool openPane();
    bool addDevice();
    bool editDevice();
    bool dropFiles();
    bool transferFromLibraryMenu();
    bool transferWhatIsPlaying();
    bool burnSelection();
    bool deleteDevice();
    bool streaming();
    bool closePane();

    PlayerWindow *m_window;
    QString m_folder;
    QString m_deviceFolder;
    QList<Answer> m_answers;
    QStringList m_answerFailures;
    QString m_failure;
    QStringList m_pictures;
    qint64 m_logOffset = 0;
    int m_stepNumber = 0;
    int m_nextAnswerId = 1;
    int m_initialDevices = 0;
    QProcess *m_mediaServer = nullptr;
    QThread *m_pacer = nullptr;
};
