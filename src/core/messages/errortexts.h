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

} // namespace ErrorTexts
