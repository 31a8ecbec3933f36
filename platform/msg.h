#pragma once
// Every text the user sees is written out in both languages. A Msg holds the
// pair; the language flag (languageFlag()) picks one when it is shown.

#include <QString>

struct Msg {
    const char* pl; // UTF-8
    const char* en;
};

namespace lang {

// The usual rule: 1 chooses Polish, any other value English.
inline QString pick(const Msg& m, int flag) {
    return QString::fromUtf8(flag == 1 ? m.pl : m.en);
}
// The variant some handlers use: English only when the flag is 0.
inline QString pickEnglishOnZero(const Msg& m, int flag) {
    return QString::fromUtf8(flag == 0 ? m.en : m.pl);
}
// The local panel's input boxes: 1 Polish, 0 English, nothing otherwise.
inline QString pickStrict(const Msg& m, int flag) {
    if (flag == 1)
        return QString::fromUtf8(m.pl);
    if (flag == 0)
        return QString::fromUtf8(m.en);
    return {};
}

} // namespace lang
