// What the print mode and the window's start-up tell the user when they cannot go on, in Chinese: each message one
// sentence on one line, without the program's name before it.
#pragma once

class QString;

namespace PrintMessages {

// A file name is quoted as “name”, with its control characters written out (a line feed as \n), so that the message
// stays on one line; "-" is 标准输出 (standard output).

// The file could not be written, for the reason that errno gives.
QString cannotWrite(const QString &file, int error);

// A folder on the way to the file does not exist, or a part of its path is not a folder.
QString missingFolder(const QString &file, const QString &folder);
QString notAFolder(const QString &file, const QString &part);

// The file to be replaced has no write permission at all: a sheet made read-only is meant to be kept.
QString readOnly(const QString &file);

// The file to be replaced belongs to another user or group, which the new file could not keep.
QString ownerNotKept(const QString &file);

// The pages could not be drawn at all.
QString notDrawn();

// The set was written whole to file.
QString saved(const QString &file);

// The sheets' face is not installed: family, and the Debian package that has it.
QString missingFont(const QString &family, const QString &package);

// No display that the window could open on; the print mode needs none.
QString noDisplay();

// A display answers, but Qt cannot load the platform plugin for it; package is the Debian package that has the
// plugin, if known.
QString missingPlatformPlugin(const QString &platform, const QString &package);

} // namespace PrintMessages
