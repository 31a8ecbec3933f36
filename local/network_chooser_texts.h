#pragma once
// Texts of the network chooser. The window is Polish in both languages; only
// the message about a share that cannot be opened has an English form.

#include "platform/msg.h"

namespace network_chooser_texts {

inline constexpr const char* kTitle = "Wybierz zasób sieciowy...";
inline constexpr const char* kExpectedForm =
    "UWAGA: poprawna konfiguracja to: \\\\Nazwa komputera\\Nazwa katalogu";
inline constexpr const char* kPickLabel = "Zaznacz na liście zasób sieciowy...";
inline constexpr const char* kChosenLabel = "Wybrany zasób sieciowy...";
inline constexpr const char* kCancel = "Anuluj";
inline constexpr const char* kRoot = "Otoczenie sieciowe";
inline constexpr const char* kNothingChosen = "Nie wybrano żadnego zasobu sieciowego...";
inline constexpr const char* kNotNetwork = "Błędnie wybrany zasób sieciowy.\n"
                                           "Nie może być ścieżek lokalnych tyko sieciowe\n"
                                           "Np. \\\\Nazwa komputera\\Katalog\\";
inline constexpr const char* kCaption = "KORVANTE 2.5.5";
inline constexpr Msg kCannotOpen{"Nie można otworzyć zasobu sieciowego: %1",
                                 "Cannot open the network resource: %1"};

} // namespace network_chooser_texts
