<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.ui" line="+17"/>
        <source>Add a Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please choose the type of Kavo Certified device you would like to add, and personalize your device by giving it a name, such as &quot;Bedroom DVD Player&quot; (maximum of 20 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to you Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Add Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/deletetransferdevicedialog.ui" line="+17"/>
        <source>Delete Your Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Are you sure you wish to delete your device &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do not ask me again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceButton</name>
    <message>
        <location filename="../widgets/devicebutton.ui" line="+20"/>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+76"/>
        <location line="+62"/>
        <source>PLACEHOLDER</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicePane</name>
    <message>
        <location filename="../pane/devicepane.ui" line="+32"/>
        <source>Kavo To Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Drag Files Below...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+182"/>
        <source>Add a Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.ui" line="+17"/>
        <source>Edit Your Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>You may change the type or name of this Kavo Certified device (maximum of 20 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to your Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaServerFunctionPane</name>
    <message>
        <location filename="../pane/mediaserverfunctionpane.ui" line="+20"/>
        <source>KMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Stream to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaServerWindow</name>
    <message>
        <location filename="../mediaserver/mediaserverwindow.cpp" line="+26"/>
        <source>Share my videos on the home network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kavo Media Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Streamed files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name on the network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share my videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>While this is on, TVs and players on your home network can find and play your videos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name on the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name TVs and players show for this computer&apos;s videos. Leave it empty for the usual one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether the Kavo player is connected to the media server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streamed files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos the player handed over with &quot;Stream to ...&quot;; they are shared under &quot;Now streaming&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>A player is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Waiting for a player...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaybackControls</name>
    <message>
        <location filename="../host/playbackcontrols.cpp" line="+25"/>
        <source>Position (←/→: 5 seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Volume %1% (↑/↓)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound off: click to turn it on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>No sound device: videos play without sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerActions</name>
    <message>
        <location filename="../host/playeractions.cpp" line="+26"/>
        <source>Show Kavo To Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Kavo To Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Burn to Disc…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Server Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stream to Media Server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <location filename="../host/playerwindow.cpp" line="+110"/>
        <source>Kavo Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Files handed to the transfer wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Media Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Media Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+70"/>
        <location line="+217"/>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-282"/>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add to Play&amp;list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;revious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Kavo Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavo Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Plays your videos and sends them to your devices with Kavo To Go.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Remove from Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Kavo To Go: your devices (Ctrl+D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to the Kavo Media Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Kavo To Go is not available: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+36"/>
        <source>%n video(s) in %1</source>
        <translation>
            <numerusform>%n video in %1</numerusform>
            <numerusform>%n videos in %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Media Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nothing playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double-click a video, or select it and press Enter, to play it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now playing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Playing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be played.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>your Videos folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;No videos yet&lt;/b&gt;&lt;/p&gt;&lt;p&gt;There are no video files in %1.&lt;/p&gt;&lt;p&gt;Choose a folder with &lt;i&gt;File ▸ Open Media Folder…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharingSettings</name>
    <message>
        <location filename="../mediaserver/sharingsettings.cpp" line="+67"/>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <location filename="../host/videoplayer.cpp" line="+49"/>
        <source>The file&apos;s format is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file may not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::BurnDialog</name>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+25"/>
        <source>DVD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Burn to Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>CD (700 MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD (4.7 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD dual layer (8.5 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray (25 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>None: keep the disc image only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="+481"/>
        <location filename="../wizard/burndialog.cpp" line="+7"/>
        <source>Kavo Disc.iso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+1"/>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the disc image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disc images (*.iso)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is for a &amp;player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Burn in drive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make Disc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-227"/>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+24"/>
        <source>Add a Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::DeleteTransferDeviceDialog</name>
    <message>
        <location line="+238"/>
        <location filename="../widgets/deletetransferdevicedialog.cpp" line="+55"/>
        <source>Delete Your Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::DestinationDialog</name>
    <message>
        <location filename="../wizard/destinationdialog.cpp" line="+27"/>
        <source>Where do the videos for %1 go?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No USB stick or memory card is plugged in. Plug one in, or choose a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the USB stick or memory card the device plays from, or a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Removable drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (%2, %3 free)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a drive that can only be read. Choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The drive of %1 is full. Choose another folder, or make room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::DevicePane</name>
    <message>
        <location filename="../pane/devicepane_controller.cpp" line="+128"/>
        <source>DVD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The device list could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../widgets/transferdevicewidget.cpp" line="+239"/>
        <source>The device list is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+354"/>
        <source>Add a Device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Device Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; no longer exists: it was deleted elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../pane/devicepane_streaming.cpp" line="+145"/>
        <location line="+6"/>
        <source>Video Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Please play a video and then select &quot;stream to&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Of Stream To...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You must turn on sharing first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-200"/>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+29"/>
        <source>Edit Your Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::FileWorker</name>
    <message>
        <location filename="../transfer/fileworker.cpp" line="+54"/>
        <location line="+16"/>
        <source>cannot read the source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the source got shorter while it was copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::PartFile</name>
    <message>
        <location filename="../transfer/partfile.cpp" line="+81"/>
        <source>too many files are named like this one&apos;s part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+95"/>
        <source>another file took the name %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 was replaced by something else while it was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the destination is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than the destination can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the destination is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the destination cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::PinnedFolder</name>
    <message>
        <location filename="../transfer/pinnedfolder.cpp" line="+40"/>
        <source>cannot open the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>cannot make a folder in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::SizePlan</name>
    <message>
        <location filename="../transfer/sizeplan.cpp" line="+10"/>
        <source>%1 GiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>split into %1 parts of at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 s is too long for one file of at most %2 at a watchable quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::TargetNames</name>
    <message>
        <location filename="../transfer/targetnames.cpp" line="+104"/>
        <source>video</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::ToolRun</name>
    <message>
        <location filename="../transfer/toolrun.cpp" line="+89"/>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ended abnormally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gave no sign of progress and was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 failed (exit %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2</source>
        <comment>a tool, what became of its run</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <comment>what became of a run, the tool&apos;s last words</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDecision</name>
    <message>
        <location filename="../transfer/transferdecision.cpp" line="+139"/>
        <source>DVD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>This %1 does not play %2 video: converting it to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This %1 does not play %2: converting the video to plain %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 video is not H.264</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>H.264 in the %1 profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 profile %1 is beyond High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>H.264 this demanding (level %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 level %1 is over %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 video is not MPEG-4 ASP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>this many B-frames in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>more than %1 B-frame in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quarter-pixel motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QPel (quarter-pixel motion) is not played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>global motion compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMC (global motion compensation) is not played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 B-frames in a row are more than %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this kind of colour (10-bit, or finer than 4:2:0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pixel format %1 is not 8-bit 4:2:0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play pictures this large or this fast: converting the video to one it plays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1×%2 at %3 fps is over %4×%5 at %6 fps and %7×%8 at %9 fps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The video holds more data per second than this %1 reads: converting it to less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kb/s is over the %2 kb/s it plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This %1 does not play %2 sound: converting the sound to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 audio is not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 plays stereo sound only: mixing the %2 channels down to two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channels are more than stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play this kind of AAC sound: converting it to plain AAC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>AAC %1 is not AAC-LC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>sound: %1 first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left out, as AVI holds one sound track: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>image subtitles stay as they are: not burned in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles left out: not burned in, MP4 cannot carry them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>image subtitles carried as they are: not burned in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>subtitles left out: not burned in, %1 cannot carry them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles left out: %1 cannot carry them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>the source is damaged: the decoder met errors in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the source is damaged: %1 s of %2 s could be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>This %1 does not play %2 files: putting the video, unchanged, into %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This %1 looks for videos tagged as DivX: tagging it so, unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FourCC %1 is not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The video is filmed turned and only tagged to be shown upright, which this %1 ignores: converting it, turned upright.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rotation %1° is only a tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This %1 plays it as it is: copying it unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with %2 and %3 plays as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with %2 plays as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: audio re-encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the video is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>interlaced: made progressive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDeviceWidget</name>
    <message>
        <location filename="../widgets/transferdevicewidget.cpp" line="-214"/>
        <source>DVD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+124"/>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Transfer Videos to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/transferdevicewidget_drop.cpp" line="+79"/>
        <source>File Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files no longer exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file was not recognized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files were not recognized.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferEngine</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="+107"/>
        <source>this transfer has started already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown device type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no files to transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no disc image named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disc image&apos;s folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the destination folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../wizard/transferwizardwindow.cpp" line="+460"/>
        <source>The destination is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow.cpp" line="+2"/>
        <source>The USB stick “%1” was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_image.cpp" line="+18"/>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a dual-layer DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a Blu-ray disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>about %1 does not fit on %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot make a folder beside the disc image: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no file could be put on the disc image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+45"/>
        <source>cannot write the disc image: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_plan.cpp" line="+33"/>
        <source>It is too long for one file on this device: splitting it, unchanged, into %1 parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_probe.cpp" line="+32"/>
        <source>the source does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a video: not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>not a video: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe read nothing from it for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>QPel, GMC and B-frame runs not checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no VOL header in the stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>interlacing not checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_write.cpp" line="+51"/>
        <source>The destination is full: %1 needed, %2 free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+127"/>
        <source>ffmpeg wrote nothing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferProgress</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="-114"/>
        <source>probing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writing out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>making the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardDialog</name>
    <message>
        <location filename="../zrt/transferwizarddialog.cpp" line="+16"/>
        <source>Transfer Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn to disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to device %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transfer wizard (kavo-transfer) is not installed, so these files cannot be transferred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(choose files to add)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardWindow</name>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="-410"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>DVD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1× real time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>C&amp;hange…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Another Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+316"/>
        <source>&amp;Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-315"/>
        <source>&amp;Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+284"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-281"/>
        <source>Burn to Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+164"/>
        <source>Transfer Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-153"/>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Overall progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Change the destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the videos to transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No videos were chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The list of devices cannot be read, so nothing was transferred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is no longer in the list, so nothing was transferred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is of a kind this version does not know, so nothing was transferred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <location line="+114"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>%n video to %1</numerusform>
            <numerusform>%n videos to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-113"/>
        <location line="+114"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>Transferring %n video to %1</numerusform>
            <numerusform>Transferring %n videos to %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="-106"/>
        <source>The USB stick “%1” that %2 plays from is not plugged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Wait for It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose Another…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+16"/>
        <location line="+161"/>
        <location line="+353"/>
        <source>Nothing was transferred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-519"/>
        <source>The folder chosen before, %1, is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was transferred: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+88"/>
        <source>The destination %1 is no longer there, so nothing was transferred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Wait for “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Plug “%1” back in and press Wait to send the %2 that did not arrive, or choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did not arrive because of the destination: try again, or choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Waiting for the USB stick “%1”. Plug it in, or press Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No disc was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>a disc of %n video for a %1</numerusform>
            <numerusform>a disc of %n videos for a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Making a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>Making a disc of %n video for a %1</numerusform>
            <numerusform>Making a disc of %n videos for a %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Disc image: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Destination: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The transfer could not start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1: %2, %3 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Making the disc image %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 % — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>On the disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Arrived, but %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+150"/>
        <location line="+7"/>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-131"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>✗ %1 is on the disc as %2, but differs there from the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>✓ %1 is on the disc as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>✓ %1 arrived as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>✗ %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>– %1 was stopped; nothing of it was left behind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The disc image was not made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image %1 is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image was not made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>%1 of %n video arrived in %2.</numerusform>
            <numerusform>%1 of %n videos arrived in %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Checking the disc in %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Burning the disc in %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The disc was burned, but its check failed: it differs from the image in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc was burned, but its check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc was not burned: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but not checked: the run was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but its check failed: it holds no checksums to check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disc in %1 was burned and checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The disc is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The disc image is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc image is ready; the disc is not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>No disc was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="-27"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>%1 of %n video arrived</numerusform>
            <numerusform>%1 of %n videos arrived</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Nothing arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <source>No program to show folders is installed. The files are in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not transferred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Stop making the disc? Nothing of it is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop the transfer? The videos that arrived stay; the one on its way is removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
