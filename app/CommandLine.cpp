#include "app/CommandLine.h"

#include "check/ScriptTools.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace quelmar {
namespace {

// Options the window program's Qt reads itself, with or without a value.
const QStringList kQtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name",
    "fontengine",  "qmljsdebugger",
};
const QStringList kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// The arguments without Qt's own options, which Qt takes with one or two
// dashes and their value either after '=' or as the next argument.
QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        QString name = arg.startsWith(u"--") ? arg.mid(2) : arg.startsWith(u'-') ? arg.mid(1) : "";
        const bool hasInlineValue = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        if (i > 0 && kQtOptionsWithValue.contains(name)) {
            if (!hasInlineValue)
                ++i;
        } else if (i > 0 && !hasInlineValue && kQtFlags.contains(name)) {
        } else {
            kept.append(arg);
        }
    }
    return kept;
}

void setUp(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Quelmar writes a console configuration script for Counter-Strike.\n"
        "Without options it starts the program's window; Qt's own options\n"
        "(-platform, -style, -geometry ...) are passed on to it.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"check", "Check console scripts and report, one line per finding, "
                               "what the game's console will not take. Exit status 0: "
                               "nothing found; 1: findings; 2: a file could not be read."});
    parser.addOption({"fix-keys", "Copy the script IN to OUT with every key name the console "
                                  "rejects replaced by the console's name for it. Exit status "
                                  "0: all replaced; 1: some have no console name (named on "
                                  "standard error); 2: a file could not be read or written."});
    parser.addPositionalArgument("FILE...", "the scripts of --check, or IN OUT of --fix-keys");
}

CommandLine invalid(const QString& error) {
    return {CommandLine::Mode::Invalid, {}, error};
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    setUp(parser);
    if (!parser.parse(withoutQtOptions(arguments)))
        return invalid(parser.errorText());
    const QStringList files = parser.positionalArguments();
    const bool check = parser.isSet("check");
    const bool fix = parser.isSet("fix-keys");
    if (parser.isSet("help") || parser.isSet("help-all"))
        return {Mode::Help, {}, {}};
    if (parser.isSet("version"))
        return {Mode::Version, {}, {}};
    if (check && fix)
        return invalid("--check and --fix-keys cannot be used together.");
    if (check)
        return files.isEmpty() ? invalid("--check needs at least one FILE.")
                               : CommandLine{Mode::Check, files, {}};
    if (fix)
        return files.size() != 2 ? invalid("--fix-keys needs exactly two files: IN OUT.")
                                 : CommandLine{Mode::FixKeys, files, {}};
    if (!files.isEmpty())
        return invalid(QStringLiteral("Unexpected argument '%1'.").arg(files.first()));
    return {};
}

int runCommandLine(const CommandLine& commandLine, QTextStream& out, QTextStream& err) {
    switch (commandLine.mode) {
    case CommandLine::Mode::Help: {
        QCommandLineParser parser;
        setUp(parser);
        out << parser.helpText() << "\nQt's own options for the window: -"
            << (kQtOptionsWithValue + kQtFlags).join(", -") << ".\n";
        return 0;
    }
    case CommandLine::Mode::Version:
        out << "Quelmar " << QUELMAR_VERSION << '\n';
        return 0;
    case CommandLine::Mode::Check:
        return checkScripts(commandLine.files, out, err);
    case CommandLine::Mode::FixKeys:
        return fixScriptKeys(commandLine.files.at(0), commandLine.files.at(1), err);
    case CommandLine::Mode::Invalid:
        err << "quelmar: " << commandLine.error << " (see --help)" << Qt::endl;
        return 2;
    case CommandLine::Mode::Program:
        break;
    }
    return 2;
}

} // namespace quelmar
