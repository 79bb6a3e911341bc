// The tour's steps, in the order a person would try the pane.
#include "host/playertour.h"

#include "host/medialibrary.h"
#include "host/medialistwidget.h"
#include "host/nowplaying.h"
#include "host/playeractions.h"
#include "host/playertoolbarbutton.h"
#include "host/playerwindow.h"
#include "host/playlistwidget.h"
#include "host/urilistmimedata.h"
#include "host/videoplayer.h"
#include "host/videoview.h"
#include "zrt/commonmenubar.h"
#include "zrt/kavomediaserver.h"
#include "zrt/transferwizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cstdio>

using Zarnet::CommonMenuBar;

namespace {
// Ten characters at most: a Japanese or Chinese interface takes no more.
const QString AddedName = QStringLiteral("Lounge TV");
const QString EditedName = QStringLiteral("Bedroom BD");
constexpr unsigned TypeTv = 2;
constexpr unsigned TypeBluRay = 1;

void note(const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("      ") + text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// Interactions that may start a modal run are made from the event loop, never
// from inside an answer, and as a posted call rather than a timer: a modal
// run started inside a timer's dispatch sees no further timers here.
void later(QObject *context, std::function<void()> action)
{
    QMetaObject::invokeMethod(context, std::move(action), Qt::QueuedConnection);
}

QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QAction *actionTexted(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (plain(action->text()) == text)
            return action;
    }
    return nullptr;
}

QMessageBox *visibleBox()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(top);
        if (box && box->isVisible())
            return box;
    }
    return nullptr;
}
} // namespace

void PlayerTour::selectLibraryRows(const QList<int> &rows)
{
    MediaListWidget *list = m_window->libraryList();
    list->clearSelection();
    for (int row : rows) {
        if (QListWidgetItem *item = list->item(row))
            item->setSelected(true);
    }
    if (!rows.isEmpty())
        list->setCurrentRow(rows.first(), QItemSelectionModel::Current);
}

QString PlayerTour::libraryUrl(int row) const
{
    const QList<MediaLibrary::Item> &items = m_window->library()->items();
    return row < items.size() ? QUrl::fromLocalFile(items.at(row).path).toString() : QString();
}

void PlayerTour::chooseInDeviceMenu(const QString &entry)
{
    answer(QStringLiteral("the device's menu"), [this, entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return false;
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << plain(action->text());
        note(QStringLiteral("menu: %1").arg(texts.join(QStringLiteral(" | "))));
        // In the language the player speaks.
        QAction *chosen = actionTexted(menu,
            plain(QCoreApplication::translate("Zarnet::TransferDeviceWidget", entry.toUtf8().constData())));
        if (!chosen) {
            m_answerFailures << QStringLiteral("the device's menu has no \"%1\"").arg(entry);
            later(menu, [menu] { menu->close(); });
            return true;
        }
        shoot(QStringLiteral("device-menu-") + entry.toLower());
        later(menu, [menu, chosen] {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        return true;
    });
}

void PlayerTour::openDeviceMenu(QWidget *device)
{
    const QPoint centre = device->rect().center();
    QCursor::setPos(device->mapToGlobal(centre));
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, device->mapToGlobal(centre));
    QApplication::sendEvent(device, &event);
}

bool PlayerTour::chooseFromTransferMenu(QMenu *menu, const QString &name, unsigned *deviceId)
{
    QAction *transfer = m_window->playerActions()->action(CommonMenuBar::TransferTo);
    QMenu *devices = transfer->menu();
    if (!devices)
        return fail(QStringLiteral("\"Transfer to\" has no submenu"));
    QAction *entry = actionTexted(devices, name);
    if (!entry) {
        QStringList texts;
        for (QAction *action : devices->actions())
            texts << plain(action->text());
        menu->close();
        return fail(QStringLiteral("\"Transfer to\" lists no \"%1\" (it lists: %2)")
                        .arg(name, texts.join(QStringLiteral(", "))));
    }
    *deviceId = entry->data().toUInt();
    menu->setActiveAction(transfer);
    // The submenu opens after the menu's own short delay.
    if (waitFor([devices] { return devices->isVisible(); }, 2000)) {
        shoot(QStringLiteral("transfer-menu"));
        devices->setActiveAction(entry);
        QTest::keyClick(devices, Qt::Key_Return);
    } else {
        note(QStringLiteral("the submenu did not open on its own; choosing the entry directly"));
        shoot(QStringLiteral("transfer-menu"));
        menu->close();
        entry->trigger();
    }
    return true;
}

bool PlayerTour::startPlayer()
{
    if (!m_window->pluginError().isEmpty())
        return fail(QStringLiteral("the plug-in did not load: %1").arg(m_window->pluginError()));
    for (const char *item : { "ShowDeviceMenu", "Streaming" }) {
        if (!button(QLatin1String(item)))
            return fail(QStringLiteral("the plug-in gave no \"%1\" tool-bar item").arg(QLatin1String(item)));
    }
    if (m_window->library()->items().size() < 5)
        return fail(
            QStringLiteral("the tour needs at least five videos in %1").arg(m_window->library()->folder()));
    note(QStringLiteral("%1 videos from %2")
             .arg(m_window->library()->items().size())
             .arg(m_window->library()->folder()));
    return shoot(QStringLiteral("player"));
}

bool PlayerTour::playVideo()
{
    MediaListWidget *list = m_window->libraryList();
    const qint64 wanted = m_window->library()->items().at(0).id;
    QListWidgetItem *item = list->item(0);
    list->scrollToItem(item);
    // The view plays what the press of a double-click fell on.
    const QPoint at = list->visualItemRect(item).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    VideoPlayer *player = m_window->videoPlayer();
    VideoView *view = m_window->videoView();
    // A second in, so the picture is a frame well into the clip.
    if (!waitFor([player, view] { return view->framesShown() > 10 && player->position() >= 1000; }, 20000))
        return fail(QStringLiteral("no frames: %1").arg(view->message()));
    if (m_window->nowPlaying()->currentItemId() != wanted)
        return fail(QStringLiteral("the plug-in would see item %1, not the one playing (%2)")
                        .arg(m_window->nowPlaying()->currentItemId())
                        .arg(wanted));
    QTest::keyClick(view, Qt::Key_Space);
    if (!waitFor([player] { return player->isPaused(); }))
        return fail(QStringLiteral("Space did not pause"));
    note(QStringLiteral("\"%1\" plays: %2 frames, paused at %3 ms")
             .arg(m_window->nowPlaying()->title())
             .arg(view->framesShown())
             .arg(player->position()));
    return shoot(QStringLiteral("playing"));
}

bool PlayerTour::openPane()
{
    PlayerActions *actions = m_window->playerActions();
    QAction *show = actions->action(CommonMenuBar::ShowDevicePane);
    QAction *hide = actions->action(CommonMenuBar::HideDevicePane);
    if (!show->isVisible() || !show->isEnabled())
        return fail(QStringLiteral("\"Show Kavo To Go\" is not offered"));
    show->trigger();
    if (!waitFor([this] { return pane() && pane()->isVisible(); }))
        return fail(QStringLiteral("the pane did not open"));
    if (show->isVisible() || !hide->isVisible())
        return fail(QStringLiteral("the menu still offers \"Show Kavo To Go\" with the pane open"));
    QToolButton *paneButton = button(QStringLiteral("ShowDeviceMenu"));
    if (pane()->frameGeometry().bottom() >= paneButton->mapToGlobal(QPoint(0, 0)).y())
        return fail(QStringLiteral("the pane does not open above its button"));
    if (paneButton->isCheckable() && !paneButton->isChecked())
        return fail(QStringLiteral("the pane's button is not shown pressed"));
    if (!waitFor([this] { return !deviceWidgets().isEmpty(); }))
        return fail(QStringLiteral("the pane shows no device"));
    m_initialDevices = int(deviceWidgets().size());
    QStringList names;
    for (QWidget *device : deviceWidgets())
        names << deviceName(device);
    note(QStringLiteral("devices: %1").arg(names.join(QStringLiteral(", "))));
    return shoot(QStringLiteral("pane")) && shoot(QStringLiteral("control-bar"), m_window->controlBar());
}

bool PlayerTour::addDevice()
{
    auto *add = pane()->findChild<QAbstractButton *>(QStringLiteral("AddDevice"));
    if (!add)
        return fail(QStringLiteral("the pane has no \"AddDevice\" button"));
    answer(QStringLiteral("the \"Add a Device\" dialog"), [this] {
        QDialog *dialog
            = dialogTitled(QCoreApplication::translate("Zarnet::CreateTransferDeviceDialog", "Add a Device"));
        if (!dialog)
            return false;
        auto *type = dialog->findChild<QComboBox *>(QStringLiteral("DeviceTypeInput"));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
        auto *create = dialog->findChild<QAbstractButton *>(QStringLiteral("CreateButton"));
        if (!type || !name || !create) {
            m_answerFailures << QStringLiteral("the \"Add a Device\" dialog lacks its fields");
            later(dialog, [dialog] { dialog->reject(); });
            return true;
        }
        type->setCurrentIndex(type->findData(TypeTv));
        name->clear();
        QTest::keyClicks(name, AddedName);
        shoot(QStringLiteral("add-dialog"), dialog);
        later(create, [create] { QTest::mouseClick(create, Qt::LeftButton); });
        return true;
    });
    add->click();
    if (!answered())
        return false;
    if (!waitFor([this] { return deviceNamed(AddedName) && deviceWidgets().size() == m_initialDevices + 1; }))
        return fail(QStringLiteral("no button for \"%1\" appeared").arg(AddedName));
    if (deviceWidgets().size() != m_initialDevices + 1)
        return fail(QStringLiteral("the pane shows %1 devices, expected %2")
                        .arg(deviceWidgets().size())
                        .arg(m_initialDevices + 1));
    return shoot(QStringLiteral("device-added"));
}

bool PlayerTour::editDevice()
{
    QWidget *device = deviceNamed(AddedName);
    if (!device)
        return fail(QStringLiteral("no button for \"%1\"").arg(AddedName));
    chooseInDeviceMenu(QStringLiteral("Edit"));
    answer(QStringLiteral("the \"Edit Your Device\" dialog"), [this] {
        QDialog *dialog = dialogTitled(
            QCoreApplication::translate("Zarnet::EditTransferDeviceDialog", "Edit Your Device"));
        if (!dialog)
            return false;
        auto *type = dialog->findChild<QComboBox *>(QStringLiteral("DeviceTypeInput"));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
        auto *save = dialog->findChild<QAbstractButton *>(QStringLiteral("SaveButton"));
        if (!type || !name || !save) {
            m_answerFailures << QStringLiteral("the \"Edit Your Device\" dialog lacks its fields");
            later(dialog, [dialog] { dialog->reject(); });
            return true;
        }
        if (name->text() != AddedName || type->currentData().toUInt() != TypeTv)
            m_answerFailures << QStringLiteral("the edit dialog shows \"%1\" of type %2, not the device")
                                    .arg(name->text())
                                    .arg(type->currentData().toUInt());
        type->setCurrentIndex(type->findData(TypeBluRay));
        name->selectAll();
        QTest::keyClicks(name, EditedName);
        shoot(QStringLiteral("edit-dialog"), dialog);
        later(save, [save] { QTest::mouseClick(save, Qt::LeftButton); });
        return true;
    });
    openDeviceMenu(device);
    if (!answered())
        return false;
    if (!waitFor([this] { return deviceNamed(EditedName) != nullptr; }))
        return fail(QStringLiteral("the device was not renamed to \"%1\"").arg(EditedName));
    auto *stack = deviceNamed(EditedName)->findChild<QStackedWidget *>(QStringLiteral("ButtonStack"));
    if (stack && stack->currentWidget()->objectName() != QLatin1String("ActivePage"))
        return fail(QStringLiteral("an edited device should show its active look"));
    QAction *transfer = m_window->playerActions()->action(CommonMenuBar::TransferTo);
    if (!waitFor([transfer] { return transfer->menu() && actionTexted(transfer->menu(), EditedName); }))
        return fail(QStringLiteral("\"Transfer to\" does not list \"%1\"").arg(EditedName));
    return shoot(QStringLiteral("device-edited"));
}

bool PlayerTour::dropFiles()
{
    QWidget *device = deviceNamed(EditedName);
    if (!device)
        return fail(QStringLiteral("no button for \"%1\"").arg(EditedName));
    QAction *transfer = m_window->playerActions()->action(CommonMenuBar::TransferTo);
    QAction *entry = transfer->menu() ? actionTexted(transfer->menu(), EditedName) : nullptr;
    const unsigned deviceId = entry ? entry->data().toUInt() : 0;

    const QList<MediaLibrary::Item> &items = m_window->library()->items();
    // As a drag from the library and the playlist together would carry them.
    UriListMimeData mime({ QString::fromLatin1(QUrl::fromLocalFile(items.at(0).path).toEncoded()),
        QString::fromLatin1(QUrl::fromLocalFile(items.at(1).path).toEncoded()),
        PlaylistWidget::itemUri(m_window->playlist()->playlistId(), items.at(2).id, 0) });
    const QString expected
        = QStringList { QString::number(deviceId), libraryUrl(0), libraryUrl(1), libraryUrl(2) }.join(
            QLatin1Char('\t'));
    if (!rememberDestination(deviceId))
        return false;
    newTransfers();
    const int summaries = wizardPictures(QStringLiteral("wizard"), QStringLiteral("summary")).size();

    answer(
        QStringLiteral("no \"Unrecognized File\" box"),
        [this] {
            QMessageBox *box = visibleBox();
            if (!box)
                return false;
            m_answerFailures << QStringLiteral("the device refused the drop: %1").arg(box->text());
            later(box, [box] { box->accept(); });
            return true;
        },
        true);

    const QPoint centre = device->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(device, &enter);
    if (!enter.isAccepted())
        return fail(QStringLiteral("the device button refused the drag"));
    QDragMoveEvent move(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(device, &move);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(device, &drop);

    if (!wizardGot(expected,
            m_answerFailures.isEmpty() ? QStringLiteral("the transfer wizard did not open")
                                       : m_answerFailures.join(QStringLiteral("; "))))
        return false;
    note(QStringLiteral("the playlist entry was resolved to its file"));
    if (!waitFor([this] { return !m_window->statusBar()->currentMessage().isEmpty(); }))
        return fail(QStringLiteral("the player was not told that files were handed over"));
    note(QStringLiteral("status bar: %1").arg(m_window->statusBar()->currentMessage()));
    return awaitWizard(QStringLiteral("wizard"), summaries, QStringLiteral("drop-wizard"))
        && probeOutputs(m_deviceFolder, 3);
}

bool PlayerTour::wizardGot(const QString &expected, const QString &whenNoWizard)
{
    QStringList transfers;
    if (!waitFor([&] {
            transfers << newTransfers();
            return !transfers.isEmpty();
        }))
        return fail(whenNoWizard);
    if (transfers.isEmpty() || transfers.last() != expected)
        return fail(QStringLiteral("the wizard got \"%1\", expected \"%2\"")
                        .arg(transfers.isEmpty() ? QString() : transfers.last(), expected));
    return true;
}

bool PlayerTour::transferFromLibraryMenu()
{
    selectLibraryRows({ 3 });
    MediaListWidget *list = m_window->libraryList();
    QMenu *menu = m_window->libraryContextMenu();
    const QPoint at = list->viewport()->mapToGlobal(list->visualItemRect(list->item(3)).center());
    menu->popup(at);
    if (!waitFor([menu] { return menu->isVisible(); }))
        return fail(QStringLiteral("the library's context menu did not open"));
    QAction *transfer = m_window->playerActions()->action(CommonMenuBar::TransferTo);
    if (transfer->property("context").toString() != QLatin1String(PlayerActions::LibraryContext))
        return fail(QStringLiteral("\"Transfer to\" is not in the library's context"));
    newTransfers();
    const int summaries = wizardPictures(QStringLiteral("wizard"), QStringLiteral("summary")).size();
    unsigned deviceId = 0;
    if (!chooseFromTransferMenu(menu, EditedName, &deviceId))
        return false;
    const QString expected = QString::number(deviceId) + QLatin1Char('\t') + libraryUrl(3);
    if (!wizardGot(expected, QStringLiteral("the transfer wizard did not open")))
        return false;
    return awaitWizard(QStringLiteral("wizard"), summaries, QStringLiteral("library-wizard"))
        && probeOutputs(m_deviceFolder, 4);
}

bool PlayerTour::transferWhatIsPlaying()
{
    MediaListWidget *list = m_window->libraryList();
    const qint64 playing = m_window->library()->items().at(4).id;
    list->setFocus();
    list->setCurrentRow(4);
    QTest::keyClick(list, Qt::Key_Return);
    if (!waitFor([this, playing] { return m_window->nowPlaying()->currentItemId() == playing; }))
        return fail(QStringLiteral("Enter on a video did not play it"));
    // Paused, it stays the item playing for the steps after this one.
    if (!waitFor([this] { return m_window->videoPlayer()->isPlaying(); }))
        return fail(QStringLiteral("the video did not start"));
    QTest::keyClick(m_window->videoView(), Qt::Key_Space);
    note(QStringLiteral("playing \"%1\"").arg(m_window->nowPlaying()->title()));
    // The selection differs from what plays, so the source is plain to see.
    selectLibraryRows({ 0 });

    QMenu *menu = m_window->playbackMenu();
    menu->popup(m_window->menuBar()->mapToGlobal(
        m_window->menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    if (!waitFor([menu] { return menu->isVisible(); }))
        return fail(QStringLiteral("the Playback menu did not open"));
    QAction *transfer = m_window->playerActions()->action(CommonMenuBar::TransferTo);
    if (transfer->property("context").toString() != QLatin1String(PlayerActions::PlaybackContext))
        return fail(QStringLiteral("\"Transfer to\" is not in the playback context"));
    newTransfers();
    const int summaries = wizardPictures(QStringLiteral("wizard"), QStringLiteral("summary")).size();
    unsigned deviceId = 0;
    if (!chooseFromTransferMenu(menu, EditedName, &deviceId))
        return false;
    const QString expected = QString::number(deviceId) + QLatin1Char('\t') + libraryUrl(4);
    if (!wizardGot(expected, QStringLiteral("the transfer wizard did not open")))
        return false;
    return awaitWizard(QStringLiteral("wizard"), summaries, QStringLiteral("playing-wizard"))
        && probeOutputs(m_deviceFolder, 5);
}

bool PlayerTour::burnSelection()
{
    selectLibraryRows({ 0, 2 });
    QMenu *menu = m_window->libraryMenu();
    menu->popup(m_window->menuBar()->mapToGlobal(
        m_window->menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    if (!waitFor([menu] { return menu->isVisible(); }))
        return fail(QStringLiteral("the Library menu did not open"));
    QAction *burn = m_window->playerActions()->action(CommonMenuBar::Burn);
    if (burn->property("context").toString() != QLatin1String(PlayerActions::LibraryContext))
        return fail(QStringLiteral("\"Burn to Disc\" is not in the library's context"));
    shoot(QStringLiteral("library-menu"));
    newTransfers();
    const int summaries = wizardPictures(QStringLiteral("burn"), QStringLiteral("summary")).size();
    menu->setActiveAction(burn);
    QTest::keyClick(menu, Qt::Key_Return);
    const QString expected = QStringLiteral("1000\t") + libraryUrl(0) + QLatin1Char('\t') + libraryUrl(2);
    if (!wizardGot(expected, QStringLiteral("the wizard did not open for burning")))
        return false;
    if (!awaitWizard(QStringLiteral("burn"), summaries, QStringLiteral("burn-wizard")))
        return false;
    return listDiscImage(m_folder + QStringLiteral("/profile/videos/")
        + QCoreApplication::translate("Zarnet::BurnDialog", "Kavo Disc.iso"));
}

bool PlayerTour::deleteDevice()
{
    QWidget *device = deviceNamed(EditedName);
    if (!device)
        return fail(QStringLiteral("no button for \"%1\"").arg(EditedName));
    chooseInDeviceMenu(QStringLiteral("Delete"));
    answer(QStringLiteral("the \"Delete Your Device\" dialog"), [this] {
        QDialog *dialog = dialogTitled(
            QCoreApplication::translate("Zarnet::DeleteTransferDeviceDialog", "Delete Your Device"));
        if (!dialog)
            return false;
        auto *message = dialog->findChild<QLabel *>(QStringLiteral("MessageText"));
        auto *remove = dialog->findChild<QAbstractButton *>(QStringLiteral("DeleteButton"));
        if (!remove) {
            m_answerFailures << QStringLiteral("the delete dialog has no \"Delete\" button");
            later(dialog, [dialog] { dialog->reject(); });
            return true;
        }
        if (!message || !message->text().contains(EditedName))
            m_answerFailures << QStringLiteral("the delete dialog does not name the device");
        shoot(QStringLiteral("delete-dialog"), dialog);
        later(remove, [remove] { QTest::mouseClick(remove, Qt::LeftButton); });
        return true;
    });
    openDeviceMenu(device);
    if (!answered())
        return false;
    // The rebuilt buttons are shown by the event loop.
    if (!waitFor([this] { return !deviceNamed(EditedName) && deviceWidgets().size() == m_initialDevices; }))
        return fail(QStringLiteral("\"%1\" is still in the pane").arg(EditedName));
    if (deviceWidgets().size() != m_initialDevices)
        return fail(QStringLiteral("the pane shows %1 devices after the deletion, expected %2")
                        .arg(deviceWidgets().size())
                        .arg(m_initialDevices));
    QAction *transfer = m_window->playerActions()->action(CommonMenuBar::TransferTo);
    if (!waitFor([transfer] { return transfer->menu() && !actionTexted(transfer->menu(), EditedName); }))
        return fail(QStringLiteral("\"Transfer to\" still lists \"%1\"").arg(EditedName));
    return shoot(QStringLiteral("device-deleted"));
}

bool PlayerTour::closePane()
{
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window, 2000))
        note(QStringLiteral("the window is not active; the key goes to it anyway"));
    QTest::keyClick(m_window, Qt::Key_D, Qt::ControlModifier);
    if (!waitFor([this] { return !pane()->isVisible(); }))
        return fail(QStringLiteral("Ctrl+D did not close the pane"));
    QAction *show = m_window->playerActions()->action(CommonMenuBar::ShowDevicePane);
    if (!show->isVisible())
        return fail(QStringLiteral("\"Show Kavo To Go\" is not offered again"));
    QToolButton *paneButton = button(QStringLiteral("ShowDeviceMenu"));
    if (paneButton->isCheckable() && paneButton->isChecked())
        return fail(QStringLiteral("the pane's button still looks pressed"));
    return shoot(QStringLiteral("pane-closed"));
}

bool PlayerTour::streaming()
{
    if (!Zarnet::KavoMediaServer::IsKMSInstalled()) {
        note(QStringLiteral("skipped: kavo-media-server is not installed"));
        return true;
    }
    auto *streamButton = qobject_cast<PlayerToolBarButton *>(button(QStringLiteral("Streaming")));
    if (!streamButton || !streamButton->isEnabled())
        return fail(QStringLiteral("the Streaming button is not available"));
    const qint64 playing = m_window->nowPlaying()->currentItemId();
    const QString path = m_window->nowPlaying()->itemUrl(playing).toLocalFile();
    if (path.isEmpty())
        return fail(QStringLiteral("nothing is playing"));

    // The media server runs headless as the tour's own child, with sharing on,
    // and the player's launch request finds it running: nothing is left behind.
    m_mediaServer = new QProcess(this);
    m_mediaServer->setProgram(Zarnet::KavoMediaServer::programPath());
    m_mediaServer->setArguments(
        { QStringLiteral("--headless"), QStringLiteral("--sharing"), QStringLiteral("on") });
    m_mediaServer->setProcessChannelMode(QProcess::SeparateChannels);
    m_mediaServer->start();
    if (!m_mediaServer->waitForStarted(5000))
        return fail(QStringLiteral("kavo-media-server did not start"));
    Zarnet::KavoMediaServer::setLaunchHook(
        [this] { return m_mediaServer && m_mediaServer->state() == QProcess::Running ? 0 : -1; });
    QString serverSaid;
    const auto heard = [this, &serverSaid](const QString &text) {
        return waitFor([this, &serverSaid, text] {
            serverSaid += QString::fromLocal8Bit(m_mediaServer->readAllStandardOutput());
            return serverSaid.contains(text) || m_mediaServer->state() != QProcess::Running;
        }) && serverSaid.contains(text);
    };
    bool ok = heard(QStringLiteral("connected"));
    if (!ok)
        fail(QStringLiteral("the pane's poll never reached the media server"));
    // The button turns to its "on" look with the first answer.
    if (ok && !waitFor([streamButton] {
            return streamButton->styleSheet().startsWith(
                QLatin1String("QToolButton { image: url(:/ControlBar/Streaming/Hover)"));
        }))
        ok = fail(QStringLiteral("the Streaming button did not show that sharing is on"));
    if (ok) {
        note(QStringLiteral("the media server is sharing"));
        QTest::mouseClick(streamButton, Qt::LeftButton);
        if (!waitFor([streamButton] { return streamButton->isPopupShown(); }))
            ok = fail(QStringLiteral("the Streaming pop-up did not open"));
    }
    QAbstractButton *streamTo = nullptr;
    if (ok) {
        streamTo = streamButton->popup()->findChild<QAbstractButton *>(QStringLiteral("StreamToBtn"));
        if (!streamTo)
            ok = fail(QStringLiteral("the Streaming pop-up has no \"StreamToBtn\""));
    }
    if (ok) {
        shoot(QStringLiteral("streaming"));
        answer(
            QStringLiteral("no warning"),
            [this] {
                QMessageBox *box = visibleBox();
                if (!box)
                    return false;
                m_answerFailures << QStringLiteral("\"%1\": %2").arg(box->windowTitle(), box->text());
                later(box, [box] { box->accept(); });
                return true;
            },
            true);
        streamTo->click();
        if (!heard(QStringLiteral("StreamFileRequest ") + path))
            ok = fail(m_answerFailures.isEmpty()
                    ? QStringLiteral("the media server was not asked to stream %1").arg(path)
                    : m_answerFailures.join(QStringLiteral("; ")));
        else
            note(QStringLiteral("the media server was asked to stream \"%1\"")
                     .arg(QFileInfo(path).fileName()));
    }
    if (streamButton->isPopupShown())
        QTest::mouseClick(streamButton, Qt::LeftButton);
    m_mediaServer->write("quit\n");
    if (!m_mediaServer->waitForFinished(3000))
        m_mediaServer->terminate();
    Zarnet::KavoMediaServer::setLaunchHook({});
    return ok;
}

bool PlayerTour::rememberDestination(unsigned deviceId)
{
    // As if the user had chosen it at the first transfer: a folder in the tour's profile.
    m_deviceFolder = m_folder + QStringLiteral("/profile/device");
    QDir(m_deviceFolder).removeRecursively();
    QDir().mkpath(m_deviceFolder);
    QProcess tool;
    tool.start(Zarnet::TransferWizard::programPath(),
        { QStringLiteral("--device"), QString::number(deviceId), QStringLiteral("--remember"),
            m_deviceFolder });
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return fail(QStringLiteral("kavo-transfer could not remember the destination: %1")
                        .arg(QString::fromLocal8Bit(tool.readAllStandardError()).trimmed()));
    note(QStringLiteral("the device's files go to %1").arg(m_deviceFolder));
    return true;
}

bool PlayerTour::probeOutputs(const QString &folder, int expected)
{
    // Hidden too, so a part left behind shows; only the engine's index of
    // what it sent there is not a video.
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    files.removeAll(QStringLiteral(".kavo-sent"));
    for (const QString &file : files) {
        QProcess probe;
        probe.start(QStringLiteral("ffprobe"),
            { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                QStringLiteral("stream=codec_name"), QStringLiteral("-of"), QStringLiteral("csv=p=0"),
                QDir(folder).filePath(file) });
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
            return fail(QStringLiteral("ffprobe cannot read %1").arg(file));
        const QString streams = QString::fromUtf8(probe.readAllStandardOutput())
                                    .simplified()
                                    .replace(QLatin1Char(' '), QStringLiteral(", "));
        note(QStringLiteral("ffprobe %1: %2").arg(file, streams));
    }
    if (files.size() != expected)
        return fail(QStringLiteral("%1 files arrived, expected %2").arg(files.size()).arg(expected));
    return true;
}

bool PlayerTour::listDiscImage(const QString &iso)
{
    if (!QFileInfo(iso).isFile())
        return fail(QStringLiteral("no disc image at %1").arg(iso));
    QProcess xorriso;
    xorriso.start(QStringLiteral("xorriso"),
        { QStringLiteral("-indev"), iso, QStringLiteral("-find"), QStringLiteral("/"),
            QStringLiteral("-type"), QStringLiteral("f") });
    if (!xorriso.waitForFinished(30000) || xorriso.exitCode() != 0)
        return fail(QStringLiteral("xorriso cannot read %1").arg(iso));
    note(QStringLiteral("disc image %1 (%2 bytes):")
             .arg(QFileInfo(iso).fileName())
             .arg(QFileInfo(iso).size()));
    const QStringList names
        = QString::fromUtf8(xorriso.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &name : names)
        note(QStringLiteral("  ") + name);
    if (names.isEmpty())
        return fail(QStringLiteral("the disc image holds no files"));
    return true;
}
