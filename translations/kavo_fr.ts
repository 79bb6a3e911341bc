<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AudioTrackPlayer</name>
    <message>
        <location filename="../host/audiotrackplayer.cpp" line="+266"/>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
</context>
<context>
    <name>CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.ui" line="+17"/>
        <source>Add a Device</source>
        <translation>Ajouter un appareil</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please choose the type of Kavo Certified device you would like to add, and personalize your device by giving it a name, such as &quot;Bedroom DVD Player&quot; (maximum of 20 characters).</source>
        <translation>Choisissez le type d’appareil certifié Kavo que vous souhaitez ajouter, puis personnalisez votre appareil en lui donnant un nom, par exemple «&#xa0;Lecteur DVD chambre&#xa0;» (20 caractères maximum).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>Type d’appareil&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>Nom de l’appareil&#xa0;:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to you Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Si vous prévoyez de transférer une vidéo Kavo VOD pour la lire sur cet appareil, enregistrez d’abord votre appareil dans votre compte Kavo VOD. Si vous avez déjà enregistré votre appareil certifié Kavo, vous pouvez ignorer cette étape.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>Enregistrer maintenant</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Add Device</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DeleteTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/deletetransferdevicedialog.ui" line="+17"/>
        <source>Delete Your Device</source>
        <translation>Supprimer l’appareil</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Are you sure you wish to delete your device &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer l’appareil «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do not ask me again</source>
        <translation>Ne plus me demander</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DeviceButton</name>
    <message>
        <location filename="../widgets/devicebutton.ui" line="+20"/>
        <source>Unused</source>
        <translation>Inutilisé</translation>
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
        <translation>Glissez les fichiers ci-dessous…</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>Add a Device</source>
        <translation>Ajouter un appareil</translation>
    </message>
</context>
<context>
    <name>EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.ui" line="+17"/>
        <source>Edit Your Device</source>
        <translation>Modifier l’appareil</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>You may change the type or name of this Kavo Certified device (maximum of 20 characters).</source>
        <translation>Vous pouvez modifier le type ou le nom de cet appareil certifié Kavo (20 caractères maximum).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>Type d’appareil&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>Nom de l’appareil&#xa0;:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to your Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Si vous prévoyez de transférer une vidéo Kavo VOD pour la lire sur cet appareil, enregistrez d’abord votre appareil dans votre compte Kavo VOD. Si vous avez déjà enregistré votre appareil certifié Kavo, vous pouvez ignorer cette étape.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>Enregistrer maintenant</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Diffuser vers…</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>MediaServerWindow</name>
    <message>
        <location filename="../mediaserver/mediaserverwindow.cpp" line="+29"/>
        <source>Share my videos on the home network</source>
        <translation>Partager mes vidéos sur le réseau domestique</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kavo Media Server</source>
        <translation>Serveur multimédia Kavo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Streamed files:</source>
        <translation>Fichiers diffusés&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name on the network:</source>
        <translation>&amp;Nom sur le réseau&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share my videos</source>
        <translation>Partager mes vidéos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>While this is on, TVs and players on your home network can find and play your videos.</source>
        <translation>Tant que cette option est activée, les téléviseurs et lecteurs de votre réseau domestique peuvent trouver et lire vos vidéos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name on the network</source>
        <translation>Nom sur le réseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name TVs and players show for this computer&apos;s videos. Leave it empty for the usual one.</source>
        <translation>Le nom sous lequel les téléviseurs et lecteurs affichent les vidéos de cet ordinateur. Laissez vide pour utiliser le nom par défaut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player connection</source>
        <translation>Connexion du lecteur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether the Kavo player is connected to the media server.</source>
        <translation>Indique si le lecteur Kavo est connecté au serveur multimédia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streamed files</source>
        <translation>Fichiers diffusés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos the player handed over with &quot;Stream to ...&quot;; they are shared under &quot;%1&quot;.</source>
        <translation>Les vidéos transmises par le lecteur avec «&#xa0;Diffuser vers…&#xa0;»&#xa0;; elles sont partagées sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>A player is connected.</source>
        <translation>Un lecteur est connecté.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Waiting for a player...</source>
        <translation>En attente d’un lecteur…</translation>
    </message>
</context>
<context>
    <name>PlaybackControls</name>
    <message>
        <location filename="../host/playbackcontrols.cpp" line="+25"/>
        <source>Position (←/→: 5 seconds)</source>
        <translation>Position (←/→&#xa0;: 5 secondes)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Volume %1% (↑/↓)</source>
        <translation>Volume %1&#xa0;% (↑/↓)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound off: click to turn it on</source>
        <translation>Son coupé&#xa0;: cliquez pour le rétablir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>No sound device: videos play without sound</source>
        <translation>Aucun périphérique audio&#xa0;: les vidéos sont lues sans son</translation>
    </message>
</context>
<context>
    <name>PlayerActions</name>
    <message>
        <location filename="../host/playeractions.cpp" line="+26"/>
        <source>Show Kavo To Go</source>
        <translation>Afficher Kavo To Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Kavo To Go</source>
        <translation>Masquer Kavo To Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to</source>
        <translation>Transférer vers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Burn to Disc…</source>
        <translation>Graver sur disque…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Server Settings…</source>
        <translation>Paramètres du serveur multimédia…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to Media Server</source>
        <translation>Diffuser vers le serveur multimédia</translation>
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
        <translation>Prêt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Files handed to the transfer wizard.</source>
        <translation>Fichiers transmis à l’assistant de transfert.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Media Library</source>
        <translation>Médiathèque</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Media Folder…</source>
        <translation>&amp;Ouvrir un dossier multimédia…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+79"/>
        <location line="+240"/>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <location line="-314"/>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add to Play&amp;list</source>
        <translation>A&amp;jouter à la liste de lecture</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;revious</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation>Plei&amp;n écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>&amp;Muet</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Library</source>
        <translation>&amp;Bibliothèque</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Playback</source>
        <translation>L&amp;ecture</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Audio Track</source>
        <translation>Piste &amp;audio</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Kavo Player</source>
        <translation>&amp;À propos de Kavo Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavo Player</source>
        <translation>À propos de Kavo Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Plays your videos and sends them to your devices with Kavo To Go.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Lit vos vidéos et les envoie vers vos appareils avec Kavo To Go.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Remove from Playlist</source>
        <translation>&amp;Supprimer de la liste de lecture</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Kavo To Go: your devices (Ctrl+D)</source>
        <translation>Kavo To Go&#xa0;: vos appareils (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to the Kavo Media Server</source>
        <translation>Diffuser vers le serveur multimédia Kavo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Kavo To Go is not available: %1</source>
        <translation>Kavo To Go n’est pas disponible&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+52"/>
        <source>%n video(s) in %1</source>
        <translation>
            <numerusform>%n vidéo dans %1</numerusform>
            <numerusform>%n vidéos dans %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Media Folder</source>
        <translation>Ouvrir un dossier multimédia</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nothing playing</source>
        <translation>Aucune lecture en cours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double-click a video, or select it and press Enter, to play it.</source>
        <translation>Pour lire une vidéo, double-cliquez dessus, ou sélectionnez-la et appuyez sur Entrée.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Now playing: %1</source>
        <translation>En lecture&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be played.
%2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>your Videos folder</source>
        <translation>votre dossier Vidéos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;No videos yet&lt;/b&gt;&lt;/p&gt;&lt;p&gt;There are no video files in %1.&lt;/p&gt;&lt;p&gt;Choose a folder with &lt;i&gt;File ▸ Open Media Folder…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Aucune vidéo pour l’instant&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Il n’y a aucun fichier vidéo dans %1.&lt;/p&gt;&lt;p&gt;Choisissez un dossier avec &lt;i&gt;Fichier ▸ Ouvrir un dossier multimédia…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>SharingSettings</name>
    <message>
        <location filename="../mediaserver/sharingsettings.cpp" line="+67"/>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>TvPanel</name>
    <message>
        <location filename="../mediaserver/tvpanel.cpp" line="+38"/>
        <source>&amp;Play on this TV</source>
        <translation>&amp;Lire sur ce téléviseur</translation>
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
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No TV found yet. Check that the TV is switched on, is on the same network as this computer, and has its DLNA or &quot;media sharing&quot; setting on.</source>
        <translation>Aucun téléviseur trouvé pour l’instant. Vérifiez que le téléviseur est allumé, qu’il est sur le même réseau que cet ordinateur et que son option DLNA ou «&#xa0;partage de médias&#xa0;» est activée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVs</source>
        <translation>Téléviseurs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The TVs and players on your home network that can play a video.</source>
        <translation>Les téléviseurs et lecteurs de votre réseau domestique qui peuvent lire une vidéo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play on this TV</source>
        <translation>Lire sur ce téléviseur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Plays the video on the TV chosen in the list.</source>
        <translation>Lit la vidéo sur le téléviseur choisi dans la liste.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pauses the TV, or goes on playing.</source>
        <translation>Met le téléviseur en pause, ou reprend la lecture.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops playing on the TV.</source>
        <translation>Arrête la lecture sur le téléviseur.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Where the TV is in the video; drag to go elsewhere.</source>
        <translation>Position du téléviseur dans la vidéo&#xa0;; faites glisser pour aller ailleurs.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play on a &amp;TV:</source>
        <translation>Lire sur un &amp;téléviseur&#xa0;:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The TV cannot play this video as it is: converting it for the TV, %1 % done.</source>
        <translation>Le téléviseur ne peut pas lire cette vidéo telle quelle&#xa0;: conversion pour le téléviseur, %1&#xa0;% effectués.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>To play: %1</source>
        <translation>À lire&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &quot;Stream to ...&quot; in the player to play a video on a TV.</source>
        <translation>Utilisez «&#xa0;Diffuser vers…&#xa0;» dans le lecteur pour lire une vidéo sur un téléviseur.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Getting the video ready for the TV...</source>
        <translation>Préparation de la vidéo pour le téléviseur...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TV cannot play this video as it is: converting it for the TV...</source>
        <translation>Le téléviseur ne peut pas lire cette vidéo telle quelle&#xa0;: conversion pour le téléviseur...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on the TV: %2 of %3</source>
        <translation>%1 sur le téléviseur&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pl&amp;ay</source>
        <translation>Re&amp;prendre</translation>
    </message>
</context>
<context>
    <name>TvStreamer</name>
    <message>
        <location filename="../mediaserver/tvstreamer.cpp" line="+35"/>
        <source>The TV left the network, or stopped answering.</source>
        <translation>Le téléviseur a quitté le réseau, ou ne répond plus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV refused &quot;%1&quot;: %2</source>
        <translation>Le téléviseur a refusé «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Sharing is off. Switch on &quot;Share my videos on the home network&quot; to play on a TV.</source>
        <translation>Le partage est désactivé. Activez «&#xa0;Partager mes vidéos sur le réseau domestique&#xa0;» pour lire sur un téléviseur.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV is no longer on the network.</source>
        <translation>Le téléviseur n’est plus sur le réseau.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV could not be offered the video: check that the file is still there and that the TV is on the same network.</source>
        <translation>Impossible de proposer la vidéo au téléviseur&#xa0;: vérifiez que le fichier est toujours là et que le téléviseur est sur le même réseau.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The TV cannot play this kind of video, not even converted.</source>
        <translation>Le téléviseur ne peut pas lire ce type de vidéo, même convertie.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The video could not be converted for the TV: no room for it in %1.</source>
        <translation>Impossible de convertir la vidéo pour le téléviseur&#xa0;: pas de place dans %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+15"/>
        <source>The video could not be converted for the TV: %1</source>
        <translation>Impossible de convertir la vidéo pour le téléviseur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>UpnpServer</name>
    <message>
        <location filename="../mediaserver/upnpserver.cpp" line="+435"/>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now streaming</source>
        <translation>En cours de diffusion</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <location filename="../host/videoplayer.cpp" line="+49"/>
        <source>The file&apos;s format is not supported.</source>
        <translation>Le format du fichier n’est pas pris en charge.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file may not be read.</source>
        <translation>Vous n’êtes pas autorisé à lire ce fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network failed.</source>
        <translation>Erreur réseau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
</context>
<context>
    <name>Zarnet::BurnDialog</name>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+25"/>
        <source>DVD Player</source>
        <translation>Lecteur DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Lecteur Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Téléviseur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Burn to Disc</source>
        <translation>Graver sur disque</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>CD (700 MB)</source>
        <translation>CD (700 Mo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD (4.7 GB)</source>
        <translation>DVD (4,7 Go)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD dual layer (8.5 GB)</source>
        <translation>DVD double couche (8,5 Go)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray (25 GB)</source>
        <translation>Blu-ray (25 Go)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>None: keep the disc image only</source>
        <translation>Aucun&#xa0;: conserver uniquement l’image disque</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="+481"/>
        <location filename="../wizard/burndialog.cpp" line="+7"/>
        <source>Kavo Disc.iso</source>
        <translation>Disque Kavo.iso</translation>
    </message>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+1"/>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the disc image</source>
        <translation>Enregistrer l’image disque</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disc images (*.iso)</source>
        <translation>Images disque (*.iso)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is for a &amp;player:</source>
        <translation>Disque destiné à un &amp;lecteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;size:</source>
        <translation>&amp;Taille du disque&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;image:</source>
        <translation>&amp;Image disque&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Burn in drive:</source>
        <translation>&amp;Graver dans le lecteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make Disc</source>
        <translation>&amp;Créer le disque</translation>
    </message>
</context>
<context>
    <name>Zarnet::CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>Lecteur DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Lecteur Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Téléviseur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>Nom de l’appareil requis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>Veuillez saisir un nom pour cet appareil.</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-227"/>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+24"/>
        <source>Add a Device</source>
        <translation>Ajouter un appareil</translation>
    </message>
</context>
<context>
    <name>Zarnet::DeleteTransferDeviceDialog</name>
    <message>
        <location line="+238"/>
        <location filename="../widgets/deletetransferdevicedialog.cpp" line="+55"/>
        <source>Delete Your Device</source>
        <translation>Supprimer l’appareil</translation>
    </message>
</context>
<context>
    <name>Zarnet::DestinationDialog</name>
    <message>
        <location filename="../wizard/destinationdialog.cpp" line="+27"/>
        <source>Where do the videos for %1 go?</source>
        <translation>Où placer les vidéos pour %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No USB stick or memory card is plugged in. Plug one in, or choose a folder.</source>
        <translation>Aucune clé USB ni carte mémoire n’est branchée. Branchez-en une ou choisissez un dossier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the USB stick or memory card the device plays from, or a folder.</source>
        <translation>Choisissez la clé USB ou la carte mémoire que lit l’appareil, ou un dossier.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Removable drives</source>
        <translation>Lecteurs amovibles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (%2, %3 free)</source>
        <translation>%1 (%2, %3 libres)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Transférer</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no folder %1.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a drive that can only be read. Choose another folder.</source>
        <translation>%1 se trouve sur un lecteur en lecture seule. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The drive of %1 is full. Choose another folder, or make room.</source>
        <translation>Le lecteur de %1 est plein. Choisissez un autre dossier ou libérez de l’espace.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose folder</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>Zarnet::DevicePane</name>
    <message>
        <location filename="../pane/devicepane_controller.cpp" line="+128"/>
        <source>DVD Player</source>
        <translation>Lecteur DVD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blu-ray Player</source>
        <translation>Lecteur BD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Téléviseur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The device list could not be read.</source>
        <translation>Impossible de lire la liste des appareils.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../widgets/transferdevicewidget.cpp" line="+234"/>
        <source>The device list is read-only.</source>
        <translation>La liste des appareils est en lecture seule.</translation>
    </message>
    <message>
        <location line="+352"/>
        <source>Add a Device...</source>
        <translation>Ajouter un appareil…</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Device Not Found</source>
        <translation>Appareil introuvable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; no longer exists: it was deleted elsewhere.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe plus&#xa0;: l’appareil a été supprimé ailleurs.</translation>
    </message>
    <message>
        <location filename="../pane/devicepane_streaming.cpp" line="+146"/>
        <location line="+6"/>
        <source>Video Not Found</source>
        <translation>Vidéo introuvable</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Please play a video and then select &quot;stream to&quot;</source>
        <translation>Lisez une vidéo, puis choisissez «&#xa0;Diffuser vers&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File does not exist</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Of Stream To...</source>
        <translation>Erreur de diffusion</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You must turn on sharing first</source>
        <translation>Vous devez d’abord activer le partage.</translation>
    </message>
</context>
<context>
    <name>Zarnet::EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>Lecteur DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Lecteur Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Téléviseur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>Nom de l’appareil requis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>Veuillez saisir un nom pour cet appareil.</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-200"/>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+33"/>
        <source>Edit Your Device</source>
        <translation>Modifier l’appareil</translation>
    </message>
</context>
<context>
    <name>Zarnet::FileWorker</name>
    <message>
        <location filename="../transfer/fileworker.cpp" line="+56"/>
        <location line="+17"/>
        <source>cannot read the source: %1</source>
        <translation>impossible de lire la source&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the source got shorter while it was copied</source>
        <translation>la source a raccourci pendant la copie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>Zarnet::PartFile</name>
    <message>
        <location filename="../transfer/partfile.cpp" line="+81"/>
        <source>too many files are named like this one&apos;s part</source>
        <translation>trop de fichiers portent le nom du fichier partiel de celui-ci</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>another file took the name %1</source>
        <translation>un autre fichier a pris le nom %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 was replaced by something else while it was written</source>
        <translation>%1 a été remplacé par autre chose pendant l’écriture</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the destination is full</source>
        <translation>la destination est pleine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than the destination can hold</source>
        <translation>le fichier est plus grand que ce que la destination peut contenir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the destination is gone</source>
        <translation>la destination a disparu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the destination cannot be written: %1</source>
        <translation>impossible d’écrire dans la destination&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Zarnet::PinnedFolder</name>
    <message>
        <location filename="../transfer/pinnedfolder.cpp" line="+40"/>
        <source>cannot open the folder %1: %2</source>
        <translation>impossible d’ouvrir le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>cannot make a folder in %1: %2</source>
        <translation>impossible de créer un dossier dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Zarnet::SizePlan</name>
    <message>
        <location filename="../transfer/sizeplan.cpp" line="+10"/>
        <source>%1 GiB</source>
        <translation>%1 Gio</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>split into %1 parts of at most %2</source>
        <translation>découpé en %1 parties de %2 au maximum</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 s is too long for one file of at most %2 at a watchable quality</source>
        <translation>%1 s, c’est trop long pour un seul fichier de %2 au maximum avec une qualité regardable</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)</source>
        <translation>environ %1, c’est plus que ce qu’un fichier peut contenir sur FAT32 ou sur un disque (4 Gio - 1 octet)</translation>
    </message>
</context>
<context>
    <name>Zarnet::TargetNames</name>
    <message>
        <location filename="../transfer/targetnames.cpp" line="+104"/>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
</context>
<context>
    <name>Zarnet::ToolRun</name>
    <message>
        <location filename="../transfer/toolrun.cpp" line="+91"/>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>a échoué</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ended abnormally</source>
        <translation>s’est terminé anormalement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>could not be started</source>
        <translation>n’a pas pu être démarré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gave no sign of progress and was stopped</source>
        <translation>ne progressait plus et a été arrêté</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 failed (exit %2)</source>
        <translation>%1 a échoué (code de sortie %2)</translation>
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
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDecision</name>
    <message>
        <location filename="../transfer/transferdecision.cpp" line="+139"/>
        <source>DVD Player</source>
        <translation>Lecteur DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Lecteur Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Téléviseur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>This %1 does not play %2 video: converting it to %3.</source>
        <translation>Cet appareil (%1) ne lit pas les vidéos au format %2&#xa0;: conversion de la vidéo en %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This %1 does not play %2: converting the video to plain %3.</source>
        <translation>Cet appareil (%1) ne prend pas en charge l’élément suivant&#xa0;: %2. Conversion de la vidéo en %3 simple.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 video is not H.264</source>
        <translation>la vidéo au format %1 n’est pas en H.264</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>H.264 in the %1 profile</source>
        <translation>H.264 au profil %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 profile %1 is beyond High</source>
        <translation>le profil H.264 %1 dépasse High</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>H.264 this demanding (level %1)</source>
        <translation>H.264 aussi exigeant (niveau %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 level %1 is over %2</source>
        <translation>le niveau H.264 %1 dépasse %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 video is not MPEG-4 ASP</source>
        <translation>la vidéo au format %1 n’est pas en MPEG-4 ASP</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>this many B-frames in a row</source>
        <translation>autant d’images B consécutives</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>more than %1 B-frame in a row</source>
        <translation>plus de %1 image B consécutive</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quarter-pixel motion</source>
        <translation>le mouvement au quart de pixel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QPel (quarter-pixel motion) is not played</source>
        <translation>le QPel (mouvement au quart de pixel) n’est pas pris en charge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>global motion compensation</source>
        <translation>la compensation de mouvement globale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMC (global motion compensation) is not played</source>
        <translation>la GMC (compensation de mouvement globale) n’est pas prise en charge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 B-frames in a row are more than %2</source>
        <translation>%1 images B consécutives, c’est plus que %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this kind of colour (10-bit, or finer than 4:2:0)</source>
        <translation>ce type de couleurs (10 bits, ou plus fin que 4:2:0)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pixel format %1 is not 8-bit 4:2:0</source>
        <translation>le format de pixel %1 n’est pas 8 bits 4:2:0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play pictures this large or this fast: converting the video to one it plays.</source>
        <translation>Cet appareil (%1) ne lit pas d’images aussi grandes ou aussi rapides&#xa0;: conversion de la vidéo dans un format qu’il peut lire.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1×%2 at %3 fps is over %4×%5 at %6 fps and %7×%8 at %9 fps</source>
        <translation>%1×%2 à %3 i/s dépasse %4×%5 à %6 i/s et %7×%8 à %9 i/s</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The video holds more data per second than this %1 reads: converting it to less.</source>
        <translation>La vidéo contient plus de données par seconde que cet appareil (%1) ne peut en lire&#xa0;: conversion vers un débit plus faible.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kb/s is over the %2 kb/s it plays</source>
        <translation>%1 kb/s dépasse les %2 kb/s pris en charge</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This %1 does not play %2 sound: converting the sound to %3.</source>
        <translation>Cet appareil (%1) ne lit pas le son au format %2&#xa0;: conversion du son en %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 audio is not %2</source>
        <translation>l’audio %1 n’est pas en %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 plays stereo sound only: mixing the %2 channels down to two.</source>
        <translation>Cet appareil (%1) ne lit que le son stéréo&#xa0;: mixage des %2 canaux en deux.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channels are more than stereo</source>
        <translation>%1 canaux, c’est plus que la stéréo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play this kind of AAC sound: converting it to plain AAC.</source>
        <translation>Cet appareil (%1) ne lit pas ce type de son AAC&#xa0;: conversion en AAC simple.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>AAC %1 is not AAC-LC</source>
        <translation>l’AAC %1 n’est pas de l’AAC-LC</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+39"/>
        <source>track %1</source>
        <translation>piste %1</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>sound: %1 first</source>
        <translation>son&#xa0;: %1 en premier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left out, as AVI holds one sound track: %1</source>
        <translation>omis, car un AVI ne contient qu’une piste audio&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>other subtitles left out, as one .srt file is read: %1</source>
        <translation>autres sous-titres omis, car un seul fichier .srt est lu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>image subtitles left out: they are not text, and not burned in</source>
        <translation>sous-titres image omis&#xa0;: ce n’est pas du texte, et ils ne sont pas incrustés</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles stay as they are: not burned in</source>
        <translation>les sous-titres image restent tels quels&#xa0;: non incrustés</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles left out: not burned in, MP4 cannot carry them</source>
        <translation>sous-titres image omis&#xa0;: non incrustés, le MP4 ne peut pas les contenir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>image subtitles carried as they are: not burned in</source>
        <translation>sous-titres image conservés tels quels&#xa0;: non incrustés</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: not burned in, %1 cannot carry them</source>
        <translation>sous-titres omis&#xa0;: non incrustés, %1 ne peut pas les contenir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles left out: %1 cannot carry them</source>
        <translation>sous-titres omis&#xa0;: %1 ne peut pas les contenir</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the source is damaged: the decoder met errors in it</source>
        <translation>la source est endommagée&#xa0;: le décodeur y a rencontré des erreurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the source is damaged: %1 s of %2 s could be read</source>
        <translation>la source est endommagée&#xa0;: %1 s sur %2 s ont pu être lues</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>subtitles (%1) written beside it as a .srt file</source>
        <translation>sous-titres (%1) écrits à côté dans un fichier .srt</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>This %1 does not play %2 files: putting the video, unchanged, into %3.</source>
        <translation>Cet appareil (%1) ne lit pas les fichiers %2&#xa0;: la vidéo est placée, inchangée, dans un fichier %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not played</source>
        <translation>%1 n’est pas pris en charge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This %1 looks for videos tagged as DivX: tagging it so, unchanged.</source>
        <translation>Cet appareil (%1) recherche les vidéos marquées DivX&#xa0;: la vidéo reçoit ce marquage, sans autre modification.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FourCC %1 is not %2</source>
        <translation>le FourCC %1 n’est pas %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The video is filmed turned and only tagged to be shown upright, which this %1 ignores: converting it, turned upright.</source>
        <translation>La vidéo a été filmée pivotée et porte seulement une balise pour être affichée droite, ce que cet appareil (%1) ignore&#xa0;: conversion de la vidéo, redressée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rotation %1° is only a tag</source>
        <translation>la rotation de %1° n’est qu’une balise</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This %1 plays it as it is: copying it unchanged.</source>
        <translation>Cet appareil (%1) lit la vidéo telle quelle&#xa0;: copie sans modification.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with %2 and %3 plays as it is</source>
        <translation>%1 avec %2 et %3 est lisible tel quel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with %2 plays as it is</source>
        <translation>%1 avec %2 est lisible tel quel</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: audio re-encoded</source>
        <translation>%1&#xa0;: audio réencodé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture stays as it is.</source>
        <translation>L’image reste telle quelle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the video is kept</source>
        <translation>%1&#xa0;; la vidéo est conservée</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>interlaced: made progressive</source>
        <translation>entrelacé&#xa0;: converti en progressif</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDeviceWidget</name>
    <message>
        <location filename="../widgets/transferdevicewidget.cpp" line="-209"/>
        <source>DVD Player</source>
        <translation>Lecteur DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Lecteur Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Téléviseur</translation>
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
        <translation>Transférer des vidéos vers «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../widgets/transferdevicewidget_drop.cpp" line="+79"/>
        <source>File Not Found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file no longer exists.</source>
        <translation>Ce fichier n’existe plus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files Not Found</source>
        <translation>Fichiers introuvables</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files no longer exist.</source>
        <translation>Ces fichiers n’existent plus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized File</source>
        <translation>Fichier non reconnu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file was not recognized.</source>
        <translation>Ce fichier n’a pas été reconnu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized Files</source>
        <translation>Fichiers non reconnus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files were not recognized.</source>
        <translation>Ces fichiers n’ont pas été reconnus.</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferEngine</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="+110"/>
        <source>this transfer has started already</source>
        <translation>ce transfert a déjà commencé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown device type %1</source>
        <translation>type d’appareil inconnu %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no files to transfer</source>
        <translation>aucun fichier à transférer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no disc image named</source>
        <translation>aucun nom d’image disque indiqué</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disc image&apos;s folder does not exist</source>
        <translation>le dossier de l’image disque n’existe pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the destination folder does not exist</source>
        <translation>le dossier de destination n’existe pas</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The destination is no longer there.</source>
        <translation>La destination n’est plus disponible.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The USB stick “%1” was removed.</source>
        <translation>La clé USB «&#xa0;%1&#xa0;» a été retirée.</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_image.cpp" line="+18"/>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
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
        <translation>un DVD double couche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a Blu-ray disc</source>
        <translation>un disque Blu-ray</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>about %1 does not fit on %2 (%3)</source>
        <translation>environ %1 ne tient pas sur %2 (%3)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot make a folder beside the disc image: %1</source>
        <translation>impossible de créer un dossier à côté de l’image disque&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no file could be put on the disc image</source>
        <translation>aucun fichier n’a pu être placé dans l’image disque</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+45"/>
        <source>cannot write the disc image: %1</source>
        <translation>impossible d’écrire l’image disque&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_plan.cpp" line="+35"/>
        <source>It is too long for one file on this device: splitting it, unchanged, into %1 parts.</source>
        <translation>La vidéo est trop longue pour un seul fichier sur cet appareil&#xa0;: découpage, sans modification, en %1 parties.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: the video is split into parts</source>
        <translation>sous-titres omis&#xa0;: la vidéo est découpée en parties</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1; the name is not UTF-8: rewritten, unchanged, to be put on the disc</source>
        <translation>%1&#xa0;; le nom n’est pas en UTF-8&#xa0;: réécrit, sans modification, pour être gravé sur le disque</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>already on the device</source>
        <translation>déjà sur l’appareil</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_probe.cpp" line="+39"/>
        <source>the source does not exist</source>
        <translation>la source n’existe pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a video: not a file</source>
        <translation>pas une vidéo&#xa0;: pas un fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the source</source>
        <translation>impossible de lire la source</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>not a video: %1</source>
        <translation>pas une vidéo&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe read nothing from it for %1 s</source>
        <translation>ffprobe n’en a rien lu pendant %1 s</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>QPel, GMC and B-frame runs not checked: %1</source>
        <translation>QPel, GMC et suites d’images B non vérifiés&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no VOL header in the stream</source>
        <translation>aucun en-tête VOL dans le flux</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>interlacing not checked: %1</source>
        <translation>entrelacement non vérifié&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_write.cpp" line="+57"/>
        <source>The destination is full: %1 needed, %2 free.</source>
        <translation>La destination est pleine&#xa0;: %1 nécessaires, %2 libres.</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>ffmpeg wrote nothing</source>
        <translation>ffmpeg n’a rien écrit</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferProgress</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="-129"/>
        <source>probing</source>
        <translation>analyse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting</source>
        <translation>conversion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copying</source>
        <translation>copie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writing out</source>
        <translation>écriture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>making the image</source>
        <translation>création de l’image</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>arrived</source>
        <translation>arrivée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardDialog</name>
    <message>
        <location filename="../zrt/transferwizarddialog.cpp" line="+16"/>
        <source>Transfer Wizard</source>
        <translation>Assistant de transfert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn to disc</source>
        <translation>Graver sur disque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to device %1</source>
        <translation>Transférer vers l’appareil %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transfer wizard (kavo-transfer) is not installed, so these files cannot be transferred.</source>
        <translation>L’assistant de transfert (kavo-transfer) n’est pas installé&#xa0;: ces fichiers ne peuvent donc pas être transférés.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(choose files to add)</source>
        <translation>(choisissez les fichiers à ajouter)</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardWindow</name>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+44"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remux</source>
        <translation>Réencapsuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>DVD Player</source>
        <translation>Lecteur DVD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>Lecteur Blu-ray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>Téléviseur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+76"/>
        <source>%1× real time</source>
        <translation>%1× temps réel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 MB/s</source>
        <translation>%1 Mo/s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>C&amp;hange…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Another Folder…</source>
        <translation>&amp;Choisir un autre dossier…</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+236"/>
        <source>&amp;Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Send Again</source>
        <translation>&amp;Renvoyer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-20"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Burn to Disc</source>
        <translation>Graver sur disque</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-166"/>
        <source>Transfer Videos</source>
        <translation>Transférer des vidéos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Why</source>
        <translation>Motif</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Overall progress</source>
        <translation>Progression globale</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Change the destination</source>
        <translation>Modifier la destination</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Send again what is already on the device</source>
        <translation>Renvoyer ce qui est déjà sur l’appareil</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: waiting</source>
        <translation>%1&#xa0;: en attente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress of %1</source>
        <translation>Progression de %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the videos to transfer</source>
        <translation>Choisir les vidéos à transférer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;All files (*)</source>
        <translation>Vidéos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No videos were chosen.</source>
        <translation>Aucune vidéo n’a été choisie.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-22"/>
        <source>The list of devices cannot be read, so nothing was transferred.</source>
        <translation>Impossible de lire la liste des appareils&#xa0;: rien n’a été transféré.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is no longer in the list, so nothing was transferred.</source>
        <translation>Cet appareil ne figure plus dans la liste&#xa0;: rien n’a été transféré.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is of a kind this version does not know, so nothing was transferred.</source>
        <translation>Cette version ne connaît pas ce type d’appareil&#xa0;: rien n’a été transféré.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <location line="+160"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>%n vidéo vers %1</numerusform>
            <numerusform>%n vidéos vers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <location line="+160"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>Transfert de %n vidéo vers %1</numerusform>
            <numerusform>Transfert de %n vidéos vers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vidéo</numerusform>
            <numerusform>%n vidéos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>un disque de %n vidéo pour %1</numerusform>
            <numerusform>un disque de %n vidéos pour %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Making a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>Création d’un disque de %n vidéo pour %1</numerusform>
            <numerusform>Création d’un disque de %n vidéos pour %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+148"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>%1 vidéo sur %n est arrivée dans %2.</numerusform>
            <numerusform>%1 vidéos sur %n sont arrivées dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n was there already.</source>
        <translation>
            <numerusform>%n y était déjà.</numerusform>
            <numerusform>%n y étaient déjà.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>%1 vidéo sur %n arrivée</numerusform>
            <numerusform>%1 vidéos sur %n arrivées</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-191"/>
        <source>The USB stick “%1” that %2 plays from is not plugged in.</source>
        <translation>La clé USB «&#xa0;%1&#xa0;» que lit %2 n’est pas branchée.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Wait for It</source>
        <translation>&amp;Attendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose Another…</source>
        <translation>&amp;Choisir un autre dossier…</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+14"/>
        <location line="+131"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+11"/>
        <location line="+16"/>
        <source>Nothing was transferred.</source>
        <translation>Rien n’a été transféré.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-5"/>
        <source>The folder chosen before, %1, is gone.</source>
        <translation>Le dossier choisi précédemment, %1, n’existe plus.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was transferred: %1</source>
        <translation>Rien n’a été transféré&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Stopping, to start again in %1…</source>
        <translation>Arrêt, pour recommencer dans %1…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nothing is left to send; the next transfer goes to %1.</source>
        <translation>Il ne reste rien à envoyer&#xa0;; le prochain transfert ira vers %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The next transfer goes to %1.</source>
        <translation>Le prochain transfert ira vers %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 had arrived in %2 before the change.</source>
        <translation>%1 était arrivé dans %2 avant le changement.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The destination %1 is no longer there, so nothing was transferred.</source>
        <translation>La destination %1 n’est plus disponible&#xa0;: rien n’a été transféré.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Wait for “%1”</source>
        <translation>&amp;Attendre «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Plug “%1” back in and press Wait to send the %2 that did not arrive, or choose another folder.</source>
        <translation>Rebranchez «&#xa0;%1&#xa0;» et cliquez sur Attendre pour envoyer les vidéos qui ne sont pas arrivées (%2), ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did not arrive because of the destination: try again, or choose another folder.</source>
        <translation>Non arrivées à cause de la destination&#xa0;: %1. Réessayez ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Waiting for the USB stick “%1”. Plug it in, or press Cancel.</source>
        <translation>En attente de la clé USB «&#xa0;%1&#xa0;». Branchez-la ou cliquez sur Annuler.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="-11"/>
        <source>No disc was made.</source>
        <translation>Aucun disque n’a été créé.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="-125"/>
        <source>Disc image: %1</source>
        <translation>Image disque&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Destination: %1</source>
        <translation>Destination&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The transfer could not start: %1</source>
        <translation>Le transfert n’a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: %2, %3</source>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1: %2, %3 percent</source>
        <translation>%1&#xa0;: %2, %3 pour cent</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Making the disc image %1</source>
        <translation>Création de l’image disque %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 % — %2</source>
        <translation>%1&#xa0;% — %2</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="-141"/>
        <source>On the disc</source>
        <translation>Sur le disque</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrived</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Arrived, but %1</source>
        <translation>Arrivée, mais %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+118"/>
        <location line="+12"/>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <location line="-127"/>
        <location line="+122"/>
        <source>Already on the device</source>
        <translation>Déjà sur l’appareil</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Already on the device as %1</source>
        <translation>Déjà sur l’appareil sous le nom %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>✗ %1 is on the disc as %2, but differs there from the image</source>
        <translation>✗ %1 est sur le disque sous le nom %2, mais diffère de l’image</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check failed</source>
        <translation>Échec de la vérification</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>✓ %1 is on the disc as %2</source>
        <translation>✓ %1 est sur le disque sous le nom %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>✓ %1 arrived as %2</source>
        <translation>✓ %1 est arrivée sous le nom %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>= %1 is already on the device as %2</source>
        <translation>= %1 est déjà sur l’appareil sous le nom %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>✗ %1 failed: %2</source>
        <translation>✗ %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>– %1 was stopped; nothing of it was left behind</source>
        <translation>– %1 a été arrêtée&#xa0;; rien n’en a été conservé</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disc image was not made: %1</source>
        <translation>L’image disque n’a pas été créée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image %1 is ready.</source>
        <translation>L’image disque %1 est prête.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image was not made.</source>
        <translation>L’image disque n’a pas été créée.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+19"/>
        <source>Checking the disc in %1…</source>
        <translation>Vérification du disque dans %1…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Burning the disc in %1…</source>
        <translation>Gravure du disque dans %1…</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The disc was burned, but its check failed: it differs from the image in %1.</source>
        <translation>Le disque a été gravé, mais sa vérification a échoué&#xa0;: il diffère de l’image pour %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc was burned, but its check failed: %1</source>
        <translation>Le disque a été gravé, mais sa vérification a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc was not burned: %1</source>
        <translation>Le disque n’a pas été gravé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but not checked: the run was stopped.</source>
        <translation>Le disque a été gravé, mais n’a pas été vérifié&#xa0;: l’opération a été arrêtée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but its check failed: it holds no checksums to check.</source>
        <translation>Le disque a été gravé, mais sa vérification a échoué&#xa0;: il ne contient aucune somme de contrôle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disc in %1 was burned and checked.</source>
        <translation>Le disque dans %1 a été gravé et vérifié.</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+21"/>
        <source>The disc is ready</source>
        <translation>Le disque est prêt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The disc image is ready</source>
        <translation>L’image disque est prête</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc image is ready; the disc is not</source>
        <translation>L’image disque est prête, mais pas le disque</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <source>No disc was made</source>
        <translation>Aucun disque n’a été créé</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1, %2 there already</source>
        <translation>%1, %2 déjà présents</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped — %1</source>
        <translation>Arrêté — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Nothing arrived</source>
        <translation>Rien n’est arrivé</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>No program to show folders is installed. The files are in %1</source>
        <translation>Aucun programme d’affichage des dossiers n’est installé. Les fichiers se trouvent dans %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not transferred</source>
        <translation>Non transférée</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+26"/>
        <source>Stop making the disc? Nothing of it is kept.</source>
        <translation>Arrêter la création du disque&#xa0;? Rien n’en sera conservé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop the transfer? The videos that arrived stay; the one on its way is removed.</source>
        <translation>Arrêter le transfert&#xa0;? Les vidéos déjà arrivées sont conservées&#xa0;; celle en cours de transfert est supprimée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go On</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
</TS>
