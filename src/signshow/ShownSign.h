#pragma once

#include "lines/LinePlayback.h"
#include "model/ProjectModel.h"
#include "signsim/ReceivedSign.h"

#include <QImage>
#include <QString>

#include <list>
#include <map>
#include <optional>
#include <vector>

// What the virtual sign shows, apart from any window: the lines it holds by board number (a line received
// again for a board takes the earlier one's place, as on a sign), the chosen one playing with its times,
// and a line while it arrives, the frame its latest packet filled. The picture is the editor's own: the
// received dots go into a project model with the sign's modules and colours and are drawn by the
// preview's renderer. Times are the caller's milliseconds, so tests step through a line without waiting.
// The lines held take at most MaxHeldBytes (several times the largest project's dots): beyond that the
// lines in longest are let go, so a stream of headers for ever new boards cannot fill the memory.
class ShownSign {
public:
    static constexpr std::size_t MaxHeldBytes = std::size_t{64} << 20;

    // Module colour codes from the left (as `velmora-cli new --colors` takes them); modules not named are
    // yellow.
    explicit ShownSign(std::vector<int> colorCodes);

    // The sign's notifications: after every packet the line being received (the sign's own, valid until it
    // reports the line), none outside a line; and every line that is over.
    void packetArrived(const ReceivedLine *line);
    void lineArrived(const ReceivedLine &line, qint64 nowMs);
    // The operator chose the line of board `board`: it plays from its first frame.
    void choose(int board, qint64 nowMs);

    // Board numbers of the lines held, ascending, and how the list names each.
    std::vector<int> boards() const;
    QString listText(int board) const;
    // The line playing; none before the first line is in, and while one arrives.
    std::optional<int> chosenBoard() const;
    bool arriving() const { return arriving_ != nullptr; }

    // Index in its line of the frame shown at `nowMs`.
    int frameShown(qint64 nowMs) const;
    // The frame shown at `nowMs`, drawn exactly as the editor's preview draws it at the given radius: a
    // picture of the view's size, empty before anything arrived.
    QImage picture(qint64 nowMs, int dotRadius = 2);
    // Milliseconds from `nowMs` until the picture changes by itself; none while it stays.
    std::optional<qint64> msUntilChange(qint64 nowMs) const;
    // "Board 300  frame 2/3  3 s", or how far a line arriving has come.
    QString statusText(qint64 nowMs) const;

private:
    const ReceivedLine *lineShown() const;
    // Fills the model's sign and frame slot 0 with `frame` of `line`.
    void loadFrame(const ReceivedLine &line, int frame);

    std::vector<int> colorCodes_;
    std::map<int, ReceivedLine> lines_;
    // The boards held, the one in longest first, and the bytes their lines take.
    std::list<int> arrivals_;
    std::size_t heldBytes_ = 0;
    std::optional<int> chosen_;
    std::optional<LinePlayback> playback_;
    qint64 playingSince_ = 0;
    // The line arriving, as the sign holds it until it reports the line, and the frame its latest packet
    // filled.
    const ReceivedLine *arriving_ = nullptr;
    int arrivingFrame_ = 0;
    ProjectModel model_;
};
