// The conformance suite on the web runtime, in a page that a driver outside
// the browser plays with WebDriver (tests/web/test_conformance.py). The page's
// address may end in "#part-of-a-group-name" to run those groups alone.

#include "suite.h"
#include "web/player_page.h"
#include "web/web_player.h"

#include <string>

int main()
{
    using namespace tolvane::conformance;
    WebPlayer player;
    std::string only(256, '\0');
    only.resize(std::size_t(player_only(only.data(), int(only.size()) + 1)));
    const int status = runConformanceSuite(player, only) == 0 ? 0 : 1;
    player_finished(status);
    return status;
}
