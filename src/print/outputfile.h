// Where a printed set goes: a file replaced whole once the new one is complete, or a device, a pipe or standard
// output written to as it is, as a shell's redirection would.
#pragma once

#include <QString>

#include <optional>

class QByteArray;
struct PrintJob;

class OutputFile
{
public:
    // name as the user gave it; "-" is standard output.
    explicit OutputFile(QString name);

    // Whether the name is one of the process's own open files: "-", /dev/stdout, /dev/stderr or /dev/fd/N. These
    // are always written to directly, whatever they are (a terminal, a pipe, a process substitution, a file).
    bool isStream() const { return m_stream >= 0; }

    // Writes bytes, following symbolic links. A regular file, or a name that does not exist yet, is written through
    // a temporary file in the same folder that takes the name only once it is complete, with the owner, group and
    // mode of the file it replaces; on any failure an existing file stays as it was and no temporary file is left.
    // A file without any write permission, or one whose owner the new file could not keep, is not replaced. Anything
    // else (a device, a pipe) is opened and written to. Nothing when done, otherwise the message, naming the file.
    std::optional<QString> write(const QByteArray &bytes) const;

    // Draws the whole set as a PDF (about 1 KB a page), then writes it as write() does: a drawing that fails writes
    // nothing. Nothing when done, otherwise the message.
    std::optional<QString> writeSet(const PrintJob &job) const;

private:
    QString m_name;
    int m_stream = -1; // the descriptor that a stream name stands for
};
