<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AudioTrackPlayer</name>
    <message>
        <location filename="../host/audiotrackplayer.cpp" line="+266"/>
        <source>Track %1</source>
        <translation>音轨 %1</translation>
    </message>
</context>
<context>
    <name>CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.ui" line="+17"/>
        <source>Add a Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please choose the type of Kavo Certified device you would like to add, and personalize your device by giving it a name, such as &quot;Bedroom DVD Player&quot; (maximum of 20 characters).</source>
        <translation>请选择要添加的 Kavo 认证设备的类型，并为设备起一个名称，例如“卧室 DVD 机”（最多 10 个字符）。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>设备名称：</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to you Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>如果要将 Kavo VOD 视频传输到此设备上播放，请先将此设备注册到你的 Kavo VOD 账户。如果已注册 Kavo 认证设备，可以跳过此步骤。</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>立即注册</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Add Device</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DeleteTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/deletetransferdevicedialog.ui" line="+17"/>
        <source>Delete Your Device</source>
        <translation>删除设备</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Are you sure you wish to delete your device &quot;%1&quot;?</source>
        <translation>确定要删除设备“%1”吗？</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do not ask me again</source>
        <translation>不再询问</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>将文件拖到下方...</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>Add a Device</source>
        <translation>添加设备</translation>
    </message>
</context>
<context>
    <name>EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.ui" line="+17"/>
        <source>Edit Your Device</source>
        <translation>编辑设备</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>You may change the type or name of this Kavo Certified device (maximum of 20 characters).</source>
        <translation>你可以更改此 Kavo 认证设备的类型或名称（最多 10 个字符）。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device Type:</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Name:</source>
        <translation>设备名称：</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>If you intend to transfer a Kavo VOD video to play on this device, make sure to register your device to your Kavo VOD Account first.  If you have already registered your Kavo Certified device, you can skip this step.</source>
        <translation>如果要将 Kavo VOD 视频传输到此设备上播放，请先将此设备注册到你的 Kavo VOD 账户。如果已注册 Kavo 认证设备，可以跳过此步骤。</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Register Now</source>
        <translation>立即注册</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>流式传输到...</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>MediaServerWindow</name>
    <message>
        <location filename="../mediaserver/mediaserverwindow.cpp" line="+29"/>
        <source>Share my videos on the home network</source>
        <translation>在家庭网络中共享我的视频</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kavo Media Server</source>
        <translation>Kavo 媒体服务器</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Streamed files:</source>
        <translation>流式传输的文件：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name on the network:</source>
        <translation>网络上的名称(&amp;N)：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share my videos</source>
        <translation>共享我的视频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>While this is on, TVs and players on your home network can find and play your videos.</source>
        <translation>打开后，家庭网络中的电视和播放机可以找到并播放你的视频。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name on the network</source>
        <translation>网络上的名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name TVs and players show for this computer&apos;s videos. Leave it empty for the usual one.</source>
        <translation>电视和播放机为此计算机的视频显示的名称。留空则使用默认名称。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player connection</source>
        <translation>播放器连接</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether the Kavo player is connected to the media server.</source>
        <translation>Kavo 播放器是否已连接到媒体服务器。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streamed files</source>
        <translation>流式传输的文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos the player handed over with &quot;Stream to ...&quot;; they are shared under &quot;%1&quot;.</source>
        <translation>播放器通过“流式传输到...”交给媒体服务器的视频；它们在“%1”下共享。</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>A player is connected.</source>
        <translation>播放器已连接。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Waiting for a player...</source>
        <translation>正在等待播放器...</translation>
    </message>
</context>
<context>
    <name>PlaybackControls</name>
    <message>
        <location filename="../host/playbackcontrols.cpp" line="+25"/>
        <source>Position (←/→: 5 seconds)</source>
        <translation>播放位置（←/→：5 秒）</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Volume %1% (↑/↓)</source>
        <translation>音量 %1%（↑/↓）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound off: click to turn it on</source>
        <translation>已静音：单击可打开声音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>No sound device: videos play without sound</source>
        <translation>没有音频设备：视频将无声播放</translation>
    </message>
</context>
<context>
    <name>PlayerActions</name>
    <message>
        <location filename="../host/playeractions.cpp" line="+26"/>
        <source>Show Kavo To Go</source>
        <translation>显示 Kavo To Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Kavo To Go</source>
        <translation>隐藏 Kavo To Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to</source>
        <translation>传输到</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Burn to Disc…</source>
        <translation>刻录到光盘…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Server Settings…</source>
        <translation>媒体服务器设置…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to Media Server</source>
        <translation>流式传输到媒体服务器</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <location filename="../host/playerwindow.cpp" line="+112"/>
        <source>Kavo Player</source>
        <translation>Kavo 播放器</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Files handed to the transfer wizard.</source>
        <translation>文件已交给传输向导。</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Media Library</source>
        <translation>媒体库</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Media Folder…</source>
        <translation>打开媒体文件夹(&amp;O)…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+79"/>
        <location line="+240"/>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <location line="-314"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add to Play&amp;list</source>
        <translation>添加到播放列表(&amp;L)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;revious</source>
        <translation>上一个(&amp;R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next</source>
        <translation>下一个(&amp;N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>静音(&amp;M)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Library</source>
        <translation>媒体库(&amp;L)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Playback</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Audio Track</source>
        <translation>音轨(&amp;A)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Kavo Player</source>
        <translation>关于 Kavo 播放器(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavo Player</source>
        <translation>关于 Kavo 播放器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Kavo Player&lt;/b&gt;&lt;p&gt;Plays your videos and sends them to your devices with Kavo To Go.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Kavo 播放器&lt;/b&gt;&lt;p&gt;播放你的视频，并通过 Kavo To Go 将其传输到你的设备。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Remove from Playlist</source>
        <translation>从播放列表中移除(&amp;R)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Controls</source>
        <translation>控制</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Kavo To Go: your devices (Ctrl+D)</source>
        <translation>Kavo To Go：你的设备 (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream to the Kavo Media Server</source>
        <translation>流式传输到 Kavo 媒体服务器</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Kavo To Go is not available: %1</source>
        <translation>Kavo To Go 不可用：%1</translation>
    </message>
    <message numerus="yes">
        <location line="+52"/>
        <source>%n video(s) in %1</source>
        <translation>
            <numerusform>%1 中有 %n 个视频</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Media Folder</source>
        <translation>打开媒体文件夹</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nothing playing</source>
        <translation>未在播放</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double-click a video, or select it and press Enter, to play it.</source>
        <translation>双击视频，或选中视频后按 Enter 键，即可播放。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Now playing: %1</source>
        <translation>正在播放：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing %1</source>
        <translation>正在播放 %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be played.
%2</source>
        <translation>无法播放“%1”。
%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>无法播放“%1”：%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>your Videos folder</source>
        <translation>“视频”文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;No videos yet&lt;/b&gt;&lt;/p&gt;&lt;p&gt;There are no video files in %1.&lt;/p&gt;&lt;p&gt;Choose a folder with &lt;i&gt;File ▸ Open Media Folder…&lt;/i&gt; (Ctrl+O).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;还没有视频&lt;/b&gt;&lt;/p&gt;&lt;p&gt;%1 中没有视频文件。&lt;/p&gt;&lt;p&gt;请使用&lt;i&gt;文件 ▸ 打开媒体文件夹…&lt;/i&gt; (Ctrl+O) 选择一个文件夹。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>SharingSettings</name>
    <message>
        <location filename="../mediaserver/sharingsettings.cpp" line="+67"/>
        <source>%1 on %2</source>
        <translation>%2 上的 %1</translation>
    </message>
</context>
<context>
    <name>TvPanel</name>
    <message>
        <location filename="../mediaserver/tvpanel.cpp" line="+38"/>
        <source>&amp;Play on this TV</source>
        <translation>在此电视上播放(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+144"/>
        <source>P&amp;ause</source>
        <translation>暂停(&amp;A)</translation>
    </message>
    <message>
        <location line="-143"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No TV found yet. Check that the TV is switched on, is on the same network as this computer, and has its DLNA or &quot;media sharing&quot; setting on.</source>
        <translation>尚未找到电视。请检查电视是否已开机、是否与此计算机位于同一网络，以及其 DLNA 或“媒体共享”设置是否已打开。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVs</source>
        <translation>电视</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The TVs and players on your home network that can play a video.</source>
        <translation>家庭网络中可以播放视频的电视和播放机。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play on this TV</source>
        <translation>在此电视上播放</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Plays the video on the TV chosen in the list.</source>
        <translation>在列表中所选的电视上播放视频。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pauses the TV, or goes on playing.</source>
        <translation>暂停电视，或继续播放。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops playing on the TV.</source>
        <translation>停止在电视上播放。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Where the TV is in the video; drag to go elsewhere.</source>
        <translation>电视在视频中的播放位置；拖动可跳到其他位置。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play on a &amp;TV:</source>
        <translation>在电视上播放(&amp;T)：</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The TV cannot play this video as it is: converting it for the TV, %1 % done.</source>
        <translation>电视无法直接播放此视频：正在为电视转换，已完成 %1 %。</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>To play: %1</source>
        <translation>要播放：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &quot;Stream to ...&quot; in the player to play a video on a TV.</source>
        <translation>要在电视上播放视频，请使用播放器中的“流式传输到...”。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Getting the video ready for the TV...</source>
        <translation>正在为电视准备视频...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TV cannot play this video as it is: converting it for the TV...</source>
        <translation>电视无法直接播放此视频：正在为电视转换...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Playing</source>
        <translation>正在播放</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting...</source>
        <translation>正在启动...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on the TV: %2 of %3</source>
        <translation>电视上%1：%2 / %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pl&amp;ay</source>
        <translation>播放(&amp;A)</translation>
    </message>
</context>
<context>
    <name>TvStreamer</name>
    <message>
        <location filename="../mediaserver/tvstreamer.cpp" line="+35"/>
        <source>The TV left the network, or stopped answering.</source>
        <translation>电视已离开网络，或不再响应。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV refused &quot;%1&quot;: %2</source>
        <translation>电视拒绝了“%1”：%2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Sharing is off. Switch on &quot;Share my videos on the home network&quot; to play on a TV.</source>
        <translation>共享已关闭。要在电视上播放，请打开“在家庭网络中共享我的视频”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV is no longer on the network.</source>
        <translation>电视已不在网络中。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The TV could not be offered the video: check that the file is still there and that the TV is on the same network.</source>
        <translation>无法向电视提供视频：请检查文件是否仍在，以及电视是否位于同一网络。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The TV cannot play this kind of video, not even converted.</source>
        <translation>电视无法播放此类视频，即使转换后也不行。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The video could not be converted for the TV: no room for it in %1.</source>
        <translation>无法为电视转换视频：%1 中没有足够空间。</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+15"/>
        <source>The video could not be converted for the TV: %1</source>
        <translation>无法为电视转换视频：%1</translation>
    </message>
</context>
<context>
    <name>UpnpServer</name>
    <message>
        <location filename="../mediaserver/upnpserver.cpp" line="+435"/>
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now streaming</source>
        <translation>正在流式传输</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <location filename="../host/videoplayer.cpp" line="+49"/>
        <source>The file&apos;s format is not supported.</source>
        <translation>不支持此文件的格式。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file may not be read.</source>
        <translation>没有读取此文件的权限。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network failed.</source>
        <translation>网络出错。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read.</source>
        <translation>无法读取此文件。</translation>
    </message>
</context>
<context>
    <name>Zarnet::BurnDialog</name>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+25"/>
        <source>DVD Player</source>
        <translation>DVD 播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>蓝光播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Burn to Disc</source>
        <translation>刻录到光盘</translation>
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
        <translation>DVD 双层 (8.5 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray (25 GB)</source>
        <translation>Blu-ray (25 GB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>None: keep the disc image only</source>
        <translation>无：仅保留光盘映像</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="+481"/>
        <location filename="../wizard/burndialog.cpp" line="+7"/>
        <source>Kavo Disc.iso</source>
        <translation>Kavo 光盘.iso</translation>
    </message>
    <message>
        <location filename="../wizard/burndialog.cpp" line="+1"/>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the disc image</source>
        <translation>保存光盘映像</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disc images (*.iso)</source>
        <translation>光盘映像 (*.iso)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is for a &amp;player:</source>
        <translation>光盘用于播放机(&amp;P)：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;size:</source>
        <translation>光盘容量(&amp;S)：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc &amp;image:</source>
        <translation>光盘映像(&amp;I)：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Burn in drive:</source>
        <translation>刻录驱动器(&amp;B)：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Make Disc</source>
        <translation>制作光盘(&amp;M)</translation>
    </message>
</context>
<context>
    <name>Zarnet::CreateTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>DVD 播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>蓝光播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>需要设备名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>请输入此设备的名称。</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-227"/>
        <location filename="../widgets/createtransferdevicedialog.cpp" line="+24"/>
        <source>Add a Device</source>
        <translation>添加设备</translation>
    </message>
</context>
<context>
    <name>Zarnet::DeleteTransferDeviceDialog</name>
    <message>
        <location line="+238"/>
        <location filename="../widgets/deletetransferdevicedialog.cpp" line="+55"/>
        <source>Delete Your Device</source>
        <translation>删除设备</translation>
    </message>
</context>
<context>
    <name>Zarnet::DestinationDialog</name>
    <message>
        <location filename="../wizard/destinationdialog.cpp" line="+27"/>
        <source>Where do the videos for %1 go?</source>
        <translation>%1 的视频传输到何处？</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No USB stick or memory card is plugged in. Plug one in, or choose a folder.</source>
        <translation>未插入 U 盘或存储卡。请插入一个，或选择一个文件夹。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the USB stick or memory card the device plays from, or a folder.</source>
        <translation>请选择设备播放所用的 U 盘或存储卡，或选择一个文件夹。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Removable drives</source>
        <translation>可移动驱动器</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (%2, %3 free)</source>
        <translation>%1（%2，可用 %3）</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Folder:</source>
        <translation>文件夹(&amp;F)：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose folder…</source>
        <translation>选择文件夹…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>传输(&amp;T)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no folder %1.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a drive that can only be read. Choose another folder.</source>
        <translation>%1 位于只读驱动器上。请选择其他文件夹。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The drive of %1 is full. Choose another folder, or make room.</source>
        <translation>%1 所在的驱动器已满。请选择其他文件夹，或腾出空间。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose folder</source>
        <translation>选择文件夹</translation>
    </message>
</context>
<context>
    <name>Zarnet::DevicePane</name>
    <message>
        <location filename="../pane/devicepane_controller.cpp" line="+128"/>
        <source>DVD Player</source>
        <translation>DVD 播放机</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blu-ray Player</source>
        <translation>蓝光播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The device list could not be read.</source>
        <translation>无法读取设备列表。</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../widgets/transferdevicewidget.cpp" line="+234"/>
        <source>The device list is read-only.</source>
        <translation>设备列表为只读。</translation>
    </message>
    <message>
        <location line="+352"/>
        <source>Add a Device...</source>
        <translation>添加设备...</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Device Not Found</source>
        <translation>找不到设备</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; no longer exists: it was deleted elsewhere.</source>
        <translation>“%1”已不存在：它已在别处被删除。</translation>
    </message>
    <message>
        <location filename="../pane/devicepane_streaming.cpp" line="+146"/>
        <location line="+6"/>
        <source>Video Not Found</source>
        <translation>找不到视频</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Please play a video and then select &quot;stream to&quot;</source>
        <translation>请先播放视频，然后选择“流式传输到...”。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File does not exist</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Of Stream To...</source>
        <translation>流式传输错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You must turn on sharing first</source>
        <translation>必须先打开共享。</translation>
    </message>
</context>
<context>
    <name>Zarnet::EditTransferDeviceDialog</name>
    <message>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+19"/>
        <source>DVD Player</source>
        <translation>DVD 播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>蓝光播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Name Required</source>
        <translation>需要设备名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a name for this Device.</source>
        <translation>请输入此设备的名称。</translation>
    </message>
    <message>
        <location filename="../host/playertour_steps.cpp" line="-200"/>
        <location filename="../widgets/edittransferdevicedialog.cpp" line="+33"/>
        <source>Edit Your Device</source>
        <translation>编辑设备</translation>
    </message>
</context>
<context>
    <name>Zarnet::FileWorker</name>
    <message>
        <location filename="../transfer/fileworker.cpp" line="+56"/>
        <location line="+17"/>
        <source>cannot read the source: %1</source>
        <translation>无法读取源文件：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the source got shorter while it was copied</source>
        <translation>复制过程中源文件变短了</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>Zarnet::PartFile</name>
    <message>
        <location filename="../transfer/partfile.cpp" line="+81"/>
        <source>too many files are named like this one&apos;s part</source>
        <translation>此文件的临时文件名均已被占用</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>another file took the name %1</source>
        <translation>名称 %1 已被另一个文件占用</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 was replaced by something else while it was written</source>
        <translation>写入过程中 %1 被替换成了其他内容</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the destination is full</source>
        <translation>目标位置已满</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is larger than the destination can hold</source>
        <translation>文件超出了目标位置所能容纳的大小</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the destination is gone</source>
        <translation>目标位置已不存在</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the destination cannot be written: %1</source>
        <translation>无法写入目标位置：%1</translation>
    </message>
</context>
<context>
    <name>Zarnet::PinnedFolder</name>
    <message>
        <location filename="../transfer/pinnedfolder.cpp" line="+40"/>
        <source>cannot open the folder %1: %2</source>
        <translation>无法打开文件夹 %1：%2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>cannot make a folder in %1: %2</source>
        <translation>无法在 %1 中创建文件夹：%2</translation>
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
        <translation>拆分为 %1 个部分，每个最大 %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 s is too long for one file of at most %2 at a watchable quality</source>
        <translation>%1 秒太长，无法以可观看的画质放入单个最大 %2 的文件</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)</source>
        <translation>约 %1，超出了 FAT32 或光盘上单个文件的上限（4 GiB - 1 字节）</translation>
    </message>
</context>
<context>
    <name>Zarnet::TargetNames</name>
    <message>
        <location filename="../transfer/targetnames.cpp" line="+104"/>
        <source>video</source>
        <translation>视频</translation>
    </message>
</context>
<context>
    <name>Zarnet::ToolRun</name>
    <message>
        <location filename="../transfer/toolrun.cpp" line="+91"/>
        <source>done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ended abnormally</source>
        <translation>异常结束</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>could not be started</source>
        <translation>无法启动</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gave no sign of progress and was stopped</source>
        <translation>长时间无进展，已被停止</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 failed (exit %2)</source>
        <translation>%1 失败（退出代码 %2）</translation>
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
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDecision</name>
    <message>
        <location filename="../transfer/transferdecision.cpp" line="+139"/>
        <source>DVD Player</source>
        <translation>DVD 播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>蓝光播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>This %1 does not play %2 video: converting it to %3.</source>
        <translation>此%1无法播放 %2 视频：正在将其转换为 %3。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This %1 does not play %2: converting the video to plain %3.</source>
        <translation>此%1无法播放%2：正在将视频转换为普通 %3。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 video is not H.264</source>
        <translation>%1 视频不是 H.264</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>H.264 in the %1 profile</source>
        <translation>采用 %1 配置文件的 H.264</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 profile %1 is beyond High</source>
        <translation>H.264 配置文件 %1 超出 High</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>H.264 this demanding (level %1)</source>
        <translation>如此高要求的 H.264（级别 %1）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H.264 level %1 is over %2</source>
        <translation>H.264 级别 %1 超过 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 video is not MPEG-4 ASP</source>
        <translation>%1 视频不是 MPEG-4 ASP</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>this many B-frames in a row</source>
        <translation>这么多连续 B 帧</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>more than %1 B-frame in a row</source>
        <translation>连续 B 帧超过 %1 个</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quarter-pixel motion</source>
        <translation>四分之一像素运动补偿</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QPel (quarter-pixel motion) is not played</source>
        <translation>不支持播放 QPel（四分之一像素运动补偿）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>global motion compensation</source>
        <translation>全局运动补偿</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GMC (global motion compensation) is not played</source>
        <translation>不支持播放 GMC（全局运动补偿）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 B-frames in a row are more than %2</source>
        <translation>连续 %1 个 B 帧，超过 %2 个</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this kind of colour (10-bit, or finer than 4:2:0)</source>
        <translation>此类色彩格式（10 位，或比 4:2:0 更精细）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pixel format %1 is not 8-bit 4:2:0</source>
        <translation>像素格式 %1 不是 8 位 4:2:0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play pictures this large or this fast: converting the video to one it plays.</source>
        <translation>此%1无法播放这么大或帧率这么高的画面：正在将视频转换为其可播放的格式。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1×%2 at %3 fps is over %4×%5 at %6 fps and %7×%8 at %9 fps</source>
        <translation>%1×%2 @ %3 fps 超过了 %4×%5 @ %6 fps 和 %7×%8 @ %9 fps</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The video holds more data per second than this %1 reads: converting it to less.</source>
        <translation>此视频每秒的数据量超过了此%1的读取能力：正在转换为较低的数据量。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kb/s is over the %2 kb/s it plays</source>
        <translation>%1 kb/s 超过了其可播放的 %2 kb/s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This %1 does not play %2 sound: converting the sound to %3.</source>
        <translation>此%1无法播放 %2 音频：正在将音频转换为 %3。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 audio is not %2</source>
        <translation>%1 音频不是 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 plays stereo sound only: mixing the %2 channels down to two.</source>
        <translation>此%1只能播放立体声：正在将 %2 个声道缩混为两个声道。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channels are more than stereo</source>
        <translation>%1 个声道超出立体声</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This %1 does not play this kind of AAC sound: converting it to plain AAC.</source>
        <translation>此%1无法播放此类 AAC 音频：正在将其转换为普通 AAC。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>AAC %1 is not AAC-LC</source>
        <translation>AAC %1 不是 AAC-LC</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+39"/>
        <source>track %1</source>
        <translation>音轨 %1</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>sound: %1 first</source>
        <translation>音轨：%1 排在首位</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left out, as AVI holds one sound track: %1</source>
        <translation>已省略（AVI 只能容纳一条音轨）：%1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>other subtitles left out, as one .srt file is read: %1</source>
        <translation>已省略其他字幕，因为只读取一个 .srt 文件：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>image subtitles left out: they are not text, and not burned in</source>
        <translation>已省略图像字幕：它们不是文本，也未烧录到视频中</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles stay as they are: not burned in</source>
        <translation>图像字幕保持原样：未烧录到画面中</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>image subtitles left out: not burned in, MP4 cannot carry them</source>
        <translation>已省略图像字幕：未烧录到画面中，MP4 无法容纳它们</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>image subtitles carried as they are: not burned in</source>
        <translation>图像字幕按原样保留：未烧录到画面中</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: not burned in, %1 cannot carry them</source>
        <translation>已省略字幕：未烧录到画面中，%1 无法容纳它们</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles left out: %1 cannot carry them</source>
        <translation>已省略字幕：%1 无法容纳它们</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the source is damaged: the decoder met errors in it</source>
        <translation>源文件已损坏：解码器在其中遇到错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the source is damaged: %1 s of %2 s could be read</source>
        <translation>源文件已损坏：%2 秒中只能读取 %1 秒</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>subtitles (%1) written beside it as a .srt file</source>
        <translation>字幕 (%1) 已作为 .srt 文件写在旁边</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>This %1 does not play %2 files: putting the video, unchanged, into %3.</source>
        <translation>此%1无法播放 %2 文件：正在将视频原样重新封装为 %3。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not played</source>
        <translation>不支持播放 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This %1 looks for videos tagged as DivX: tagging it so, unchanged.</source>
        <translation>此%1只识别标记为 DivX 的视频：正在为其添加该标记，内容不变。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FourCC %1 is not %2</source>
        <translation>FourCC %1 不是 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The video is filmed turned and only tagged to be shown upright, which this %1 ignores: converting it, turned upright.</source>
        <translation>此视频拍摄时是旋转的，仅通过标记使其正向显示，而此%1会忽略该标记：正在将其转换为正向画面。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rotation %1° is only a tag</source>
        <translation>%1° 旋转仅为标记</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This %1 plays it as it is: copying it unchanged.</source>
        <translation>此%1可以直接播放：正在原样复制。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with %2 and %3 plays as it is</source>
        <translation>含 %2 和 %3 的 %1 可以直接播放</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with %2 plays as it is</source>
        <translation>含 %2 的 %1 可以直接播放</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: audio re-encoded</source>
        <translation>%1：音频已重新编码</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture stays as it is.</source>
        <translation>画面保持原样。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; the video is kept</source>
        <translation>%1；视频画面保持不变</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>interlaced: made progressive</source>
        <translation>隔行扫描：已转为逐行</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferDeviceWidget</name>
    <message>
        <location filename="../widgets/transferdevicewidget.cpp" line="-209"/>
        <source>DVD Player</source>
        <translation>DVD 播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>蓝光播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PlayStation®3</source>
        <translation>PlayStation®3</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Transfer Videos to &quot;%1&quot;</source>
        <translation>将视频传输到“%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../widgets/transferdevicewidget_drop.cpp" line="+79"/>
        <source>File Not Found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file no longer exists.</source>
        <translation>此文件已不存在。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files Not Found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files no longer exist.</source>
        <translation>这些文件已不存在。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized File</source>
        <translation>无法识别的文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This file was not recognized.</source>
        <translation>无法识别此文件。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unrecognized Files</source>
        <translation>无法识别的文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These files were not recognized.</source>
        <translation>无法识别这些文件。</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferEngine</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="+110"/>
        <source>this transfer has started already</source>
        <translation>此传输已经开始</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown device type %1</source>
        <translation>未知的设备类型 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no files to transfer</source>
        <translation>没有要传输的文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no disc image named</source>
        <translation>未指定光盘映像名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disc image&apos;s folder does not exist</source>
        <translation>光盘映像所在的文件夹不存在</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the destination folder does not exist</source>
        <translation>目标文件夹不存在</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The destination is no longer there.</source>
        <translation>目标位置已不存在。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The USB stick “%1” was removed.</source>
        <translation>U 盘“%1”已被拔出。</translation>
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
        <translation>双层 DVD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a Blu-ray disc</source>
        <translation>蓝光光盘</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>about %1 does not fit on %2 (%3)</source>
        <translation>约 %1，%2（%3）容纳不下</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot make a folder beside the disc image: %1</source>
        <translation>无法在光盘映像旁创建文件夹：%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no file could be put on the disc image</source>
        <translation>没有任何文件能放入光盘映像</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+45"/>
        <source>cannot write the disc image: %1</source>
        <translation>无法写入光盘映像：%1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_plan.cpp" line="+35"/>
        <source>It is too long for one file on this device: splitting it, unchanged, into %1 parts.</source>
        <translation>视频太长，无法在此设备上作为单个文件保存：正在将其原样拆分为 %1 个部分。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>subtitles left out: the video is split into parts</source>
        <translation>已省略字幕：视频被拆分为多个部分</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1; the name is not UTF-8: rewritten, unchanged, to be put on the disc</source>
        <translation>%1；名称不是 UTF-8：已原样重写，以便写入光盘</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>already on the device</source>
        <translation>已在设备上</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_probe.cpp" line="+39"/>
        <source>the source does not exist</source>
        <translation>源文件不存在</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a video: not a file</source>
        <translation>不是视频：不是文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read the source</source>
        <translation>无法读取源文件</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>not a video: %1</source>
        <translation>不是视频：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe read nothing from it for %1 s</source>
        <translation>ffprobe 在 %1 秒内未读取到任何内容</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>QPel, GMC and B-frame runs not checked: %1</source>
        <translation>未检查 QPel、GMC 和连续 B 帧：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no VOL header in the stream</source>
        <translation>流中没有 VOL 头</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>interlacing not checked: %1</source>
        <translation>未检查隔行扫描：%1</translation>
    </message>
    <message>
        <location filename="../transfer/transferengine_write.cpp" line="+57"/>
        <source>The destination is full: %1 needed, %2 free.</source>
        <translation>目标位置空间不足：需要 %1，可用 %2。</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>ffmpeg wrote nothing</source>
        <translation>ffmpeg 未写出任何内容</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferProgress</name>
    <message>
        <location filename="../transfer/transferengine.cpp" line="-129"/>
        <source>probing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copying</source>
        <translation>正在复制</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writing out</source>
        <translation>正在写出</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>making the image</source>
        <translation>正在制作映像</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>arrived</source>
        <translation>已送达</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardDialog</name>
    <message>
        <location filename="../zrt/transferwizarddialog.cpp" line="+16"/>
        <source>Transfer Wizard</source>
        <translation>传输向导</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn to disc</source>
        <translation>刻录到光盘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfer to device %1</source>
        <translation>传输到设备 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transfer wizard (kavo-transfer) is not installed, so these files cannot be transferred.</source>
        <translation>未安装传输向导 (kavo-transfer)，因此无法传输这些文件。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(choose files to add)</source>
        <translation>（选择要添加的文件）</translation>
    </message>
</context>
<context>
    <name>Zarnet::TransferWizardWindow</name>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+44"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remux</source>
        <translation>重新封装</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>DVD Player</source>
        <translation>DVD 播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blu-ray Player</source>
        <translation>蓝光播放机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TV</source>
        <translation>电视</translation>
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
        <translation>更改(&amp;H)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Another Folder…</source>
        <translation>选择其他文件夹(&amp;H)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+236"/>
        <source>&amp;Try Again</source>
        <translation>重试(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Send Again</source>
        <translation>再次发送(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open folder</source>
        <translation>打开文件夹(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-20"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Burn to Disc</source>
        <translation>刻录到光盘</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-166"/>
        <source>Transfer Videos</source>
        <translation>传输视频</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Why</source>
        <translation>原因</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Overall progress</source>
        <translation>总进度</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Change the destination</source>
        <translation>更改目标位置</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Send again what is already on the device</source>
        <translation>再次发送已在设备上的内容</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: waiting</source>
        <translation>%1：等待中</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress of %1</source>
        <translation>%1 的进度</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the videos to transfer</source>
        <translation>选择要传输的视频</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Videos (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;All files (*)</source>
        <translation>视频 (*.mp4 *.m4v *.mkv *.avi *.mov *.mpg *.mpeg *.ts *.m2ts *.wmv *.webm);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No videos were chosen.</source>
        <translation>未选择任何视频。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-22"/>
        <source>The list of devices cannot be read, so nothing was transferred.</source>
        <translation>无法读取设备列表，因此未传输任何内容。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is no longer in the list, so nothing was transferred.</source>
        <translation>此设备已不在列表中，因此未传输任何内容。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This device is of a kind this version does not know, so nothing was transferred.</source>
        <translation>此版本无法识别此设备的类型，因此未传输任何内容。</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <location line="+160"/>
        <source>%n video(s) to %1</source>
        <translation>
            <numerusform>%n 个视频到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <location line="+160"/>
        <source>Transferring %n video(s) to %1</source>
        <translation>
            <numerusform>正在将 %n 个视频传输到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n 个视频</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+18"/>
        <source>a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>用于 %1 的光盘，含 %n 个视频</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Making a disc of %n video(s) for a %1</source>
        <translation>
            <numerusform>正在制作用于 %1 的光盘，含 %n 个视频</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+148"/>
        <source>%1 of %n video(s) arrived in %2.</source>
        <translation>
            <numerusform>%n 个视频中有 %1 个已送达 %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n was there already.</source>
        <translation>
            <numerusform>%n 个已经在那里。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%1 of %n video(s) arrived</source>
        <translation>
            <numerusform>%n 个视频中有 %1 个已送达</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-191"/>
        <source>The USB stick “%1” that %2 plays from is not plugged in.</source>
        <translation>%2 播放所用的 U 盘“%1”未插入。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Wait for It</source>
        <translation>等待插入(&amp;W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose Another…</source>
        <translation>选择其他位置(&amp;C)…</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+14"/>
        <location line="+131"/>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="+11"/>
        <location line="+16"/>
        <source>Nothing was transferred.</source>
        <translation>未传输任何内容。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_destination.cpp" line="-5"/>
        <source>The folder chosen before, %1, is gone.</source>
        <translation>之前选择的文件夹 %1 已不存在。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was transferred: %1</source>
        <translation>未传输任何内容：%1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Stopping, to start again in %1…</source>
        <translation>正在停止，将在 %1 中重新开始…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nothing is left to send; the next transfer goes to %1.</source>
        <translation>没有剩余要发送的内容；下一次传输将发送到 %1。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The next transfer goes to %1.</source>
        <translation>下一次传输将发送到 %1。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 had arrived in %2 before the change.</source>
        <translation>更改前，%1 已送达 %2。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The destination %1 is no longer there, so nothing was transferred.</source>
        <translation>目标位置 %1 已不存在，因此未传输任何内容。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Wait for “%1”</source>
        <translation>等待“%1”(&amp;W)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Plug “%1” back in and press Wait to send the %2 that did not arrive, or choose another folder.</source>
        <translation>请重新插入“%1”并按“等待”，以发送未送达的 %2；或选择其他文件夹。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did not arrive because of the destination: try again, or choose another folder.</source>
        <translation>由于目标位置的问题，%1未送达：请重试，或选择其他文件夹。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Waiting for the USB stick “%1”. Plug it in, or press Cancel.</source>
        <translation>正在等待 U 盘“%1”。请插入 U 盘，或按“取消”。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="-11"/>
        <source>No disc was made.</source>
        <translation>未制作光盘。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="-125"/>
        <source>Disc image: %1</source>
        <translation>光盘映像：%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Destination: %1</source>
        <translation>目标位置：%1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The transfer could not start: %1</source>
        <translation>无法开始传输：%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: %2, %3</source>
        <translation>%1：%2，%3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1: %2, %3 percent</source>
        <translation>%1：%2，百分之 %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Making the disc image %1</source>
        <translation>正在制作光盘映像 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 % — %2</source>
        <translation>%1% — %2</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="-141"/>
        <source>On the disc</source>
        <translation>已在光盘上</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrived</source>
        <translation>已送达</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Arrived, but %1</source>
        <translation>已送达，但%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed: %1</source>
        <translation>失败: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+118"/>
        <location line="+12"/>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location line="-127"/>
        <location line="+122"/>
        <source>Already on the device</source>
        <translation>已在设备上</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Already on the device as %1</source>
        <translation>已作为 %1 在设备上</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>✗ %1 is on the disc as %2, but differs there from the image</source>
        <translation>✗ %1 已作为 %2 写入光盘，但与映像中的内容不一致</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check failed</source>
        <translation>校验失败</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>✓ %1 is on the disc as %2</source>
        <translation>✓ %1 已作为 %2 写入光盘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>✓ %1 arrived as %2</source>
        <translation>✓ %1 已作为 %2 送达</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>= %1 is already on the device as %2</source>
        <translation>= %1 已作为 %2 在设备上</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>✗ %1 failed: %2</source>
        <translation>✗ %1 失败：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>– %1 was stopped; nothing of it was left behind</source>
        <translation>– %1 已停止；未留下任何残余文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disc image was not made: %1</source>
        <translation>未制作光盘映像：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image %1 is ready.</source>
        <translation>光盘映像 %1 已制作完成。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc image was not made.</source>
        <translation>未制作光盘映像。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_disc.cpp" line="+19"/>
        <source>Checking the disc in %1…</source>
        <translation>正在校验 %1 中的光盘…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Burning the disc in %1…</source>
        <translation>正在 %1 中刻录光盘…</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The disc was burned, but its check failed: it differs from the image in %1.</source>
        <translation>光盘已刻录，但校验失败：%1 与映像中的内容不一致。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc was burned, but its check failed: %1</source>
        <translation>光盘已刻录，但校验失败：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc was not burned: %1</source>
        <translation>未刻录光盘：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but not checked: the run was stopped.</source>
        <translation>光盘已刻录，但未校验：运行已停止。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The disc was burned, but its check failed: it holds no checksums to check.</source>
        <translation>光盘已刻录，但校验失败：光盘上没有可供校验的校验和。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disc in %1 was burned and checked.</source>
        <translation>%1 中的光盘已刻录并通过校验。</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow_summary.cpp" line="+21"/>
        <source>The disc is ready</source>
        <translation>光盘已制作完成</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The disc image is ready</source>
        <translation>光盘映像已制作完成</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disc image is ready; the disc is not</source>
        <translation>光盘映像已制作完成，但光盘未完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <source>No disc was made</source>
        <translation>未制作光盘</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1, %2 there already</source>
        <translation>%1，%2 个已经在那里</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped — %1</source>
        <translation>已停止 — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Nothing arrived</source>
        <translation>没有视频送达</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>No program to show folders is installed. The files are in %1</source>
        <translation>未安装可显示文件夹的程序。文件位于 %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not transferred</source>
        <translation>未传输</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../wizard/transferwizardwindow.cpp" line="+26"/>
        <source>Stop making the disc? Nothing of it is kept.</source>
        <translation>要停止制作光盘吗？已制作的部分都不会保留。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop the transfer? The videos that arrived stay; the one on its way is removed.</source>
        <translation>要停止传输吗？已送达的视频会保留，正在传输的视频将被删除。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go On</source>
        <translation>继续(&amp;G)</translation>
    </message>
</context>
</TS>
