#pragma once
// The Qt icon behind an HICON.
#include <QIcon>

struct IconImage {
    QIcon icon;
};
