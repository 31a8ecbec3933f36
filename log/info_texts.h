#pragma once
// Texts of the information window TForm16. Its header is Polish in both languages.

namespace infotext {

inline constexpr const char* kCaption = "Info...";
inline constexpr const char* kHeaderServer = "Szczegóły katalogów i plików na: ";
inline constexpr const char* kHeaderLegend = "LEGENDA";
inline constexpr const char* kHeaderColumns =
    "Prawa dostępu | Użytkownik | Data modyfikacji | Nazwa udziłu";
inline constexpr const char* kHeaderRule = "----------------------";
inline constexpr const char* kSaveName = "katalogi";
inline constexpr const char* kSaveFilter = "*.txt";

} // namespace infotext
