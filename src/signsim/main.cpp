// velmora-signsim: a sign on the far end of a serial line, for trying the download without one.
#include "about/ProgramInfo.h"
#include "language/InterfaceLanguage.h"
#include "signshow/SignShowWindow.h"
#include "signsim/SignLineService.h"

#include "list/ColorCodeList.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The widest sign there is; a line's dots are counted in an int.
constexpr int LargestSignWidth = 1024;

int Fail(const QString &message)
{
    std::fprintf(stderr, "velmora-signsim: %s\n", qPrintable(message));
    return 1;
}

// "3,7,12" as a set of packet numbers; none when a part is not a positive number.
std::optional<std::set<int>> PacketNumbers(const QString &text)
{
    std::set<int> numbers;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok || number < 1) {
            return std::nullopt;
        }
        numbers.insert(number);
    }
    return numbers;
}

void Say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    // Only the window needs a display: without it the simulator runs anywhere, as the tests run it.
    const bool showing = std::any_of(
        argv + 1, argv + argc, [](const char *argument) { return std::strcmp(argument, "--show") == 0; });
    const std::unique_ptr<QCoreApplication> app =
        showing ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    if (showing) {
        InstallDesktopLanguage(*app, QtTexts::Untouched);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "A sign on the far end of a serial line. Opens a new pseudo-terminal and prints its device path "
            "on "
            "the "
            "first line (or opens --device), answers every packet with its own bytes and \"OK\", and reports "
            "each line it received.\n\n%1")
            .arg(QString::fromStdString(ProgramInfo::LicenceLine())));
    parser.addHelpOption();
    // Answered here rather than by the parser's own version option, which would print the bare version
    // without the copyright and licence.
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Print the version, copyright and licence."));
    const QCommandLineOption device(QStringLiteral("device"), QStringLiteral("Use this serial device."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption single(
        QStringLiteral("single"),
        QStringLiteral("Take the single-line download's 35-byte packets (9600 baud)."));
    const QCommandLineOption moduleWidth(QStringLiteral("module-width"),
                                         QStringLiteral("Dots across one of the sign's modules (24)."),
                                         QStringLiteral("DOTS"), QStringLiteral("24"));
    const QCommandLineOption width(
        QStringLiteral("width"),
        QStringLiteral("Dots across the whole sign, for a sign over 255 dots wide (the header carries only "
                       "the width's low 8 bits); by default the header's width."),
        QStringLiteral("DOTS"));
    const QCommandLineOption out(
        QStringLiteral("out"),
        QStringLiteral("Write line-NNN.txt (header fields and dots) and line-NNN.png for "
                       "every line received into DIR."),
        QStringLiteral("DIR"));
    const QCommandLineOption late(QStringLiteral("late"), QStringLiteral("Answer every packet MS ms late."),
                                  QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption drop(
        QStringLiteral("drop"),
        QStringLiteral("Do not answer these packets (numbered from 1 as they arrive)."),
        QStringLiteral("N,M,..."));
    const QCommandLineOption garble(QStringLiteral("garble"),
                                    QStringLiteral("Answer these packets with every byte inverted."),
                                    QStringLiteral("N,M,..."));
    const QCommandLineOption ignoreData(
        QStringLiteral("ignore-data"),
        QStringLiteral("Never answer the data packets carrying these numbers, in any line, however often "
                       "they are sent."),
        QStringLiteral("N,M,..."));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption hangUpAfter(
        QStringLiteral("hang-up-after"),
        QStringLiteral("Hang up once N packets have arrived and been answered."), QStringLiteral("N"));
    const QCommandLineOption replies(
        QStringLiteral("replies"),
        QStringLiteral("Print a line for every packet received: its number as it arrived, its kind and "
                       "whether it was answered."));
    const QCommandLineOption exitAfterEnd(QStringLiteral("exit-after-end"),
                                          QStringLiteral("Exit once the end packet has arrived."));
    const QCommandLineOption show(
        QStringLiteral("show"),
        QStringLiteral("Open a window that shows the received lines as the editor draws them, the chosen "
                       "one playing with its times, a line arriving filling in packet by packet."));
    const QCommandLineOption colors(
        QStringLiteral("colors"),
        QStringLiteral("With --show: colour codes of the modules from the left, comma-separated: 0 Yellow, "
                       "1 Red, 2 Green, 3 Blue, 4 White; modules not named are yellow (default: all)."),
        QStringLiteral("CODES"));
    parser.addOptions({version, device, single, moduleWidth, width, out, late, drop, garble, ignoreData,
                       silent, hangUpAfter, replies, exitAfterEnd, show, colors});
    parser.process(*app);
    if (parser.isSet(version)) {
        std::fputs(ProgramInfo::VersionText("velmora-signsim").c_str(), stdout);
        return 0;
    }

    SignConfig config;
    config.singleLine = parser.isSet(single);
    bool ok = false;
    config.moduleWidth = parser.value(moduleWidth).toInt(&ok);
    if (!ok || config.moduleWidth < 8 || config.moduleWidth % 8 != 0) {
        return Fail(QStringLiteral("--module-width must be a positive multiple of 8"));
    }
    if (parser.isSet(width)) {
        config.width = parser.value(width).toInt(&ok);
        if (!ok || config.width < 1 || config.width > LargestSignWidth ||
            config.width % config.moduleWidth != 0) {
            return Fail(QStringLiteral("--width must be a whole number of modules, at most %1 dots")
                            .arg(LargestSignWidth));
        }
    }
    ReplyFaults faults;
    faults.silent = parser.isSet(silent);
    faults.lateMs = parser.value(late).toInt(&ok);
    const auto dropped = PacketNumbers(parser.value(drop));
    const auto garbled = PacketNumbers(parser.value(garble));
    const auto ignored = PacketNumbers(parser.value(ignoreData));
    if (!ok || faults.lateMs < 0 || !dropped || !garbled || !ignored) {
        return Fail(QStringLiteral("--late, --drop, --garble and --ignore-data take non-negative "
                                   "milliseconds and packet numbers"));
    }
    faults.dropped = *dropped;
    faults.garbled = *garbled;
    faults.ignoredData = *ignored;
    int hangUpAfterPackets = 0;
    if (parser.isSet(hangUpAfter)) {
        hangUpAfterPackets = parser.value(hangUpAfter).toInt(&ok);
        if (!ok || hangUpAfterPackets < 1) {
            return Fail(QStringLiteral("--hang-up-after takes a number of packets, 1 or more"));
        }
    }
    const QString outFolder = parser.value(out);
    if (!outFolder.isEmpty() && !QDir().mkpath(outFolder)) {
        return Fail(QStringLiteral("cannot create %1").arg(outFolder));
    }

    std::vector<int> colorCodes;
    if (parser.isSet(colors)) {
        QString error;
        const auto codes = ParseColorCodeList(parser.value(colors), error);
        if (!codes) {
            return Fail(error);
        }
        colorCodes = *codes;
    }

    QString error;
    std::unique_ptr<SignSerialLine> line =
        parser.isSet(device)
            ? SignSerialLine::openDevice(parser.value(device), config.singleLine ? 9600 : 38400, error)
            : SignSerialLine::openPseudoTerminal(error);
    if (!line) {
        return Fail(error);
    }
    Say(line->devicePath());

    SignLineService::Options options;
    options.faults = faults;
    options.hangUpAfter = hangUpAfterPackets;
    options.exitAfterEnd = parser.isSet(exitAfterEnd);
    options.sayReplies = parser.isSet(replies);
    options.outFolder = outFolder;
    SignLineService service(std::move(line), config, options);
    QObject::connect(&service, &SignLineService::finished, app.get(), &QCoreApplication::exit);
    std::unique_ptr<SignShowWindow> window;
    if (showing) {
        window = std::make_unique<SignShowWindow>(service, colorCodes);
        window->show();
    }
    return app->exec();
}
