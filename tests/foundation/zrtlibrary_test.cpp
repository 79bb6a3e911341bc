#include "zrt/commonmenubar.h"
#include "zrt/kavomediaserver.h"
#include "zrt/osutilities.h"
#include "zrt/transferwizard.h"
#include "zrt/zrtstringtools.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontMetricsF>
#include <QListWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

TEST(ZRTLibrary, ComponentIdIsStableAndLanguageFollowsTheOverride)
{
    const std::string first = Zarnet::OSUtilities::getComponentIdUTF8();
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(Zarnet::OSUtilities::getComponentIdUTF8(), first);

    qputenv("KAVO_LANGUAGE", "ja");
    EXPECT_EQ(Zarnet::OSUtilities::getLanguageCode(), QStringLiteral("ja"));
    qunsetenv("KAVO_LANGUAGE");
    EXPECT_FALSE(Zarnet::OSUtilities::getLanguageCode().contains(QLatin1Char('_')));
}

TEST(ZRTLibrary, FixEmExTurnsLengthsIntoPixelsOfTheWidgetFont)
{
    QWidget widget;
    QFont font = widget.font();
    font.setPixelSize(20);
    widget.setFont(font);
    widget.setStyleSheet(
        QStringLiteral("QMenu::item { padding-left: 1em; width: 0.4em; margin: 2ex; } /* 10px */"));
    Zarnet::OSUtilities::FixEmExStyleSheet(&widget);
    const int ex = qRound(2 * QFontMetricsF(font).xHeight());
    EXPECT_EQ(widget.styleSheet(),
        QStringLiteral("QMenu::item { padding-left: 20px; width: 8px; margin: %1px; } /* 10px */").arg(ex));

    // Nothing to change: the sheet stays as it was.
    widget.setStyleSheet(QStringLiteral("QMenu { color: #EEEEEE; }"));
    Zarnet::OSUtilities::FixEmExStyleSheet(&widget);
    EXPECT_EQ(widget.styleSheet(), QStringLiteral("QMenu { color: #EEEEEE; }"));
    Zarnet::OSUtilities::FixEmExStyleSheet(nullptr);
}

TEST(ZRTLibrary, StringToolsRoundTripUtf8)
{
    const QString text
        = QString::fromUtf8("Wohnzimmer \xe2\x80\x94 \xe3\x83\x86\xe3\x83\xac\xe3\x83\x93 %1 \"&\"");
    const std::string bytes = Zarnet::ZRTStringTools::toStdStringUTF8(text);
    EXPECT_EQ(bytes, "Wohnzimmer \xe2\x80\x94 \xe3\x83\x86\xe3\x83\xac\xe3\x83\x93 %1 \"&\"");
    EXPECT_EQ(Zarnet::ZRTStringTools::fromStdStringUTF8(bytes), text);
}

TEST(ZRTLibrary, MenuBarHandsOutRegisteredActionsWhileTheyLive)
{
    EXPECT_EQ(Zarnet::CommonMenuBar::getAction(2010), nullptr);
    {
        QAction action(QStringLiteral("Transfer to"));
        Zarnet::CommonMenuBar::setAction(2010, &action);
        EXPECT_EQ(Zarnet::CommonMenuBar::getAction(2010), &action);
    }
    EXPECT_EQ(Zarnet::CommonMenuBar::getAction(2010), nullptr);
}

TEST(ZRTLibrary, TransferWizardShowsTheFilesAndLogsTheCall)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("transfers.log"));
    qputenv("KAVO_TRANSFER_LOG", log.toLocal8Bit());
    // Without the wizard program the files are listed in a window of our own.
    qputenv("KAVO_TRANSFER_TOOL", dir.filePath(QStringLiteral("missing")).toLocal8Bit());
    const QList<QUrl> urls { QUrl::fromLocalFile(QStringLiteral("/videos/a b.mp4")),
        QUrl(QStringLiteral("kavo_playlist_item:/1/2/3")) };
    EXPECT_EQ(Zarnet::TransferWizard::transferFiles(urls, QString(), 10001), 0);
    Zarnet::TransferWizard::transferFiles({}, QString(), Zarnet::TransferWizard::BurnTarget);
    qunsetenv("KAVO_TRANSFER_LOG");
    qunsetenv("KAVO_TRANSFER_TOOL");

    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("10001\tfile:///videos/a b.mp4\tkavo_playlist_item:/1/2/3\n1000\n"));

    int wizards = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("TransferWizard") && top->isVisible()) {
            ++wizards;
            top->close();
        }
    }
    EXPECT_EQ(wizards, 2);
}

TEST(ZRTLibrary, TransferWizardHookReplacesTheWindow)
{
    unsigned target = 0;
    Zarnet::TransferWizard::setHook([&](const QList<QUrl> &urls, const QString &, unsigned id) {
        target = id + static_cast<unsigned>(urls.size());
        return 5;
    });
    EXPECT_EQ(
        Zarnet::TransferWizard::transferFiles({ QUrl(QStringLiteral("file:///x")) }, QString(), 10000), 5);
    Zarnet::TransferWizard::setHook(nullptr);
    EXPECT_EQ(target, 10001u);
}

TEST(ZRTLibrary, MediaServerIsFoundThroughTheOverride)
{
    QTemporaryDir dir;
    qputenv("KAVO_MEDIA_SERVER", dir.filePath(QStringLiteral("missing")).toLocal8Bit());
    EXPECT_FALSE(Zarnet::KavoMediaServer::IsKMSInstalled());
    EXPECT_EQ(Zarnet::KavoMediaServer::launchKMS(), -1);
    const QString program = dir.filePath(QStringLiteral("kms"));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("KAVO_MEDIA_SERVER", program.toLocal8Bit());
    EXPECT_TRUE(Zarnet::KavoMediaServer::IsKMSInstalled());
    int launches = 0;
    Zarnet::KavoMediaServer::setLaunchHook([&] {
        ++launches;
        return 0;
    });
    EXPECT_EQ(Zarnet::KavoMediaServer::launchKMS(), 0);
    Zarnet::KavoMediaServer::setLaunchHook(nullptr);
    EXPECT_EQ(launches, 1);
    qunsetenv("KAVO_MEDIA_SERVER");
}
