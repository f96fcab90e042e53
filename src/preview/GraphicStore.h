#pragma once

#include <QImage>
#include <map>
#include <string>

namespace rotulano::preview {

// The images held in the printer's memory during a job, by name: the ZPL graphics
// stored by "~DG" (named with their device, "R:LOGOVRDL.GRF") and the DPL images
// stored by an image download (named "LOGOVRDL", in a memory module such as "C").
class GraphicStore {
  public:
    void store(const std::string& name, char module, const QImage& picture);

    // The picture stored under `name`; a null image when there is none.
    QImage find(const std::string& name) const;

    // Forgets every image of memory module `module` (DPL STX "q").
    void clearModule(char module);

  private:
    struct Entry {
        char module;
        QImage picture;
    };
    std::map<std::string, Entry> entries_;
};

}  // namespace rotulano::preview
