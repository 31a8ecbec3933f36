#pragma once
// How each saved server is secured. The category files keep their layout
// untouched; the mode of a server lives beside them in tls.dat, one line per
// server: "<mode>*<user>*<host>*<port>*", in the encoding and line ends of
// the category files. A server without a line there is plain FTP, which is
// what every server saved before TLS existed is.

#include "ftp/id_tls.h"
#include "platform/msg.h"

#include <QString>
#include <QStringList>

namespace session {

inline constexpr char kSecurityFileName[] = "tls.dat";
// What a new server starts with.
inline constexpr TIdSecurityMode kNewServerSecurity = smExplicitIfOffered;

// The four modes in the order the dialogs list them (the index is the mode).
const Msg& securityModeName(TIdSecurityMode mode);
// Short mark for the server list: "", "TLS?", "TLS", "TLS/990".
QString securityModeMark(TIdSecurityMode mode);
TIdSecurityMode securityModeFromIndex(int index);

struct ServerKey {
    QString user;
    QString host;
    QString port;
};

// The line of tls.dat for a server.
QString securityLine(const ServerKey& key, TIdSecurityMode mode);

// The mode kept for the server (user, host and port compared as written; the
// host without regard to letter case); smPlain when tls.dat has none.
TIdSecurityMode securityModeOf(const ServerKey& key);
TIdSecurityMode securityModeIn(const QStringList& lines, const ServerKey& key);
// Keeps (or replaces) the server's mode; a plain server's line is removed. When
// `previous` names another server (an edit changed user, host or port), its
// line goes too. False when tls.dat cannot be written.
bool storeSecurityMode(const ServerKey& key, TIdSecurityMode mode,
                       const ServerKey* previous = nullptr);

// Drops the lines of servers no longer saved anywhere, so that a server saved
// later under the same user, host and port does not inherit a deleted one's
// mode. Nothing is written when every line still has its server. False when
// tls.dat cannot be written.
bool keepSecurityModesOf(const QList<ServerKey>& saved);

} // namespace session
