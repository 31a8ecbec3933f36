#include "log/file_types.h"

namespace filetypes {
namespace {

struct TypeRow {
    const char* endings[3];
    Msg remote;
    Msg local; // the local window's texts where they differ; empty pl = same
    bool localOnly;
};

constexpr Msg kSame{nullptr, nullptr};

// Rows 1 to 20 are known to both windows, the rest to the local one only.
constexpr TypeRow kRows[] = {
    {{".jpg", ".gif", ".img"}, {"Plik graficzny", "Graphic file"}, kSame, false},
    {{".bmp", nullptr, nullptr}, {"Plik graficzny", "Graphic file"}, kSame, false},
    {{".htm", nullptr, nullptr}, {"Plik strony HTML", "HTML file"}, kSame, false},
    {{".zip", ".rar", nullptr}, {"Plik skompresowany", "Archive file (compression)"}, kSame, false},
    {{".exe", nullptr, nullptr}, {"Plik wykonywalny", "Executable file"}, kSame, false},
    {{".xml", nullptr, nullptr}, {"Skrypt XML", "XML file script"}, kSame, false},
    {{".php", nullptr, nullptr}, {"Skrypt PHP", "PHP file script"}, kSame, false},
    {{".txt", nullptr, nullptr}, {"Plik tekstowy", "Text file"}, kSame, false},
    {{".msg", nullptr, nullptr}, {"Plik wiadomości", "Message file"}, kSame, false},
    {{".eml", nullptr, nullptr}, {"Plik poczty e-mail", "e-mail file"}, kSame, false},
    {{".pdf", nullptr, nullptr},
     {"Plik Acrobat rider", "Acrobat rider file"},
     {"Plik Acrobat rider", "Acrobat Rider file"},
     false},
    {{".avi", ".mpg", nullptr}, {"Plik filmowy", "Films file"}, kSame, false},
    {{".dwg", ".dxf", nullptr}, {"Plik AutoCAD", "AutoCAD file"}, kSame, false},
    {{".max", nullptr, nullptr}, {"Plik 3D Studio MAX", "3D Studio MAX file"}, kSame, false},
    {{".swf", ".fla", nullptr},
     {"Plik banerów WWW Macromedia Flash", "Macromedia Flash banner WWW file"},
     kSame,
     false},
    {{".tar", ".bz2", ".tgz"},
     {"Plik systemu operacyjnego Unix lub Linux", "Unix or Linux file"},
     kSame,
     false},
    {{".rpm", nullptr, nullptr},
     {"Skompresowany plik systemu Unix/Linux", "Archive file Unix/Linux (compression)"},
     {"Skompresowany plik systemu Unix lub Linux", "Archive file Unix or Linux (compression)"},
     false},
    {{".doc", ".rtf", nullptr}, {"Plik MS Word", "MS Word file"}, kSame, false},
    {{".xls", nullptr, nullptr}, {"Plik MS Excel", "MS Excel file"}, kSame, false},
    {{".dll", ".ocx", nullptr}, {"Plik biblioteki", "Library file"}, kSame, false},
    {{".dat", nullptr, nullptr}, {"Plik danych", "Data file"}, kSame, false},
    {{".com", nullptr, nullptr}, {"Plik wykonywalny", "Executable file"}, kSame, true},
    {{".pas", ".dfm", ".dcu"}, {"Plik Borland Delphi", "Borland Delphi file"}, kSame, true},
    {{".pps", ".ppt", nullptr}, {"Plik MS PowerPoint", "MS PowerPoint file"}, kSame, true},
    {{".ods", nullptr, nullptr}, {"Plik PakMOLD [VantiS]", "[VantiS] PakMOLD file"}, kSame, true},
    {{".ico", nullptr, nullptr}, {"Plik ikony", "Icon file"}, kSame, true},
    {{".bat", nullptr, nullptr}, {"Plik wasadowy", "Bath file"}, kSame, true},
    {{".bak", ".old", nullptr}, {"Plik kopii", "Backup file"}, kSame, true},
    {{".log", nullptr, nullptr}, {"Plik logów", "Log file"}, kSame, true},
    {{".cab", nullptr, nullptr},
     {"Skompresowany plik Microsoft", "Microsoft compress file"},
     kSame,
     true},
};

constexpr Msg kNoData{"Brak danych", "No data"};

} // namespace

QString typeName(const QString& fileName, Window window, int flag) {
    const QString ending = fileName.right(4).toLower();
    for (const TypeRow& row : kRows) {
        if (row.localOnly && window == Window::Remote)
            continue;
        for (const char* candidate : row.endings) {
            if (!candidate || ending != QLatin1String(candidate))
                continue;
            const bool ownLocal = window == Window::Local && row.local.pl;
            return lang::pick(ownLocal ? row.local : row.remote, flag);
        }
    }
    return lang::pick(kNoData, flag);
}

QString sizeText(int64_t bytes) {
    return QString::number(bytes) + QStringLiteral(" B/ ") + QString::number(bytes / 1024) +
           QStringLiteral(" KB/") + QString::number(bytes / 1048576) + QStringLiteral(" MB");
}

} // namespace filetypes
