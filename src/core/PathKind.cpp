#include "core/PathKind.h"

namespace rotulano::core {

const char* pathKindText(PathKind kind) {
    switch (kind) {
        case PathKind::Missing:
            return "um nome que não existe";
        case PathKind::BrokenLink:
            return "um link para um arquivo que não existe";
        case PathKind::LinkLoop:
            return "um laço de links";
        case PathKind::Unreachable:
            return "um nome numa pasta que não pode ser aberta";
        case PathKind::RegularFile:
            return "um arquivo comum";
        case PathKind::Folder:
            return "uma pasta";
        case PathKind::Fifo:
            return "um pipe";
        case PathKind::BlockDevice:
            return "um dispositivo de blocos";
        case PathKind::CharacterDevice:
            return "um dispositivo de caracteres";
        case PathKind::Socket:
            break;
    }
    return "um socket";
}

}  // namespace rotulano::core
