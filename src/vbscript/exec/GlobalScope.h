// The script level of one script host: the global variables and constants, the procedures
// of every code added so far, and the named objects the host added. A reset empties it.
// Its epoch changes whenever a name is added, so a name bound earlier is looked up again.
#pragma once

#include "vbscript/syntax/Ast.h"
#include "vbscript/values/Object.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace kestrelon::vbs {

struct BuiltinEntry;
struct ConstantEntry;
struct ProgramInstance;

struct GlobalVariable {
    Value value;
    bool constant = false;
};

// A procedure and the added code it belongs to.
struct ProcedureEntry {
    const Procedure* procedure = nullptr;
    ProgramInstance* instance = nullptr;
};

// A class and the added code it belongs to.
struct ClassEntry {
    const ClassDecl* decl = nullptr;
    ProgramInstance* instance = nullptr;
};

struct NamedItem {
    std::string name;
    std::shared_ptr<Object> object;
    bool addMembers = false;
    // The object as a script value, made once: scripts read their named objects at nearly
    // every step, and a copy of this only counts one more user.
    Value value;
};

// What a global name of a program stands for, as last looked up.
struct GlobalBinding {
    enum class Kind : std::uint8_t {
        Unresolved, Variable, Procedure, Item, Builtin, Constant, Err, Randomize, HostMember, Class,
        Execute, ExecuteGlobal, Eval, GetRef, // code made while the script runs
        SelfMember, // inside a class: a procedure or property of the instance (never stored)
    };
    std::uint64_t epoch = 0; // the scope's epoch when looked up; 0: never
    Kind kind = Kind::Unresolved;
    GlobalVariable* variable = nullptr;
    ProcedureEntry procedure;
    ClassEntry classEntry;
    const BuiltinEntry* builtin = nullptr;
    const ConstantEntry* constant = nullptr;
    std::size_t item = 0;
    MemberId member = 0;
};

// One added code, linked into the script level: the compiled text, shared with every other
// addition of the same text, and the bindings of its global names in this script host.
struct ProgramInstance {
    std::shared_ptr<const Program> program;
    std::vector<GlobalBinding> bindings;
};

class GlobalScope {
public:
    enum class EntryKind : std::uint8_t { Variable, Procedure, Class };
    struct Entry {
        EntryKind kind = EntryKind::Variable;
        GlobalVariable* variable = nullptr;
        ProcedureEntry procedure;
        ClassEntry classEntry;
    };

    const Entry* find(const std::string& folded) const;

    // The variable of that name, made (Empty) when the name is new or names a constant of an
    // earlier code (a later Dim gives later code a variable of its own).
    GlobalVariable& variable(const std::string& folded);
    // A new constant; false when the name is already taken.
    bool addConstant(const std::string& folded, Value value);
    // Defines or replaces a procedure (the last definition wins); false when the name is a
    // variable or constant.
    bool defineProcedure(const std::string& folded, ProcedureEntry procedure);

    // Defines or replaces a class (the last definition wins); false when the name is anything
    // else already.
    bool defineClass(const std::string& folded, ClassEntry entry);

    // Adds or replaces a named object.
    void addItem(const std::string& name, std::shared_ptr<Object> object, bool addMembers);
    const NamedItem* findItem(const std::string& folded, std::size_t* index = nullptr) const;
    const std::vector<NamedItem>& items() const { return m_items; }

    // The added codes live as long as the script level, as their procedures do.
    ProgramInstance& addInstance(std::shared_ptr<const Program> program);

    std::uint64_t epoch() const { return m_epoch; }
    void clear();
    // Calls letGo on the value of every variable in the order the variables were made,
    // those made meanwhile included.
    template <typename LetGo>
    void forEachVariable(LetGo&& letGo)
    {
        for (std::size_t i = 0; i < m_variablesInUse; ++i)
            letGo(m_variables[i].value);
    }

    // A level built again from the same pieces can come back to how it stood once built
    // instead (ScriptControl::Reset says when): its names, and so every binding of them, stay.
    // markBuilt keeps the variables' values of the level as it stands now.
    void markBuilt();
    // True after markBuilt while no name was added or redefined, whatever the values did.
    bool unchangedSinceBuilt() const { return m_built && !m_changedSinceBuilt; }
    // Every variable takes its value at markBuilt again.
    void restoreBuilt();
    // The named object at index is now object; its name stays bound as it was, unless the new
    // object's members may differ from the old one's.
    void replaceItemObject(std::size_t index, std::shared_ptr<Object> object);
    ProgramInstance& instance(std::size_t index) { return *m_instances[index]; }

private:
    // A battle resets the level and builds it again for every unit's turn, so a reset keeps the
    // storage it had (map nodes, variables, added codes) for the next build to take again.
    using Entries = std::unordered_map<std::string, Entry>;
    using ItemIndex = std::unordered_map<std::string, std::size_t>;
    template <typename Map>
    static std::pair<typename Map::iterator, bool> emplaceReusing(Map& map,
                                                                  std::vector<typename Map::node_type>& spare,
                                                                  const std::string& key);
    template <typename Map>
    static void clearKeeping(Map& map, std::vector<typename Map::node_type>& spare);
    GlobalVariable& newVariable();

    Entries m_entries;
    std::vector<Entries::node_type> m_spareEntries;
    std::deque<GlobalVariable> m_variables; // a deque: variables never move while referenced
    std::size_t m_variablesInUse = 0;
    std::vector<NamedItem> m_items;
    ItemIndex m_itemIndex;
    std::vector<ItemIndex::node_type> m_spareItemIndex;
    std::vector<std::unique_ptr<ProgramInstance>> m_instances;
    std::size_t m_instancesInUse = 0;
    std::uint64_t m_epoch = 1;
    bool m_built = false;
    bool m_changedSinceBuilt = false;
    std::vector<Value> m_builtValues; // the variables' values at markBuilt, in order
    // Declared arrays are made anew by their shape rather than kept: a kept one would be
    // shared with the variable, and the script's first write would copy it whole.
    struct BuiltArray {
        std::size_t variable;
        std::vector<std::int32_t> upperBounds;
        bool fixed;
        bool allocated;
    };
    std::vector<BuiltArray> m_builtArrays;
};

} // namespace kestrelon::vbs
