#include "app/desktop/DesktopOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstddef>

#include "protocol/AddressText.h"

namespace lanvane {

namespace {

// One parser for both the parse and the help text, so that they cannot disagree.
struct DesktopParser {
    DesktopParser() {
        parser.setApplicationDescription(
            QStringLiteral("Set up the Ethernet, WLAN and Wi-Fi Direct interface of a printer.\n"
                           "The toolkit's own options (-platform NAME, -style NAME, ...) work as well."));
        // The toolkit's options are single-dash words (-reverse, -stylesheet): read as
        // letters they would ask for -v or -h.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, demo, broadcast, screenshots});
    }

    // The arguments beside the options, and a broadcast address that is none.
    std::optional<std::string> Problem(DesktopOptions& options) const {
        if (!parser.positionalArguments().isEmpty()) {
            return "unknown argument \"" + parser.positionalArguments().constFirst().toStdString() + "\"";
        }
        if (parser.isSet(broadcast)) {
            options.broadcastAddress = parser.value(broadcast).toStdString();
            if (!ParseAddressText(options.broadcastAddress)) {
                return "--broadcast takes a dotted IPv4 address, not \"" + options.broadcastAddress + "\"";
            }
        }
        return FolderProblem(parser.value(screenshots));
    }

    // Pictures go into a folder, made if missing; a file of that name would fail every
    // picture only after the whole tour.
    static std::optional<std::string> FolderProblem(const QString& folder) {
        const QFileInfo found(folder);
        if (!folder.isEmpty() && found.exists() && !found.isDir()) {
            return "--screenshots takes a folder, and \"" + folder.toStdString() + "\" is no folder";
        }
        return std::nullopt;
    }

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and end.")};
    const QCommandLineOption demo{QStringLiteral("demo"),
                                  QStringLiteral("Work with simulated printers started inside the program.")};
    const QCommandLineOption broadcast{
        QStringLiteral("broadcast"), QStringLiteral("Send the LAN datagrams to ADDRESS (the demo uses 127.255.255.255)."),
        QStringLiteral("ADDRESS")};
    const QCommandLineOption screenshots{
        QStringLiteral("screenshots"), QStringLiteral("Save a picture of every window in FOLDER and end (runs the demo)."),
        QStringLiteral("FOLDER")};
};

}  // namespace

ParsedOptions ParseDesktopOptions(const QStringList& arguments) {
    DesktopParser desktop;
    ParsedOptions parsed;
    const bool understood = desktop.parser.parse(arguments);
    DesktopOptions& options = parsed.options;
    options.help = desktop.parser.isSet(desktop.help);
    options.version = desktop.parser.isSet(desktop.version);
    if (!understood) {
        parsed.error = desktop.parser.errorText().toStdString();
        return parsed;
    }
    options.demo = desktop.parser.isSet(desktop.demo) || desktop.parser.isSet(desktop.screenshots);
    options.screenshotFolder = desktop.parser.value(desktop.screenshots).toStdString();
    parsed.error = desktop.Problem(options);
    return parsed;
}

std::string DesktopUsage() {
    // The parser names the program by how it was started, or not at all before the toolkit
    // starts; the help says its installed name either way.
    const QString text = DesktopParser().parser.helpText();
    return "Usage: lanvane [options]" + text.mid(text.indexOf(u'\n')).toStdString();
}

}  // namespace lanvane
