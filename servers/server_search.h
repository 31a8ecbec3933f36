#pragma once
// Finding a server in the list by the start of its name, as the search bar
// does: whole-name mode on Enter, incremental mode on every key.

#include <QString>
#include <QStringList>

namespace servers {

// The first caption whose first n characters equal the text's (n = the
// text's length), ignoring letter case; -1 when none. An empty text matches
// the first caption.
int findByNameStart(const QStringList& captions, const QString& text);

// The incremental search's state, kept between keys.
class IncrementalSearch {
public:
    enum class Outcome { Found, Reset };

    IncrementalSearch() = default;
    // Resumes a search whose state the caller keeps between keys.
    IncrementalSearch(QString typed, int compareLength, int position)
        : typed_(std::move(typed)), length_(compareLength), position_(position) {}

    // A key pressed in the field whose text had `fieldLength` characters.
    void backspace(int fieldLength);
    void character(QChar c, int fieldLength);
    // Scans from the current position at most captions.size() entries. On a
    // match the position stays on it; past the last entry the state resets
    // (and the caller empties the field).
    Outcome step(const QStringList& captions);
    // The field became empty.
    void reset();

    const QString& typed() const { return typed_; }
    int compareLength() const { return length_; }
    int position() const { return position_; }

private:
    QString typed_;
    int length_ = 1;
    int position_ = 0;
};

} // namespace servers
