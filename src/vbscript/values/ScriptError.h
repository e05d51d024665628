// The one exception of the script engine: a VBScript error with its number, description,
// source and place. Raised where the fault is found; caught only by the script host's entry
// points (and, inside scripts, by On Error Resume Next).
#pragma once

#include "vbscript/values/ErrorCatalogue.h"

#include <cstdint>
#include <exception>
#include <string>

namespace kestrelon::vbs {

inline constexpr const char* RuntimeErrorSource = "Microsoft VBScript runtime error";
inline constexpr const char* CompileErrorSource = "Microsoft VBScript compilation error";

class ScriptError : public std::exception {
public:
    ScriptError(std::int32_t number, std::string description, std::string source,
                int line = 0, int column = 0);

    // A run-time error with its standard description ("Type mismatch" for TypeMismatch, 13).
    static ScriptError runtime(ErrorCode code);
    // A compilation error with its standard description at a place in the source.
    static ScriptError compile(ErrorCode code, int line, int column);

    std::int32_t number() const { return m_number; }
    const std::string& description() const { return m_description; }
    const std::string& source() const { return m_source; }
    int line() const { return m_line; }     // 1-based; 0 while unknown
    int column() const { return m_column; } // 1-based; 0 while unknown
    bool hasPosition() const { return m_line > 0; }
    // Records where the error happened, unless a place is already known.
    void setPositionIfUnknown(int line, int column);

    const char* what() const noexcept override { return m_description.c_str(); }

private:
    std::int32_t m_number;
    std::string m_description;
    std::string m_source;
    int m_line;
    int m_column;
};

// The standard English text of a VBScript error number; "Unknown runtime error" for numbers
// the engine does not know.
std::string standardDescription(std::int32_t number);

} // namespace kestrelon::vbs
