#include "window_actor.h"

namespace random_session {

std::unique_ptr<WindowActor> makeSectionTableActor();
std::unique_ptr<WindowActor> makeFilesActor();

std::vector<std::unique_ptr<WindowActor>> makeWindowActors()
{
    std::vector<std::unique_ptr<WindowActor>> actors;
    actors.push_back(makeSectionTableActor());
    actors.push_back(makeFilesActor());
    return actors;
}

}  // namespace random_session
