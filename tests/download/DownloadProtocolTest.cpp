#include "download/ScriptedSign.h"

#include "download/DownloadProtocol.h"
#include "support/LineProjects.h"

#include <gtest/gtest.h>

namespace {

Bytes Hex(std::initializer_list<int> values)
{
    return Bytes(values.begin(), values.end());
}

// "E", 0xAA up to the last byte, 0xFE.
Bytes EndPacketOf(std::size_t length)
{
    Bytes end(length, 0xAA);
    end.front() = 'E';
    end.back() = 0xFE;
    return end;
}

// The pauses of a one-line download: 5 s for the header, `pauseMs` after each data packet, 120 ms after
// the end packet.
std::vector<int> HeaderThenPackets(int packets, int pauseMs)
{
    std::vector<int> pauses = {5000};
    pauses.insert(pauses.end(), static_cast<std::size_t>(packets), pauseMs);
    pauses.push_back(120);
    return pauses;
}

class DownloadProtocolTest : public ::testing::Test {
protected:
    DownloadOutcome download(DownloadVariant variant = DownloadVariant::Full, int lineNumber = 1)
    {
        const DownloadPlan plan = PlanDownload(model, variant, lineNumber);
        EXPECT_TRUE(plan.refusal.isEmpty()) << plan.refusal.toStdString();
        return RunDownload(model, plan, variant, sign, 1, pace);
    }
    // The packets written that start with `kind`.
    std::vector<Bytes> packetsOf(char kind) const
    {
        std::vector<Bytes> found;
        for (const Bytes &packet : sign.packets) {
            if (packet.front() == kind) {
                found.push_back(packet);
            }
        }
        return found;
    }

    ProjectModel model;
    VirtualPace pace;
    ScriptedSign sign{pace};
};

TEST_F(DownloadProtocolTest, StartupSignTravelsAsTheWorkedExample)
{
    ApplyStartupProject(model);
    model.FrameDots.set(0, 0, 0, 1);
    model.FrameDots.set(0, 191, 23, 1);

    EXPECT_EQ(download(), DownloadOutcome::Done);

    EXPECT_EQ(sign.calls.mid(0, 5),
              QStringList({"open 1", "setup 1 14 3", "flow 1 0", "flush 1 2", "write 1 7"}));
    EXPECT_EQ(sign.calls.last(), "close 1");
    ASSERT_EQ(sign.packets.size(), 20u);
    EXPECT_EQ(sign.packets[0], Hex({0x48, 0x18, 0xC0, 0x00, 0x01, 0x01, 0xFE}));
    EXPECT_EQ(sign.readLimits[0], 10);
    for (int number = 1; number <= 18; ++number) {
        Bytes expected(36, 0);
        expected[0] = 'D';
        expected[1] = static_cast<std::uint8_t>(number);
        expected[35] = 0xFE;
        if (number == 3) {
            expected[10] = 0x80;
        }
        if (number == 16) {
            expected[27] = 0x01;
        }
        EXPECT_EQ(sign.packets[number], expected) << "data packet " << number;
        EXPECT_EQ(sign.readLimits[number], 256);
    }
    EXPECT_EQ(sign.packets.back(), EndPacketOf(36));
    EXPECT_EQ(pace.pauses, HeaderThenPackets(18, 20));
    EXPECT_EQ(pace.dots, 192 * 24);
    EXPECT_TRUE(pace.warnings.isEmpty() && pace.messages.isEmpty());
}

TEST_F(DownloadProtocolTest, EachLineHasItsHeaderAndPacketNumbersFromOne)
{
    SetUpLines(model, {3, 1});
    model.Cells.setCell(ColBoard, 1, QStringLiteral("300"));
    model.Cells.setCell(ColTime, 1, QStringLiteral("2"));
    model.Cells.setCell(ColTime, 2, QStringLiteral("3"));
    model.Cells.setCell(ColTime, 3, QStringLiteral("5"));
    model.Cells.setCell(ColTime, 4, QStringLiteral("7")); // a one-frame line's time is not sent

    EXPECT_EQ(download(), DownloadOutcome::Done);

    const std::vector<Bytes> headers = packetsOf('H');
    ASSERT_EQ(headers.size(), 2u);
    EXPECT_EQ(headers[0], Hex({0x48, 0x18, 0xC0, 0x01, 0x2C, 0x03, 0x02, 0x03, 0x05, 0xFE}));
    EXPECT_EQ(sign.readLimits[0], 13);
    EXPECT_EQ(headers[1], Hex({0x48, 0x18, 0xC0, 0x00, 0x02, 0x01, 0xFE}));
    // Three frames of 576 bytes are 54 packets, then the second line starts again at 1.
    const std::vector<Bytes> data = packetsOf('D');
    ASSERT_EQ(data.size(), 54u + 18u);
    EXPECT_EQ(data[53][1], 54);
    EXPECT_EQ(data[54][1], 1);
    EXPECT_EQ(data[54][2], 0);
    EXPECT_EQ(pace.pauses[1 + 54], 180);
}

TEST_F(DownloadProtocolTest, OnlyAPacketsOwnReplyAcknowledgesIt)
{
    ApplyStartupProject(model);

    // Answered on its 100th resending: the transfer goes on.
    sign.answer = ScriptedSign::AcknowledgeOnly([](int index) { return index < 2 || index >= 2 + 100; });
    EXPECT_EQ(download(), DownloadOutcome::Done);
    EXPECT_EQ(sign.packets.size(), 20u + 100u);

    // A sign that falls silent after the first data packet: the "OK" already read must not acknowledge the
    // next packet. After 101 sendings of packet 2 the transfer stops with the message, port closed.
    sign = ScriptedSign(pace);
    pace = VirtualPace();
    sign.answer = ScriptedSign::AcknowledgeOnly([](int index) { return index < 2; });
    EXPECT_EQ(download(), DownloadOutcome::NotAnswered);
    EXPECT_EQ(sign.packets.size(), 2u + 101u);
    EXPECT_EQ(pace.messages,
              QStringList({QStringLiteral("Upload File Error\uFF01Please Upload this File Again\uFF01")}));
    EXPECT_EQ(sign.calls.last(), "close 1");

    // Replies a little late are heard within the reply window; garbled ones are not acknowledgements.
    sign = ScriptedSign(pace);
    pace = VirtualPace();
    sign.answer = [](int index, const Bytes &packet) {
        ScriptedSign::Reply reply = ScriptedSign::Acknowledge(packet, ReplyWindowMs - 50);
        if (index == 3) {
            reply.bytes.back() = 'X';
        }
        return std::optional(reply);
    };
    EXPECT_EQ(download(), DownloadOutcome::Done);
    EXPECT_EQ(sign.packets.size(), 20u + 1u);
}

TEST_F(DownloadProtocolTest, ALateReplyNeverAcknowledgesALaterPacket)
{
    // A sign that answers every packet after the reply window and never answers line 2's data packet 17:
    // the late reply owed by packet 16's second sending must not pass for packet 17's.
    SetUpLines(model, {1, 1});
    const qint64 late = ReplyWindowMs + 100;
    int headers = 0;
    sign.answer = [&headers, late](int, const Bytes &packet) -> std::optional<ScriptedSign::Reply> {
        headers += packet.front() == 'H';
        if (headers == 2 && packet.front() == 'D' && packet[1] == 17) {
            return std::nullopt;
        }
        return ScriptedSign::Acknowledge(packet, packet.front() == 'H' ? 0 : late);
    };
    EXPECT_EQ(download(), DownloadOutcome::NotAnswered);
    EXPECT_EQ(pace.messages,
              QStringList({QStringLiteral("Upload File Error\uFF01Please Upload this File Again\uFF01")}));
    const std::vector<Bytes> data = packetsOf('D');
    // Every other packet went twice, the first reply coming during the second sending; 17 went 101 times.
    ASSERT_EQ(data.size(), 18u * 2 + 16u * 2 + 101u);
    EXPECT_TRUE(std::all_of(data.end() - 101, data.end(), [](const Bytes &p) { return p[1] == 17; }));
    // While a packet is sent again the operator reads which one, and no longer once it is answered.
    EXPECT_EQ(pace.sentAgain.mid(0, 2), QStringList({"Line 001  packet 1  sent again (2 of 101)", ""}));
    EXPECT_TRUE(pace.sentAgain.contains("Line 002  packet 17  sent again (12 of 101)"));
    EXPECT_EQ(pace.sentAgain.mid(pace.sentAgain.size() - 2),
              QStringList({"Line 002  packet 17  sent again (101 of 101)", ""}));

    // As late a sign that answers everything but the first two sendings of line 1's packet 5 completes:
    // each packet goes twice (packet 5 four times), the reply owed by its last sending awaited and
    // discarded before the next packet goes.
    sign = ScriptedSign(pace);
    pace = VirtualPace();
    sign.answer = [late](int index, const Bytes &packet) -> std::optional<ScriptedSign::Reply> {
        if (index == 9 || index == 10) {
            return std::nullopt;
        }
        return ScriptedSign::Acknowledge(packet, packet.front() == 'H' ? 0 : late);
    };
    EXPECT_EQ(download(), DownloadOutcome::Done);
    EXPECT_TRUE(pace.messages.isEmpty());
    EXPECT_EQ(packetsOf('D').size(), 18u * 2 * 2 + 2u);
}

TEST_F(DownloadProtocolTest, AnEndPacketThePortCannotTakeIsNoSuccess)
{
    // Every packet acknowledged, then the sign hangs up before the end packet can go.
    ApplyStartupProject(model);
    sign.writesBeforeHangUp = 19;
    EXPECT_EQ(download(), DownloadOutcome::NotAnswered);
    EXPECT_EQ(sign.packets.size(), 20u);
    EXPECT_EQ(pace.messages,
              QStringList({QStringLiteral("Upload File Error\uFF01Please Upload this File Again\uFF01")}));
    EXPECT_EQ(sign.calls.last(), "close 1");
}

TEST_F(DownloadProtocolTest, UnansweredHeaderStopsWithTheLinesBoard)
{
    SetUpLines(model, {1, 2});
    model.Cells.setCell(ColBoard, 2, QStringLiteral("3"));
    sign.answer = ScriptedSign::AcknowledgeOnly([](int index) { return index < 19; });
    EXPECT_EQ(download(), DownloadOutcome::NotAnswered);
    EXPECT_EQ(pace.warnings, QStringList({"The Data of the File Error!!"}));
    EXPECT_EQ(pace.messages, QStringList({"Line No.:3 Error!!"}));
    EXPECT_EQ(sign.packets.size(), 20u);
    EXPECT_EQ(sign.calls.last(), "close 1");

    // The single-line download shows the box only.
    sign = ScriptedSign(pace);
    pace = VirtualPace();
    sign.answer = ScriptedSign::AcknowledgeOnly([](int) { return false; });
    EXPECT_EQ(download(DownloadVariant::SingleLine, 2), DownloadOutcome::NotAnswered);
    EXPECT_EQ(pace.warnings, QStringList({"The Data of the File Error!!"}));
    EXPECT_TRUE(pace.messages.isEmpty());
    EXPECT_EQ(sign.packets.size(), 1u);
}

TEST_F(DownloadProtocolTest, OpeningFailuresAreReportedAndThePortClosed)
{
    ApplyStartupProject(model);
    const auto failWith = [this](int ScriptedSign::*step, const QString &reason = QString()) {
        sign = ScriptedSign(pace);
        pace = VirtualPace();
        sign.*step = -1;
        sign.reason = reason;
        EXPECT_EQ(download(), DownloadOutcome::PortFailed);
        EXPECT_TRUE(sign.packets.empty());
        EXPECT_EQ(sign.calls.last(), "close 1");
        return pace.warnings;
    };
    EXPECT_EQ(failWith(&ScriptedSign::openResult), QStringList({"Open COM Port Error"}));
    // The port's reason goes with the message.
    EXPECT_EQ(failWith(&ScriptedSign::openResult, QStringLiteral("/dev/ttyUSB0: Permission denied")),
              QStringList({"Open COM Port Error / /dev/ttyUSB0: Permission denied"}));
    EXPECT_EQ(failWith(&ScriptedSign::setupResult), QStringList({"COM Port Setup Error"}));
    EXPECT_EQ(failWith(&ScriptedSign::flowResult), QStringList({"Open COM Port Error"}));
}

TEST_F(DownloadProtocolTest, SingleLineVariantSendsShortPacketsAt9600Baud)
{
    SetUpLines(model, {1, 1});
    EXPECT_EQ(download(DownloadVariant::SingleLine, 2), DownloadOutcome::Done);

    EXPECT_EQ(sign.calls[1], "setup 1 12 3");
    ASSERT_EQ(sign.packets.size(), 20u);
    EXPECT_EQ(sign.packets[0], Hex({0x48, 0x18, 0xC0, 0x00, 0x02, 0x01, 0xFE}));
    for (int number = 1; number <= 18; ++number) {
        const Bytes &packet = sign.packets[number];
        ASSERT_EQ(packet.size(), 35u);
        EXPECT_EQ(packet[0], 'D');
        EXPECT_EQ(packet[1], number);
        EXPECT_EQ(packet[34], 0xFE);
    }
    EXPECT_EQ(sign.packets.back(), EndPacketOf(35));
    EXPECT_EQ(pace.pauses, HeaderThenPackets(18, 120));
}

} // namespace
