#include "platform/runtime_error.h"

namespace tolvane {

RuntimeError::RuntimeError(int number, QString text)
    : m_number(number), m_text(std::move(text)),
      m_what(QStringLiteral("%1: %2").arg(number).arg(m_text).toUtf8())
{
}

const char *RuntimeError::what() const noexcept { return m_what.constData(); }

RuntimeError RuntimeError::floatingPoint() { return {6, QStringLiteral("Dépassement de capacité")}; }

RuntimeError RuntimeError::controlNotFound(const QString &name)
{
    return {730, QStringLiteral("Le contrôle « %1 » est introuvable").arg(name)};
}

RuntimeError RuntimeError::objectRequired() { return {424, QStringLiteral("Objet requis")}; }

RuntimeError RuntimeError::windowOperationFailed()
{
    return {5, QStringLiteral("Argument ou appel de procédure incorrect")};
}

RuntimeError RuntimeError::outOfMemory() { return {7, QStringLiteral("Mémoire insuffisante")}; }

} // namespace tolvane
