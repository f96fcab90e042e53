#include "labels/RoutineChoice.h"

#include "core/PrinterModel.h"
#include "labels/DplLayouts.h"
#include "labels/ZplLayouts.h"

namespace rotulano::labels {

namespace {

// The ten label types' routines in one printer language.
struct RoutineSet {
    LabelRoutine tag;
    LabelRoutine smallAdhesive;
    LabelRoutine towel;
    LabelRoutine pack;
    LabelRoutine internal;
};

constexpr RoutineSet kZpl{rotinaEtqZpl01, rotinaEtqZpl02, rotinaEtqZpl08, rotinaEtqZpl09,
                          rotinaEtqZplA};
constexpr RoutineSet kDpl{rotinaEtqDpl01, rotinaEtqDpl02, rotinaEtqDpl08, rotinaEtqDpl09,
                          rotinaEtqDplA};

}  // namespace

LabelRoutine chooseLabelRoutine(int model, char labelTypeCode) {
    const RoutineSet& routines = core::PrinterModel(model).printsZpl() ? kZpl : kDpl;
    switch (labelTypeCode) {
        case '1':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
            return routines.tag;
        case '2':
            return routines.smallAdhesive;
        case '8':
            return routines.towel;
        case '9':
            return routines.pack;
        case 'A':
            return routines.internal;
        default:
            return nullptr;
    }
}

}  // namespace rotulano::labels
