#include "preview/GraphicStore.h"

namespace rotulano::preview {

void GraphicStore::store(const std::string& name, char module, const QImage& picture) {
    entries_[name] = Entry{module, picture};
}

QImage GraphicStore::find(const std::string& name) const {
    const auto found = entries_.find(name);
    return found == entries_.end() ? QImage() : found->second.picture;
}

void GraphicStore::clearModule(char module) {
    for (auto it = entries_.begin(); it != entries_.end();) {
        it = it->second.module == module ? entries_.erase(it) : std::next(it);
    }
}

}  // namespace rotulano::preview
