// The Err object's members and Err.Raise's rules: 0 and numbers past 65535 are refused (5),
// COM-style results map to their script numbers, omitted texts keep or take standard ones.
#include "vbscript/exec/ErrObject.h"

#include "vbscript/values/Coercion.h"

#include <algorithm>
#include <array>

namespace kestrelon::vbs {
namespace {

struct ResultMapping {
    std::uint32_t result;
    std::int32_t number;
};

// Sorted by result. The numbers the Windows engine reports for well-known system results.
constexpr std::array ResultMappings = {
    ResultMapping{0x80004001, 445}, ResultMapping{0x80004002, 430}, ResultMapping{0x80020001, 438},
    ResultMapping{0x80020003, 438}, ResultMapping{0x80020004, 448}, ResultMapping{0x80020005, 13},
    ResultMapping{0x80020006, 438}, ResultMapping{0x80020007, 446}, ResultMapping{0x80020008, 458},
    ResultMapping{0x8002000A, 6},   ResultMapping{0x8002000B, 9},   ResultMapping{0x8002000C, 447},
    ResultMapping{0x8002000D, 10},  ResultMapping{0x8002000E, 450}, ResultMapping{0x8002000F, 449},
    ResultMapping{0x80020011, 451}, ResultMapping{0x8002802F, 453}, ResultMapping{0x80028CA0, 13},
    ResultMapping{0x80028CA1, 9},   ResultMapping{0x80028CA2, 57},  ResultMapping{0x80028CA3, 322},
    ResultMapping{0x80030002, 432}, ResultMapping{0x80030003, 76},  ResultMapping{0x80030004, 67},
    ResultMapping{0x80030005, 70},  ResultMapping{0x80030008, 7},   ResultMapping{0x80030012, 67},
    ResultMapping{0x80030013, 70},  ResultMapping{0x8003001D, 57},  ResultMapping{0x8003001E, 57},
    ResultMapping{0x80030020, 75},  ResultMapping{0x80030021, 70},  ResultMapping{0x80030050, 58},
    ResultMapping{0x80030070, 61},  ResultMapping{0x800300FC, 53},  ResultMapping{0x80030100, 70},
    ResultMapping{0x80030101, 70},  ResultMapping{0x80030103, 57},  ResultMapping{0x80040154, 429},
    ResultMapping{0x800401E3, 429}, ResultMapping{0x800401E6, 432}, ResultMapping{0x800401EA, 432},
    ResultMapping{0x800401F3, 429}, ResultMapping{0x800401F5, 429}, ResultMapping{0x800401FE, 429},
    ResultMapping{0x80070005, 70},  ResultMapping{0x8007000E, 7},   ResultMapping{0x80070057, 5},
    ResultMapping{0x800706BA, 462}, ResultMapping{0x80080005, 429},
};

constexpr std::uint32_t ScriptFacility = 0x0A;

} // namespace

std::int32_t errorNumberOfResult(std::int32_t result)
{
    const auto bits = static_cast<std::uint32_t>(result);
    if ((bits & 0xFFFF0000u) == 0)
        return result;
    if ((bits & 0x80000000u) && ((bits >> 16) & 0x1FFFu) == ScriptFacility)
        return static_cast<std::int32_t>(bits & 0xFFFFu);
    const auto found = std::lower_bound(ResultMappings.begin(), ResultMappings.end(), bits,
                                        [](const ResultMapping& entry, std::uint32_t r) { return entry.result < r; });
    if (found != ResultMappings.end() && found->result == bits)
        return found->number;
    return result;
}

const HostClass<ErrObject>& ErrObject::binding()
{
    static const HostClass<ErrObject> table = [] {
        HostClass<ErrObject> members("ErrObject");
        members.property("Number", &ErrObject::m_number)
            .property("Description", &ErrObject::m_description)
            .property("Source", &ErrObject::m_source)
            .property("HelpFile", &ErrObject::m_helpFile)
            .property("HelpContext", &ErrObject::m_helpContext)
            .method("Clear", &ErrObject::clear)
            .add("Raise", [](ErrObject& err, InvokeKind kind, std::span<const Value> args) {
                if (kind == InvokeKind::Put)
                    throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
                return err.raise(args);
            });
        return members;
    }();
    return table;
}

std::optional<MemberId> ErrObject::defaultMember() const
{
    return binding().find("Number");
}

void ErrObject::record(const ScriptError& error)
{
    const bool fromRaise = m_raised && error.number() == m_number && error.description() == m_description &&
                           error.source() == m_source;
    m_raised = false;
    m_number = error.number();
    m_description = error.description();
    m_source = error.source();
    if (!fromRaise) {
        m_helpFile.clear();
        m_helpContext = 0;
    }
}

void ErrObject::clear()
{
    m_number = 0;
    m_description.clear();
    m_source.clear();
    m_helpFile.clear();
    m_helpContext = 0;
    m_raised = false;
}

Value ErrObject::raise(std::span<const Value> args)
{
    if (args.empty() || args.size() > 5)
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    const std::int32_t given = toLong(args[0]);
    if (given == 0 || given > 0xFFFF)
        throw ScriptError::runtime(ErrorCode::InvalidProcedureCall);
    const std::int32_t number = errorNumberOfResult(given);
    if (args.size() >= 2)
        m_source = narrowText(toString(args[1]));
    if (args.size() >= 3)
        m_description = narrowText(toString(args[2]));
    if (args.size() >= 4)
        m_helpFile = narrowText(toString(args[3]));
    if (args.size() >= 5)
        m_helpContext = toLong(args[4]);
    if (m_source.empty())
        m_source = RuntimeErrorSource;
    if (m_description.empty())
        m_description = standardDescription(number);
    m_number = number;
    m_raised = true;
    throw ScriptError(number, m_description, m_source);
}

} // namespace kestrelon::vbs
