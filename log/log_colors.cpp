#include "log/log_colors.h"

namespace sessionlog {

int32_t lineColor(const QString& line, int32_t otherwise) {
    const QString head = line.left(9);
    if (head == u"Connected" || head == u"Disconnec")
        return kGreen;
    if (head == u"Recv: 215")
        return kFuchsia;
    if (head == u"Recv: 230")
        return kBlue;
    if (head == u"Recv: 331")
        return kOlive;
    if (head == u"Sent pass")
        return kMaroon;
    if (head == u"Recv: 421" || head == u"Recv: 500" || head == u"Recv: 530" ||
        head == u"Recv: 553" || head == u"Recv: 550")
        return kRed;
    if (head == u"Recv: 451")
        return kTeal;
    return otherwise;
}

QString paneText(const QString& line, int hidePasswordSlot) {
    if (hidePasswordSlot == 1 && line.startsWith(u"Sent: pass"))
        return QString::fromLatin1(kHiddenPasswordLine);
    return line;
}

} // namespace sessionlog
