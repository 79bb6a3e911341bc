#pragma once

#include "settings/settingid.h"
#include "settings/settingkey.h"

namespace kvds {

// The player's settings, shared with the host: row r is SettingId r. Names are
// used letter for letter, odd spellings included; the registry matches them
// without case, the settings objects cache children by exact name.
constexpr int SettingKeyCount = 123;

inline constexpr SettingKey settingKeys[SettingKeyCount] = {
    { "SkinInstallPath", "Paths" }, // 0
    { "QtPluginsInstallPath", "Paths" }, // 1
    { "I18nInstallPath", "Paths" }, // 2
    { "StreamEnginePluginsInstallPath", "Paths" }, // 3
    { "PlayerXPluginsInstallPath", "Paths" }, // 4
    { "DefaultViewPlugin", "GlobalState" }, // 5
    { "PlayerXPos", "PlayerState" }, // 6
    { "PlayerYPos", "PlayerState" }, // 7
    { "PlayerWidth", "PlayerState" }, // 8
    { "PlayerHeight", "PlayerState" }, // 9
    { "PRefFixedWidth", "PlayerState" }, // 10
    { "PRefFixedHeight", "PlayerState" }, // 11
    { "AspectRatio", "PlayerState" }, // 12
    { "DisplayState", "PlayerState" }, // 13
    { "LastOpenFileLocation", "PlayerState" }, // 14
    { "DimmerIntensity", "PlayerState" }, // 15
    { "Volume", "PlayerState" }, // 16
    { "HEVCPingSent", "PlayerState" }, // 17
    { "FirstRunPingSent", "PlayerState" }, // 18
    { "RunWithoutInternetConnection", "PlayerState" }, // 19
    { "FirstRunAdayPingTime", "PlayerState" }, // 20
    { "FirstPlayerLaunch", "PlayerState" }, // 21
    { "KeyHelpXPos", "PlayerState" }, // 22
    { "KeyHelpYPos", "PlayerState" }, // 23
    { "KeyHelpWidth", "PlayerState" }, // 24
    { "KeyHelpHeight", "PlayerState" }, // 25
    { "DFXPurchaseURL", "DFXAudio" }, // 26
    { "DFXHelpFile", "DFXAudio" }, // 27
    { "DFXShown", "DFXAudio" }, // 28
    { "DFXWindowX", "DFXAudio" }, // 29
    { "DFXWindowY", "DFXAudio" }, // 30
    { "BannerMarket", "General" }, // 31
    { "Locale", "General" }, // 32
    { "MacStyleWindowControls", "General" }, // 33
    { "Skin", "General" }, // 34
    { "UseTranslucentWindow", "General" }, // 35
    { "UseWindowBlur", "General" }, // 36
    { "MediaFolder", "General" }, // 37
    { "DesktopFolder", "General" }, // 38
    { "ShowBannerAds", "General" }, // 39
    { "DefaultOpenFileLocation", "General" }, // 40
    { "LumoServer", "General" }, // 41
    { "LumoServerOverride", "General" }, // 42
    { "LumoEmail", "General" }, // 43
    { "LumoPassword", "General" }, // 44
    { "LumoCheckPointID", "General" }, // 45
    { "LumoDebug", "General" }, // 46
    { "StartupView", "General" }, // 47
    { "AVIFileAssoc", "General" }, // 48
    { "KAVOFileAssoc", "General" }, // 49
    { "XVIDFileAssoc", "General" }, // 50
    { "MKVFileAssoc", "General" }, // 51
    { "MOVFileAssoc", "General" }, // 52
    { "MP4FileAssoc", "General" }, // 53
    { "WMVFileAssoc", "General" }, // 54
    { "VOBFileAssoc", "General" }, // 55
    { "MPGFileAssoc", "General" }, // 56
    { "ASFFileAssoc", "General" }, // 57
    { "QTFileAssoc", "General" }, // 58
    { "InitialFileAssociationsHaveBeenMade", "General" }, // 59
    { "TransferDevicesConfirmDeletions", "General" }, // 60
    { "TransferDevicesPaneShown", "General" }, // 61
    { "PlayerVersion", "General" }, // 62
    { "RemoteControlsEnabled", "General" }, // 63
    { "AutoClearDownloads", "DownloadManager" }, // 64
    { "ResumeDownloadsOnStartup", "DownloadManager" }, // 65
    { "AutoCloseImportDialog", "MediaLibrary" }, // 66
    { "AddPlayedVideoToLibrary", "MediaLibrary" }, // 67
    { "AddVideoInDefFolderToLibrary", "MediaLibrary" }, // 68
    { "DeletLibraryFileAndDiskFile", "MediaLibrary" }, // 69
    { "EnableRecentWatchedPlaylist", "MediaLibrary" }, // 70
    { "ShowVideoThumbnail", "MediaLibrary" }, // 71
    { "DefaultViewColumnsEstablished", "MediaLibrary" }, // 72
    { "RecentWatchedMovies", "RecentFilis" }, // 73
    { "enableToolTips", "Playback" }, // 74
    { "hideInactiveButtons", "Playback" }, // 75
    { "AlwaysOnTop", "Playback" }, // 76
    { "LoopPlayback", "Playback" }, // 77
    { "ResumeFromLastPos", "Playback" }, // 78
    { "ShowResumeOffer", "Playback" }, // 79
    { "LoopPlaylist", "Playback" }, // 80
    { "ResizePlayerToVideo", "Playback" }, // 81
    { "DisableScreenSaver", "Playback" }, // 82
    { "ShowUltraMenus", "Playback" }, // 83
    { "RecentFileMaximum", "Playback" }, // 84
    { "RecentFileMenuMaximum", "Playback" }, // 85
    { "RememberPreviousMovie", "Playback" }, // 86
    { "WasPlaying", "Playback" }, // 87
    { "RememberRecentFilePosition", "Playback" }, // 88
    { "PauseInBackground", "Playback" }, // 89
    { "BlackoutWhenPaused", "Playback" }, // 90
    { "FadeOutWhenPlaying", "Playback" }, // 91
    { "DimDesktop", "Playback" }, // 92
    { "DimWindowWithDesktop", "Playback" }, // 93
    { "AudioOutputMode", "Playback" }, // 94
    { "SmoothTrickPlayThreshold", "Playback" }, // 95
    { "KeyframeTrickPlayInterval", "Playback" }, // 96
    { "AudioLanguage", "Languages" }, // 97
    { "SubtitleLanguage", "Languages" }, // 98
    { "MenuLanguage", "Languages" }, // 99
    { "PostProcessingMode", "Codec" }, // 100
    { "DeblockingLevel", "Codec" }, // 101
    { "Brightness", "Codec" }, // 102
    { "Contrast", "Codec" }, // 103
    { "Saturation", "Codec" }, // 104
    { "FilmEffectEnabled", "Codec" }, // 105
    { "FilmEffectLevel", "Codec" }, // 106
    { "DeinterlacingMethod", "Video" }, // 107
    { "VideoOutputMethod", "Video" }, // 108
    { "HardwareDecodingDisabled", "Video" }, // 109
    { "SubtitleFont", "Subtitles" }, // 110
    { "AlwaysUseExternalFont", "Subtitles" }, // 111
    { "UseExternalSubtitles", "Subtitles" }, // 112
    { "SubtitleTextColor", "Subtitles" }, // 113
    { "SubtitleOutlineColor", "Subtitles" }, // 114
    { "SubtitleDelay", "Subtitles" }, // 115
    { "SubtitleCodePage", "Subtitles" }, // 116
    { "SubtitleFrameRateNumerator", "Subtitles" }, // 117
    { "SubtitleFrameRateDenominator", "Subtitles" }, // 118
    { "DisableDualSubtitles", "Subtitles" }, // 119
    { "ProfileGUID", "Profiles" }, // 120
    { "OSDPosition", "OSD" }, // 121
    { "OSDFont", "OSD" }, // 122
};

} // namespace kvds
