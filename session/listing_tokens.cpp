#include "session/listing_tokens.h"

namespace listing {

std::vector<Token> tokenize(const QByteArray& line, int maxTokens) {
    std::vector<Token> tokens;
    tokens.reserve(size_t(maxTokens));
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n && int(tokens.size()) < maxTokens) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n)
            break;
        const qsizetype start = i;
        while (i < n && !isBlank(line[i]))
            ++i;
        tokens.push_back({start, i});
    }
    return tokens;
}

bool allDigits(QByteArrayView v, qsizetype minLen, qsizetype maxLen) {
    if (v.size() < minLen || v.size() > maxLen)
        return false;
    for (char c : v)
        if (!isDigit(c))
            return false;
    return true;
}

int smallNumber(QByteArrayView v, qsizetype maxLen) {
    if (!allDigits(v, 1, maxLen))
        return -1;
    int value = 0;
    for (char c : v)
        value = value * 10 + (c - '0');
    return value;
}

bool isClockTime(QByteArrayView v) {
    const qsizetype colon = v.indexOf(':');
    if (colon < 1 || colon > 2)
        return false;
    const QByteArrayView rest = v.sliced(colon + 1);
    if (rest.size() == 2)
        return allDigits(v.first(colon)) && allDigits(rest);
    if (rest.size() == 5 && rest[2] == ':')
        return allDigits(v.first(colon)) && allDigits(rest.first(2)) && allDigits(rest.sliced(3));
    return false;
}

bool isSizeColumn(QByteArrayView v) {
    qsizetype i = 0;
    while (i < v.size() && isDigit(v[i]))
        ++i;
    if (i == 0)
        return false;
    if (i == v.size())
        return true;
    if (v[i] == ',')
        return allDigits(v.sliced(i + 1));
    if (v[i] == '.') {
        const qsizetype fraction = ++i;
        while (i < v.size() && isDigit(v[i]))
            ++i;
        if (i == fraction)
            return false;
    }
    // One unit letter at most, optionally followed by "B" ("12K", "1.5MB").
    QByteArrayView unit = v.sliced(i);
    if (unit.size() == 2 && (unit[1] == 'B' || unit[1] == 'b'))
        unit.chop(1);
    return unit.isEmpty() ||
           (unit.size() == 1 && QByteArrayView("KMGTPEkmgtpeBb").contains(unit[0]));
}

} // namespace listing
