#include "runtime/runtime.h"

namespace tolvane::runtime {

std::string Runtime::inputBox(std::string_view prompt, std::string_view title)
{
    if (m_ended || m_inputBoxOpen)
        return {}; // one box at a time: a second one gives the empty text at once
    m_inputBoxOpen = true;
    struct Closed {
        bool &open;
        ~Closed() { open = false; }
    } closed{m_inputBoxOpen};
    std::string answer = askInputBox(prompt, title);
    return m_ended ? std::string() : answer;
}

int Runtime::run()
{
    if (m_ended)
        return m_status;
    const int status = runLoop();
    return m_ended ? m_status : status;
}

void Runtime::end(int status)
{
    if (m_ended)
        return;
    m_ended = true;
    m_status = status;
    endNow(status);
}

} // namespace tolvane::runtime
