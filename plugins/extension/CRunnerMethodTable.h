#pragma once

#include <vector>

class CMC_Object;
class CMC_ObjectsContainer;
class CMC_Variable;
class CXVector;

// The handler table of a plug-in runner: entry i serves method identifier i (entry 0 serves
// none), each a handler or empty. A runner derives from this table beside CMC_Runner.
class CRunnerMethodTable {
public:
    // A method of the runner holding the table: the object called, the container of the line, the
    // arguments; a result or null.
    using Handler = CMC_Variable* (*)(CRunnerMethodTable& runner, CMC_Object* object, CMC_ObjectsContainer* container,
                                      CXVector* arguments);

    // A table of that many entries, all empty.
    explicit CRunnerMethodTable(int entries);
    virtual ~CRunnerMethodTable();
    CRunnerMethodTable(const CRunnerMethodTable&) = delete;
    CRunnerMethodTable& operator=(const CRunnerMethodTable&) = delete;

    // Whether an entry of the table serves the identifier.
    bool serves(int id) const;
    // Runs the entry's handler; null for an empty entry.
    CMC_Variable* call(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);

protected:
    void setHandler(int id, Handler handler);
    // SHOW, the one handler of every type: a message box over the engine's window naming the
    // object; it returns once the box is closed.
    static CMC_Variable* show(CRunnerMethodTable& runner, CMC_Object* object, CMC_ObjectsContainer* container,
                              CXVector* arguments);

private:
    std::vector<Handler> handlers_;
};
