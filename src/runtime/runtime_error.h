#pragma once

// The errors of the game's runtime. No handler traps them: one that escapes a
// handler ends the game with an error box showing its number and text.

#include <exception>
#include <string>
#include <string_view>

namespace tolvane::runtime {

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, std::string text);

    int number() const { return m_number; }
    const std::string &text() const { return m_text; } // UTF-8
    const char *what() const noexcept override { return m_what.c_str(); }

    // A floating-point operation failed (invalid operand, division by zero, overflow).
    static RuntimeError floatingPoint();
    // A handler named a control that its window does not have, or one of another kind.
    static RuntimeError controlNotFound(std::string_view name);
    // A handler used a property that its control's kind does not have.
    static RuntimeError propertyNotSupported(std::string_view name);
    // A handler reached a window that is not there (unloaded or already gone).
    static RuntimeError objectRequired();
    // The windowing system refused an operation on a window.
    static RuntimeError windowOperationFailed();
    static RuntimeError outOfMemory();

private:
    int m_number;
    std::string m_text;
    std::string m_what;
};

// Thrown by End to stop the handler that called it; caught at the event
// boundary and never shown.
struct EndOfProgram {};

} // namespace tolvane::runtime
