// Where a printed set goes: a file replaced whole once the new one is complete, or a device, a pipe or standard
// output written to as it is, as a shell's redirection would.
#include "print/outputfile.h"

#include "messages/errortexts.h"
#include "messages/printmessages.h"
#include "print/sheetpdf.h"
#include "shared/runtimeerror.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many symbolic links as Linux follows in one path before it gives ELOOP.
constexpr int mostLinks = 40;

// The signals that end the program by default, and so would leave a temporary file behind.
constexpr std::array endingSignals{SIGHUP, SIGINT, SIGQUIT, SIGTERM};

// The temporary file while it exists, for the signal handler: empty otherwise.
std::array<char, PATH_MAX> pendingTemporary{};

extern "C" {
static void removeTemporary(int signal)
{
    if (pendingTemporary[0] != '\0')
        ::unlink(pendingTemporary.data());
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}
}

// While it lives, an ending signal removes the temporary file before it ends the program, and a size limit makes a
// write fail with EFBIG instead of ending the program. Signals that the program ignores or handles stay so.
class TemporaryGuard
{
public:
    TemporaryGuard()
    {
        struct sigaction removing = {};
        removing.sa_handler = removeTemporary;
        sigemptyset(&removing.sa_mask);
        for (size_t i = 0; i < endingSignals.size(); ++i) {
            ::sigaction(endingSignals[i], nullptr, &m_before[i]);
            if (m_before[i].sa_handler == SIG_DFL)
                ::sigaction(endingSignals[i], &removing, nullptr);
        }
        struct sigaction ignoring = {};
        ignoring.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignoring, &m_sizeBefore);
    }
    ~TemporaryGuard()
    {
        for (size_t i = 0; i < endingSignals.size(); ++i)
            ::sigaction(endingSignals[i], &m_before[i], nullptr);
        ::sigaction(SIGXFSZ, &m_sizeBefore, nullptr);
        pendingTemporary[0] = '\0';
    }
    TemporaryGuard(const TemporaryGuard &) = delete;
    TemporaryGuard &operator=(const TemporaryGuard &) = delete;

    // The file made; a path too long for the handler cannot have been made.
    static void made(const QByteArray &path)
    {
        if (size_t(path.size()) < pendingTemporary.size())
            std::memcpy(pendingTemporary.data(), path.constData(), size_t(path.size()) + 1);
    }

private:
    std::array<struct sigaction, endingSignals.size()> m_before{};
    struct sigaction m_sizeBefore = {};
};

// The descriptor that a name of the process's own open files stands for, as bash reads these names itself; -1 for
// any other name.
int streamFor(const QString &name)
{
    if (name == u"-" || name == u"/dev/stdout")
        return STDOUT_FILENO;
    if (name == u"/dev/stderr")
        return STDERR_FILENO;
    const QString number = name.startsWith(u"/dev/fd/") ? name.mid(8) : QString();
    const bool digits = std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return !number.isEmpty() && number.size() < 10 && digits ? number.toInt() : -1;
}

// All of bytes, however many calls it takes; false with errno set when the system refuses.
bool writeAll(int descriptor, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The folder part of a path with its last slash; empty for a name alone.
QByteArray folderOf(const QByteArray &path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

// Replaces path, a symbolic link, with what it points at (relative to the link's folder). False with errno set.
bool followLink(QByteArray &path)
{
    std::array<char, PATH_MAX> text{};
    const ssize_t size = ::readlink(path.constData(), text.data(), text.size());
    if (size < 0)
        return false;
    if (size_t(size) == text.size()) {
        errno = ENAMETOOLONG;
        return false;
    }
    const QByteArray link(text.data(), size);
    path = link.startsWith('/') ? link : folderOf(path) + link;
    return true;
}

// Why path cannot be opened, naming the folder that is missing or the part of the path that is not a folder.
QString openFailure(const QString &name, const QByteArray &path, int error)
{
    if (error == ENOENT) {
        const QByteArray folder = folderOf(path);
        return PrintMessages::missingFolder(
                name,
                folder.isEmpty() ? QStringLiteral(".")
                                 : QFile::decodeName(folder.size() > 1 ? folder.chopped(1) : folder));
    }
    if (error == ENOTDIR) {
        for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1)) {
            struct stat status = {};
            if (::stat(path.left(slash).constData(), &status) == 0 && !S_ISDIR(status.st_mode))
                return PrintMessages::notAFolder(name, QFile::decodeName(path.left(slash)));
        }
    }
    return PrintMessages::cannotWrite(name, error);
}

// A device, a pipe or a socket, as a redirection writes to it.
std::optional<QString> writeDirectly(const QString &name, const QByteArray &path, const QByteArray &bytes)
{
    const int descriptor = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return openFailure(name, path, errno);
    const bool written = writeAll(descriptor, bytes);
    const int error = errno;
    if (::close(descriptor) != 0 && written)
        return PrintMessages::cannotWrite(name, errno);
    return written ? std::nullopt : std::optional(PrintMessages::cannotWrite(name, error));
}

// Gives the new file the owner, group and mode of the one it replaces.
std::optional<QString> keepState(const QString &name, int descriptor, const struct stat &existing)
{
    struct stat made = {};
    if (::fstat(descriptor, &made) != 0)
        return PrintMessages::cannotWrite(name, errno);
    // Only root may give a file away, and only a member of a group may give a file to it.
    if ((made.st_uid != existing.st_uid || made.st_gid != existing.st_gid)
        && ::fchown(descriptor, existing.st_uid, existing.st_gid) != 0)
        return PrintMessages::ownerNotKept(name);
    if (::fchmod(descriptor, existing.st_mode & 07777) != 0)
        return PrintMessages::cannotWrite(name, errno);
    return std::nullopt;
}

// A regular file at target (existing holds its state) or a new one, through a temporary file beside it.
std::optional<QString> replace(const QString &name, const QByteArray &target, const struct stat *existing,
                               const QByteArray &bytes)
{
    if (existing && (existing->st_mode & 0222) == 0)
        return PrintMessages::readOnly(name);
    if (existing && ::access(target.constData(), W_OK) != 0)
        return PrintMessages::cannotWrite(name, errno);

    const TemporaryGuard guard;
    QByteArray temporary;
    int descriptor = -1;
    for (int attempt = 0; descriptor < 0; ++attempt) {
        temporary = folderOf(target) + ".sumora-" + QByteArray::number(QRandomGenerator::system()->generate(), 36);
        // A new file gets what the umask leaves of rw-rw-rw-, as any file the user makes; a replaced one its own
        // mode, below, and no one else's access before.
        descriptor = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existing ? 0600 : 0666);
        if (descriptor < 0 && (errno != EEXIST || attempt == 100))
            return openFailure(name, target, errno);
    }
    TemporaryGuard::made(temporary);

    const auto discard = [&](const QString &message) {
        if (descriptor >= 0)
            ::close(descriptor);
        ::unlink(temporary.constData());
        return std::optional(message);
    };
    if (const std::optional<QString> kept = existing ? keepState(name, descriptor, *existing) : std::nullopt)
        return discard(*kept);
    // A full disk may only tell at fsync() or close().
    if (!writeAll(descriptor, bytes) || ::fsync(descriptor) != 0)
        return discard(PrintMessages::cannotWrite(name, errno));
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed != 0)
        return discard(PrintMessages::cannotWrite(name, errno));
    if (::rename(temporary.constData(), target.constData()) != 0)
        return discard(openFailure(name, target, errno));
    return std::nullopt;
}

} // namespace

OutputFile::OutputFile(QString name)
    : m_name(std::move(name))
    , m_stream(streamFor(m_name))
{
}

std::optional<QString> OutputFile::write(const QByteArray &bytes) const
{
    if (isStream()) {
        if (writeAll(m_stream, bytes))
            return std::nullopt;
        return PrintMessages::cannotWrite(m_name, errno);
    }
    // The links are followed here rather than by the system, so that the file they end at is replaced and they
    // stay links.
    QByteArray target = QFile::encodeName(m_name);
    struct stat status = {};
    for (int links = 0;; ++links) {
        if (::lstat(target.constData(), &status) != 0) {
            if (errno == ENOENT)
                return replace(m_name, target, nullptr, bytes);
            return openFailure(m_name, target, errno);
        }
        if (!S_ISLNK(status.st_mode))
            break;
        if (links == mostLinks)
            return PrintMessages::cannotWrite(m_name, ELOOP);
        if (!followLink(target))
            return openFailure(m_name, target, errno);
    }
    if (S_ISDIR(status.st_mode))
        return PrintMessages::cannotWrite(m_name, EISDIR);
    if (S_ISREG(status.st_mode))
        return replace(m_name, target, &status, bytes);
    return writeDirectly(m_name, target, bytes);
}

std::optional<QString> OutputFile::writeSet(const PrintJob &job) const
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    try {
        if (!SheetPdf::write(&buffer, job))
            return PrintMessages::notDrawn();
    } catch (const RuntimeError &error) {
        return ErrorTexts::runtime(error);
    }
    return write(pdf);
}
