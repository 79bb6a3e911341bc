<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioTrackPlayer</name>
    <message>
        <location filename="../host/audiotrackplayer.cpp" line="+266"/>
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
</context>
<context>
    <name>CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.ui" line="+17"/>
        <source>Add a Device</source>
        <translation>Gerät hinzufügen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please choose the type of Kavo Certified device you would like to add, and personalize your device by giving it a name, such as &quot;Bedroom DVD Player&quot; (maximum of 20 characters).</source>
        <translation>Wählen Sie den Typ des Kavo-zertifizierten Geräts, das Sie hinzufügen möchten, und geben Sie ihm einen eigenen Namen, z. B. „Schlafzimmer-DVD“ (höchstens 20 Zeichen).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>Gerätetyp:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to you Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Wenn Sie ein Kavo-VOD-Video auf dieses Gerät übertragen und dort abspielen möchten, registrieren Sie das Gerät zuerst in Ihrem Kavo-VOD-Konto. Wenn Sie Ihr Kavo-zertifiziertes Gerät bereits registriert haben, können Sie diesen Schritt überspringen.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>Jetzt registrieren</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Add Device</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DeleteTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/deletetransferdevicedialog.ui" line="+17"/>
        <source>Delete Your Device</source>
        <translation>Gerät löschen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Are you sure you wish to delete your device &quot;%1&quot;?</source>
        <translation>Möchten Sie das Gerät „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do not ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DeviceButton</name>
    <message>
        <location filename="../widgets/devicebutton.ui" line="+20"/>
        <source>Unused</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <location line="+76"/>
        <location line="+62"/>
        <source>PLACEHOLDER</source>
        <translation>PLACEHOLDER</translation>
    </message>
</context>
<context>
    <name>DevicePane</name>
    <message>
        <location filename="../pane/devicepane.ui" line="+32"/>
        <source>Kavo To Go</source>
        <translation>Kavo To Go</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Drag Files Below...</source>
        <translation>Dateien hierunter ziehen…</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>Add a Device</source>
        <translation>Gerät hinzufügen</translation>
    </message>
</context>
<context>
    <name>EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.ui" line="+17"/>
        <source>Edit Your Device</source>
        <translation>Gerät bearbeiten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>You may change the type or name of this Kavo Certified device (maximum of 20 characters).</source>
        <translation>Sie können den Typ oder den Namen dieses Kavo-zertifizierten Geräts ändern (höchstens 20 Zeichen).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>Gerätetyp:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to your Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Wenn Sie ein Kavo-VOD-Video auf dieses Gerät übertragen und dort abspielen möchten, registrieren Sie das Gerät zuerst in Ihrem Kavo-VOD-Konto. Wenn Sie Ihr Kavo-zertifiziertes Gerät bereits registriert haben, können Sie diesen Schritt überspringen.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>Jetzt registrieren</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MediaServerFunctionPane</name>
    <message>
        <location filename="../pane/mediaserverfunctionpane.ui" line="+20"/>
        <source>KMS</source>
        <translation>KMS</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Stream to ...</source>
        <translation>Streamen an…</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>MediaServerWindow</name>
    <message>
        <location filename="../mediaserver/mediaserverwindow.cpp" line="+29"/>
        <source>Share my videos on the home network</source>
        <translation>Meine Videos im Heimnetz freigeben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kavo Media Server</source>
        <translation>Kavo-Medienserver</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Streamed files:</source>
        <translation>Gestreamte Dateien:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name on the network:</source>
        <translation>&amp;Name im Netzwerk:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share my videos</source>
        <translation>Meine Videos freigeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>While this is on, TVs and players on your home network can find and play your videos.</source>
        <translation>Solange diese Option aktiviert ist, können Fernseher und Player in Ihrem Heimnetz Ihre Videos finden und abspielen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name on the network</source>
        <translation>Name im Netzwerk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name TVs and players show for this computer&apos;s videos. Leave it empty for the usual one.</source>
        <translation>Der Name, unter dem Fernseher und Player die Videos dieses Computers anzeigen. Leer lassen für den Standardnamen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player connection</source>
        <translation>Player-Verbindung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether the Kavo player is connected to the media server.</source>
        <translation>Gibt an, ob der Kavo Player mit dem Medienserver verbunden ist.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streamed files</source>
        <translation>Gestreamte Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos the player handed over with &quot;Stream to ...&quot;; they are shared under &quot;%1&quot;.</source>
        <translation>Die Videos, die der Player mit „Streamen an…“ übergeben hat; sie werden unter „%1“ freigegeben.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>A player is connected.</source>
        <translation>Ein Player ist verbunden.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Waiting for a player...</source>
        <translation>Warten auf einen Player…</translation>
    </message>
</context>
<context>
    <name>PlaybackControls</name>
    <message>
        <location filename="../host/playbackcontrols.cpp" line="+25"/>
        <source>Position (←/→: 5 seconds)</source>
        <translation>Position (←/→: 5 Sekunden)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Volume %1% (↑/↓)</source>
        <translation>Lautstärke %1 % (↑/↓)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound off: click to turn it on</source>
        <translation>Ton aus: zum Einschalten klicken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mute</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>No sound device: videos play without sound</source>
        <translation>Kein Audiogerät: Videos werden ohne Ton abgespielt</translation>
    </message>
</context>
<context>
    <name>PlayerActions</name>
    <message>
        <location filename="../host/playeractions.cpp" line="+26"/>
        <source>Show Kavo To Go</source>
        <translation>Kavo To Go anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Kavo To Go</source>
        <translation>Kavo To Go ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to</source>
        <translation>Übertragen an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Burn to Disc…</source>
        <translation>Auf Disc brennen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Server Settings…</source>
        <translation>Medienserver-Einstellungen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to Media Server</source>
        <translation>An Medienserver streamen</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <location filename="../host/playerwindow.cpp" line="+112"/>
        <source>Kavo Player</source>
        <translation>Kavo Player</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Files handed to the transfer wizard.</source>
        <translation>Dateien an den Übertragungsassistenten übergeben.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Playlist</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Media Library</source>
        <translation>Medienbibliothek</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Media Folder…</source>
        <translation>Medienordner ö&amp;ffnen…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+79"/>
        <location line="+240"/>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergeben</translation>
    </message>
    <message>
        <location line="-314"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add to Play&amp;list</source>
        <translation>Zur Wiedergabe&amp;liste hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;revious</source>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next</source>
        <translation>&amp;Nächstes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>Stu&amp;mmschalten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Library</source>
        <translation>&amp;Bibliothek</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Playback</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Audio Track</source>
        <translation>&amp;Audiospur</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Kavo Player</source>
        <translation>&amp;Über Kavo Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavo Player</source>
        <translation>Über Kavo Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Plays your videos and sends them to your devices with Kavo To Go.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Spielt Ihre Videos ab und sendet sie mit Kavo To Go an Ihre Geräte.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Remove from Playlist</source>
        <translation>Aus Wiedergabeliste &amp;entfernen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Kavo To Go: your devices (Ctrl+D)</source>
        <translation>Kavo To Go: Ihre Geräte (Strg+D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to the Kavo Media Server</source>
        <translation>An den Kavo-Medienserver streamen</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Kavo To Go is not available: %1</source>
        <translation>Kavo To Go ist nicht verfügbar: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+52"/>
        <source>%n video(s) in %1</source>
        <translation>
            <numerusform>%n Video in %1</numerusform>
            <numerusform>%n Videos in %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Media Folder</source>
        <translation>Medienordner öffnen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nothing playing</source>
        <translation>Keine Wiedergabe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double-click a video, or select it and press Enter, to play it.</source>
        <translation>Doppelklicken Sie auf ein Video, oder markieren Sie es und drücken Sie die Eingabetaste, um es abzuspielen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Now playing: %1</source>
        <translation>Wiedergabe: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing %1</source>
        <translation>%1 wird abgespielt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be played.
%2</source>
        <translation>„%1“ kann nicht abgespielt werden.
%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>„%1“ kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>your Videos folder</source>
        <translation>Ihrem Ordner „Videos“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;No videos yet&lt;/b&gt;&lt;/p&gt;&lt;p&gt;There are no video files in %1.&lt;/p&gt;&lt;p&gt;Choose a folder with &lt;i&gt;File ▸ Open Media Folder…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Noch keine Videos&lt;/b&gt;&lt;/p&gt;&lt;p&gt;In %1 befinden sich keine Videodateien.&lt;/p&gt;&lt;p&gt;Wählen Sie einen Ordner mit &lt;i&gt;Datei ▸ Medienordner öffnen…&lt;/i&gt; (Strg+O).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>SharingSettings</name>
    <message>
        <location filename="../mediaserver/sharingsettings.cpp" line="+67"/>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
</context>
<context>
    <name>TvPanel</name>
    <message>
        <location filename="../mediaserver/tvpanel.cpp" line="+38"/>
        <source>&amp;Play on this TV</source>
        <translation>Auf diesem Fernseher &amp;wiedergeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+144"/>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location line="-143"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No TV found yet. Check that the TV is switched on, is on the same network as this computer, and has its DLNA or &quot;media sharing&quot; setting on.</source>
        <translation>Noch kein Fernseher gefunden. Prüfen Sie, ob der Fernseher eingeschaltet ist, sich im selben Netzwerk wie dieser Computer befindet und seine DLNA- bzw. „Medienfreigabe“-Einstellung aktiviert ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVs</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The TVs and players on your home network that can play a video.</source>
        <translation>Die Fernseher und Player in Ihrem Heimnetz, die ein Video abspielen können.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play on this TV</source>
        <translation>Auf diesem Fernseher wiedergeben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Plays the video on the TV chosen in the list.</source>
        <translation>Spielt das Video auf dem in der Liste gewählten Fernseher ab.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pauses the TV, or goes on playing.</source>
        <translation>Hält den Fernseher an oder setzt die Wiedergabe fort.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops playing on the TV.</source>
        <translation>Beendet die Wiedergabe auf dem Fernseher.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Where the TV is in the video; drag to go elsewhere.</source>
        <translation>Wo sich der Fernseher im Video befindet; ziehen Sie, um an eine andere Stelle zu springen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play on a &amp;TV:</source>
        <translation>Auf einem &amp;Fernseher wiedergeben:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The TV cannot play this video as it is: converting it for the TV, %1 % done.</source>
        <translation>Der Fernseher kann dieses Video so nicht abspielen: Es wird für den Fernseher konvertiert, %1 % erledigt.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>To play: %1</source>
        <translation>Wiederzugeben: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &quot;Stream to ...&quot; in the player to play a video on a TV.</source>
        <translation>Verwenden Sie „Streamen an…“ im Player, um ein Video auf einem Fernseher abzuspielen.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Getting the video ready for the TV...</source>
        <translation>Das Video wird für den Fernseher vorbereitet...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TV cannot play this video as it is: converting it for the TV...</source>
        <translation>Der Fernseher kann dieses Video so nicht abspielen: Es wird für den Fernseher konvertiert...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on the TV: %2 of %3</source>
        <translation>%1 auf dem Fernseher: %2 von %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pl&amp;ay</source>
        <translation>Abs&amp;pielen</translation>
    </message>
</context>
<context>
    <name>TvStreamer</name>
    <message>
        <location filename="../mediaserver/tvstreamer.cpp" line="+35"/>
        <source>The TV left the network, or stopped answering.</source>
        <translation>Der Fernseher hat das Netzwerk verlassen oder antwortet nicht mehr.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV refused &quot;%1&quot;: %2</source>
        <translation>Der Fernseher hat „%1“ abgelehnt: %2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Sharing is off. Switch on &quot;Share my videos on the home network&quot; to play on a TV.</source>
        <translation>Die Freigabe ist ausgeschaltet. Aktivieren Sie „Meine Videos im Heimnetz freigeben“, um auf einem Fernseher abzuspielen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV is no longer on the network.</source>
        <translation>Der Fernseher ist nicht mehr im Netzwerk.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV could not be offered the video: check that the file is still there and that the TV is on the same network.</source>
        <translation>Dem Fernseher konnte das Video nicht angeboten werden: Prüfen Sie, ob die Datei noch vorhanden ist und sich der Fernseher im selben Netzwerk befindet.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The TV cannot play this kind of video, not even converted.</source>
        <translation>Der Fernseher kann diese Art von Video nicht abspielen, auch nicht konvertiert.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The video could not be converted for the TV: no room for it in %1.</source>
        <translation>Das Video konnte nicht für den Fernseher konvertiert werden: kein Platz dafür in %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+15"/>
        <source>The video could not be converted for the TV: %1</source>
        <translation>Das Video konnte nicht für den Fernseher konvertiert werden: %1</translation>
    </message>
</context>
<context>
    <name>UpnpServer</name>
    <message>
        <location filename="../mediaserver/upnpserver.cpp" line="+435"/>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now streaming</source>
        <translation>Gerade gestreamt</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <location filename="../host/videoplayer.cpp" line="+49"/>
        <source>The file&apos;s format is not supported.</source>
        <translation>Das Dateiformat wird nicht unterstützt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file may not be read.</source>
        <translation>Sie haben keine Berechtigung, die Datei zu lesen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network failed.</source>
        <translation>Netzwerkfehler.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Zarnet::BurnDialog</name>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+25"/>
        <source>DVD Player</source>
        <translation>DVD-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Blu-ray-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Burn to Disc</source>
        <translation>Auf Disc brennen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>CD (700 MB)</source>
        <translation>CD (700 MB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD (4.7 GB)</source>
        <translation>DVD (4,7 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD dual layer (8.5 GB)</source>
        <translation>DVD Double Layer (8,5 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray (25 GB)</source>
        <translation>Blu-ray (25 GB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>None: keep the disc image only</source>
        <translation>Keines: nur das Disc-Image behalten</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="+481"/>
        <location filename="../wizard/burndialog.cpp" line="+7"/>
        <source>Kavo Disc.iso</source>
        <translation>Kavo-Disc.iso</translation>
    </message>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+1"/>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the disc image</source>
        <translation>Disc-Image speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disc images (*.iso)</source>
        <translation>Disc-Images (*.iso)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is for a &amp;player:</source>
        <translation>Disc für &amp;Player:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;size:</source>
        <translation>Disc-&amp;Größe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;image:</source>
        <translation>Disc-&amp;Image:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Burn in drive:</source>
        <translation>Brennen in &amp;Laufwerk:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make Disc</source>
        <translation>Disc &amp;erstellen</translation>
    </message>
</context>
<context>
    <name>Zarnet::CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>DVD-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Blu-ray-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>Gerätename erforderlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>Bitte geben Sie einen Namen für dieses Gerät ein.</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-227"/>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+24"/>
        <source>Add a Device</source>
        <translation>Gerät hinzufügen</translation>
    </message>
</context>
<context>
    <name>Zarnet::DeleteTransferDeviceDialog</name>
    <message>
        <location line="+238"/>
        <location filename="../widgets/deletetransferdevicedialog.cpp" line="+55"/>
        <source>Delete Your Device</source>
        <translation>Gerät löschen</translation>
    </message>
</context>
<context>
    <name>Zarnet::DestinationDialog</name>
    <message>
        <location filename="../wizard/destinationdialog.cpp" line="+27"/>
        <source>Where do the videos for %1 go?</source>
        <translation>Wohin sollen die Videos für %1 übertragen werden?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No USB stick or memory card is plugged in. Plug one in, or choose a folder.</source>
        <translation>Es ist kein USB-Stick und keine Speicherkarte angeschlossen. Schließen Sie einen Stick oder eine Karte an, oder wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the USB stick or memory card the device plays from, or a folder.</source>
        <translation>Wählen Sie den USB-Stick oder die Speicherkarte, von der das Gerät abspielt, oder einen Ordner.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Removable drives</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (%2, %3 free)</source>
        <translation>%1 (%2, %3 frei)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>Ü&amp;bertragen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no folder %1.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a drive that can only be read. Choose another folder.</source>
        <translation>%1 liegt auf einem schreibgeschützten Laufwerk. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The drive of %1 is full. Choose another folder, or make room.</source>
        <translation>Das Laufwerk von %1 ist voll. Wählen Sie einen anderen Ordner, oder schaffen Sie Platz.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
</context>
<context>
    <name>Zarnet::DevicePane</name>
    <message>
        <location filename="../pane/devicepane_controller.cpp" line="+128"/>
        <source>DVD Player</source>
        <translation>DVD-Player</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blu-ray Player</source>
        <translation>Blu-ray-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The device list could not be read.</source>
        <translation>Die Geräteliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../widgets/transferdevicewidget.cpp" line="+234"/>
        <source>The device list is read-only.</source>
        <translation>Die Geräteliste ist schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+352"/>
        <source>Add a Device...</source>
        <translation>Gerät hinzufügen…</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Device Not Found</source>
        <translation>Gerät nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; no longer exists: it was deleted elsewhere.</source>
        <translation>„%1“ existiert nicht mehr: Das Gerät wurde an anderer Stelle gelöscht.</translation>
    </message>
    <message>
        <location filename="../pane/devicepane_streaming.cpp" line="+146"/>
        <location line="+6"/>
        <source>Video Not Found</source>
        <translation>Video nicht gefunden</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Please play a video and then select &quot;stream to&quot;</source>
        <translation>Spielen Sie ein Video ab, und wählen Sie dann „Streamen an“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File does not exist</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Of Stream To...</source>
        <translation>Fehler beim Streamen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You must turn on sharing first</source>
        <translation>Sie müssen zuerst die Freigabe aktivieren.</translation>
    </message>
</context>
<context>
    <name>Zarnet::EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>DVD-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Blu-ray-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>Gerätename erforderlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>Bitte geben Sie einen Namen für dieses Gerät ein.</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-200"/>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+33"/>
        <source>Edit Your Device</source>
        <translation>Gerät bearbeiten</translation>
    </message>
</context>
<context>
    <name>Zarnet::FileWorker</name>
    <message>
        <location filename="../transfer/fileworker.cpp" line="+56"/>
        <location line="+17"/>
        <source>cannot read the source: %1</source>
        <translation>Quelle kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the source got shorter while it was copied</source>
        <translation>die Quelle ist während des Kopierens kürzer geworden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>Zarnet::PartFile</name>
    <message>
        <location filename="../transfer/partfile.cpp" line="+81"/>
        <source>too many files are named like this one&apos;s part</source>
        <translation>zu viele Dateien tragen den Namen der Teildatei dieser Datei</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>another file took the name %1</source>
        <translation>eine andere Datei hat den Namen %1 belegt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 was replaced by something else while it was written</source>
        <translation>%1 wurde während des Schreibens durch etwas anderes ersetzt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the destination is full</source>
        <translation>das Ziel ist voll</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than the destination can hold</source>
        <translation>die Datei ist größer, als das Ziel aufnehmen kann</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the destination is gone</source>
        <translation>das Ziel ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the destination cannot be written: %1</source>
        <translation>in das Ziel kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>Zarnet::PinnedFolder</name>
    <message>
        <location filename="../transfer/pinnedfolder.cpp" line="+40"/>
        <source>cannot open the folder %1: %2</source>
        <translation>Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>cannot make a folder in %1: %2</source>
        <translation>in %1 kann kein Ordner erstellt werden: %2</translation>
    </message>
</context>
<context>
    <name>Zarnet::SizePlan</name>
    <message>
        <location filename="../transfer/sizeplan.cpp" line="+10"/>
        <source>%1 GiB</source>
        <translation>%1 GiB</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>split into %1 parts of at most %2</source>
        <translation>aufgeteilt in %1 Teile zu höchstens %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 s is too long for one file of at most %2 at a watchable quality</source>
        <translation>%1 s sind zu lang für eine Datei von höchstens %2 in ansehbarer Qualität</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)</source>
        <translation>ca. %1 ist mehr, als eine einzelne Datei auf FAT32 oder einer Disc enthalten darf (4 GiB - 1 Byte)</translation>
    </message>
</context>
<context>
    <name>Zarnet::TargetNames</name>
    <message>
        <location filename="../transfer/targetnames.cpp" line="+104"/>
        <source>video</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>Zarnet::ToolRun</name>
    <message>
        <location filename="../transfer/toolrun.cpp" line="+91"/>
        <source>done</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ended abnormally</source>
        <translation>unerwartet beendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>could not be started</source>
        <translation>konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gave no sign of progress and was stopped</source>
        <translation>zeigte keinen Fortschritt und wurde gestoppt</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 failed (exit %2)</source>
        <translation>%1 fehlgeschlagen (Exit-Code %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2</source>
        <comment>a tool, what became of its run</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <comment>what became of a run, the tool&apos;s last words</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDecision</name>
    <message>
        <location filename="../transfer/transferdecision.cpp" line="+139"/>
        <source>DVD Player</source>
        <translation>DVD-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Blu-ray-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>This %1 does not play %2 video: converting it to %3.</source>
        <translation>Dieses Gerät (%1) spielt keine Videos im Format %2 ab: Das Video wird in %3 umgewandelt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This %1 does not play %2: converting the video to plain %3.</source>
        <translation>Dieses Gerät (%1) unterstützt Folgendes nicht: %2. Das Video wird in einfaches %3 umgewandelt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 video is not H.264</source>
        <translation>Video im Format %1 ist kein H.264</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>H.264 in the %1 profile</source>
        <translation>H.264 im Profil %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 profile %1 is beyond High</source>
        <translation>H.264-Profil %1 liegt über High</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>H.264 this demanding (level %1)</source>
        <translation>H.264 mit so hohen Anforderungen (Level %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 level %1 is over %2</source>
        <translation>H.264-Level %1 liegt über %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 video is not MPEG-4 ASP</source>
        <translation>Video im Format %1 ist kein MPEG-4 ASP</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>this many B-frames in a row</source>
        <translation>so viele B-Frames in Folge</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>more than %1 B-frame in a row</source>
        <translation>mehr als %1 B-Frame in Folge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quarter-pixel motion</source>
        <translation>Viertelpixel-Bewegung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QPel (quarter-pixel motion) is not played</source>
        <translation>QPel (Viertelpixel-Bewegung) wird nicht abgespielt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>global motion compensation</source>
        <translation>globale Bewegungskompensation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMC (global motion compensation) is not played</source>
        <translation>GMC (globale Bewegungskompensation) wird nicht abgespielt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 B-frames in a row are more than %2</source>
        <translation>%1 B-Frames in Folge sind mehr als %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this kind of colour (10-bit, or finer than 4:2:0)</source>
        <translation>diese Art von Farbe (10 Bit oder feiner als 4:2:0)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pixel format %1 is not 8-bit 4:2:0</source>
        <translation>Pixelformat %1 ist nicht 8 Bit 4:2:0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play pictures this large or this fast: converting the video to one it plays.</source>
        <translation>Dieses Gerät (%1) spielt Bilder dieser Größe oder Bildrate nicht ab: Das Video wird in ein abspielbares Format umgewandelt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1×%2 at %3 fps is over %4×%5 at %6 fps and %7×%8 at %9 fps</source>
        <translation>%1×%2 bei %3 fps liegt über %4×%5 bei %6 fps und %7×%8 bei %9 fps</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The video holds more data per second than this %1 reads: converting it to less.</source>
        <translation>Das Video enthält mehr Daten pro Sekunde, als dieses Gerät (%1) lesen kann: Es wird in eine niedrigere Datenrate umgewandelt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kb/s is over the %2 kb/s it plays</source>
        <translation>%1 kb/s liegt über den abspielbaren %2 kb/s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This %1 does not play %2 sound: converting the sound to %3.</source>
        <translation>Dieses Gerät (%1) spielt keinen Ton im Format %2 ab: Der Ton wird in %3 umgewandelt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 audio is not %2</source>
        <translation>Audioformat %1 ist nicht %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 plays stereo sound only: mixing the %2 channels down to two.</source>
        <translation>Dieses Gerät (%1) spielt nur Stereoton ab: Die %2 Kanäle werden auf zwei heruntergemischt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channels are more than stereo</source>
        <translation>%1 Kanäle sind mehr als Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play this kind of AAC sound: converting it to plain AAC.</source>
        <translation>Dieses Gerät (%1) spielt diese Art von AAC-Ton nicht ab: Der Ton wird in einfaches AAC umgewandelt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>AAC %1 is not AAC-LC</source>
        <translation>AAC %1 ist nicht AAC-LC</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+39"/>
        <source>track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>sound: %1 first</source>
        <translation>Ton: %1 zuerst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left out, as AVI holds one sound track: %1</source>
        <translation>weggelassen, da AVI nur eine Tonspur aufnimmt: %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>other subtitles left out, as one .srt file is read: %1</source>
        <translation>andere Untertitel weggelassen, da nur eine .srt-Datei gelesen wird: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>image subtitles left out: they are not text, and not burned in</source>
        <translation>Bilduntertitel weggelassen: Sie sind kein Text und werden nicht eingebrannt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles stay as they are: not burned in</source>
        <translation>Bilduntertitel bleiben unverändert: nicht eingebrannt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles left out: not burned in, MP4 cannot carry them</source>
        <translation>Bilduntertitel weggelassen: nicht eingebrannt, MP4 kann sie nicht aufnehmen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>image subtitles carried as they are: not burned in</source>
        <translation>Bilduntertitel unverändert übernommen: nicht eingebrannt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: not burned in, %1 cannot carry them</source>
        <translation>Untertitel weggelassen: nicht eingebrannt, %1 kann sie nicht aufnehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles left out: %1 cannot carry them</source>
        <translation>Untertitel weggelassen: %1 kann sie nicht aufnehmen</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the source is damaged: the decoder met errors in it</source>
        <translation>die Quelle ist beschädigt: Der Decoder ist auf Fehler gestoßen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the source is damaged: %1 s of %2 s could be read</source>
        <translation>die Quelle ist beschädigt: %1 s von %2 s konnten gelesen werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>subtitles (%1) written beside it as a .srt file</source>
        <translation>Untertitel (%1) als .srt-Datei daneben geschrieben</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>This %1 does not play %2 files: putting the video, unchanged, into %3.</source>
        <translation>Dieses Gerät (%1) spielt keine %2-Dateien ab: Das Video wird unverändert in %3 verpackt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not played</source>
        <translation>%1 wird nicht abgespielt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This %1 looks for videos tagged as DivX: tagging it so, unchanged.</source>
        <translation>Dieses Gerät (%1) sucht nach Videos mit DivX-Kennung: Das Video erhält diese Kennung und bleibt sonst unverändert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FourCC %1 is not %2</source>
        <translation>FourCC %1 ist nicht %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The video is filmed turned and only tagged to be shown upright, which this %1 ignores: converting it, turned upright.</source>
        <translation>Das Video wurde gedreht aufgenommen und ist nur zur aufrechten Anzeige markiert, was dieses Gerät (%1) ignoriert: Das Video wird aufrecht gedreht umgewandelt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rotation %1° is only a tag</source>
        <translation>Drehung um %1° ist nur eine Markierung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This %1 plays it as it is: copying it unchanged.</source>
        <translation>Dieses Gerät (%1) spielt das Video so ab, wie es ist: Es wird unverändert kopiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with %2 and %3 plays as it is</source>
        <translation>%1 mit %2 und %3 ist unverändert abspielbar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with %2 plays as it is</source>
        <translation>%1 mit %2 ist unverändert abspielbar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: audio re-encoded</source>
        <translation>%1: Audio neu kodiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture stays as it is.</source>
        <translation>Das Bild bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the video is kept</source>
        <translation>%1; das Video bleibt erhalten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>interlaced: made progressive</source>
        <translation>Zeilensprung: in Vollbilder umgewandelt</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDeviceWidget</name>
    <message>
        <location filename="../widgets/transferdevicewidget.cpp" line="-209"/>
        <source>DVD Player</source>
        <translation>DVD-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Blu-ray-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Transfer Videos to &quot;%1&quot;</source>
        <translation>Videos an „%1“ übertragen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../widgets/transferdevicewidget_drop.cpp" line="+79"/>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file no longer exists.</source>
        <translation>Diese Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files Not Found</source>
        <translation>Dateien nicht gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files no longer exist.</source>
        <translation>Diese Dateien existieren nicht mehr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized File</source>
        <translation>Unbekannte Datei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file was not recognized.</source>
        <translation>Diese Datei wurde nicht erkannt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized Files</source>
        <translation>Unbekannte Dateien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files were not recognized.</source>
        <translation>Diese Dateien wurden nicht erkannt.</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferEngine</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="+110"/>
        <source>this transfer has started already</source>
        <translation>diese Übertragung wurde bereits gestartet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown device type %1</source>
        <translation>unbekannter Gerätetyp %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no files to transfer</source>
        <translation>keine Dateien zum Übertragen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no disc image named</source>
        <translation>kein Name für das Disc-Image angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disc image&apos;s folder does not exist</source>
        <translation>der Ordner des Disc-Images existiert nicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the destination folder does not exist</source>
        <translation>der Zielordner existiert nicht</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The destination is no longer there.</source>
        <translation>Das Ziel ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The USB stick “%1” was removed.</source>
        <translation>Der USB-Stick „%1“ wurde entfernt.</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_image.cpp" line="+18"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a CD</source>
        <translation>eine CD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a DVD</source>
        <translation>eine DVD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a dual-layer DVD</source>
        <translation>eine Double-Layer-DVD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a Blu-ray disc</source>
        <translation>eine Blu-ray Disc</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>about %1 does not fit on %2 (%3)</source>
        <translation>ca. %1 passen nicht auf %2 (%3)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot make a folder beside the disc image: %1</source>
        <translation>neben dem Disc-Image kann kein Ordner erstellt werden: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no file could be put on the disc image</source>
        <translation>keine Datei konnte in das Disc-Image aufgenommen werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+45"/>
        <source>cannot write the disc image: %1</source>
        <translation>Disc-Image kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_plan.cpp" line="+35"/>
        <source>It is too long for one file on this device: splitting it, unchanged, into %1 parts.</source>
        <translation>Das Video ist für eine einzelne Datei auf diesem Gerät zu lang: Es wird unverändert in %1 Teile aufgeteilt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: the video is split into parts</source>
        <translation>Untertitel weggelassen: Das Video wird in Teile aufgeteilt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1; the name is not UTF-8: rewritten, unchanged, to be put on the disc</source>
        <translation>%1; der Name ist kein UTF-8: unverändert umgeschrieben, um auf die Disc geschrieben zu werden</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>already on the device</source>
        <translation>bereits auf dem Gerät</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_probe.cpp" line="+39"/>
        <source>the source does not exist</source>
        <translation>die Quelle existiert nicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a video: not a file</source>
        <translation>kein Video: keine Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the source</source>
        <translation>Quelle kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>not a video: %1</source>
        <translation>kein Video: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe read nothing from it for %1 s</source>
        <translation>ffprobe hat %1 s lang nichts daraus gelesen</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>QPel, GMC and B-frame runs not checked: %1</source>
        <translation>QPel, GMC und B-Frame-Folgen nicht geprüft: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no VOL header in the stream</source>
        <translation>kein VOL-Header im Stream</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>interlacing not checked: %1</source>
        <translation>Zeilensprung nicht geprüft: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_write.cpp" line="+57"/>
        <source>The destination is full: %1 needed, %2 free.</source>
        <translation>Das Ziel ist voll: %1 benötigt, %2 frei.</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>ffmpeg wrote nothing</source>
        <translation>ffmpeg hat nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferProgress</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="-129"/>
        <source>probing</source>
        <translation>wird analysiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting</source>
        <translation>wird umgewandelt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copying</source>
        <translation>wird kopiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writing out</source>
        <translation>wird geschrieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>making the image</source>
        <translation>Image wird erstellt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>arrived</source>
        <translation>angekommen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardDialog</name>
    <message>
        <location filename="../zrt/transferwizarddialog.cpp" line="+16"/>
        <source>Transfer Wizard</source>
        <translation>Übertragungsassistent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn to disc</source>
        <translation>Auf Disc brennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to device %1</source>
        <translation>An Gerät %1 übertragen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transfer wizard (kavo-transfer) is not installed, so these files cannot be transferred.</source>
        <translation>Der Übertragungsassistent (kavo-transfer) ist nicht installiert. Diese Dateien können daher nicht übertragen werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(choose files to add)</source>
        <translation>(hinzuzufügende Dateien wählen)</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardWindow</name>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+44"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remux</source>
        <translation>Umpacken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>DVD Player</source>
        <translation>DVD-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Blu-ray-Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+76"/>
        <source>%1× real time</source>
        <translation>%1× Echtzeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>C&amp;hange…</source>
        <translation>Ä&amp;ndern…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Another Folder…</source>
        <translation>&amp;Anderen Ordner wählen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+236"/>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Send Again</source>
        <translation>&amp;Erneut senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open folder</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-20"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Burn to Disc</source>
        <translation>Auf Disc brennen</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-166"/>
        <source>Transfer Videos</source>
        <translation>Videos übertragen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Overall progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Change the destination</source>
        <translation>Ziel ändern</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Send again what is already on the device</source>
        <translation>Erneut senden, was bereits auf dem Gerät ist</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: waiting</source>
        <translation>%1: wartet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the videos to transfer</source>
        <translation>Zu übertragende Videos wählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;All files (*)</source>
        <translation>Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No videos were chosen.</source>
        <translation>Es wurden keine Videos gewählt.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-22"/>
        <source>The list of devices cannot be read, so nothing was transferred.</source>
        <translation>Die Geräteliste kann nicht gelesen werden. Es wurde nichts übertragen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is no longer in the list, so nothing was transferred.</source>
        <translation>Dieses Gerät ist nicht mehr in der Liste. Es wurde nichts übertragen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is of a kind this version does not know, so nothing was transferred.</source>
        <translation>Diese Version kennt den Typ dieses Geräts nicht. Es wurde nichts übertragen.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <location line="+160"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>%n Video an %1</numerusform>
            <numerusform>%n Videos an %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <location line="+160"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>%n Video wird an %1 übertragen</numerusform>
            <numerusform>%n Videos werden an %1 übertragen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n Video</numerusform>
            <numerusform>%n Videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>Disc mit %n Video für %1</numerusform>
            <numerusform>Disc mit %n Videos für %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Making a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>Disc mit %n Video für %1 wird erstellt</numerusform>
            <numerusform>Disc mit %n Videos für %1 wird erstellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+148"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>%1 von %n Video in %2 angekommen.</numerusform>
            <numerusform>%1 von %n Videos in %2 angekommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n was there already.</source>
        <translation>
            <numerusform>%n war bereits vorhanden.</numerusform>
            <numerusform>%n waren bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>%1 von %n Video angekommen</numerusform>
            <numerusform>%1 von %n Videos angekommen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-191"/>
        <source>The USB stick “%1” that %2 plays from is not plugged in.</source>
        <translation>Der USB-Stick „%1“, von dem %2 abspielt, ist nicht angeschlossen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Wait for It</source>
        <translation>&amp;Warten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose Another…</source>
        <translation>A&amp;nderen Ordner wählen…</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+14"/>
        <location line="+131"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+11"/>
        <location line="+16"/>
        <source>Nothing was transferred.</source>
        <translation>Es wurde nichts übertragen.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-5"/>
        <source>The folder chosen before, %1, is gone.</source>
        <translation>Der zuvor gewählte Ordner %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was transferred: %1</source>
        <translation>Es wurde nichts übertragen: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Stopping, to start again in %1…</source>
        <translation>Wird angehalten, um in %1 neu zu starten…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nothing is left to send; the next transfer goes to %1.</source>
        <translation>Es ist nichts mehr zu senden; die nächste Übertragung geht nach %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The next transfer goes to %1.</source>
        <translation>Die nächste Übertragung geht nach %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 had arrived in %2 before the change.</source>
        <translation>%1 war vor der Änderung in %2 angekommen.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The destination %1 is no longer there, so nothing was transferred.</source>
        <translation>Das Ziel %1 ist nicht mehr vorhanden. Es wurde nichts übertragen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Wait for “%1”</source>
        <translation>Auf „%1“ &amp;warten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Plug “%1” back in and press Wait to send the %2 that did not arrive, or choose another folder.</source>
        <translation>Schließen Sie „%1“ wieder an, und klicken Sie auf „Warten“, um nicht angekommene Videos (%2) erneut zu senden, oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did not arrive because of the destination: try again, or choose another folder.</source>
        <translation>Wegen eines Problems mit dem Ziel nicht angekommen: %1. Versuchen Sie es erneut, oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Waiting for the USB stick “%1”. Plug it in, or press Cancel.</source>
        <translation>Warten auf den USB-Stick „%1“. Schließen Sie ihn an, oder klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="-11"/>
        <source>No disc was made.</source>
        <translation>Es wurde keine Disc erstellt.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="-125"/>
        <source>Disc image: %1</source>
        <translation>Disc-Image: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Destination: %1</source>
        <translation>Ziel: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The transfer could not start: %1</source>
        <translation>Die Übertragung konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1: %2, %3 percent</source>
        <translation>%1: %2, %3 Prozent</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Making the disc image %1</source>
        <translation>Disc-Image %1 wird erstellt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 % — %2</source>
        <translation>%1 % – %2</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="-141"/>
        <source>On the disc</source>
        <translation>Auf der Disc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrived</source>
        <translation>Angekommen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Arrived, but %1</source>
        <translation>Angekommen, aber %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+118"/>
        <location line="+12"/>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <location line="-127"/>
        <location line="+122"/>
        <source>Already on the device</source>
        <translation>Bereits auf dem Gerät</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Already on the device as %1</source>
        <translation>Bereits auf dem Gerät als %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>✗ %1 is on the disc as %2, but differs there from the image</source>
        <translation>✗ %1 ist als %2 auf der Disc, weicht dort aber vom Image ab</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>✓ %1 is on the disc as %2</source>
        <translation>✓ %1 ist als %2 auf der Disc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>✓ %1 arrived as %2</source>
        <translation>✓ %1 ist als %2 angekommen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>= %1 is already on the device as %2</source>
        <translation>= %1 ist bereits auf dem Gerät als %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>✗ %1 failed: %2</source>
        <translation>✗ %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>– %1 was stopped; nothing of it was left behind</source>
        <translation>– %1 wurde gestoppt; nichts davon ist zurückgeblieben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disc image was not made: %1</source>
        <translation>Das Disc-Image wurde nicht erstellt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image %1 is ready.</source>
        <translation>Das Disc-Image %1 ist fertig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image was not made.</source>
        <translation>Das Disc-Image wurde nicht erstellt.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+19"/>
        <source>Checking the disc in %1…</source>
        <translation>Disc in %1 wird geprüft…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Burning the disc in %1…</source>
        <translation>Disc in %1 wird gebrannt…</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The disc was burned, but its check failed: it differs from the image in %1.</source>
        <translation>Die Disc wurde gebrannt, aber die Prüfung ist fehlgeschlagen: Sie weicht in %1 vom Image ab.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc was burned, but its check failed: %1</source>
        <translation>Die Disc wurde gebrannt, aber die Prüfung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc was not burned: %1</source>
        <translation>Die Disc wurde nicht gebrannt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but not checked: the run was stopped.</source>
        <translation>Die Disc wurde gebrannt, aber nicht geprüft: Der Vorgang wurde gestoppt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but its check failed: it holds no checksums to check.</source>
        <translation>Die Disc wurde gebrannt, aber die Prüfung ist fehlgeschlagen: Sie enthält keine Prüfsummen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disc in %1 was burned and checked.</source>
        <translation>Die Disc in %1 wurde gebrannt und geprüft.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+21"/>
        <source>The disc is ready</source>
        <translation>Die Disc ist fertig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The disc image is ready</source>
        <translation>Das Disc-Image ist fertig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc image is ready; the disc is not</source>
        <translation>Das Disc-Image ist fertig, die Disc nicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <source>No disc was made</source>
        <translation>Es wurde keine Disc erstellt</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1, %2 there already</source>
        <translation>%1, %2 bereits vorhanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped — %1</source>
        <translation>Gestoppt – %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Nothing arrived</source>
        <translation>Nichts angekommen</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>No program to show folders is installed. The files are in %1</source>
        <translation>Es ist kein Programm zum Anzeigen von Ordnern installiert. Die Dateien befinden sich in %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not transferred</source>
        <translation>Nicht übertragen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+26"/>
        <source>Stop making the disc? Nothing of it is kept.</source>
        <translation>Erstellen der Disc stoppen? Davon wird nichts behalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop the transfer? The videos that arrived stay; the one on its way is removed.</source>
        <translation>Übertragung stoppen? Bereits angekommene Videos bleiben erhalten, das gerade übertragene wird entfernt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go On</source>
        <translation>&amp;Fortfahren</translation>
    </message>
</context>
</TS>
