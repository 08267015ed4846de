// Writes the seed corpora of the network fuzz targets into the folder given: frames of every
// type, streams of several, and damaged ones; file transfers whole, refused and out of order;
// what a server object is sent by its players.
// The corpora under fuzz/corpus/ are its output; a test keeps them equal.
#include "tests/network/FrameBytes.h"

#include <filesystem>
#include <fstream>
#include <string>

using namespace nettest;

namespace {

std::filesystem::path root;

void seed(const std::string& target, const std::string& name, const Bytes& bytes)
{
    std::filesystem::create_directories(root / target);
    std::ofstream(root / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// An input of a target that cuts a stream: the byte that seeds the splits, then the stream.
void stream(const std::string& target, const std::string& name, uint8_t splitSeed, const std::vector<Bytes>& frames)
{
    Bytes input{splitSeed};
    Bytes joinedFrames = joined(frames);
    input.insert(input.end(), joinedFrames.begin(), joinedFrames.end());
    seed(target, name, input);
}

void stream(const std::string& name, uint8_t splitSeed, const std::vector<Bytes>& frames)
{
    stream("net_frames", name, splitSeed, frames);
}

void frameSeeds()
{
    stream("command", 1, {Payload().text("GO").text("1").text("A").frame(1)});
    stream("variables", 2,
           {Payload().text("X").word(1).word(5).frame(2), Payload().text("S").word(2).text("Ala").frame(2),
            Payload().text("B").word(3).byte(2).frame(2), Payload().text("D").word(4).real(0.5).frame(2)});
    stream("texts", 3,
           {Payload().text("X^INC();").frame(3), Payload().frame(4), Payload().text("hej").frame(5),
            Payload().text("Gracz").frame(7)});
    stream("pings", 4, {Payload().word(7).word(0).zeros(1008).frame(6), Payload().word(7).word(1).zeros(1008).frame(6),
                        Payload().word(7).frame(6)});
    stream("files", 5,
           {Payload().word(1).word(-1).text("A").text("B").text("c.txt").frame(8),
            Payload().word(1).word(2).word(3).word(3).frame(9), Payload().word(1).word(2).word(0).word(0).word(3).raw("abc").frame(10)});
    stream("unknown_type", 6, {Payload().word(1).frame(42)});
    stream("unterminated", 7,
           {Payload().raw("GO").frame(1), Payload().raw("X").frame(2), Payload().word(1).word(-1).raw("A").frame(8)});
    stream("bad_length", 8, {Payload().text("ok").frame(5), Payload().zeros(8).frame(5, 3)});
    stream("huge_length", 9, {Payload().zeros(8).frame(5, 0x7FFFFFFF)});
}

Bytes response(int id, int sender, int size)
{
    return Payload().word(id).word(sender).word(size).word(size).frame(9);
}

Bytes chunk(int id, int sender, int offset, const std::string& bytes)
{
    return Payload().word(id).word(sender).word(0).word(offset).word(int32_t(bytes.size())).raw(bytes).frame(10);
}

void transferSeeds()
{
    seed("file_transfer", "whole", joined({response(1, 4, 10), chunk(1, 4, 0, "01234"), chunk(1, 4, 5, "56789")}));
    seed("file_transfer", "empty", joined({response(2, 4, 0)}));
    seed("file_transfer", "out_of_order",
         joined({chunk(1, 4, 0, "xx"), response(1, 4, 4), chunk(1, 4, 2, "zz"), chunk(1, 5, 0, "yy"),
                 chunk(1, 4, 0, "abcdef"), chunk(1, 4, 0, "ab"), chunk(1, 4, 2, "cd")}));
    seed("file_transfer", "refused_sizes", joined({response(1, 4, -1), response(2, 4, 0x7FFFFFFF), response(3, 4, 3)}));
    seed("file_transfer", "requests",
         joined({Payload().word(9).word(-1).text("").text("").text("a.txt").frame(8),
                 Payload().word(9).word(-1).text("").text("").text("..\\a.txt").frame(8),
                 Payload().word(9).word(-1).text("").text("").text("C:\\a.txt").frame(8)}));
}

Bytes command(const std::vector<std::string>& words)
{
    Payload payload;
    for (const std::string& word : words)
        payload.text(word);
    return payload.frame(1);
}

void scriptSeeds()
{
    const std::string target = "net_script";
    stream(target, "commands", 1,
           {command({"GO", "a", "2"}), command({"GO"}), command({"SET", "x", "y", "z"}), command({"OTHER", "1"})});
    stream(target, "variables", 2,
           {Payload().text("N").word(1).word(5).frame(2), Payload().text("N").word(2).text("7").frame(2),
            Payload().text("D").word(4).real(0.25).frame(2), Payload().text("B").word(3).byte(1).frame(2),
            Payload().text("LOG").word(9).frame(2), Payload().text("onText").word(1).word(1).frame(2),
            Payload().text("NOBODY").word(1).word(1).frame(2)});
    stream(target, "behaviours", 3,
           {Payload().text("N^INC();LOG^ADD(N);").frame(3), Payload().text("NETSERVER^SENDTEXT(\"x\");").frame(3),
            Payload().text("@LOOP({N^INC();},0,5,1);").frame(3), Payload().text("NETSERVER^SENDCMD(GO,1);").frame(3)});
    stream(target, "texts_and_players", 4,
           {Payload().text("hi").frame(5), Payload().text("Ala").frame(7), Payload().frame(4),
            Payload().word(1).word(0).zeros(1008).frame(6)});
    stream(target, "damaged", 5, {Payload().raw("GO").frame(1), Payload().raw("N").frame(2), Payload().zeros(8).frame(3, 4)});
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    root = argv[1];
    frameSeeds();
    transferSeeds();
    scriptSeeds();
    return 0;
}
