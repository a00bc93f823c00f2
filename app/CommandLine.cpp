#include "app/CommandLine.h"

#include "check/ScriptTools.h"
#include "config/InputFile.h"
#include "config/PathBytes.h"
#include "platform/GameFolderSearch.h"
#include "ui/Language.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

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

// Parses only; the help text below says what is accepted, form by form.
void setUp(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"check", ""});
    parser.addOption({"fix-keys", ""});
    parser.addOption({"lang", "", "code"});
    parser.addOption({"install", ""});
    parser.addOption({"keys", ""});
}

const char* const kHelp =
    "Usage: quelmar [--lang ru|en] [QT-OPTION...] [FILE]   open the window\n"
    "       quelmar --check FILE...                 check console scripts\n"
    "       quelmar --fix-keys IN OUT               fix a script's key names\n"
    "       quelmar --install NAME.cfg [FOLDER]     make the game run a script\n"
    "       quelmar --keys FILE                     list the keys a script binds\n"
    "       quelmar --help | --help-all | --version\n"
    "\n"
    "Quelmar writes a console configuration script for Counter-Strike. Without\n"
    "options it opens its window (exit status 1 when there is no display to\n"
    "open it on). Given a FILE, a script the player already has (the game's\n"
    "config.cfg, a userconfig.cfg, an earlier Quelmar script), the pages start\n"
    "from its values and keys, and its other lines are kept in the saved script\n"
    "(exit status 2 when FILE cannot be read).\n"
    "\n"
    "Options:\n"
    "  --check FILE...    Check console scripts and report, one line per finding,\n"
    "                     what the game's console will not take. Reads files of\n"
    "                     up to 1 GiB (%1 from a pipe). Exit status\n"
    "                     0: nothing found; 1: findings; 2: a file could not be\n"
    "                     read (or not to its end).\n"
    "  --fix-keys IN OUT  Copy the script IN (up to %1) to OUT with every key\n"
    "                     name the console rejects replaced by the console's name\n"
    "                     for it. OUT is replaced whole or left as it was, and\n"
    "                     never written through a symbolic link. Exit status\n"
    "                     0: all replaced; 1: some have no console name (named on\n"
    "                     standard error); 2: a file could not be read or written.\n"
    "  --lang ru|en       The language of the window: Russian or English. Without\n"
    "                     it, the variable QUELMAR_LANG (ru or en) decides, and\n"
    "                     without that the system's languages: Russian when one\n"
    "                     of them is Russian, Ukrainian or Belarusian, else\n"
    "                     English. The command line speaks English either way,\n"
    "                     and the script is the same in both.\n"
    "  --install NAME.cfg [FOLDER]\n"
    "                     Add the line \"exec NAME.cfg\" to userconfig.cfg in FOLDER,\n"
    "                     the game's cstrike folder, so that the game runs the\n"
    "                     script NAME.cfg there at every start (the game runs\n"
    "                     userconfig.cfg itself). Without FOLDER: the folder of\n"
    "                     NAME.cfg when it names one, else the game's folder as\n"
    "                     the window finds it. The rest of userconfig.cfg stays\n"
    "                     byte for byte; it is written whole or left as it was.\n"
    "                     A symbolic link there is read through and replaced by a\n"
    "                     file. Exit status\n"
    "                     0: the line is there; 1: userconfig.cfg could not be\n"
    "                     written; 2: a name the console cannot run, or no folder.\n"
    "  --keys FILE        List the keys the script FILE leaves bound, as the game\n"
    "                     ends up after running it (the files its exec lines run\n"
    "                     included), in the order of the console's key list: the\n"
    "                     key, a tab and its command, \"(replaces: ...)\" where an\n"
    "                     earlier bind gave the key another command, and \"(not\n"
    "                     working ...)\" for a key name the console does not know.\n"
    "                     Exit status 0: every key bound once and working; 1: a\n"
    "                     key bound more than once or under an unknown name; 2:\n"
    "                     the file could not be read.\n"
    "  -h, --help         Show this help.\n"
    "  --help-all         Show this help and the Qt options the window takes.\n"
    "  -v, --version      Show the version.\n"
    "\n"
    "A command line the program does not understand gives exit status 2.\n";

QString helpText() {
    return QString::fromLatin1(kHelp).arg(inputLimitText());
}

// The Qt options, wrapped to the help's width under a hanging indent.
QString optionList(const QStringList& names) {
    QString text = QStringLiteral(" ");
    qsizetype column = 1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString item = u'-' + names[i] + (i + 1 < names.size() ? u',' : u'.');
        if (column + 1 + item.size() > 78) {
            text += u"\n ";
            column = 1;
        }
        text += u' ' + item;
        column += 1 + item.size();
    }
    return text + u'\n';
}

CommandLine invalid(const QString& error) {
    return {CommandLine::Mode::Invalid, {}, error, {}};
}

// NAME [FOLDER] of --install: without FOLDER, the folder NAME names, else
// the game's own as the window's Save As dialog finds it, given up after 10 s.
int installScript(const QStringList& files, QTextStream& out, QTextStream& err) {
    QString name = files.at(0), folder = files.value(1);
    if (folder.isEmpty()) {
        const QFileInfo named(QDir::fromNativeSeparators(name));
        if (named.fileName() != named.filePath()) {
            folder = named.path();
            name = named.fileName();
        } else {
            // A search stuck on a dead network share gives up like the
            // window's does, only later: here the player has nothing else
            // to wait for.
            folder =
                GameFolderLookup(GameFolderLookup::gameFolderSearch(), std::chrono::seconds(10))
                    .folder();
        }
    }
    if (folder.isEmpty()) {
        err << "quelmar: the game's folder was not found; name it: --install NAME.cfg FOLDER"
            << Qt::endl;
        return 2;
    }
    return hookScript(name, folder, out, err);
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
    if (parser.isSet("help-all"))
        return {Mode::HelpAll, {}, {}, {}};
    if (parser.isSet("help"))
        return {Mode::Help, {}, {}, {}};
    if (parser.isSet("version"))
        return {Mode::Version, {}, {}, {}};
    const QString language = parser.value("lang");
    if (parser.isSet("lang") && !languageNamed(language))
        return invalid(QStringLiteral("--lang takes ru or en, not '%1'.").arg(language));
    const bool install = parser.isSet("install");
    const bool keys = parser.isSet("keys");
    if (int(check) + int(fix) + int(install) + int(keys) > 1)
        return invalid("--check, --fix-keys, --install and --keys cannot be used together.");
    if (keys)
        return files.size() != 1 ? invalid("--keys needs exactly one FILE.")
                                 : CommandLine{Mode::Keys, files, {}, {}};
    if (install)
        return files.isEmpty() || files.size() > 2
                   ? invalid("--install needs NAME.cfg and at most one FOLDER.")
                   : CommandLine{Mode::Install, files, {}, {}};
    if (check)
        return files.isEmpty() ? invalid("--check needs at least one FILE.")
                               : CommandLine{Mode::Check, files, {}, {}};
    if (fix)
        return files.size() != 2 ? invalid("--fix-keys needs exactly two files: IN OUT.")
                                 : CommandLine{Mode::FixKeys, files, {}, {}};
    if (files.size() > 1)
        return invalid(QStringLiteral("Unexpected argument '%1'.").arg(files.at(1)));
    // One file: the window opens with the pages started from it.
    return {Mode::Program, files, {}, language};
}

int runCommandLine(const CommandLine& commandLine, QTextStream& out, QTextStream& err) {
    switch (commandLine.mode) {
    case CommandLine::Mode::Help:
        out << helpText();
        return 0;
    case CommandLine::Mode::HelpAll:
        out << helpText()
            << "\nQt options the window takes (one dash or two; a value follows as the\n"
               "next argument or after '='). With a value:\n"
            << optionList(kQtOptionsWithValue) << "Without a value:\n"
            << optionList(kQtFlags);
        return 0;
    case CommandLine::Mode::Version:
        out << "Quelmar " << QUELMAR_VERSION << '\n';
        return 0;
    case CommandLine::Mode::Check:
        return checkScripts(commandLine.files, out, err);
    case CommandLine::Mode::FixKeys:
        return fixScriptKeys(commandLine.files.at(0), commandLine.files.at(1), err);
    case CommandLine::Mode::Install:
        return installScript(commandLine.files, out, err);
    case CommandLine::Mode::Keys:
        return listKeys(commandLine.files.at(0), out, err);
    case CommandLine::Mode::Invalid:
        // It may quote an argument: no control character of it reaches the terminal.
        err << "quelmar: " << terminalText(commandLine.error) << " (see --help)" << Qt::endl;
        return 2;
    case CommandLine::Mode::Program:
        break;
    }
    return 2;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
bool holding = false;
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;

QString heldMessage(const QString& part) {
    for (const HeldMessage& held : heldMessages) {
        if (held.text.contains(part))
            return held.text;
    }
    return {};
}

// Qt's fatal text goes on about reinstalling; its warnings before it say
// what failed.
QByteArray noDisplayLine(const QString& fatal) {
    const QByteArray display = qgetenv("DISPLAY");
    const QString missingPlugin = heldMessage("Could not find the Qt platform plugin");
    if (!missingPlugin.isEmpty())
        return "cannot open the window: " + missingPlugin.toLocal8Bit();
    if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return "no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
               "--check and --fix-keys work without one";
    if (!heldMessage("could not connect to display").isEmpty())
        return "cannot open the window: the display \"" + display + "\" does not answer";
    return "cannot open the window: " + fatal.section(u'\n', 0, 0).toLocal8Bit();
}

void holdOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.append({type, context.category, text});
        return;
    }
    // Qt aborts once this returns, and its state is half made: no clean-up.
    std::fputs("quelmar: " + noDisplayLine(text) + "\n", stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

NoDisplayGuard::NoDisplayGuard() {
    previousHandler = qInstallMessageHandler(holdOrExplain);
    holding = true;
}

NoDisplayGuard::~NoDisplayGuard() {
    release();
}

void NoDisplayGuard::release() {
    if (!std::exchange(holding, false))
        return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
}

} // namespace quelmar
