// What a server offers beyond RFC 959, read from its FEAT reply (RFC 2389), and the text
// rules of the extended commands that use it: EPSV and EPRT (RFC 2428), MLSD (RFC 3659)
// and the file-hash commands. Free of sockets, so each rule can be checked alone.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

struct TIdFTPFeatures {
    bool Answered = false; // a 211 reply came; without it nothing below is offered
    bool Mlst = false;     // MLST, and with it MLSD
    // The facts the MLST line names, lower case; Selected are those marked "*".
    std::vector<std::string> MlstFacts;
    std::vector<std::string> MlstSelected;
    bool Utf8 = false;
    bool Epsv = false;
    bool Eprt = false;
    bool Size = false;
    bool Mdtm = false;
    bool RestStream = false;
    // HASH: the algorithms in the server's spelling; HashSelected is the one in use.
    std::vector<std::string> HashAlgorithms;
    std::string HashSelected;
    bool Xsha256 = false;
    bool Xsha1 = false;
    bool Xmd5 = false;
};

// The lines of a FEAT reply (the first and the last carry the code); any reply that is
// not 211 offers nothing.
TIdFTPFeatures idParseFeatures(int16_t code, const std::vector<std::string>& replyLines);

// The port of a 229 reply ("(|||port|)", any delimiter character); raises
// EConvertError when the reply holds no valid one.
int32_t idParseEpsvReply(const std::string& line);

// "|1|ip|port|" or "|2|ip|port|" for an EPRT command.
std::string idEprtArgument(const std::string& ip, int32_t port);

// The facts the client wants, as an OPTS MLST argument ("type;size;modify;UNIX.mode;"),
// of those the server offers; empty when the server already sends them all or offers
// no MLST.
std::string idMlstOptions(const TIdFTPFeatures& features);

// One MLSD line turned into the `ls -l` form the listing readers know:
//     "drwxr-xr-x 1 owner group 4096 Mar 05 14:07 name"
// with the exact size, the modification time in local time (the year instead of the
// time of day for dates more than six months from `now`), the mode from UNIX.mode or
// else from the type and the perm fact. The entries "." and ".." (cdir, pdir) give an
// empty string; a line without facts comes back as it was.
std::string idMlsdToListLine(const std::string& line, std::time_t now);

// Which hash command the server offers, in the order the client prefers; None when none.
enum class TIdHashKind { None, Hash, Xsha256, Xsha1, Xmd5 };
struct TIdHashChoice {
    TIdHashKind Kind = TIdHashKind::None;
    std::string Algorithm; // "SHA-256", "SHA-1", "MD5", "SHA-512" (HASH's own spelling)
};
TIdHashChoice idChooseHash(const TIdFTPFeatures& features);

// The hexadecimal digest of a HASH (213 "<algorithm> <range> <hex> <name>") or X* reply
// (2xx "<hex>" or "<hex> <name>"), lower case; empty when the reply holds none.
std::string idParseHashReply(const std::string& line);
