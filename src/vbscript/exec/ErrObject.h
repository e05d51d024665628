// The Err object: the last run-time error a script met under On Error Resume Next (Number, its
// default property, Description, Source, HelpFile, HelpContext), Clear, and Raise, which raises
// an error of the script's own. Its texts are those of the errors the host reports, so they are
// kept as the host shows them, in 1252 bytes.
#pragma once

#include "vbscript/host/HostBinding.h"
#include "vbscript/values/ScriptError.h"

#include <cstdint>
#include <string>

namespace kestrelon::vbs {

class ErrObject : public HostObject<ErrObject> {
public:
    static const HostClass<ErrObject>& binding();

    std::optional<MemberId> defaultMember() const override;

    // Fills the object from an error caught by On Error Resume Next. An error the engine
    // raised itself empties HelpFile and HelpContext; the one Err.Raise just raised keeps them.
    void record(const ScriptError& error);
    void clear();

    std::int32_t number() const { return m_number; }
    const std::string& description() const { return m_description; }
    const std::string& source() const { return m_source; }

private:
    // Err.Raise number[, source[, description[, helpfile[, helpcontext]]]]: omitted texts keep
    // what the object holds, or take the standard ones when it holds none.
    Value raise(std::span<const Value> args);

    std::int32_t m_number = 0;
    std::string m_description;
    std::string m_source;
    std::string m_helpFile;
    std::int32_t m_helpContext = 0;
    bool m_raised = false; // Raise has thrown an error that is not yet recorded
};

// The script error number of a COM-style result: VBScript's own results (facility 0x0A) give
// their low 16 bits, the well-known system results their VBScript number, others stay as given.
std::int32_t errorNumberOfResult(std::int32_t result);

} // namespace kestrelon::vbs
