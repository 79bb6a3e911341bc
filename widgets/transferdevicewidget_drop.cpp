// Files dropped on a device button go to the transfer wizard for its device.
#include "widgets/transferdevicewidget.h"

#include "devices/transferdevice.h"
#include "pane/devicepane.h"
#include "plugin/interfaceids.h"
#include "plugin/mediamanagerinterface.h"
#include "plugin/pluginfilter.h"
#include "plugin/plugininterfaceref.h"
#include "widgets/droppedurls.h"
#include "widgets/modalrunner.h"
#include "zrt/transferwizard.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace Zarnet {

void TransferDeviceWidget::dragEnterEvent(QDragEnterEvent *event)
{
    for (const DroppedUrls::Entry &entry : DroppedUrls::read(event->mimeData())) {
        if (DroppedUrls::acceptable(entry)) {
            event->acceptProposedAction();
            return;
        }
    }
}

QUrl TransferDeviceWidget::resolvePlaylistItem(quint64 id, const QUrl &fallback)
{
    // Looked up afresh for every drop: the host may have changed its media manager.
    if (!m_dragLookup)
        m_dragLookup = new PluginInterfaceRef(Orbe::mediaManagerInterfaceId());
    m_dragLookup->acquire(m_context, Orbe::PluginInterfaceFilter(Orbe::mediaManagerInterfaceId()), true);
    auto *manager = m_dragLookup->as<MediaManagerInterface>();
    kvtl::RefCountedPtr<MediaManagerInterface::MediaFileInterface> file;
    if (manager && manager->findMediaFile(static_cast<qint64>(id), file) && file)
        return file->fileUrl();
    return fallback;
}

void TransferDeviceWidget::dropEvent(QDropEvent *event)
{
    // The message box below runs an event loop of its own.
    const BusyScope busy(this);
    const QList<DroppedUrls::Entry> entries = DroppedUrls::read(event->mimeData());
    QList<QUrl> accepted;
    int vanished = 0;
    for (const DroppedUrls::Entry &entry : entries) {
        QUrl url;
        if (entry.playlistItem) {
            quint64 id = 0;
            if (!DroppedUrls::parsePlaylistItem(entry.text, &id))
                continue;
            url = resolvePlaylistItem(id, entry.url);
            // An unresolved item is passed on as dropped; Qt 6 holds such a
            // URL as invalid, but its form was checked above.
            if (!url.isValid() && url != entry.url)
                continue;
        } else if (entry.url.isValid()) {
            url = entry.url;
        } else {
            continue;
        }
        // A file deleted or moved since the file manager listed it would
        // only fail later, in the wizard.
        if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
            ++vanished;
            continue;
        }
        accepted.append(url);
    }

    if (accepted.isEmpty()) {
        if (vanished > 0 && vanished == entries.size()) {
            if (vanished == 1)
                ModalRunner::information(tr("File Not Found"), tr("This file no longer exists."));
            else
                ModalRunner::information(tr("Files Not Found"), tr("These files no longer exist."));
        } else if (entries.size() == 1) {
            ModalRunner::information(tr("Unrecognized File"), tr("This file was not recognized."));
        } else {
            ModalRunner::information(tr("Unrecognized Files"), tr("These files were not recognized."));
        }
    } else if (m_device) {
        event->acceptProposedAction();
        TransferWizard::transferFiles(accepted, QString(), m_device->deviceId());
        if (m_pane)
            m_pane->afterFilesTransferred();
    }

    if (m_dragLookup) {
        m_dragLookup->reset();
        delete m_dragLookup;
        m_dragLookup = nullptr;
    }
}

} // namespace Zarnet
