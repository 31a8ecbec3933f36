#include "servers/server_search.h"

namespace servers {
namespace {

bool startsAlike(const QString& caption, const QString& text, int n) {
    return caption.left(n).compare(text.left(n), Qt::CaseInsensitive) == 0;
}

} // namespace

int findByNameStart(const QStringList& captions, const QString& text) {
    const int n = int(text.size());
    for (int i = 0; i < captions.size(); ++i)
        if (startsAlike(captions[i], text, n))
            return i;
    return -1;
}

void IncrementalSearch::backspace(int fieldLength) {
    length_ = fieldLength - 1;
    typed_.chop(1);
}

void IncrementalSearch::character(QChar c, int fieldLength) {
    length_ = fieldLength + 1;
    typed_.append(c);
}

IncrementalSearch::Outcome IncrementalSearch::step(const QStringList& captions) {
    for (int tries = 0; tries < captions.size() && position_ < captions.size(); ++tries) {
        const QString& caption = captions[position_];
        if (caption.left(qMax(0, length_)).compare(typed_, Qt::CaseInsensitive) == 0)
            return Outcome::Found;
        ++position_;
    }
    reset();
    return Outcome::Reset;
}

void IncrementalSearch::reset() {
    position_ = 0;
    length_ = 1;
    typed_.clear();
}

} // namespace servers
