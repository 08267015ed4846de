#pragma once

#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CTextCoder.h"
#include "foundation/CTextFileReader.h"

#include <memory>
#include <string>

// Helpers of the definition-parser tests: parse text held in memory, code it, and print an
// element tree in a form that shows every blank.
namespace parser_test {

// A scene script with every line form: declarations, assignments with blanks and tabs,
// continuations, comments, links, DEF bodies, malformed lines and the end marker.
inline const std::string kSceneScript =
    "# Scene script for the parser test/ this comment swallows the next line\n"
    "OBJECT=SWALLOWED\n"
    "OBJECT=BACKGROUND\n"
    "BACKGROUND:TYPE=IMAGE\n"
    "BACKGROUND:FILENAME=bg.img\n"
    "\tBACKGROUND:VISIBLE=\tTRUE\t\n"
    "BACKGROUND:POSITION=10,20\n"
    "BACKGROUND:RECT=10 20 110 220\n"
    "BACKGROUND:PRIORITY=-5\n"
    "OBJECT=BACKGROUND\n"
    "BACKGROUND:TYPE=ANIMO\n"
    "\n"
    "   \n"
    "\t\t\n"
    "::==\n"
    "DEF:BTN(TYPE=BUTTON | PRIORITY = 10|)\n"
    "DEF:BTN (VISIBLE=true|NOEQUALS|  = empty key |)\n"
    "BTN:ONCLICK={@INFO^SHOW();}\n"
    "OBJECT=INFO\n"
    "INFO:TYPE=TEXT\n"
    "  INFO:VALUE = 5  \n"
    "INFO :VALUE=6\n"
    "INFO:TEXT=one: two\n"
    "INFO:TEXT=second\n"
    "INFO:SHOW\n"
    "INFO:SHOW\n"
    "INFO:VALUE=\n"
    "INFO:LINE=first part/\n"
    "second part\n"
    "INFO:JOINED=a /\n"
    "b\n"
    "INFO:SPLIT=x/\n"
    "/\n"
    "z\n"
    "INFO:CAPTION=\xA3\xF3" "d\x9F i #1!\n"
    "object=LOWER\n"
    "GHOST:TYPE=X\n"
    "IMPORT=SEQ1\n"
    "IMPORT=SEQ1\n"
    "IMPORT=INFO\n"
    "IMPORT\n"
    "OBJECT\n"
    "OBJECT=TOP:OBJECT=KID:OBJECT=KID2\n"
    "IMPORT=S2=IMPORT=S3\n"
    "KID:ADD=TOP\n"
    "TOP:APPLY=KID2\n"
    "KID:ADD=NOWHERE\n"
    "TOP:APPLY=NOWHERE:TYPE=X\n"
    "KID:ADD=TOP:KID2:ADD=KID\n"
    "TOP:TYPE=GROUP:extra=more\n"
    "KID:ADD\n"
    "KID:APPLY\n"
    "TOP:ADD=TOP\n"
    "DEF:NOBRACKETS\n"
    "DEF:HALF(TYPE=X\n"
    "DEF:BACKWARDS)TYPE=X(\n"
    "DEF:BACKGROUND(TYPE=SOUND|FILENAME=music.wav)\n"
    "DEF:EMPTY()\n"
    "#OBJECT=COMMENTED\n"
    "!end of scene\n"
    "OBJECT=AFTER\n"
    "# a comment after the end\n"
    "!\n"
    "DEF:LATE(TYPE=X)\n";

inline const std::string kSceneTree =
    "[BACKGROUND]\n"
    "  'TYPE' = 'IMAGE'\n"
    "  'FILENAME' = 'bg.img'\n"
    "  'VISIBLE' = 'TRUE'\n"
    "  'POSITION' = '10,20'\n"
    "  'RECT' = '10 20 110 220'\n"
    "  'PRIORITY' = '-5'\n"
    "  'TYPE' = 'ANIMO'\n"
    "[BTN]\n"
    "  'TYPE' = 'BUTTON'\n"
    "  'PRIORITY' = '10'\n"
    "  'ONCLICK' = '{@INFO^SHOW();}'\n"
    "[BTN ]\n"
    "  'VISIBLE' = 'true'\n"
    "  '' = 'empty key'\n"
    "[INFO]\n"
    "  'TYPE' = 'TEXT'\n"
    "  'VALUE ' = ' 5'\n"
    "  'TEXT' = 'one  two'\n"
    "  'TEXT' = 'second'\n"
    "  'SHOW' = ''\n"
    "  'VALUE' = ''\n"
    "  'LINE' = 'first partsecond part'\n"
    "  'JOINED' = 'a b'\n"
    "  'SPLIT' = 'x z'\n"
    "  'CAPTION' = '\xA3\xF3" "d\x9F i #1!'\n"
    "[SEQ1]\n"
    "  'TYPE' = 'SEQUENCE'\n"
    "[TOP]\n"
    "  'TYPE' = 'GROUP extra more'\n"
    "  -> KID\n"
    "  -> KID2\n"
    "  -> KID\n"
    "  -> TOP\n"
    "[KID]\n"
    "  -> KID2\n"
    "[KID2]\n"
    "[S2]\n"
    "  'TYPE' = 'SEQUENCE'\n"
    "[S3]\n"
    "  'TYPE' = 'SEQUENCE'\n"
    "[BACKGROUND]\n"
    "  'TYPE' = 'SOUND'\n"
    "  'FILENAME' = 'music.wav'\n"
    "[EMPTY]\n";

// Parses text that must outlive the call.
inline std::unique_ptr<CMElements> parseText(const std::string& text)
{
    auto* reader = new CTextFileReader(nullptr, text.data(), static_cast<int>(text.size()));
    return std::unique_ptr<CMElements>(CMElementsLoader::load(nullptr, reader));
}

inline std::string codeText(const std::string& plain, int cycle)
{
    return CTextCoder::codeText(plain.data(), static_cast<int>(plain.size()), cycle).c_str();
}

// Every getLine of a coder over the text until its end, concatenated.
inline std::string decodeText(const std::string& coded)
{
    CTextCoder coder(nullptr, new CTextFileReader(nullptr, coded.data(), static_cast<int>(coded.size())), true);
    std::string plain;
    while (!coder._eof())
        plain += coder.getLine().c_str();
    return plain;
}

// One block per element: "[name]", then "  'property' = 'value'" lines and "  -> child" lines.
inline std::string dumpElements(const CMElements* elements)
{
    std::string out;
    for (int i = 0; i < elements->getSize(); ++i) {
        const CMElement* element = elements->getAt(i);
        out += '[';
        out += element->name().c_str();
        out += "]\n";
        const CMProperties* properties = element->getProperties();
        for (int p = 0; p < properties->getSize(); ++p) {
            const CMProperty* property = properties->getAt(p);
            out += "  '" + std::string(property->name().c_str()) + "' = '" + property->value().c_str() + "'\n";
        }
        const CMElements* children = element->getChildren();
        for (int c = 0; c < children->getSize(); ++c)
            out += "  -> " + std::string(children->getAt(c)->name().c_str()) + "\n";
    }
    return out;
}

} // namespace parser_test
