<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AudioTrackPlayer</name>
    <message>
        <location filename="../host/audiotrackplayer.cpp" line="+266"/>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
</context>
<context>
    <name>CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.ui" line="+17"/>
        <source>Add a Device</source>
        <translation>Añadir un dispositivo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please choose the type of Kavo Certified device you would like to add, and personalize your device by giving it a name, such as &quot;Bedroom DVD Player&quot; (maximum of 20 characters).</source>
        <translation>Elija el tipo de dispositivo con certificación Kavo que desea añadir y personalícelo dándole un nombre, como «DVD del dormitorio» (20 caracteres como máximo).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>Tipo de dispositivo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>Nombre del dispositivo:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to you Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Si tiene previsto transferir un vídeo de Kavo VOD para reproducirlo en este dispositivo, registre primero el dispositivo en su cuenta de Kavo VOD. Si ya ha registrado su dispositivo con certificación Kavo, puede omitir este paso.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>Registrar ahora</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Add Device</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DeleteTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/deletetransferdevicedialog.ui" line="+17"/>
        <source>Delete Your Device</source>
        <translation>Eliminar el dispositivo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Are you sure you wish to delete your device &quot;%1&quot;?</source>
        <translation>¿Está seguro de que desea eliminar el dispositivo «%1»?</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do not ask me again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DeviceButton</name>
    <message>
        <location filename="../widgets/devicebutton.ui" line="+20"/>
        <source>Unused</source>
        <translation>Sin usar</translation>
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
        <translation>Arrastre archivos aquí abajo…</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>Add a Device</source>
        <translation>Añadir dispositivo</translation>
    </message>
</context>
<context>
    <name>EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.ui" line="+17"/>
        <source>Edit Your Device</source>
        <translation>Editar el dispositivo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>You may change the type or name of this Kavo Certified device (maximum of 20 characters).</source>
        <translation>Puede cambiar el tipo o el nombre de este dispositivo con certificación Kavo (20 caracteres como máximo).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>Tipo de dispositivo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>Nombre del dispositivo:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to your Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Si tiene previsto transferir un vídeo de Kavo VOD para reproducirlo en este dispositivo, registre primero el dispositivo en su cuenta de Kavo VOD. Si ya ha registrado su dispositivo con certificación Kavo, puede omitir este paso.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>Registrar ahora</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Transmitir a…</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>MediaServerWindow</name>
    <message>
        <location filename="../mediaserver/mediaserverwindow.cpp" line="+29"/>
        <source>Share my videos on the home network</source>
        <translation>Compartir mis vídeos en la red doméstica</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kavo Media Server</source>
        <translation>Servidor multimedia Kavo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Streamed files:</source>
        <translation>Archivos transmitidos:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name on the network:</source>
        <translation>&amp;Nombre en la red:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share my videos</source>
        <translation>Compartir mis vídeos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>While this is on, TVs and players on your home network can find and play your videos.</source>
        <translation>Mientras esta opción esté activada, los televisores y reproductores de su red doméstica podrán encontrar y reproducir sus vídeos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name on the network</source>
        <translation>Nombre en la red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name TVs and players show for this computer&apos;s videos. Leave it empty for the usual one.</source>
        <translation>El nombre con el que los televisores y reproductores muestran los vídeos de este equipo. Déjelo vacío para usar el nombre predeterminado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player connection</source>
        <translation>Conexión del reproductor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether the Kavo player is connected to the media server.</source>
        <translation>Indica si el reproductor Kavo está conectado al servidor multimedia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streamed files</source>
        <translation>Archivos transmitidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos the player handed over with &quot;Stream to ...&quot;; they are shared under &quot;%1&quot;.</source>
        <translation>Los vídeos que el reproductor entregó con «Transmitir a…»; se comparten en «%1».</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>A player is connected.</source>
        <translation>Hay un reproductor conectado.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Waiting for a player...</source>
        <translation>Esperando un reproductor…</translation>
    </message>
</context>
<context>
    <name>PlaybackControls</name>
    <message>
        <location filename="../host/playbackcontrols.cpp" line="+25"/>
        <source>Position (←/→: 5 seconds)</source>
        <translation>Posición (←/→: 5 segundos)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Volume %1% (↑/↓)</source>
        <translation>Volumen %1 % (↑/↓)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound off: click to turn it on</source>
        <translation>Sonido desactivado: haga clic para activarlo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>No sound device: videos play without sound</source>
        <translation>No hay dispositivo de sonido: los vídeos se reproducen sin sonido</translation>
    </message>
</context>
<context>
    <name>PlayerActions</name>
    <message>
        <location filename="../host/playeractions.cpp" line="+26"/>
        <source>Show Kavo To Go</source>
        <translation>Mostrar Kavo To Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Kavo To Go</source>
        <translation>Ocultar Kavo To Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to</source>
        <translation>Transferir a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Burn to Disc…</source>
        <translation>Grabar en disco…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Server Settings…</source>
        <translation>Configuración del servidor multimedia…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to Media Server</source>
        <translation>Transmitir al servidor multimedia</translation>
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
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Files handed to the transfer wizard.</source>
        <translation>Archivos entregados al asistente de transferencia.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Playlist</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Media Library</source>
        <translation>Biblioteca multimedia</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Media Folder…</source>
        <translation>&amp;Abrir carpeta multimedia…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+79"/>
        <location line="+240"/>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <location line="-314"/>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add to Play&amp;list</source>
        <translation>Añadir a la &amp;lista de reproducción</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;revious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>Si&amp;lenciar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Library</source>
        <translation>&amp;Biblioteca</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Playback</source>
        <translation>&amp;Reproducción</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Audio Track</source>
        <translation>Pista de &amp;audio</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Kavo Player</source>
        <translation>&amp;Acerca de Kavo Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavo Player</source>
        <translation>Acerca de Kavo Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Plays your videos and sends them to your devices with Kavo To Go.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Reproduce sus vídeos y los envía a sus dispositivos con Kavo To Go.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Remove from Playlist</source>
        <translation>&amp;Quitar de la lista de reproducción</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Kavo To Go: your devices (Ctrl+D)</source>
        <translation>Kavo To Go: sus dispositivos (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to the Kavo Media Server</source>
        <translation>Transmitir al servidor multimedia Kavo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Kavo To Go is not available: %1</source>
        <translation>Kavo To Go no está disponible: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+52"/>
        <source>%n video(s) in %1</source>
        <translation>
            <numerusform>%n vídeo en %1</numerusform>
            <numerusform>%n vídeos en %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Media Folder</source>
        <translation>Abrir carpeta multimedia</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nothing playing</source>
        <translation>No se está reproduciendo nada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double-click a video, or select it and press Enter, to play it.</source>
        <translation>Para reproducir un vídeo, haga doble clic en él, o selecciónelo y pulse Intro.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Now playing: %1</source>
        <translation>Reproduciendo: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing %1</source>
        <translation>Reproduciendo %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be played.
%2</source>
        <translation>No se puede reproducir «%1».
%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>No se puede reproducir «%1»: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>your Videos folder</source>
        <translation>su carpeta Vídeos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;No videos yet&lt;/b&gt;&lt;/p&gt;&lt;p&gt;There are no video files in %1.&lt;/p&gt;&lt;p&gt;Choose a folder with &lt;i&gt;File ▸ Open Media Folder…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Todavía no hay vídeos&lt;/b&gt;&lt;/p&gt;&lt;p&gt;No hay archivos de vídeo en %1.&lt;/p&gt;&lt;p&gt;Elija una carpeta con &lt;i&gt;Archivo ▸ Abrir carpeta multimedia…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>SharingSettings</name>
    <message>
        <location filename="../mediaserver/sharingsettings.cpp" line="+67"/>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>TvPanel</name>
    <message>
        <location filename="../mediaserver/tvpanel.cpp" line="+38"/>
        <source>&amp;Play on this TV</source>
        <translation>&amp;Reproducir en este televisor</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+144"/>
        <source>P&amp;ause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <location line="-143"/>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No TV found yet. Check that the TV is switched on, is on the same network as this computer, and has its DLNA or &quot;media sharing&quot; setting on.</source>
        <translation>Todavía no se ha encontrado ningún televisor. Compruebe que el televisor está encendido, que está en la misma red que este equipo y que tiene activada la opción DLNA o «uso compartido de medios».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVs</source>
        <translation>Televisores</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The TVs and players on your home network that can play a video.</source>
        <translation>Los televisores y reproductores de su red doméstica que pueden reproducir un vídeo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play on this TV</source>
        <translation>Reproducir en este televisor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Plays the video on the TV chosen in the list.</source>
        <translation>Reproduce el vídeo en el televisor elegido en la lista.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pauses the TV, or goes on playing.</source>
        <translation>Pone el televisor en pausa, o continúa la reproducción.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops playing on the TV.</source>
        <translation>Detiene la reproducción en el televisor.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Where the TV is in the video; drag to go elsewhere.</source>
        <translation>Dónde está el televisor en el vídeo; arrastre para ir a otro punto.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play on a &amp;TV:</source>
        <translation>Reproducir en un &amp;televisor:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The TV cannot play this video as it is: converting it for the TV, %1 % done.</source>
        <translation>El televisor no puede reproducir este vídeo tal cual: convirtiéndolo para el televisor, %1 % hecho.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>To play: %1</source>
        <translation>Para reproducir: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &quot;Stream to ...&quot; in the player to play a video on a TV.</source>
        <translation>Use «Transmitir a…» en el reproductor para reproducir un vídeo en un televisor.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Getting the video ready for the TV...</source>
        <translation>Preparando el vídeo para el televisor...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TV cannot play this video as it is: converting it for the TV...</source>
        <translation>El televisor no puede reproducir este vídeo tal cual: convirtiéndolo para el televisor...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on the TV: %2 of %3</source>
        <translation>%1 en el televisor: %2 de %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pl&amp;ay</source>
        <translation>Re&amp;producir</translation>
    </message>
</context>
<context>
    <name>TvStreamer</name>
    <message>
        <location filename="../mediaserver/tvstreamer.cpp" line="+35"/>
        <source>The TV left the network, or stopped answering.</source>
        <translation>El televisor salió de la red o dejó de responder.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV refused &quot;%1&quot;: %2</source>
        <translation>El televisor rechazó «%1»: %2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Sharing is off. Switch on &quot;Share my videos on the home network&quot; to play on a TV.</source>
        <translation>El uso compartido está desactivado. Active «Compartir mis vídeos en la red doméstica» para reproducir en un televisor.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV is no longer on the network.</source>
        <translation>El televisor ya no está en la red.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV could not be offered the video: check that the file is still there and that the TV is on the same network.</source>
        <translation>No se pudo ofrecer el vídeo al televisor: compruebe que el archivo sigue ahí y que el televisor está en la misma red.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The TV cannot play this kind of video, not even converted.</source>
        <translation>El televisor no puede reproducir este tipo de vídeo, ni siquiera convertido.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The video could not be converted for the TV: no room for it in %1.</source>
        <translation>No se pudo convertir el vídeo para el televisor: no hay espacio en %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+15"/>
        <source>The video could not be converted for the TV: %1</source>
        <translation>No se pudo convertir el vídeo para el televisor: %1</translation>
    </message>
</context>
<context>
    <name>UpnpServer</name>
    <message>
        <location filename="../mediaserver/upnpserver.cpp" line="+435"/>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now streaming</source>
        <translation>Transmitiendo ahora</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <location filename="../host/videoplayer.cpp" line="+49"/>
        <source>The file&apos;s format is not supported.</source>
        <translation>El formato del archivo no es compatible.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file may not be read.</source>
        <translation>No tiene permiso para leer el archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network failed.</source>
        <translation>Error de red.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
</context>
<context>
    <name>Zarnet::BurnDialog</name>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+25"/>
        <source>DVD Player</source>
        <translation>Reproductor de DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Reproductor Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Televisor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Burn to Disc</source>
        <translation>Grabar en disco</translation>
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
        <translation>DVD de doble capa (8,5 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray (25 GB)</source>
        <translation>Blu-ray (25 GB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>None: keep the disc image only</source>
        <translation>Ninguna: conservar solo la imagen de disco</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="+481"/>
        <location filename="../wizard/burndialog.cpp" line="+7"/>
        <source>Kavo Disc.iso</source>
        <translation>Disco Kavo.iso</translation>
    </message>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+1"/>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the disc image</source>
        <translation>Guardar la imagen de disco</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disc images (*.iso)</source>
        <translation>Imágenes de disco (*.iso)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is for a &amp;player:</source>
        <translation>Disco para &amp;reproductor:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;size:</source>
        <translation>&amp;Tamaño del disco:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;image:</source>
        <translation>&amp;Imagen de disco:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Burn in drive:</source>
        <translation>&amp;Grabar en la unidad:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make Disc</source>
        <translation>&amp;Crear disco</translation>
    </message>
</context>
<context>
    <name>Zarnet::CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>Reproductor de DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Reproductor Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Televisor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>Falta el nombre del dispositivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>Introduzca un nombre para este dispositivo.</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-227"/>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+24"/>
        <source>Add a Device</source>
        <translation>Añadir un dispositivo</translation>
    </message>
</context>
<context>
    <name>Zarnet::DeleteTransferDeviceDialog</name>
    <message>
        <location line="+238"/>
        <location filename="../widgets/deletetransferdevicedialog.cpp" line="+55"/>
        <source>Delete Your Device</source>
        <translation>Eliminar el dispositivo</translation>
    </message>
</context>
<context>
    <name>Zarnet::DestinationDialog</name>
    <message>
        <location filename="../wizard/destinationdialog.cpp" line="+27"/>
        <source>Where do the videos for %1 go?</source>
        <translation>¿Dónde se guardan los vídeos para %1?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No USB stick or memory card is plugged in. Plug one in, or choose a folder.</source>
        <translation>No hay ninguna memoria USB ni tarjeta de memoria conectada. Conecte una o elija una carpeta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the USB stick or memory card the device plays from, or a folder.</source>
        <translation>Elija la memoria USB o la tarjeta de memoria desde la que reproduce el dispositivo, o una carpeta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Removable drives</source>
        <translation>Unidades extraíbles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (%2, %3 free)</source>
        <translation>%1 (%2, %3 libres)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose folder…</source>
        <translation>Elegir carpeta…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferir</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no folder %1.</source>
        <translation>No existe la carpeta %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a drive that can only be read. Choose another folder.</source>
        <translation>%1 está en una unidad de solo lectura. Elija otra carpeta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The drive of %1 is full. Choose another folder, or make room.</source>
        <translation>La unidad de %1 está llena. Elija otra carpeta o libere espacio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
</context>
<context>
    <name>Zarnet::DevicePane</name>
    <message>
        <location filename="../pane/devicepane_controller.cpp" line="+128"/>
        <source>DVD Player</source>
        <translation>Lector DVD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blu-ray Player</source>
        <translation>Lector Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Televisor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The device list could not be read.</source>
        <translation>No se pudo leer la lista de dispositivos.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../widgets/transferdevicewidget.cpp" line="+234"/>
        <source>The device list is read-only.</source>
        <translation>La lista de dispositivos es de solo lectura.</translation>
    </message>
    <message>
        <location line="+352"/>
        <source>Add a Device...</source>
        <translation>Añadir un dispositivo…</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Device Not Found</source>
        <translation>No se encontró el dispositivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; no longer exists: it was deleted elsewhere.</source>
        <translation>«%1» ya no existe: se eliminó desde otro lugar.</translation>
    </message>
    <message>
        <location filename="../pane/devicepane_streaming.cpp" line="+146"/>
        <location line="+6"/>
        <source>Video Not Found</source>
        <translation>No se encontró el vídeo</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Please play a video and then select &quot;stream to&quot;</source>
        <translation>Reproduzca un vídeo y luego seleccione «Transmitir a».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File does not exist</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Of Stream To...</source>
        <translation>Error al transmitir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You must turn on sharing first</source>
        <translation>Primero debe activar el uso compartido.</translation>
    </message>
</context>
<context>
    <name>Zarnet::EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>Reproductor de DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Reproductor Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Televisor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>Falta el nombre del dispositivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>Introduzca un nombre para este dispositivo.</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-200"/>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+33"/>
        <source>Edit Your Device</source>
        <translation>Editar el dispositivo</translation>
    </message>
</context>
<context>
    <name>Zarnet::FileWorker</name>
    <message>
        <location filename="../transfer/fileworker.cpp" line="+56"/>
        <location line="+17"/>
        <source>cannot read the source: %1</source>
        <translation>no se puede leer el origen: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the source got shorter while it was copied</source>
        <translation>el origen se acortó mientras se copiaba</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>Zarnet::PartFile</name>
    <message>
        <location filename="../transfer/partfile.cpp" line="+81"/>
        <source>too many files are named like this one&apos;s part</source>
        <translation>demasiados archivos tienen el nombre del archivo parcial de este</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>another file took the name %1</source>
        <translation>otro archivo ocupó el nombre %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 was replaced by something else while it was written</source>
        <translation>%1 se reemplazó por otra cosa mientras se escribía</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the destination is full</source>
        <translation>el destino está lleno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than the destination can hold</source>
        <translation>el archivo es más grande de lo que admite el destino</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the destination is gone</source>
        <translation>el destino ya no está disponible</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the destination cannot be written: %1</source>
        <translation>no se puede escribir en el destino: %1</translation>
    </message>
</context>
<context>
    <name>Zarnet::PinnedFolder</name>
    <message>
        <location filename="../transfer/pinnedfolder.cpp" line="+40"/>
        <source>cannot open the folder %1: %2</source>
        <translation>no se puede abrir la carpeta %1: %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>cannot make a folder in %1: %2</source>
        <translation>no se puede crear una carpeta en %1: %2</translation>
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
        <translation>dividido en %1 partes de %2 como máximo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 s is too long for one file of at most %2 at a watchable quality</source>
        <translation>%1 s es demasiado para un solo archivo de %2 como máximo con una calidad aceptable</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)</source>
        <translation>unos %1 es más de lo que puede contener un archivo en FAT32 o en un disco (4 GiB - 1 byte)</translation>
    </message>
</context>
<context>
    <name>Zarnet::TargetNames</name>
    <message>
        <location filename="../transfer/targetnames.cpp" line="+104"/>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
</context>
<context>
    <name>Zarnet::ToolRun</name>
    <message>
        <location filename="../transfer/toolrun.cpp" line="+91"/>
        <source>done</source>
        <translation>finalizó</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>falló</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ended abnormally</source>
        <translation>terminó de forma anómala</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>could not be started</source>
        <translation>no se pudo iniciar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>se canceló</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gave no sign of progress and was stopped</source>
        <translation>no mostró progreso y se detuvo</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 failed (exit %2)</source>
        <translation>%1 falló (código de salida %2)</translation>
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
        <translation>Reproductor de DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Reproductor Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Televisor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>This %1 does not play %2 video: converting it to %3.</source>
        <translation>Este dispositivo (%1) no reproduce vídeo en formato %2: se convierte a %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This %1 does not play %2: converting the video to plain %3.</source>
        <translation>Este dispositivo (%1) no admite lo siguiente: %2. El vídeo se convierte a %3 sencillo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 video is not H.264</source>
        <translation>el vídeo en formato %1 no es H.264</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>H.264 in the %1 profile</source>
        <translation>H.264 con el perfil %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 profile %1 is beyond High</source>
        <translation>el perfil H.264 %1 supera High</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>H.264 this demanding (level %1)</source>
        <translation>H.264 tan exigente (nivel %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 level %1 is over %2</source>
        <translation>el nivel H.264 %1 supera %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 video is not MPEG-4 ASP</source>
        <translation>el vídeo en formato %1 no es MPEG-4 ASP</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>this many B-frames in a row</source>
        <translation>tantos fotogramas B seguidos</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>more than %1 B-frame in a row</source>
        <translation>más de %1 fotograma B seguido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quarter-pixel motion</source>
        <translation>movimiento de cuarto de píxel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QPel (quarter-pixel motion) is not played</source>
        <translation>QPel (movimiento de cuarto de píxel) no se admite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>global motion compensation</source>
        <translation>compensación de movimiento global</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMC (global motion compensation) is not played</source>
        <translation>GMC (compensación de movimiento global) no se admite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 B-frames in a row are more than %2</source>
        <translation>%1 fotogramas B seguidos son más de %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this kind of colour (10-bit, or finer than 4:2:0)</source>
        <translation>este tipo de color (10 bits o más fino que 4:2:0)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pixel format %1 is not 8-bit 4:2:0</source>
        <translation>el formato de píxel %1 no es 8 bits 4:2:0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play pictures this large or this fast: converting the video to one it plays.</source>
        <translation>Este dispositivo (%1) no reproduce imágenes tan grandes o tan rápidas: el vídeo se convierte a uno que pueda reproducir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1×%2 at %3 fps is over %4×%5 at %6 fps and %7×%8 at %9 fps</source>
        <translation>%1×%2 a %3 fps supera %4×%5 a %6 fps y %7×%8 a %9 fps</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The video holds more data per second than this %1 reads: converting it to less.</source>
        <translation>El vídeo contiene más datos por segundo de los que lee este dispositivo (%1): se convierte a una tasa menor.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kb/s is over the %2 kb/s it plays</source>
        <translation>%1 kb/s supera los %2 kb/s que admite</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This %1 does not play %2 sound: converting the sound to %3.</source>
        <translation>Este dispositivo (%1) no reproduce sonido en formato %2: el sonido se convierte a %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 audio is not %2</source>
        <translation>el audio %1 no es %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 plays stereo sound only: mixing the %2 channels down to two.</source>
        <translation>Este dispositivo (%1) solo reproduce sonido estéreo: los %2 canales se mezclan en dos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channels are more than stereo</source>
        <translation>%1 canales son más que estéreo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play this kind of AAC sound: converting it to plain AAC.</source>
        <translation>Este dispositivo (%1) no reproduce este tipo de sonido AAC: se convierte a AAC sencillo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>AAC %1 is not AAC-LC</source>
        <translation>AAC %1 no es AAC-LC</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+39"/>
        <source>track %1</source>
        <translation>pista %1</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>sound: %1 first</source>
        <translation>sonido: primero %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left out, as AVI holds one sound track: %1</source>
        <translation>omitidas, ya que AVI solo admite una pista de audio: %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>other subtitles left out, as one .srt file is read: %1</source>
        <translation>otros subtítulos omitidos, ya que se lee un solo archivo .srt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>image subtitles left out: they are not text, and not burned in</source>
        <translation>subtítulos de imagen omitidos: no son texto y no se incrustan</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles stay as they are: not burned in</source>
        <translation>los subtítulos de imagen se mantienen tal cual: no se incrustan</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles left out: not burned in, MP4 cannot carry them</source>
        <translation>subtítulos de imagen omitidos: no se incrustan y MP4 no puede contenerlos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>image subtitles carried as they are: not burned in</source>
        <translation>subtítulos de imagen conservados tal cual: no se incrustan</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: not burned in, %1 cannot carry them</source>
        <translation>subtítulos omitidos: no se incrustan y %1 no puede contenerlos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles left out: %1 cannot carry them</source>
        <translation>subtítulos omitidos: %1 no puede contenerlos</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the source is damaged: the decoder met errors in it</source>
        <translation>el origen está dañado: el descodificador encontró errores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the source is damaged: %1 s of %2 s could be read</source>
        <translation>el origen está dañado: se pudieron leer %1 s de %2 s</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>subtitles (%1) written beside it as a .srt file</source>
        <translation>subtítulos (%1) escritos al lado como archivo .srt</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>This %1 does not play %2 files: putting the video, unchanged, into %3.</source>
        <translation>Este dispositivo (%1) no reproduce archivos %2: el vídeo se coloca, sin cambios, en %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not played</source>
        <translation>%1 no se admite</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This %1 looks for videos tagged as DivX: tagging it so, unchanged.</source>
        <translation>Este dispositivo (%1) busca vídeos etiquetados como DivX: se etiqueta así, sin más cambios.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FourCC %1 is not %2</source>
        <translation>FourCC %1 no es %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The video is filmed turned and only tagged to be shown upright, which this %1 ignores: converting it, turned upright.</source>
        <translation>El vídeo se grabó girado y solo tiene una etiqueta para mostrarse derecho, algo que este dispositivo (%1) ignora: se convierte, girado a la posición correcta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rotation %1° is only a tag</source>
        <translation>la rotación de %1° es solo una etiqueta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This %1 plays it as it is: copying it unchanged.</source>
        <translation>Este dispositivo (%1) lo reproduce tal cual: se copia sin cambios.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with %2 and %3 plays as it is</source>
        <translation>%1 con %2 y %3 se reproduce tal cual</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with %2 plays as it is</source>
        <translation>%1 con %2 se reproduce tal cual</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: audio re-encoded</source>
        <translation>%1: audio recodificado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture stays as it is.</source>
        <translation>La imagen se mantiene tal cual.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the video is kept</source>
        <translation>%1; el vídeo se conserva</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>interlaced: made progressive</source>
        <translation>entrelazado: convertido a progresivo</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDeviceWidget</name>
    <message>
        <location filename="../widgets/transferdevicewidget.cpp" line="-209"/>
        <source>DVD Player</source>
        <translation>Reproductor de DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Reproductor Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Televisor</translation>
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
        <translation>Transferir vídeos a «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../widgets/transferdevicewidget_drop.cpp" line="+79"/>
        <source>File Not Found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file no longer exists.</source>
        <translation>Este archivo ya no existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files Not Found</source>
        <translation>No se encontraron los archivos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files no longer exist.</source>
        <translation>Estos archivos ya no existen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized File</source>
        <translation>Archivo no reconocido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file was not recognized.</source>
        <translation>No se reconoció este archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized Files</source>
        <translation>Archivos no reconocidos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files were not recognized.</source>
        <translation>No se reconocieron estos archivos.</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferEngine</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="+110"/>
        <source>this transfer has started already</source>
        <translation>esta transferencia ya se ha iniciado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown device type %1</source>
        <translation>tipo de dispositivo desconocido %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no files to transfer</source>
        <translation>no hay archivos que transferir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no disc image named</source>
        <translation>no se indicó un nombre para la imagen de disco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disc image&apos;s folder does not exist</source>
        <translation>la carpeta de la imagen de disco no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the destination folder does not exist</source>
        <translation>la carpeta de destino no existe</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The destination is no longer there.</source>
        <translation>El destino ya no está disponible.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The USB stick “%1” was removed.</source>
        <translation>Se quitó la memoria USB «%1».</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_image.cpp" line="+18"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a CD</source>
        <translation>un CD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a DVD</source>
        <translation>un DVD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a dual-layer DVD</source>
        <translation>un DVD de doble capa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a Blu-ray disc</source>
        <translation>un disco Blu-ray</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>about %1 does not fit on %2 (%3)</source>
        <translation>unos %1 no caben en %2 (%3)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot make a folder beside the disc image: %1</source>
        <translation>no se puede crear una carpeta junto a la imagen de disco: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no file could be put on the disc image</source>
        <translation>no se pudo incluir ningún archivo en la imagen de disco</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+45"/>
        <source>cannot write the disc image: %1</source>
        <translation>no se puede escribir la imagen de disco: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_plan.cpp" line="+35"/>
        <source>It is too long for one file on this device: splitting it, unchanged, into %1 parts.</source>
        <translation>Es demasiado largo para un solo archivo en este dispositivo: se divide, sin cambios, en %1 partes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: the video is split into parts</source>
        <translation>subtítulos omitidos: el vídeo se divide en partes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1; the name is not UTF-8: rewritten, unchanged, to be put on the disc</source>
        <translation>%1; el nombre no está en UTF-8: reescrito, sin cambios, para grabarlo en el disco</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>already on the device</source>
        <translation>ya está en el dispositivo</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_probe.cpp" line="+39"/>
        <source>the source does not exist</source>
        <translation>el origen no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a video: not a file</source>
        <translation>no es un vídeo: no es un archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the source</source>
        <translation>no se puede leer el origen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>not a video: %1</source>
        <translation>no es un vídeo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe read nothing from it for %1 s</source>
        <translation>ffprobe no leyó nada durante %1 s</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>QPel, GMC and B-frame runs not checked: %1</source>
        <translation>QPel, GMC y secuencias de fotogramas B sin comprobar: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no VOL header in the stream</source>
        <translation>no hay encabezado VOL en la secuencia</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>interlacing not checked: %1</source>
        <translation>entrelazado sin comprobar: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_write.cpp" line="+57"/>
        <source>The destination is full: %1 needed, %2 free.</source>
        <translation>El destino está lleno: se necesitan %1 y hay %2 libres.</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>ffmpeg wrote nothing</source>
        <translation>ffmpeg no escribió nada</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferProgress</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="-129"/>
        <source>probing</source>
        <translation>analizando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting</source>
        <translation>convirtiendo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copying</source>
        <translation>copiando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writing out</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>making the image</source>
        <translation>creando la imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>arrived</source>
        <translation>llegó</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>falló</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardDialog</name>
    <message>
        <location filename="../zrt/transferwizarddialog.cpp" line="+16"/>
        <source>Transfer Wizard</source>
        <translation>Asistente de transferencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn to disc</source>
        <translation>Grabar en disco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to device %1</source>
        <translation>Transferir al dispositivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transfer wizard (kavo-transfer) is not installed, so these files cannot be transferred.</source>
        <translation>El asistente de transferencia (kavo-transfer) no está instalado, por lo que no se pueden transferir estos archivos.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(choose files to add)</source>
        <translation>(elija los archivos que desea añadir)</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardWindow</name>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+44"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remux</source>
        <translation>Reempaquetar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>DVD Player</source>
        <translation>Reproductor de DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Reproductor Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Televisor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+76"/>
        <source>%1× real time</source>
        <translation>%1× tiempo real</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>C&amp;hange…</source>
        <translation>Ca&amp;mbiar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Another Folder…</source>
        <translation>&amp;Elegir otra carpeta…</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+236"/>
        <source>&amp;Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Send Again</source>
        <translation>&amp;Enviar de nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open folder</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-20"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Burn to Disc</source>
        <translation>Grabar en disco</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-166"/>
        <source>Transfer Videos</source>
        <translation>Transferir vídeos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Overall progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Change the destination</source>
        <translation>Cambiar el destino</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Send again what is already on the device</source>
        <translation>Enviar de nuevo lo que ya está en el dispositivo</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: waiting</source>
        <translation>%1: en espera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the videos to transfer</source>
        <translation>Elegir los vídeos que transferir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;All files (*)</source>
        <translation>Vídeos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No videos were chosen.</source>
        <translation>No se eligió ningún vídeo.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-22"/>
        <source>The list of devices cannot be read, so nothing was transferred.</source>
        <translation>No se puede leer la lista de dispositivos, por lo que no se transfirió nada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is no longer in the list, so nothing was transferred.</source>
        <translation>Este dispositivo ya no está en la lista, por lo que no se transfirió nada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is of a kind this version does not know, so nothing was transferred.</source>
        <translation>Esta versión no conoce el tipo de este dispositivo, por lo que no se transfirió nada.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <location line="+160"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>%n vídeo a %1</numerusform>
            <numerusform>%n vídeos a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <location line="+160"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>Transfiriendo %n vídeo a %1</numerusform>
            <numerusform>Transfiriendo %n vídeos a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vídeo</numerusform>
            <numerusform>%n vídeos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>un disco de %n vídeo para %1</numerusform>
            <numerusform>un disco de %n vídeos para %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Making a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>Creando un disco de %n vídeo para %1</numerusform>
            <numerusform>Creando un disco de %n vídeos para %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+148"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>Llegó %1 de %n vídeo a %2.</numerusform>
            <numerusform>Llegaron %1 de %n vídeos a %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n was there already.</source>
        <translation>
            <numerusform>%n ya estaba allí.</numerusform>
            <numerusform>%n ya estaban allí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>Llegó %1 de %n vídeo</numerusform>
            <numerusform>Llegaron %1 de %n vídeos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-191"/>
        <source>The USB stick “%1” that %2 plays from is not plugged in.</source>
        <translation>La memoria USB «%1» desde la que reproduce %2 no está conectada.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Wait for It</source>
        <translation>&amp;Esperar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose Another…</source>
        <translation>Elegir &amp;otra carpeta…</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+14"/>
        <location line="+131"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+11"/>
        <location line="+16"/>
        <source>Nothing was transferred.</source>
        <translation>No se transfirió nada.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-5"/>
        <source>The folder chosen before, %1, is gone.</source>
        <translation>La carpeta elegida anteriormente, %1, ya no existe.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was transferred: %1</source>
        <translation>No se transfirió nada: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Stopping, to start again in %1…</source>
        <translation>Deteniendo, para volver a empezar en %1…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nothing is left to send; the next transfer goes to %1.</source>
        <translation>No queda nada por enviar; la próxima transferencia irá a %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The next transfer goes to %1.</source>
        <translation>La próxima transferencia irá a %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 had arrived in %2 before the change.</source>
        <translation>%1 había llegado a %2 antes del cambio.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The destination %1 is no longer there, so nothing was transferred.</source>
        <translation>El destino %1 ya no está disponible, por lo que no se transfirió nada.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Wait for “%1”</source>
        <translation>Es&amp;perar a «%1»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Plug “%1” back in and press Wait to send the %2 that did not arrive, or choose another folder.</source>
        <translation>Vuelva a conectar «%1» y pulse Esperar para enviar lo que no llegó (%2), o elija otra carpeta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did not arrive because of the destination: try again, or choose another folder.</source>
        <translation>No llegaron debido al destino: %1. Vuelva a intentarlo o elija otra carpeta.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Waiting for the USB stick “%1”. Plug it in, or press Cancel.</source>
        <translation>Esperando la memoria USB «%1». Conéctela o pulse Cancelar.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="-11"/>
        <source>No disc was made.</source>
        <translation>No se creó ningún disco.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="-125"/>
        <source>Disc image: %1</source>
        <translation>Imagen de disco: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Destination: %1</source>
        <translation>Destino: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The transfer could not start: %1</source>
        <translation>No se pudo iniciar la transferencia: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1: %2, %3 percent</source>
        <translation>%1: %2, %3 por ciento</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Making the disc image %1</source>
        <translation>Creando la imagen de disco %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 % — %2</source>
        <translation>%1 % — %2</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="-141"/>
        <source>On the disc</source>
        <translation>En el disco</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrived</source>
        <translation>Llegó</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Arrived, but %1</source>
        <translation>Llegó, pero %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+118"/>
        <location line="+12"/>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <location line="-127"/>
        <location line="+122"/>
        <source>Already on the device</source>
        <translation>Ya está en el dispositivo</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Already on the device as %1</source>
        <translation>Ya está en el dispositivo como %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>✗ %1 is on the disc as %2, but differs there from the image</source>
        <translation>✗ %1 está en el disco como %2, pero difiere de la imagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check failed</source>
        <translation>Error de comprobación</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>✓ %1 is on the disc as %2</source>
        <translation>✓ %1 está en el disco como %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>✓ %1 arrived as %2</source>
        <translation>✓ %1 llegó como %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>= %1 is already on the device as %2</source>
        <translation>= %1 ya está en el dispositivo como %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>✗ %1 failed: %2</source>
        <translation>✗ %1 falló: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>– %1 was stopped; nothing of it was left behind</source>
        <translation>– %1 se detuvo; no quedó nada de él</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disc image was not made: %1</source>
        <translation>No se creó la imagen de disco: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image %1 is ready.</source>
        <translation>La imagen de disco %1 está lista.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image was not made.</source>
        <translation>No se creó la imagen de disco.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+19"/>
        <source>Checking the disc in %1…</source>
        <translation>Comprobando el disco en %1…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Burning the disc in %1…</source>
        <translation>Grabando el disco en %1…</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The disc was burned, but its check failed: it differs from the image in %1.</source>
        <translation>El disco se grabó, pero la comprobación falló: difiere de la imagen en %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc was burned, but its check failed: %1</source>
        <translation>El disco se grabó, pero la comprobación falló: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc was not burned: %1</source>
        <translation>El disco no se grabó: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but not checked: the run was stopped.</source>
        <translation>El disco se grabó, pero no se comprobó: el proceso se detuvo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but its check failed: it holds no checksums to check.</source>
        <translation>El disco se grabó, pero la comprobación falló: no contiene sumas de comprobación.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disc in %1 was burned and checked.</source>
        <translation>El disco en %1 se grabó y se comprobó.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+21"/>
        <source>The disc is ready</source>
        <translation>El disco está listo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The disc image is ready</source>
        <translation>La imagen de disco está lista</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc image is ready; the disc is not</source>
        <translation>La imagen de disco está lista, pero el disco no</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <source>No disc was made</source>
        <translation>No se creó ningún disco</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1, %2 there already</source>
        <translation>%1, %2 ya estaban allí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped — %1</source>
        <translation>Detenido — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Nothing arrived</source>
        <translation>No llegó nada</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>No program to show folders is installed. The files are in %1</source>
        <translation>No hay ningún programa instalado para mostrar carpetas. Los archivos están en %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not transferred</source>
        <translation>No transferido</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+26"/>
        <source>Stop making the disc? Nothing of it is kept.</source>
        <translation>¿Detener la creación del disco? No se conservará nada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop the transfer? The videos that arrived stay; the one on its way is removed.</source>
        <translation>¿Detener la transferencia? Los vídeos que ya llegaron se conservan; el que se está transfiriendo se elimina.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go On</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
</TS>
