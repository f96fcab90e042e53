#pragma once

#include <string>
#include <string_view>

#include "orders/LineReader.h"
#include "orders/OrderLoad.h"

namespace rotulano::orders {

// Reads an order file ("arquivo de Pedidos") and checks it line by line, in the order the
// loader shows its warnings: the header (all digits in 1-16, record type "0", format
// version 020400 to 020500), then every later line (record type a digit, price digits
// unless the line is a pack or internal item, quantity digits). Item lines (record type
// "1") are kept in file order; lines of any other type after the first item are skipped
// but still checked. An order holds at most 999 items: a longer one is refused whole, so
// that no item is ever left out unnoticed. A line that runs on past 600 bytes without a
// line end, and a file that changed while it was read, are refused whole as well.
class OrderFileReader {
  public:
    // Reads the file at `path` (the local file name's bytes, any encoding); only a regular
    // file is opened, anything else fails to open ("96", "39"). The file is closed again
    // before the call returns.
    static OrderLoad read(const std::string& path);

    // The same reading over a file's bytes already in memory.
    static OrderLoad readBytes(std::string_view bytes);

  private:
    explicit OrderFileReader(LineReader& reader) : reader_(reader) {}

    OrderLoad run();
    bool readHeader();
    void readItems();
    bool addItem(const std::string& line);
    bool readLine(std::string& line, bool& atEnd);
    void warn(const std::string& text);
    void refuse(const std::string& text);

    LineReader& reader_;
    OrderLoad load_;
};

}  // namespace rotulano::orders
