// What the program tells the learner about an error, in Chinese: in a window or on the command line.
#pragma once

class QString;
class RuntimeError;
class SettingsError;

namespace ErrorTexts {

// Names the box, quotes the start of what it holds, and gives the range it accepts.
QString settings(const SettingsError &error);

// What went wrong, for the message before the program ends.
QString runtime(const RuntimeError &error);

// The window messages around them: the settings message's title, the line that names a run-time error, and the
// line after it that says the program ends.
QString settingsTitle();
QString runtimeLine(const QString &reason);
QString programEnds();

} // namespace ErrorTexts
