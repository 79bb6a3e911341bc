// The two pane forms against their description: tree, sizes, policies,
// margins, style sheets and texts.
#include "tests/widgets/panelayout.h"

#include "pane/panestyles.h"
#include "widgets/zrttoolbarmenu.h"

#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

void expectMargins(QLayout *layout, int left, int top, int right, int bottom)
{
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->contentsMargins(), QMargins(left, top, right, bottom))
        << layout->objectName().toStdString();
}

void expectPolicy(QWidget *widget, QSizePolicy::Policy h, QSizePolicy::Policy v)
{
    EXPECT_EQ(widget->sizePolicy().horizontalPolicy(), h) << widget->objectName().toStdString();
    EXPECT_EQ(widget->sizePolicy().verticalPolicy(), v) << widget->objectName().toStdString();
}

// Marks every translation with its context, so a test sees which one was used.
class ContextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char('|') + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(DevicePaneForm, BuildsTheWidgetTree)
{
    QWidget widget;
    Ui::DevicePane ui;
    ui.setupUi(&widget);

    EXPECT_EQ(widget.objectName(), QStringLiteral("DevicePane"));
    EXPECT_EQ(widget.size(), QSize(135, 378));
    EXPECT_EQ(widget.minimumSize(), QSize(135, 378));
    EXPECT_EQ(widget.maximumSize(), QSize(505, 378));
    expectPolicy(&widget, QSizePolicy::Preferred, QSizePolicy::Preferred);
    EXPECT_EQ(
        widget.styleSheet(), QStringLiteral("QWidget#DevicePane {\n     background: transparent;\n}\n"));
    EXPECT_EQ(widget.windowTitle(), QStringLiteral("Kavo To Go"));

    EXPECT_EQ(widget.layout(), ui.verticalLayout);
    EXPECT_EQ(ui.verticalLayout->objectName(), QStringLiteral("verticalLayout"));
    expectMargins(ui.verticalLayout, 0, 0, 0, 0);
    ASSERT_EQ(ui.verticalLayout->count(), 1);
    EXPECT_EQ(ui.verticalLayout->itemAt(0)->widget(), ui.DeviceMenu);

    EXPECT_EQ(ui.DeviceMenu->objectName(), QStringLiteral("DeviceMenu"));
    EXPECT_EQ(ui.DeviceMenu->parentWidget(), &widget);
    expectPolicy(ui.DeviceMenu, QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    EXPECT_EQ(ui.DeviceMenu->styleSheet(),
        QStringLiteral(
            "QFrame#DeviceMenu {\n     background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 "
            "rgba(17, 17, 17, F0), stop:1 rgba(34, 34, 34, F0));\n\t border: 1px solid #303030;\n}"));
    EXPECT_EQ(ui.DeviceMenu->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(ui.DeviceMenu->frameShadow(), QFrame::Plain);
    EXPECT_EQ(ui.DeviceMenu->lineWidth(), 0);

    EXPECT_EQ(ui.DeviceMenu->layout(), ui.DeviceLayout);
    EXPECT_EQ(ui.DeviceLayout->objectName(), QStringLiteral("DeviceLayout"));
    EXPECT_EQ(ui.DeviceLayout->spacing(), 0);
    expectMargins(ui.DeviceLayout, 4, 0, 4, 0);
    ASSERT_EQ(ui.DeviceLayout->count(), 4);
    EXPECT_EQ(ui.DeviceLayout->itemAt(0)->layout(), ui.DragFilesLayout);
    EXPECT_EQ(ui.DeviceLayout->itemAt(1)->widget(), ui.DeviceScrollArea);
    EXPECT_EQ(ui.DeviceLayout->itemAt(2)->spacerItem(), ui.verticalSpacer);
    EXPECT_EQ(ui.DeviceLayout->itemAt(3)->layout(), ui.AddDeviceLayout);

    EXPECT_EQ(ui.DragFilesLayout->objectName(), QStringLiteral("DragFilesLayout"));
    EXPECT_EQ(ui.DragFilesLayout->spacing(), 0);
    expectMargins(ui.DragFilesLayout, 10, 11, 10, 7);
    ASSERT_EQ(ui.DragFilesLayout->count(), 1);
    EXPECT_EQ(ui.DragFilesLayout->itemAt(0)->widget(), ui.DragFilesLabel);
    EXPECT_EQ(ui.DragFilesLabel->objectName(), QStringLiteral("DragFilesLabel"));
    EXPECT_EQ(ui.DragFilesLabel->parentWidget(), ui.DeviceMenu);
    EXPECT_EQ(
        ui.DragFilesLabel->styleSheet(), QStringLiteral("QLabel {\ncolor: #A2A2A2;\nbackground: none;\n}"));
    EXPECT_EQ(ui.DragFilesLabel->text(), QStringLiteral("Drag Files Below..."));

    QScrollArea *area = ui.DeviceScrollArea;
    EXPECT_EQ(area->objectName(), QStringLiteral("DeviceScrollArea"));
    expectPolicy(area, QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    EXPECT_EQ(
        area->styleSheet(), QStringLiteral("QScrollArea#DeviceScrollArea {\nbackground: transparent;\n}\n"));
    EXPECT_EQ(area->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(area->frameShadow(), QFrame::Plain);
    EXPECT_EQ(area->lineWidth(), 0);
    EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_TRUE(area->widgetResizable());
    EXPECT_EQ(area->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(area->widget(), ui.DeviceScrollWidgetContents);

    QWidget *contents = ui.DeviceScrollWidgetContents;
    EXPECT_EQ(contents->objectName(), QStringLiteral("DeviceScrollWidgetContents"));
    expectPolicy(contents, QSizePolicy::Expanding, QSizePolicy::Expanding);
    EXPECT_EQ(contents->minimumSize(), QSize(50, 50));
    EXPECT_EQ(contents->maximumSize(), QSize(16777215, 16777215));
    EXPECT_EQ(contents->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(contents->styleSheet(),
        QStringLiteral("QWidget#DeviceScrollWidgetContents {\nbackground: transparent;\n}\n\n"
                       "QWidget#DeviceScrollWidgetContents:selected {\nbackground: blue;\n}"));
    EXPECT_EQ(contents->layout(), ui.DeviceGrid);
    EXPECT_EQ(ui.DeviceGrid->objectName(), QStringLiteral("DeviceGrid"));
    expectMargins(ui.DeviceGrid, 0, 0, 0, 0);
    EXPECT_EQ(ui.DeviceGrid->horizontalSpacing(), 0);
    EXPECT_EQ(ui.DeviceGrid->verticalSpacing(), 0);

    EXPECT_EQ(ui.verticalSpacer->sizeHint(), QSize(20, 2));
    EXPECT_EQ(ui.verticalSpacer->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
    EXPECT_EQ(ui.verticalSpacer->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);

    EXPECT_EQ(ui.AddDeviceLayout->objectName(), QStringLiteral("AddDeviceLayout"));
    EXPECT_EQ(ui.AddDeviceLayout->spacing(), 0);
    expectMargins(ui.AddDeviceLayout, 4, 4, 4, 4);
    ASSERT_EQ(ui.AddDeviceLayout->count(), 1);
    EXPECT_EQ(ui.AddDeviceLayout->itemAt(0)->widget(), ui.AddDevice);
    EXPECT_EQ(ui.AddDeviceLayout->itemAt(0)->alignment(), Qt::AlignHCenter);

    QToolButton *add = ui.AddDevice;
    EXPECT_EQ(add->objectName(), QStringLiteral("AddDevice"));
    EXPECT_EQ(add->parentWidget(), ui.DeviceMenu);
    EXPECT_EQ(add->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    expectPolicy(add, QSizePolicy::Preferred, QSizePolicy::Fixed);
    EXPECT_FALSE(add->acceptDrops());
    EXPECT_EQ(add->text(), QStringLiteral("Add a Device"));
    const QString addStyle = add->styleSheet();
    EXPECT_TRUE(addStyle.startsWith(QStringLiteral(
        "QToolButton#AddDevice {\nbackground: transparent;\nborder-image: url(:/DevicePane/AddButton/Normal) "
        "0 9 0 9;\n"
        "border-left: 0.7em;\nborder-right: 0.7em;\npadding-top: 0.4em;\npadding-bottom: 0.4em;\ncolor: "
        "#A2A2A2;\n"
        "font-weight: bold;\nqproperty-icon: url(:/DevicePane/AddDevice/Normal);\n}\n\n/*{\n")));
    EXPECT_TRUE(addStyle.contains(
        QStringLiteral("padding-right: -6px;\n}*/\n\nQToolButton#AddDevice:pressed {\nborder-image: "
                       "url(:/DevicePane/AddButton/Pressed) 0 13 0 13;\ncolor: "
                       "#35B1EA;\n}\n\nQToolButton#AddDevice:hover {\n"
                       "qproperty-icon: url(:/DevicePane/AddDevice/Hover);\ncolor: #35B1EA\n}\n\n"
                       "QToolButton#AddDevice:disabled {\ncolor: rgb(200, 200, 200);\n}")));
    EXPECT_TRUE(addStyle.endsWith(QStringLiteral("color: rgb(200, 200, 200);\n}")));
}

TEST(DevicePaneForm, AWidgetWithANameKeepsIt)
{
    QWidget widget;
    widget.setObjectName(QStringLiteral("Host"));
    Ui::DevicePane ui;
    ui.setupUi(&widget);
    EXPECT_EQ(widget.objectName(), QStringLiteral("Host"));
    // The sheet is still set, but its "#DevicePane" rule selects nothing here.
    EXPECT_TRUE(widget.styleSheet().startsWith(QStringLiteral("QWidget#DevicePane")));
}

TEST(DevicePaneForm, HeightForWidthFlagIsKept)
{
    QWidget widget;
    QSizePolicy policy = widget.sizePolicy();
    policy.setHeightForWidth(true);
    widget.setSizePolicy(policy);
    Ui::DevicePane ui;
    ui.setupUi(&widget);
    EXPECT_TRUE(widget.sizePolicy().hasHeightForWidth());
    expectPolicy(&widget, QSizePolicy::Preferred, QSizePolicy::Preferred);
}

TEST(DevicePaneForm, TextsAreTranslatedInTheFormsContext)
{
    ContextTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QWidget widget;
    Ui::DevicePane ui;
    ui.setupUi(&widget);
    QWidget other;
    Ui::MediaServerFunctionPane media;
    media.setupUi(&other);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(widget.windowTitle(), QStringLiteral("DevicePane|Kavo To Go"));
    EXPECT_EQ(ui.DragFilesLabel->text(), QStringLiteral("DevicePane|Drag Files Below..."));
    EXPECT_EQ(ui.AddDevice->text(), QStringLiteral("DevicePane|Add a Device"));
    // Style sheets are not texts to translate.
    EXPECT_TRUE(ui.AddDevice->styleSheet().startsWith(QStringLiteral("QToolButton#AddDevice")));
    EXPECT_EQ(other.windowTitle(), QStringLiteral("MediaServerFunctionPane|KMS"));
    EXPECT_EQ(media.StreamToBtn->text(), QStringLiteral("MediaServerFunctionPane|Stream to ..."));
    EXPECT_EQ(media.SettingsBtn->text(), QStringLiteral("MediaServerFunctionPane|Settings"));
}

TEST(DevicePaneForm, FiveDevicesPutTheSecondColumnToTheLeft)
{
    widgetstest::TestDevicePane pane;
    for (int i = 0; i < 5; ++i) {
        auto *device = widgetstest::makeDevice(i % 4, "Device " + std::to_string(i), i % 2 == 0);
        ASSERT_NE(device, nullptr);
        pane.addDevice(device);
    }
    // The fifth took row 0 of column 1; the next goes below it.
    ASSERT_NE(pane.grid()->itemAtPosition(0, 1), nullptr);
    EXPECT_EQ(pane.grid()->itemAtPosition(1, 1), nullptr);
    pane.frame->show();
    QApplication::processEvents();
    QWidget *first = pane.grid()->itemAtPosition(0, 0)->widget();
    QWidget *fifth = pane.grid()->itemAtPosition(0, 1)->widget();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(fifth, nullptr);
    EXPECT_LT(fifth->geometry().right(), first->geometry().left());
    EXPECT_EQ(pane.grid()->itemAtPosition(3, 0)->widget()->geometry().left(), first->geometry().left());
}

TEST(MediaServerFunctionPaneForm, BuildsTheWidgetTree)
{
    QWidget widget;
    Ui::MediaServerFunctionPane ui;
    ui.setupUi(&widget);

    EXPECT_EQ(widget.objectName(), QStringLiteral("MediaServerFunctionPane"));
    EXPECT_EQ(widget.size(), QSize(201, 271));
    expectPolicy(&widget, QSizePolicy::Fixed, QSizePolicy::Preferred);
    EXPECT_EQ(widget.styleSheet(),
        QStringLiteral("QWidget#MediaServerFunctionPane\n{\n       background: transparent;\n} "));
    EXPECT_EQ(widget.windowTitle(), QStringLiteral("KMS"));

    EXPECT_EQ(widget.layout(), ui.horizontalLayout);
    EXPECT_EQ(ui.horizontalLayout->objectName(), QStringLiteral("horizontalLayout"));
    EXPECT_EQ(ui.horizontalLayout->spacing(), 0);
    expectMargins(ui.horizontalLayout, 0, 0, 0, 0);
    ASSERT_EQ(ui.horizontalLayout->count(), 1);
    EXPECT_EQ(ui.horizontalLayout->itemAt(0)->widget(), ui.MediaServerFunctionMenu);

    QFrame *menu = ui.MediaServerFunctionMenu;
    EXPECT_EQ(menu->objectName(), QStringLiteral("MediaServerFunctionMenu"));
    expectPolicy(menu, QSizePolicy::Preferred, QSizePolicy::Preferred);
    EXPECT_EQ(menu->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(menu->frameShadow(), QFrame::Plain);
    EXPECT_EQ(menu->lineWidth(), 0);
    EXPECT_EQ(menu->styleSheet(),
        QStringLiteral(
            "QFrame#MediaServerFunctionMenu \n{\n      background: qlineargradient(x1:0, y1:0, x2:1, "
            "y2:0, stop:0 rgba(17, 17, 17, F0), stop:1 rgba(34, 34, 34, F0)); \n      border: 1px "
            "solid #303030; \n}\n\nQToolButton{\n       border: 0px;\n       border-image: "
            "url(:/DevicePane/DeviceButton/Normal);\n       font: bold;\n       color: #C2C2C2;\n"
            "      padding-top: 0.5em;\n}\n       \nQToolButton:hover \n{\n      border-image: "
            "url(:/DevicePane/DeviceButton/Hover);\n}\n   "));

    EXPECT_EQ(menu->layout(), ui.MediaServerFunctionLayout);
    EXPECT_EQ(ui.MediaServerFunctionLayout->objectName(), QStringLiteral("MediaServerFunctionLayout"));
    expectMargins(ui.MediaServerFunctionLayout, 8, 6, 6, 6);
    EXPECT_EQ(ui.MediaServerFunctionLayout->itemAtPosition(0, 0)->widget(), ui.StreamToBtn);
    EXPECT_EQ(ui.MediaServerFunctionLayout->itemAtPosition(1, 0)->widget(), ui.SettingsBtn);

    for (QToolButton *button : { ui.StreamToBtn, ui.SettingsBtn }) {
        EXPECT_EQ(button->parentWidget(), menu);
        expectPolicy(button, QSizePolicy::Preferred, QSizePolicy::Preferred);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
    }
    EXPECT_EQ(ui.StreamToBtn->objectName(), QStringLiteral("StreamToBtn"));
    EXPECT_EQ(ui.SettingsBtn->objectName(), QStringLiteral("SettingsBtn"));
    EXPECT_EQ(ui.StreamToBtn->iconSize(), QSize(24, 24));
    EXPECT_EQ(ui.StreamToBtn->text(), QStringLiteral("Stream to ..."));
    EXPECT_EQ(ui.SettingsBtn->text(), QStringLiteral("Settings"));
    // The icons are the resource images.
    EXPECT_EQ(ui.StreamToBtn->icon().pixmap(QSize(98, 119)).size(), QSize(98, 119));
    EXPECT_EQ(ui.SettingsBtn->icon().pixmap(QSize(112, 112)).size(), QSize(112, 112));
}

TEST(PaneStyles, ToolBarButtonSheets)
{
    EXPECT_EQ(Zarnet::PaneStyles::showDeviceMenuButton(),
        QStringLiteral("QToolButton { image: url(:/ControlBar/KavoToGo/Normal); }QToolButton::hover { image: "
                       "url(:/ControlBar/KavoToGo/Hover); }QToolButton::hover:pressed { image: "
                       "url(:/ControlBar/KavoToGo/Pressed); }"));
    EXPECT_EQ(Zarnet::PaneStyles::streamingOff(),
        QStringLiteral("QToolButton { image: url(:/ControlBar/Streaming/Normal);}QToolButton::hover { image: "
                       "url(:/ControlBar/Streaming/Hover); }QToolButton::hover:pressed { image: "
                       "url(:/ControlBar/Streaming/Pressed); }"));
    EXPECT_EQ(Zarnet::PaneStyles::streamingOn(),
        QStringLiteral("QToolButton { image: url(:/ControlBar/Streaming/Hover);}QToolButton::hover { image: "
                       "url(:/ControlBar/Streaming/Hover); }QToolButton::hover:pressed { image: "
                       "url(:/ControlBar/Streaming/Pressed); }"));
    // Built once: every call hands out the same text.
    EXPECT_EQ(&Zarnet::PaneStyles::streamingOn(), &Zarnet::PaneStyles::streamingOn());
}
