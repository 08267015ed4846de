#pragma once

#include "foundation/CXObject.h"

class CMElements;
class CTextCoder;
class CTextFileReader;
class CWindow;

// Turns a definition or script text (plain or coded) into an owning list of elements.
//
// Line forms, all names and keywords matched case-sensitively, ':' and '=' interchangeable:
//   OBJECT=NAME               declares NAME unless it exists
//   IMPORT=NAME               declares NAME with TYPE=SEQUENCE unless it exists
//   DEF:NAME(KEY=VALUE|...)   always appends a new element NAME with those properties
//   NAME:PROPERTY=VALUE       appends a property (the rest of the line, tokens joined by blanks)
//   NAME:PROPERTY             adds an empty property unless NAME has one of that name
//   NAME:ADD=PARENT           NAME becomes a child of PARENT
//   NAME:APPLY=CHILD          CHILD becomes a child of NAME
//   # comment   ! end (this and every later line is ignored)
// Tabs are removed everywhere; a physical line holding '/' continues on the next one and every
// '/' is dropped. Lines naming undeclared elements are dropped silently.
class CMElementsLoader : public CXObject {
public:
    // Parses the named file; null when it does not open (or is refused as a coded file). When a
    // window is given and the engine host's command line asks for it ("code", "decode"), a coded
    // copy (cycle 6) goes to the file name followed by ".coded" and a decoded copy to the file
    // name followed by ".decoded" first; neither changes what is parsed.
    static CMElements* load(CWindow* window, const CXString& fileName);
    // Parses an already read text; the reader passes to the loader and is deleted when parsing
    // ends. Null when the reader carries an error.
    static CMElements* load(CWindow* window, CTextFileReader* reader);
    // Parses the coder's lines; an empty list when it has none.
    static CMElements* load(CTextCoder* coder);
    // One logical line: physical lines joined over '/' continuations, tabs and '/' removed,
    // blanks trimmed at both ends.
    static CXString getLine(CTextCoder* coder);
    // Writing definition files is not supported: nothing is written and the answer is true.
    static bool save(const CXString& fileName, CMElements* elements);
};
