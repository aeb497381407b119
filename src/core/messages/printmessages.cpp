// What the print mode and the window's start-up tell the user when they cannot go on, in Chinese.
#include "messages/printmessages.h"

#include "messages/quoting.h"

#include <QString>

#include <array>
#include <cerrno>
#include <utility>

namespace {

// The reasons of the errors a file meets on its way to the disk or a device, by errno.
constexpr std::array<std::pair<int, const char16_t *>, 20> reasons{{
        {EACCES, u"没有权限"},
        {EPERM, u"系统不允许这个操作"},
        {ENOSPC, u"磁盘（或设备）上没有剩余空间了"},
        {EDQUOT, u"超出了磁盘配额"},
        {EFBIG, u"文件超出了允许的大小"},
        {ENAMETOOLONG, u"文件名太长"},
        {EROFS, u"所在的文件系统是只读的"},
        {ENOENT, u"文件或文件夹不存在"},
        {ENOTDIR, u"路径里有一部分不是文件夹"},
        {EISDIR, u"这是一个文件夹，不能写成文件"},
        {ELOOP, u"符号链接太多，或者绕成了一个圈"},
        {EIO, u"读写设备时出错"},
        {EEXIST, u"文件已经存在"},
        {EBADF, u"这个文件描述符没有打开"},
        {ENXIO, u"设备不存在，或者没有连接"},
        {EBUSY, u"设备或文件正忙"},
        {ETXTBSY, u"文件是一个正在运行的程序"},
        {EMFILE, u"打开的文件太多了"},
        {EPIPE, u"管道的另一端已经关闭"},
        {EINVAL, u"这个文件不能这样写入"},
}};

QString reason(int error)
{
    for (const auto &[number, text] : reasons) {
        if (number == error)
            return QString::fromUtf16(text);
    }
    return QStringLiteral("系统报告了错误 %1").arg(error);
}

// “name” on one line, or standard output for "-".
QString named(const QString &file)
{
    return file == QStringLiteral("-") ? QStringLiteral("标准输出") : Quoting::quoted(file);
}

} // namespace

QString PrintMessages::cannotWrite(const QString &file, int error)
{
    return QStringLiteral("无法写入%1：%2。").arg(named(file), reason(error));
}

QString PrintMessages::missingFolder(const QString &file, const QString &folder)
{
    return QStringLiteral("无法写入%1：文件夹%2不存在。").arg(named(file), named(folder));
}

QString PrintMessages::notAFolder(const QString &file, const QString &part)
{
    return QStringLiteral("无法写入%1：%2不是文件夹。").arg(named(file), named(part));
}

QString PrintMessages::readOnly(const QString &file)
{
    return QStringLiteral("没有替换%1：它是只读的；要替换它，请先给它加上写权限。").arg(named(file));
}

QString PrintMessages::ownerNotKept(const QString &file)
{
    return QStringLiteral("没有替换%1：它属于另一个用户或组，新文件保留不了原来的所有者。").arg(named(file));
}

QString PrintMessages::notDrawn()
{
    return QStringLiteral("练习卷的页面画不出来。");
}

QString PrintMessages::saved(const QString &file)
{
    return QStringLiteral("练习卷已存为%1。").arg(Quoting::quoted(file));
}

QString PrintMessages::missingFont(const QString &family, const QString &package)
{
    return QStringLiteral("缺少练习卷用的字体“%1”，印出来会是方框；请安装软件包“%2”。").arg(family, package);
}

QString PrintMessages::noDisplay()
{
    return QStringLiteral(
            "没有可用的显示（X11 或 Wayland），练习窗口打不开；打印练习卷（sumora --pdf 文件）不需要显示。");
}

QString PrintMessages::missingPlatformPlugin(const QString &platform, const QString &package)
{
    const QString install = package.isEmpty() ? QString() : QStringLiteral("；请安装软件包“%1”").arg(package);
    return QStringLiteral("显示可以连接，但 Qt 载入不了它的平台插件“%1”，练习窗口打不开%2。").arg(platform, install);
}
