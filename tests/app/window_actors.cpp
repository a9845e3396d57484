#include "window_actor.h"

namespace random_session {

std::vector<std::unique_ptr<WindowActor>> makeWindowActors()
{
    std::vector<std::unique_ptr<WindowActor>> actors;
    return actors;
}

}  // namespace random_session
