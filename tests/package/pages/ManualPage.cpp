#include "ManualPage.h"

#include <QFile>
#include <QRegularExpression>

namespace rotulano::test {

namespace {

// "\-" is a dash, "\fB" and the like only change the font.
QString plainTag(QString line) {
    line.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    line.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return line;
}

}  // namespace

ManualPage::ManualPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    lines_ = QString::fromUtf8(file.readAll()).split('\n');
    for (const QString& line : lines_) {
        if (line.startsWith(QStringLiteral(".TH "))) {
            title_ = line;
        }
    }
    read_ = true;
}

QStringList ManualPage::tags(const QString& heading) const {
    QStringList found;
    bool inside = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString& line = lines_[i];
        if (line.startsWith(QStringLiteral(".SH "))) {
            QString name = line.mid(4);
            inside = name.remove('"') == heading;
        } else if (inside && line == QStringLiteral(".TP") && i + 1 < lines_.size()) {
            found << plainTag(lines_[i + 1]);
        }
    }
    return found;
}

std::set<QString> optionsIn(const QString& text) {
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    std::set<QString> options;
    for (auto match = option.globalMatch(text); match.hasNext();) {
        options.insert(match.next().captured(1));
    }
    return options;
}

std::set<QString> optionsIn(const QStringList& texts) {
    return optionsIn(texts.join('\n'));
}

std::set<int> statusesIn(const QStringList& tags) {
    static const QRegularExpression number(QStringLiteral("\\b(\\d+)\\b"));
    std::set<int> statuses;
    for (auto match = number.globalMatch(tags.join('\n')); match.hasNext();) {
        statuses.insert(match.next().captured(1).toInt());
    }
    return statuses;
}

std::set<int> helpStatuses(const QString& help, const QString& heading) {
    const qsizetype start = help.indexOf('\n' + heading + '\n');
    if (start < 0) {
        return {};
    }
    static const QRegularExpression entry(QStringLiteral("^  (\\d+(?:, \\d+)*)(?:  |\\n)"),
                                          QRegularExpression::MultilineOption);
    std::set<int> statuses;
    for (auto match = entry.globalMatch(help, start); match.hasNext();) {
        for (const QString& number : match.next().captured(1).split(QStringLiteral(", "))) {
            statuses.insert(number.toInt());
        }
    }
    return statuses;
}

}  // namespace rotulano::test
