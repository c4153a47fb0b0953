#pragma once
// The pictures of an image list, for the controls that show them.
#include <QPixmap>
#include <QSize>
#include <vector>

struct ImageListData {
    QSize size;
    bool masked = false;  // ILC_MASK: added bitmaps lose the pixels of their mask colour
    std::vector<QPixmap> images;

    QPixmap Image(int index) const {
        return index >= 0 && index < static_cast<int>(images.size()) ? images[static_cast<size_t>(index)] : QPixmap();
    }
};
