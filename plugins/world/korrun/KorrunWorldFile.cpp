#include "KorrunWorldFile.h"

#include "IKorrun.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// A member a file may call: its name, the kinds of its arguments ('u' unsigned, 'i' int, 'f'
// float, 'd' double, 'b' bool) and the call.
struct Command {
    const char* name;
    const char* kinds;
    int (*call)(IKorrun&, const double*);
};

float f(double value)
{
    return float(value);
}

uint32_t u(double value)
{
    return uint32_t(value);
}

int i(double value)
{
    return int(value);
}

bool b(double value)
{
    return value != 0.0;
}

const Command kCommands[] = {
    {"SetGravity", "fff", [](IKorrun& k, const double* a) { return k.SetGravity(f(a[0]), f(a[1]), f(a[2])); }},
    {"AddObject", "ui", [](IKorrun& k, const double* a) { return k.AddObject(u(a[0]), i(a[1])); }},
    {"AddBody", "uffffffiifff",
     [](IKorrun& k, const double* a) {
         return k.AddBody(u(a[0]), f(a[1]), f(a[2]), f(a[3]), f(a[4]), f(a[5]), f(a[6]), i(a[7]), i(a[8]), f(a[9]),
                          f(a[10]), f(a[11]));
     }},
    {"SetPosition", "ufff", [](IKorrun& k, const double* a) { return k.SetPosition(u(a[0]), f(a[1]), f(a[2]), f(a[3])); }},
    {"SetRadius", "ufff", [](IKorrun& k, const double* a) { return k.SetRadius(u(a[0]), f(a[1]), f(a[2]), f(a[3])); }},
    {"SetMass", "uf", [](IKorrun& k, const double* a) { return k.SetMass(u(a[0]), f(a[1])); }},
    {"SetRigid", "uf", [](IKorrun& k, const double* a) { return k.SetRigid(u(a[0]), f(a[1])); }},
    {"SetMaxSpeed", "uf", [](IKorrun& k, const double* a) { return k.SetMaxSpeed(u(a[0]), f(a[1])); }},
    {"SetVelocity", "ufffb",
     [](IKorrun& k, const double* a) { return k.SetVelocity(u(a[0]), f(a[1]), f(a[2]), f(a[3]), b(a[4])); }},
    {"SetAngle", "uf", [](IKorrun& k, const double* a) { return k.SetAngle(u(a[0]), f(a[1])); }},
    {"Rotate", "uif", [](IKorrun& k, const double* a) { return k.Rotate(u(a[0]), i(a[1]), f(a[2])); }},
    {"SetDispersion", "uf", [](IKorrun& k, const double* a) { return k.SetDispersion(u(a[0]), f(a[1])); }},
    {"SetBodyProperties", "uffff",
     [](IKorrun& k, const double* a) { return k.SetBodyProperties(u(a[0]), f(a[1]), f(a[2]), f(a[3]), f(a[4])); }},
    {"SetBodyDynamics", "ufffff",
     [](IKorrun& k, const double* a) {
         return k.SetBodyDynamics(u(a[0]), f(a[1]), f(a[2]), f(a[3]), f(a[4]), f(a[5]));
     }},
    {"SetCollisionType", "uu", [](IKorrun& k, const double* a) { return k.SetCollisionType(u(a[0]), u(a[1])); }},
    {"SetLimit", "uffffff",
     [](IKorrun& k, const double* a) {
         return k.SetLimit(u(a[0]), f(a[1]), f(a[2]), f(a[3]), f(a[4]), f(a[5]), f(a[6]));
     }},
    {"SetAlwaysActive", "ub", [](IKorrun& k, const double* a) { return k.SetAlwaysActive(u(a[0]), b(a[1])); }},
    {"EnableMesh", "ub", [](IKorrun& k, const double* a) { return k.EnableMesh(u(a[0]), b(a[1])); }},
    {"CollideMesh", "ub", [](IKorrun& k, const double* a) { return k.CollideMesh(u(a[0]), b(a[1])); }},
    {"SetGravityCenter", "ub", [](IKorrun& k, const double* a) { return k.SetGravityCenter(u(a[0]), b(a[1])); }},
    {"SetG", "ud", [](IKorrun& k, const double* a) { return k.SetG(u(a[0]), a[1]); }},
    {"AddGravityEx", "uub", [](IKorrun& k, const double* a) { return k.AddGravityEx(u(a[0]), u(a[1]), b(a[2])); }},
    {"Join", "uufffffffff",
     [](IKorrun& k, const double* a) {
         return k.Join(u(a[0]), u(a[1]), f(a[2]), f(a[3]), f(a[4]), f(a[5]), f(a[6]), f(a[7]), f(a[8]), f(a[9]),
                       f(a[10]));
     }},
    {"Join2", "uufffffffff",
     [](IKorrun& k, const double* a) {
         return k.Join2(u(a[0]), u(a[1]), f(a[2]), f(a[3]), f(a[4]), f(a[5]), f(a[6]), f(a[7]), f(a[8]), f(a[9]),
                        f(a[10]));
     }},
    {"AddWayPoint", "ufff", [](IKorrun& k, const double* a) { return k.AddWayPoint(u(a[0]), f(a[1]), f(a[2]), f(a[3])); }},
    {"AddToPath", "ufff", [](IKorrun& k, const double* a) { return k.AddToPath(u(a[0]), f(a[1]), f(a[2]), f(a[3])); }},
    {"AddMeshWayPoint", "ufff",
     [](IKorrun& k, const double* a) { return k.AddMeshWayPoint(u(a[0]), f(a[1]), f(a[2]), f(a[3])); }},
};

// Values beyond this are refused before they meet a float; the members refuse far less.
constexpr double kMostMagnitude = 1.0e30;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// The next word of line, blanks skipped; empty at the end.
std::string_view nextWord(std::string_view& line)
{
    size_t start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    size_t end = start;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    const std::string_view word = line.substr(start, end - start);
    line.remove_prefix(end);
    return word;
}

template <typename Number>
bool whole(std::string_view word, Number& value)
{
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && stop == end;
}

bool number(std::string_view word, char kind, double& value)
{
    switch (kind) {
    case 'u': {
        uint32_t read = 0;
        return whole(word, read) && (value = read, true);
    }
    case 'i': {
        int32_t read = 0;
        return whole(word, read) && (value = read, true);
    }
    case 'b':
        return (word == "0" || word == "1") && (value = word == "1", true);
    default: {
        double read = 0.0;
        return whole(word, read) && std::isfinite(read) && std::fabs(read) <= kMostMagnitude && (value = read, true);
    }
    }
}

} // namespace

bool KorrunWorldFile::read(std::FILE* file)
{
    std::string text;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (text.size() + got > kMostBytes)
            return false;
        text.append(buffer, got);
    }
    return std::ferror(file) == 0 && parse(text);
}

bool KorrunWorldFile::parse(std::string_view text)
{
    calls_.clear();
    bool headed = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::string_view rest = line;
        const std::string_view first = nextWord(rest);
        if (first.empty() || first[0] == '#')
            continue;
        const bool good = headed ? parseLine(line) : first == "KORRUN" && nextWord(rest) == "1" && nextWord(rest).empty();
        if (!good) {
            calls_.clear();
            return false;
        }
        headed = true;
    }
    return true;
}

bool KorrunWorldFile::parseLine(std::string_view line)
{
    const std::string_view name = nextWord(line);
    for (size_t c = 0; c < std::size(kCommands); ++c) {
        const Command& command = kCommands[c];
        if (name != command.name)
            continue;
        Call call{c, {}};
        const size_t count = std::strlen(command.kinds);
        for (size_t a = 0; a < count; ++a) {
            if (!number(nextWord(line), command.kinds[a], call.arguments[a]))
                return false;
        }
        if (!nextWord(line).empty())
            return false;
        calls_.push_back(call);
        return true;
    }
    return false;
}

bool KorrunWorldFile::applyTo(IKorrun& korrun) const
{
    for (const Call& call : calls_) {
        if (kCommands[call.command].call(korrun, call.arguments.data()) != IKorrun::kOk)
            return false;
    }
    return true;
}
