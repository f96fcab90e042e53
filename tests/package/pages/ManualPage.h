#pragma once

#include <QString>
#include <QStringList>
#include <set>

namespace rotulano::test {

// A manual page's roff source, read as its entries: each .TP paragraph's tag line,
// with the escapes that only change fonts or spell a dash taken out.
class ManualPage {
  public:
    explicit ManualPage(const QString& path);

    bool read() const { return read_; }
    // The .TH line, as written.
    QString titleLine() const { return title_; }
    // The tags of the entries under the section heading `heading` (".SH heading").
    QStringList tags(const QString& heading) const;

  private:
    bool read_ = false;
    QString title_;
    QStringList lines_;
};

// The options ("-o", "--output") named in a text, not counting words with dashes inside
// ("rotulano-render").
std::set<QString> optionsIn(const QString& text);
std::set<QString> optionsIn(const QStringList& texts);

// The exit statuses a page's entries name: every number in their tags.
std::set<int> statusesIn(const QStringList& tags);

// The exit statuses a --help text lists: the numbers that start the lines of its list,
// which follows `heading`.
std::set<int> helpStatuses(const QString& help, const QString& heading);

}  // namespace rotulano::test
