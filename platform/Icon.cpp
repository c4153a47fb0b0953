#include "Icon.h"

#include <QIcon>
#include <map>
#include <memory>

#include "qt/GdiAccess.h"
#include "qt/IconAccess.h"

HICON LoadIconResource(UINT id) {
    static std::map<UINT, std::unique_ptr<IconImage>> loaded;
    if (const auto found = loaded.find(id); found != loaded.end()) return found->second.get();
    const QPixmap picture = LoadResourcePixmap("icons", id);
    if (picture.isNull()) return nullptr;
    auto icon = std::make_unique<IconImage>();
    icon->icon = QIcon(picture);
    return loaded.emplace(id, std::move(icon)).first->second.get();
}
