#pragma once

#include <string>
#include <vector>

namespace rotulano::printing {

// What stops a label printer from printing, as its status answer says.
enum class PrinterFault { PaperOut, RibbonOut, HeadOpen, Paused, BufferFull };

// The answer of a printer asked for its status before a row: ready, the faults it
// reports, no answer in time, an answer that is not one, or a destination that could not
// be reached to ask (`reason`, in the operator's words).
struct PrinterStatus {
    enum class Kind { NotAsked, Ready, Faults, NoAnswer, Garbled, Unreachable };

    Kind kind = Kind::NotAsked;
    std::vector<PrinterFault> faults;
    std::string reason;

    // A printer that could not be reached to ask is left to the row's own delivery, which
    // then says what is wrong as it always has.
    bool allowsPrinting() const {
        return kind == Kind::NotAsked || kind == Kind::Ready || kind == Kind::Unreachable;
    }
    // The one fault a ZPL printer clears by itself once it has taken an earlier job.
    bool onlyBufferFull() const {
        return kind == Kind::Faults && faults.size() == 1 && faults[0] == PrinterFault::BufferFull;
    }
};

// The status queries and their answers, per printer language:
//  - ZPL: "~HS"; three lines, each between STX and ETX. First line
//    "aaa,b,c,dddd,eee,f,g,h,iii,j,k,l": b paper out, c paused, f receive buffer full.
//    Second line "mmm,n,o,p,q,r,s,t,uuuuuuuu,v,www": o head open, p ribbon out, which is
//    a fault only when q (thermal-transfer mode) is 1. The third line is not used.
//  - DPL: SOH "A"; eight characters "Y" or "N" then CR: b paper out or fault, c ribbon
//    out or fault, f paused (a, d, e, g and h say the printer is working or holding a
//    label, which is no fault). Some models send more before the CR.
namespace printerStatus {

std::string query(bool zpl);

// True once `answer` holds a whole answer (three ETX for ZPL, a CR for DPL).
bool complete(bool zpl, const std::string& answer);

// Reads a whole answer: Ready, Faults, or Garbled when it is not one.
PrinterStatus parseZpl(const std::string& answer);
PrinterStatus parseDpl(const std::string& answer);
PrinterStatus parse(bool zpl, const std::string& answer);

}  // namespace printerStatus

}  // namespace rotulano::printing
