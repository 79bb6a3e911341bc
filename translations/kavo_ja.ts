<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AudioTrackPlayer</name>
    <message>
        <location filename="../host/audiotrackplayer.cpp" line="+266"/>
        <source>Track %1</source>
        <translation>トラック %1</translation>
    </message>
</context>
<context>
    <name>CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.ui" line="+17"/>
        <source>Add a Device</source>
        <translation>デバイスの追加</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please choose the type of Kavo Certified device you would like to add, and personalize your device by giving it a name, such as &quot;Bedroom DVD Player&quot; (maximum of 20 characters).</source>
        <translation>追加する Kavo 認定デバイスの種類を選択し、「寝室のプレーヤー」のようにデバイスに名前を付けてください (10 文字以内)。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>デバイスの種類:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>デバイス名:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to you Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Kavo VOD の動画をこのデバイスに転送して再生する場合は、先にこのデバイスをお使いの Kavo VOD アカウントに登録してください。Kavo 認定デバイスを登録済みの場合は、この手順を省略できます。</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>今すぐ登録</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Add Device</source>
        <translation>追加</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DeleteTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/deletetransferdevicedialog.ui" line="+17"/>
        <source>Delete Your Device</source>
        <translation>デバイスの削除</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Are you sure you wish to delete your device &quot;%1&quot;?</source>
        <translation>デバイス「%1」を削除してもよろしいですか?</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do not ask me again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DeviceButton</name>
    <message>
        <location filename="../widgets/devicebutton.ui" line="+20"/>
        <source>Unused</source>
        <translation>未使用</translation>
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
        <translation>ファイルを下へドラッグ...</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>Add a Device</source>
        <translation>デバイスの追加</translation>
    </message>
</context>
<context>
    <name>EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.ui" line="+17"/>
        <source>Edit Your Device</source>
        <translation>デバイスの編集</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>You may change the type or name of this Kavo Certified device (maximum of 20 characters).</source>
        <translation>この Kavo 認定デバイスの種類と名前を変更できます (10 文字以内)。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>デバイスの種類:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>デバイス名:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to your Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>Kavo VOD の動画をこのデバイスに転送して再生する場合は、先にこのデバイスをお使いの Kavo VOD アカウントに登録してください。Kavo 認定デバイスを登録済みの場合は、この手順を省略できます。</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>今すぐ登録</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>ストリーミング...</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>MediaServerWindow</name>
    <message>
        <location filename="../mediaserver/mediaserverwindow.cpp" line="+29"/>
        <source>Share my videos on the home network</source>
        <translation>ホーム ネットワークで動画を共有する</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kavo Media Server</source>
        <translation>Kavo メディア サーバー</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Streamed files:</source>
        <translation>ストリーミングするファイル:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name on the network:</source>
        <translation>ネットワーク上の名前(&amp;N):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share my videos</source>
        <translation>動画の共有</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>While this is on, TVs and players on your home network can find and play your videos.</source>
        <translation>オンにすると、ホーム ネットワーク上のテレビやプレーヤーで動画を検索して再生できます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name on the network</source>
        <translation>ネットワーク上の名前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name TVs and players show for this computer&apos;s videos. Leave it empty for the usual one.</source>
        <translation>このコンピューターの動画に対してテレビやプレーヤーに表示される名前です。空欄にすると既定の名前になります。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player connection</source>
        <translation>プレーヤーの接続</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether the Kavo player is connected to the media server.</source>
        <translation>Kavo プレーヤーがメディア サーバーに接続されているかどうかを示します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streamed files</source>
        <translation>ストリーミングするファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos the player handed over with &quot;Stream to ...&quot;; they are shared under &quot;%1&quot;.</source>
        <translation>プレーヤーから [ストリーミング...] で渡された動画です。「%1」の下で共有されます。</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>A player is connected.</source>
        <translation>プレーヤーが接続されています。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Waiting for a player...</source>
        <translation>プレーヤーを待っています...</translation>
    </message>
</context>
<context>
    <name>PlaybackControls</name>
    <message>
        <location filename="../host/playbackcontrols.cpp" line="+25"/>
        <source>Position (←/→: 5 seconds)</source>
        <translation>再生位置 (←/→: 5 秒)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Volume %1% (↑/↓)</source>
        <translation>音量 %1% (↑/↓)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound off: click to turn it on</source>
        <translation>消音中: クリックすると音声をオンにします</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mute</source>
        <translation>消音</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>No sound device: videos play without sound</source>
        <translation>サウンド デバイスがありません: 動画は音声なしで再生されます</translation>
    </message>
</context>
<context>
    <name>PlayerActions</name>
    <message>
        <location filename="../host/playeractions.cpp" line="+26"/>
        <source>Show Kavo To Go</source>
        <translation>Kavo To Go を表示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Kavo To Go</source>
        <translation>Kavo To Go を非表示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to</source>
        <translation>転送先</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Burn to Disc…</source>
        <translation>ディスクに書き込む…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Server Settings…</source>
        <translation>メディア サーバーの設定…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to Media Server</source>
        <translation>メディア サーバーへストリーミング</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <location filename="../host/playerwindow.cpp" line="+112"/>
        <source>Kavo Player</source>
        <translation>Kavo プレーヤー</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Files handed to the transfer wizard.</source>
        <translation>ファイルを転送ウィザードに渡しました。</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Playlist</source>
        <translation>再生リスト</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Media Library</source>
        <translation>メディア ライブラリ</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Media Folder…</source>
        <translation>メディア フォルダーを開く(&amp;O)…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+79"/>
        <location line="+240"/>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <location line="-314"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add to Play&amp;list</source>
        <translation>再生リストに追加(&amp;L)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;revious</source>
        <translation>前へ(&amp;R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>消音(&amp;M)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Library</source>
        <translation>ライブラリ(&amp;L)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Playback</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Audio Track</source>
        <translation>オーディオ トラック(&amp;A)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Kavo Player</source>
        <translation>Kavo プレーヤーのバージョン情報(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavo Player</source>
        <translation>Kavo プレーヤーのバージョン情報</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Plays your videos and sends them to your devices with Kavo To Go.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Kavo プレーヤー&lt;/b&gt;&lt;p&gt;動画を再生し、Kavo To Go でデバイスに転送します。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Remove from Playlist</source>
        <translation>再生リストから削除(&amp;R)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Controls</source>
        <translation>コントロール</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Kavo To Go: your devices (Ctrl+D)</source>
        <translation>Kavo To Go: デバイス (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to the Kavo Media Server</source>
        <translation>Kavo メディア サーバーへストリーミング</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Kavo To Go is not available: %1</source>
        <translation>Kavo To Go を使用できません: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+52"/>
        <source>%n video(s) in %1</source>
        <translation>
            <numerusform>%1 内の動画: %n 本</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Media Folder</source>
        <translation>メディア フォルダーを開く</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nothing playing</source>
        <translation>再生していません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double-click a video, or select it and press Enter, to play it.</source>
        <translation>動画をダブルクリックするか、選択して Enter キーを押すと再生します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Now playing: %1</source>
        <translation>再生中: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing %1</source>
        <translation>%1 を再生中</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be played.
%2</source>
        <translation>「%1」を再生できません。
%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>「%1」を再生できません: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>your Videos folder</source>
        <translation>ビデオ フォルダー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;No videos yet&lt;/b&gt;&lt;/p&gt;&lt;p&gt;There are no video files in %1.&lt;/p&gt;&lt;p&gt;Choose a folder with &lt;i&gt;File ▸ Open Media Folder…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;動画はまだありません&lt;/b&gt;&lt;/p&gt;&lt;p&gt;%1 に動画ファイルがありません。&lt;/p&gt;&lt;p&gt;&lt;i&gt;ファイル ▸ メディア フォルダーを開く…&lt;/i&gt; (Ctrl+O) でフォルダーを選択してください。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>SharingSettings</name>
    <message>
        <location filename="../mediaserver/sharingsettings.cpp" line="+67"/>
        <source>%1 on %2</source>
        <translation>%2 の %1</translation>
    </message>
</context>
<context>
    <name>TvPanel</name>
    <message>
        <location filename="../mediaserver/tvpanel.cpp" line="+38"/>
        <source>&amp;Play on this TV</source>
        <translation>このテレビで再生(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+144"/>
        <source>P&amp;ause</source>
        <translation>一時停止(&amp;A)</translation>
    </message>
    <message>
        <location line="-143"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No TV found yet. Check that the TV is switched on, is on the same network as this computer, and has its DLNA or &quot;media sharing&quot; setting on.</source>
        <translation>テレビが見つかりません。テレビの電源が入っていること、このコンピューターと同じネットワークにあること、DLNA または「メディア共有」の設定がオンになっていることを確認してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVs</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The TVs and players on your home network that can play a video.</source>
        <translation>ホーム ネットワーク上の、動画を再生できるテレビとプレーヤーです。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play on this TV</source>
        <translation>このテレビで再生</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Plays the video on the TV chosen in the list.</source>
        <translation>一覧で選んだテレビで動画を再生します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pauses the TV, or goes on playing.</source>
        <translation>テレビを一時停止するか、再生を続けます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops playing on the TV.</source>
        <translation>テレビでの再生を停止します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Where the TV is in the video; drag to go elsewhere.</source>
        <translation>テレビで再生中の位置です。ドラッグすると別の位置に移動します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play on a &amp;TV:</source>
        <translation>テレビで再生(&amp;T):</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The TV cannot play this video as it is: converting it for the TV, %1 % done.</source>
        <translation>このままではテレビで再生できません: テレビ用に変換中です (%1 % 完了)。</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>To play: %1</source>
        <translation>再生する動画: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &quot;Stream to ...&quot; in the player to play a video on a TV.</source>
        <translation>テレビで動画を再生するには、プレーヤーの「ストリーミング...」を使用してください。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Getting the video ready for the TV...</source>
        <translation>テレビ用に動画を準備しています...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TV cannot play this video as it is: converting it for the TV...</source>
        <translation>このままではテレビで再生できません: テレビ用に変換しています...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting...</source>
        <translation>開始しています...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on the TV: %2 of %3</source>
        <translation>テレビで%1: %2 / %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pl&amp;ay</source>
        <translation>再生(&amp;A)</translation>
    </message>
</context>
<context>
    <name>TvStreamer</name>
    <message>
        <location filename="../mediaserver/tvstreamer.cpp" line="+35"/>
        <source>The TV left the network, or stopped answering.</source>
        <translation>テレビがネットワークから切断されたか、応答しなくなりました。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV refused &quot;%1&quot;: %2</source>
        <translation>テレビが「%1」を拒否しました: %2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Sharing is off. Switch on &quot;Share my videos on the home network&quot; to play on a TV.</source>
        <translation>共有がオフです。テレビで再生するには、「ホーム ネットワークで動画を共有する」をオンにしてください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV is no longer on the network.</source>
        <translation>テレビはネットワーク上にありません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV could not be offered the video: check that the file is still there and that the TV is on the same network.</source>
        <translation>テレビに動画を提供できませんでした。ファイルがまだあること、テレビが同じネットワークにあることを確認してください。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The TV cannot play this kind of video, not even converted.</source>
        <translation>テレビはこの種類の動画を再生できません。変換しても再生できません。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The video could not be converted for the TV: no room for it in %1.</source>
        <translation>テレビ用に動画を変換できませんでした: %1 に空き容量がありません。</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+15"/>
        <source>The video could not be converted for the TV: %1</source>
        <translation>テレビ用に動画を変換できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>UpnpServer</name>
    <message>
        <location filename="../mediaserver/upnpserver.cpp" line="+435"/>
        <source>Videos</source>
        <translation>動画</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now streaming</source>
        <translation>ストリーミング中</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <location filename="../host/videoplayer.cpp" line="+49"/>
        <source>The file&apos;s format is not supported.</source>
        <translation>このファイルの形式はサポートされていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file may not be read.</source>
        <translation>このファイルを読み取るアクセス許可がありません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network failed.</source>
        <translation>ネットワーク エラーが発生しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read.</source>
        <translation>このファイルを読み取れません。</translation>
    </message>
</context>
<context>
    <name>Zarnet::BurnDialog</name>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+25"/>
        <source>DVD Player</source>
        <translation>DVD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>BD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Burn to Disc</source>
        <translation>ディスクに書き込む</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>CD (700 MB)</source>
        <translation>CD (700 MB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD (4.7 GB)</source>
        <translation>DVD (4.7 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD dual layer (8.5 GB)</source>
        <translation>DVD 2 層 (8.5 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray (25 GB)</source>
        <translation>Blu-ray (25 GB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>None: keep the disc image only</source>
        <translation>なし: ディスク イメージのみ保存する</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="+481"/>
        <location filename="../wizard/burndialog.cpp" line="+7"/>
        <source>Kavo Disc.iso</source>
        <translation>Kavo ディスク.iso</translation>
    </message>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+1"/>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the disc image</source>
        <translation>ディスク イメージの保存</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disc images (*.iso)</source>
        <translation>ディスク イメージ (*.iso)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is for a &amp;player:</source>
        <translation>再生に使うプレーヤー(&amp;P):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;size:</source>
        <translation>ディスクのサイズ(&amp;S):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;image:</source>
        <translation>ディスク イメージ(&amp;I):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Burn in drive:</source>
        <translation>書き込むドライブ(&amp;B):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make Disc</source>
        <translation>ディスクを作成(&amp;M)</translation>
    </message>
</context>
<context>
    <name>Zarnet::CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>DVD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>BD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>デバイス名が必要です</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>このデバイスの名前を入力してください。</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-227"/>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+24"/>
        <source>Add a Device</source>
        <translation>デバイスの追加</translation>
    </message>
</context>
<context>
    <name>Zarnet::DeleteTransferDeviceDialog</name>
    <message>
        <location line="+238"/>
        <location filename="../widgets/deletetransferdevicedialog.cpp" line="+55"/>
        <source>Delete Your Device</source>
        <translation>デバイスの削除</translation>
    </message>
</context>
<context>
    <name>Zarnet::DestinationDialog</name>
    <message>
        <location filename="../wizard/destinationdialog.cpp" line="+27"/>
        <source>Where do the videos for %1 go?</source>
        <translation>%1 の動画の転送先</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No USB stick or memory card is plugged in. Plug one in, or choose a folder.</source>
        <translation>USB メモリもメモリ カードも接続されていません。接続するか、フォルダーを選択してください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the USB stick or memory card the device plays from, or a folder.</source>
        <translation>デバイスが再生に使う USB メモリまたはメモリ カード、あるいはフォルダーを選択してください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Removable drives</source>
        <translation>リムーバブル ドライブ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (%2, %3 free)</source>
        <translation>%1 (%2、空き %3)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Folder:</source>
        <translation>フォルダー(&amp;F):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose folder…</source>
        <translation>フォルダーを選択…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>転送(&amp;T)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no folder %1.</source>
        <translation>フォルダー %1 がありません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a drive that can only be read. Choose another folder.</source>
        <translation>%1 は読み取り専用のドライブにあります。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The drive of %1 is full. Choose another folder, or make room.</source>
        <translation>%1 のドライブがいっぱいです。別のフォルダーを選択するか、空き領域を確保してください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose folder</source>
        <translation>フォルダーの選択</translation>
    </message>
</context>
<context>
    <name>Zarnet::DevicePane</name>
    <message>
        <location filename="../pane/devicepane_controller.cpp" line="+128"/>
        <source>DVD Player</source>
        <translation>DVD プレーヤー</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blu-ray Player</source>
        <translation>BD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The device list could not be read.</source>
        <translation>デバイスの一覧を読み取れませんでした。</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../widgets/transferdevicewidget.cpp" line="+234"/>
        <source>The device list is read-only.</source>
        <translation>デバイスの一覧は読み取り専用です。</translation>
    </message>
    <message>
        <location line="+352"/>
        <source>Add a Device...</source>
        <translation>デバイスの追加...</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Device Not Found</source>
        <translation>デバイスが見つかりません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; no longer exists: it was deleted elsewhere.</source>
        <translation>「%1」はもう存在しません。別の場所で削除されました。</translation>
    </message>
    <message>
        <location filename="../pane/devicepane_streaming.cpp" line="+146"/>
        <location line="+6"/>
        <source>Video Not Found</source>
        <translation>動画が見つかりません</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Please play a video and then select &quot;stream to&quot;</source>
        <translation>動画を再生してから [ストリーミング...] を選択してください。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File does not exist</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Of Stream To...</source>
        <translation>ストリーミングのエラー</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You must turn on sharing first</source>
        <translation>先に共有をオンにしてください。</translation>
    </message>
</context>
<context>
    <name>Zarnet::EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>DVD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>BD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>デバイス名が必要です</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>このデバイスの名前を入力してください。</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-200"/>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+33"/>
        <source>Edit Your Device</source>
        <translation>デバイスの編集</translation>
    </message>
</context>
<context>
    <name>Zarnet::FileWorker</name>
    <message>
        <location filename="../transfer/fileworker.cpp" line="+56"/>
        <location line="+17"/>
        <source>cannot read the source: %1</source>
        <translation>元のファイルを読み取れません: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the source got shorter while it was copied</source>
        <translation>コピー中に元のファイルが短くなりました</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
</context>
<context>
    <name>Zarnet::PartFile</name>
    <message>
        <location filename="../transfer/partfile.cpp" line="+81"/>
        <source>too many files are named like this one&apos;s part</source>
        <translation>このファイルの一時ファイル名がすべて使用されています</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>another file took the name %1</source>
        <translation>%1 という名前は別のファイルに使用されています</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 was replaced by something else while it was written</source>
        <translation>書き込み中に %1 が別のものに置き換えられました</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the destination is full</source>
        <translation>転送先がいっぱいです</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than the destination can hold</source>
        <translation>ファイルが転送先に保存できるサイズを超えています</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the destination is gone</source>
        <translation>転送先が見つからなくなりました</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the destination cannot be written: %1</source>
        <translation>転送先に書き込めません: %1</translation>
    </message>
</context>
<context>
    <name>Zarnet::PinnedFolder</name>
    <message>
        <location filename="../transfer/pinnedfolder.cpp" line="+40"/>
        <source>cannot open the folder %1: %2</source>
        <translation>フォルダー %1 を開けません: %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>cannot make a folder in %1: %2</source>
        <translation>%1 にフォルダーを作成できません: %2</translation>
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
        <translation>最大 %2 の %1 個のファイルに分割</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 s is too long for one file of at most %2 at a watchable quality</source>
        <translation>%1 秒は長すぎて、視聴に耐える画質では最大 %2 の 1 ファイルに収まりません</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)</source>
        <translation>約 %1 は、FAT32 やディスクで 1 ファイルに保存できるサイズ (4 GiB - 1 バイト) を超えています</translation>
    </message>
</context>
<context>
    <name>Zarnet::TargetNames</name>
    <message>
        <location filename="../transfer/targetnames.cpp" line="+104"/>
        <source>video</source>
        <translation>動画</translation>
    </message>
</context>
<context>
    <name>Zarnet::ToolRun</name>
    <message>
        <location filename="../transfer/toolrun.cpp" line="+91"/>
        <source>done</source>
        <translation>完了しました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>失敗しました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ended abnormally</source>
        <translation>異常終了しました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>could not be started</source>
        <translation>起動できませんでした</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gave no sign of progress and was stopped</source>
        <translation>処理が進まなくなったため停止されました</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 failed (exit %2)</source>
        <translation>%1 は失敗しました (終了コード %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2</source>
        <comment>a tool, what became of its run</comment>
        <translation>%1 は%2</translation>
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
        <translation>DVD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>BD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>This %1 does not play %2 video: converting it to %3.</source>
        <translation>この%1は %2 の映像を再生できないため、%3 に変換します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This %1 does not play %2: converting the video to plain %3.</source>
        <translation>この%1は %2 を再生できないため、映像を標準的な %3 に変換します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 video is not H.264</source>
        <translation>%1 の映像は H.264 ではありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>H.264 in the %1 profile</source>
        <translation>%1 プロファイルの H.264</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 profile %1 is beyond High</source>
        <translation>H.264 のプロファイル %1 は High を超えています</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>H.264 this demanding (level %1)</source>
        <translation>これほど負荷の高い H.264 (レベル %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 level %1 is over %2</source>
        <translation>H.264 のレベル %1 は %2 を超えています</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 video is not MPEG-4 ASP</source>
        <translation>%1 の映像は MPEG-4 ASP ではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>this many B-frames in a row</source>
        <translation>これほど多くの連続した B フレーム</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>more than %1 B-frame in a row</source>
        <translation>連続した B フレームが %1 個を超えています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quarter-pixel motion</source>
        <translation>1/4 画素精度の動き補償</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QPel (quarter-pixel motion) is not played</source>
        <translation>QPel (1/4 画素精度の動き補償) は再生されません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>global motion compensation</source>
        <translation>グローバル動き補償</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMC (global motion compensation) is not played</source>
        <translation>GMC (グローバル動き補償) は再生されません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 B-frames in a row are more than %2</source>
        <translation>連続した B フレーム %1 個は %2 個を超えています</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this kind of colour (10-bit, or finer than 4:2:0)</source>
        <translation>この種類の色形式 (10 ビット、または 4:2:0 より精細なもの)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pixel format %1 is not 8-bit 4:2:0</source>
        <translation>ピクセル形式 %1 は 8 ビット 4:2:0 ではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play pictures this large or this fast: converting the video to one it plays.</source>
        <translation>この%1はこの解像度またはフレーム レートの映像を再生できないため、再生できる映像に変換します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1×%2 at %3 fps is over %4×%5 at %6 fps and %7×%8 at %9 fps</source>
        <translation>%1×%2 (%3 fps) は %4×%5 (%6 fps) と %7×%8 (%9 fps) を超えています</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The video holds more data per second than this %1 reads: converting it to less.</source>
        <translation>この動画は、この%1が読み込める 1 秒あたりのデータ量を超えているため、データ量を減らして変換します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kb/s is over the %2 kb/s it plays</source>
        <translation>%1 kb/s は再生可能な %2 kb/s を超えています</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This %1 does not play %2 sound: converting the sound to %3.</source>
        <translation>この%1は %2 の音声を再生できないため、音声を %3 に変換します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 audio is not %2</source>
        <translation>%1 の音声は %2 ではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 plays stereo sound only: mixing the %2 channels down to two.</source>
        <translation>この%1はステレオ音声しか再生できないため、%2 チャンネルを 2 チャンネルにダウンミックスします。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channels are more than stereo</source>
        <translation>%1 チャンネルはステレオを超えています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play this kind of AAC sound: converting it to plain AAC.</source>
        <translation>この%1はこの種類の AAC 音声を再生できないため、標準的な AAC に変換します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>AAC %1 is not AAC-LC</source>
        <translation>AAC %1 は AAC-LC ではありません</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+39"/>
        <source>track %1</source>
        <translation>トラック %1</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>sound: %1 first</source>
        <translation>音声トラック: %1 を先頭に配置</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left out, as AVI holds one sound track: %1</source>
        <translation>AVI には音声トラックを 1 つしか格納できないため除外: %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>other subtitles left out, as one .srt file is read: %1</source>
        <translation>他の字幕は除外 (.srt ファイルは 1 つしか読み込まれないため): %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>image subtitles left out: they are not text, and not burned in</source>
        <translation>画像字幕は除外: テキストではなく、焼き込みもされていません</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles stay as they are: not burned in</source>
        <translation>画像字幕はそのまま (焼き込みなし)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles left out: not burned in, MP4 cannot carry them</source>
        <translation>画像字幕は除外: 焼き込みはせず、MP4 には格納できません</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>image subtitles carried as they are: not burned in</source>
        <translation>画像字幕はそのまま格納 (焼き込みなし)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: not burned in, %1 cannot carry them</source>
        <translation>字幕は除外: 焼き込みはせず、%1 には格納できません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles left out: %1 cannot carry them</source>
        <translation>字幕は除外: %1 には格納できません</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the source is damaged: the decoder met errors in it</source>
        <translation>元のファイルが破損しています: デコード中にエラーが発生しました</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the source is damaged: %1 s of %2 s could be read</source>
        <translation>元のファイルが破損しています: %2 秒中 %1 秒しか読み取れませんでした</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>subtitles (%1) written beside it as a .srt file</source>
        <translation>字幕 (%1) を .srt ファイルとして横に書き込み</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>This %1 does not play %2 files: putting the video, unchanged, into %3.</source>
        <translation>この%1は %2 ファイルを再生できないため、動画を変更せずに %3 に詰め替えます。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not played</source>
        <translation>%1 は再生されません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This %1 looks for videos tagged as DivX: tagging it so, unchanged.</source>
        <translation>この%1は DivX のタグが付いた動画を探すため、内容は変更せずに DivX のタグを付けます。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FourCC %1 is not %2</source>
        <translation>FourCC %1 は %2 ではありません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The video is filmed turned and only tagged to be shown upright, which this %1 ignores: converting it, turned upright.</source>
        <translation>この動画は横向きなどで撮影され、正しい向きで表示するためのタグが付いているだけですが、この%1はそのタグを無視するため、正しい向きに回転して変換します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rotation %1° is only a tag</source>
        <translation>%1° の回転はタグのみで指定されています</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This %1 plays it as it is: copying it unchanged.</source>
        <translation>この%1はそのまま再生できるため、変更せずにコピーします。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with %2 and %3 plays as it is</source>
        <translation>%2 と %3 の %1 はそのまま再生できます</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with %2 plays as it is</source>
        <translation>%2 の %1 はそのまま再生できます</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: audio re-encoded</source>
        <translation>%1: 音声を再エンコード</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture stays as it is.</source>
        <translation>映像はそのままです。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the video is kept</source>
        <translation>%1; 映像はそのまま</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>interlaced: made progressive</source>
        <translation>インターレース: プログレッシブに変換</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDeviceWidget</name>
    <message>
        <location filename="../widgets/transferdevicewidget.cpp" line="-209"/>
        <source>DVD Player</source>
        <translation>DVD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>BD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Transfer Videos to &quot;%1&quot;</source>
        <translation>「%1」に動画を転送</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../widgets/transferdevicewidget_drop.cpp" line="+79"/>
        <source>File Not Found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file no longer exists.</source>
        <translation>このファイルはもう存在しません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files Not Found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files no longer exist.</source>
        <translation>これらのファイルはもう存在しません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized File</source>
        <translation>認識できないファイル</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file was not recognized.</source>
        <translation>このファイルは認識できませんでした。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized Files</source>
        <translation>認識できないファイル</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files were not recognized.</source>
        <translation>これらのファイルは認識できませんでした。</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferEngine</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="+110"/>
        <source>this transfer has started already</source>
        <translation>この転送は既に開始されています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown device type %1</source>
        <translation>不明なデバイスの種類 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no files to transfer</source>
        <translation>転送するファイルがありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no disc image named</source>
        <translation>ディスク イメージの名前が指定されていません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disc image&apos;s folder does not exist</source>
        <translation>ディスク イメージの保存先フォルダーが存在しません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the destination folder does not exist</source>
        <translation>転送先フォルダーが存在しません</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The destination is no longer there.</source>
        <translation>転送先が見つからなくなりました。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The USB stick “%1” was removed.</source>
        <translation>USB メモリ「%1」が取り外されました。</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_image.cpp" line="+18"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a dual-layer DVD</source>
        <translation>2 層 DVD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a Blu-ray disc</source>
        <translation>Blu-ray ディスク</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>about %1 does not fit on %2 (%3)</source>
        <translation>約 %1 は %2 (%3) に収まりません</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot make a folder beside the disc image: %1</source>
        <translation>ディスク イメージと同じ場所にフォルダーを作成できません: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no file could be put on the disc image</source>
        <translation>ディスク イメージに格納できたファイルがありません</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+45"/>
        <source>cannot write the disc image: %1</source>
        <translation>ディスク イメージを保存できません: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_plan.cpp" line="+35"/>
        <source>It is too long for one file on this device: splitting it, unchanged, into %1 parts.</source>
        <translation>このデバイスの 1 ファイルに収まらない長さのため、変更せずに %1 個に分割します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: the video is split into parts</source>
        <translation>字幕は除外: 動画が複数に分割されています</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1; the name is not UTF-8: rewritten, unchanged, to be put on the disc</source>
        <translation>%1; 名前が UTF-8 ではありません: ディスクに書き込むため、内容はそのままで書き換えました</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>already on the device</source>
        <translation>既にデバイス上にあります</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_probe.cpp" line="+39"/>
        <source>the source does not exist</source>
        <translation>元のファイルが存在しません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a video: not a file</source>
        <translation>動画ではありません: ファイルではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the source</source>
        <translation>元のファイルを読み取れません</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>not a video: %1</source>
        <translation>動画ではありません: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe read nothing from it for %1 s</source>
        <translation>ffprobe が %1 秒間何も読み取れませんでした</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>QPel, GMC and B-frame runs not checked: %1</source>
        <translation>QPel、GMC、連続 B フレームは未確認: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no VOL header in the stream</source>
        <translation>ストリームに VOL ヘッダーがありません</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>interlacing not checked: %1</source>
        <translation>インターレースは未確認: %1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_write.cpp" line="+57"/>
        <source>The destination is full: %1 needed, %2 free.</source>
        <translation>転送先の空き領域が不足しています (必要: %1、空き: %2)。</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>ffmpeg wrote nothing</source>
        <translation>ffmpeg は何も出力しませんでした</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferProgress</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="-129"/>
        <source>probing</source>
        <translation>解析中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copying</source>
        <translation>コピー中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writing out</source>
        <translation>書き出し中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>making the image</source>
        <translation>イメージ作成中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>arrived</source>
        <translation>転送完了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardDialog</name>
    <message>
        <location filename="../zrt/transferwizarddialog.cpp" line="+16"/>
        <source>Transfer Wizard</source>
        <translation>転送ウィザード</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn to disc</source>
        <translation>ディスクに書き込む</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to device %1</source>
        <translation>デバイス %1 に転送</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transfer wizard (kavo-transfer) is not installed, so these files cannot be transferred.</source>
        <translation>転送ウィザード (kavo-transfer) がインストールされていないため、これらのファイルを転送できません。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(choose files to add)</source>
        <translation>(追加するファイルを選択)</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardWindow</name>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+44"/>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remux</source>
        <translation>詰め替え</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>DVD Player</source>
        <translation>DVD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>BD プレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+76"/>
        <source>%1× real time</source>
        <translation>%1 倍速</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>C&amp;hange…</source>
        <translation>変更(&amp;H)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Another Folder…</source>
        <translation>別のフォルダーを選択(&amp;H)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+236"/>
        <source>&amp;Try Again</source>
        <translation>再試行(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Send Again</source>
        <translation>再送信(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open folder</source>
        <translation>フォルダーを開く(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-20"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Burn to Disc</source>
        <translation>ディスクに書き込む</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-166"/>
        <source>Transfer Videos</source>
        <translation>動画の転送</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Videos</source>
        <translation>動画</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>処理</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Why</source>
        <translation>理由</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time left</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Overall progress</source>
        <translation>全体の進行状況</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Change the destination</source>
        <translation>転送先の変更</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Send again what is already on the device</source>
        <translation>既にデバイス上にあるものを再送信します</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: waiting</source>
        <translation>%1: 待機中</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress of %1</source>
        <translation>%1 の進行状況</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the videos to transfer</source>
        <translation>転送する動画の選択</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;All files (*)</source>
        <translation>動画 (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;すべてのファイル (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No videos were chosen.</source>
        <translation>動画が選択されませんでした。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-22"/>
        <source>The list of devices cannot be read, so nothing was transferred.</source>
        <translation>デバイスの一覧を読み取れないため、何も転送されませんでした。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is no longer in the list, so nothing was transferred.</source>
        <translation>このデバイスは一覧にないため、何も転送されませんでした。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is of a kind this version does not know, so nothing was transferred.</source>
        <translation>このバージョンでは扱えない種類のデバイスのため、何も転送されませんでした。</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <location line="+160"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>動画 %n 本を %1 へ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <location line="+160"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>動画 %n 本を %1 に転送しています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>動画 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>%1 用の動画 %n 本のディスク</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Making a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>%1 用に動画 %n 本のディスクを作成しています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+148"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>動画 %n 本中 %1 本が %2 に転送されました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n was there already.</source>
        <translation>
            <numerusform>%n 件は既にありました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>動画 %n 本中 %1 本を転送しました</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-191"/>
        <source>The USB stick “%1” that %2 plays from is not plugged in.</source>
        <translation>%2 が再生に使う USB メモリ「%1」が接続されていません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Wait for It</source>
        <translation>接続を待つ(&amp;W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose Another…</source>
        <translation>別の転送先を選択(&amp;C)…</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+14"/>
        <location line="+131"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+11"/>
        <location line="+16"/>
        <source>Nothing was transferred.</source>
        <translation>何も転送されませんでした。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-5"/>
        <source>The folder chosen before, %1, is gone.</source>
        <translation>前回選択したフォルダー %1 が見つかりません。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was transferred: %1</source>
        <translation>何も転送されませんでした: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Stopping, to start again in %1…</source>
        <translation>停止しています。%1 で再開します…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nothing is left to send; the next transfer goes to %1.</source>
        <translation>送信するものは残っていません。次の転送先は %1 です。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The next transfer goes to %1.</source>
        <translation>次の転送先は %1 です。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 had arrived in %2 before the change.</source>
        <translation>変更前に %1 が %2 に転送されていました。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The destination %1 is no longer there, so nothing was transferred.</source>
        <translation>転送先 %1 が見つからなくなったため、何も転送されませんでした。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Wait for “%1”</source>
        <translation>「%1」を待つ(&amp;W)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Plug “%1” back in and press Wait to send the %2 that did not arrive, or choose another folder.</source>
        <translation>「%1」を接続し直して [待つ] を押すと、転送されなかった%2を送ります。別のフォルダーを選択することもできます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did not arrive because of the destination: try again, or choose another folder.</source>
        <translation>転送先の問題により%1が転送されませんでした。再試行するか、別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Waiting for the USB stick “%1”. Plug it in, or press Cancel.</source>
        <translation>USB メモリ「%1」を待っています。接続するか、[キャンセル] を押してください。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="-11"/>
        <source>No disc was made.</source>
        <translation>ディスクは作成されませんでした。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="-125"/>
        <source>Disc image: %1</source>
        <translation>ディスク イメージ: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Destination: %1</source>
        <translation>転送先: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The transfer could not start: %1</source>
        <translation>転送を開始できませんでした: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2、%3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1: %2, %3 percent</source>
        <translation>%1: %2、%3 パーセント</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Making the disc image %1</source>
        <translation>ディスク イメージ %1 を作成しています</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 % — %2</source>
        <translation>%1 % — %2</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="-141"/>
        <source>On the disc</source>
        <translation>ディスクに収録</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrived</source>
        <translation>転送完了</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Arrived, but %1</source>
        <translation>転送完了 (ただし、%1)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+118"/>
        <location line="+12"/>
        <source>Stopped</source>
        <translation>中止</translation>
    </message>
    <message>
        <location line="-127"/>
        <location line="+122"/>
        <source>Already on the device</source>
        <translation>既にデバイス上にあります</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Already on the device as %1</source>
        <translation>既に %1 としてデバイス上にあります</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>✗ %1 is on the disc as %2, but differs there from the image</source>
        <translation>✗ %1 はディスクに %2 として収録されていますが、イメージと内容が異なります</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check failed</source>
        <translation>検証に失敗</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>✓ %1 is on the disc as %2</source>
        <translation>✓ %1 はディスクに %2 として収録されました</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>✓ %1 arrived as %2</source>
        <translation>✓ %1 は %2 として転送されました</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>= %1 is already on the device as %2</source>
        <translation>= %1 は既に %2 としてデバイス上にあります</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>✗ %1 failed: %2</source>
        <translation>✗ %1 は失敗しました: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>– %1 was stopped; nothing of it was left behind</source>
        <translation>– %1 は中止されました。途中までのファイルは残っていません</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disc image was not made: %1</source>
        <translation>ディスク イメージは作成されませんでした: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image %1 is ready.</source>
        <translation>ディスク イメージ %1 が完成しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image was not made.</source>
        <translation>ディスク イメージは作成されませんでした。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+19"/>
        <source>Checking the disc in %1…</source>
        <translation>%1 のディスクを検証しています…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Burning the disc in %1…</source>
        <translation>%1 でディスクに書き込んでいます…</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The disc was burned, but its check failed: it differs from the image in %1.</source>
        <translation>ディスクに書き込みましたが、検証に失敗しました: %1 の内容がイメージと異なります。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc was burned, but its check failed: %1</source>
        <translation>ディスクに書き込みましたが、検証に失敗しました: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc was not burned: %1</source>
        <translation>ディスクに書き込めませんでした: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but not checked: the run was stopped.</source>
        <translation>ディスクに書き込みましたが、検証していません: 処理が中止されました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but its check failed: it holds no checksums to check.</source>
        <translation>ディスクに書き込みましたが、検証に失敗しました: ディスクに検証用のチェックサムがありません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disc in %1 was burned and checked.</source>
        <translation>%1 のディスクへの書き込みと検証が完了しました。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+21"/>
        <source>The disc is ready</source>
        <translation>ディスクが完成しました</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The disc image is ready</source>
        <translation>ディスク イメージが完成しました</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc image is ready; the disc is not</source>
        <translation>ディスク イメージは完成しましたが、ディスクは完成していません</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <source>No disc was made</source>
        <translation>ディスクは作成されませんでした</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1, %2 there already</source>
        <translation>%1、%2 は既にありました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped — %1</source>
        <translation>中止 — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Nothing arrived</source>
        <translation>転送された動画はありません</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>No program to show folders is installed. The files are in %1</source>
        <translation>フォルダーを表示するプログラムがインストールされていません。ファイルは %1 にあります。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not transferred</source>
        <translation>未転送</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+26"/>
        <source>Stop making the disc? Nothing of it is kept.</source>
        <translation>ディスクの作成を中止しますか? 作成途中のものは何も残りません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop the transfer? The videos that arrived stay; the one on its way is removed.</source>
        <translation>転送を中止しますか? 転送が完了した動画は残りますが、転送中の動画は削除されます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go On</source>
        <translation>続行(&amp;G)</translation>
    </message>
</context>
</TS>
