#include "foundation/CXArray.h"
#include "network/CNetBehaviourMessage.h"
#include "network/CNetCmdMessage.h"
#include "network/CNetFileDataMessage.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetFileResponseMessage.h"
#include "network/CNetHelloMessage.h"
#include "network/CNetMessageProcessor.h"
#include "network/CNetPingMessage.h"
#include "network/CNetTextMessage.h"
#include "network/CNetVariableMessage.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"
#include "tests/network/NetworkHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace nettest;

namespace {

// The typed form of a frame given as bytes, as a receiver makes it.
std::unique_ptr<CNetMessage> parsed(const Bytes& frame, const char* sender = "peer")
{
    CNetMessage raw(nullptr, frame.data(), static_cast<int>(frame.size()));
    raw.setSender(sender);
    return std::unique_ptr<CNetMessage>(CNetMessageProcessor::makeTyped(&raw));
}

// The message as its typed class; the test stops when it is not one.
template <class Typed>
Typed& as(CNetMessage* message)
{
    auto* typed = dynamic_cast<Typed*>(message);
    if (typed == nullptr) {
        ADD_FAILURE() << "not of the expected class";
        std::abort();
    }
    return *typed;
}

std::string param(const CNetCmdMessage& message, int index)
{
    return message.getParams()->stringAt(index)->c_str();
}

// A variable's value as "TYPE:text" after it crossed a frame; "none" when no variable came back.
std::string received(const CNetVariableMessage& message)
{
    CMC_Variable* value = message.getVariable();
    if (value == nullptr)
        return "none";
    std::string text = std::to_string(value->getType()) + ":" + value->toString().c_str();
    CMC_VariableFactory::free(value);
    return text;
}

class Messages : public ::testing::Test {
protected:
    void SetUp() override { CMC_VariableFactory::initialize(); }
    void TearDown() override { CMC_VariableFactory::done(); }
};

struct Case {
    const char* name;
    std::function<CNetMessage*()> build;
    Bytes frame;
    std::function<void(CNetMessage*)> check;
};

TEST_F(Messages, EveryTypeIsBuiltAsItsFrameAndParsedBackIntoItsFields)
{
    CMC_Integer x("X");
    x.setValue(5);
    CMC_String name("NAME", "Ala");
    CMC_Bool flag("F");
    flag.setValue(true);
    CMC_Double ratio("R");
    ratio.setValue(-2.5);
    CMC_Behaviour behaviour(nullptr, "B", "{X^INC();}");
    const uint8_t chunk[3] = {0xAA, 0x00, 0x55};
    CXArray goParams;
    CXString one("1"), a("A");
    goParams.add(&one);
    goParams.add(&a);

    const Case cases[] = {
        {"command with arguments", [&] { return new CNetCmdMessage(nullptr, "GO", &goParams); },
         hex("01 00 00 00 0F 00 00 00 47 4F 00 31 00 41 00"),
         [](CNetMessage* m) {
             auto& cmd = as<CNetCmdMessage>(m);
             EXPECT_STREQ(cmd.getCommand().c_str(), "GO");
             ASSERT_NE(cmd.getParams(), nullptr);
             ASSERT_EQ(cmd.getParams()->getSize(), 2);
             EXPECT_EQ(param(cmd, 0), "1");
             EXPECT_EQ(param(cmd, 1), "A");
         }},
        {"command alone", [] { return new CNetCmdMessage(nullptr, "GO", nullptr); }, hex("01 00 00 00 0B 00 00 00 47 4F 00"),
         [](CNetMessage* m) { EXPECT_EQ(as<CNetCmdMessage>(m).getParams(), nullptr); }},
        {"integer variable", [&] { return new CNetVariableMessage(nullptr, &x); },
         hex("02 00 00 00 12 00 00 00 58 00 01 00 00 00 05 00 00 00"),
         [](CNetMessage* m) {
             auto& var = as<CNetVariableMessage>(m);
             EXPECT_STREQ(var.getVariableName(), "X");
             EXPECT_EQ(var.getValueOffset(), 10);
             EXPECT_EQ(var.getVariableType(), 1);
             EXPECT_EQ(received(var), "1:5");
         }},
        {"string variable", [&] { return new CNetVariableMessage(nullptr, &name); },
         Payload().text("NAME").word(2).text("Ala").frame(2),
         [](CNetMessage* m) { EXPECT_EQ(received(as<CNetVariableMessage>(m)), "2:Ala"); }},
        {"bool variable", [&] { return new CNetVariableMessage(nullptr, &flag); }, Payload().text("F").word(3).byte(1).frame(2),
         [](CNetMessage* m) { EXPECT_EQ(received(as<CNetVariableMessage>(m)), "3:TRUE"); }},
        {"double variable", [&] { return new CNetVariableMessage(nullptr, &ratio); },
         Payload().text("R").word(4).real(-2.5).frame(2),
         [](CNetMessage* m) { EXPECT_EQ(received(as<CNetVariableMessage>(m)), "4:-2.50000"); }},
        {"behaviour", [&] { return new CNetBehaviourMessage(nullptr, &behaviour); }, Payload().text("X^INC();").frame(3),
         [](CNetMessage* m) { EXPECT_STREQ(as<CNetBehaviourMessage>(m).getCode(), "X^INC();"); }},
        {"leave", [] { return new CNetMessage(nullptr, CNetMessage::LEAVE); }, hex("04 00 00 00 08 00 00 00"),
         [](CNetMessage* m) { EXPECT_EQ(m, nullptr); }},
        {"text", [] { return new CNetTextMessage(nullptr, "hej"); }, Payload().text("hej").frame(5),
         [](CNetMessage* m) { EXPECT_STREQ(as<CNetTextMessage>(m).getText(), "hej"); }},
        {"ping", [] { return new CNetPingMessage(nullptr, 123456L); }, Payload().word(123456).word(0).zeros(1008).frame(6),
         [](CNetMessage* m) {
             auto& ping = as<CNetPingMessage>(m);
             EXPECT_EQ(ping.getTime(), 123456);
             EXPECT_FALSE(ping.isResponse());
             EXPECT_TRUE(ping.isWellFormed());
         }},
        {"hello", [] { return new CNetHelloMessage(nullptr, "Gracz"); }, Payload().text("Gracz").frame(7),
         [](CNetMessage* m) {
             EXPECT_STREQ(as<CNetHelloMessage>(m).getName(), "Gracz");
             EXPECT_STREQ(m->getSenderName().c_str(), "peer");
         }},
        {"file request", [] { return new CNetFileRequestMessage(nullptr, 7, "Saves", "", "a.txt"); },
         Payload().word(7).word(-1).text("Saves").text("").text("a.txt").frame(8),
         [](CNetMessage* m) {
             auto& request = as<CNetFileRequestMessage>(m);
             EXPECT_TRUE(request.isWellFormed());
             EXPECT_EQ(request.getRequestId(), 7);
             EXPECT_EQ(request.getSenderId(), -1);
             EXPECT_STREQ(request.getFirstFolder().c_str(), "Saves");
             EXPECT_STREQ(request.getSecondFolder().c_str(), "");
             EXPECT_STREQ(request.getFileName().c_str(), "a.txt");
         }},
        {"file response", [] { return new CNetFileResponseMessage(nullptr, 7, 3, 25000, 25000); },
         Payload().word(7).word(3).word(25000).word(25000).frame(9),
         [](CNetMessage* m) {
             auto& response = as<CNetFileResponseMessage>(m);
             EXPECT_TRUE(response.isWellFormed());
             EXPECT_EQ(response.getRequestId(), 7);
             EXPECT_EQ(response.getSenderId(), 3);
             EXPECT_EQ(response.getAnnouncedSize(), 25000);
             EXPECT_EQ(response.getSize(), 25000);
         }},
        {"file data", [&] { return new CNetFileDataMessage(nullptr, 7, 3, 0, 20480, 3, chunk); },
         Payload().word(7).word(3).word(0).word(20480).word(3).raw(std::string("\xAA\x00\x55", 3)).frame(10),
         [](CNetMessage* m) {
             auto& data = as<CNetFileDataMessage>(m);
             EXPECT_TRUE(data.isWellFormed());
             EXPECT_EQ(data.getRequestId(), 7);
             EXPECT_EQ(data.getSenderId(), 3);
             EXPECT_EQ(data.getReserved(), 0);
             EXPECT_EQ(data.getOffset(), 20480);
             EXPECT_EQ(data.getChunkLength(), 3);
             EXPECT_EQ(Bytes(data.getData(), data.getData() + 3), Bytes({0xAA, 0x00, 0x55}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CNetMessage> built(c.build());
        ASSERT_EQ(built->getBufferLen(), static_cast<int>(c.frame.size()));
        EXPECT_EQ(bytesOf(*built), c.frame);
        EXPECT_EQ(built->getType(), c.frame[0]);
        c.check(parsed(c.frame).get());
    }
}

TEST_F(Messages, ValueRecordsReadBackOnlyWhatTheyHold)
{
    struct Record {
        const char* name;
        Bytes frame;
        std::string value;
    };
    const Record records[] = {
        {"bool byte 2 is false", Payload().text("F").word(3).byte(2).frame(2), "3:FALSE"},
        {"unknown record type", Payload().text("V").word(9).word(1).frame(2), "none"},
        {"integer cut short", Payload().text("X").word(1).byte(5).frame(2), "none"},
        {"no record", Payload().text("X").frame(2), "none"},
        {"name runs to the frame's end", Payload().raw("XYZ").frame(2), "none"},
        {"string unterminated", Payload().text("S").word(2).raw("abc").frame(2), "2:abc"},
    };
    for (const Record& r : records) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(received(as<CNetVariableMessage>(parsed(r.frame).get())), r.value);
    }
}

TEST_F(Messages, TextsUnterminatedInTheirFrameEndThereAndFixedPartsCutShortAreNotWellFormed)
{
    EXPECT_STREQ(as<CNetTextMessage>(parsed(Payload().raw("abc").frame(5)).get()).getText(), "abc");
    EXPECT_STREQ(as<CNetTextMessage>(parsed(Payload().frame(5)).get()).getText(), "");

    auto cmd = parsed(Payload().text("GO").raw("ar").frame(1));
    ASSERT_NE(as<CNetCmdMessage>(cmd.get()).getParams(), nullptr);
    EXPECT_EQ(param(as<CNetCmdMessage>(cmd.get()), 0), "ar");

    EXPECT_FALSE(as<CNetFileRequestMessage>(parsed(Payload().word(1).word(-1).text("a").text("b").raw("c").frame(8)).get())
                     .isWellFormed());
    EXPECT_FALSE(as<CNetFileRequestMessage>(parsed(Payload().word(1).frame(8)).get()).isWellFormed());
    EXPECT_FALSE(as<CNetFileResponseMessage>(parsed(Payload().word(1).word(2).word(3).frame(9)).get()).isWellFormed());
    auto longer = parsed(Payload().word(1).word(2).word(0).word(0).word(4).raw("abc").frame(10));
    EXPECT_FALSE(as<CNetFileDataMessage>(longer.get()).isWellFormed());
    EXPECT_EQ(as<CNetFileDataMessage>(longer.get()).getData(), nullptr);
    auto shorter = parsed(Payload().word(1).word(2).word(0).word(0).word(2).raw("abc").frame(10));
    EXPECT_FALSE(as<CNetFileDataMessage>(shorter.get()).isWellFormed());
    EXPECT_FALSE(as<CNetPingMessage>(parsed(Payload().word(1).frame(6)).get()).isWellFormed());
}

TEST_F(Messages, APingAnswerIsTheRequestWithItsFlagSet)
{
    Bytes request = Payload().word(99).word(0).zeros(1008).frame(6);
    request[500] = 0x7E;
    CNetMessage raw(nullptr, request.data(), static_cast<int>(request.size()));
    CNetPingMessage answer("peer", &raw, true);
    Bytes expected = request;
    expected[12] = 1;
    EXPECT_EQ(bytesOf(answer), expected);
    EXPECT_TRUE(answer.isResponse());
    EXPECT_EQ(answer.getTime(), 99);
}

TEST_F(Messages, AFrameIsCopiedOnlyWhenItsLengthWordFitsTheBytesGiven)
{
    Bytes frame = Payload().text("abc").frame(5);
    struct Given {
        const char* name;
        int available;
        int32_t lengthWord;
        int expectedLength;
    };
    const Given cases[] = {
        {"whole", 12, 12, 12},       {"more bytes than the frame", 12, 9, 9}, {"length past the bytes", 11, 12, 0},
        {"length below the head", 12, 7, 0}, {"negative length", 12, -5, 0}, {"no head", 7, 12, 0},
    };
    for (const Given& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = Payload().text("abc").frame(5, c.lengthWord);
        CNetMessage message(nullptr, bytes.data(), c.available);
        EXPECT_EQ(message.getBufferLen(), c.expectedLength);
        EXPECT_EQ(message.getBuffer() != nullptr, c.expectedLength > 0);
    }
}

} // namespace
