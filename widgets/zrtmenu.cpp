#include "widgets/zrtmenu.h"

#include "zrt/osutilities.h"

namespace Zarnet {

ZRTMenu::ZRTMenu(QWidget *parent)
    : QMenu(parent)
{
    applyLook();
}

ZRTMenu::ZRTMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
    applyLook();
}

const QString &ZRTMenu::menuStyleSheet()
{
    // The arrow and check images belong to the host's resources.
    static const QString sheet
        = QStringLiteral("QMenu { border: 1px solid #303030; background: rgba(0, 0, 0, 92%); color: black; "
                         "padding-top: 7px; padding-bottom: 7px; }"
                         "QMenu::item { color: #FFFFFF; padding-left: 1em; padding-right: 17px; "
                         "border: 1px solid transparent; }"
                         "QMenu::item:checked { color: #36B1EA; }"
                         "QMenu::item:selected { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                         "stop:0 #08C3F4, stop:1 #0C9EC4); color: #FFFFFF; }"
                         "QMenu::item:disabled { background-color: #000000; color: #BEBEBE; }"
                         "QMenu::separator { height: 1px; background: #212121; margin-top: 3px; "
                         "margin-bottom: 3px; }"
                         "QMenu::right-arrow { border-image: url(:/Menu/Arrow/Right); margin-right: 3px; "
                         "width: 0.4em; height: 0.5em; }"
                         "QMenu::indicator:non-exclusive:checked { margin-left: 3px; "
                         "border-image: url(:/Menu/Check); margin-top: 0.15em; margin-bottom: 0.15em; }"
                         "QMenu::indicator:exclusive:checked { margin-left: 3px; "
                         "border-image: url(:/Menu/Check); margin-top: 0.15em; margin-bottom: 0.15em; }");
    return sheet;
}

void ZRTMenu::applyLook()
{
    setStyleSheet(menuStyleSheet());
    OSUtilities::FixEmExStyleSheet(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

} // namespace Zarnet
