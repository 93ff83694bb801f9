#include "runtime/runtime_error.h"

namespace tolvane::runtime {

RuntimeError::RuntimeError(int number, std::string text)
    : m_number(number), m_text(std::move(text)), m_what(std::to_string(number) + ": " + m_text)
{
}

RuntimeError RuntimeError::floatingPoint() { return {6, "Dépassement de capacité"}; }

RuntimeError RuntimeError::controlNotFound(std::string_view name)
{
    return {730, "Le contrôle « " + std::string(name) + " » est introuvable"};
}

RuntimeError RuntimeError::propertyNotSupported(std::string_view name)
{
    return {438, "Le contrôle « " + std::string(name) + " » ne gère pas cette propriété ou méthode"};
}

RuntimeError RuntimeError::objectRequired() { return {424, "Objet requis"}; }

RuntimeError RuntimeError::windowOperationFailed() { return {5, "Argument ou appel de procédure incorrect"}; }

RuntimeError RuntimeError::outOfMemory() { return {7, "Mémoire insuffisante"}; }

} // namespace tolvane::runtime
