#include "settings/settingkeys.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Every row as "section/key", in table order.
const char *const Expected
    = "Paths/SkinInstallPath Paths/QtPluginsInstallPath Paths/I18nInstallPath "
      "Paths/StreamEnginePluginsInstallPath Paths/PlayerXPluginsInstallPath GlobalState/DefaultViewPlugin "
      "PlayerState/PlayerXPos PlayerState/PlayerYPos PlayerState/PlayerWidth PlayerState/PlayerHeight "
      "PlayerState/PRefFixedWidth PlayerState/PRefFixedHeight PlayerState/AspectRatio "
      "PlayerState/DisplayState "
      "PlayerState/LastOpenFileLocation PlayerState/DimmerIntensity PlayerState/Volume "
      "PlayerState/HEVCPingSent "
      "PlayerState/FirstRunPingSent PlayerState/RunWithoutInternetConnection "
      "PlayerState/FirstRunAdayPingTime "
      "PlayerState/FirstPlayerLaunch PlayerState/KeyHelpXPos PlayerState/KeyHelpYPos "
      "PlayerState/KeyHelpWidth "
      "PlayerState/KeyHelpHeight DFXAudio/DFXPurchaseURL DFXAudio/DFXHelpFile DFXAudio/DFXShown "
      "DFXAudio/DFXWindowX DFXAudio/DFXWindowY General/BannerMarket General/Locale "
      "General/MacStyleWindowControls "
      "General/Skin General/UseTranslucentWindow General/UseWindowBlur General/MediaFolder "
      "General/DesktopFolder "
      "General/ShowBannerAds General/DefaultOpenFileLocation General/LumoServer General/LumoServerOverride "
      "General/LumoEmail General/LumoPassword General/LumoCheckPointID General/LumoDebug General/StartupView "
      "General/AVIFileAssoc General/KAVOFileAssoc General/XVIDFileAssoc General/MKVFileAssoc "
      "General/MOVFileAssoc "
      "General/MP4FileAssoc General/WMVFileAssoc General/VOBFileAssoc General/MPGFileAssoc "
      "General/ASFFileAssoc "
      "General/QTFileAssoc General/InitialFileAssociationsHaveBeenMade "
      "General/TransferDevicesConfirmDeletions "
      "General/TransferDevicesPaneShown General/PlayerVersion General/RemoteControlsEnabled "
      "DownloadManager/AutoClearDownloads DownloadManager/ResumeDownloadsOnStartup "
      "MediaLibrary/AutoCloseImportDialog MediaLibrary/AddPlayedVideoToLibrary "
      "MediaLibrary/AddVideoInDefFolderToLibrary MediaLibrary/DeletLibraryFileAndDiskFile "
      "MediaLibrary/EnableRecentWatchedPlaylist MediaLibrary/ShowVideoThumbnail "
      "MediaLibrary/DefaultViewColumnsEstablished RecentFilis/RecentWatchedMovies Playback/enableToolTips "
      "Playback/hideInactiveButtons Playback/AlwaysOnTop Playback/LoopPlayback Playback/ResumeFromLastPos "
      "Playback/ShowResumeOffer Playback/LoopPlaylist Playback/ResizePlayerToVideo "
      "Playback/DisableScreenSaver "
      "Playback/ShowUltraMenus Playback/RecentFileMaximum Playback/RecentFileMenuMaximum "
      "Playback/RememberPreviousMovie Playback/WasPlaying Playback/RememberRecentFilePosition "
      "Playback/PauseInBackground Playback/BlackoutWhenPaused Playback/FadeOutWhenPlaying "
      "Playback/DimDesktop "
      "Playback/DimWindowWithDesktop Playback/AudioOutputMode Playback/SmoothTrickPlayThreshold "
      "Playback/KeyframeTrickPlayInterval Languages/AudioLanguage Languages/SubtitleLanguage "
      "Languages/MenuLanguage "
      "Codec/PostProcessingMode Codec/DeblockingLevel Codec/Brightness Codec/Contrast Codec/Saturation "
      "Codec/FilmEffectEnabled Codec/FilmEffectLevel Video/DeinterlacingMethod Video/VideoOutputMethod "
      "Video/HardwareDecodingDisabled Subtitles/SubtitleFont Subtitles/AlwaysUseExternalFont "
      "Subtitles/UseExternalSubtitles Subtitles/SubtitleTextColor Subtitles/SubtitleOutlineColor "
      "Subtitles/SubtitleDelay Subtitles/SubtitleCodePage Subtitles/SubtitleFrameRateNumerator "
      "Subtitles/SubtitleFrameRateDenominator Subtitles/DisableDualSubtitles Profiles/ProfileGUID "
      "OSD/OSDPosition OSD/OSDFont";

} // namespace

TEST(SettingKeys, EveryRowLetterForLetterInOrder)
{
    std::string joined;
    for (const kvds::SettingKey &row : kvds::settingKeys) {
        if (!joined.empty())
            joined += ' ';
        joined += std::string(row.section) + "/" + row.key;
    }
    EXPECT_EQ(joined, Expected);
    EXPECT_EQ(sizeof(kvds::settingKeys) / sizeof(kvds::settingKeys[0]), 123u);
}

TEST(SettingKeys, RowSixtyIsTheDeleteConfirmation)
{
    static_assert(kvds::TransferDevicesConfirmDeletions == 60, "the delete dialog uses row 60");
    EXPECT_STREQ(kvds::settingKeys[60].section, "General");
    EXPECT_STREQ(kvds::settingKeys[60].key, "TransferDevicesConfirmDeletions");
    EXPECT_STREQ(kvds::settingKeys[kvds::TransferDevicesPaneShown].key, "TransferDevicesPaneShown");
    EXPECT_EQ(kvds::TransferDevicesPaneShown, 61);
}

TEST(SettingKeys, OddSpellingsAreKept)
{
    EXPECT_STREQ(kvds::settingKeys[kvds::RecentWatchedMovies].section, "RecentFilis");
    EXPECT_STREQ(kvds::settingKeys[kvds::DeletLibraryFileAndDiskFile].key, "DeletLibraryFileAndDiskFile");
    EXPECT_STREQ(kvds::settingKeys[kvds::PRefFixedWidth].key, "PRefFixedWidth");
    EXPECT_STREQ(kvds::settingKeys[kvds::enableToolTips].key, "enableToolTips");
}

TEST(SettingKeys, IdsAreTheRowIndexes)
{
    EXPECT_EQ(kvds::SkinInstallPath, 0);
    EXPECT_EQ(kvds::DefaultViewPlugin, 5);
    EXPECT_EQ(kvds::BannerMarket, 31);
    EXPECT_EQ(kvds::RecentWatchedMovies, 73);
    EXPECT_EQ(kvds::enableToolTips, 74);
    EXPECT_EQ(kvds::OSDFont, 122);
    EXPECT_STREQ(kvds::settingKeys[kvds::OSDFont].key, "OSDFont");
    EXPECT_STREQ(kvds::settingKeys[kvds::KeyframeTrickPlayInterval].key, "KeyframeTrickPlayInterval");
}
