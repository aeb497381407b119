// What the program says when it sends a printed set to a printer queue, in Chinese, one sentence each.
#include "messages/printermessages.h"

#include <QString>

namespace {

// The scheduler's texts are sentences of their own: their full stop would stand before the quote's end.
QString reasonText(const QString &reason)
{
    QString text = reason.trimmed();
    while (text.endsWith(u'.') || text.endsWith(u'。'))
        text.chop(1);
    return text;
}

} // namespace

QString PrinterMessages::jobTitle(std::uint32_t seed)
{
    return QStringLiteral("口算练习 %1").arg(seed);
}

QString PrinterMessages::unreachable(const QString &server, const QString &reason)
{
    return QStringLiteral("无法连接打印服务“%1”，原因是“%2”。").arg(server, reasonText(reason));
}

QString PrinterMessages::unknownQueue(const QString &queue)
{
    return QStringLiteral("没有名为“%1”的打印队列。").arg(queue);
}

QString PrinterMessages::notAccepting(const QString &queue, const QString &reason)
{
    const QString why = reasonText(reason);
    // One arg() call a message: a queue's name or a reason may itself hold "%1".
    return why.isEmpty() ? QStringLiteral("打印队列“%1”现在不接受作业。").arg(queue)
                         : QStringLiteral("打印队列“%1”现在不接受作业，原因是“%2”。").arg(queue, why);
}

QString PrinterMessages::sent(const QString &queue)
{
    return QStringLiteral("练习卷已交给打印队列“%1”。").arg(queue);
}

QString PrinterMessages::held(const QString &queue)
{
    return QStringLiteral("打印队列“%1”已停止，作业在队列里等待，队列重新启用后才会打印。").arg(queue);
}

QString PrinterMessages::dialogTitle()
{
    return QStringLiteral("打印练习卷");
}

QString PrinterMessages::noPrinter()
{
    return QStringLiteral("没有可用的打印机：打印服务（CUPS）里没有打印队列。");
}

QString PrinterMessages::failed(const QString &queue, const QString &reason)
{
    return QStringLiteral("无法把作业交给打印队列“%1”，原因是“%2”。").arg(queue, reasonText(reason));
}

QString PrinterMessages::noLibrary()
{
    return QStringLiteral("找不到 CUPS 的库 libcups.so.2（Debian 包 libcups2），练习卷交不到打印队列。");
}
