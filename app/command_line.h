#pragma once
#include <QString>
#include <QStringList>

// The parameters of this run (without the program name), as the platform split them.
extern QStringList CommandLineParameters;

// Name of parameter i: empty unless it begins with "-"; for "--" options the
// part before the first "="; upper-cased. Parameters are trimmed, and empty
// past the last one.
QString ParameterName(int index);
// Value of parameter i: for "--" options with "=", the text after the first
// "="; otherwise the whole parameter, letter case kept.
QString ParameterValue(int index);

// What the parameters ask for.
enum class CommandLineAction { Window, Help, Version, Convert, Error };
struct ParsedCommandLine {
    CommandLineAction action = CommandLineAction::Window;
    QString errorText;
    bool quiet = false;
    bool pause = false;
};

// Decides the one-shot modes on the first parameter, then applies every
// parameter from left to right to the job and the settings, stopping at the
// first error. Prints nothing.
ParsedCommandLine ReadParameters();

// The fixed console texts.
QStringList HelpLines(const QString& programName);
QStringList VersionLines();
QStringList BannerLines();

// Prepares a console run, reads the parameters and carries the run out; ends
// the process unless window mode is to start.
void ParseCommandLine();
