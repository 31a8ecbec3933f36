#pragma once
// Texts of the server directory, in both languages.

#include "platform/msg.h"

namespace servers::texts {

// Category items of the kat1 submenu.
inline constexpr Msg kMenuFirmy{"Firmy", "Company"};
inline constexpr Msg kMenuMiasta{"Miasta", "City"};
inline constexpr Msg kMenuSzkoly{"Szkoły - Uczelnie", "Schools - College"};
inline constexpr Msg kMenuProgramy{"Programy", "Programs"};
inline constexpr Msg kMenuMuzyka{"Muzyka", "Music"};
inline constexpr Msg kMenuUlubione{"Ulubione", "Favorite"};
inline constexpr Msg kMenuPrywatne{"Prywatne", "Private"};
inline constexpr Msg kMenuInne{"Inne", "Other"};
inline constexpr Msg kMenuWszystkie{"Wszystkie serwery", "All servers"};
inline constexpr Msg kMenuKategorie{"Kategorie", "Caterory"};

} // namespace servers::texts
