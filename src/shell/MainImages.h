#pragma once

#include <QIcon>

namespace velorin::shell {

// The main window's pictures: imlMain (48 small images for menus, actions and the notes
// pane) and ImageList3 (the toolbar's 32 × 32 pictures).
class MainImages
{
public:
    static constexpr int imlMainCount = 48;
    static constexpr int imageList3Count = 14;

    static QIcon imlMain(int index);
    static QIcon imageList3(int index);
};

} // namespace velorin::shell
