#include "config/PortsFileEdit.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "config/PrinterLists.h"

namespace rotulano::config {

namespace {

enum class LineKind { Blank, Comment, Section, Key, Other };

// One line of the file: its bytes without the line end, and the line end as found.
struct Line {
    std::string body;
    std::string end;
    LineKind kind = LineKind::Other;
    std::string name;  // the section's name in capitals, or the key in small letters
    bool removed = false;
    std::vector<std::string> added;  // lines (without line end) added after this one
};

std::string trimmed(const std::string& text) {
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string changedCase(std::string text, int (*change)(int)) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [change](unsigned char c) { return static_cast<char>(change(c)); });
    return text;
}

void classify(Line& line) {
    const std::string text = trimmed(line.body);
    const std::size_t equals = text.find('=');
    if (text.empty()) {
        line.kind = LineKind::Blank;
    } else if (text[0] == ';' || text[0] == '#') {
        line.kind = LineKind::Comment;
    } else if (text.front() == '[' && text.back() == ']') {
        line.kind = LineKind::Section;
        line.name = changedCase(trimmed(text.substr(1, text.size() - 2)), std::toupper);
    } else if (equals != std::string::npos) {
        line.kind = LineKind::Key;
        line.name = changedCase(trimmed(text.substr(0, equals)), std::tolower);
    }
}

std::vector<Line> splitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t stop = newline == std::string::npos ? text.size() : newline;
        Line line;
        line.body = text.substr(start, stop - start);
        if (newline != std::string::npos) {
            const bool carriage = !line.body.empty() && line.body.back() == '\r';
            line.end = carriage ? "\r\n" : "\n";
            line.body.resize(line.body.size() - (carriage ? 1 : 0));
        }
        classify(line);
        lines.push_back(std::move(line));
        start = stop + 1;
    }
    return lines;
}

// The line end new lines get: the file's first.
std::string lineEndOf(const std::string& text) {
    const std::size_t newline = text.find('\n');
    return newline != std::string::npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

bool sameValue(const std::string& written, const std::string& wanted) {
    return changedCase(trimmed(written), std::tolower) == changedCase(wanted, std::tolower);
}

// The value of a key line replaced, all before it (the key, "=" and the spaces after it)
// and the blanks after the old value kept.
void replaceValue(Line& line, const std::string& value) {
    const std::size_t equals = line.body.find('=');
    const std::size_t first = line.body.find_first_not_of(" \t", equals + 1);
    const std::size_t start = first == std::string::npos ? line.body.size() : first;
    const std::size_t last = line.body.find_last_not_of(" \t");
    const std::size_t stop = last == std::string::npos || last < start ? start : last + 1;
    line.body = line.body.substr(0, start) + value + line.body.substr(stop);
}

class Editor {
  public:
    Editor(const std::string& original, const PortsTable& table)
        : lines_(splitLines(original)), lineEnd_(lineEndOf(original)), table_(table) {}

    std::string edited() {
        std::vector<std::string> seen;
        for (std::size_t header = 0; header < lines_.size(); ++header) {
            const Line& line = lines_[header];
            if (line.kind == LineKind::Section && PortsTable::isPortName(line.name) &&
                std::find(seen.begin(), seen.end(), line.name) == seen.end()) {
                seen.push_back(line.name);
                editSection(header);
            }
        }
        std::string text = joined();
        for (const std::string& name : PrinterLists::portItems()) {
            if (table_.find(name) != nullptr &&
                std::find(seen.begin(), seen.end(), name) == seen.end()) {
                appendEntry(name, text);
            }
        }
        return text;
    }

  private:
    // The section's last line that is neither blank nor a comment (its header when it
    // has no key).
    std::size_t sectionEnd(std::size_t header) const {
        std::size_t end = header;
        for (std::size_t i = header + 1; i < lines_.size(); ++i) {
            if (lines_[i].kind == LineKind::Section) {
                break;
            }
            if (lines_[i].kind != LineKind::Blank && lines_[i].kind != LineKind::Comment) {
                end = i;
            }
        }
        return end;
    }

    void editSection(std::size_t header) {
        const std::size_t end = sectionEnd(header);
        const core::PortDestination* entry = table_.find(lines_[header].name);
        if (entry == nullptr) {
            removeSection(header, end);
            return;
        }
        const auto values = PortsTable::keyValues(*entry);
        for (const std::string& key : PortsTable::keys()) {
            const auto wanted = std::find_if(values.begin(), values.end(),
                                             [&key](const auto& kv) { return kv.first == key; });
            Line* written = keyLine(header, end, key);
            if (written == nullptr && wanted != values.end()) {
                lines_[end].added.push_back(key + "=" + wanted->second);
            } else if (written != nullptr && wanted == values.end()) {
                written->removed = true;
            } else if (written != nullptr) {
                const std::string& body = written->body;
                if (!sameValue(body.substr(body.find('=') + 1), wanted->second)) {
                    replaceValue(*written, wanted->second);
                }
            }
        }
    }

    Line* keyLine(std::size_t header, std::size_t end, const std::string& key) {
        for (std::size_t i = header + 1; i <= end; ++i) {
            if (lines_[i].kind == LineKind::Key && lines_[i].name == key) {
                return &lines_[i];
            }
        }
        return nullptr;
    }

    // The entry's lines go, with the comment lines right above its header and the blank
    // lines that parted it from what follows (or, at the end, from what came before).
    void removeSection(std::size_t header, std::size_t end) {
        std::size_t first = header;
        while (first > 0 && lines_[first - 1].kind == LineKind::Comment) {
            --first;
        }
        std::size_t after = end + 1;
        while (after < lines_.size() && lines_[after].kind == LineKind::Blank) {
            ++after;
        }
        if (after == lines_.size()) {
            while (first > 0 && lines_[first - 1].kind == LineKind::Blank) {
                --first;
            }
        }
        const std::size_t last = after < lines_.size() ? after : end + 1;
        for (std::size_t i = first; i < last; ++i) {
            lines_[i].removed = true;
        }
    }

    std::string joined() const {
        std::string text;
        for (const Line& line : lines_) {
            if (!line.removed) {
                text += line.body + (line.added.empty() || !line.end.empty() ? line.end : lineEnd_);
            }
            for (const std::string& added : line.added) {
                text += added + lineEnd_;
            }
        }
        return text;
    }

    void appendEntry(const std::string& name, std::string& text) const {
        if (!text.empty() && text.back() != '\n') {
            text += lineEnd_;
        }
        text += (text.empty() ? "" : lineEnd_) + "[" + name + "]" + lineEnd_;
        for (const auto& [key, value] : PortsTable::keyValues(*table_.find(name))) {
            text += key + "=" + value + lineEnd_;
        }
    }

    std::vector<Line> lines_;
    std::string lineEnd_;
    const PortsTable& table_;
};

}  // namespace

std::string editPortsText(const std::string& original, const PortsTable& table) {
    if (original.empty()) {
        return table.text();
    }
    return Editor(original, table).edited();
}

}  // namespace rotulano::config
