#pragma once

// The errors of the game's runtime. No handler traps them: one that escapes a
// handler ends the game with an error box showing its number and text.

#include <QString>
#include <exception>

namespace tolvane {

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString text);

    int number() const { return m_number; }
    const QString &text() const { return m_text; }
    const char *what() const noexcept override;

    // A floating-point operation failed (invalid operand, division by zero, overflow).
    static RuntimeError floatingPoint();
    // A handler named a control that its window does not have, or one of another kind.
    static RuntimeError controlNotFound(const QString &name);
    // A handler reached a window that is not there (unloaded or already gone).
    static RuntimeError objectRequired();
    // The windowing system refused an operation on a window.
    static RuntimeError windowOperationFailed();
    static RuntimeError outOfMemory();

private:
    int m_number;
    QString m_text;
    QByteArray m_what;
};

// Thrown by End to stop the handler that called it; caught at the event
// boundary and never shown.
struct EndOfProgram {};

} // namespace tolvane
