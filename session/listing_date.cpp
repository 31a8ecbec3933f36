#include "session/listing_date.h"

#include <array>

namespace listing {
namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool isEnglishMonth(QByteArrayView v, Qt::CaseSensitivity cs) {
    if (v.size() != 3)
        return false;
    for (const char* m : kMonths)
        if (v.compare(QByteArrayView(m), cs) == 0)
            return true;
    return false;
}

// Localised month names ("sty", "Mär", "paź", "janv."): short, no digits.
bool isLocalMonth(QByteArrayView v) {
    if (v.size() < 3 || v.size() > 6)
        return false;
    for (char c : v)
        if (isDigit(c) || c == '-' || c == ':' || c == '/')
            return false;
    return isAsciiLetter(v[0]) || isHighByte(v[0]);
}

// A day of the month, as "7", "07", "7." (German) or "7," ("Oct 07, 2002").
int dayOf(QByteArrayView v) {
    if (v.endsWith('.') || v.endsWith(','))
        v.chop(1);
    const int day = allDigits(v, 1, 2) ? smallNumber(v) : -1;
    return day >= 1 && day <= 31 ? day : -1;
}

int monthNumberOf(QByteArrayView v) {
    const int month = allDigits(v, 1, 2) ? smallNumber(v) : -1;
    return month >= 1 && month <= 12 ? month : -1;
}

bool isYear(QByteArrayView v) {
    return allDigits(v, 4, 4);
}

bool isYearOrTime(QByteArrayView v) {
    return isYear(v) || isClockTime(v);
}

// The number before a CJK unit ("6月", "2005년", and the same units in
// Shift-JIS, EUC-JP, EUC-KR or GBK bytes): digits, then one character of two
// or three bytes whose first byte is not ASCII. -1 when there is no unit.
int numberBeforeUnit(QByteArrayView v, qsizetype maxDigits) {
    qsizetype digits = 0;
    while (digits < v.size() && isDigit(v[digits]))
        ++digits;
    const qsizetype unit = v.size() - digits;
    if (digits < 1 || digits > maxDigits || unit < 2 || unit > 3 || !isHighByte(v[digits]))
        return -1;
    return smallNumber(v.first(digits));
}

int cjkMonthOf(QByteArrayView v) {
    const int month = numberBeforeUnit(v, 2);
    return month >= 1 && month <= 12 ? month : -1;
}

int cjkDayOf(QByteArrayView v) {
    const int day = numberBeforeUnit(v, 2);
    return day >= 1 && day <= 31 ? day : -1;
}

bool isCjkYear(QByteArrayView v) {
    return numberBeforeUnit(v, 4) >= 1000;
}

// A whole date in one word: "2021-05-06", "1999/10/12", "2004.07.15",
// "24-04-2003", "01-jun-99". The fields must make a calendar date, so that
// "1.234.567" (a size with thousands dots) is not one.
bool isOneWordDate(QByteArrayView v) {
    if (v.size() < 6 || v.size() > 11)
        return false;
    char separator = 0;
    for (char c : v)
        if (c == '-' || c == '/' || c == '.') {
            separator = c;
            break;
        }
    if (!separator)
        return false;
    std::array<QByteArrayView, 3> f;
    qsizetype start = 0;
    for (size_t k = 0; k < 3; ++k) {
        const qsizetype end = k < 2 ? v.indexOf(separator, start) : v.size();
        if (end < 0)
            return false;
        f[k] = v.sliced(start, end - start);
        start = end + 1;
    }
    if (f[2].contains(separator))
        return false;
    const bool yearFirst = f[0].size() == 4;
    const QByteArrayView year = yearFirst ? f[0] : f[2];
    if (!allDigits(year) || (year.size() != 4 && year.size() != 2))
        return false;
    const QByteArrayView a = yearFirst ? f[1] : f[0];
    const QByteArrayView b = yearFirst ? f[2] : f[1];
    if (!yearFirst && isEnglishMonth(b, Qt::CaseInsensitive))
        return dayOf(a) > 0;
    if (!allDigits(a, 1, 2) || !allDigits(b, 1, 2))
        return false;
    if (yearFirst)
        return monthNumberOf(a) > 0 && dayOf(b) > 0;
    return (dayOf(a) > 0 && monthNumberOf(b) > 0) || (monthNumberOf(a) > 0 && dayOf(b) > 0);
}

// "09-26" (month and day, followed by a year or a time).
bool isMonthDay(QByteArrayView v) {
    const qsizetype dash = v.indexOf('-');
    return dash > 0 && v.size() - dash - 1 >= 1 && v.size() <= 5 &&
           monthNumberOf(v.first(dash)) > 0 && dayOf(v.sliced(dash + 1)) > 0 &&
           !v.sliced(dash + 1).contains(',') && !v.endsWith('.');
}

enum class Strength { None, Weak, Strong };

struct Match {
    Strength strength = Strength::None;
    size_t last = 0;
};

class DateReader {
public:
    DateReader(const QByteArray& line, const std::vector<Token>& tokens)
        : line_(line), tokens_(tokens) {}

    QByteArrayView at(size_t k) const {
        return k < tokens_.size() ? text(line_, tokens_[k]) : QByteArrayView();
    }
    // A trailing time is part of the date only when a name follows it;
    // otherwise that word is the name.
    bool nameFollows(size_t k) const { return k + 1 < tokens_.size(); }
    size_t withOptionalTime(size_t last) const {
        return isClockTime(at(last + 1)) && nameFollows(last + 1) ? last + 1 : last;
    }

    // "Jan 10 12:34", "Jan 10  2003", "Oct 08, 2002 09:47", "Jan 10 12:34:56 2003".
    Match monthFirst(size_t i) const {
        const QByteArrayView month = at(i), day = at(i + 1), third = at(i + 2);
        if (dayOf(day) < 0 || !isYearOrTime(third))
            return {};
        size_t last = i + 2;
        if (day.endsWith(',') && isYear(third))
            last = withOptionalTime(last);
        else if (third.size() == 8 && isYear(at(i + 3)) && nameFollows(i + 3))
            last = i + 3;
        return {monthStrength(month), last};
    }

    // "6 May 07:08", "10. Jan 2003".
    Match dayFirst(size_t i) const {
        if (dayOf(at(i)) < 0 || at(i).endsWith(',') || !isYearOrTime(at(i + 2)))
            return {};
        return {monthStrength(at(i + 1)), i + 2};
    }

    // "6月 3日 2003年", "3月 2 15:13", "2005년 1월 6일".
    Match cjk(size_t i) const {
        if (cjkMonthOf(at(i)) > 0 && (cjkDayOf(at(i + 1)) > 0 || dayOf(at(i + 1)) > 0) &&
            (isCjkYear(at(i + 2)) || isYearOrTime(at(i + 2))))
            return {Strength::Strong, i + 2};
        if (isCjkYear(at(i)) && cjkMonthOf(at(i + 1)) > 0 && cjkDayOf(at(i + 2)) > 0)
            return {Strength::Strong, withOptionalTime(i + 2)};
        return {};
    }

    // "2021-05-06 07:08", "2004.07.15", "09-26 2000", "09-26 13:45".
    Match numeric(size_t i) const {
        if (isOneWordDate(at(i)))
            return {Strength::Strong, withOptionalTime(i)};
        if (isMonthDay(at(i)) && isYearOrTime(at(i + 1)))
            return {Strength::Strong, i + 1};
        // "3 29 03:26": numbers only, so owner and group columns could imitate
        // it; it counts only when nothing better is found.
        if (monthNumberOf(at(i)) > 0 && dayOf(at(i + 1)) > 0 && !at(i + 1).endsWith(',') &&
            isClockTime(at(i + 2)))
            return {Strength::Weak, i + 2};
        return {};
    }

    // The date that starts at token `i`: the first clear reading, else the
    // first loose one. Each form is tried once, and no further after a clear one.
    Match bestAt(size_t i) const {
        Match loose;
        for (auto form : {&DateReader::monthFirst, &DateReader::dayFirst, &DateReader::cjk,
                          &DateReader::numeric}) {
            const Match m = (this->*form)(i);
            if (m.strength == Strength::Strong)
                return m;
            if (m.strength == Strength::Weak && loose.strength == Strength::None)
                loose = m;
        }
        return loose;
    }

private:
    static Strength monthStrength(QByteArrayView v) {
        if (isEnglishMonth(v, Qt::CaseSensitive))
            return Strength::Strong;
        if (isEnglishMonth(v, Qt::CaseInsensitive) || isLocalMonth(v))
            return Strength::Weak;
        return Strength::None;
    }

    const QByteArray& line_;
    const std::vector<Token>& tokens_;
};

} // namespace

std::optional<DateColumns> findUnixDate(const QByteArray& line, const std::vector<Token>& tokens,
                                        size_t ownerAt) {
    // The date follows the size; the earliest date wins, because a name may
    // itself hold something that looks like a date. A loosely recognised
    // date (a localised month, numbers only) could also be an owner, a group
    // and a size in disguise ("ftp 12 2003" before "Jan 10 12:34"), so a
    // clear date that starts right after it takes precedence unless the loose
    // one already has owner, group and size before it.
    const DateReader reader(line, tokens);
    std::optional<DateColumns> weak;
    for (size_t i = 2; i < tokens.size(); ++i) {
        if (weak && i > weak->last + 1)
            break;
        if (!isSizeColumn(text(line, tokens[i - 1])))
            continue;
        const Match found = reader.bestAt(i);
        if (found.strength == Strength::Strong)
            return DateColumns{i, found.last};
        if (weak || found.strength != Strength::Weak)
            continue;
        weak = DateColumns{i, found.last};
        if (i >= ownerAt + 3)
            break;
    }
    return weak;
}

qsizetype nameStartAfterDate(const QByteArray& line, const std::vector<Token>& tokens,
                             const DateColumns& date) {
    const Token& last = tokens[date.last];
    qsizetype start = last.end + 1;
    // `ls` right-aligns the year under "HH:MM" (" 2005"); a server that
    // left-aligns it ("2005 ") shows a single blank before the year and two
    // after it. Only the second of those two precedes the name, so names that
    // really begin with a blank stay whole under either layout.
    // "ls -lT" puts its year after the time, outside that column.
    const Token& before = tokens[date.last - 1];
    const bool leftAligned = isYear(text(line, last)) && last.start - before.end == 1 &&
                             !isClockTime(text(line, before));
    if (leftAligned && start + 1 < line.size() && isBlank(line[start]))
        ++start;
    return start;
}

} // namespace listing
